// corvane-cli book build|check: grows the opening books with the engine's
// own search, and checks that every line of a book is a legal game.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>

#include "cli.h"
#include "game/game.h"
#include "game/levels.h"
#include "knowledge/books.h"
#include "moteur.h"
#include "records/files.h"
#include "rules/moves.h"
#include "search/root.h"

namespace {

struct Croissance {
  int demi_coups = 12;   // length of the lines
  int profondeur = 8;    // depth of the searches that rank the moves
  int marge = 40;        // a move within this of the best is kept (1/200 of a man)
  int larges = 6;        // plies at which several moves are kept
  std::set<std::string> lignes;
  long recherches = 0;
};

// The score of the position on the board for the side that just moved:
// the opponent's search, negated; forced replies are played through.
int score_apres_coup(const Croissance& c, Camp adverse) {
  std::uint8_t sauve[33];
  std::memcpy(sauve, damier, sizeof sauve);
  const Camp trait_sauve = trait;
  int signe = -1;
  Camp camp = adverse;
  int score = 0;
  for (int forces = 0;; ++forces) {
    trait = camp;
    // The reply is searched one ply less, but at least one: a depth of 0
    // would mean no limit.
    profondeur_imposee = std::max(1, c.profondeur - 1);
    const std::uint8_t choix = choisir_coup(camp);
    if (choix == CHOIX_AUCUN) {  // the side to move has lost
      score = signe * -SCORE_INFINI;
      break;
    }
    if (choix != CHOIX_UNIQUE || forces > 20) {
      score = signe * score_racine;
      break;
    }
    jouer_coup(listes_coups[1][0]);
    camp = adversaire(camp);
    signe = -signe;
  }
  std::memcpy(damier, sauve, sizeof sauve);
  recalculer_masques();
  trait = trait_sauve;
  return score;
}

// Moves kept at this node, best first.
std::vector<Coup> coups_retenus(Croissance& c, int largeur) {
  const Camp camp = trait;
  const int n = coups_legaux(camp);
  std::vector<Coup> coups(listes_coups[1], listes_coups[1] + n);
  if (n <= 1) return coups;
  if (largeur == 1) {
    profondeur_imposee = c.profondeur;
    ++c.recherches;
    const std::uint8_t choix = choisir_coup(camp);
    const int i = choix == CHOIX_UNIQUE ? 0 : choix;
    return {listes_coups[1][i]};
  }
  std::vector<std::pair<int, Coup>> notes;
  for (const Coup& m : coups) {
    std::uint8_t sauve[33];
    std::memcpy(sauve, damier, sizeof sauve);
    jouer_coup(m);
    ++c.recherches;
    notes.push_back({score_apres_coup(c, adversaire(camp)), m});
    std::memcpy(damier, sauve, sizeof sauve);
    recalculer_masques();
    trait = camp;
  }
  std::stable_sort(notes.begin(), notes.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<Coup> retenus;
  for (const auto& [note, m] : notes)
    if (static_cast<int>(retenus.size()) < largeur && note >= notes[0].first - c.marge) retenus.push_back(m);
  return retenus;
}

void grandir(Croissance& c, std::vector<CoupBibliotheque>& ligne) {
  const int ply = static_cast<int>(ligne.size());
  const int largeur = ply < 2 ? 3 : (ply < c.larges ? 2 : 1);
  std::vector<Coup> coups;
  if (ply < c.demi_coups) coups = coups_retenus(c, largeur);
  if (coups.empty()) {
    if (!ligne.empty()) c.lignes.insert(ecrire_ligne_ouverture(ligne.data(), static_cast<int>(ligne.size())));
    return;
  }
  for (const Coup& m : coups) {
    std::uint8_t sauve[33];
    std::memcpy(sauve, damier, sizeof sauve);
    const Camp camp = trait;
    jouer_coup(m);
    ligne.push_back({m.depart, m.arrivee});
    grandir(c, ligne);
    ligne.pop_back();
    std::memcpy(damier, sauve, sizeof sauve);
    recalculer_masques();
    trait = camp;
  }
}

int construire(const std::vector<std::string>& args) {
  Croissance c;
  std::string dossier = ".";
  for (std::size_t i = 1; i < args.size(); ++i) {
    long v = 0;
    const std::string& a = args[i];
    const bool valeur = i + 1 < args.size();
    if (a == "--plies" && valeur && lire_entier(args[i + 1], 1, MAX_DEMI_COUPS_OUVERTURE, v)) {
      c.demi_coups = static_cast<int>(v);
    } else if (a == "--depth" && valeur && lire_entier(args[i + 1], 1, PROF_LIMITE, v)) {
      c.profondeur = static_cast<int>(v);
    } else if (a == "--margin" && valeur && lire_entier(args[i + 1], 0, 2000, v)) {
      c.marge = static_cast<int>(v);
    } else if (a == "--wide" && valeur && lire_entier(args[i + 1], 0, MAX_DEMI_COUPS_OUVERTURE, v)) {
      c.larges = static_cast<int>(v);
    } else if (a == "--out" && valeur) {
      dossier = args[i + 1];
    } else {
      return erreur_usage("book", "bad option " + a + " (see --help)");
    }
    ++i;
  }
  demarrer_moteur();
  bibliotheque_active = 0;
  jouer_sans_limite();
  position_initiale();
  nouvelle_partie();
  std::vector<CoupBibliotheque> ligne;
  grandir(c, ligne);
  std::vector<std::string> lignes(c.lignes.begin(), c.lignes.end());
  trier_ouvertures(lignes);
  const std::filesystem::path d = dossier;
  const std::string texte = texte_ouvertures(lignes);  // both books, written as one set
  if (!ecrire_fichiers_sur({{d / FICHIER_OUVERTURES_BLANCS, texte.data(), texte.size()},
                            {d / FICHIER_OUVERTURES_NOIRS, texte.data(), texte.size()}})) {
    std::fprintf(stderr, "corvane-cli book: cannot write the books in %s\n", dossier.c_str());
    return SORTIE_ERREUR;
  }
  std::printf("%zu lines of %d half-moves, %ld searches at depth %d\n", lignes.size(), c.demi_coups, c.recherches,
              c.profondeur);
  return SORTIE_OK;
}

// Every half-move of every line is a legal move of the side to move.
int verifier(const std::vector<std::string>& args) {
  if (args.size() < 2) return erreur_usage("book", "usage: book check FILE...");
  int fautes = 0;
  long total = 0;
  for (std::size_t f = 1; f < args.size(); ++f) {
    std::vector<std::string> lignes;
    if (!charger_ouvertures(args[f], lignes)) return erreur_usage("book", "cannot read " + args[f]);
    if (std::all_of(lignes.begin(), lignes.end(), ligne_blanche)) return erreur_usage("book", args[f] + " holds no line");
    for (const std::string& l : lignes) {
      const std::vector<CoupBibliotheque> coups = lire_ligne_ouverture(l);
      const int j = demi_coup_illegal(coups);
      total += j == 0 ? static_cast<long>(coups.size()) : j - 1;
      if (j != 0) {
        std::printf("%s: \"%s\": half-move %d is not legal\n", args[f].c_str(), l.c_str(), j);
        ++fautes;
      }
    }
    std::printf("%s: %zu lines\n", args[f].c_str(), lignes.size());
  }
  std::printf("%ld half-moves played, %d illegal\n", total, fautes);
  return fautes == 0 ? SORTIE_OK : SORTIE_ERREUR;
}

int executer(const std::vector<std::string>& args) {
  if (!args.empty() && args[0] == "build") return construire(args);
  if (!args.empty() && args[0] == "check") return verifier(args);
  return erreur_usage("book", "usage: book build [OPTIONS] | book check FILE...");
}

const Enregistrement enregistrement(
    {"book", "grow or check the opening books",
     "usage: corvane-cli book build [--plies N] [--depth D] [--margin M] [--wide W] [--out DIR]\n"
     "       corvane-cli book check FILE...\n"
     "build: grows a tree of opening lines from the start position with the engine: at each\n"
     "  of the first W plies (default 6) every move is scored by a search of depth D (default 8)\n"
     "  and the best ones within M (default 40, in 1/200 of a man) are kept, three at the first\n"
     "  two plies and two after; later plies follow the engine's best move up to N half-moves\n"
     "  (default 12). Both sides' books get every line, written \"%2d-%2d \" per half-move, to\n"
     "  DIR/ouvert_b.ouv and DIR/ouvert_n.ouv (default: the current directory).\n"
     "check: replays every line of the books from the start position; exit 1 when a half-move\n"
     "  is not legal, 2 when a file cannot be read or holds no line.\n",
     executer});

}  // namespace
