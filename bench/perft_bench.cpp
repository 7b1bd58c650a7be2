// Move generation speed: perft with bulk counting at the last ply, reported
// as leaf nodes per second.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "rules/fen.h"
#include "rules/perft.h"

namespace {

void perft_depuis(benchmark::State& etat, const char* fen, int profondeur) {
  Position pos;
  std::string erreur;
  if (!lire_fen(fen, pos, erreur)) throw std::runtime_error(erreur);
  std::uint64_t feuilles = 0;
  for (auto _ : etat) {
    placer_position(pos);
    const ComptePerft c = perft(pos.trait, profondeur);
    feuilles += c.coups;
    benchmark::DoNotOptimize(c);
  }
  etat.counters["leaves/s"] = benchmark::Counter(static_cast<double>(feuilles), benchmark::Counter::kIsRate);
}

// The opening, kings of both colours in a middle game, and a king ending.
const char* const DEPART = FEN_DEPART;
const char* const DAMES_MILIEU = "B:W20,24,26,27,28,30,31,32,K6:B1,2,3,5,7,9,10,11,K25";
const char* const FINALE_DAMES = "W:WK29,K4,19,23:BK2,K31,8,10";

}  // namespace

BENCHMARK_CAPTURE(perft_depuis, start_depth9, DEPART, 9)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(perft_depuis, kings_middlegame_depth8, DAMES_MILIEU, 8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(perft_depuis, kings_ending_depth8, FINALE_DAMES, 8)->Unit(benchmark::kMillisecond);
