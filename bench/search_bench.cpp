// Speed of the search on a fixed suite of 23 positions (openings, middle
// games without and with kings, endings beyond the databases): for each,
// the time and the nodes of a search to depth 10 and to depth 14, and the
// nodes per second. Run from the program's directory's parent or anywhere:
// the data are read from the executable's folder.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "evaluation/evaluation.h"
#include "game/game.h"
#include "game/hooks.h"
#include "game/levels.h"
#include "knowledge/books.h"
#include "knowledge/endgame.h"
#include "moteur_bench.h"
#include "records/files.h"
#include "rules/fen.h"
#include "search/root.h"
#include "search/search.h"
#include "search/table.h"

namespace {

struct PositionSuite {
  const char* genre;
  const char* fen;
};

// Taken once from seeded random games; never change them, or the figures
// stop being comparable.
const PositionSuite SUITE[] = {
    {"opening", "B:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12"},
    {"opening", "W:W21,22,23,24,25,26,27,29,30,31,32:B1,2,3,4,5,8,10,11,12,13,15"},
    {"opening", "B:W19,20,21,22,25,26,27,29,30,31,32:B1,2,3,4,5,6,7,9,10,11,12"},
    {"opening", "B:W18,21,24,25,27,28,29,30,31,32:B1,2,3,4,5,7,8,9,10,11,14,15"},
    {"opening", "B:W18,21,22,24,25,26,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,12"},
    {"middle", "B:W10,14,24,26,27,28,29,30,31,32:B1,2,3,4,5,7,8,12,13"},
    {"middle", "W:W12,21,22,26,27,28,29,30,32:B3,4,6,8,11,15,23"},
    {"middle", "B:W16,21,24,25,26,27,28,30:B2,9,10,14,15"},
    {"middle", "W:W21,24,26,27,28,29,30,31,32:B1,2,3,4,5,6,8,9,12,16"},
    {"middle", "W:W18,24,25,26,27,28,29,31,32:B1,2,3,4,5,7,10,11,20"},
    {"middle", "B:W11,21,22,23,27,28,29,30,31:B2,3,4,6,12,13"},
    {"kings", "B:WK1,18,21,26,27,28,29,31,32:B5,9,11"},
    {"kings", "B:W13,K17,21,24,25,27,28,29,30:B2,15"},
    {"kings", "B:WK2,17,21,25,32:B4,5,6,8,9,K28"},
    {"kings", "W:WK3,13,21,23,24,25,27,28,29,30,31:B1,2,5,6,11"},
    {"kings", "B:W12,21,23,24,26,28,30,32:B1,2,3,4,6,7,K8,9"},
    {"kings", "B:W17,20,28,29:B1,2,3,4,5,12,19,K23"},
    {"ending", "W:W17,18,22,29,31:B9,K12,13"},
    {"ending", "B:WK8,9,20,27:B19"},
    {"ending", "W:WK4,28:B2,3,6,12,17"},
    {"ending", "B:WK18:B12,16,20,28"},
    {"ending", "B:W12,18,22,26,29,32:B3,4,10,K30"},
    {"ending", "W:W18,21,29:B2,7,8,K9"},
};
constexpr int TAILLE_SUITE = sizeof SUITE / sizeof SUITE[0];

void demarrer() {
  demarrer_moteur_bench();
  bibliotheque_active = 0;
}

// One search of position `i` to `profondeur`, from an empty table.
void BM_Recherche(benchmark::State& etat, int profondeur) {
  demarrer();
  const int i = static_cast<int>(etat.range(0));
  Position pos;
  std::string erreur;
  lire_fen(SUITE[i].fen, pos, erreur);
  double noeuds = 0;
  for (auto _ : etat) {
    etat.PauseTiming();
    placer_position(pos);
    std::memset(partie, 0, sizeof partie);
    nb_demi_coups = 0;
    vider_tables();
    jouer_sans_limite();
    profondeur_imposee = profondeur;
    score_racine = 0;
    etat.ResumeTiming();
    benchmark::DoNotOptimize(choisir_coup(trait));
    noeuds += nb_noeuds;
  }
  etat.SetLabel(SUITE[i].genre);
  etat.counters["nodes"] = benchmark::Counter(noeuds, benchmark::Counter::kAvgIterations);
  etat.counters["nodes/s"] = benchmark::Counter(noeuds, benchmark::Counter::kIsRate);
}

void Profondeur10(benchmark::State& etat) { BM_Recherche(etat, 10); }
void Profondeur14(benchmark::State& etat) { BM_Recherche(etat, 14); }

BENCHMARK(Profondeur10)->DenseRange(0, TAILLE_SUITE - 1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Profondeur14)->DenseRange(0, TAILLE_SUITE - 1)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
