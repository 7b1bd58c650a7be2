// Games in files, in the main window: "Sauver" and "Ouvrir" through the
// file dialogs in the "Sauve" folder, "last32.dam" written by "Quitter" and
// read back at start-up, the game written as text or PDN and read from
// either (chosen from the pick list when the file holds several), and the
// 3D picture saved as a bitmap.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "ui/commandes.h"

class QListWidget;
class QPushButton;
struct ContenuPartie;
struct PartieLue;

// Today as the PDN Date tag writes it.
std::string date_du_jour();

class CommandesFichiers : public Commandes {
  Q_OBJECT
 public:
  explicit CommandesFichiers(TForm1& fenetre) : Commandes(fenetre) {}

  void construire_liste_parties();  // the pick list's components on Panel2
  // "last32.dam": its language and table size when the window first comes
  // up, its game once a 3D theme is picked, written by "Quitter".
  void lire_reglages_derniere_partie();
  void reprendre_derniere_partie();
  void ecrire_derniere_partie();

  // Games read from a file or pasted: the one chosen from the pick list
  // when there are several is replayed and shown. With `arreter` (PDN) the
  // replay stops at a move it cannot play and says where, `origine` (the
  // file) beside the message.
  void prendre_parties(const std::vector<PartieLue>& parties, bool arreter, const QString& origine);

  // The pick list of a text file of several games, on Panel2.
  QListWidget* ListBox16 = nullptr;
  QPushButton *ListeOK = nullptr, *ListeCancel = nullptr;

 public slots:
  void save();
  void ouvre();
  void Crerunfichiertexte1Click();
  void CrerunfichierPDN1Click();
  void Ouvrirunfichiertexte1Click();
  void ListBox16Click();
  void ListeCancelClick();
  void Editerlimagefichierbmp1Click();

 private:
  QString dossier_sauve() const;                      // the saved games' folder, made when missing
  bool ecriture_permise(const QString& chemin);       // false (and said) for a file the program ships

  QString filtre(const char* cle) const;              // a file dialog's filter, in the language in force
  void prendre_partie_lue(const ContenuPartie& lue);  // a game file's game taken and shown
  void ecrire_partie_texte(bool pdn);
  void ouvrir_fichier_texte();  // the text or PDN file chosen, its game taken
  int choisir_partie();         // shows the pick list and waits: the game chosen, -1 for none
  int choix_liste_ = -1;
};
