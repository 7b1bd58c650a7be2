// Copy and paste in the "Edition" menu: the position shown goes out as a
// FEN, the game as PDN; a pasted FEN is set up as a set-up would leave it,
// a pasted PDN game opened as a text file's, and anything else is said to
// be neither, changing nothing.
#pragma once

#include "ui/commandes.h"

class CommandesEdition : public Commandes {
  Q_OBJECT
 public:
  explicit CommandesEdition(TForm1& fenetre) : Commandes(fenetre) {}

 public slots:
  void Copierlaposition1Click();
  void Copierlapartie1Click();
  void Coller1Click();
};
