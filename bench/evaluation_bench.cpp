// Speed of the static evaluation at the leaves: evaluer_position over a fixed
// set of positions taken from seeded random games (openings, middle games,
// endings with kings), reported as evaluations per second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "evaluation/evaluation.h"
#include "game/hooks.h"
#include "records/files.h"
#include "rules/generation.h"
#include "rules/moves.h"
#include "search/search.h"

namespace {

struct Feuille {
  std::uint8_t cases[33];
  std::uint8_t pieces[5];
  std::int32_t positionnel, tempo;
  std::int8_t prof;
  Case arrivee;
};

// Positions along random games, every third ply, prepared as the search would.
std::vector<Feuille> feuilles(int nombre) {
  fixer_repertoire_depart();
  crochet_erreur = [](const std::string&, const std::string&) {};
  charger_parametres_defaut();
  std::mt19937 alea(1234);
  std::vector<Feuille> v;
  preparer_listes();
  while (static_cast<int>(v.size()) < nombre) {
    position_initiale();
    compter_pieces();
    camp_racine = BLANCS;
    preparer_evaluation(BLANCS);
    Camp camp = BLANCS;
    for (int ply = 1; ply < MAX_PLY - 1 && static_cast<int>(v.size()) < nombre; ++ply) {
      prof_courante = static_cast<std::int8_t>(ply);
      const int n = lister_coups(camp);
      if (n == 0) break;
      faire_coup(static_cast<int>(alea() % static_cast<unsigned>(n)));
      camp = adversaire(camp);
      if (ply % 3 != 0) continue;
      Feuille f{};
      std::memcpy(f.cases, damier, sizeof f.cases);
      std::memcpy(f.pieces, nb_pieces, sizeof f.pieces);
      f.positionnel = score_positionnel;
      f.tempo = avance_tempo;
      f.prof = static_cast<std::int8_t>(ply + 1);
      f.arrivee = derniere_arrivee;
      v.push_back(f);
    }
  }
  return v;
}

void evaluer_feuilles(benchmark::State& etat) {
  const std::vector<Feuille> ensemble = feuilles(256);
  std::int64_t n = 0;
  for (auto _ : etat) {
    for (const Feuille& f : ensemble) {
      std::memcpy(damier, f.cases, sizeof f.cases);
      recalculer_masques();
      std::memcpy(nb_pieces, f.pieces, sizeof f.pieces);
      score_positionnel = f.positionnel;
      avance_tempo = f.tempo;
      prof_courante = f.prof;
      derniere_arrivee = f.arrivee;
      benchmark::DoNotOptimize(evaluer_position(BLANCS, -SCORE_INFINI, SCORE_INFINI));
    }
    n += static_cast<std::int64_t>(ensemble.size());
  }
  etat.counters["evals/s"] = benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsRate);
}
BENCHMARK(evaluer_feuilles);

}  // namespace
