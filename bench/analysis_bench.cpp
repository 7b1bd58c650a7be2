// Speed of the analysis of a game: a fixed game of 60 plies analysed whole
// as the tool and the window do, at level 1 (three plies deep) and eight
// plies deep, with the longest wait between two calls of the message pump
// (the window's longest gap without dispatching events).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "evaluation/evaluation.h"
#include "game/game.h"
#include "game/hooks.h"
#include "game/levels.h"
#include "moteur_bench.h"
#include "partie_60.h"
#include "knowledge/endgame.h"
#include "records/analysis.h"
#include "records/files.h"
#include "records/pdn.h"
#include "records/text_games.h"
#include "search/root.h"
#include "search/table.h"

namespace {

void BM_Analyse(benchmark::State& etat, int niveau_choisi, int profondeur) {
  demarrer_moteur_bench();
  const std::vector<PartieLue> parties = lire_parties_pdn(PARTIE_60);
  std::int64_t attente_max = 0;
  std::int64_t precedent = 0;
  crochet_pompe_messages = [&] {
    const std::int64_t t = horloge_ms();
    attente_max = std::max(attente_max, t - precedent);
    precedent = t;
  };
  int lignes = 0;
  for (auto _ : etat) {
    etat.PauseTiming();
    rejouer_partie(parties[0], 1, true);
    aller_au_demi_coup(dernier_demi_coup);
    if (niveau_choisi >= 0) {
      choisir_niveau(niveau_choisi);
      profondeur_imposee = 0;
    } else {
      jouer_sans_limite();
      profondeur_imposee = profondeur;
    }
    etat.ResumeTiming();
    precedent = horloge_ms();
    analyser_partie(0);
    fin_analyse();
    lignes = static_cast<int>(coups_analyses.size());
  }
  crochet_pompe_messages = nullptr;
  etat.counters["lines"] = lignes;
  etat.counters["longest gap ms"] = static_cast<double>(attente_max);
}

void AnalyseNiveau1(benchmark::State& etat) { BM_Analyse(etat, 1, 0); }
void AnalyseProfondeur8(benchmark::State& etat) { BM_Analyse(etat, -1, 8); }

BENCHMARK(AnalyseNiveau1)->Unit(benchmark::kMillisecond);
BENCHMARK(AnalyseProfondeur8)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
