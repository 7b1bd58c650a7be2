// Moving through the game's record in the main window: the move list
// (ListBox1) kept from the record, and the commands and buttons that take
// the game to another of its plies.
#pragma once

#include "ui/commandes.h"

class CommandesNavigation : public Commandes {
  Q_OBJECT
 public:
  explicit CommandesNavigation(TForm1& fenetre) : Commandes(fenetre) {}

  void reconstruire_liste_coups();       // ListBox1 from the record, the line of the ply shown chosen
  void ecrire_liste_coups(int arrivee);  // the line of the ply just recorded
  void supprimer_lignes_reprises();      // the lines past the current ply, after a take-back
  void aller_a(int demi_coup);           // ply k of the record, once no search runs
  void position_montree();               // the position reached shown: board, clocks, list, counts
  // The list's last line with the game's result as PDN writes it ("2-0")
  // while the game on the board is over, without it otherwise.
  void montrer_resultat();
  void montrer_ligne_courante();  // the line of the ply shown lit and in view

 public slots:
  void reprise();
  void avancer();
  void revenir_debut();
  void Aller_fin();
  void revenir_n();

 private:
  int ligne_resultat_ = -1;  // the line that carries the result
};
