// The two opening-book editors: the list of a side's book as the computer
// consults it (an edit is in force at once), the line being written, and
// the saving of the book alone or as a named set.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "knowledge/books.h"
#include "rules/board.h"
#include "ui/formes.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class TForm1;

class EditeurOuvertures : public FenetreSecondaire {
  Q_OBJECT
 public:
  EditeurOuvertures(const char* nom, Camp camp_);

  const Camp camp;  // the side whose moves the book holds
  // The window the editors hide and return to; its ListBox6 fills a set's .ovv.
  TForm1* principale = nullptr;

  QGroupBox* Fiche_Ouvertures = nullptr;
  QLineEdit* Nouvelle_Ouverture;
  QPushButton *Valide_Ouverture, *Effacer, *BitBtn1, *BitBtn2, *BitBtn3;
  QListWidget* Liste_Ouvertures;

  std::vector<std::string>& livre() const;        // the book in force
  std::filesystem::path fichier_travail() const;  // where its working book is written
  void afficher_liste();  // the list from the book
  // The book from its working file; its illegal lines are refused and named.
  void recharger();
  // Shows the editor over `fenetre` with the line of the game in both editors.
  void ouvrir(TForm1* fenetre);
  void montrer_langue(int langue) override;

 public slots:
  void Valide_OuvertureClick();
  void EffacerClick();
  void Liste_OuverturesClick();
  void BitBtn1Click();  // saves a set of books under a name, then closes
  void BitBtn2Click();  // cancel
  // Adds the line being written (the game's, as the editor opens) and saves
  // the working book, then closes.
  void BitBtn3Click();

 protected:
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  bool ajouter_ligne(const std::string& texte);  // false: refused, nothing stored
  void fermer_editeurs();
};

class TForm2 : public EditeurOuvertures {  // opening book of camp 0, drawn black
  Q_OBJECT
 public:
  TForm2() : EditeurOuvertures("TForm2", BLANCS) {}
};

class TForm3 : public EditeurOuvertures {  // opening book of camp 1, drawn white
  Q_OBJECT
 public:
  TForm3() : EditeurOuvertures("TForm3", NOIRS) {}
};

// The editor of a side's book among the windows made; null when none is.
EditeurOuvertures* editeur_ouvertures(Camp camp);

// Tells the user which book lines were refused and why; nothing when none was.
void signaler_lignes_refusees(QWidget* parent, const std::vector<LigneRefusee>& refusees);

// Where book sets are kept: "Parametres" in the program's directory, and
// the file dialogs' filter of book sets, in the language in force.
std::filesystem::path dossier_jeux_ouvertures();
QString filtre_jeux_ouvertures();
