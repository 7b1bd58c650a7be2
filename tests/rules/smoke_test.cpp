#include <gtest/gtest.h>
#include <random>
#include <cstring>
#include "rules/perft.h"
#include "rules/generation.h"
#include "rules/moves.h"
#include "rules/fen.h"
#include "support/reference.h"

static std::set<reference::Mouvement> reels(Camp camp) {
  std::set<reference::Mouvement> s;
  int n = coups_legaux(camp);
  for (int i = 0; i < n; ++i) { const Coup& m = listes_coups[1][i]; std::vector<int> p(m.prises + 1, m.prises + 1 + m.nb_prises); s.insert({m.depart, m.arrivee, p}); }
  return s;
}
static void parcourir(Camp camp, int prof, int& diffs) {
  std::array<std::uint8_t,33> b; std::memcpy(b.data(), damier, 33);
  auto r = reference::coups(b, camp); auto g = reels(camp);
  if (r != g && diffs++ < 3) { ADD_FAILURE() << ecrire_fen(position_courante()) << " camp " << int(camp) << " ref " << r.size() << " gen " << g.size(); }
  if (prof == 0) return;
  std::vector<Coup> l(listes_coups[1], listes_coups[1] + nb_coups[1]);
  for (auto& m : l) { std::uint8_t sv[33]; std::memcpy(sv, damier, 33); Camp t = trait; jouer_coup(m); parcourir(1-camp, prof-1, diffs); std::memcpy(damier, sv, 33); trait = t; }
}
TEST(Smoke, Tree) { position_initiale(); int diffs = 0; parcourir(BLANCS, 7, diffs); EXPECT_EQ(diffs, 0); }
TEST(Smoke, Random) {
  std::mt19937 rng(42); int diffs = 0; long total = 0, capt = 0;
  for (int t = 0; t < 200000; ++t) {
    vider_damier();
    int nw = rng() % 13, nb = rng() % 13;
    for (int i = 0; i < nw + nb; ++i) { int s = 1 + rng() % 32; if (damier[s]) continue; bool w = i < nw; bool k = rng() % 3 == 0;
      if (!k && w && s <= 4) k = true; if (!k && !w && s >= 29) k = true;
      damier[s] = w ? (k ? DAME_BLANCHE : PION_BLANC) : (k ? DAME_NOIRE : PION_NOIR); }
    for (Camp c : {BLANCS, NOIRS}) { std::array<std::uint8_t,33> b; std::memcpy(b.data(), damier, 33);
      auto r = reference::coups(b, c); auto g = reels(c); total += g.size(); if (!g.empty() && std::get<2>(*g.begin()).size()) capt++;
      if (r != g && diffs++ < 3) ADD_FAILURE() << ecrire_fen(position_courante()) << " camp " << int(c) << " ref " << r.size() << " gen " << g.size(); }
  }
  std::cout << total << " " << capt << "\n";
  EXPECT_EQ(diffs, 0);
}
