// The program's text format: writing, reading back, skipping illegal moves,
// names in Latin-1 and UTF-8 (the pick list of several games: the window's test).

#include <regex>

#include "records/game_file.h"
#include "records/text_games.h"
#include "rules/notation.h"
#include "records_support.h"
#include "support/etat.h"
#include "support/positions.h"

using TexteParties = Moteur;

namespace {

// The first legal move, `n` times, from the starting position.
void premiers_coups(int n) {
  position_initiale();
  commencer_partie();
  for (int h = 0; h < n; ++h) {
    ASSERT_GT(coups_legaux(trait), 0);
    jouer_et_enregistrer(0);
  }
}

std::vector<std::string> lignes(const std::string& texte) {
  std::vector<std::string> l;
  for (std::size_t p = 0; p < texte.size();) {
    const std::size_t fin = texte.find("\r\n", p);
    l.push_back(texte.substr(p, fin - p));
    p = fin == std::string::npos ? texte.size() : fin + 2;
  }
  return l;
}

}  // namespace

TEST_F(TexteParties, WritesTheHeaderWithTheResultAndFourMoveLinesPerLine) {
  position_initiale();
  commencer_partie();
  for (auto [o, d] : {std::pair{22, 18}, {9, 14}}) {
    coups_legaux(trait);
    int i = 0;
    while (listes_coups[1][i].depart != o || listes_coups[1][i].arrivee != d) ++i;
    jouer_et_enregistrer(i);
  }
  EXPECT_EQ(ecrire_texte_partie("A", "B", BLANCS_GAGNENT), "A-B  2-0\r\nCorvane109\r\n 1.11-15 24-19  \r\n");
  for (auto [resultat, tete] : {std::pair{SANS_RESULTAT, "A-B \r\n"}, {PARTIE_NULLE, "A-B  1-1\r\n"}, {NOIRS_GAGNENT, "A-B  0-2\r\n"}})
    EXPECT_EQ(ecrire_texte_partie("A", "B", resultat).substr(0, std::strlen(tete)), tete);

  // Ten full moves: lines of four, four and two entries.
  premiers_coups(20);
  std::vector<std::string> l = lignes(ecrire_texte_partie("A", "B", SANS_RESULTAT));
  ASSERT_EQ(l.size(), 5u);
  const std::vector<std::string> liste = lignes_liste_coups(partie, dernier_demi_coup);
  ASSERT_EQ(liste.size(), 10u);
  EXPECT_EQ(l[2], liste[0] + "  " + liste[1] + "  " + liste[2] + "  " + liste[3] + "  ");
  EXPECT_EQ(l[4], liste[8] + "  " + liste[9] + "  ");
  // An odd number of plies: the line of the last white move is written too.
  premiers_coups(21);
  l = lignes(ecrire_texte_partie("A", "B", SANS_RESULTAT));
  ASSERT_EQ(l.size(), 5u);
  const std::string dernier = "11." + notation_coup(partie[21].depart, partie[21].arrivee, partie[21].nb_prises > 0);
  EXPECT_EQ(l[4].substr(l[4].size() - 11), dernier + "   ");
}

// The format holds no starting position: a game that does not begin from
// the starting position with camp 0 to move is refused, not written as a
// file that would read back as another game.
TEST_F(TexteParties, AGameFromASetUpPositionIsRefused) {
  const auto refus_apres = [](int plies) {
    commencer_partie();
    for (int h = 0; h < plies; ++h) {
      EXPECT_GT(coups_legaux(trait), 0);
      jouer_et_enregistrer(0);
    }
    RefusTexte refus = RefusTexte::Aucun;
    EXPECT_EQ(ecrire_texte_partie("A", "B", SANS_RESULTAT, &refus), "");
    EXPECT_EQ(refus_texte_partie("A", "B"), refus);
    return refus;
  };
  poser_fen("B:W18,22,K30:B9,14");
  EXPECT_EQ(refus_apres(3), RefusTexte::PositionPosee);
  EXPECT_EQ(refus_apres(0), RefusTexte::PositionPosee);  // a position and no move yet
  position_initiale();
  trait = NOIRS;  // the starting position, camp 1 moving first
  EXPECT_EQ(refus_apres(2), RefusTexte::PositionPosee);
  // From the starting position the game is written, whatever the board shows now.
  premiers_coups(4);
  poser_fen("B:W18:B14");
  RefusTexte refus = RefusTexte::PositionPosee;
  EXPECT_NE(ecrire_texte_partie("A", "B", SANS_RESULTAT, &refus), "");
  EXPECT_EQ(refus, RefusTexte::Aucun);
  EXPECT_EQ(refus_texte_partie("A", "B"), RefusTexte::Aucun);
}

TEST_F(TexteParties, ReadsNumericNamesIntoSquaresAndSkipsWhatIsNotLegal) {
  std::vector<PartieLue> p = lire_parties_texte("Anne-Bruno\r\n 1.11-15\r\n");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].nom_noir, "Bruno");
  EXPECT_FALSE(rejouer_partie(p[0], 1, false).arrete);
  EXPECT_EQ(nb_demi_coups, 1);
  EXPECT_EQ(damier[18], PION_BLANC);  // "11-15" names internal squares 22 and 18
  EXPECT_EQ(trait, NOIRS);
  EXPECT_STREQ(partie[0].nom_blancs, "Anne");

  // The first move is not legal: it is skipped and white still moves; a
  // blank stands for "0", a name that is no square gives square 0.
  p = lire_parties_texte("X-Y\r\n1.10-19 11-15 2.24-19 15x24 33-28 3. 9-13\r\n");
  ASSERT_EQ(p.size(), 1u);
  ASSERT_EQ(p[0].coups.size(), 6u);
  EXPECT_EQ(p[0].coups[4].depart, 0);
  EXPECT_EQ(p[0].coups[5].depart, 24);
  EXPECT_EQ(p[0].coups[5].numero, 3);
  rejouer_partie(p[0], 1, false);
  ASSERT_EQ(dernier_demi_coup, 3);
  EXPECT_EQ(partie[1].depart, 22);
  EXPECT_EQ(partie[2].depart, 9);
  EXPECT_EQ(partie[3].nb_prises, 1);
  EXPECT_EQ(trait, NOIRS);  // the last two moves were not black's
  EXPECT_EQ(std::memcmp(damier_sauve + 1, damier + 1, 32), 0);
}

TEST_F(TexteParties, WhatItWritesItReadsBackMoveForMove) {
  std::mt19937 hasard(7);
  for (int essai = 0; essai < 5; ++essai) {
    position_initiale();
    partie_aleatoire(hasard, 120);
    const auto avant = plis_du_record();
    const int resultat = resultat_partie;
    const std::string texte = ecrire_texte_partie("Blanc", "Noir", resultat);
    const std::vector<PartieLue> p = lire_parties_texte(texte);
    ASSERT_EQ(p.size(), 1u);
    rejouer_partie(p[0], 1, true);
    EXPECT_EQ(plis_du_record(), avant) << texte;
    EXPECT_EQ(resultat_partie, resultat);
    EXPECT_EQ(ecrire_texte_partie("Blanc", "Noir", resultat), texte);
  }
}

// Every ply the record holds comes back: a full record of 254 plies, one of
// 251, and a game written while the board shows algebraic square names.
// Seed 51 plays at ply 48 a capture whose origin and destination name
// another capture that the replay would take first: its landing squares
// are written.
TEST_F(TexteParties, EveryPlyOfTheRecordReadsBack) {
  const auto relire = [](const std::string& quoi) {
    SCOPED_TRACE(quoi);
    const auto avant = plis_du_record();
    const std::string texte = ecrire_texte_partie("Blanc", "Noir", SANS_RESULTAT);
    const std::vector<PartieLue> p = lire_parties_texte(texte);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].coups.size(), avant.size() - 1);
    EXPECT_FALSE(rejouer_partie(p[0], 1, true).arrete);
    EXPECT_TRUE(plis_du_record() == avant) << texte;
  };
  std::mt19937 hasard(51);
  position_initiale();
  partie_prudente(hasard);
  ASSERT_EQ(dernier_demi_coup, DERNIER_DEMI_COUP);
  const std::string texte = ecrire_texte_partie("A", "B", SANS_RESULTAT);
  EXPECT_TRUE(std::regex_search(texte, std::regex(" 24\\.[0-9]{2}[-x][0-9]{2} [0-9]{2}x[0-9]{2}x[0-9]{2}"))) << texte;
  relire("254 plies");
  choisir_noms_cases(true);
  relire("algebraic names on the board");
  dernier_demi_coup = nb_demi_coups = 251;
  relire("251 plies");
}

// Names go into the header as they are, white "-" black: a name the reader
// would read otherwise is refused, saying which, rather than written.
TEST_F(TexteParties, NamesThatWouldNotReadBackAreRefused) {
  premiers_coups(6);
  const auto refus = [](const std::string& blanc, const std::string& noir) {
    RefusTexte r = RefusTexte::Aucun;
    const std::string texte = ecrire_texte_partie(blanc, noir, BLANCS_GAGNENT, &r);
    EXPECT_EQ(texte.empty(), r != RefusTexte::Aucun);
    if (r == RefusTexte::Aucun) {
      // What is written reads back with the same names.
      const std::vector<PartieLue> p = lire_parties_texte(texte);
      EXPECT_EQ(p.size(), 1u);
      if (p.size() == 1) {
        EXPECT_EQ(p[0].nom_blanc, blanc);
        EXPECT_EQ(p[0].nom_noir, noir);
        EXPECT_EQ(p[0].coups.size(), 6u);
        EXPECT_EQ(p[0].resultat, BLANCS_GAGNENT);
      }
    }
    return r;
  };
  EXPECT_EQ(refus("Jean-Pierre", "Anne"), RefusTexte::NomBlanc);  // the hyphen parts the names
  EXPECT_EQ(refus("Anne", "Jean-Pierre"), RefusTexte::Aucun);
  EXPECT_EQ(refus("Club 1.e", "Anne"), RefusTexte::NomBlanc);     // "1." begins the moves
  EXPECT_EQ(refus("Anne", "Equipe 1."), RefusTexte::NomNoir);
  EXPECT_EQ(refus("Anne", "Le  Roux"), RefusTexte::NomNoir);      // two blanks end the black name
  EXPECT_EQ(refus(" Anne", "Bob"), RefusTexte::NomBlanc);         // blanks round a name are dropped
  EXPECT_EQ(refus("Anne", "Bob\t"), RefusTexte::NomNoir);
  EXPECT_EQ(refus("Anne", "Bo\nb"), RefusTexte::NomNoir);
  // Latin-1 names read back as Latin-1, unless their bytes happen to be UTF-8
  // (the reader would take them as such).
  EXPECT_EQ(refus("H\xe9l\xe8ne Dupont-L", "Fran\xe7ois 10.5 x"), RefusTexte::NomBlanc);
  EXPECT_EQ(refus("H\xe9l\xe8ne Duponteau", "Fran\xe7ois 10 x 2-0"), RefusTexte::Aucun);
  EXPECT_EQ(refus("", ""), RefusTexte::Aucun);
  EXPECT_EQ(refus("\xC3\xA9lise", "Bob"), RefusTexte::NomBlanc);
  EXPECT_EQ(refus("\xC3\xA9lise", "J\xF8rn"), RefusTexte::Aucun);  // this one is not UTF-8: the file neither
}

TEST_F(TexteParties, NamesAreLatin1WhetherTheFileIsLatin1OrUtf8) {
  EXPECT_EQ(texte_en_latin1("\xC3\x89lodie-Ji\xC5\x99\xC3\xAD"), "\xC9lodie-Ji?\xED");
  EXPECT_EQ(texte_en_latin1("\xEF\xBB\xBFZo\xC3\xAB"), "Zo\xEB");
  EXPECT_EQ(texte_en_latin1("\xC9lodie"), "\xC9lodie");  // not UTF-8: taken as Latin-1
  EXPECT_EQ(texte_en_latin1("Zo\xC3"), "Zo?");           // a character cut by the end of what was read
  EXPECT_EQ(latin1_en_utf8("\xC9t\xE9"), "\xC3\x89t\xC3\xA9");
  for (const char* texte : {"\xC9lodie-Zo\xEB\r\n 1.11-15\r\n", "\xC3\x89lodie-Zo\xC3\xAB\r\n 1.11-15\r\n"}) {
    const std::vector<PartieLue> p = lire_parties_texte(texte);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].nom_blanc, "\xC9lodie");
    EXPECT_EQ(p[0].nom_noir, "Zo\xEB");
  }
  // Names are cut to fit the record.
  const std::vector<PartieLue> p = lire_parties_texte("Abcdefghijklmnopqrstuvwxyz-B\r\n");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].nom_blanc, "Abcdefghijklmnopqrs");
  EXPECT_EQ(p[0].nom_noir, "B");
}
