// Printing in the main window: "Imprimer" prints the game's move list and
// "Imprimer analyse" the analysis's lines, through the print dialog (which
// offers a PDF file where there is no printer), laid out as the engine's
// pages say and drawn like a score sheet a player keeps.
#pragma once

#include "ui/commandes.h"

class QPrinter;
class QWidget;

class CommandesImpression : public Commandes {
  Q_OBJECT
 public:
  explicit CommandesImpression(TForm1& fenetre) : Commandes(fenetre) {}

  // The printout on a printer already chosen: the game, or the analysis.
  // False when the printer cannot be started (the error box is shown).
  bool imprimer(QPrinter& imprimante, bool analyse);

 public slots:
  void Imprimer1Click();  // the game
  void Button3aClick();   // the analysis

 private:
  void imprimer_apres_dialogue(bool analyse, QWidget* parent);
};
