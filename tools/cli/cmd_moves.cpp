// corvane-cli moves [FEN]: the legal moves of a position.
#include <cstdio>

#include "cli.h"
#include "rules/moves.h"
#include "rules/notation.h"

namespace {

int executer(const std::vector<std::string>& args) {
  if (args.size() > 1) return erreur_usage("moves", "expected at most one position");
  if (!charger_position("moves", args.empty() ? FEN_DEPART : args[0])) return SORTIE_USAGE;
  const int n = coups_legaux(trait);
  for (int i = 0; i < n; ++i) {
    const Coup& m = listes_coups[1][i];
    std::string internes = std::to_string(m.depart) + "-" + std::to_string(m.arrivee) + ":";
    for (int k = 1; k <= m.nb_prises; ++k) {
      if (k > 1) internes += ',';
      internes += std::to_string(m.prises[k]);
    }
    std::printf("%-7s %s\n", notation_coup(m).c_str(), internes.c_str());
  }
  return SORTIE_OK;
}

const Enregistrement enregistrement({"moves", "list the legal moves of a position",
                                     "usage: corvane-cli moves [FEN]\n"
                                     "Lists the legal moves of the position (default: the start position), one per\n"
                                     "line: the move as the program writes it (\"11-15\", \"15x24\"), then the internal\n"
                                     "squares origin-destination:captured squares in jump order.\n",
                                     executer});
}  // namespace
