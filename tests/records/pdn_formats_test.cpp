// PDN as other programs and federations write it for the 8x8 board: numeric
// and algebraic pool checkers, files without GameType, Russian and Brazilian
// games, names in other scripts, and our own files read back.

#include "game/end.h"
#include "records/pdn.h"
#include "records_support.h"
#include "support/etat.h"

using PdnAutres = Moteur;

namespace {

// One game written in numbers and in squares a1..h8 by two programs: the
// first mover owns 1..12 in one and a1 in the other.
const std::string POOL_NUMERIQUE =
    "[Event \"Sample 7\"]\n[Black \"Walter Hellman\"]\n[White \"Marion Tinsley\"]\n[Result \"*\"]\n"
    "[GameType \"23\"]\n\n"
    "1. 11-15 23-19 2. 9-14 26-23 3. 12-16 19x12 4. 15-19 23x16 5. 5-9 24-19\n"
    "6. 9-13 22-18 7. 14x23 19x26 8. 1-5\n"
    "{a note, (with brackets) and 1-0 inside} 8... 25-22 9. 6-9 29-25\n"
    "10. 7-11 16x14 11. 9x18 22x15 12. 2-7 15-11 *\n";
const std::string POOL_ALGEBRIQUE =
    "[Event \"Sample 7\"]\r\n[Site \"Harare\"]\r\n[White \"Walter Hellman\"]\r\n[Black \"Marion Tinsley\"]\r\n"
    "[Result \"*\"]\r\n[GameType \"23,W,8,8,A0,0\"]\r\n\r\n"
    "1.c3-d4 d6-c5 2. g3-f4! e7-d6 3. a3-b4 c5xa3 4. d4-c5 d6xb4 $2 5. h2-g3\r\n"
    "% a line for the program that wrote it\r\n"
    "b6-c5 6. g3-h4 f6-e5 7. f4xd6 c5Xe7 8. g1-h2 ; to the end of the line\r\n"
    "{a note} 8... g7-f6 ( 8... g7-h6 9. h4-g5 (9. f2-g3) ) 9. f2-g3 h8-g7\r\n"
    "10. d2-c3 b4xf4 11. g3xe5 f6xd4 12. e1-d2 d4-c3 *\r\n";

// No GameType: the squares say algebraic, White first; ':' captures, a
// capture of two with every landing square, a FEN with a trailing dot, names
// in Cyrillic and Greek.
const std::string SANS_TYPE =
    "[Event \"Sample 15\"]\r\n[White \"\xD0\x9F\xD1\x91\xD1\x82\xD1\x80 \xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2\"]\r\n"
    "[Black \"\xD0\x98\xD0\xB3\xD0\xBE\xD1\x80\xD1\x8C \xD0\x9A\xD0\xBE\xD1\x80\xD0\xBE\xD0\xBB\xD1\x91\xD0\xB2\"]\r\n"
    "[Result \"1-1\"]\r\n\r\n"
    "1. g3-f4 d6-c5 2. f4-e5 f6:d4 3. c3:e5 $5 3... e7-d6 4. b2-c3 d6:f4!!\r\n"
    "5. e3:g5! 5... h6:f4?! 6. a3-b4 c5:a3 7. a1-b2 b6-a5 8. c3-b4 a3:c5\r\n"
    "9. d2-c3 d8-e7 10. f2-e3 f4:d2:b4 $2 11. h2-g3 1-1\r\n\r\n"
    "[Event \"Sample 20\"]\r\n[White \"\xD0\x98\xD0\xB3\xD0\xBE\xD1\x80\xD1\x8C\"]\r\n"
    "[Black \"\xCE\x9D\xCE\xAF\xCE\xBA\xCE\xBF\xCF\x82 \xCE\x94\xCE\xB7\xCE\xBC\xCE\xB7\xCF\x84\xCF\x81\xCE\xAF\xCE\xBF\xCF\x85\"]\r\n"
    "[Result \"2-0\"]\r\n[FEN \"W:Wa1,c1,e1,g1,d2,f2,h2,a3,e3,b4,Kh8:Ba5,d6,a7,c7,b8,d8,f8.\"]\r\n\r\n"
    "1. e3-f4 a5:c3 $2 2. d2:b4 {a note, (with brackets) and 1-0 inside}\r\n"
    "2... d6-c5 ({another line} d8-e7 (and 1. 11-15 deeper)) 3. b4:d6\r\n"
    "c7:e5:g3 4. h2:f4 d8-c7 5. h8-c3 a7-b6 6. c3-h8 c7-d6 7. f2-g3 f8-g7\r\n"
    "8. h8:d4:a7 d6-e5 9. f4:d6 b8-c7 10. d6:b8 2-0\r\n";

// Russian draughts: a game, one where a man crowned in the middle of its
// capture goes on as a king (not our rules), and one from a position.
const std::string RUSSES =
    "[Event \"Sample 7\"]\r\n[White \"\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0\"]\r\n[Result \"*\"]\r\n[GameType \"25\"]\r\n\r\n"
    "1. c3-d4 d6-c5 2. g3-f4 e7-d6 3. a3-b4 c5:a3 4. d4-c5 d6:b4 5. h2-g3\r\n"
    "b6-c5 6. g3-h4 f6-e5 7. f4:d6 c5:e7 8. g1-h2 g7-f6 9. f2-g3 h8-g7\r\n"
    "10. d2-c3 b4:f4 11. g3:e5 f6:d4 12. e1-d2 d4-c3 *\r\n\r\n"
    "[Event \"Crowned on the way\"]\r\n[Result \"2-0\"]\r\n[GameType \"25\"]\r\n"
    "[FEN \"W:Wa1,b6,e3,g1:Bd8,f6,h6.\"]\r\n\r\n1. e3-d4 d8-c7 2. b6:d8:g5 h6:f4 2-0\r\n\r\n"
    "[Event \"Sample 36\"]\r\n[Result \"0-2\"]\r\n[GameType \"25,W,8,8,A0,0\"]\r\n"
    "[FEN \"W:Wc1,e1,g1,b2,d2,f2,h2,a3,c3:Be3,a5,c5,h6,a7,e7,g7,b8,f8,h8.\"]\r\n\r\n"
    "1. f2:b6 a7:c5 2. a3-b4 c5:a3 3. e1-f2 h6-g5 4. c3-b4 a5:g3 5. h2:h6\r\n"
    "b8-a7 6. g1-h2 g7-f6 7. h2-g3 e7-d6 8. g3-f4 h8-g7 9. f4-g5 f6:h4\r\n"
    "({another line} f6:h4 (and 1. 11-15 deeper)) 10. c1-d2 a3:e3 0-2\r\n";

// Brazilian draughts: 'x' captures, the largest capture taken, a path
// written with every landing square.
const std::string BRESILIENS =
    "[Event \"Sample 2\"]\n[White \"S\xC3\xA9rgio\"]\n[Black \"Jo\xC3\xA3o Concei\xC3\xA7\xC3\xA3o\"]\n"
    "[Result \"1/2-1/2\"]\n[GameType \"26\"]\n\n"
    "1. g3-f4?! 1... f6-e5 2. e3-d4 e5xg3 3. h2xf4 e7-f6 4. f2-g3 b6-c5\n"
    "5. d4xb6 $5 5... a7xc5 $1 6. g1-f2 c5-b4 7. a3xg5 g7-f6!? 8. g5xe7 d8xf6\n"
    "9. d2-e3 f8-g7 10. e3-d4 ({another line} f4-g5 (and 1. 11-15 deeper))\n"
    "10... c7-b6 11. e1-d2 b8-a7 1/2-1/2\n\n"
    "[Event \"Sample 38\"]\n[White \"Jo\xC3\xA3o\"]\n[Black \"Ana\"]\n[Result \"*\"]\n[GameType \"26\"]\n\n"
    "1. e3-f4 f6-e5 2. f2-e3 g7-f6 3. e1-f2 b6-c5 4. f4-g5?? 4... f6xh4?!\n"
    "5. c3-d4 e5xc3xe1 6. c1-d2 e1xb4 7. e3-d4 c5xe3 8. a3xc5 d6xb4 9. f2xd4\n"
    "h4xf2 10. g1xe3!! 10... h8-g7 11. d4-c5!! 11... b4xd6 *\n";

std::vector<PartieLue> lire(const std::string& texte) { return lire_parties_pdn(texte); }

// Replays game `g` (from 0) to its end; its record.
std::vector<DemiCoupRecord> rejouer(const std::vector<PartieLue>& p, std::size_t g) {
  const ArretRejeu a = rejouer_partie(p.at(g), static_cast<int>(g) + 1, true);
  EXPECT_FALSE(a.arrete) << texte_arret(a, 1);
  return plis_du_record();
}

std::string fen_finale() { return ecrire_fen(position_courante()); }

}  // namespace

TEST_F(PdnAutres, OnePoolGameReadsTheSameInNumbersAndInAlgebraicSquares) {
  const std::vector<PartieLue> n = lire(POOL_NUMERIQUE), a = lire(POOL_ALGEBRIQUE);
  ASSERT_EQ(n.size(), 1u);
  ASSERT_EQ(a.size(), 1u);
  const auto record = rejouer(n, 0);
  EXPECT_EQ(dernier_demi_coup, 24);
  EXPECT_EQ(fen_finale(), "B:W11,12,21,25,26,27,28,30,31,32:B3,4,5,7,8,13");
  EXPECT_EQ(rejouer(a, 0), record);
  // Who is who follows the first mover: Black in one file, White in the other.
  for (const PartieLue& p : {n[0], a[0]}) {
    EXPECT_EQ(p.nom_blanc, "Walter Hellman");
    EXPECT_EQ(p.nom_noir, "Marion Tinsley");
  }
  EXPECT_EQ(a[0].coups[13].texte, "c5Xe7");
  EXPECT_EQ(a[0].coups[14].numero, 8);
}

TEST_F(PdnAutres, WithoutGameTypeTheSquaresTellTheNotationAndWhiteMovesFirst) {
  const std::vector<PartieLue> p = lire(SANS_TYPE);
  ASSERT_EQ(p.size(), 2u);
  rejouer(p, 0);
  EXPECT_EQ(dernier_demi_coup, 21);
  EXPECT_EQ(resultat_partie, PARTIE_NULLE);
  EXPECT_EQ(fen_finale(), "W:W16,19,20,25,26,27,28,29,30,32:B1,2,3,8,9");
  // White is camp 0: its name goes first, its win is camp 0's.
  EXPECT_EQ(p[1].nom_blanc, "Igor");
  ASSERT_TRUE(p[1].position_posee);
  EXPECT_EQ(p[1].depart.trait, BLANCS);
  EXPECT_EQ(p[1].depart.cases[4], DAME_BLANCHE);  // h8
  rejouer(p, 1);
  EXPECT_EQ(dernier_demi_coup, 19);
  EXPECT_EQ(resultat_partie, BLANCS_GAGNENT);
  EXPECT_EQ(fen_finale(), "W:W:B1,2,3,4,9,12,K28,K32");
  EXPECT_EQ(p[1].coups[5].escales, (std::vector<Case>{15, 24}));  // c7:e5:g3
}

TEST_F(PdnAutres, RussianAndBrazilianGamesAreReplayedUnderOurRules) {
  const std::vector<PartieLue> r = lire(RUSSES), b = lire(BRESILIENS);
  ASSERT_EQ(r.size(), 3u);
  ASSERT_EQ(b.size(), 2u);
  // Russian sample 7 is pool sample 7: the same moves.
  const auto pool = rejouer(lire(POOL_NUMERIQUE), 0);
  EXPECT_EQ(rejouer(r, 0), pool);
  rejouer(r, 2);
  EXPECT_EQ(dernier_demi_coup, 20);
  EXPECT_EQ(resultat_partie, NOIRS_GAGNENT);  // "0-2": Black, who moved second, won
  EXPECT_EQ(fen_finale(), "B:W10,13,23,25,28,30:B21");
  rejouer(b, 0);
  EXPECT_EQ(dernier_demi_coup, 22);
  EXPECT_EQ(resultat_partie, PARTIE_NULLE);
  EXPECT_EQ(fen_finale(), "B:W21,22,24,25,28,29:B3,4,6,7,8,9,11,14,15");
  rejouer(b, 1);
  EXPECT_EQ(dernier_demi_coup, 22);
  EXPECT_EQ(fen_finale(), "B:W21,23,25,26,27,28,30,31,32:B4,5,8,10");
}

TEST_F(PdnAutres, AMoveOurRulesRefuseStopsTheGameThereAndIsNamedAsWritten) {
  const std::vector<PartieLue> r = lire(RUSSES);
  const ArretRejeu a = rejouer_partie(r.at(1), 2, true);
  ASSERT_TRUE(a.arrete);
  EXPECT_EQ(texte_arret(a, 1),
            "Move 2 (b6:d8:g5) of game 2: not a legal move in this position under our rules (a game of Russian "
            "draughts)");
  EXPECT_EQ(texte_arret(a, 0),
            "Coup 2 (b6:d8:g5) de la partie 2 : coup impossible dans cette position selon nos r\xC3\xA8gles (partie "
            "de dames russes)");
  EXPECT_EQ(dernier_demi_coup, 2);  // the moves before it are kept
  EXPECT_EQ(resultat_partie, SANS_RESULTAT);
}

TEST_F(PdnAutres, AWordThatIsNoMoveIsNamedAndAGameIsNeverReadAsNothing) {
  const std::vector<PartieLue> p =
      lire("[Event \"Chess?\"]\n1. e4 e5 2. Nf3 *\n\n[GameType \"23,W,8,8,A0,0\"]\n1. 11-15 *\n\n"
           "[GameType \"25,W,10,10,N1,0\"]\n1. 32-28 *\n\n[GameType \"23\"]\n1. c3-d4 *\n");
  ASSERT_EQ(p.size(), 4u);
  const char* const attendus[] = {"Move 1 (e4) of game 1: not a move in the game's notation",
                                  "Move 1 (11-15) of game 2: not a move in the game's notation",
                                  "Game 3: GameType 25: a board of 10 by 10 squares is not the 8x8 board"};
  for (int g = 0; g < 3; ++g) {
    const ArretRejeu a = rejouer_partie(p[g], g + 1, true);
    EXPECT_TRUE(a.arrete) << g;
    EXPECT_EQ(texte_arret(a, 1), attendus[g]);
    EXPECT_EQ(dernier_demi_coup, 0);
  }
  // A GameType that names no notation gives way to the moves.
  rejouer(p, 3);
  EXPECT_EQ(dernier_demi_coup, 1);
}

TEST_F(PdnAutres, GameTypeFieldsPlaceSquareOneAndTheFirstMoversColour) {
  // The start position as each numbering names it, with its first move.
  const std::pair<const char*, const char*> cas[] = {
      {"23,B,8,8,N1,0", "B:W21-32:B1-12"},              // ours: 1 at the bottom right of the first mover
      {"23,W,8,8,N2,0", "W:W21-32:B1-12"},              // 1 top left: counted from the other side
      {"25,W,8,8,A0,0", "W:Wa1,c1,e1,g1,b2,d2,f2,h2,a3,c3,e3,g3:Ba7,c7,e7,g7,b8,d8,f8,h8,b6,d6,f6,h6"},
      {"25,B,8,8,A3,0", "B:Wa1,c1,e1,g1,b2,d2,f2,h2,a3,c3,e3,g3:Bh8,f8,d8,b8,g7,e7,c7,a7,h6,f6,d6,b6"},
      {"23,B,8,8,N0,1", "B:W21-32:B1-12"},              // a mirrored board
  };
  for (const auto& [type, fen] : cas) {
    SCOPED_TRACE(type);
    const std::vector<PartieLue> p = lire(std::string("[GameType \"") + type + "\"]\n[FEN \"" + fen + "\"]\n*\n");
    ASSERT_EQ(p.size(), 1u);
    ASSERT_TRUE(p[0].erreur.empty()) << p[0].erreur;
    position_initiale();
    EXPECT_EQ(std::memcmp(p[0].depart.cases + 1, damier + 1, NB_CASES), 0);
    EXPECT_EQ(p[0].depart.trait, BLANCS);
  }
  // Square by square: a1 is our a1 in A0, our h8 in A3; N0 on a mirrored
  // board is our numbering in a mirror.
  const Numerotation a3{true, 3, false, 'W'}, n0_miroir{false, 0, true, 'B'};
  EXPECT_EQ(case_de_nom(NUMEROTATION_ALGEBRIQUE, "a1"), 29);
  EXPECT_EQ(case_de_nom(a3, "a1"), 4);
  EXPECT_EQ(case_de_nom(a3, "b2"), 8);
  EXPECT_EQ(case_de_nom(a3, "a2"), 0);  // no playing square
  EXPECT_EQ(case_de_numero(NUMEROTATION_POOL, 1), 32);
  EXPECT_EQ(case_de_numero(n0_miroir, 1), 32);
  EXPECT_EQ(case_de_numero(n0_miroir, 5), 28);
  for (const Numerotation& num : {NUMEROTATION_POOL, NUMEROTATION_ALGEBRIQUE, a3, n0_miroir})
    for (int k = 1; k <= NB_CASES; ++k) EXPECT_EQ(case_de_nom(num, nom_de_case(num, static_cast<Case>(k))), k);
}

TEST_F(PdnAutres, NamesBeyondLatin1AreTransliteratedForTheRecordAndKeptInFull) {
  const std::pair<const char*, const char*> noms[] = {
      {"\xD0\x9F\xD1\x91\xD1\x82\xD1\x80 \xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2", "Pyotr Ivanov"},
      {"\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0 \xD0\xA9\xD1\x83\xD0\xBA\xD0\xB8\xD0\xBD\xD0\xB0", "Anna Shchukina"},
      {"\xCE\x9D\xCE\xAF\xCE\xBA\xCE\xBF\xCF\x82 \xCE\x94\xCE\xB7\xCE\xBC\xCE\xB7\xCF\x84\xCF\x81\xCE\xAF\xCE\xBF\xCF\x85",
       "Nikos Dimitriou"},
      {"\xC5\x81ukasz Wi\xC5\x9Bniewski", "Lukasz Wisniewski"},
      {"J\xC3\xBCrgen", "J\xFCrgen"},
      {"\xE5\x8C\x97 Nord", "? Nord"},
  };
  for (const auto& [utf8, latin1] : noms) EXPECT_EQ(nom_en_latin1(utf8), latin1);

  // A long Cyrillic name: the record keeps 19 Latin-1 bytes, the full name
  // all of it; a name beyond what is kept in full is cut between characters.
  std::string long_nom = "\xD0\x90\xD0\xBB\xD0\xB5\xD0\xBA\xD1\x81\xD0\xB0\xD0\xBD\xD0\xB4\xD1\x80 ";  // "Александр "
  long_nom += long_nom + "\xD0\xA9";
  std::string tres_long = "\xC3\xA9";
  for (int i = 0; i < 150; ++i) tres_long += "\xD0\xA9";
  const std::vector<PartieLue> p = lire("[White \"" + long_nom + "\"]\n[Black \"" + tres_long + "\"]\n"
                                        "[GameType \"25\"]\n1. c3-d4 *\n");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].nom_blanc, "Aleksandr Aleksandr");
  EXPECT_EQ(p[0].nom_blanc_complet, long_nom);
  EXPECT_LE(p[0].nom_noir_complet.size(), 200u);
  EXPECT_GT(p[0].nom_noir_complet.size(), 190u);
  EXPECT_TRUE(est_utf8(p[0].nom_noir_complet));
  EXPECT_EQ(p[0].nom_noir, "\xE9ShchShchShchShchSh");

  // Open, the game keeps the full names; written back, they are the tags.
  rejouer(p, 0);
  EXPECT_STREQ(nom_joueur_blanc, "Aleksandr Aleksandr");
  EXPECT_EQ(nom_complet_blanc, long_nom);
  OptionsPdn options;
  options.nom_complet_blanc = nom_complet_blanc;
  options.nom_complet_noir = nom_complet_noir;
  const std::string ecrit = ecrire_partie_pdn(nom_joueur_blanc, nom_joueur_noir, SANS_RESULTAT, "", options);
  EXPECT_NE(ecrit.find("[Black \"" + long_nom + "\"]"), std::string::npos) << ecrit;
  // A name changed since is written as it now is.
  const std::string autre = ecrire_partie_pdn("Ivan", nom_joueur_noir, SANS_RESULTAT, "", options);
  EXPECT_NE(autre.find("[Black \"Ivan\"]"), std::string::npos) << autre;
  // A Latin-1 file's names come in full as UTF-8, and a new record forgets full names.
  EXPECT_EQ(lire("[Black \"Ren\xE9\"]\n1. 11-15 *\n")[0].nom_blanc_complet, "Ren\xC3\xA9");
  commencer_partie();
  EXPECT_TRUE(nom_complet_blanc.empty());
}

// Random games, some from a set-up start with either side to move, written
// in numbers or in squares a1..h8 with Cyrillic names, some with every
// capture's landing squares, come back the same, one by one and as one file.
TEST_F(PdnAutres, OurFilesInNumbersOrAlgebraicReadBackAsTheSameGame) {
  std::mt19937 hasard(23);
  const std::string complet = "\xD0\x9F\xD1\x91\xD1\x82\xD1\x80 \xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2";
  std::string fichier;
  std::vector<std::vector<DemiCoupRecord>> records;
  int prises_multiples = 0;
  for (int g = 0; g < 24; ++g) {
    SCOPED_TRACE(g);
    position_initiale();
    if (g % 3 != 0) {
      partie_aleatoire(hasard, 15 + g % 2);
      std::memcpy(damier, partie[dernier_demi_coup].position, sizeof damier);
      recalculer_masques();
    }
    partie_aleatoire(hasard, 200);
    records.push_back(plis_du_record());
    for (int h = 1; h <= dernier_demi_coup; ++h) prises_multiples += partie[h].nb_prises > 1;
    const int resultat = resultat_partie;
    OptionsPdn options;
    options.algebrique = g % 2 == 1;
    options.chemins_complets = g % 4 < 2;
    options.nom_complet_noir = complet;
    const std::string ecrit = ecrire_partie_pdn("Zo\xEB", nom_en_latin1(complet), resultat, "2026.03.04", options);
    fichier += ecrit;
    EXPECT_NE(ecrit.find(options.algebrique ? "[GameType \"23,W,8,8,A0,0\"]" : "[GameType \"23,B,8,8,N1,0\"]"),
              std::string::npos);
    const std::vector<PartieLue> p = lire(ecrit);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].position_posee, g % 3 != 0);
    const ArretRejeu a = rejouer_partie(p[0], 1, true);
    ASSERT_FALSE(a.arrete) << texte_arret(a, 1) << "\n" << ecrit;
    EXPECT_EQ(plis_du_record(), records.back()) << ecrit;
    EXPECT_EQ(resultat_partie, resultat) << ecrit;
    EXPECT_EQ(p[0].nom_blanc, "Zo\xEB");
    EXPECT_EQ(p[0].nom_noir, "Pyotr Ivanov");
    EXPECT_EQ(p[0].nom_noir_complet, complet);
  }
  EXPECT_GT(prises_multiples, 24);
  DossierTemporaire d;
  ASSERT_TRUE(ecrire_fichier_sur(d.chemin / "parties.pdn", fichier));
  const auto lu = lire_fichier(d.chemin / "parties.pdn");
  ASSERT_TRUE(lu);
  const std::vector<PartieLue> p =
      lire_parties(std::string_view(reinterpret_cast<const char*>(lu->data()), lu->size()), "parties.pdn");
  ASSERT_EQ(p.size(), 24u);
  for (std::size_t g = 0; g < p.size(); ++g) {
    ASSERT_FALSE(rejouer_partie(p[g], static_cast<int>(g + 1), true).arrete) << g;
    EXPECT_EQ(plis_du_record(), records[g]) << "game " << g + 1;
  }
}
