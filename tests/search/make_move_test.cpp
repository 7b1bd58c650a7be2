// The search's make-move: material balance from the root side's view, the
// crowning extension near the horizon.
#include <gtest/gtest.h>

#include "rules/moves.h"
#include "search/ordering.h"
#include "search/search.h"
#include "support/positions.h"

namespace {

class SearchMove : public testing::Test {
 protected:
  void SetUp() override {
    camp_racine = BLANCS;
    bilan_materiel = 0;
    prof_max = 10;
    ajustement_prof = 0;
    extension_promotion = 0;
    for (auto& p : prises_forcees) p = 0;
  }
  void TearDown() override { prof_max = 0; }
  // Generates at ply p and plays the move with these squares.
  void jouer(int p, Case depart, Case arrivee) {
    preparer_listes();
    prof_courante = static_cast<std::int8_t>(p);
    compter_pieces();
    const int n = generer_coups(trait);
    for (int i = 0; i < n; ++i)
      if (listes_coups[p][i].depart == depart && listes_coups[p][i].arrivee == arrivee) {
        faire_coup(i);
        return;
      }
    FAIL() << "no move " << int(depart) << "-" << int(arrivee);
  }
};

}  // namespace

TEST_F(SearchMove, CaptureUpdatesCountsAndMaterialForTheRootSide) {
  poser({{18, PION_BLANC}, {14, DAME_NOIRE}, {23, PION_NOIR}, {1, PION_NOIR}});
  jouer(1, 18, 9);
  EXPECT_EQ(bilan_materiel, 3);
  EXPECT_EQ(nb_pieces[DAME_NOIRE], 0);
  EXPECT_EQ(damier[9], PION_BLANC);
}

TEST_F(SearchMove, LossIsNegativeWhenTheRootSideIsBlack) {
  camp_racine = NOIRS;
  poser({{18, PION_BLANC}, {14, PION_NOIR}, {1, PION_NOIR}});
  jouer(2, 18, 9);
  EXPECT_EQ(bilan_materiel, -1);
}

TEST_F(SearchMove, CrowningCountsTwoAndMakesAKing) {
  poser({{5, PION_BLANC}, {30, PION_NOIR}, {20, PION_NOIR}, {21, PION_BLANC}});
  jouer(1, 5, 1);
  EXPECT_EQ(damier[1], DAME_BLANCHE);
  EXPECT_EQ(nb_pieces[PION_BLANC], 1);
  EXPECT_EQ(nb_pieces[DAME_BLANCHE], 1);
  EXPECT_EQ(bilan_materiel, 2);
}

TEST_F(SearchMove, FirstKingNearTheHorizonExtendsTheLine) {
  poser({{5, PION_BLANC}, {30, PION_NOIR}, {20, PION_NOIR}});
  prof_max = 4;
  jouer(3, 5, 1);  // 3 > 4 - 2
  EXPECT_EQ(extension_promotion, 2);
}

TEST_F(SearchMove, NoExtensionFarFromTheHorizonOrWithAKingAlready) {
  poser({{5, PION_BLANC}, {30, PION_NOIR}, {20, PION_NOIR}});
  prof_max = 10;
  jouer(3, 5, 1);
  EXPECT_EQ(extension_promotion, 0);
  poser({{5, PION_BLANC}, {32, DAME_BLANCHE}, {30, PION_NOIR}, {20, PION_NOIR}});
  prof_max = 4;
  jouer(3, 5, 1);
  EXPECT_EQ(extension_promotion, 0);
}
