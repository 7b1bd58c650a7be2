#include "ui/editeurs.h"

#include <QAction>
#include <QLineEdit>
#include <QGuiApplication>
#include <QScreen>
#include <system_error>

#include "evaluation/evaluation.h"
#include "records/files.h"
#include "search/table.h"
#include "knowledge/books.h"
#include "ui/dialogues.h"
#include "ui/legendes.h"
#include "ui/tform1.h"
#include "ui/tform2.h"
#include "ui/tform5.h"

// ---- the parameter editor ----------------------------------------------------

TForm5* CommandesEditeurs::editeur_parametres() {
  for (QWidget* w : fenetres_secondaires())
    if (auto* e = qobject_cast<TForm5*>(w)) return e;
  // A window made on its own (as tests make it) keeps an editor of its own.
  auto* e = new TForm5;
  e->setParent(&f, Qt::Window);
  return e;
}

void CommandesEditeurs::Changer1Click() {
  TForm5* e = editeur_parametres();
  e->remplir_cases();
  // Without a window manager "maximised" means nothing: fill the screen.
  if (const QScreen* ecran = e->screen()) e->setGeometry(ecran->availableGeometry());
  e->showMaximized();
}

void CommandesEditeurs::parametreOKClick() {
  TForm5* e = editeur_parametres();
  // A box that holds no parameter value is named and nothing is applied;
  // the editor stays open on it.
  if (QLineEdit* b = e->lire_cases()) {
    dialogues().message(e, texte_catalogue(langue_courante, "msg.parametres.case_invalide").arg(e->nom_case(b)),
                        texte_catalogue(langue_courante, "msg.erreur"), Dialogues::Icone::Avertissement);
    b->setFocus();
    b->selectAll();
    return;
  }
  e->hide();
}

void CommandesEditeurs::parametrecancelClick() { editeur_parametres()->hide(); }

// ---- parameter files ------------------------------------------------------------

QString CommandesEditeurs::fichier_parametres(bool sauver) {
  const QString dossier = QString::fromStdString(dossier_ecriture("Parametres").string());
  const QString filtre = texte_catalogue(f.langue_cochee(), "msg.filtre.parametres");
  return sauver ? dialogues().fichier_a_sauver(&f, dossier, "*.par", filtre, "par")
                : dialogues().fichier_a_ouvrir(&f, dossier, filtre);
}

void CommandesEditeurs::Sauverlesparamtres1Click() {
  const QString nom = fichier_parametres(true);
  if (!nom.isEmpty()) sauver_parametres(nom.toStdString());
}

void CommandesEditeurs::Chargerdesparamtres1Click() {
  const QString nom = fichier_parametres(false);
  if (nom.isEmpty()) return;
  // A parameter file holds at least every field and at most the whole
  // image; anything else (a game, an empty file) would leave nonsense in
  // the set in force.
  const std::filesystem::path chemin = nom.toStdString();
  std::error_code erreur;
  const bool fichier = std::filesystem::is_regular_file(chemin, erreur);
  const std::uintmax_t taille = fichier ? std::filesystem::file_size(chemin, erreur) : 0;
  if (!fichier || erreur || taille < CHAMPS_PARAMETRES || taille > TAILLE_PARAMETRES) {
    f.erreur_fichier(nom);
    return;
  }
  charger_parametres(chemin);
}

// ---- transposition-table sizes --------------------------------------------------

bool CommandesEditeurs::choisir_taille(int choix) {
  if (table_transposition == nullptr) {
    // Before start-up the table is made at this size when it is first allocated.
    taille_tables = CHOIX_TAILLES[choix].taille;
    decalage_tables = CHOIX_TAILLES[choix].decalage;
  } else if (!choisir_taille_tables(choix)) {
    QString avant = QString::number(nb_entrees_table);
    for (const ChoixTaille& c : CHOIX_TAILLES)
      if (std::uint32_t(c.entrees) == nb_entrees_table) avant = QString::fromUtf8(c.legende);
    const int l = f.langue_cochee();
    dialogues().message(&f, texte_catalogue(l, "msg.erreur_allocation"), texte_catalogue(l, "msg.erreur"),
                        Dialogues::Icone::Erreur, texte_catalogue(l, "msg.table_conservee").arg(avant));
    return false;
  }
  f.montrer_session();
  return true;
}

bool CommandesEditeurs::regler_taille_tables(int taille) {
  if (taille == 0) taille = TAILLE_TABLES_DEFAUT;
  int choix = 0;
  for (int i = 0; i < 8; ++i)
    if (CHOIX_TAILLES[i].taille <= taille) choix = i;
  return choisir_taille(choix);
}

void CommandesEditeurs::N0Mo1Click() { choisir_taille(0); }
void CommandesEditeurs::N07Mo1Click() { choisir_taille(1); }
void CommandesEditeurs::N15Mo1Click() { choisir_taille(2); }
void CommandesEditeurs::N3Mo1Click() { choisir_taille(3); }
void CommandesEditeurs::N5Mo1Click() { choisir_taille(4); }
void CommandesEditeurs::N10Mo1Click() { choisir_taille(5); }
void CommandesEditeurs::N15Mo2Click() { choisir_taille(6); }
void CommandesEditeurs::N30Mo1Click() { choisir_taille(7); }

// ---- opening books -----------------------------------------------------------

void CommandesEditeurs::Bibliothquesactives1Click() {
  bibliotheque_active = bibliotheque_active != 0 ? 0 : 1;
  f.montrer_session();
}

void CommandesEditeurs::Changerbibliothqueouvertures1Click() {
  const QString nom = dialogues().fichier_a_ouvrir(
      &f, QString::fromStdString(dossier_jeux_ouvertures().string()), filtre_jeux_ouvertures());
  if (nom.isEmpty()) return;
  std::vector<LigneRefusee> refusees;
  if (!charger_jeu_ouvertures(nom.toStdString(), &refusees)) {
    f.erreur_fichier(nom);
    return;
  }
  signaler_lignes_refusees(&f, refusees);
  for (Camp c : {BLANCS, NOIRS})
    if (EditeurOuvertures* e = editeur_ouvertures(c)) e->afficher_liste();
}

// The menu names the colours the board shows: camp 0 is drawn black, so
// "pour les blancs" opens camp 1's book, the window titled "(Blancs)".
void CommandesEditeurs::Ouverturespourlesblancs1Click() {
  if (EditeurOuvertures* e = editeur_ouvertures(NOIRS)) e->ouvrir(&f);
}

void CommandesEditeurs::Ouverturespourlesnoirs1Click() {
  if (EditeurOuvertures* e = editeur_ouvertures(BLANCS)) e->ouvrir(&f);
}
