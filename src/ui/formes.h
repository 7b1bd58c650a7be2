// The six secondary windows: the opening-book editors (white and black),
// the analysis window and the three parameter editors, of which only the
// first is ever shown.
#pragma once

#include <QWidget>

#include <vector>

class FenetreSecondaire : public QWidget {
  Q_OBJECT
 public:
  FenetreSecondaire(const char* nom, int largeur, int hauteur);
  ~FenetreSecondaire() override;
  // The window's captions from the caption table of a language, and the
  // texts it composes, in that language.
  virtual void montrer_langue(int langue);
};

// The secondary windows that exist, in the order they were made.
const std::vector<QWidget*>& fenetres_secondaires();

// The analysis window TForm4: ui/tform4.h. The parameter editors TForm5,
// TForm6 and TForm7: ui/tform5.h.
