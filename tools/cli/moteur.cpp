#include "moteur.h"

#include <cstring>

#include "cli.h"
#include "evaluation/evaluation.h"
#include "game/game.h"
#include "game/hooks.h"
#include "game/levels.h"
#include "knowledge/books.h"
#include "knowledge/endgame.h"
#include "knowledge/learning.h"
#include "records/files.h"
#include "rules/moves.h"
#include "search/root.h"
#include "search/table.h"

Affichage affichage;

void demarrer_moteur() {
  fixer_repertoire_depart();
  allouer_tables();
  charger_pool(chemin_donnee("", FICHIER_POOL).parent_path());
  charger_bases();
  bases_chargees = 1;
  charger_parametres_defaut();
  charger_bibliotheques();
  vider_tables();
}

bool lire_reglage(const std::vector<std::string>& args, std::size_t& i, const std::string& prefixe, Reglage& r,
                  std::string& erreur) {
  const std::string& a = args[i];
  const bool niveau = a == prefixe + "level";
  const bool profondeur = a == prefixe + "depth";
  const bool parametres = a == prefixe + "params";
  if (!niveau && !profondeur && !parametres) return false;
  if (i + 1 >= args.size()) {
    erreur = a + " needs a value";
    return true;
  }
  const std::string& valeur = args[++i];
  long v = 0;
  if (parametres) {
    r.parametres = valeur;
  } else if (niveau) {
    if (!lire_entier(valeur, 0, NB_NIVEAUX - 1, v)) erreur = a + " takes a level 0.." + std::to_string(NB_NIVEAUX - 1);
    r.niveau = static_cast<int>(v);
  } else {
    if (!lire_entier(valeur, 1, PROF_LIMITE, v)) erreur = a + " takes a depth 1.." + std::to_string(PROF_LIMITE);
    r.niveau = -1;
    r.profondeur = static_cast<int>(v);
  }
  return true;
}

bool appliquer_reglage(const Reglage& r) {
  if (r.niveau >= 0) {
    choisir_niveau(r.niveau);
    profondeur_imposee = 0;
  } else {
    jouer_sans_limite();
    profondeur_imposee = r.profondeur;
  }
  if (!r.parametres.empty()) return charger_parametres(r.parametres);
  // Without "defaut.par" the program plays with the set it starts with: all zero.
  if (!charger_parametres_defaut()) {
    std::memset(parametres_bruts, 0, sizeof parametres_bruts);
    bruts_vers_parametres();
  }
  return true;
}

void capter_affichage() {
  static const FormatsRecherche francais{"Profondeur : %5d", "Noeuds : %8u", "Temps : %6d s", "Noeuds/s : %8u",
                                         "Noeuds/s : //",    "Score : %5d",  "Coups : %3d"};
  crochet_etat_recherche = [](const EtatRecherche& e) { affichage.recherche = lignes_recherche(e, francais); };
  crochet_ligne_racine = [](const LigneRacine& l) {
    std::vector<std::string>& lignes = affichage.racine;
    if (l.index < 0) {
      lignes.clear();
      return;
    }
    if (static_cast<std::size_t>(l.index) >= lignes.size()) lignes.resize(static_cast<std::size_t>(l.index) + 1);
    lignes[static_cast<std::size_t>(l.index)] = ligne_coup_racine(l.coup, l.score, l.en_cours);
  };
}

void nouvelle_partie() {
  commencer_partie();
  score_racine = 0;
}
