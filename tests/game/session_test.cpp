// The session the window shows: the mode, the commands a game gives and
// takes, and moving through the record with its side to move.

#include "game/clocks.h"
#include "game/installation.h"
#include "game/session.h"
#include "knowledge/learning.h"
#include "records/analysis.h"
#include "records/game_file.h"
#include "support/etat.h"
#include "support/positions.h"

namespace {

class SessionDeJeu : public MoteurDossier {
 protected:
  SessionDeJeu() { reinitialiser_session(); }
  ~SessionDeJeu() override { reinitialiser_session(); }
};

using Navigation = SessionDeJeu;

// `plies` random legal moves from the position on the board, each side
// spending its own seconds.
void jouer(int plies, unsigned graine) {
  std::mt19937 aleas(graine);
  for (int h = 0; h < plies; ++h) {
    horloge(trait) += 3 + trait;
    jouer_et_enregistrer(static_cast<int>(aleas() % unsigned(coups_legaux(trait))));
  }
}

}  // namespace

TEST_F(SessionDeJeu, TheModeFollowsTheRatedGameThenTheModeItems) {
  match_classe = 0;
  EXPECT_EQ(mode_partie(), ModePartie::Entrainement);
  session.humain_contre_humain = true;
  EXPECT_EQ(mode_partie(), ModePartie::HumainContreHumain);
  session.ordinateur_contre_ordinateur = true;
  EXPECT_EQ(mode_partie(), ModePartie::OrdinateurContreOrdinateur);
  match_classe = 1;
  EXPECT_EQ(mode_partie(), ModePartie::Match);
  match_classe = 5;  // scored: still the rated game on the board
  EXPECT_EQ(mode_partie(), ModePartie::Match);
}

// A rated game's result is played: while it runs nothing edits it (moving
// through the record, the clocks, the files); once scored it is a game like
// another. The computer's own search takes away what would change the game.
TEST_F(SessionDeJeu, TheCommandsFollowTheRatedGameAndTheComputersSearch) {
  match_classe = 1;
  nb_demi_coups = 10;
  EtatCommandes e = etat_commandes();
  EXPECT_FALSE(e.navigation || e.Fichier1 || e.Joueurs1 || e.Analyse2 || e.Ouvertures1 || e.Probleme);
  EXPECT_FALSE(e.Horlogeszro1 || e.Pause1 || e.Rflexionsurtempsadverse1 || e.Arretrflexionparclicsouris1);
  EXPECT_TRUE(e.Niveau1 && e.Edition1 && e.Proposernul && e.resignation_visible);
  // Nothing is copied out of a rated game nor pasted over it.
  EXPECT_FALSE(e.Copierlaposition1 || e.Copierlapartie1 || e.Coller1);
  nb_demi_coups = 11;  // the level is fixed once the game is under way
  EXPECT_FALSE(etat_commandes().Niveau1);
  match_classe = 5;
  e = etat_commandes();
  EXPECT_TRUE(e.navigation && e.Fichier1 && e.Niveau1 && e.Horlogeszro1 && e.resignation_visible);
  EXPECT_TRUE(e.Copierlaposition1 && e.Copierlapartie1 && e.Coller1);

  match_classe = 0;
  session.ordinateur_reflechit = true;
  e = etat_commandes();
  EXPECT_FALSE(e.Nouveau2 || e.Sauver1 || e.Ouvrir1 || e.Quitter1 || e.Edition1 || e.Fichier1 || e.Proposernul);
  EXPECT_FALSE(e.Copierlaposition1 || e.Copierlapartie1 || e.Coller1);
  EXPECT_FALSE(e.resignation_visible);
  EXPECT_TRUE(e.navigation && e.Niveau1);
  // Between computers the file menu stays open: its mode item stops them.
  session.ordinateur_contre_ordinateur = true;
  e = etat_commandes();
  EXPECT_TRUE(e.Fichier1);
  EXPECT_FALSE(e.Nouveau2);
  installation_en_cours = 1;
  session.ordinateur_reflechit = false;
  EXPECT_FALSE(etat_commandes().Ouvertures1);
  installation_en_cours = 0;
}

// The analysis replays the record: nothing may put another game under it,
// but the user may move through the record and save it. A learning session
// plays its own games: only "Arrêter la session" and quitting act on it.
TEST_F(SessionDeJeu, TheAnalysisAndALearningSessionKeepTheirGame) {
  EtatCommandes e = etat_commandes();
  EXPECT_TRUE(e.Dbuteruneanalyse1 && e.Lancerunesession1 && e.Chargerdesleons1 && e.Imprimer1);
  EXPECT_FALSE(e.Arrtercettephase1 || e.Terminerlanalyse1 || e.Arrterlasession1);

  analyse_en_cours = 1;
  analyse_ouverte = 1;
  e = etat_commandes();
  EXPECT_FALSE(e.Nouveau2 || e.Ouvrir1 || e.Humaincontrehumain1 || e.Joueurs1 || e.Probleme || e.Ouvertures1);
  EXPECT_FALSE(e.Installeruneposition1 || e.Ouvrirunfichiertexte1 || e.Dbuteruneanalyse1 || e.Lancerunesession1);
  EXPECT_TRUE(e.navigation && e.Edition1 && e.Sauver1 && e.Imprimer1 && e.Quitter1 && e.Analyse2);
  EXPECT_TRUE(e.Arrtercettephase1 && e.Terminerlanalyse1);
  // The analysis's game may be copied out; nothing is pasted over it.
  EXPECT_TRUE(e.Copierlaposition1 && e.Copierlapartie1);
  EXPECT_FALSE(e.Coller1);
  // The loop has ended; the game is the analysis's until "Fin analyse".
  analyse_en_cours = 0;
  e = etat_commandes();
  EXPECT_TRUE(e.navigation && e.Terminerlanalyse1);
  EXPECT_FALSE(e.Nouveau2 || e.Ouvrir1 || e.Dbuteruneanalyse1 || e.Lancerunesession1);
  analyse_ouverte = 0;
  e = etat_commandes();
  EXPECT_TRUE(e.Nouveau2 && e.Ouvrir1 && e.Dbuteruneanalyse1);

  session_apprentissage = 1;
  e = etat_commandes();
  EXPECT_FALSE(e.navigation || e.Edition1 || e.Nouveau2 || e.Ouvrir1 || e.Sauver1 || e.Imprimer1 || e.Niveau1);
  EXPECT_FALSE(e.Analyse2 || e.Joueurs1 || e.Lancerunesession1 || e.Chargerdesleons1 || e.Installeruneposition1);
  EXPECT_TRUE(e.Apprentissage1 && e.Arrterlasession1 && e.Quitter1 && e.Fichier1);
  EXPECT_FALSE(e.Copierlaposition1 || e.Copierlapartie1 || e.Coller1);
  session_apprentissage = 0;

  // A rated game is not the time for a session.
  match_classe = 1;
  EXPECT_FALSE(etat_commandes().Apprentissage1);
  match_classe = 0;
}

// A record begun by camp 1 (a set-up position): every ply takes its side to
// move from its place in the record, the start and the end included, with
// the clocks each ply recorded; a game file keeps the side that began.
TEST_F(Navigation, EveryPlyOfARecordBegunByTheSecondSideHasItsOwnSideToMove) {
  poser({{1, PION_NOIR}, {6, PION_NOIR}, {10, PION_NOIR}, {27, PION_BLANC}, {31, PION_BLANC}, {32, DAME_BLANCHE}},
        NOIRS);
  commencer_partie();
  std::uint8_t depart[33];
  std::memcpy(depart, damier, sizeof depart);
  jouer(6, 3);
  ASSERT_EQ(dernier_demi_coup, 6);
  EXPECT_EQ(trait_fin, NOIRS);
  for (int k : {0, 3, 6, 1, 5, 2}) {
    aller_au_demi_coup(k);
    EXPECT_EQ(nb_demi_coups, k);
    EXPECT_EQ(trait, k % 2 == 0 ? NOIRS : BLANCS) << "ply " << k;
    EXPECT_EQ(std::memcmp(damier + 1, partie[k].position + 1, NB_CASES), 0) << "ply " << k;
    EXPECT_EQ(std::memcmp(damier_sauve + 1, damier + 1, NB_CASES), 0);
    EXPECT_EQ(temps_blancs, partie[k].temps_blancs);
    EXPECT_EQ(temps_noirs, partie[k].temps_noirs);
  }
  aller_au_demi_coup(0);
  EXPECT_EQ(std::memcmp(damier + 1, depart + 1, NB_CASES), 0);
  aller_au_demi_coup(99);  // beyond the record: its end
  EXPECT_EQ(nb_demi_coups, 6);

  // Saved at ply 3, read back into another game: the same sides to move.
  aller_au_demi_coup(3);
  ASSERT_TRUE(ecrire_partie(dossier / "noirs.dam", 0));
  position_initiale();
  commencer_partie();
  jouer(2, 9);
  std::uint8_t langue = 0;
  std::string raison;
  ASSERT_TRUE(lire_partie(dossier / "noirs.dam", langue, raison)) << raison;
  EXPECT_EQ(nb_demi_coups, 3);
  EXPECT_EQ(dernier_demi_coup, 6);
  EXPECT_EQ(trait, BLANCS);
  aller_au_demi_coup(0);
  EXPECT_EQ(trait, NOIRS);
  EXPECT_EQ(std::memcmp(damier + 1, depart + 1, NB_CASES), 0);
}

// A move played after going back replaces the rest of the record; the
// record's end is the new move and the side after it.
TEST_F(Navigation, AMovePlayedAfterGoingBackCutsTheRecordThere) {
  position_initiale();
  commencer_partie();
  jouer(8, 5);
  aller_au_demi_coup(3);
  const int n = coups_legaux(trait);
  ASSERT_GT(n, 0);
  jouer_et_enregistrer(n - 1);
  EXPECT_EQ(nb_demi_coups, 4);
  EXPECT_EQ(dernier_demi_coup, 4);
  EXPECT_EQ(trait_fin, trait);
  EXPECT_EQ(trait, BLANCS);
  EXPECT_EQ(std::memcmp(partie[4].position + 1, damier + 1, NB_CASES), 0);
}

// A set-up that changes nothing keeps the game; a changed square or side to
// move starts a new record from the position set up, camp 1 to move if so.
TEST_F(SessionDeJeu, LeavingASetUpStartsANewRecordOnlyWhenSomethingChanged) {
  position_initiale();
  commencer_partie();
  jouer(4, 2);
  sauver_position();
  commencer_installation();
  EXPECT_EQ(installation_en_cours, 1);
  EXPECT_FALSE(terminer_installation());
  EXPECT_EQ(dernier_demi_coup, 4);

  commencer_installation();
  poser_piece_installation(20, DAME_NOIRE);
  EXPECT_EQ(damier_sauve[20], DAME_NOIRE);
  EXPECT_TRUE(terminer_installation());
  EXPECT_EQ(dernier_demi_coup, 0);
  EXPECT_EQ(partie[0].position[20], DAME_NOIRE);

  commencer_installation();
  vider_installation();
  poser_piece_installation(1, PION_NOIR);
  poser_piece_installation(32, PION_BLANC);
  const std::uint8_t ordi = couleur_ordi;
  changer_trait_installation();
  EXPECT_EQ(trait, NOIRS);
  EXPECT_TRUE(terminer_installation());
  EXPECT_EQ(trait_depart, NOIRS);
  EXPECT_EQ(couleur_ordi, ordi);
  jouer_et_enregistrer(0);
  aller_au_demi_coup(0);
  EXPECT_EQ(trait, NOIRS);
  EXPECT_EQ(nb_pieces_noires() + nb_pieces_blanches(), 2);
}
