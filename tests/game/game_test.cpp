// The clocks in the game record, and the rule that ends long games between
// two computers.

#include "rules/moves.h"
#include "support/etat.h"

using Record = Moteur;

TEST_F(Record, EachPlyKeepsTheBoardAndBothClocks) {
  position_initiale();
  commencer_partie();
  EXPECT_EQ(partie[0].position[21], PION_BLANC);
  coups_legaux(trait);
  horloge(BLANCS) = 7;
  jouer_et_enregistrer(0);
  EXPECT_EQ(nb_demi_coups, 1);
  EXPECT_EQ(dernier_demi_coup, 1);
  EXPECT_EQ(partie[1].depart, listes_coups[1][0].depart);
  EXPECT_EQ(partie[1].position[partie[1].arrivee], PION_BLANC);
  EXPECT_EQ(partie[1].temps_blancs, 7);
  commencer_partie();
  EXPECT_EQ(temps_blancs, 0);
  EXPECT_EQ(nb_demi_coups, 0);
}

TEST_F(Record, LongComputerGamesAreDrawnOnlyWhenNothingChangesAndTheScoreIsOpen) {
  std::int32_t pieces[TAILLE_PARTIE] = {};
  for (int h = 0; h < TAILLE_PARTIE; ++h) pieces[h] = 10;
  EXPECT_FALSE(nul_entre_ordinateurs(pieces, SEUIL_NUL, 0));
  EXPECT_TRUE(nul_entre_ordinateurs(pieces, SEUIL_NUL + 1, SCORE_NUL - 1));
  EXPECT_FALSE(nul_entre_ordinateurs(pieces, SEUIL_NUL + 1, -SCORE_NUL));
  pieces[SEUIL_NUL + 1 - RECUL_NUL] = 11;
  EXPECT_FALSE(nul_entre_ordinateurs(pieces, SEUIL_NUL + 1, 0));
}
