// The players in the main window: the registry's panels (a new player,
// deleting one), the lists of the new game's tabs, the rated match,
// renaming the two players of the game, and the rating update at the end of
// a rated game.
#pragma once

#include "players/registry.h"
#include "ui/commandes.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

class CommandesJoueurs : public Commandes {
  Q_OBJECT
 public:
  explicit CommandesJoueurs(TForm1& fenetre) : Commandes(fenetre) {}

  void construire_onglets_joueurs(QWidget* entrainement, QWidget* match, QWidget* humain);
  void construire_panneaux_joueurs();
  void charger_listes_joueurs();               // every list of the registry, from the two files
  bool ordinateur_choisi() const;              // the computer's entry chosen in a list of "Humain contre humain"
  void mise_a_jour_classement(int resultat);  // the rated game scored: ratings, lines, files

  // The Match tab, the registry's lists, the new player, the deletion and
  // the renaming panels.
  QLineEdit *Joueur1 = nullptr, *Joueur = nullptr, *joueur_efface = nullptr, *Edit2 = nullptr, *Edit3 = nullptr;
  QRadioButton *Olvendar_blanc1 = nullptr, *Olvendar_noir1 = nullptr, *K1600 = nullptr, *K1700 = nullptr,
               *K1800 = nullptr;
  QListWidget *ListBox8 = nullptr, *ListBox9 = nullptr, *ListBox10 = nullptr, *ListBox11 = nullptr,
              *ListBox12 = nullptr, *ListBox13 = nullptr, *ListBox14 = nullptr, *ListBox15 = nullptr;
  QPushButton *RamenerCorvane = nullptr, *BitBtn7 = nullptr, *O = nullptr, *BitBtn20 = nullptr, *BitBtn12 = nullptr,
              *OKjoueur = nullptr, *Cancel_joueurs = nullptr, *BitBtn16 = nullptr;

 public slots:
  void Match21Click();
  void BitBtn7Click();
  void OClick();
  void Effacerunjoueur1Click();
  void ListBox7Click();
  void BitBtn20Click();
  void BitBtn12Click();
  void ListBox8Click();
  void ListBox9Click();
  void ListBox10Click();
  void ListBox11Click();
  void BitBtn16Click();
  void RamenerCorvaneClick();
  void Changerlesnoms1Click();
  void OKjoueurClick();
  void Cancel_joueursClick();

 private:
  void montrer_registre();                         // the lists from registre_montre_
  void ecrire_registre_montre(const Registre& r);  // both files; a failure is reported

  // The registry as the players' lists show it, the computer's rating reset
  // by "Ramener Corvane à 2050" included: what a rated game is scored on.
  Registre registre_montre_;
};
