#include "ui/fichiers.h"

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <filesystem>

#include "game/clocks.h"
#include "game/end.h"
#include "game/game.h"
#include "game/input.h"
#include "game/levels.h"
#include "records/files.h"
#include "records/game_file.h"
#include "records/pdn.h"
#include "records/text_games.h"
#include "search/search.h"
#include "ui/dialogues.h"
#include "ui/editeurs.h"
#include "ui/images.h"
#include "ui/installation.h"
#include "ui/legendes.h"
#include "ui/navigation.h"
#include "ui/panneau.h"
#include "ui/scene.h"
#include "ui/tform1.h"

namespace {

const char* const EXTENSION_PARTIES = "dam";

// Files are opened in the folder the program writes in (a desktop launch may
// start the program anywhere), whatever the current directory is.
std::filesystem::path chemin_courant() { return dossier_ecriture(); }

std::filesystem::path chemin_derniere_partie() { return chemin_courant() / FICHIER_DERNIERE_PARTIE; }

}  // namespace

std::string date_du_jour() { return QDate::currentDate().toString("yyyy.MM.dd").toStdString(); }

QString CommandesFichiers::filtre(const char* cle) const { return texte_catalogue(f.langue_cochee(), cle); }

QString CommandesFichiers::dossier_sauve() const {
  const std::filesystem::path d = chemin_sans_casse(chemin_courant(), "Sauve");
  std::error_code ec;
  std::filesystem::create_directories(d, ec);
  return QString::fromStdString(d.string());
}

void CommandesFichiers::save() {
  const QString nom = dialogues().fichier_a_sauver(&f, dossier_sauve(), "*.dam", filtre("msg.filtre.parties"),
                                                   EXTENSION_PARTIES);
  if (nom.isEmpty() || !ecriture_permise(nom)) {
    f.placer_pions();
    return;
  }
  f.changer_partie([this, nom] {
    // A half-entered move is dropped.
    reprendre_position();
    abandonner_saisie();
    if (!ecrire_partie(nom.toStdString(), langue_courante)) f.erreur_fichier(nom);
    f.placer_pions();
  });
}

void CommandesFichiers::ouvre() {
  arret_calcul = 1;
  const QString nom = dialogues().fichier_a_ouvrir(&f, dossier_sauve(), filtre("msg.filtre.parties"));
  if (nom.isEmpty()) return;
  std::string raison;
  const std::optional<ContenuPartie> lue = lire_contenu_partie(nom.toStdString(), raison, f.langue_cochee());
  if (!lue) {
    f.erreur_fichier(nom + " (" + QString::fromStdString(raison) + ")");
    return;
  }
  // The user's language and table size stay; the level is the file's.
  f.changer_partie([this, lue] { prendre_partie_lue(*lue); });
}

void CommandesFichiers::prendre_partie_lue(const ContenuPartie& lue) {
  appliquer_partie(lue);
  sans_anticipation = 1;
  case_depart_marquee = case_arrivee_marquee = 0;
  f.navigation->reconstruire_liste_coups();
  f.navigation->position_montree();
}

void CommandesFichiers::lire_reglages_derniere_partie() {
  std::string raison;
  const std::optional<ContenuPartie> lue = lire_contenu_partie(chemin_derniere_partie(), raison, f.langue_cochee());
  if (!lue) {
    // The initial settings stay; only a file that is there and no game is
    // worth a word (the first run has none).
    if (fichier_absent(chemin_derniere_partie())) return;
    f.erreur_fichier(QString::fromStdString(chemin_derniere_partie().string() + " (" + raison + ")"));
    return;
  }
  langue_courante = lue->reglages.langue;
  f.editeurs->regler_taille_tables(lue->reglages.taille_tables);
}

void CommandesFichiers::reprendre_derniere_partie() {
  arret_calcul = 1;
  std::string raison;
  // A missing file was reported when the window first came up.
  const std::optional<ContenuPartie> lue = lire_contenu_partie(chemin_derniere_partie(), raison, f.langue_cochee());
  if (!lue) return;
  f.editeurs->regler_taille_tables(lue->reglages.taille_tables);
  prendre_partie_lue(*lue);
}

void CommandesFichiers::ecrire_derniere_partie() {
  if (!ecrire_partie(chemin_derniere_partie(), langue_courante))
    f.erreur_fichier(QString::fromStdString(chemin_derniere_partie().string()));
}

namespace {

constexpr std::size_t TAILLE_PDN_LUE = 16u << 20;  // a PDN file may hold thousands of games
constexpr int LISTE_EN_ATTENTE = -2;              // the pick list is open

QPushButton* bouton_liste(QWidget* parent, const char* nom, int x) {
  auto* b = new QPushButton(parent);
  b->setObjectName(nom);
  placer(b, x, 314, 100, 34, 13);
  return b;
}

}  // namespace

void CommandesFichiers::construire_liste_parties() {
  auto* titre = new QLabel(f.Panel2);
  titre->setObjectName("Titre_liste");
  placer(titre, 12, 8, 376, 28, 15);
  titre->setAlignment(Qt::AlignCenter);
  ListBox16 = new QListWidget(f.Panel2);
  ListBox16->setObjectName("ListBox16");
  placer(ListBox16, 12, 40, 376, 264, 13);
  ListeOK = bouton_liste(f.Panel2, "ListeOK", 90);
  ListeCancel = bouton_liste(f.Panel2, "ListeCancel", 210);
  connect(ListeOK, &QPushButton::clicked, this, &CommandesFichiers::ListBox16Click);
  connect(ListeCancel, &QPushButton::clicked, this, &CommandesFichiers::ListeCancelClick);
  connect(ListBox16, &QListWidget::itemDoubleClicked, this, &CommandesFichiers::ListBox16Click);
}

// ---- writing ---------------------------------------------------------------------

void CommandesFichiers::ecrire_partie_texte(bool pdn) {
  const std::string blanc = nom_joueur_blanc, noir = nom_joueur_noir;
  if (!pdn) {
    // What the text format cannot hold is said before a file is chosen, and
    // PDN offered instead: a file that read back as another game is no copy.
    const RefusTexte refus = refus_texte_partie(blanc, noir);
    if (refus != RefusTexte::Aucun) {
      const QString texte =
          refus == RefusTexte::PositionPosee
              ? texte_catalogue(langue_courante, "msg.texte.position_posee")
              : texte_catalogue(langue_courante, "msg.texte.nom")
                    .arg(QString::fromLatin1(refus == RefusTexte::NomBlanc ? nom_joueur_blanc : nom_joueur_noir));
      dialogues().message(&f, texte, texte_catalogue(langue_courante, "msg.erreur"), Dialogues::Icone::Avertissement);
      return;
    }
  }
  const QString chemin =
      pdn ? dialogues().fichier_a_sauver(&f, dossier_sauve(), "*.pdn", filtre("msg.filtre.pdn"), "pdn")
          : dialogues().fichier_a_sauver(&f, dossier_sauve(), "*.txt", filtre("msg.filtre.texte"), "txt");
  if (chemin.isEmpty() || !ecriture_permise(chemin)) return;
  const std::string texte =
      pdn ? partie_en_pdn(date_du_jour()) : ecrire_texte_partie(blanc, noir, resultat_partie);
  if (!ecrire_fichier_sur(chemin.toStdString(), texte)) f.erreur_fichier(chemin);
}

bool CommandesFichiers::ecriture_permise(const QString& chemin) {
  if (!fichier_du_programme(chemin.toStdString())) return true;
  dialogues().message(&f, texte_catalogue(langue_courante, "msg.fichier.du_programme"),
                      texte_catalogue(langue_courante, "msg.erreur"), Dialogues::Icone::Avertissement, chemin);
  return false;
}

// The record and the move lists are the search's while it runs: the file
// is written once it has returned.
void CommandesFichiers::Crerunfichiertexte1Click() {
  f.changer_partie([this] { ecrire_partie_texte(false); });
}

void CommandesFichiers::CrerunfichierPDN1Click() {
  f.changer_partie([this] { ecrire_partie_texte(true); });
}

// ---- reading ---------------------------------------------------------------------

int CommandesFichiers::choisir_partie() {
  choix_liste_ = LISTE_EN_ATTENTE;
  ListBox16->setCurrentRow(-1);
  f.Panel2->show();
  f.Panel2->raise();
  while (choix_liste_ == LISTE_EN_ATTENTE && fin_programme == 0)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  f.Panel2->hide();
  const int choix = choix_liste_;
  choix_liste_ = -1;
  return choix;
}

void CommandesFichiers::ListBox16Click() {
  if (choix_liste_ == LISTE_EN_ATTENTE) choix_liste_ = ListBox16->currentRow();
}

void CommandesFichiers::ListeCancelClick() {
  if (choix_liste_ == LISTE_EN_ATTENTE) choix_liste_ = -1;
}

void CommandesFichiers::Ouvrirunfichiertexte1Click() {
  if (choix_liste_ == LISTE_EN_ATTENTE) return;
  f.changer_partie([this] { ouvrir_fichier_texte(); });
}

void CommandesFichiers::ouvrir_fichier_texte() {
  if (choix_liste_ == LISTE_EN_ATTENTE) return;
  const QString chemin = dialogues().fichier_a_ouvrir(&f, dossier_sauve(), filtre("msg.filtre.import"));
  if (chemin.isEmpty()) return;
  const auto octets = lire_fichier(chemin.toStdString(), TAILLE_PDN_LUE);
  if (!octets) {
    f.erreur_fichier(chemin);
    return;
  }
  const std::string_view texte(reinterpret_cast<const char*>(octets->data()), octets->size());
  const std::string nom = chemin.toStdString();
  prendre_parties(lire_parties(texte, nom), est_pdn(texte, nom), chemin);
}

void CommandesFichiers::prendre_parties(const std::vector<PartieLue>& parties, bool arreter, const QString& origine) {
  if (choix_liste_ == LISTE_EN_ATTENTE) return;
  ListBox16->clear();
  for (std::size_t i = 0; i < parties.size(); ++i)
    ListBox16->addItem(QString::fromStdString(ligne_choix_partie(static_cast<int>(i) + 1, parties[i])));
  if (std::all_of(parties.begin(), parties.end(), partie_vide)) {
    // A file read as nothing is said to be so; the game shown stays.
    dialogues().message(&f, texte_catalogue(f.langue_cochee(), "msg.fichier.aucune_partie"),
                        texte_catalogue(f.langue_cochee(), "msg.erreur"), Dialogues::Icone::Avertissement, origine);
    return;
  }
  int choix = 0;
  if (parties.size() > 1) {
    // Changes asked for while the list is open wait for the choice.
    const TForm1::Occupation pendant(f);
    choix = choisir_partie();
  }
  if (choix < 0 || choix >= static_cast<int>(parties.size())) return;

  // A PDN game stops at a move that is not legal; the text format skips it.
  f.installation->remplir();
  const ArretRejeu arret = rejouer_partie(parties[choix], choix + 1, arreter);
  aller_au_demi_coup(dernier_demi_coup);
  f.navigation->reconstruire_liste_coups();
  for (QWidget* w : std::initializer_list<QWidget*>{f.fin_de_parties, f.Match_nul, f.Zut, f.Nulrefus}) w->hide();
  ordinateur_au_trait = 0;
  sans_anticipation = 1;
  f.navigation->position_montree();
  f.ListBox1->setCurrentRow(f.ListBox1->count() - 1);
  if (arret.arrete)
    dialogues().message(&f, QString::fromStdString(texte_arret(arret, f.langue_cochee())),
                        texte_catalogue(f.langue_cochee(), "msg.erreur"), Dialogues::Icone::Avertissement, origine);
}

void CommandesFichiers::Editerlimagefichierbmp1Click() {
  const QString nom = dialogues().fichier_a_sauver(&f, dossier_sauve(), "*.bmp", filtre("msg.filtre.image"), "bmp");
  if (nom.isEmpty() || !ecriture_permise(nom)) return;
  if (!sauver_bmp(f.Image5->image(), nom.toStdString())) f.erreur_fichier(nom);
}
