// Board geometry, square names, the move record, move texts and the lines
// of the game's move list.

#include "support/etat.h"
#include "support/positions.h"

using Board = Moteur;

TEST_F(Board, OppositeDirectionsUndoEachOtherAndTheLongDiagonalRunsCornerToCorner) {
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

TEST_F(Board, TheBoardShowsNumbersOrTheChosenAlgebraicNames) {
  choisir_noms_cases(true);
  for (const auto& [k, nom] : {std::pair{1, "b8"}, {4, "h8"}, {5, "a7"}, {18, "d4"}, {22, "c3"}, {29, "a1"}, {32, "g1"}})
    EXPECT_STREQ(noms_cases[k], nom) << k;
  choisir_noms_cases(false);
  for (const auto& [k, nom] : {std::pair{1, "32"}, {18, "15"}, {22, "11"}, {32, "01"}}) EXPECT_STREQ(noms_cases[k], nom);
}

TEST_F(Board, SameMoveComparesCapturesInOrder) {
  Coup a{18, 9, 2, {0, 14, 10}, 0};
  Coup b = a;
  b.note = 55;
  EXPECT_TRUE(meme_coup(a, b));
  b.prises[1] = 10;
  b.prises[2] = 14;
  EXPECT_FALSE(meme_coup(a, b));
}

TEST_F(Board, MovesUseTheActiveSquareNames) {
  EXPECT_EQ(notation_coup(22, 18, false), "11-15");
  EXPECT_EQ(notation_coup(Coup{18, 9, 1, {0, 14}, 0}), "15x24");
  choisir_noms_cases(true);
  EXPECT_EQ(notation_coup(22, 18, false), "c3-d4");
  EXPECT_EQ(notation_coup(Coup{29, 24, 2, {0, 22, 19}, 0}), "a1xg3");
}

TEST_F(Board, WhiteOpensALineBlackCompletesIt) {
  const DemiCoup blanc{22, 18, false}, noir{9, 14, false};
  const LigneListe l1 = ligne_liste_coups(1, 1, blanc, {});
  EXPECT_TRUE(l1.vider_avant);
  EXPECT_EQ(l1.index, 0);
  EXPECT_EQ(l1.texte, " 1.11-15 ");
  const LigneListe l2 = ligne_liste_coups(2, 2, noir, blanc);
  EXPECT_FALSE(l2.vider_avant);
  EXPECT_EQ(l2.index, 0);
  EXPECT_EQ(l2.texte, " 1.11-15 24-19");
  const LigneListe l = ligne_liste_coups(24, 30, DemiCoup{14, 23, true}, DemiCoup{27, 18, true});
  EXPECT_EQ(l.index, 11);
  EXPECT_EQ(l.texte, "12.06x15 19x10");
  const LigneListe m = ligne_liste_coups(201, 201, DemiCoup{30, 26, false}, {});
  EXPECT_EQ(m.index, 100);
  EXPECT_EQ(m.texte, "101.03-07 ");
}

TEST_F(Board, PieceCountersShowTwoColumns) {
  EXPECT_EQ(texte_nb_pieces(12), " 12");
  EXPECT_EQ(texte_nb_pieces(3), "  3");
  poser_fen("B:WK3:BK32,20");
  EXPECT_EQ(nb_pieces_blanches(), 2);
  EXPECT_EQ(nb_pieces_noires(), 1);
}
