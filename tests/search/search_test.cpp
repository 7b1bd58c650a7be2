// The node functions: decisive scores, databases and the recogniser inside the
// search, repetition, learnt positions, and what a search leaves behind.

#include <atomic>
#include <cstdlib>
#include <new>

#include "search_support.h"

using namespace recherche_test;

namespace {
std::atomic<bool> compter{false};  // counts the allocations while set
std::atomic<long> allocations{0};
}  // namespace

// Every ordinary form is replaced, so that whatever allocates through one form
// and frees through another (the library's temporary buffers use the nothrow
// form) meets malloc and free on both sides, under the address sanitizer too.
// Out of line: inlined, the compiler would pair malloc and free with new and delete, and warn.
namespace {
void* allouer(std::size_t n) noexcept {
  if (compter) ++allocations;
  return std::malloc(n ? n : 1);
}
}  // namespace
[[gnu::noinline]] void* operator new(std::size_t n) {
  if (void* p = allouer(n)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void* operator new[](std::size_t n) {
  if (void* p = allouer(n)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return allouer(n); }
[[gnu::noinline]] void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return allouer(n); }
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete[](void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {
using DecisiveScores = Recherche;
using Recogniser = Moteur;
using Repetition = Moteur;
using SearchLeavesNoTrace = Recherche;
using LearntPositions = Recherche;
}  // namespace

TEST_F(DecisiveScores, WinsAndLossesCountThePliesAndDatabasesAnswerAtOnce) {
  const std::tuple<const char*, int, Score> cas[] = {
      {"B:W10:B5,K29,K32,K1", 4, 31999},     // the last piece captured at once
      {"B:W16:BK9,K24,K31,K5", 5, 31997},    // a win found at ply 3
      {"B:WK13,K14,K30,K31:B6", 6, -31998},  // the last piece lost at ply 2
      {"B:WK20:BK13", 6, 0},                 // king against king: drawn by the databases
  };
  for (const auto& [fen, profondeur, score] : cas) {
    placer(fen);
    EXPECT_LT(chercher_profondeur(profondeur), nb_coups[1]) << fen;
    EXPECT_EQ(score_racine, score) << fen;
  }
  // Each iteration visited the root and each of its children, which the
  // database answers without generating a move.
  EXPECT_EQ(nb_noeuds, static_cast<std::uint32_t>(6 * (1 + nb_coups[1])));
}

TEST_F(Recogniser, KingsOnTheirDiagonalAgainstPennedMen) {
  const std::tuple<const char*, int, Camp, int> cas[] = {
      {"B:W21,30:BK3,4,K32", 2, BLANCS, RECONNU_GAGNANT},  // a king on the long double-corner diagonal
      {"B:W21,30:BK3,4,K5,K32", 2, BLANCS, 0},             // both of its squares held: not this pattern
      {"B:W21,30:BK17,K32", 2, BLANCS, 0},                 // a king next to a man
      {"B:W22,29:BK32", 2, BLANCS, 0},                     // on 4 with 8 empty and 11 held
      {"B:W22,25,29:BK32", 3, BLANCS, RECONNU_GAGNANT},
      {"B:W22,25,29:BK32", 4, BLANCS, 0},                  // too many men for it
      {"B:W21,30:BK31", 2, BLANCS, RECONNU_GAGNANT},       // other diagonals
      {"B:W20,28:BK30", 2, BLANCS, RECONNU_GAGNANT},
      {"B:W28,31:BK30", 2, BLANCS, 0},                     // square 2 held with two men
      {"B:WK1,29,K30:B3,12", 2, NOIRS, RECONNU_GAGNANT},   // black kings
      {"B:WK1,29,K30:B3,12", 2, BLANCS, 0},
  };
  for (const auto& [fen, n, camp, attendu] : cas) {
    poser_fen(fen);
    EXPECT_EQ(reconnaitre_gain_dames(n, camp), attendu) << fen << " n " << n << " side " << int(camp);
  }
}

TEST_F(Repetition, AFourHalfMoveCycleAtTheRootIsADraw) {
  std::memset(partie, 0, sizeof partie);
  // Kings going back and forth: 22-18 9-13 18-22 13-9, twice.
  const int aller[8][2] = {{22, 18}, {9, 13}, {18, 22}, {13, 9}, {22, 18}, {9, 13}, {18, 22}, {13, 9}};
  for (int h = 1; h <= 8; ++h) {
    partie[h].depart = static_cast<Case>(aller[h - 1][0]);
    partie[h].arrivee = static_cast<Case>(aller[h - 1][1]);
  }
  nb_demi_coups = 8;
  EXPECT_TRUE(repetition_racine(22, 18));   // the move of half-move 5 again
  EXPECT_FALSE(repetition_racine(22, 17));  // another move
  partie[8].nb_prises = 1;                  // the last half-move was a capture: no cycle
  EXPECT_FALSE(repetition_racine(22, 18));
  partie[8].nb_prises = 0;
  nb_demi_coups = 5;  // too early in the game
  EXPECT_FALSE(repetition_racine(22, 18));
}

TEST_F(SearchLeavesNoTrace, BoardKeysAndSideToMoveAreAsBeforeAndNothingIsAllocated) {
  placer("B:W17,18,19,21,23,24,25,26,27,28,30,31:B1,2,3,5,6,7,9,10,11,12,14,15");
  const auto avant = plateau();
  const Camp t = trait;
  chercher_profondeur(2);  // lists allocated on first use, before counting
  allocations = 0;
  compter = true;
  chercher_profondeur(9);
  compter = false;
  EXPECT_EQ(allocations.load(), 0);
  EXPECT_GT(nb_noeuds, 10000u);
  EXPECT_EQ(plateau(), avant);
  EXPECT_EQ(trait, t);
  const std::uint32_t i = cle_index, v = cle_verif;
  calculer_cles();
  EXPECT_EQ(i, cle_index);
  EXPECT_EQ(v, cle_verif);
}

TEST_F(LearntPositions, ALearntScoreOverridesTheSearch) {
  placer(FEN_DEPART);
  const Camp camp = trait;
  // The position after the root side's 12-16, the other side to move.
  const int n = coups_legaux(camp);
  const int k = indice_coup("12-16", n);
  ASSERT_LT(k, n);
  const auto avant = plateau();
  jouer_coup(listes_coups[1][k]);
  std::uint32_t index, verif;
  cles_de(damier, index, verif);
  std::memcpy(damier, avant.data(), sizeof damier);
  trait = camp;
  EntreeApprise& e = table_apprise[case_apprise(cle_apprise(index, adversaire(camp)))];
  e.verif = verif;
  e.score = -15000;  // learnt: lost for the side to move there
  EXPECT_EQ(texte_coup_choisi(chercher_profondeur(6)), "12-16");
  EXPECT_EQ(score_racine, 15000);
  e = EntreeApprise{};
  chercher_profondeur(6);
  EXPECT_LT(score_racine, 15000);
}
