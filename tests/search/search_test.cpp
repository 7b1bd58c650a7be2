// The node functions: decisive scores, the endgame databases and the
// king-against-men recogniser inside the search, the repetition test, and
// what a search leaves behind (board, keys, no allocation).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "search_support.h"

using namespace recherche_test;

// Counts the allocations made while `compter` is set.
namespace {
std::atomic<bool> compter{false};
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t n) {
  if (compter) ++allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Empty board, then pieces on internal squares.
void poser(std::initializer_list<std::pair<int, Piece>> pieces) {
  vider_damier();
  for (const auto& [k, p] : pieces) damier[k] = p;
}

}  // namespace

TEST(DecisiveScores, CapturingTheLastPieceAtOnceScores31999) {
  preparer_moteur();
  placer("B:W10:B5,K29,K32,K1");
  chercher_profondeur(4);
  EXPECT_EQ(score_racine, 31999);
}

TEST(DecisiveScores, AWinFoundAtPly3Scores31997) {
  preparer_moteur();
  placer("B:W16:BK9,K24,K31,K5");
  chercher_profondeur(5);
  EXPECT_EQ(score_racine, 31997);
}

TEST(DecisiveScores, LosingTheLastPieceAtPly2Scores31998Down) {
  preparer_moteur();
  placer("B:WK13,K14,K30,K31:B6");
  chercher_profondeur(6);
  EXPECT_EQ(score_racine, -31998);
}

TEST(EndgameDatabases, KingAgainstKingIsReadNotSearched) {
  preparer_moteur();
  placer("B:WK20:BK13");
  const std::uint8_t choix = chercher_profondeur(6);
  const int n = nb_coups[1];
  EXPECT_LT(choix, n);
  EXPECT_EQ(score_racine, 0);
  // Each iteration visits the root and each of its children, which the
  // database answers without generating a move.
  EXPECT_EQ(nb_noeuds, static_cast<std::uint32_t>(6 * (1 + n)));
}

TEST(Recogniser, KingOnTheLongDoubleCornerDiagonalAgainstPennedMen) {
  // Pattern A: a white king on 1 (28 empty), black men beyond the diagonal.
  poser({{1, DAME_BLANCHE}, {30, DAME_BLANCHE}, {3, PION_NOIR}, {12, PION_NOIR}, {29, PION_BLANC}});
  EXPECT_EQ(reconnaitre_gain_dames(2, BLANCS), 30000);
  damier[28] = DAME_BLANCHE;  // both squares held: not this pattern
  EXPECT_EQ(reconnaitre_gain_dames(2, BLANCS), 0);
  poser({{1, DAME_BLANCHE}, {16, DAME_BLANCHE}, {3, PION_NOIR}, {12, PION_NOIR}});
  EXPECT_EQ(reconnaitre_gain_dames(2, BLANCS), 0);  // a white king next to a man
  poser({{1, DAME_BLANCHE}, {4, PION_NOIR}, {11, PION_NOIR}});
  EXPECT_EQ(reconnaitre_gain_dames(2, BLANCS), 0);  // on 4 with 8 empty and 11 held
  damier[8] = PION_NOIR;
  EXPECT_EQ(reconnaitre_gain_dames(3, BLANCS), 30000);
  EXPECT_EQ(reconnaitre_gain_dames(4, BLANCS), 0);  // too many men for it
}

TEST(Recogniser, OtherDiagonalsAndBlackKings) {
  poser({{2, DAME_BLANCHE}, {3, PION_NOIR}, {12, PION_NOIR}});  // pattern B
  EXPECT_EQ(reconnaitre_gain_dames(2, BLANCS), 30000);
  poser({{3, DAME_BLANCHE}, {5, PION_NOIR}, {13, PION_NOIR}});  // pattern C
  EXPECT_EQ(reconnaitre_gain_dames(2, BLANCS), 30000);
  damier[13] = VIDE;
  damier[2] = PION_NOIR;  // square 2 held with two men
  EXPECT_EQ(reconnaitre_gain_dames(2, BLANCS), 0);
  // The board turned half a turn, colours exchanged: black kings.
  poser({{32, DAME_NOIRE}, {3, DAME_NOIRE}, {30, PION_BLANC}, {21, PION_BLANC}, {4, PION_NOIR}});
  EXPECT_EQ(reconnaitre_gain_dames(2, NOIRS), 30000);
  EXPECT_EQ(reconnaitre_gain_dames(2, BLANCS), 0);
}

TEST(Recogniser, ARecognisedEndingIsDecisiveInTheSearch) {
  preparer_moteur();
  // A white king on 1 holds the diagonal, black men on 3, 8 and 12 are
  // penned; white men on 25 and 29 (internal squares). Too many pieces for
  // the databases; three plies on the pattern still holds.
  poser({{1, DAME_BLANCHE}, {25, PION_BLANC}, {29, PION_BLANC}, {3, PION_NOIR}, {8, PION_NOIR}, {12, PION_NOIR}});
  trait = BLANCS;
  nouvelle_partie();
  chercher_profondeur(4);
  EXPECT_EQ(score_racine, 31001);
}

TEST(Repetition, AFourHalfMoveCycleAtTheRootIsADraw) {
  std::memset(partie, 0, sizeof partie);
  // Kings going back and forth: 1: 22-18 2: 9-13 3: 18-22 4: 13-9 5: 22-18 6: 9-13 7: 18-22 8: 13-9
  const int aller[8][2] = {{22, 18}, {9, 13}, {18, 22}, {13, 9}, {22, 18}, {9, 13}, {18, 22}, {13, 9}};
  for (int h = 1; h <= 8; ++h) {
    partie[h].depart = static_cast<Case>(aller[h - 1][0]);
    partie[h].arrivee = static_cast<Case>(aller[h - 1][1]);
  }
  nb_demi_coups = 8;
  EXPECT_TRUE(repetition_racine(22, 18));   // the move of half-move 5 again
  EXPECT_FALSE(repetition_racine(22, 17));  // another move
  partie[8].nb_prises = 1;  // the last half-move was a capture: no cycle
  EXPECT_FALSE(repetition_racine(22, 18));
  partie[8].nb_prises = 0;
  nb_demi_coups = 5;  // too early in the game
  EXPECT_FALSE(repetition_racine(22, 18));
  nb_demi_coups = 0;
}

TEST(SearchLeavesNoTrace, BoardKeysAndSideToMoveAreAsBefore) {
  preparer_moteur();
  placer("B:W17,18,19,21,23,24,25,26,27,28,30,31:B1,2,3,5,6,7,9,10,11,12,14,15");
  std::uint8_t avant[33];
  std::memcpy(avant, damier, sizeof avant);
  const Camp t = trait;
  chercher_profondeur(8);
  EXPECT_EQ(std::memcmp(avant, damier, sizeof avant), 0);
  EXPECT_EQ(trait, t);
  const std::uint32_t i = cle_index, v = cle_verif;
  calculer_cles();
  EXPECT_EQ(i, cle_index);
  EXPECT_EQ(v, cle_verif);
}

TEST(SearchLeavesNoTrace, NoAllocationWhileSearching) {
  preparer_moteur();
  placer("B:W17,18,19,21,23,24,25,26,27,28,30,31:B1,2,3,5,6,7,9,10,11,12,14,15");
  chercher_profondeur(2);  // lists allocated on first use, before counting
  allocations = 0;
  compter = true;
  chercher_profondeur(9);
  compter = false;
  EXPECT_EQ(allocations.load(), 0);
  EXPECT_GT(nb_noeuds, 10000u);
}

TEST(LearntPositions, ALearntScoreOverridesTheSearch) {
  preparer_moteur();
  placer("B:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12");
  const Camp camp = trait;
  // The position after the root side's 12-16, the other side to move.
  const int n = coups_legaux(camp);
  int k = 0;
  while (k < n && notation_coup(listes_coups[1][k]) != "12-16") ++k;
  ASSERT_LT(k, n);
  std::uint8_t avant[33];
  std::memcpy(avant, damier, sizeof avant);
  jouer_coup(listes_coups[1][k]);
  std::uint32_t index, verif;
  cles_de(damier, index, verif);
  std::memcpy(damier, avant, sizeof avant);
  trait = camp;
  EntreeApprise& e = table_apprise[case_apprise(cle_apprise(index, adversaire(camp)))];
  const EntreeApprise ancienne = e;
  e.verif = verif;
  e.score = -15000;  // learnt: lost for the side to move there
  EXPECT_EQ(texte_coup_choisi(chercher_profondeur(6)), "12-16");
  EXPECT_EQ(score_racine, 15000);
  e = ancienne;
  chercher_profondeur(6);
  EXPECT_LT(score_racine, 15000);
}
