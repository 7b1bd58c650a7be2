// Playing the game's moves, the decomposition of a capture into its stops
// (one piece's moves and landing squares: the input tests), the masks.

#include "support/etat.h"
#include "support/positions.h"

using LegalMoves = Moteur;

// The lists themselves are the oracle's tests (generation_test).
TEST_F(LegalMoves, PlayingCrownsAManOnItsFarRow) {
  const std::tuple<const char*, const char*, const char*> parties[] = {
      {"B:W:B28", "28-32", "W:W:BK32"},      // a man reaching the far row is crowned
      {"B:W27:B23", "23x32", "W:W:BK32"},    // so is one whose capture ends there
      {"B:W26,27:B22", "22x24", "W:W:B24"},  // one passing through it stays a man
      {"W:W5:B", "05-01", "B:WK1:B"},        // black crowns on the other side
  };
  for (const auto& [fen, coup, apres] : parties) {
    SCOPED_TRACE(fen);
    poser_fen(fen);
    const int n = coups_legaux(trait);
    const int k = indice_coup(coup, n);
    ASSERT_LT(k, n) << notations(n);
    jouer_coup(listes_coups[1][k]);
    EXPECT_EQ(ecrire_fen(position_courante()), apres);
  }
}

TEST_F(LegalMoves, ACaptureIsFoundByItsOriginDestinationAndCapturesInOrder) {
  poser_fen("B:W11,14:BK4");
  const std::uint8_t prises[2] = {22, 19};
  ASSERT_EQ(decomposer_prise(29, 24, prises, 2), 0);
  EXPECT_EQ(escales[1][2], 24);
  EXPECT_EQ(decomposer_prise(29, 28, prises, 2), 1);
  EXPECT_EQ(escales[1][2], 28);
  EXPECT_EQ(decomposer_prise(16, 9, prises, 1), PRISE_INTROUVABLE);  // nothing on the origin
  poser_fen("B:W18,19,26,27:B15");  // a man round a diamond and back, either way round
  const std::uint8_t sens[4] = {14, 6, 7, 15}, inverse[4] = {15, 7, 6, 14}, absente[2] = {14, 7};
  ASSERT_NE(decomposer_prise(18, 18, sens, 4), PRISE_INTROUVABLE);
  EXPECT_EQ(std::vector<int>(escales[1] + 1, escales[1] + 5), (std::vector<int>{9, 2, 11, 18}));
  ASSERT_NE(decomposer_prise(18, 18, inverse, 4), PRISE_INTROUVABLE);
  EXPECT_EQ(escales[1][1], 11);
  EXPECT_EQ(decomposer_prise(18, 18, absente, 2), PRISE_INTROUVABLE);
}

// The masks follow every move made, either way of making it, through random
// games with crownings and captured kings; appliquer_coup also keeps the
// piece counts and the last arrival, and leaves the turn alone.
TEST_F(LegalMoves, MasksAndCountsStayInStepThroughRandomGames) {
  std::mt19937 alea(11);
  int dames_vues = 0;
  auto en_accord = [] {
    return masque_blancs == masque_cases(PION_BLANC, DAME_BLANCHE) &&
           masque_noirs == masque_cases(PION_NOIR, DAME_NOIRE) &&
           masque_dames == masque_cases(DAME_BLANCHE, DAME_NOIRE);
  };
  for (int partie = 0; partie < 100; ++partie) {
    position_initiale();
    compter_pieces();
    preparer_listes();
    prof_courante = 1;
    Camp camp = BLANCS;
    for (int demi = 0; demi < 150; ++demi) {
      const int n = lister_coups(camp);
      if (n == 0) break;
      const Coup m = listes_coups[1][alea() % n];
      const Camp t = trait;
      if (demi % 2 == 0) {
        jouer_coup(m);
        compter_pieces();
      } else {
        appliquer_coup(m);
        ASSERT_TRUE(comptes_justes() && derniere_arrivee == m.arrivee && trait == t) << "game " << partie;
      }
      ASSERT_TRUE(en_accord()) << "game " << partie << " ply " << demi;
      dames_vues += masque_dames != 0;
      camp = adversaire(camp);
    }
  }
  EXPECT_GT(dames_vues, 100);  // crowning and captured kings were part of it
}
