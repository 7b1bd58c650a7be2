// What a pasted text holds, and what is copied reads back as the same.

#include "records/pdn.h"
#include "records/presse_papiers.h"
#include "records_support.h"
#include "support/etat.h"

using PressePapiers = Moteur;

TEST_F(PressePapiers, AFenInEitherNotationIsAPositionCheckedAsASetUp) {
  Position attendue;
  std::string erreur;
  ASSERT_TRUE(lire_fen("W:W18,K30:B1,2,K20", attendue, erreur));
  // Ours, the same in squares a1..h8 with White first, as a tag alone, with
  // the dot some programs end it with and the blanks of a web page.
  for (const char* texte : {"W:W18,K30:B1,2,K20", "  B:Wg1,e1,Ka5:Be5,Kf8.\r\n", "[FEN \"W:W18,K30:B1,2,K20\"]\n",
                            "\xEF\xBB\xBFW:W18,K30:B1,2,K20"}) {
    SCOPED_TRACE(texte);
    const Collage c = lire_collage(texte);
    ASSERT_EQ(c.genre, GenreCollage::Position) << c.raison;
    EXPECT_EQ(std::memcmp(c.position.cases + 1, attendue.cases + 1, NB_CASES), 0);
    EXPECT_EQ(c.position.trait, attendue.trait);
  }
  // What a set-up would not take is neither, and says why.
  for (const auto& [texte, motif] : {std::pair{"B:W33:B1", "outside 1..32"}, {"W:Wb8:Ba1", "crowning row"},
                                     {"B:W5-17:B20", "more than 12"}, {"W:Wa2:Bb8", "not a playing square"}}) {
    const Collage c = lire_collage(texte);
    EXPECT_EQ(c.genre, GenreCollage::Rien) << texte;
    EXPECT_NE(c.raison.find(motif), std::string::npos) << c.raison;
  }
}

TEST_F(PressePapiers, PdnIsAGameAndAnythingElseIsNeither) {
  const Collage c = lire_collage("1. c3-d4 d6-c5 2. b2-c3 *");
  ASSERT_EQ(c.genre, GenreCollage::Partie);
  ASSERT_EQ(c.parties.size(), 1u);
  EXPECT_FALSE(rejouer_partie(c.parties[0], 1, true).arrete);
  EXPECT_EQ(dernier_demi_coup, 3);
  EXPECT_EQ(lire_collage("[GameType \"20\"]\n1. 32-28 *").genre, GenreCollage::Partie);  // refused when opened
  for (const char* texte : {"", " \r\n", "Hello, world.", "The game ended 2-0 after a long fight"}) {
    const Collage rien = lire_collage(texte);
    EXPECT_EQ(rien.genre, GenreCollage::Rien) << texte;
    EXPECT_FALSE(rien.raison.empty());
  }
}

TEST_F(PressePapiers, WhatIsCopiedPastesBackTheSame) {
  std::mt19937 hasard(8);
  for (int g = 0; g < 12; ++g) {
    position_initiale();
    partie_aleatoire(hasard, 10 + g * 7);
    // The position on the board.
    const Position pos = position_courante();
    const Collage p = lire_collage(position_a_copier());
    ASSERT_EQ(p.genre, GenreCollage::Position) << position_a_copier();
    EXPECT_EQ(std::memcmp(p.position.cases + 1, pos.cases + 1, NB_CASES), 0);
    EXPECT_EQ(p.position.trait, pos.trait);
    // The game.
    const auto record = plis_du_record();
    const Collage j = lire_collage(ecrire_partie_pdn("A", "B", resultat_partie, "", g % 2 == 1));
    ASSERT_EQ(j.genre, GenreCollage::Partie);
    ASSERT_EQ(j.parties.size(), 1u);
    EXPECT_FALSE(rejouer_partie(j.parties[0], 1, true).arrete);
    EXPECT_EQ(plis_du_record(), record);
  }
}
