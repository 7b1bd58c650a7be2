#include <gtest/gtest.h>

#include <cstring>

#include "rules/fen.h"

namespace {
std::string erreur_de(const char* fen) {
  Position pos;
  std::string erreur;
  EXPECT_FALSE(lire_fen(fen, pos, erreur)) << fen;
  return erreur;
}
}  // namespace

TEST(Fen, StartPositionReadsAsTheInitialBoard) {
  Position pos;
  std::string erreur;
  ASSERT_TRUE(lire_fen(FEN_DEPART, pos, erreur)) << erreur;
  position_initiale();
  EXPECT_EQ(std::memcmp(pos.cases + 1, damier + 1, 32), 0);
  EXPECT_EQ(pos.trait, BLANCS);
  EXPECT_EQ(ecrire_fen(pos), FEN_DEPART);
}

TEST(Fen, RangesKingsSpacesAndEitherListOrder) {
  Position a, b;
  std::string erreur;
  ASSERT_TRUE(lire_fen("B:W21-32:B1-12", a, erreur)) << erreur;
  ASSERT_TRUE(lire_fen(" B : B1-12 : W21-32 .", b, erreur)) << erreur;
  EXPECT_EQ(std::memcmp(a.cases, b.cases, 33), 0);
  ASSERT_TRUE(lire_fen("W:WK1,5:BK32,20", a, erreur)) << erreur;
  EXPECT_EQ(a.trait, NOIRS);
  EXPECT_EQ(a.cases[32], DAME_NOIRE);   // displayed 1
  EXPECT_EQ(a.cases[28], PION_NOIR);    // displayed 5
  EXPECT_EQ(a.cases[1], DAME_BLANCHE);  // displayed 32
  EXPECT_EQ(a.cases[13], PION_BLANC);   // displayed 20
  EXPECT_EQ(ecrire_fen(a), "W:WK1,5:B20,K32");
}

TEST(Fen, EmptyListMeansNoPieceOfThatColour) {
  Position pos;
  std::string erreur;
  ASSERT_TRUE(lire_fen("B:W:B15", pos, erreur)) << erreur;
  int pieces = 0;
  for (int k = 1; k <= 32; ++k) pieces += pos.cases[k] != VIDE;
  EXPECT_EQ(pieces, 1);
  EXPECT_EQ(pos.cases[18], PION_BLANC);
}

TEST(Fen, RefusesMenOnTheirCrowningRow) {
  EXPECT_NE(erreur_de("B:W21:B29").find("crowning row"), std::string::npos);
  EXPECT_NE(erreur_de("B:W4:B12").find("crowning row"), std::string::npos);
  Position pos;
  std::string erreur;
  EXPECT_TRUE(lire_fen("B:WK4:BK29", pos, erreur)) << erreur;
}

TEST(Fen, RefusesMoreThanTwelvePiecesOfASide) {
  EXPECT_NE(erreur_de("B:W21-32:B1-13").find("more than 12"), std::string::npos);
}

TEST(Fen, RefusesSquaresOutsideTheBoardOrGivenTwice) {
  EXPECT_NE(erreur_de("B:W33:B1").find("outside 1..32"), std::string::npos);
  EXPECT_NE(erreur_de("B:W0:B1").find("outside 1..32"), std::string::npos);
  EXPECT_NE(erreur_de("B:W5:B5").find("given twice"), std::string::npos);
  EXPECT_NE(erreur_de("B:W5-8:B7").find("given twice"), std::string::npos);
}

TEST(Fen, RefusesTextOfAnotherForm) {
  for (const char* fen : {"", "B", "B:W1", "X:W1:B2", "B:W1:W2", "B:W1:B2:W3", "B:Wa:B2", "B:W1,,2:B3", "B:W5-3:B9",
                          "B:W1:B2x", "B:Q1:B2", "B:W-3:B2", "B:WK:B2"})
    EXPECT_FALSE(erreur_de(fen).empty()) << fen;
}

TEST(Fen, RefusesATrailingColonOrComma) {
  Position pos;
  std::string erreur;
  ASSERT_TRUE(lire_fen("B:W21:B2", pos, erreur)) << erreur;
  for (const char* fen : {"B:W21:B2:", "B:W21:B2: .", "B:W21,:B2", "B:W21:B2,", "B:W21:B2 , ."})
    EXPECT_FALSE(erreur_de(fen).empty()) << fen;
}

TEST(Fen, NamesASquareOutsideTheBoardAsWritten) {
  EXPECT_NE(erreur_de("B:W21:B99999999999").find("square 99999999999 is outside"), std::string::npos);
  EXPECT_NE(erreur_de("B:W21:B3-123456").find("square 123456 is outside"), std::string::npos);
}
