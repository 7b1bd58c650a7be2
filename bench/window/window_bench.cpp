// Window benchmarks: the program's start until its introduction is drawn,
// switching between 3D themes (the two parts reloaded and the board
// repainted), the computer's thinking and a game's analysis with the
// longest wait for events.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

#include "../partie_60.h"
#include "game/clocks.h"
#include "game/game.h"
#include "game/hooks.h"
#include "knowledge/books.h"
#include "records/analysis.h"
#include "records/pdn.h"
#include "records/text_games.h"
#include "rules/fen.h"
#include "ui/dialogues.h"
#include "ui/formes.h"
#include "ui/rendu.h"
#include "ui/scene.h"
#include "ui/tform1.h"

extern char** environ;

namespace {

// Process start to the introduction panel on screen (offscreen platform),
// shut-down included.
void BM_demarrage_jusqu_a_l_intro(benchmark::State& state) {
  const std::string programme = std::string(CORVANE_BIN_DIR) + "/corvane";
  char* arguments[] = {const_cast<char*>(programme.c_str()), const_cast<char*>("--quitter-a-l-intro"), nullptr};
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, programme.c_str(), nullptr, nullptr, arguments, environ) != 0) {
      state.SkipWithError("cannot start corvane");
      return;
    }
    int statut = 0;
    waitpid(pid, &statut, 0);
    if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
      state.SkipWithError("corvane did not end normally");
      return;
    }
  }
}
BENCHMARK(BM_demarrage_jusqu_a_l_intro)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

// The main window at 1920 x 1080 after the introduction, in the 2D view.
TForm1& fenetre() {
  static TForm1* form1 = [] {
    auto* f = new TForm1;
    f->boucle_au_depart = false;
    f->resize(1920, 1080);
    f->show();
    if (!QTest::qWaitForWindowExposed(f)) std::abort();
    f->demarrage->FormActivate();
    f->demarrage->choisir_theme_intro(0);
    QApplication::processEvents();
    return f;
  }();
  return *form1;
}

// Two themes in turn, the board repainted after each switch.
void alterner(benchmark::State& state, void (TForm1::*premier)(), void (TForm1::*second)(), int a, int b) {
  TForm1& f = fenetre();
  bool tour = false;
  for (auto _ : state) {
    tour = !tour;
    (f.*(tour ? premier : second))();
    f.Image5->repaint();
  }
  if (theme_courant != a && theme_courant != b) state.SkipWithError("the themes' pictures are missing");
}

// Themes 4 and 5: each switch reads 160 square pictures and both
// background pictures.
void BM_changement_de_theme(benchmark::State& state) {
  alterner(state, &TForm1::Damier3D4Click, &TForm1::Damier3D5Click, 4, 5);
}
BENCHMARK(BM_changement_de_theme)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Classique" and "Nuit": only the backgrounds change.
void BM_classique_nuit(benchmark::State& state) {
  alterner(state, &TForm1::Damier3D1Click, &TForm1::Damier3D2Click, 1, 2);
}
BENCHMARK(BM_classique_nuit)->Unit(benchmark::kMillisecond)->UseRealTime();

// The computer thinking for its move at level 5 in a middle game: the
// longest time the window went without dispatching its events.
void BM_reflexion_niveau_5(benchmark::State& state) {
  TForm1& f = fenetre();
  f.duree_animation = 0;
  f.Niveau05Click();
  bibliotheque_active = 0;
  Position pos;
  std::string erreur;
  lire_fen("B:W10,14,24,26,27,28,29,30,31,32:B1,2,3,4,5,7,8,12,13", pos, erreur);
  using Horloge = std::chrono::steady_clock;
  const std::function<void()> pompe = crochet_pompe_messages;
  Horloge::time_point dernier;
  double ecart_max = 0;
  long pompes = 0;
  crochet_pompe_messages = [&] {
    const auto t = Horloge::now();
    ecart_max = std::max(ecart_max, std::chrono::duration<double, std::milli>(t - dernier).count());
    dernier = t;
    ++pompes;
    pompe();
  };
  for (auto _ : state) {
    placer_position(pos);
    std::copy(std::begin(damier), std::end(damier), std::begin(damier_sauve));
    nb_demi_coups = 30;  // past the book, with a clock to spend
    temps_blancs = temps_noirs = 0;
    ordinateur_au_trait = 1;
    dernier = Horloge::now();
    f.tour_ordinateur();
  }
  crochet_pompe_messages = pompe;
  state.counters["ecart_max_ms"] = ecart_max;
  state.counters["pompes"] = static_cast<double>(pompes);
}
BENCHMARK(BM_reflexion_niveau_5)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// A game of 60 plies analysed in the window at level 1, as "Débuter une
// analyse" runs it (the board, the list and the graph following each
// position): the whole analysis, and the longest time the window went
// without dispatching its events, measured by a timer due at every chance.
// The game is the analysis benchmark's (corvane-bench AnalyseNiveau1): the
// tool's figure for the same work.
void BM_analyse_60_demi_coups_niveau_1(benchmark::State& state) {
  TForm1& f = fenetre();
  f.Niveau01Click();
  const std::vector<PartieLue> parties = lire_parties_pdn(PARTIE_60);
  using Horloge = std::chrono::steady_clock;
  double ecart_max = 0;
  Horloge::time_point dernier = Horloge::now();
  QTimer veille;
  veille.setInterval(0);
  QObject::connect(&veille, &QTimer::timeout, [&] {
    const auto t = Horloge::now();
    ecart_max = std::max(ecart_max, std::chrono::duration<double, std::milli>(t - dernier).count());
    dernier = t;
  });
  int lignes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    rejouer_partie(parties[0], 1, true);
    aller_au_demi_coup(dernier_demi_coup);
    f.navigation->reconstruire_liste_coups();
    f.navigation->position_montree();
    QApplication::processEvents();
    veille.start();
    dernier = Horloge::now();
    state.ResumeTiming();
    f.analyse->Analyser();
    state.PauseTiming();
    veille.stop();
    lignes = static_cast<int>(coups_analyses.size());
    f.analyse->Button4Click();
    state.ResumeTiming();
  }
  if (lignes != 60) state.SkipWithError("the analysis did not give 60 lines");
  state.counters["lines"] = lignes;
  state.counters["ecart_max_ms"] = ecart_max;
}
BENCHMARK(BM_analyse_60_demi_coups_niveau_1)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  installer_dialogues(std::make_unique<DialoguesSansFenetre>());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
