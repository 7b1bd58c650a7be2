// Costs of what the search does at every node besides generating moves: a
// transposition-table probe and store, an endgame probe, a learnt-position
// probe.
#include <benchmark/benchmark.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "knowledge/endgame.h"
#include "knowledge/learning.h"
#include "records/files.h"
#include "rules/fen.h"
#include "search/keys.h"
#include "search/search.h"
#include "search/table.h"

namespace {

void placer(const char* fen) {
  Position pos;
  std::string erreur;
  if (!lire_fen(fen, pos, erreur)) throw std::runtime_error(erreur);
  placer_position(pos);
  compter_pieces();
}

// Keys of many random slots, so that the accesses miss the cache as in a search.
std::vector<std::pair<std::uint32_t, std::uint32_t>> cles_aleatoires() {
  std::mt19937 alea(3);
  std::vector<std::pair<std::uint32_t, std::uint32_t>> cles(1 << 16);
  for (auto& c : cles) c = {static_cast<std::uint32_t>(alea()), static_cast<std::uint32_t>(alea())};
  return cles;
}

void BM_TableStoreThenProbe(benchmark::State& etat) {
  taille_tables = 2000;  // the largest table
  allouer_tables();
  placer(FEN_DEPART);
  prof_max = 10;
  const auto cles = cles_aleatoires();
  std::size_t i = 0;
  for (auto _ : etat) {
    cle_index = cles[i].first;
    cle_verif = cles[i].second;
    i = (i + 1) & (cles.size() - 1);
    stocker_table(17, 6, TYPE_MAX_EXACT, 22, 18);
    benchmark::DoNotOptimize(sonder_table(6));
  }
  liberer_tables();
  taille_tables = TAILLE_TABLES_DEFAUT;
}
BENCHMARK(BM_TableStoreThenProbe);

void BM_EndgameProbe(benchmark::State& etat) {
  fixer_repertoire_depart();
  if (charger_bases() != NB_BASES) etat.SkipWithError("the endgame databases are not in the program's directory");
  placer("B:WK5:B17,K25,K30");  // man and two kings against a king
  Score v = 0;
  for (auto _ : etat) {
    benchmark::DoNotOptimize(sonder_finale(BLANCS, 3, v));
    benchmark::DoNotOptimize(v);
  }
}
BENCHMARK(BM_EndgameProbe);

// Reading the 22 tables with their checksums, as at start-up.
void BM_EndgameLoad(benchmark::State& etat) {
  fixer_repertoire_depart();
  for (auto _ : etat)
    if (charger_bases() != NB_BASES) etat.SkipWithError("the endgame databases are not in the program's directory");
}
BENCHMARK(BM_EndgameLoad)->Unit(benchmark::kMillisecond);

void BM_LearntProbe(benchmark::State& etat) {
  allouer_table_apprise();
  const auto cles = cles_aleatoires();
  std::size_t i = 0;
  for (auto _ : etat) {
    benchmark::DoNotOptimize(sonder_apprises(cles[i].first, cles[i].second));
    i = (i + 1) & (cles.size() - 1);
  }
  liberer_table_apprise();
}
BENCHMARK(BM_LearntProbe);

}  // namespace
