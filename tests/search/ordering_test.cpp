// The search's first order of a node's moves: the previous iteration's
// scores at the root, the hint move and the killers below it, the principal
// variation's capture; and the game's legal moves, which keep the
// generator's order whatever a search left behind.
#include <gtest/gtest.h>

#include "rules/generation.h"
#include "rules/moves.h"
#include "search/ordering.h"
#include "search/search.h"
#include "support/positions.h"

using reference::Mouvement;

namespace {
// The root's moves as the search generates them, with no killer, no hint and
// no depth yet.
int generer_a_la_racine() {
  preparer_listes();
  effacer_tueurs();
  conseil_depart = conseil_arrivee = 0;
  prof_max = 0;
  prof_courante = 1;
  return generer_coups(BLANCS);
}
}  // namespace

TEST(Ordering, SortKeepsGenerationOrderAmongEqualNotes) {
  preparer_listes();
  prof_courante = 1;
  nb_coups[1] = 4;
  const std::int16_t notes[4] = {5, 9, 5, 9};
  for (int i = 0; i < 4; ++i) listes_coups[1][i] = Coup{static_cast<std::uint8_t>(i + 1), 0, 0, {}, notes[i]};
  trier_coups(4);
  EXPECT_EQ(listes_coups[1][0].depart, 2);
  EXPECT_EQ(listes_coups[1][1].depart, 4);
  EXPECT_EQ(listes_coups[1][2].depart, 1);
  EXPECT_EQ(listes_coups[1][3].depart, 3);
}

TEST(Ordering, RootMovesFollowThePreviousIterationsScores) {
  position_initiale();
  nb_coups_racine = 2;
  coups_racine[0] = {21, 17, 40};
  coups_racine[1] = {23, 19, 300};
  const int n = generer_a_la_racine();
  nb_coups_racine = 0;
  ASSERT_EQ(n, 7);
  EXPECT_EQ(coup_liste(0), (Mouvement{23, 19, {}}));
  EXPECT_EQ(coup_liste(1), (Mouvement{21, 17, {}}));
}

TEST(Ordering, KillersAndHintComeFirstBelowTheRoot) {
  position_initiale();
  preparer_listes();
  effacer_tueurs();
  prof_max = 10;
  tueurs[3][0] = {22, 17, 100};
  tueurs[3][1] = {23, 18, 50};
  derniers_meilleurs[3] = {21, 17};
  conseil_depart = 24;
  conseil_arrivee = 20;
  prof_courante = 3;
  const int n = generer_coups(BLANCS);
  conseil_depart = conseil_arrivee = 0;
  prof_max = 0;
  ASSERT_EQ(n, 7);
  const Coup* l = listes_coups[3];
  EXPECT_EQ(l[0].depart * 100 + l[0].arrivee, 2420);  // the hint
  EXPECT_EQ(l[1].depart * 100 + l[1].arrivee, 2217);  // first killer
  EXPECT_EQ(l[2].depart * 100 + l[2].arrivee, 2318);  // second killer
  EXPECT_EQ(l[3].depart * 100 + l[3].arrivee, 2117);  // last best
  for (int i = 0; i < n; ++i) EXPECT_EQ(l[i].note, 0);
}

TEST(Ordering, NothingIsReorderedNearTheHorizon) {
  position_initiale();
  preparer_listes();
  effacer_tueurs();
  prof_max = 5;
  tueurs[3][0] = {21, 17, 100};
  prof_courante = 3;  // 3 is not below 5 - 2
  generer_coups(BLANCS);
  prof_max = 0;
  EXPECT_EQ(listes_coups[3][0].depart * 100 + listes_coups[3][0].arrivee, 2419);
}

TEST(Ordering, PrincipalVariationCaptureIsTriedFirst) {
  poser({{29, DAME_BLANCHE}, {22, PION_NOIR}});
  preparer_listes();
  suivre_variante = 1;
  variante[1][2] = Coup{29, 8, 1, {0, 22}, 0};
  prof_courante = 2;
  generer_coups(BLANCS);
  suivre_variante = 0;
  EXPECT_EQ(listes_coups[2][0].arrivee, 8);
  EXPECT_EQ(listes_coups[2][1].arrivee, 18);
}

TEST(LegalMoves, KeepTheGeneratorsOrderWhateverTheSearchLeft) {
  position_initiale();
  preparer_listes();
  effacer_tueurs();
  tueurs[1][0] = {22, 17, 100};
  nb_coups_racine = 1;
  coups_racine[0] = {21, 17, 300};
  conseil_depart = 23;
  conseil_arrivee = 19;
  prof_max = 10;
  const int n = coups_legaux(BLANCS);
  EXPECT_EQ(tueurs[1][0].depart, 22);  // the search's state is left alone
  nb_coups_racine = 0;
  conseil_depart = conseil_arrivee = 0;
  prof_max = 0;
  ASSERT_EQ(n, 7);
  EXPECT_EQ(coup_liste(0), (Mouvement{24, 19, {}}));
  EXPECT_EQ(coup_liste(6), (Mouvement{21, 17, {}}));
}
