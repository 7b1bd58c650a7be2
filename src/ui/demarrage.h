// Start-up and shut-down of the main window: its first activation (the
// last game's settings, the language), the introduction with its languages
// and board themes, the start-up sequence, the language switches, help and
// "A propos", and quitting.
#pragma once

#include <QString>
#include <array>

#include "ui/commandes.h"

class FenetreAide;
class Panneau;
class QLabel;
class QToolButton;

class CommandesDemarrage : public Commandes {
  Q_OBJECT
 public:
  explicit CommandesDemarrage(TForm1& fenetre) : Commandes(fenetre) {}

  void construire_intro();
  void construire_apropos();
  void liberer_et_terminer();         // the tables go, then the process
  void changement_legendes(int langue);  // the captions of a language, and what the state composes over them

  // The introduction, "A propos" and the help window.
  Panneau *Intro = nullptr, *Panel8 = nullptr;
  QLabel *Titre_apropos = nullptr, *Version_apropos = nullptr, *Version_intro = nullptr;
  // The introduction's theme buttons, by theme (0 is the 2D board).
  std::array<QToolButton*, 9> boutons_themes{};
  std::array<QLabel*, 9> noms_themes{};
  FenetreAide* aide = nullptr;

 public slots:
  void FormActivate();
  void Introduction();
  void quitter();
  void exiter();
  void Guide1Click();
  void Rgles1Click();
  void Apropos1Click();
  void BitBtn6Click();
  void Button5Click();   // French
  void Button6Click();   // English
  void Button7Click();   // Dutch
  void Button2Click();   // Portuguese
  void Button8Click();   // Spanish
  void Button1AClick();  // Italian
  void Franais1Click();
  void English1Click();
  void Nederlands1Click();
  void Portugues1Click();
  void Espanol1Click();
  void Italiano1Click();
  // The introduction's theme buttons (0: the 2D board, 1..8: the themes).
  void choisir_theme_intro(int theme);

 private:
  void choisir_repertoire();         // repertoire_depart: the window's `repertoire` when set, else the program's folder
  void charger_images_formulaire();  // clock icons and the introduction's previews
  void changement_complet(int langue);
  void afficher_aide(const char* const pages[6]);
  bool images_formulaire_lues_ = false;
};
