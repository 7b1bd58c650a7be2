// Games as text in the window: the game written as a text file or a PDN
// file, and a game read from either, chosen from the pick list when the
// file holds several.
#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "game/clocks.h"
#include "game/end.h"
#include "game/game.h"
#include "game/input.h"
#include "records/files.h"
#include "records/pdn.h"
#include "records/text_games.h"
#include "search/search.h"
#include "ui/dialogues.h"
#include "ui/panneau.h"
#include "ui/scene.h"
#include "ui/tform1.h"

namespace {

constexpr std::size_t TAILLE_PDN_LUE = 16u << 20;  // a PDN file may hold thousands of games
constexpr int LISTE_EN_ATTENTE = -2;              // the pick list is open

QString dossier_depart() { return QString::fromStdString(dossier_ecriture().string()); }

QPushButton* bouton_liste(QWidget* parent, const char* nom, int x) {
  auto* b = new QPushButton(parent);
  b->setObjectName(nom);
  placer(b, x, 314, 100, 34, 13);
  return b;
}

}  // namespace

void TForm1::construire_liste_parties() {
  auto* titre = new QLabel(Panel2);
  titre->setObjectName("Titre_liste");
  placer(titre, 12, 8, 376, 28, 15);
  titre->setAlignment(Qt::AlignCenter);
  ListBox16 = new QListWidget(Panel2);
  ListBox16->setObjectName("ListBox16");
  placer(ListBox16, 12, 40, 376, 264, 13);
  ListeOK = bouton_liste(Panel2, "ListeOK", 90);
  ListeCancel = bouton_liste(Panel2, "ListeCancel", 210);
  connect(ListeOK, &QPushButton::clicked, this, &TForm1::ListBox16Click);
  connect(ListeCancel, &QPushButton::clicked, this, &TForm1::ListeCancelClick);
  connect(ListBox16, &QListWidget::itemDoubleClicked, this, &TForm1::ListBox16Click);
}

// ---- writing ---------------------------------------------------------------------

void TForm1::ecrire_partie_texte(bool pdn) {
  const QString chemin =
      pdn ? dialogues().fichier_a_sauver(this, dossier_depart(), "*.pdn", "Fichiers PDN (*.pdn *.PDN)", "pdn")
          : dialogues().fichier_a_sauver(this, dossier_depart(), "*.txt",
                                         "Fichiers texte (*.txt *.TXT);;Fichiers commentaires (*.damt *.DAMT)", "txt");
  if (chemin.isEmpty()) return;
  const std::string blanc = nom_joueur_blanc, noir = nom_joueur_noir;
  const std::string texte =
      pdn ? ecrire_partie_pdn(blanc, noir, resultat_partie, QDate::currentDate().toString("yyyy.MM.dd").toStdString())
          : ecrire_texte_partie(blanc, noir, resultat_partie);
  if (!ecrire_fichier_sur(chemin.toStdString(), texte)) erreur_fichier(chemin);
}

// The record and the move lists are the search's while it runs: the file
// is written once it has returned.
void TForm1::Crerunfichiertexte1Click() {
  changer_partie([this] { ecrire_partie_texte(false); });
}

void TForm1::CrerunfichierPDN1Click() {
  changer_partie([this] { ecrire_partie_texte(true); });
}

// ---- reading ---------------------------------------------------------------------

int TForm1::choisir_partie() {
  choix_liste_ = LISTE_EN_ATTENTE;
  ListBox16->setCurrentRow(-1);
  Panel2->show();
  Panel2->raise();
  while (choix_liste_ == LISTE_EN_ATTENTE && fin_programme == 0)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  Panel2->hide();
  const int choix = choix_liste_;
  choix_liste_ = -1;
  return choix;
}

void TForm1::ListBox16Click() {
  if (choix_liste_ == LISTE_EN_ATTENTE) choix_liste_ = ListBox16->currentRow();
}

void TForm1::ListeCancelClick() {
  if (choix_liste_ == LISTE_EN_ATTENTE) choix_liste_ = -1;
}

void TForm1::Ouvrirunfichiertexte1Click() {
  if (choix_liste_ == LISTE_EN_ATTENTE) return;
  changer_partie([this] { ouvrir_fichier_texte(); });
}

void TForm1::ouvrir_fichier_texte() {
  if (choix_liste_ == LISTE_EN_ATTENTE) return;
  const QString chemin = dialogues().fichier_a_ouvrir(
      this, dossier_depart(), "Parties (*.txt *.TXT *.doc *.DOC *.pdn *.PDN);;Tous les fichiers (*)");
  if (chemin.isEmpty()) return;
  const auto octets = lire_fichier(chemin.toStdString(), TAILLE_PDN_LUE);
  if (!octets) {
    erreur_fichier(chemin);
    return;
  }
  const std::string_view texte(reinterpret_cast<const char*>(octets->data()), octets->size());
  const std::string nom = chemin.toStdString();
  const std::vector<PartieLue> parties = lire_parties(texte, nom);
  ListBox16->clear();
  for (std::size_t i = 0; i < parties.size(); ++i)
    ListBox16->addItem(QString::fromLatin1(ligne_choix_partie(static_cast<int>(i) + 1, parties[i])));
  if (parties.empty()) return;
  int choix = 0;
  if (parties.size() > 1) {
    // Changes asked for while the list is open wait for the choice.
    const EnCours pendant(coup_en_cours_);
    choix = choisir_partie();
  }
  if (choix < 0 || choix >= static_cast<int>(parties.size())) return;

  // A PDN game stops at a move that is not legal; the text format skips it.
  remplir();
  const ArretRejeu arret = rejouer_partie(parties[choix], choix + 1, est_pdn(texte, nom));
  aller_au_demi_coup(dernier_demi_coup);
  reconstruire_liste_coups();
  for (QWidget* w : std::initializer_list<QWidget*>{fin_de_parties, Match_nul, Zut, Nulrefus}) w->hide();
  ordinateur_au_trait = 0;
  sans_anticipation = 1;
  position_montree();
  ListBox1->setCurrentRow(ListBox1->count() - 1);
  if (arret.arrete)
    dialogues().message(this, QString::fromStdString(texte_arret(arret, langue_cochee() == 0)), "Erreur",
                        Dialogues::Icone::Avertissement, chemin);
}
