// The editors' commands of the main window: the evaluation parameters (the
// editor, saving and loading parameter files), the transposition-table
// sizes, and the opening books (book play, a book set, the two editors).
#pragma once

#include <QString>

#include "ui/commandes.h"

class TForm5;

class CommandesEditeurs : public Commandes {
  Q_OBJECT
 public:
  explicit CommandesEditeurs(TForm1& fenetre) : Commandes(fenetre) {}

  // The transposition-table size taille_tables (0 read as 100): the table
  // reallocated and the matching size item checked, the others unchecked. A
  // size no item has takes the largest item below it. False (message shown,
  // previous table and item kept) when the memory cannot be had.
  bool regler_taille_tables(int taille);
  // The parameter editor the menu opens (the program's TForm5, or one of
  // this window's own when there is none).
  TForm5* editeur_parametres();

 public slots:
  void Changer1Click();
  void parametreOKClick();
  void parametrecancelClick();
  void Sauverlesparamtres1Click();
  void Chargerdesparamtres1Click();
  void N0Mo1Click();
  void N07Mo1Click();
  void N15Mo1Click();
  void N3Mo1Click();
  void N5Mo1Click();
  void N10Mo1Click();
  void N15Mo2Click();
  void N30Mo1Click();
  void Bibliothquesactives1Click();
  void Changerbibliothqueouvertures1Click();
  void Ouverturespourlesblancs1Click();
  void Ouverturespourlesnoirs1Click();

 private:
  bool choisir_taille(int choix);           // size item 0..7
  QString fichier_parametres(bool sauver);  // the dialog's choice in "Parametres", empty: cancelled
};
