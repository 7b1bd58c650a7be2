// PDN of pool checkers: other programs' files and the replay's stop at an
// illegal move.

#include "records/pdn.h"
#include "records_support.h"
#include "support/etat.h"

using Pdn = Moteur;

namespace {

// A king of camp 0 on 13 takes three men by 2, 20, 31 or by 6, 24, 31.
constexpr const char* DEUX_CHEMINS = "B:W7,9,19,27:BK13";

}  // namespace

TEST_F(Pdn, ReadsGamesAsOtherProgramsWriteThem) {
  const std::string texte =
      "[Event \"Club \\\"du\\\" soir\"]\r\n[Date \"2024.05.01\"]\r\n[Black \"Ren\xE9\"]\r\n[White \"Zo\xEB\"]\r\n"
      "[Result \"0-2\"]\r\n[GameType \"23\"]\r\n\r\n"
      "1. 11-15 {the usual start} 22-18 (2... 24-19 {a (side) line} (3. 8-11)) 2. 15x22! 25x18 $1\r\n"
      "3.9-14 18x9 4... 5x14 0-2\r\n\r\n"
      "[Black \"Deux\"]\r\n[White \"Chemins\"]\r\n[FEN \"" + std::string(DEUX_CHEMINS) + "\"]\r\n1. 13x2x20x31 *\r\n"
      "[FEN \"" + DEUX_CHEMINS + "\"]\r\n1. 13x6x24x31 *\r\n"
      "[Black \"Quatre\"]\r\n[FEN \"" + DEUX_CHEMINS + "\"]\r\n1. 13x31 1/2-1/2\r\n"
      "[Black \"Sans coups\"]\r\n[Black \"Cinq\"]\r\n";
  const std::vector<PartieLue> p = lire_parties_pdn(texte);
  ASSERT_EQ(p.size(), 6u);
  EXPECT_EQ(p[4].nom_blanc, "Sans coups");
  EXPECT_EQ(p[5].nom_blanc, "Cinq");
  EXPECT_EQ(p[0].nom_blanc, "Ren\xE9");
  EXPECT_EQ(p[0].nom_noir, "Zo\xEB");
  EXPECT_EQ(p[0].resultat, BLANCS_GAGNENT);  // "0-2": Black, camp 0, won
  EXPECT_FALSE(p[0].position_posee);
  ASSERT_EQ(p[0].coups.size(), 7u);
  EXPECT_EQ(p[0].coups[2].texte, "15x22");
  EXPECT_EQ(p[0].coups[6].numero, 4);
  EXPECT_FALSE(rejouer_partie(p[0], 1, true).arrete);
  EXPECT_EQ(dernier_demi_coup, 7);
  EXPECT_EQ(resultat_partie, BLANCS_GAGNENT);
  EXPECT_EQ(damier[33 - 14], PION_BLANC);

  // The landing squares choose between the two captures, each written back with
  // its path; the destination alone is ambiguous: PDN refuses it, the
  // text format's lenient replay takes the first the generator lists.
  ASSERT_TRUE(p[1].position_posee);
  EXPECT_EQ(p[1].coups[0].escales, (std::vector<Case>{33 - 2, 33 - 20, 33 - 31}));
  const ArretRejeu ambigu = rejouer_partie(p[3], 4, true);
  EXPECT_TRUE(ambigu.arrete);
  EXPECT_EQ(texte_arret(ambigu, 1),
            "Move 1 (13x31) of game 4: ambiguous capture: more than one capture between these squares takes other "
            "pieces");
  std::vector<std::string> positions;
  for (int g : {1, 2, 3}) {
    EXPECT_FALSE(rejouer_partie(p[g], g + 1, g != 3).arrete);
    EXPECT_EQ(dernier_demi_coup, 1);
    EXPECT_EQ(damier[33 - 31], DAME_BLANCHE);
    positions.push_back(std::get<3>(plis_du_record()[1]));
    if (g == 3) break;
    const std::string ecrit = ecrire_partie_pdn("Deux", "Chemins", SANS_RESULTAT, "");
    EXPECT_NE(ecrit.find("[FEN \"" + std::string(DEUX_CHEMINS) + "\"]"), std::string::npos) << ecrit;
    EXPECT_NE(ecrit.find("1. " + p[g].coups[0].texte + " *"), std::string::npos) << ecrit;
  }
  EXPECT_NE(positions[0], positions[1]);
  EXPECT_TRUE(positions[2] == positions[0] || positions[2] == positions[1]);
  EXPECT_EQ(p[3].resultat, PARTIE_NULLE);
  EXPECT_EQ(p[3].nom_noir, "");

  // A king that goes on straight over a second man: written with the square
  // where it "lands" between them or without, it is the same capture.
  for (const char* coup : {"4x11x22", "4x15x22", "4x22"}) {
    const std::vector<PartieLue> droit =
        lire_parties_pdn(std::string("[FEN \"B:W8,18,32:BK4\"]\n1. ") + coup + " 32-27 *\n");
    ASSERT_EQ(droit.size(), 1u);
    const ArretRejeu a = rejouer_partie(droit[0], 1, true);
    EXPECT_FALSE(a.arrete) << coup << ": " << texte_arret(a, 1);
    EXPECT_EQ(dernier_demi_coup, 2) << coup;
    EXPECT_EQ(damier[33 - 22], DAME_BLANCHE) << coup;
  }
}

TEST_F(Pdn, UTF8NamesAreReadAsLatin1AndWrittenAsUTF8) {
  const std::vector<PartieLue> p =
      lire_parties_pdn("\xEF\xBB\xBF[Black \"\xC3\x89lise\"]\n[White \"\xE5\x8C\x97 Nord\"]\n1. 11-15 *\n");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].nom_blanc, "\xC9lise");
  EXPECT_EQ(p[0].nom_noir, "? Nord");
  rejouer_partie(p[0], 1, true);
  const std::string ecrit = ecrire_partie_pdn(p[0].nom_blanc, p[0].nom_noir, SANS_RESULTAT, "2026.01.02");
  EXPECT_NE(ecrit.find("[Date \"2026.01.02\"]\r\n[Black \"\xC3\x89lise\"]\r\n[White \"? Nord\"]"), std::string::npos) << ecrit;
}

TEST_F(Pdn, AMoveThatIsNotLegalStopsTheGameAndIsNamed) {
  const std::vector<PartieLue> p = lire_parties_pdn(
      "[Black \"A\"]\n1. 11-15 22-18 *\n\n[Black \"B\"]\n1. 11-15 22-18 2. 15x22 25x18 3. 11-16 18-14 *\n"
      "[FEN \"B:W18:B33\"]\n1. 1-5 *\n[GameType \"20\"]\n1. 32-28 *\n");
  ASSERT_EQ(p.size(), 4u);
  const ArretRejeu a = rejouer_partie(p[1], 2, true);
  ASSERT_TRUE(a.arrete);
  EXPECT_EQ(texte_arret(a, 1), "Move 3 (11-16) of game 2: not a legal move in this position");
  EXPECT_EQ(texte_arret(a, 0), "Coup 3 (11-16) de la partie 2 : coup impossible dans cette position");
  EXPECT_EQ(dernier_demi_coup, 4);  // the game up to that move
  EXPECT_EQ(resultat_partie, SANS_RESULTAT);
  // Without stopping, the move is skipped and the same side plays the next.
  EXPECT_FALSE(rejouer_partie(p[1], 2, false).arrete);
  EXPECT_EQ(dernier_demi_coup, 4);
  const ArretRejeu f = rejouer_partie(p[2], 3, true);
  ASSERT_TRUE(f.arrete);
  EXPECT_NE(texte_arret(f, 1).find("Game 3: FEN"), std::string::npos) << texte_arret(f, 1);
  EXPECT_NE(texte_arret(rejouer_partie(p[3], 4, true), 1).find("not pool checkers"), std::string::npos);
}
