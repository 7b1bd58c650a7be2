// Learning from finished games: which final positions may be learnt, the
// lesson written, the learning session, and the search finding what was learnt.
#include <set>

#include "game/session.h"
#include "knowledge/learning_session.h"
#include "records/analysis.h"
#include "records/pdn.h"
#include "records/text_games.h"
#include "search/search_support.h"

using namespace recherche_test;

namespace {

namespace fs = std::filesystem;

// A game's first 21 plies: material even after two exchanges.
constexpr const char* VINGT_ET_UN =
    "1. 12-16 24-19 2. 16-20 19-16 3. 11-15 16-12 4. 15-19 23x16 5. 20x11 28-24 6. 9-14 22-18 "
    "7. 14x23 26x19 8. 5-9 31-26 9. 9-13 25-22 10. 1-5 26-23 11. 11-15 *";

class Learning : public Recherche {
 protected:
  void SetUp() override {
    Recherche::SetUp();
    garde_session_ = session;
    ASSERT_TRUE(allouer_table_apprise());
    crochet_erreur = [this](const std::string& texte, const std::string& titre) { erreurs.emplace_back(texte, titre); };
    jouer_sans_limite();
    profondeur_imposee = 4;
  }
  void TearDown() override {
    fin_analyse();
    session = garde_session_;
  }

  // The first `plis` plies of a PDN game into the record, at its end.
  static void charger(const char* pdn, int plis = 1000) {
    std::vector<PartieLue> parties = lire_parties_pdn(pdn);
    ASSERT_EQ(parties.size(), 1u);
    if (static_cast<int>(parties[0].coups.size()) > plis) parties[0].coups.resize(static_cast<std::size_t>(plis));
    ASSERT_FALSE(rejouer_partie(parties[0], 1, true).arrete);
    aller_au_demi_coup(dernier_demi_coup);
  }

  // The shown score of the root move from `depart` to `arrivee` in a search
  // of `p` one ply deep.
  static int score_du_coup(const Position& p, Case depart, Case arrivee) {
    placer_position(p);
    nouvelle_partie();
    int score = 100000;
    crochet_ligne_racine = [&](const LigneRacine& l) {
      if (l.index >= 0 && !l.en_cours && l.coup.depart == depart && l.coup.arrivee == arrivee) score = l.score;
    };
    const int profondeur = profondeur_imposee;
    chercher_profondeur(1);
    profondeur_imposee = profondeur;
    crochet_ligne_racine = nullptr;
    return score;
  }

  // `n` plies into the record, each drawn with a fixed seed among the moves
  // that take nothing and leave nothing to take.
  static void jouer_plis_calmes(int n) {
    std::mt19937 hasard(11);
    for (int h = 0; h < n; ++h) {
      const Camp camp = trait;
      const int total = coups_legaux(camp);
      std::vector<Coup> calmes;
      for (int i = 0; i < total; ++i) {
        const Coup m = listes_coups[1][i];
        if (m.nb_prises != 0) continue;
        std::uint8_t garde[33];
        std::memcpy(garde, damier, sizeof garde);
        jouer_coup(m);
        const int reponses = coups_legaux(adversaire(camp));
        const bool sur = reponses == 0 || listes_coups[1][0].nb_prises == 0;
        std::memcpy(damier, garde, sizeof garde);
        recalculer_masques();
        trait = camp;
        coups_legaux(camp);
        if (sur) calmes.push_back(m);
      }
      if (calmes.empty()) return;
      jouer_et_enregistrer(calmes[hasard() % calmes.size()]);
    }
  }

  // The move that leads from `avant` to `apres`.
  static Coup coup_entre(const Position& avant, const Position& apres) {
    placer_position(avant);
    const int n = coups_legaux(avant.trait);
    for (int i = 0; i < n; ++i) {
      const Coup m = listes_coups[1][i];
      jouer_coup(m);
      const bool meme = std::memcmp(damier + 1, apres.cases + 1, NB_CASES) == 0;
      placer_position(avant);
      coups_legaux(avant.trait);
      if (meme) return m;
    }
    return Coup{};
  }

  DossierTemporaire temp;
  const fs::path dossier = temp.chemin;
  std::vector<std::pair<std::string, std::string>> erreurs;
  Session garde_session_;
};

using EndOfGameLearning = Learning;
using LearningSession = Learning;

TEST_F(EndOfGameLearning, TwentyPliesAreNeverLearntTwentyOneAre) {
  for (const int plis : {20, 21}) {
    charger(VINGT_ET_UN, plis);
    ASSERT_TRUE(analyser_partie(0));
    fin_analyse();
    const ExamenFinPartie e = examiner_fin_de_partie();
    EXPECT_EQ(e.demi_coups, plis);
    EXPECT_EQ(e.ecart_materiel, 0);
    EXPECT_EQ(e.verdict, plis == 20 ? Apprentissage::PartieCourte : Apprentissage::Possible) << plis;
    EXPECT_EQ(apprendre_fin_de_partie(dossier / "l.dal"), plis == 21) << plis;
  }
  EXPECT_EQ(fs::file_size(dossier / "l.dal"), 1048568u);
  EXPECT_TRUE(erreurs.empty());
}

// Material counts 3 for a man and 1 for a king, on the final position.
TEST_F(EndOfGameLearning, AGameEndingAManUpIsNeverLearnt) {
  const std::pair<const char*, int> cas[] = {
      {"B:WK29:B1,K2", 3},
      {"B:WK29,K30,K31,K32:BK1", -3},
      {"B:WK29,K30:B1,K2", 2},  // a king is short of a man
  };
  for (const auto& [fen, ecart] : cas) {
    poser_fen(fen);
    commencer_partie();
    jouer_plis_calmes(21);
    ASSERT_EQ(dernier_demi_coup, 21) << fen;
    ASSERT_TRUE(analyser_partie(0));
    fin_analyse();
    const ExamenFinPartie e = examiner_fin_de_partie();
    ASSERT_EQ(e.ecart_materiel, ecart) << fen;
    EXPECT_EQ(e.verdict, ecart == 2 ? Apprentissage::Possible : Apprentissage::Desequilibree) << fen;
    if (ecart != 2) {
      EXPECT_FALSE(apprendre_fin_de_partie(dossier / "m.dal"));
    }
  }
  EXPECT_FALSE(fs::exists(dossier / "m.dal"));
}

// What the analysis found for the final position is learnt for its side to
// move: a search of the position before finds it at once.
TEST_F(EndOfGameLearning, TheLearntScoreIsTheAnalysisOneAndALaterSearchUsesIt) {
  charger(VINGT_ET_UN);
  ASSERT_TRUE(analyser_partie(0));
  fin_analyse();
  const Score s = scores_analyse[21];
  ASSERT_NE(s, 0);
  Position p20, p21;
  std::memcpy(p20.cases, partie[20].position, 33);
  std::memcpy(p21.cases, partie[21].position, 33);
  p20.trait = trait_au_demi_coup(20);
  p21.trait = trait_au_demi_coup(21);
  const Coup m = coup_entre(p20, p21);
  ASSERT_NE(m.depart, 0);
  const int avant_apprentissage = score_du_coup(p20, m.depart, m.arrivee);

  charger(VINGT_ET_UN);
  ASSERT_TRUE(analyser_partie(0));
  fin_analyse();
  ASSERT_TRUE(apprendre_fin_de_partie(dossier / "l.dal"));
  // A new start: the table from the lesson only.
  allouer_table_apprise();
  ASSERT_TRUE(charger_lecons(dossier / "l.dal"));
  const int appris = score_du_coup(p20, m.depart, m.arrivee);
  EXPECT_EQ(appris, score_affiche(-s));
  // A learnt verdict overrides the search: a score no search gives shows it.
  placer_position(p21);
  calculer_cles();
  table_apprise[case_apprise(cle_apprise(cle_index, p21.trait))].score = 1234;
  EXPECT_EQ(score_du_coup(p20, m.depart, m.arrivee), -617);
  EXPECT_NE(avant_apprentissage, -617);
}

TEST_F(EndOfGameLearning, AFinalPositionTheAnalysisDidNotSearchIsNotLearnt) {
  charger(VINGT_ET_UN);
  aller_au_demi_coup(19);  // the analysis starts earlier in the game
  ASSERT_TRUE(analyser_partie(0));
  fin_analyse();
  EXPECT_EQ(examiner_fin_de_partie().verdict, Apprentissage::NonAnalysee);
  EXPECT_FALSE(apprendre_fin_de_partie(dossier / "l.dal"));
  charger(VINGT_ET_UN);  // the same game again, analysed before: not this record's analysis
  EXPECT_EQ(examiner_fin_de_partie().verdict, Apprentissage::NonAnalysee);
}

// Games cut at 30 plies from book openings: each analysed and its final
// position learnt into the lesson, which a later search reads.
TEST_F(LearningSession, ShortGamesLearnPositionsThatALaterSearchFinds) {
  const fs::path bin = CORVANE_BIN_DIR;
  ASSERT_TRUE(charger_ouvertures(bin / FICHIER_OUVERTURES_BLANCS, ouvertures_blancs));
  ASSERT_TRUE(charger_ouvertures(bin / FICHIER_OUVERTURES_NOIRS, ouvertures_noirs));
  bibliotheque_active = 1;
  std::srand(3);
  profondeur_imposee = 2;
  budget_reflexion = 160;
  ReglageSession r;
  r.lecon = dossier / "session.dal";
  r.parties = 4;
  r.demi_coups_max = 30;
  int vues = 0;
  r.apres_partie = [&](const PartieSession& p) {
    ++vues;
    EXPECT_EQ(session_apprentissage, 1);
    EXPECT_EQ(p.demi_coups, 30);
  };
  const BilanSession b = jouer_session(r);
  ASSERT_TRUE(b.demarree);
  EXPECT_TRUE(b.lecon_ecrite);
  ASSERT_EQ(b.parties.size(), 4u);
  EXPECT_EQ(vues, 4);
  EXPECT_EQ(session_apprentissage, 0);
  EXPECT_EQ(budget_reflexion, BUDGET_SESSION);
  EXPECT_TRUE(etat_menus_session().Lancerunesession1);
  EXPECT_TRUE(erreurs.empty());
  EXPECT_EQ(fs::file_size(r.lecon), 1048568u);
  std::set<std::string> finales;
  for (const PartieSession& p : b.parties) finales.insert(ecrire_fen(p.finale));
  EXPECT_GE(finales.size(), 2u);  // the books vary the games

  allouer_table_apprise();
  ASSERT_TRUE(charger_lecons(r.lecon));
  int trouvees = 0;
  for (const PartieSession& p : b.parties) {
    if (!p.apprise) {
      EXPECT_NE(p.verdict, Apprentissage::Possible);
      continue;
    }
    placer_position(p.finale);
    calculer_cles();
    const EntreeApprise* e = sonder_apprises(cle_apprise(cle_index, p.finale.trait), cle_verif);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->score, p.score);
    if (p.score == 0) continue;  // nothing to find: 0 is nothing learnt
    const Coup m = coup_entre(p.avant, p.finale);
    bibliotheque_active = 0;
    EXPECT_EQ(score_du_coup(p.avant, m.depart, m.arrivee), score_affiche(-p.score));
    ++trouvees;
  }
  EXPECT_EQ(b.apprises, static_cast<int>(std::count_if(b.parties.begin(), b.parties.end(),
                                                        [](const PartieSession& p) { return p.apprise; })));
  EXPECT_GE(trouvees, 1);
}

TEST_F(LearningSession, StoppingEndsItWithoutLearningAndAPlaceItCannotWriteNeverStartsIt) {
  ReglageSession r;
  r.lecon = dossier / "session.dal";
  profondeur_imposee = 1;
  int coups = 0;
  r.apres_coup = [&] {
    if (++coups == 5) arreter_session();  // "Arrêter la session"
  };
  session.humain_contre_humain = true;
  const BilanSession b = jouer_session(r);
  EXPECT_TRUE(b.demarree);
  EXPECT_TRUE(b.parties.empty());
  EXPECT_EQ(coups, 5);
  EXPECT_EQ(nb_demi_coups, 5);  // the game stays on the board
  EXPECT_EQ(session_apprentissage, 0);
  EXPECT_FALSE(session.ordinateur_contre_ordinateur);
  EXPECT_FALSE(session.humain_contre_humain);
  EXPECT_EQ(analyse_ouverte, 0);

  // Not a lesson, or nowhere to write: one box, before any game.
  ecrire(dossier / "texte.dal", "not a lesson");
  const std::pair<std::string, std::string> message{"msg.impossible_ouvrir", "msg.erreur"};
  for (const fs::path& f : {dossier / "texte.dal", dossier / "missing" / "s.dal"}) {
    erreurs.clear();
    commencer_partie();
    r.lecon = f;
    r.apres_coup = [] { FAIL() << "a game was played"; };
    EXPECT_FALSE(jouer_session(r).demarree) << f;
    EXPECT_EQ(erreurs, (std::vector{message})) << f;
    EXPECT_EQ(session_apprentissage, 0);
  }
  EXPECT_EQ(contenu(dossier / "texte.dal"), "not a lesson");
}

}  // namespace
