#include <gtest/gtest.h>

#include <random>

#include "rules/generation.h"
#include "rules/moves.h"
#include "support/positions.h"

using reference::Mouvement;

TEST(LegalMoves, StartPositionHasSevenAndTheyAreQuiet) {
  position_initiale();
  ASSERT_EQ(coups_legaux(BLANCS), 7);
  EXPECT_EQ(listes_coups[1][0].nb_prises, 0);
  EXPECT_EQ(prof_courante, 1);
}

TEST(LegalMoves, NoPieceOrOnlyBlockedPiecesMeansNoMove) {
  poser({{1, PION_NOIR}, {2, PION_NOIR}}, BLANCS);
  EXPECT_EQ(coups_legaux(BLANCS), 0);
  // white men on 5 and 6 blocked by black men two deep
  poser({{5, PION_BLANC}, {6, PION_BLANC}, {1, PION_NOIR}, {2, PION_NOIR}}, BLANCS);
  EXPECT_EQ(coups_legaux(BLANCS), 0);
  // a black man on its back rank corner blocked by white men that cannot be taken
  poser({{32, PION_NOIR}}, NOIRS);
  EXPECT_EQ(coups_legaux(NOIRS), 0);
}

TEST(GameMoves, ManReachingTheFarRowIsCrowned) {
  poser({{5, PION_BLANC}});
  jouer_coup(Coup{5, 1, 0, {}, 0});
  EXPECT_EQ(damier[1], DAME_BLANCHE);
  EXPECT_EQ(damier[5], VIDE);
  EXPECT_EQ(trait, NOIRS);
}

TEST(GameMoves, CaptureEndingOnTheFarRowCrowns) {
  poser({{10, PION_BLANC}, {6, PION_NOIR}});
  ASSERT_EQ(coups_legaux(BLANCS), 1);
  jouer_coup(listes_coups[1][0]);
  EXPECT_EQ(damier[1], DAME_BLANCHE);
  EXPECT_EQ(damier[6], VIDE);
}

TEST(GameMoves, CaptureThroughTheFarRowEndingBelowItStaysAMan) {
  poser({{11, PION_BLANC}, {7, PION_NOIR}, {6, PION_NOIR}});
  ASSERT_EQ(coups_legaux(BLANCS), 1);
  jouer_coup(listes_coups[1][0]);
  EXPECT_EQ(damier[9], PION_BLANC);
  EXPECT_EQ(damier[7] + damier[6] + damier[11], VIDE);
}

TEST(GameMoves, BlackManCrownsOnSquaresTwentyNineToThirtyTwo) {
  poser({{28, PION_NOIR}}, NOIRS);
  jouer_coup(Coup{28, 32, 0, {}, 0});
  EXPECT_EQ(damier[32], DAME_NOIRE);
  EXPECT_EQ(trait, BLANCS);
}

TEST(PieceMoves, OnePiecesCaptureWithItsLandingSquares) {
  poser({{29, DAME_BLANCHE}, {22, PION_NOIR}, {19, PION_NOIR}, {31, PION_BLANC}});
  ASSERT_EQ(coups_piece(29, BLANCS), 2);
  EXPECT_EQ(escales[1][1], 15);
  EXPECT_EQ(escales[1][2], 24);
  EXPECT_EQ(escales[2][1], 15);
  EXPECT_EQ(escales[2][2], 28);
  EXPECT_EQ(cases_sautees[1][1], 22);
  EXPECT_EQ(cases_sautees[1][2], 19);
  EXPECT_EQ(damier[29], DAME_BLANCHE);  // the piece is back on its square
}

TEST(PieceMoves, QuietMovesWhenThePieceCannotTake) {
  position_initiale();
  ASSERT_EQ(coups_piece(22, BLANCS), 2);
  EXPECT_EQ(coup_liste(0), (Mouvement{22, 17, {}}));
  EXPECT_EQ(coup_liste(1), (Mouvement{22, 18, {}}));
  EXPECT_EQ(escales[1][1], 17);
  EXPECT_EQ(escales[2][1], 18);
  EXPECT_EQ(coups_piece(9, NOIRS), 2);
  EXPECT_EQ(coup_liste(0), (Mouvement{9, 13, {}}));
}

TEST(PieceMoves, APieceWithOnlyQuietMovesIsListedEvenIfAnotherMustCapture) {
  // The caller checks the move against the full legal list.
  poser({{18, PION_BLANC}, {14, PION_NOIR}, {30, PION_BLANC}});
  EXPECT_EQ(coups_piece(30, BLANCS), 2);
  ASSERT_EQ(coups_legaux(BLANCS), 1);
  EXPECT_EQ(listes_coups[1][0].depart, 18);
}

TEST(PieceMoves, EmptySquareHasNoMoves) {
  position_initiale();
  EXPECT_EQ(coups_piece(16, BLANCS), 0);
}

TEST(CaptureDecomposition, KingCaptureGivesItsLandingSquares) {
  poser({{29, DAME_BLANCHE}, {22, PION_NOIR}, {19, PION_NOIR}});
  const std::uint8_t prises[2] = {22, 19};
  ASSERT_EQ(decomposer_prise(29, 24, prises, 2), 0);
  EXPECT_EQ(escales[1][1], 15);
  EXPECT_EQ(escales[1][2], 24);
  EXPECT_EQ(decomposer_prise(29, 28, prises, 2), 1);
  EXPECT_EQ(escales[1][1], 15);
  EXPECT_EQ(escales[1][2], 28);
}

TEST(CaptureDecomposition, OrderOfCapturesMatters) {
  poser({{18, PION_BLANC}, {14, PION_NOIR}, {6, PION_NOIR}, {7, PION_NOIR}, {15, PION_NOIR}});
  const std::uint8_t sens[4] = {14, 6, 7, 15};
  const std::uint8_t index = decomposer_prise(18, 18, sens, 4);
  ASSERT_NE(index, PRISE_INTROUVABLE);
  EXPECT_EQ(escales[1][1], 9);
  EXPECT_EQ(escales[1][2], 2);
  EXPECT_EQ(escales[1][3], 11);
  EXPECT_EQ(escales[1][4], 18);
  const std::uint8_t inverse[4] = {15, 7, 6, 14};
  ASSERT_NE(decomposer_prise(18, 18, inverse, 4), PRISE_INTROUVABLE);
  EXPECT_EQ(escales[1][1], 11);
  const std::uint8_t absente[2] = {14, 7};
  EXPECT_EQ(decomposer_prise(18, 18, absente, 2), PRISE_INTROUVABLE);
}

TEST(CaptureDecomposition, UnknownOriginFindsNothing) {
  position_initiale();
  const std::uint8_t prises[1] = {14};
  EXPECT_EQ(decomposer_prise(16, 9, prises, 1), PRISE_INTROUVABLE);
}

TEST(BoardMove, CaptureAndCrowningKeepThePieceCountsAndTheTurn) {
  poser({{18, PION_BLANC}, {14, DAME_NOIRE}, {23, PION_NOIR}, {1, PION_NOIR}});
  compter_pieces();
  damier[0] = 0;
  appliquer_coup(Coup{18, 9, 1, {0, 14}, 0});
  EXPECT_EQ(damier[9], PION_BLANC);
  EXPECT_EQ(damier[14], VIDE);
  EXPECT_EQ(nb_pieces[DAME_NOIRE], 0);
  EXPECT_EQ(nb_pieces[PION_NOIR], 2);
  EXPECT_EQ(derniere_arrivee, 9);
  EXPECT_EQ(damier[0], HORS_DAMIER);
  EXPECT_EQ(trait, BLANCS);
  appliquer_coup(Coup{9, 2, 0, {}, 0});
  EXPECT_EQ(damier[2], DAME_BLANCHE);
  EXPECT_EQ(nb_pieces[PION_BLANC], 0);
  EXPECT_EQ(nb_pieces[DAME_BLANCHE], 1);
}

// The masks follow every move made, either way of making it, through
// random games with crownings and captured kings.
TEST(BoardMasks, StayInStepWithTheBoardThroughRandomGames) {
  std::mt19937 alea(11);
  int dames_vues = 0;
  auto en_accord = [] {
    return masque_blancs == masque_cases(PION_BLANC, DAME_BLANCHE) &&
           masque_noirs == masque_cases(PION_NOIR, DAME_NOIRE) &&
           masque_dames == masque_cases(DAME_BLANCHE, DAME_NOIRE);
  };
  for (int partie = 0; partie < 100; ++partie) {
    position_initiale();
    compter_pieces();
    preparer_listes();
    prof_courante = 1;
    Camp camp = BLANCS;
    for (int demi = 0; demi < 150; ++demi) {
      const int n = lister_coups(camp);
      if (n == 0) break;
      const Coup m = listes_coups[1][alea() % n];
      if (demi % 2 == 0)
        jouer_coup(m);
      else
        appliquer_coup(m);
      ASSERT_TRUE(en_accord()) << "game " << partie << " ply " << demi;
      dames_vues += masque_dames != 0;
      camp = adversaire(camp);
    }
  }
  EXPECT_GT(dames_vues, 100);  // crowning and captured kings were part of it
}
