// The position text: reading, writing, and the faults it names.

#include "rules/fen.h"
#include "support/etat.h"

using Fen = Moteur;

TEST_F(Fen, ReadsRangesKingsSpacesAndEitherListOrderAndWritesItsOwnForm) {
  Position a, b;
  std::string erreur;
  ASSERT_TRUE(lire_fen(FEN_DEPART, a, erreur)) << erreur;
  position_initiale();
  EXPECT_EQ(std::memcmp(a.cases + 1, damier + 1, 32), 0);
  EXPECT_EQ(a.trait, BLANCS);
  EXPECT_EQ(ecrire_fen(a), FEN_DEPART);
  ASSERT_TRUE(lire_fen(" B : B1-12 : W21-32 .", b, erreur)) << erreur;
  EXPECT_EQ(std::memcmp(a.cases, b.cases, 33), 0);
  ASSERT_TRUE(lire_fen("W:WK1,5:BK32,20", a, erreur)) << erreur;
  EXPECT_EQ(a.trait, NOIRS);
  EXPECT_EQ(a.cases[32], DAME_NOIRE);   // displayed 1
  EXPECT_EQ(a.cases[28], PION_NOIR);    // displayed 5
  EXPECT_EQ(a.cases[1], DAME_BLANCHE);  // displayed 32
  EXPECT_EQ(a.cases[13], PION_BLANC);   // displayed 20
  EXPECT_EQ(ecrire_fen(a), "W:WK1,5:B20,K32");
  ASSERT_TRUE(lire_fen("B:W:B15", a, erreur)) << erreur;  // an empty list: no piece of that colour
  EXPECT_EQ(std::count(a.cases + 1, a.cases + 33, VIDE), 31);
  EXPECT_TRUE(lire_fen("B:WK4:BK29", a, erreur)) << erreur;  // kings may stand on a crowning row
}

TEST_F(Fen, RefusesWhatIsNoPositionAndSaysWhy) {
  const std::pair<const char*, const char*> cas[] = {
      {"B:W21:B29", "crowning row"}, {"B:W4:B12", "crowning row"},   {"B:W21-32:B1-13", "more than 12"},
      {"B:W33:B1", "outside 1..32"}, {"B:W0:B1", "outside 1..32"},   {"B:W5:B5", "given twice"},
      {"B:W5-8:B7", "given twice"},  {"B:W21:B99999999999", "square 99999999999 is outside"},
      {"B:W21:B3-123456", "square 123456 is outside"},
      // other forms and trailing separators: some message
      {"", ""}, {"B", ""}, {"B:W1", ""}, {"X:W1:B2", ""}, {"B:W1:W2", ""}, {"B:W1:B2:W3", ""}, {"B:Wa:B2", ""},
      {"B:W1,,2:B3", ""}, {"B:W5-3:B9", ""}, {"B:W1:B2x", ""}, {"B:Q1:B2", ""}, {"B:W-3:B2", ""}, {"B:WK:B2", ""},
      {"B:W21:B2:", ""}, {"B:W21:B2: .", ""}, {"B:W21,:B2", ""}, {"B:W21:B2,", ""}, {"B:W21:B2 , .", ""},
  };
  for (const auto& [fen, motif] : cas) {
    SCOPED_TRACE(fen);
    Position pos;
    std::string erreur;
    EXPECT_FALSE(lire_fen(fen, pos, erreur));
    EXPECT_FALSE(erreur.empty());
    EXPECT_NE(erreur.find(motif), std::string::npos) << erreur;
  }
}
