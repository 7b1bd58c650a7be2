// Entering moves with the mouse: selection, capture paths that part, and every
// legal move of many positions entered by the final square or the landing squares.
#include <gtest/gtest.h>

#include "game/game.h"
#include "game/input.h"
#include "support/clics.h"
#include "support/positions.h"

namespace {

class Saisie : public ::testing::Test {
 protected:
  void SetUp() override { abandonner_saisie(); }
  void TearDown() override { abandonner_saisie(); }

  static int nb_marques(std::uint8_t marque) {
    int n = 0;
    for (int s = 1; s <= 32; ++s) n += marques_cases[s] == marque;
    return n;
  }
  // Internal square of a position written in the board's public numbers.
  static Case c(int numero) { return static_cast<Case>(33 - numero); }
};

TEST_F(Saisie, AKingWhosePathsPartAfterItsFirstCaptureIsAskedOnlyThere) {
  // The king on 13 takes three pieces two ways that part after the first.
  for (const bool par_destination : {true, false}) {
    SCOPED_TRACE(par_destination);
    poser_fen("B:W9,10,14,24,25:B3,K13,26");
    const int n = coups_legaux(trait);
    ASSERT_EQ(n, 2);
    const Coup voulu = listes_coups[1][1];
    ASSERT_EQ(saisir_case(c(13)).etat, EtatSaisie::Attente);
    EXPECT_EQ(nb_escales_saisies, 1);  // the common first landing square, fixed
    EXPECT_EQ(marques_cases[chemin_saisi[1]], 0);
    EXPECT_EQ(nb_marques(MARQUE_ESCALE), 2);
    EXPECT_EQ(nb_marques(MARQUE_DESTINATION), 2);
    coups_legaux(trait);
    const std::vector<Case> chemin = chemin_du_coup(voulu);
    coups_piece(c(13), trait);
    ASSERT_EQ(saisir_case(par_destination ? voulu.arrivee : chemin[2]).etat, EtatSaisie::Termine);
    EXPECT_EQ(coup_saisi.nb_prises, 3);
    terminer_coup_humain();
    EXPECT_EQ(damier[voulu.arrivee], DAME_BLANCHE);
    EXPECT_EQ(piece_en_main, 0);
  }
}

TEST_F(Saisie, SelectionQuietMovesAndDeselection) {
  position_initiale();
  // A man with two moves: both offered; elsewhere does nothing; its square puts it down.
  const Case homme = 22;
  ASSERT_EQ(coups_piece(homme, BLANCS), 2);
  EXPECT_EQ(saisir_case(homme).etat, EtatSaisie::Attente);
  EXPECT_EQ(nb_marques(MARQUE_ESCALE), 2);
  EXPECT_EQ(saisir_case(5).etat, EtatSaisie::Attente);
  EXPECT_EQ(saisir_case(homme).etat, EtatSaisie::Deselection);
  EXPECT_EQ(piece_en_main, 0);
  // A blocked man and an enemy man cannot be taken up.
  EXPECT_EQ(saisir_case(29).etat, EtatSaisie::Ignore);
  EXPECT_EQ(saisir_case(9).etat, EtatSaisie::Ignore);
  // A man with one move plays it at once.
  poser({{22, PION_BLANC}, {17, PION_NOIR}, {5, PION_NOIR}}, BLANCS);
  ASSERT_EQ(saisir_case(22).etat, EtatSaisie::Termine);
  EXPECT_EQ(coup_saisi.nb_prises, 1);
  abandonner_saisie();
  // With a capture to make, a piece that cannot capture is ignored, the notice raised.
  poser({{22, PION_BLANC}, {17, PION_NOIR}, {24, PION_BLANC}}, BLANCS);
  const ResultatSaisie r = saisir_case(24);
  EXPECT_EQ(r.etat, EtatSaisie::Ignore);
  EXPECT_TRUE(r.prise_obligatoire);
}

TEST_F(Saisie, EveryLegalMoveOfManyPositionsCanBeEnteredBothWays) {
  std::mt19937 aleas(11);
  int coups_essayes = 0, prises_longues = 0;
  for (int partie_ = 0; partie_ < 60; ++partie_) {
    position_initiale();
    for (int ply = 0; ply < 120; ++ply) {
      const int n = coups_legaux(trait);
      if (n == 0) break;
      std::uint8_t depart[33];
      std::memcpy(depart, damier, sizeof depart);
      const Camp camp = trait;
      for (int i = 0; i < n; ++i) {
        for (const bool par_destination : {true, false}) {
          std::memcpy(damier, depart, sizeof depart);
          trait = camp;
          coups_legaux(trait);
          const Coup m = listes_coups[1][i];
          const std::vector<Case> chemin = chemin_du_coup(m);
          ASSERT_FALSE(chemin.empty());
          abandonner_saisie();
          EtatSaisie e = EtatSaisie::Attente;
          for (int clics = 0; clics < 16 && e != EtatSaisie::Termine; ++clics) {
            e = saisir_case(prochain_clic(m, chemin, par_destination)).etat;
            ASSERT_NE(e, EtatSaisie::Ignore);
            ASSERT_NE(e, EtatSaisie::Deselection);
          }
          ASSERT_EQ(e, EtatSaisie::Termine);
          Coup saisi{coup_saisi.depart, coup_saisi.arrivee, coup_saisi.nb_prises, {}, 0};
          std::memcpy(saisi.prises, coup_saisi.prises, sizeof saisi.prises);
          ASSERT_TRUE(meme_coup(saisi, m)) << notation_coup(m);
          ++coups_essayes;
          prises_longues += m.nb_prises >= 2;
        }
      }
      std::memcpy(damier, depart, sizeof depart);
      trait = camp;
      coups_legaux(trait);
      jouer_coup(listes_coups[1][aleas() % n]);
    }
  }
  abandonner_saisie();
  EXPECT_GT(prises_longues, 100);
  EXPECT_GT(coups_essayes, 10000);
}

}  // namespace
