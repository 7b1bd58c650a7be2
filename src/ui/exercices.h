// Lessons, exercises and problems in the main window: an exercise chosen in
// the "Problemes" folder and opened as the game, "Suivant ->" and "Revoir
// coup" on the 3D board, the commentary window beside the board, and the
// player's moves checked against the solution.
#pragma once

#include <filesystem>

#include "rules/board.h"
#include "ui/commandes.h"

class FenetreCommentaire;

class CommandesExercices : public Commandes {
  Q_OBJECT
 public:
  explicit CommandesExercices(TForm1& fenetre);

  // The exercise's state shown: the two panels of the 3D board, and the
  // commentary window's texts in the language in force.
  void montrer();
  // The player's move, just recorded: checked against the solution, the
  // recorded reply played when it is the solution's. True when the exercise
  // took the turn (no search is to answer the move).
  bool coup_du_joueur(const Coup& m);
  // No exercise any more: the panels and the commentary window go.
  void fermer();

  FenetreCommentaire* commentaire = nullptr;  // made when the first exercise opens

 public slots:
  void Problmes1Click();
  void Button1Click();  // "Suivant ->"
  void Panel14Click();  // "Revoir coup"
  void voir_solution();  // the solution's next move, from the exercise's start if need be

 private:
  void ouvrir(const std::filesystem::path& chemin);
  void jouer_coup_enregistre(const Coup& m);  // shown as the computer's moves are, then played
  void montrer_commentaire();
  // The commentary read for a file and language, kept while they stay.
  std::filesystem::path chemin_lu_;
  int langue_lue_ = -1;
  QString texte_lu_;
};
