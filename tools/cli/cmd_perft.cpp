// corvane-cli perft DEPTH [FEN]: counts the move tree, depth by depth.
#include <chrono>
#include <cstdio>

#include "cli.h"
#include "rules/perft.h"

namespace {

int executer(const std::vector<std::string>& args) {
  long profondeur = 0;
  if (args.empty() || args.size() > 2 || !lire_entier(args[0], 1, MAX_PLY - 1, profondeur))
    return erreur_usage("perft", "usage: perft DEPTH [FEN], DEPTH 1.." + std::to_string(MAX_PLY - 1));
  if (!charger_position("perft", args.size() > 1 ? args[1] : FEN_DEPART)) return SORTIE_USAGE;
  for (int d = 1; d <= profondeur; ++d) {
    const auto debut = std::chrono::steady_clock::now();
    const ComptePerft c = perft(trait, d);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    std::printf("depth=%d nodes=%llu unique=%llu time=%.3f nps=%.0f\n", d, static_cast<unsigned long long>(c.coups),
                static_cast<unsigned long long>(c.uniques), s, s > 0 ? static_cast<double>(c.coups) / s : 0.0);
    std::fflush(stdout);
  }
  return SORTIE_OK;
}

const Enregistrement enregistrement(
    {"perft", "count the move tree to a depth",
     "usage: corvane-cli perft DEPTH [FEN]\n"
     "For each depth 1..DEPTH prints: depth=D nodes=N unique=U time=S nps=R\n"
     "  N counts every move the generator lists at the last ply;\n"
     "  U counts moves once per origin, destination and SET of captured squares (a capture\n"
     "    that takes the same pieces in another order reaches the same position), the\n"
     "    convention of published perft tables;\n"
     "  S is seconds, R is N per second.\n"
     "Bulk counting: the moves of the last ply are counted from the length of the list,\n"
     "without being played.\n",
     executer});
}  // namespace
