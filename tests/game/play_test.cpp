// The rules of play that need no window: clocks, losses on time, the end of a
// game, draws, long computer games, the lowest level's choice.
#include <limits>

#include "game/catalogue.h"
#include "game/end.h"
#include "game/turn.h"
#include "support/etat.h"
#include "support/positions.h"

namespace {

using Play = Moteur;

TEST_F(Play, LossOnTimeHalvesTheClockOfHumansRatedBelow1800) {
  struct Cas {
    Camp ordinateur;
    std::int32_t points, humain, machine;
    int demi_coups, code;
  };
  const Cas cas[] = {
      {NOIRS, 1799, 361, 0, 20, 0},    {NOIRS, 1799, 362, 0, 20, CODE_TEMPS_HUMAIN},
      {NOIRS, 1800, 180, 0, 20, 0},    {NOIRS, 1800, 181, 0, 20, CODE_TEMPS_HUMAIN},
      {NOIRS, 1800, 0, 181, 20, CODE_TEMPS_ORDINATEUR},
      // Both out of time: the side to move (the computer) is looked at first
      // when it plays camp 1, the human first otherwise.
      {NOIRS, 1800, 500, 500, 20, CODE_TEMPS_ORDINATEUR},
      {BLANCS, 1800, 500, 500, 20, CODE_TEMPS_HUMAIN},
      // From ply 100 the limit is 100 allowances per 100 plies.
      {NOIRS, 1800, 17800, 0, 150, 0}, {NOIRS, 1800, 17801, 0, 150, CODE_TEMPS_HUMAIN},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(testing::Message() << c.points << " " << c.humain << " " << c.machine << " " << c.demi_coups);
    horloge(c.ordinateur) = c.machine;
    horloge(adversaire(c.ordinateur)) = c.humain;
    EXPECT_EQ(perte_au_temps(c.ordinateur, c.points, c.demi_coups, 178), c.code);
  }
  // A long allowance late in the game: the limit is far beyond 32 bits of
  // seconds, and nobody is out of time.
  horloge(NOIRS) = horloge(BLANCS) = 2'000'000'000;
  EXPECT_EQ(perte_au_temps(NOIRS, 1800, 250, 100'000'000), 0);
  EXPECT_EQ(perte_au_temps(BLANCS, 1799, 120, std::numeric_limits<std::int32_t>::max()), 0);
}

TEST_F(Play, ATurnNeverCountsNegativeTime) {
  std::int64_t maintenant = 5'000'000;
  crochet_horloge_ms = [&] { return maintenant; };
  temps_noirs = 100;
  demarrer_tours();
  maintenant += 7'400;
  EXPECT_EQ(temps_en_cours(NOIRS), 107);
  char m[12], s[4];
  texte_horloge(temps_affiche_noirs, m, s);
  EXPECT_STREQ(m, "1");
  EXPECT_STREQ(s, "47");
  // A time base that goes back counts nothing rather than a negative time.
  maintenant -= 3'600'000;
  EXPECT_EQ(temps_en_cours(NOIRS), 100);
}

namespace {

// The result panel's text as the window composes it from the announcement.
std::string texte_fin(const AnnonceFin& a, int langue = 0) {
  return a.cle == nullptr ? std::string() : remplir_texte(texte_langue(langue, a.cle), {a.nom});
}

}  // namespace

TEST_F(Play, TheEndOfAGameNamesTheWinnerAsTheBoardShowsIt) {
  // Camp 0 has no move: camp 1 won, whatever camp 1 could do.
  poser_fen("B:W8,11:B4");
  ContexteFin c{0, false, 1, "Mister X", "Corvane"};
  AnnonceFin a = annonce_fin(FIN_SANS_COUP_ORDINATEUR, c);
  EXPECT_EQ(a.resultat, NOIRS_GAGNENT);
  EXPECT_EQ(texte_fin(a), "Désolé, CORVANE a gagné");
  EXPECT_STREQ(a.son, "Perdu.wav");
  c.couleur_ordi = 0;
  EXPECT_EQ(texte_fin(annonce_fin(FIN_SANS_COUP_HUMAIN, c)), "Bravo, vous avez gagné");
  c.humain_contre_humain = true;
  EXPECT_EQ(texte_fin(annonce_fin(FIN_SANS_COUP_HUMAIN, c)), "White wins");
  EXPECT_EQ(texte_fin(annonce_fin(FIN_SANS_COUP_HUMAIN, c), 2), "Wit wint");
  c.match_classe = 1;
  EXPECT_EQ(texte_fin(annonce_fin(FIN_SANS_COUP_HUMAIN, c)), "Corvane gagne");
  EXPECT_EQ(texte_fin(annonce_fin(FIN_SANS_COUP_HUMAIN, c), 4), "Corvane gana");
  // Codes that decide by themselves, the computer playing camp 0.
  c = {1, false, 0, "Corvane", "Mister X"};
  position_initiale();
  EXPECT_EQ(annonce_fin(CODE_TEMPS_HUMAIN, c).resultat, BLANCS_GAGNENT);
  EXPECT_EQ(annonce_fin(CODE_TEMPS_ORDINATEUR, c).resultat, NOIRS_GAGNENT);
  EXPECT_EQ(texte_fin(annonce_fin(FIN_ABANDON, c)), "Vous abandonnez, gain CORVANE");
  EXPECT_EQ(texte_fin(annonce_fin(FIN_ABANDON, c), 1), "You resign, CORVANE wins");
  EXPECT_EQ(annonce_fin(FIN_NULLE, c).resultat, PARTIE_NULLE);
  EXPECT_EQ(texte_fin(annonce_fin(FIN_NULLE, c)), "Match nul !");
  EXPECT_EQ(annonce_fin(FIN_SANS_COUP_HUMAIN, c).cle, nullptr);
}

TEST_F(Play, DrawsProposedAndOffered) {
  EXPECT_FALSE(nul_accepte(0, false, 20));
  EXPECT_TRUE(nul_accepte(0, false, 19));
  EXPECT_TRUE(nul_accepte(0, true, 19));
  EXPECT_TRUE(nul_accepte(50, true, 8));
  EXPECT_FALSE(nul_accepte(50, false, 8));
  EXPECT_TRUE(nul_accepte(-50, false, 8));

  // The computer offers: at most four pieces with a king, more than 20
  // plies and no capture in the last 20, the result still open.
  std::memset(partie, 0, sizeof partie);
  std::uint8_t compte[5] = {0, 2, 0, 1, 1};
  std::memcpy(nb_pieces, compte, sizeof compte);
  nb_demi_coups = 21;
  EXPECT_TRUE(offre_nul_ordinateur(100));
  EXPECT_FALSE(offre_nul_ordinateur(30000));
  nb_demi_coups = 20;
  EXPECT_FALSE(offre_nul_ordinateur(100));
  nb_demi_coups = 40;
  partie[25].nb_prises = 1;
  EXPECT_FALSE(offre_nul_ordinateur(100));
  partie[20].nb_prises = 1;
  partie[25].nb_prises = 0;
  EXPECT_TRUE(offre_nul_ordinateur(100));
  nb_pieces[DAME_NOIRE] = 0;
  EXPECT_FALSE(offre_nul_ordinateur(100));
  nb_pieces[PION_NOIR] = 2;
  nb_pieces[DAME_NOIRE] = 1;
  EXPECT_FALSE(offre_nul_ordinateur(100));  // five pieces
}

TEST_F(Play, TheLowestLevelPlaysTheSecondMoveWhenAheadButNeverReplacesAForcedOne) {
  jouer_sans_limite();
  profondeur_imposee = 3;
  // Camp 0 two men up, with several moves.
  poser_fen("B:W29,30:B9,10,11,12");
  commencer_partie();
  const ChoixOrdinateur normal = choix_ordinateur(trait, false);
  ChoixOrdinateur c = choix_ordinateur(trait, true);
  EXPECT_EQ(c.coup, 1);
  EXPECT_EQ(c.zut, normal.coup != 1);
  // Behind in material: no handicap.
  poser_fen("B:W25,26,27,28,29:B9");
  commencer_partie();
  EXPECT_FALSE(choix_ordinateur(trait, true).zut);
  // One legal move: played at once, as it is.
  poser_fen("B:W8:B4");
  commencer_partie();
  ASSERT_EQ(coups_legaux(trait), 1);
  c = choix_ordinateur(trait, true);
  EXPECT_TRUE(c.force);
  EXPECT_EQ(c.coup, 0);
  EXPECT_FALSE(c.zut);
}

TEST_F(Play, LongComputerGamesAreDrawnOnlyWhenNothingChangesAndTheScoreIsOpen) {
  std::int32_t pieces[TAILLE_PARTIE] = {};
  for (int h = 0; h < TAILLE_PARTIE; ++h) pieces[h] = 10;
  EXPECT_FALSE(nul_entre_ordinateurs(pieces, SEUIL_NUL, 0));
  EXPECT_TRUE(nul_entre_ordinateurs(pieces, SEUIL_NUL + 1, SCORE_NUL - 1));
  EXPECT_FALSE(nul_entre_ordinateurs(pieces, SEUIL_NUL + 1, -SCORE_NUL));
  pieces[SEUIL_NUL + 1 - RECUL_NUL] = 11;
  EXPECT_FALSE(nul_entre_ordinateurs(pieces, SEUIL_NUL + 1, 0));
}

}  // namespace
