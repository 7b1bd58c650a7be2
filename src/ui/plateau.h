// What the board tells the player besides the pieces: whose turn it is (the
// side to move's name panel and clock lit in both views), the move list
// beside the 3D board with its four navigation buttons, the engine's hint,
// and how the game ended, kept under the board once the result panel is
// closed.
#pragma once

#include "ui/commandes.h"

class QListView;
class QToolButton;
class QWidget;
class Panneau;

class CommandesPlateau : public Commandes {
  Q_OBJECT
 public:
  explicit CommandesPlateau(TForm1& fenetre) : Commandes(fenetre) {}

  void construire();    // the 3D board's move list and the result line
  void montrer();       // the lit panels, the move list and the result, from the state
  void placer_liste();  // the 3D board's move list where the screen has room for it
  QString texte_fin() const;  // how the game ended; empty while no game is over

  QWidget* Coups3d = nullptr;         // the 3D board's move list and its buttons
  QListView* ListeCoups3d = nullptr;  // the lines of ListBox1, the current one lit
  QToolButton *Debut3d = nullptr, *Recul3d = nullptr, *Avance3d = nullptr, *Fin3d = nullptr;
  Panneau* Fin_partie = nullptr;      // how the game ended, under the board

 public slots:
  void Conseil1Click();

 private:
  bool liste_dans_la_bande_ = false;  // beside the stage, not over the picture
};
