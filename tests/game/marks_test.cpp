// What the board shows besides the pieces, as game state: the computer's
// last move and the pieces it took, the pieces that must capture, the hint,
// the end of a game, and the click meant for a move played at once.
#include <gtest/gtest.h>

#include "game/end.h"
#include "game/game.h"
#include "game/input.h"
#include "game/marks.h"
#include "game/session.h"
#include "game/turn.h"
#include "knowledge/books.h"
#include "records/pdn.h"
#include "search/search_support.h"
#include "support/etat.h"
#include "support/positions.h"

namespace {

using Marques = Moteur;
using Conseil = recherche_test::Recherche;  // tables, databases and parameters loaded

// A square as the board numbers it on screen.
Case vue(int numero) { return static_cast<Case>(33 - numero); }

std::uint32_t cases(std::initializer_list<int> numeros) {
  std::uint32_t c = 0;
  for (int n : numeros) c |= 1u << (vue(n) - 1);
  return c;
}

void commencer(const char* fen) {
  poser_fen(fen);
  commencer_partie();
  sauver_position();
}

}  // namespace

TEST_F(Marques, ThePiecesThatMustCaptureAreThoseWithACapture) {
  commencer("B:W17,18,19,21,26,27,30,31,32:B1,2,3,5,6,10,14,15,12");
  const auto avant = plateau();
  EXPECT_EQ(pieces_devant_prendre(damier_sauve, trait), cases({14, 15}));
  EXPECT_EQ(plateau(), avant);  // the board is left as it was
  // No capture to make: nothing to mark, whoever is asked.
  commencer("B:W17,21,22,23,25,26,27,29,30,31,32:B1,2,3,4,6,7,9,10,11,13");
  EXPECT_EQ(pieces_devant_prendre(damier_sauve, trait), 0u);
  EXPECT_EQ(pieces_devant_prendre(damier_sauve, adversaire(trait)), 0u);
}

TEST_F(Marques, TheComputersMoveIsMarkedWithThePiecesItTookUntilTheNextMove) {
  commencer("W:W28,29,31,32,25,22:B24,16,7,3,1,2,5,9,6,11");
  ASSERT_EQ(coups_legaux(trait), 1);
  const Coup m = listes_coups[1][0];
  jouer_coup_ordinateur(m, 16);
  EXPECT_EQ(case_depart_marquee, vue(28));
  EXPECT_EQ(case_arrivee_marquee, vue(12));
  ASSERT_EQ(nb_prises_marquees, 2);
  std::set<int> prises;
  for (int k = 0; k < 2; ++k) {
    prises.insert(prises_marquees[k].case_);
    EXPECT_EQ(prises_marquees[k].piece, PION_BLANC);  // black men on screen
  }
  EXPECT_EQ(prises, (std::set<int>{vue(24), vue(16)}));
  // Any move ends them; so does a move through the record.
  coups_legaux(trait);
  jouer_et_enregistrer(0);
  EXPECT_EQ(case_arrivee_marquee, 0);
  EXPECT_EQ(nb_prises_marquees, 0);
  aller_au_demi_coup(0);
  coups_legaux(trait);
  jouer_coup_ordinateur(listes_coups[1][0], 16);
  EXPECT_NE(case_arrivee_marquee, 0);
  aller_au_demi_coup(0);
  EXPECT_EQ(case_arrivee_marquee, 0);
}

TEST_F(Marques, TheHintShowsEveryLandingSquareAndGoesWithTheNextMove) {
  // The king on 13 takes three pieces two ways that part after the first.
  commencer("B:W9,10,14,24,25:B3,K13,26");
  ASSERT_EQ(coups_legaux(trait), 2);
  const Coup m = listes_coups[1][1];
  montrer_conseil(m);
  EXPECT_EQ(conseil_montre, 1);
  int n = 0;
  while (n + 1 < MAX_PRISES && escales_conseil[n + 1] != 0) ++n;
  EXPECT_EQ(n, 3);
  EXPECT_EQ(escales_conseil[3], m.arrivee);
  coups_legaux(trait);
  jouer_et_enregistrer(1);
  EXPECT_EQ(conseil_montre, 0);
}

TEST_F(Conseil, TheHintIsASearchOfItsOwnThatLeavesTheLastSearchAlone) {
  commencer("B:W17,21,22,23,25,26,27,29,30,31,32:B1,2,3,4,6,7,9,10,11,13");
  score_racine = 123;
  reflexion_anticipee = 0;
  bibliotheque_active = 1;
  const ResultatRecherche r = chercher_conseil(trait);
  ASSERT_TRUE(r.joue());
  EXPECT_EQ(r.origine, OrigineCoup::Recherche);  // never the book
  EXPECT_EQ(r.profondeur, PROFONDEUR_CONSEIL);
  EXPECT_EQ(score_racine, 123);
  EXPECT_EQ(reflexion_anticipee, 0);
  EXPECT_EQ(profondeur_imposee, 0);
  EXPECT_EQ(bibliotheque_active, 1);
  // A single legal move is advised too.
  commencer("B:W30:B5");
  EXPECT_TRUE(chercher_conseil(trait).joue());
  // Not while a rated game runs.
  match_classe = 1;
  EXPECT_FALSE(etat_commandes().Conseil1);
  match_classe = 0;
  EXPECT_TRUE(etat_commandes().Conseil1);
  session.ordinateur_contre_ordinateur = true;
  EXPECT_FALSE(etat_commandes().Conseil1);
  session = Session{};
}

TEST_F(Marques, TheEndOfAGameLastsUntilANewGameOrAMovePlayedAfterIt) {
  commencer("B:W17,21,22,23,25,26,27,29,30,31,32:B1,2,3,4,6,7,9,10,11,13");
  noter_fin(FIN_SANS_COUP_HUMAIN, SANS_RESULTAT);  // nobody is out of moves: nothing ended
  EXPECT_FALSE(fin_montree.terminee);
  noter_fin(FIN_ABANDON, NOIRS_GAGNENT);
  EXPECT_TRUE(fin_montree.terminee);
  EXPECT_EQ(fin_montree.code, FIN_ABANDON);
  coups_legaux(trait);
  jouer_et_enregistrer(0);
  aller_au_demi_coup(0);
  EXPECT_FALSE(fin_montree.terminee);
  noter_fin(FIN_NULLE, PARTIE_NULLE);
  aller_au_demi_coup(1);  // looking back keeps it
  EXPECT_TRUE(fin_montree.terminee);
  commencer_partie();
  EXPECT_FALSE(fin_montree.terminee);
}

TEST(ResultatPdn, WhitesScoreComesFirstInEitherNotation) {
  // Pool numbering: camp 1 is White. Algebraic: the first mover is.
  EXPECT_STREQ(texte_resultat_pdn(NOIRS_GAGNENT, false), "2-0");
  EXPECT_STREQ(texte_resultat_pdn(BLANCS_GAGNENT, false), "0-2");
  EXPECT_STREQ(texte_resultat_pdn(BLANCS_GAGNENT, true), "2-0");
  EXPECT_STREQ(texte_resultat_pdn(PARTIE_NULLE, true), "1-1");
  EXPECT_STREQ(texte_resultat_pdn(SANS_RESULTAT, false), "*");
}

TEST_F(Marques, AClickOnTheDestinationOfAMovePlayedAtOnceIsDroppedOnce) {
  std::int64_t maintenant = 5000;
  crochet_horloge_ms = [&] { return maintenant; };
  abandonner_saisie();
  // The man on 5 has one move: the click that takes it up plays it.
  commencer("B:W30:B5");
  ASSERT_EQ(saisir_case(vue(5)).etat, EtatSaisie::Termine);
  EXPECT_EQ(case_clic_superflu, vue(9));
  // While the reply is awaited, however long it takes.
  maintenant += 60000;
  EXPECT_TRUE(clic_superflu(vue(9)));
  EXPECT_FALSE(clic_superflu(vue(9)));  // once only
  // After the reply, for a while.
  case_clic_superflu = vue(9);
  fin_clic_superflu = 0;
  armer_clic_superflu();
  maintenant += DELAI_CLIC_SUPERFLU_MS - 1;
  EXPECT_TRUE(clic_superflu(vue(9)));
  case_clic_superflu = vue(9);
  fin_clic_superflu = 0;
  armer_clic_superflu();
  maintenant += DELAI_CLIC_SUPERFLU_MS;
  EXPECT_FALSE(clic_superflu(vue(9)));
  // A click elsewhere ends the rule.
  case_clic_superflu = vue(9);
  fin_clic_superflu = 0;
  EXPECT_FALSE(clic_superflu(vue(1)));
  EXPECT_FALSE(clic_superflu(vue(9)));
  // A move entered in two clicks leaves no such rule.
  abandonner_saisie();
  commencer("B:W30:B10");
  ASSERT_EQ(saisir_case(vue(10)).etat, EtatSaisie::Attente);
  ASSERT_EQ(saisir_case(vue(14)).etat, EtatSaisie::Termine);
  EXPECT_EQ(case_clic_superflu, 0);
  abandonner_saisie();
  crochet_horloge_ms = nullptr;
}

TEST(CaseDuClic, OnlyThePlayableSquaresOfEitherBoardAnswer) {
  // Square 1 lies in the top row, second column, of the normal board.
  EXPECT_EQ(case_du_clic(60 + 50, 30, false), 1);
  EXPECT_EQ(case_du_clic(60 + 50, 30, true), 32);
  EXPECT_EQ(case_du_clic(30, 30, false), 0);           // a light square
  EXPECT_EQ(case_du_clic(8 * 60 + 25, 30, false), 0);  // right of the board
  EXPECT_EQ(case_du_clic(90, 8 * 60 + 25, false), 0);  // below it
  EXPECT_EQ(case_du_clic(30, 60 * 7 + 50, false), 29);
}
