// Opening books: reading lines, the sorted lists and their files, book sets
// and consultation against the game record (the shipped books: the tool's test).

#include <filesystem>
#include <fstream>
#include <random>

#include "rules/fen.h"
#include "rules/moves.h"
#include "support/etat.h"

namespace fs = std::filesystem;

namespace {

// Displayed square n is internal square 33 - n.
constexpr Case c(int n) { return static_cast<Case>(33 - n); }

// Plays the half-moves (displayed numbers) from the start position into the
// game record, as the game does.
void jouer_partie(std::initializer_list<std::pair<int, int>> coups) {
  position_initiale();
  commencer_partie();
  for (const auto& [o, d] : coups) {
    const int n = coups_legaux(trait);
    int k = 0;
    while (k < n && !(listes_coups[1][k].depart == c(o) && listes_coups[1][k].arrivee == c(d))) ++k;
    ASSERT_LT(k, n) << o << "-" << d << " is not legal";
    jouer_et_enregistrer(k);
  }
}

using BookLines = Moteur;
using BookFiles = MoteurDossier;
using BookConsultation = Moteur;

// The squares of a line read back, as displayed numbers.
std::vector<std::pair<int, int>> lus(const std::vector<CoupBibliotheque>& l) {
  std::vector<std::pair<int, int>> v;
  for (const CoupBibliotheque& m : l) v.push_back({m.depart ? 33 - m.depart : 0, m.arrivee ? 33 - m.arrivee : 0});
  return v;
}

std::vector<std::pair<int, int>> candidats() { return lus({coups_bibliotheque, coups_bibliotheque + nb_coups_bibliotheque}); }

}  // namespace

TEST_F(BookLines, ReadWrittenFormsAndUnreadableNumbersAsSquareZero) {
  using V = std::vector<std::pair<int, int>>;
  const std::pair<const char*, V> cas[] = {
      {" 9-14 22-17 5- 9 17x10 ", {{9, 14}, {22, 17}, {5, 9}, {17, 10}}},  // two digits, one, a capture
      {"ab-14 33-17 00-01", {{0, 14}, {0, 17}, {0, 1}}},                 // 33 and 0 are no squares
      {"", {}},
      {"9", {}},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(lus(lire_ligne_ouverture(texte)), attendu) << texte;
  EXPECT_EQ(lire_ligne_ouverture(" 9-14 22-17 11-15 ", 2).size(), 2u);  // up to the half-move asked for
  const CoupBibliotheque coups[] = {{c(9), c(14)}, {c(22), c(17)}, {c(11), c(15)}, {c(32), c(28)}};
  const std::string texte = ecrire_ligne_ouverture(coups, 4);
  EXPECT_EQ(texte, " 9-14 22-17 11-15 32-28 ");
  EXPECT_EQ(lus(lire_ligne_ouverture(texte)), (V{{9, 14}, {22, 17}, {11, 15}, {32, 28}}));
}

// Saved with CR LF, loaded sorted; missing: an empty list; random bytes load,
// and a consultation of them gives only squares.
TEST_F(BookFiles, SavedLoadedSortedAndGarbageDoesNoHarm) {
  ASSERT_TRUE(sauver_ouvertures(dossier / "b.ouv", {"11-15 24-19 ", " 9-14 22-17 ", "10-14 "}));
  EXPECT_EQ(contenu(dossier / "b.ouv"), "11-15 24-19 \r\n 9-14 22-17 \r\n10-14 \r\n");
  std::vector<std::string> l;
  ASSERT_TRUE(charger_ouvertures(dossier / "b.ouv", l));
  EXPECT_EQ(l, (std::vector<std::string>{" 9-14 22-17 ", "10-14 ", "11-15 24-19 "}));
  EXPECT_FALSE(charger_ouvertures(dossier / "absent.ouv", l));
  EXPECT_TRUE(l.empty());
  std::mt19937 rng(11);
  std::string octets(5000, '\0');
  for (char& ch : octets) ch = static_cast<char>(rng() % 256);
  ASSERT_TRUE(ecrire_fichier_sur(dossier / "x.ouv", octets));
  EXPECT_TRUE(charger_ouvertures(dossier / "x.ouv", ouvertures_blancs));
  jouer_partie({});
  consulter_bibliotheque();
  for (int i = 0; i < nb_coups_bibliotheque; ++i) EXPECT_TRUE(coups_bibliotheque[i].depart - 1u < 32u);
}

// A set saved and loaded back is the window test's; here what it cannot do.
TEST_F(BookFiles, ASetThatCannotBeWrittenOrReadChangesNothing) {
  repertoire_depart = dossier;
  ouvertures_noirs = {" 9-14 22-18 "};
  EXPECT_FALSE(charger_jeu_ouvertures(dossier / "Absent.ovv"));
  EXPECT_EQ(ouvertures_noirs, std::vector<std::string>{" 9-14 22-18 "});
  // A folder in the place of one file of the set: none is written.
  fs::create_directories(dossier / "Plein_n.ouv");
  EXPECT_FALSE(sauver_jeu_ouvertures(dossier / "Plein.ovv", {}, {" 9-14 "}, {}));
  EXPECT_FALSE(fs::exists(dossier / "Plein.ovv"));
  EXPECT_FALSE(fs::exists(dossier / "Plein_b.ouv"));
}

// Lines that are not games from the start position are taken out, with the
// number of their first wrong half-move; the game on the board is untouched.
TEST_F(BookFiles, IllegalLinesAreRefusedAndTheGameBoardIsKept) {
  jouer_partie({{9, 14}, {22, 18}});
  std::uint8_t avant[33];
  std::memcpy(avant, damier, sizeof avant);
  const int n = coups_legaux(trait);
  const Coup premier = listes_coups[1][0];
  std::vector<std::string> lignes = {" 9-14 22-18 ", "   ", " 9-14 22-19 ", "12-16 9-14 ", "9-14 22x18 "};
  const std::vector<LigneRefusee> r = retirer_lignes_illegales(lignes);
  EXPECT_EQ(lignes, (std::vector<std::string>{" 9-14 22-18 ", "9-14 22x18 "}));
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].ligne, " 9-14 22-19 ");
  EXPECT_EQ(r[0].demi_coup, 2);
  EXPECT_EQ(r[1].demi_coup, 2);  // white's 12-16, then 9-14 by black is not legal
  EXPECT_EQ(std::memcmp(avant, damier, sizeof avant), 0);
  EXPECT_EQ(trait, BLANCS);
  EXPECT_EQ(nb_coups[1], n);
  EXPECT_TRUE(meme_coup(listes_coups[1][0], premier));
}

TEST_F(BookConsultation, TheSideToMovesLinesAgreeingWithTheWholeGameGiveEachNextMoveOnce) {
  using V = std::vector<std::pair<int, int>>;
  struct Cas {
    std::vector<std::string> blancs, noirs;
    std::initializer_list<std::pair<int, int>> partie;
    V attendu;
  };
  const Cas cas[] = {
      {{" 9-14 22-17 ", " 9-14 23-18 ", "10-14 22-18 ", "11-15 "}, {}, {}, {{9, 14}, {10, 14}, {11, 15}}},
      {{" 9-14 22-17 11-15 ", " 9-14 22-18 12-16 ", " 9-14 22-18 5- 9 ", "10-14 22-18 6-10 "}, {},
       {{9, 14}, {22, 18}}, {{12, 16}, {5, 9}}},
      {{" 9-14 24-19 "}, {" 9-14 22-18 "}, {{9, 14}}, {{22, 18}}},  // black to move reads its own book
      {{}, {" 9-14 "}, {{9, 14}}, {}},                                // a line ending with the game
  };
  for (const Cas& k : cas) {
    ouvertures_blancs = k.blancs;
    ouvertures_noirs = k.noirs;
    trier_ouvertures(ouvertures_blancs);
    jouer_partie(k.partie);
    consulter_bibliotheque();
    EXPECT_EQ(candidats(), k.attendu) << (k.blancs.empty() ? k.noirs[0] : k.blancs[0]);
  }
}

TEST_F(BookConsultation, TwentyCandidatesAtMost) {
  // 22 lines with distinct fourth half-moves after the same three.
  ouvertures_noirs.clear();
  for (int a = 1; a <= 22; ++a) {
    const CoupBibliotheque coups[] = {{c(9), c(14)}, {c(22), c(18)}, {c(11), c(15)}, {c(a + 10), c(a + 5)}};
    ouvertures_noirs.push_back(ecrire_ligne_ouverture(coups, 4));
  }
  trier_ouvertures(ouvertures_noirs);
  jouer_partie({{9, 14}, {22, 18}, {11, 15}});
  consulter_bibliotheque();
  EXPECT_EQ(nb_coups_bibliotheque, MAX_COUPS_BIBLIOTHEQUE);
}

// The editor's line of the game, and the consultation, use square numbers
// whatever names the board shows.
TEST_F(BookConsultation, NumbersWhateverTheNamesShown) {
  jouer_partie({{9, 14}, {22, 18}, {5, 9}});
  EXPECT_EQ(nouvelle_ouverture(), " 9-14 22-18  5- 9 ");
  choisir_noms_cases(true);  // the board shows b8..g1
  jouer_partie({{9, 14}, {22, 18}});
  EXPECT_EQ(nouvelle_ouverture(), " 9-14 22-18 ");
  ouvertures_blancs = {" 9-14 22-18 11-15 "};
  consulter_bibliotheque();
  EXPECT_EQ(candidats(), (std::vector<std::pair<int, int>>{{11, 15}}));
}
