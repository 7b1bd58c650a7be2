#include <benchmark/benchmark.h>
#include "rules/perft.h"
static void BM_x(benchmark::State& s){ for (auto _ : s) { position_initiale(); benchmark::DoNotOptimize(perft(BLANCS, 3)); } }
BENCHMARK(BM_x);
