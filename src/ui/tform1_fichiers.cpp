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

// Files are opened in the program's own folder (a desktop launch may start
// the program anywhere), whatever the current directory is.
std::filesystem::path chemin_courant() { return repertoire_depart; }

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
  if (!nom.isEmpty()) {
    if (recherche_en_cours == 0) {
      // A half-entered move is dropped.
      std::memcpy(damier + 1, damier_sauve + 1, NB_CASES);
      recalculer_masques();
      abandonner_saisie();
      position_changee();
    }
    minutes_autre = Nbminutes->text().trimmed().toInt();
    if (!ecrire_partie(nom.toStdString(), static_cast<std::uint8_t>(langue_cochee()))) erreur_fichier(nom);
  }
  placer_pions();
}

void TForm1::ouvre() {
  const std::uint8_t langue = langue_courante;
  const std::int16_t taille = taille_tables;
  arret_calcul = 1;
  const QString nom = dialogues().fichier_a_ouvrir(this, dossier_sauve(), FILTRE_PARTIES);
  if (nom.isEmpty()) return;
  std::uint8_t langue_lue = 0;
  std::string raison;
  if (!lire_partie(nom.toStdString(), langue_lue, raison)) {
    erreur_fichier(nom + " (" + QString::fromStdString(raison) + ")");
    return;
  }
  calcul_annule = 1;
  prendre_partie_lue(langue);
  sans_anticipation = 1;
  taille_tables = taille;  // the user's table size stays
}

void TForm1::prendre_partie_lue(std::uint8_t langue) {
  // The user's language stays; the level is the file's.
  changement_legendes(langue);
  niveau_coche(article_niveau(niveau), -1);
  Nbminutes->setText(QString::number(minutes_autre));

  dernier_demi_coup = partie[0].position[0];
  partie[0].position[0] = HORS_DAMIER;
  // The side to move at the end of the record, for "Aller à la fin".
  trait_fin = (dernier_demi_coup - nb_demi_coups) % 2 == 0 ? trait : adversaire(trait);
  case_depart_marquee = case_arrivee_marquee = 0;
  charger_entree();
  temps_affiche_blancs = temps_blancs;
  temps_affiche_noirs = temps_noirs;
  afficher_horloges();
  reconstruire_liste_coups();
  montrer_noms(QString::fromLatin1(nom_joueur_blanc), QString::fromLatin1(nom_joueur_noir));
  afficher_nb_pieces();
}

void TForm1::lire_reglages_derniere_partie() {
  std::uint8_t langue = 0;
  std::string raison;
  if (!lire_partie(chemin_derniere_partie(), langue, raison)) {
    // The first run, or a file that is no game: the initial settings stay.
    erreur_fichier(QString::fromStdString(chemin_derniere_partie().string() + " (" + raison + ")"));
    return;
  }
  langue_courante = langue;
  regler_taille_tables(taille_tables);
}

void TForm1::reprendre_derniere_partie() {
  const std::uint8_t langue = langue_courante;
  arret_calcul = 1;
  std::uint8_t langue_lue = 0;
  std::string raison;
  // A missing file was reported when the window first came up.
  if (!lire_partie(chemin_derniere_partie(), langue_lue, raison)) return;
  regler_taille_tables(taille_tables);
  prendre_partie_lue(langue);
}

void TForm1::ecrire_derniere_partie() {
  minutes_autre = Nbminutes->text().trimmed().toInt();
  if (!ecrire_partie(chemin_derniere_partie(), langue_courante))
    erreur_fichier(QString::fromStdString(chemin_derniere_partie().string()));
}
