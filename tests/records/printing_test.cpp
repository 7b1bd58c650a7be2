// The printouts' pages: six moves to a line on every second row for the game,
// a line a row for the analysis, and the rows that fit on a page.
#include <gtest/gtest.h>

#include "game/game.h"
#include "records/game_file.h"
#include "records/printing.h"
#include "records/records_support.h"
#include "support/etat.h"

namespace {

using Printing = Moteur;

std::vector<std::string> liste_de(int demi_coups) {
  std::mt19937 hasard(5);
  position_initiale();
  partie_aleatoire(hasard, demi_coups);
  return lignes_liste_coups(partie, dernier_demi_coup);
}

TEST_F(Printing, TwelveFullMovesPrintOnTwoLinesOnRowsZeroAndTwo) {
  const std::vector<std::string> liste = liste_de(24);
  ASSERT_EQ(dernier_demi_coup, 24);
  ASSERT_EQ(liste.size(), 12u);
  const Impression imp = impression_partie(liste, "Ana - Bo", 40, 30);
  ASSERT_EQ(imp.pages.size(), 1u);
  ASSERT_EQ(imp.pages[0].size(), 2u);
  const LigneImprimee &a = imp.pages[0][0], &b = imp.pages[0][1];
  EXPECT_EQ(a.rang, 0);
  EXPECT_EQ(b.rang, 2);
  EXPECT_EQ(a.y, 40 + 150);  // r·h + h + 150
  EXPECT_EQ(b.y, 2 * 40 + 40 + 150);
  EXPECT_EQ(a.x, 1);
  EXPECT_EQ(a.texte, liste[0] + " " + liste[1] + "  " + liste[2] + "  " + liste[3] + "  " + liste[4] + "  " + liste[5] + "  ");
  EXPECT_EQ(b.texte.substr(0, liste[6].size() + 1), liste[6] + " ");
  EXPECT_EQ(imp.entete, "Ana - Bo");
}

// The move list shows the last half-move of an odd game on a line of its
// own: it is printed too.
TEST_F(Printing, TheLastHalfMoveOfAnOddGameIsPrinted) {
  const std::vector<std::string> liste = liste_de(25);
  ASSERT_EQ(liste.size(), 13u);
  const Impression imp = impression_partie(liste, "", 40, 30);
  ASSERT_EQ(imp.pages[0].size(), 3u);
  EXPECT_EQ(imp.pages[0][2].rang, 4);
  EXPECT_EQ(imp.pages[0][2].texte, liste[12] + " ");
}

TEST_F(Printing, AFortyLineAnalysisOnThirtyRowsStartsASecondPageAtItsThirtyFirstLine) {
  std::vector<std::string> lignes;
  for (int i = 1; i <= 40; ++i) lignes.push_back("line " + std::to_string(i));
  const Impression imp = impression_analyse(lignes, "", 20, 30);
  ASSERT_EQ(imp.pages.size(), 2u);
  ASSERT_EQ(imp.pages[0].size(), 30u);
  ASSERT_EQ(imp.pages[1].size(), 10u);
  EXPECT_EQ(imp.pages[0].back().texte, "line 30");
  EXPECT_EQ(imp.pages[0].back().rang, 29);
  EXPECT_EQ(imp.pages[1].front().texte, "line 31");
  EXPECT_EQ(imp.pages[1].front().rang, 0);
  EXPECT_EQ(imp.pages[1].front().y, 20 + 150);
}

// Row r is drawn from r·h + h + 150 to a row's height below: the rows that
// fit are the page's, and the game's lines keep their order on odd counts.
TEST_F(Printing, APageHoldsTheRowsThatFitBelowTheTopAndTheGameKeepsItsOrder) {
  EXPECT_EQ(rangs_par_page(150 + 20 + 30 * 20, 20), 30);
  EXPECT_EQ(rangs_par_page(150 + 20 + 30 * 20 - 1, 20), 29);
  EXPECT_EQ(rangs_par_page(100, 20), 1);  // a page too small still takes a line
  const int h = 20, rangs = rangs_par_page(150 + 20 + 5 * 20, h);
  ASSERT_EQ(rangs, 5);
  const Impression imp = impression_partie(liste_de(48), "", h, rangs);  // 4 printed lines
  ASSERT_EQ(imp.pages.size(), 2u);
  ASSERT_EQ(imp.pages[0].size(), 3u);  // rows 0, 2 and 4
  EXPECT_EQ(imp.pages[0][2].rang, 4);
  EXPECT_EQ(imp.pages[1][0].rang, 0);
  for (const auto& page : imp.pages)
    for (const LigneImprimee& l : page) EXPECT_LE(l.y + h, 150 + 20 + 5 * 20);
}

TEST(PrintingHeader, TheNamesAreWrittenInUtf8) {
  EXPECT_EQ(entete_impression("Andr\xe9", "Corvane"), "Andr\xc3\xa9 - Corvane");
}

}  // namespace
