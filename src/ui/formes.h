// The six secondary windows: the opening-book editors (white and black),
// the analysis window and the three parameter editors, of which only the
// first is ever shown. Their contents come with the editors and the analysis.
#pragma once

#include <QWidget>

#include <vector>

class FenetreSecondaire : public QWidget {
  Q_OBJECT
 public:
  FenetreSecondaire(const char* nom, int largeur, int hauteur);
  ~FenetreSecondaire() override;
};

// The secondary windows that exist, in the order they were made.
const std::vector<QWidget*>& fenetres_secondaires();

class TForm4 : public FenetreSecondaire {  // analysis
  Q_OBJECT
 public:
  TForm4() : FenetreSecondaire("TForm4", 480, 520) {}
};

class TForm5 : public FenetreSecondaire {  // evaluation parameters
  Q_OBJECT
 public:
  TForm5() : FenetreSecondaire("TForm5", 760, 560) {}
};

class TForm6 : public FenetreSecondaire {  // evaluation parameters, never shown
  Q_OBJECT
 public:
  TForm6() : FenetreSecondaire("TForm6", 760, 560) {}
};

class TForm7 : public FenetreSecondaire {  // evaluation parameters, never shown
  Q_OBJECT
 public:
  TForm7() : FenetreSecondaire("TForm7", 760, 560) {}
};
