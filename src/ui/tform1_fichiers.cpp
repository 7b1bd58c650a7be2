// Game files in the main window: "Sauver" and "Ouvrir" through the file
// dialogs in the "Sauve" folder, "last32.dam" written by "Quitter" and read
// back at start-up, and the move list rebuilt from the record.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <cstring>
#include <filesystem>

#include "game/clocks.h"
#include "game/game.h"
#include "game/input.h"
#include "game/levels.h"
#include "records/files.h"
#include "records/game_file.h"
#include "search/search.h"
#include "search/table.h"
#include "ui/dialogues.h"
#include "ui/panneau.h"
#include "ui/tform1.h"

namespace {

const char* const FILTRE_PARTIES = "Fichiers Corvane (*.dam)";
const char* const EXTENSION_PARTIES = "dam";

// Files are opened in the folder the program writes in (a desktop launch may
// start the program anywhere), whatever the current directory is.
std::filesystem::path chemin_courant() { return dossier_ecriture(); }

std::filesystem::path chemin_derniere_partie() { return chemin_courant() / FICHIER_DERNIERE_PARTIE; }

}  // namespace

QString TForm1::dossier_sauve() const {
  const std::filesystem::path d = chemin_sans_casse(chemin_courant(), "Sauve");
  std::error_code ec;
  std::filesystem::create_directories(d, ec);
  return QString::fromStdString(d.string());
}

void TForm1::reconstruire_liste_coups() {
  ListBox1->clear();
  for (const std::string& l : lignes_liste_coups(partie, dernier_demi_coup))
    ListBox1->addItem(QString::fromStdString(l));
  // The line of the ply shown, as moving through the game selects it.
  ListBox1->setCurrentRow(nb_demi_coups / 2 - 1);
  if (nb_demi_coups < 2) ListBox1->scrollToTop();
}

void TForm1::save() {
  const QString nom = dialogues().fichier_a_sauver(this, dossier_sauve(), "*.dam", FILTRE_PARTIES, EXTENSION_PARTIES);
  if (nom.isEmpty()) {
    placer_pions();
    return;
  }
  changer_partie([this, nom] {
    // A half-entered move is dropped.
    std::memcpy(damier + 1, damier_sauve + 1, NB_CASES);
    recalculer_masques();
    abandonner_saisie();
    if (!ecrire_partie(nom.toStdString(), langue_courante)) erreur_fichier(nom);
    placer_pions();
  });
}

void TForm1::ouvre() {
  arret_calcul = 1;
  const QString nom = dialogues().fichier_a_ouvrir(this, dossier_sauve(), FILTRE_PARTIES);
  if (nom.isEmpty()) return;
  std::string raison;
  const std::optional<ContenuPartie> lue = lire_contenu_partie(nom.toStdString(), raison);
  if (!lue) {
    erreur_fichier(nom + " (" + QString::fromStdString(raison) + ")");
    return;
  }
  // The user's language and table size stay; the level is the file's.
  changer_partie([this, lue] { prendre_partie_lue(*lue); });
}

void TForm1::prendre_partie_lue(const ContenuPartie& lue) {
  appliquer_partie(lue);
  sans_anticipation = 1;
  case_depart_marquee = case_arrivee_marquee = 0;
  reconstruire_liste_coups();
  position_montree();
}

void TForm1::lire_reglages_derniere_partie() {
  std::string raison;
  const std::optional<ContenuPartie> lue = lire_contenu_partie(chemin_derniere_partie(), raison);
  if (!lue) {
    // The initial settings stay; only a file that is there and no game is
    // worth a word (the first run has none).
    if (fichier_absent(chemin_derniere_partie())) return;
    erreur_fichier(QString::fromStdString(chemin_derniere_partie().string() + " (" + raison + ")"));
    return;
  }
  langue_courante = lue->reglages.langue;
  regler_taille_tables(lue->reglages.taille_tables);
}

void TForm1::reprendre_derniere_partie() {
  arret_calcul = 1;
  std::string raison;
  // A missing file was reported when the window first came up.
  const std::optional<ContenuPartie> lue = lire_contenu_partie(chemin_derniere_partie(), raison);
  if (!lue) return;
  regler_taille_tables(lue->reglages.taille_tables);
  prendre_partie_lue(*lue);
}

void TForm1::ecrire_derniere_partie() {
  if (!ecrire_partie(chemin_derniere_partie(), langue_courante))
    erreur_fichier(QString::fromStdString(chemin_derniere_partie().string()));
}
