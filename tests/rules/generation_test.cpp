// The move generator: its order on worked positions, many random positions
// against the independent statement of the rules (support/reference.h), the
// list limit, and perft against the same statement's tree.

#include "rules/perft.h"
#include "support/etat.h"
#include "support/positions.h"

using Generation = Moteur;
using Oracle = Moteur;
using Overflow = Moteur;
using Perft = Moteur;

namespace {
// The moves of the side to move, generated at ply 2, in their order.
std::string generes() {
  preparer_listes();
  prof_courante = 2;
  return notations(lister_coups(trait), 2);
}
}  // namespace

TEST_F(Generation, OrderOnWorkedPositions) {
  const std::pair<const char*, const char*> cas[] = {
      {FEN_DEPART, "09-14 09-13 10-15 10-14 11-16 11-15 12-16"},
      {"W:W21-32:B1-12", "24-20 24-19 23-19 23-18 22-18 22-17 21-17"},  // black scans from its own back row
      // a king walks each line nearest square first; the own man on 22 ends one walk
      {"B:W:BK15,22", "15-19 15-24 15-28 15-18 15-11 15-08 15-04 15-10 15-06 15-01 22-26 22-25"},
      {"B:W10,19:B15", "15x24 15x06"},                        // a man takes forward, then backward
      {"B:W11:BK4", "04x15 04x18 04x22 04x25 04x29"},         // a king stops anywhere beyond when nothing follows
      {"B:W11,14:BK4", "04x09 04x05"},                        // ... but lands where the capture goes on
  };
  for (const auto& [fen, attendu] : cas) {
    SCOPED_TRACE(fen);
    poser_fen(fen);
    EXPECT_EQ(generes(), attendu);
  }
}

// Random positions with kings against the oracle (the tree from the start: perft below).
TEST_F(Oracle, RandomPositionsWithKingsMatch) {
  std::mt19937 rng(20261206);
  int fautes = 0, avec_prises = 0;
  for (int t = 0; t < 60000; ++t) {
    vider_damier();
    const int nb = 2 + static_cast<int>(rng() % 23);
    for (int i = 0; i < nb; ++i) {
      const int s = 1 + static_cast<int>(rng() % 32);
      const bool blanc = i % 2 == 0;
      bool dame = rng() % 3 == 0;
      if ((blanc && s <= 4) || (!blanc && s >= 29)) dame = true;
      if (damier[s] == VIDE) damier[s] = blanc ? (dame ? DAME_BLANCHE : PION_BLANC) : (dame ? DAME_NOIRE : PION_NOIR);
    }
    for (Camp camp : {BLANCS, NOIRS}) {
      const auto attendu = reference::coups(plateau(), camp);
      const int n = coups_legaux(camp);
      if (n > 0 && listes_coups[1][0].nb_prises > 0) ++avec_prises;
      if (liste_en_ensemble(n) != attendu && fautes++ < 3)
        ADD_FAILURE() << ecrire_fen(position_courante()) << " side " << int(camp);
    }
  }
  EXPECT_EQ(fautes, 0);
  EXPECT_GT(avec_prises, 10000);  // the sample really exercises captures
}

namespace {
using Positions = std::set<std::tuple<int, int, std::set<int>>>;
Positions positions_atteintes(const std::set<reference::Mouvement>& coups) {
  Positions p;
  for (const auto& [d, a, prises] : coups) p.insert({d, a, std::set<int>(prises.begin(), prises.end())});
  return p;
}
void marquer_liste_2() {
  for (int i = 0; i < MAX_COUPS; ++i) listes_coups[2][i] = Coup{7, 7, 7, {}, 7};
}
void liste_2_intacte() {
  for (int i = 0; i < MAX_COUPS; ++i) ASSERT_EQ(listes_coups[2][i].depart, 7) << "record " << i << " of list 2";
}
}  // namespace

TEST_F(Overflow, SameCapturesInAnotherOrderAreDroppedWithoutLoss) {
  // A legal position with 71 capture sequences: 35 positions, each reached
  // by taking the same pieces in two orders.
  poser_fen("B:WK6,7,K8,14,15,K16,17,23,K24,25,K26,K30:BK3,K4,K29,K32");
  const auto attendu = reference::coups(plateau(), trait);
  ASSERT_GT(attendu.size(), static_cast<std::size_t>(MAX_COUPS));
  preparer_listes();
  marquer_liste_2();
  prof_courante = 1;
  const int n = lister_coups(trait);
  liste_2_intacte();
  EXPECT_LE(n, MAX_COUPS);
  EXPECT_FALSE(liste_debordee);
  EXPECT_EQ(positions_atteintes(liste_en_ensemble(n)), positions_atteintes(attendu));
}

TEST_F(Overflow, AppendingToAFullListLosesTheMoveAndRaisesTheFlag) {
  // No position found has more than 70 distinct captures, so the full list
  // is filled by hand and one man's capture is appended to it.
  preparer_listes();
  prof_courante = 1;
  for (int i = 0; i < MAX_COUPS; ++i)
    listes_coups[1][i] = Coup{static_cast<std::uint8_t>(1 + i % 32), static_cast<std::uint8_t>(5 + i / 32), 1, {0, 9}, 0};
  listes_coups[1][0] = Coup{18, 9, 1, {0, 14}, 0};
  marquer_liste_2();
  nb_coups[1] = MAX_COUPS;
  poser({{18, PION_BLANC}, {14, PION_NOIR}});  // a twin of a listed capture is dropped quietly...
  chercher_prises_avec_escales(18);
  EXPECT_FALSE(liste_debordee);
  poser({{18, PION_BLANC}, {15, PION_NOIR}});  // ...a new one is lost, and said to be lost
  chercher_prises_avec_escales(18);
  EXPECT_TRUE(liste_debordee);
  EXPECT_LE(nb_coups[1], MAX_COUPS);
  liste_2_intacte();
  position_initiale();
  coups_legaux(BLANCS);
  EXPECT_FALSE(liste_debordee);  // the next generation starts afresh
}

TEST_F(Perft, AgreesWithTheOracleTreeAndCountsDuplicatesOnce) {
  // The oracle lists moves as a set, so its tree counts the unique moves.
  std::function<std::uint64_t(std::array<std::uint8_t, 33>, Camp, int)> oracle =
      [&](std::array<std::uint8_t, 33> b, Camp camp, int prof) -> std::uint64_t {
    const auto coups = reference::coups(b, camp);
    if (prof == 1) return coups.size();
    std::uint64_t total = 0;
    std::set<std::tuple<int, int, std::set<int>>> vus;
    for (const auto& m : coups) {
      const auto& [d, a, prises] = m;
      if (vus.insert({d, a, std::set<int>(prises.begin(), prises.end())}).second)
        total += oracle(reference::jouer(b, m), adversaire(camp), prof - 1);
    }
    return total;
  };
  position_initiale();
  for (int d = 1; d <= 6; ++d) EXPECT_EQ(perft(BLANCS, d).uniques, oracle(plateau(), BLANCS, d)) << "depth " << d;
  // A king ending where a ring of men can be taken in either direction.
  poser_fen("B:W6,7,14,15,31:BK11");
  const auto avant = plateau();
  const auto c = perft(BLANCS, 3);
  EXPECT_EQ(c.uniques, oracle(plateau(), BLANCS, 3));
  EXPECT_GE(c.coups, c.uniques);
  EXPECT_EQ(plateau(), avant);  // the board is left as it was
}
