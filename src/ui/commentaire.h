// The commentary window of the exercises: the exercise's name, its
// commentary, what the player's last move was to the solution, and the
// buttons that try again, show the solution move by move and go on to the
// next exercise. It stays open beside the board while the player plays.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTextBrowser;

class FenetreCommentaire : public QWidget {
  Q_OBJECT
 public:
  explicit FenetreCommentaire(QWidget* parent = nullptr);

  QLabel* Titre_exercice;
  QTextBrowser* Texte_commentaire;
  QLabel* Verdict_exercice;
  QPushButton *Revoir_exercice, *Solution_exercice, *Suivant_exercice;

  // The verdict line in a colour: 0 none, 1 good, 2 wrong, 3 the solution shown.
  void montrer_verdict(const QString& texte, int ton);
  // The text, when it differs from the one shown.
  void montrer_texte(const QString& texte);

 private:
  QString texte_;  // the text shown
  int ton_ = -1;   // the verdict's colour shown
};
