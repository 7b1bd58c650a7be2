// The search's first order of a node's moves: root scores, hint, killers, the
// variation's capture; the game's legal moves keep the generator's order.

#include "support/etat.h"
#include "support/positions.h"

using Ordering = Moteur;

TEST_F(Ordering, SortKeepsGenerationOrderAmongEqualNotes) {
  preparer_listes();
  prof_courante = 1;
  nb_coups[1] = 4;
  const std::int16_t notes[4] = {5, 9, 5, 9};
  for (int i = 0; i < 4; ++i) listes_coups[1][i] = Coup{static_cast<std::uint8_t>(i + 1), 0, 0, {}, notes[i]};
  trier_coups(4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(listes_coups[1][i].depart, (std::array{2, 4, 1, 3})[i]);
}

TEST_F(Ordering, RootScoresThenHintKillersAndLastBestButNotNearTheHorizonNorInTheGame) {
  position_initiale();
  preparer_listes();
  nb_coups_racine = 2;
  coups_racine[0] = {21, 17, 40};
  coups_racine[1] = {23, 19, 300};
  prof_courante = 1;
  ASSERT_EQ(generer_coups(BLANCS), 7);
  EXPECT_EQ(notations(2), "10-14 12-16");
  tueurs[3][0] = {22, 17, 100};
  tueurs[3][1] = {23, 18, 50};
  derniers_meilleurs[3] = {21, 17};
  conseil_depart = 24;
  conseil_arrivee = 20;
  prof_max = 10;
  prof_courante = 3;
  ASSERT_EQ(generer_coups(BLANCS), 7);
  EXPECT_EQ(notations(4, 3), "09-13 11-16 10-15 12-16");  // hint, killers, last best
  for (int i = 0; i < 7; ++i) EXPECT_EQ(listes_coups[3][i].note, 0);
  tueurs[1][0] = {22, 17, 100};
  ASSERT_EQ(coups_legaux(BLANCS), 7);  // the game's moves, whatever the search left
  EXPECT_EQ(tueurs[1][0].depart, 22);  // the search's state is left alone
  EXPECT_EQ(notations(7), "09-14 09-13 10-15 10-14 11-16 11-15 12-16");
  conseil_depart = conseil_arrivee = 0;
  prof_max = 5;  // ply 3 is not below 5 - 2
  prof_courante = 3;
  generer_coups(BLANCS);
  EXPECT_EQ(notations(1, 3), "09-14");
}

TEST_F(Ordering, PrincipalVariationCaptureIsTriedFirst) {
  poser_fen("B:W11:BK4");
  preparer_listes();
  suivre_variante = 1;
  variante[1][2] = Coup{29, 8, 1, {0, 22}, 0};
  prof_courante = 2;
  generer_coups(BLANCS);
  EXPECT_EQ(notations(2, 2), "04x25 04x15");
}
