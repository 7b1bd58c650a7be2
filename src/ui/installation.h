// Setting up a position by hand in the main window: the set-up group on
// the "Probleme" tab (the piece to place, emptying and filling the board,
// the board's direction, the computer's colour, who moves first) and the
// clicks that place pieces.
#pragma once

#include <optional>
#include <utility>

#include "rules/board.h"
#include "rules/fen.h"
#include "ui/commandes.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class CommandesInstallation : public Commandes {
  Q_OBJECT
 public:
  explicit CommandesInstallation(TForm1& fenetre) : Commandes(fenetre) {}

  void construire_probleme();  // the set-up group's components
  void poser_piece(Case s);    // a set-up click: the piece chosen goes on square s
  void montrer_evaluations(int langue);
  // A whole position set up at once (a pasted one), the human to move: the
  // set-up begun if it was not, the position put on its board, the set-up
  // left as its button leaves it.
  void installer_position(const Position& p);  // the static scores in Blancs and Noirs, once there are some

  // The static scores of camp 0 and camp 1 as the set-up last showed them.
  std::optional<std::pair<int, int>> evaluations;

  // The piece a set-up click puts on a square.
  int piece_a_placer = 0;
  // The set-up group's components.
  QToolButton *SpeedButton10 = nullptr, *SpeedButton11 = nullptr, *SpeedButton12 = nullptr,
              *SpeedButton13 = nullptr, *SpeedButton14 = nullptr;
  QLabel* Piontemoin = nullptr;
  QPushButton *vider1 = nullptr, *remplir1 = nullptr, *Bas_Haut = nullptr, *Couleurordi = nullptr,
              *Couleurjoue = nullptr;
  QLineEdit *Blancs = nullptr, *Noirs = nullptr;

 public slots:
  void Installeruneposition1Click();
  void Entrerpositionclick();
  void remplir();  // the starting position on the board, a new record
  void vider();
  void Change_dir();
  void Change_couleur();
  void Couleur_joue();
  void SpeedButton10Click();
  void SpeedButton11Click();
  void SpeedButton12Click();
  void SpeedButton13Click();
  void SpeedButton14Click();

 private:
  void entrer_ou_quitter_installation();
  void choisir_piece(int piece, const char* image);
};
