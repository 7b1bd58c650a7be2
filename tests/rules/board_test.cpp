#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>

#include "rules/board.h"

TEST(Geometry, EdgeSquaresLeadOffTheBoard) {
  EXPECT_EQ(voisins[BAS_GAUCHE][4], 8);
  EXPECT_EQ(voisins[BAS_DROITE][4], 0);
  EXPECT_EQ(voisins[HAUT_GAUCHE][5], 0);
  for (int d = 0; d < 4; ++d) EXPECT_EQ(voisins[d][0], 0);
}

TEST(Geometry, OppositeDirectionsUndoEachOther) {
  for (int k = 1; k <= 32; ++k)
    for (int d = 0; d < 4; ++d)
      if (voisins[d][k] != 0) {
        EXPECT_EQ(voisins[3 - d][voisins[d][k]], k) << "square " << k << " dir " << d;
      }
}

TEST(Geometry, KingOnA1WalksTheLongDiagonal) {
  std::vector<int> chemin;
  for (int k = voisins[HAUT_DROITE][29]; k != 0; k = voisins[HAUT_DROITE][k]) chemin.push_back(k);
  EXPECT_EQ(chemin, (std::vector<int>{25, 22, 18, 15, 11, 8, 4}));
}

TEST(Geometry, EachSideScansFromItsOwnBackRow) {
  EXPECT_EQ(ordre_cases[0], 0);
  EXPECT_EQ(ordre_cases[1], 32);
  EXPECT_EQ(ordre_cases[32], 1);
  for (int i = 1; i <= 32; ++i) EXPECT_EQ(ordre_cases[i] + i, 33);
}

TEST(SquareNames, NumericNamesRunOppositeToInternalSquares) {
  EXPECT_STREQ(noms_numeriques[1], "32");
  EXPECT_STREQ(noms_numeriques[32], "01");
  EXPECT_STREQ(noms_numeriques[22], "11");
  EXPECT_STREQ(noms_alphabetiques[1], "b8");
  EXPECT_STREQ(noms_alphabetiques[4], "h8");
  EXPECT_STREQ(noms_alphabetiques[5], "a7");
  EXPECT_STREQ(noms_alphabetiques[29], "a1");
  EXPECT_STREQ(noms_alphabetiques[32], "g1");
  EXPECT_STREQ(noms_numeriques[0], "0");
}

TEST(SquareNames, AlgebraicNamesFollowRowsAndColumns) {
  for (int k = 1; k <= 32; ++k) {
    const char attendu[3] = {static_cast<char>('a' + colonne(k)), static_cast<char>('8' - rangee(k)), 0};
    EXPECT_STREQ(noms_alphabetiques[k], attendu) << "square " << k;
  }
}

TEST(SquareNames, SwitchCopiesTheChosenTable) {
  choisir_noms_cases(true);
  EXPECT_STREQ(noms_cases[22], "c3");
  EXPECT_STREQ(noms_cases[18], "d4");
  choisir_noms_cases(false);
  EXPECT_STREQ(noms_cases[22], "11");
  EXPECT_STREQ(noms_cases[18], "15");
  EXPECT_EQ(std::memcmp(noms_cases, noms_numeriques, sizeof noms_cases), 0);
}

TEST(Board, InitialPositionHasTwelveMenEachAndWhiteToMove) {
  position_initiale();
  compter_pieces();
  EXPECT_EQ(nb_pieces[PION_BLANC], 12);
  EXPECT_EQ(nb_pieces[PION_NOIR], 12);
  EXPECT_EQ(nb_pieces[DAME_BLANCHE] + nb_pieces[DAME_NOIRE], 0);
  EXPECT_EQ(trait, BLANCS);
  EXPECT_EQ(damier[0], HORS_DAMIER);
  EXPECT_EQ(damier[1], PION_NOIR);
  EXPECT_EQ(damier[32], PION_BLANC);
  EXPECT_EQ(damier[16], VIDE);
}

TEST(MoveLists, PreparingClearsEveryCountAndKeepsTheBlock) {
  preparer_listes();
  Coup (*bloc)[MAX_COUPS] = listes_coups;
  ASSERT_NE(bloc, nullptr);
  nb_coups[3] = 9;
  preparer_listes();
  EXPECT_EQ(listes_coups, bloc);
  for (int p = 0; p < NB_LISTES; ++p) EXPECT_EQ(nb_coups[p], 0);
}

TEST(MoveLists, AllocationFailureEndsWithStatusOneAndItsMessage) {
  // The message goes to standard output: send it where the death test reads.
  EXPECT_EXIT(
      {
        dup2(2, 1);
        echec_allocation("Allocation mémoire");
      },
      testing::ExitedWithCode(1), "Allocation mémoire");
}

TEST(MoveRecord, SameMoveComparesCapturesInOrder) {
  Coup a{18, 9, 2, {0, 14, 10}, 0};
  Coup b = a;
  b.note = 55;
  EXPECT_TRUE(meme_coup(a, b));
  b.prises[1] = 10;
  b.prises[2] = 14;
  EXPECT_FALSE(meme_coup(a, b));
}
