// corvane-cli search [--depth D | --level L] [--book] [--params FILE] [FEN]:
// the computer's choice in a position, with the search display.
#include <chrono>
#include <cstdio>
#include <optional>

#include "cli.h"
#include "game/game.h"
#include "knowledge/books.h"
#include "moteur.h"
#include "rules/notation.h"
#include "search/root.h"
#include "search/search.h"

namespace {

int executer(const std::vector<std::string>& args) {
  Reglage reglage;
  bool livre = false;
  std::optional<std::string> fen;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string erreur;
    if (lire_reglage(args, i, "--", reglage, erreur)) {
      if (!erreur.empty()) return erreur_usage("search", erreur);
    } else if (args[i] == "--book") {
      livre = true;
    } else if (!args[i].empty() && args[i][0] == '-') {
      return erreur_usage("search", "unknown option " + args[i]);
    } else if (!fen) {
      fen = args[i];
    } else {
      return erreur_usage("search", "more than one position given");
    }
  }
  demarrer_moteur();
  if (!charger_position("search", fen.value_or(FEN_DEPART))) return SORTIE_USAGE;
  if (!appliquer_reglage(reglage))
    return erreur_usage("search", "cannot read parameter file " + reglage.parametres);
  bibliotheque_active = livre ? 1 : 0;
  nouvelle_partie();
  capter_affichage();

  const auto debut = std::chrono::steady_clock::now();
  const ResultatRecherche r = rechercher_coup(trait);
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();

  for (const std::string& l : affichage.recherche) std::printf("%s\n", l.c_str());
  if (!affichage.racine.empty()) {
    std::printf("--\n");
    for (const std::string& l : affichage.racine) std::printf("%s\n", l.c_str());
  }
  std::printf("--\n");
  if (!r.joue()) {
    std::printf("no move: the side to move has no legal move or no piece\n");
    return SORTIE_OK;
  }
  const char* comment = r.origine == OrigineCoup::Force ? " (only move, not searched)"
                        : r.origine == OrigineCoup::Livre ? " (from the book)"
                                                          : "";
  std::printf("move %s%s\n", notation_coup(r.coup).c_str(), comment);
  std::printf("score %d (shown %d), depth %d, nodes %u, time %.3f s, nodes/s %.0f\n", r.score, score_affiche(r.score),
              static_cast<int>(prof_max), r.noeuds, s, s > 0 ? r.noeuds / s : 0.0);
  return SORTIE_OK;
}

const Enregistrement enregistrement(
    {"search", "the computer's move in a position",
     "usage: corvane-cli search [--depth D | --level L] [--params FILE] [--book] [FEN]\n"
     "Runs the computer's search for the side to move (start position without FEN) and prints\n"
     "the search panel and the root-move list as the window shows them, then the move, its\n"
     "score (1/200 of a man; the window shows half of it), the depth reached, the nodes and\n"
     "nodes per second.\n"
     "  --depth D   deepen to D plies, no time limit (default 10)\n"
     "  --level L   play at level L of the menu (0..8): fixed depth for 0..2, time otherwise\n"
     "  --params F  evaluation parameter file instead of Parametres/defaut.par\n"
     "  --book      let the opening books answer (off: the position is searched)\n",
     executer});

}  // namespace
