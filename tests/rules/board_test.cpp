// Board geometry, square names, the move lists and the move record.

#include "support/etat.h"

using Geometry = Moteur;
using MoveLists = Moteur;

TEST_F(Geometry, OppositeDirectionsUndoEachOtherAndTheLongDiagonalRunsCornerToCorner) {
  for (int d = 0; d < 4; ++d) EXPECT_EQ(voisins[d][0], 0);
  for (int k = 1; k <= 32; ++k)
    for (int d = 0; d < 4; ++d)
      if (voisins[d][k] != 0) {
        EXPECT_EQ(voisins[3 - d][voisins[d][k]], k) << "square " << k << " dir " << d;
      }
  std::vector<int> chemin;
  for (int k = voisins[HAUT_DROITE][29]; k != 0; k = voisins[HAUT_DROITE][k]) chemin.push_back(k);
  EXPECT_EQ(chemin, (std::vector<int>{25, 22, 18, 15, 11, 8, 4}));
}

TEST_F(Geometry, TheBoardShowsNumbersOrTheChosenAlgebraicNames) {
  choisir_noms_cases(true);
  for (const auto& [k, nom] : {std::pair{1, "b8"}, {4, "h8"}, {5, "a7"}, {18, "d4"}, {22, "c3"}, {29, "a1"}, {32, "g1"}})
    EXPECT_STREQ(noms_cases[k], nom) << k;
  choisir_noms_cases(false);
  for (const auto& [k, nom] : {std::pair{1, "32"}, {18, "15"}, {22, "11"}, {32, "01"}}) EXPECT_STREQ(noms_cases[k], nom);
}

TEST_F(MoveLists, SameMoveComparesCapturesInOrder) {
  Coup a{18, 9, 2, {0, 14, 10}, 0};
  Coup b = a;
  b.note = 55;
  EXPECT_TRUE(meme_coup(a, b));
  b.prises[1] = 10;
  b.prises[2] = 14;
  EXPECT_FALSE(meme_coup(a, b));
}
