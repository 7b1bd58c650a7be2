// The analysis of a game: its lines and their order, the star, the languages,
// the search cut short, the end, the saved lines and the annotated PDN; its
// score graph: one point per analysed position from the first side's point
// of view, growing from the end of the game, held within three men, won
// positions on the edge, starred moves marked where they led.
#include "game/catalogue.h"
#include "game/session.h"
#include "records/analysis.h"
#include "records/analysis_graph.h"
#include "records/pdn.h"
#include "records/records_support.h"
#include "records/text_games.h"
#include "search/search_support.h"

using namespace recherche_test;

namespace {

// The end of a game from the position after its 48th ply: White (camp 1)
// throws a man away with 14-10 at its fifth move here.
constexpr const char* FIN_DE_PARTIE =
    "[FEN \"B:W13,19,24,25,27,28:B5,6,7,10,11,20\"]\n[Black \"Ana\"]\n[White \"Bo\"]\n[GameType \"23\"]\n\n"
    "25. 10-14 25-22 26. 14-17 22-18 27. 17-21 19-15 28. 11-16 18-14 29. 16-19 14-10 30. 7x14 15-11 *\n";

class Analysis : public Recherche {
 protected:
  void SetUp() override {
    Recherche::SetUp();
    garde_session_ = session;
    jouer_sans_limite();
    profondeur_imposee = 4;
  }
  void TearDown() override {
    fin_analyse();  // an analysis left open would refuse the next one
    session = garde_session_;
  }

  // A PDN game into the record, at its last ply.
  static void charger(const char* pdn) {
    const std::vector<PartieLue> parties = lire_parties_pdn(pdn);
    ASSERT_EQ(parties.size(), 1u);
    ASSERT_FALSE(rejouer_partie(parties[0], 1, true).arrete);
    aller_au_demi_coup(dernier_demi_coup);
  }

  Session garde_session_;
};

using AnalysisLines = Analysis;
using AnalysisGraph = Analysis;
using AnalysisControl = Analysis;
using AnalysisFiles = Analysis;

TEST_F(AnalysisLines, ThreeMovesGiveThreeLinesInTheOrderOfTheMovesAboveTheLegend) {
  charger("1. 11-15 23-19 2. 8-11 *");
  ASSERT_TRUE(analyser_partie(0));
  ASSERT_EQ(coups_analyses.size(), 3u);
  ASSERT_EQ(liste_analyse.size(), 5u);
  const char* debuts[] = {" 1 Noirs : joué : 11-15;", " 1 Blancs: joué : 23-19;", " 2 Noirs : joué : 08-11;"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(liste_analyse[static_cast<std::size_t>(i)].rfind(debuts[i], 0), 0u) << liste_analyse[i];
    EXPECT_EQ(coups_analyses[static_cast<std::size_t>(i)].index, i);
  }
  const FormatsAnalyse f = formats_analyse(0);
  EXPECT_EQ(liste_analyse[3], f.legende);
  EXPECT_EQ(liste_analyse[4], f.attente);
  // The loop ends on the first position, every position scored.
  EXPECT_EQ(demi_coup_analyse(), 0);
  EXPECT_EQ(nb_demi_coups, 0);
  EXPECT_EQ(analyse_en_cours, 0);
  for (int k = 0; k <= 3; ++k) EXPECT_TRUE(score_analyse(k).has_value()) << k;
  // A move played that the search did not prefer keeps the score of the
  // position it led to, seen from the side that played it.
  for (int k = 0; k < 3; ++k) {
    const CoupAnalyse& c = coups_analyses[static_cast<std::size_t>(k)];
    if (c.meilleur.depart != c.joue.depart || c.meilleur.arrivee != c.joue.arrivee) {
      EXPECT_EQ(c.score_joue, -scores_analyse[k + 1]) << liste_analyse[k];
    }
  }
}

// The move played is not searched: it keeps the score its position got, so a
// best move that is the move played shows that score twice, without a star.
TEST_F(AnalysisLines, ABestMoveThatIsTheMovePlayedShowsOneScoreTwiceAndNoStar) {
  charger(FIN_DE_PARTIE);
  ASSERT_TRUE(analyser_partie(0));
  ASSERT_EQ(coups_analyses.size(), 12u);
  int memes = 0;
  for (std::size_t i = 0; i < coups_analyses.size(); ++i) {
    const CoupAnalyse& c = coups_analyses[i];
    if (c.meilleur.depart != c.joue.depart || c.meilleur.arrivee != c.joue.arrivee) continue;
    ++memes;
    EXPECT_EQ(c.score_joue, c.score_meilleur) << liste_analyse[i];
    EXPECT_FALSE(c.etoile) << liste_analyse[i];
    const std::string score = nombre_aligne(c.score_joue / 2, 2);
    const std::string deux_fois = "score : " + score + "; meilleur : " + noms_cases[c.joue.depart] + "-" +
                                  noms_cases[c.joue.arrivee] + "; score : " + score;
    EXPECT_NE(liste_analyse[i].find(deux_fois), std::string::npos) << liste_analyse[i];
    // The next line's position is the one this move led to.
    if (i + 1 < coups_analyses.size()) {
      EXPECT_EQ(coups_analyses[i + 1].score_meilleur, -c.score_joue) << liste_analyse[i];
    }
  }
  EXPECT_GE(memes, 6);
  // The man thrown away is starred, with the better play after it.
  const CoupAnalyse& gaffe = coups_analyses[9];
  ASSERT_EQ(std::string(noms_cases[gaffe.joue.depart]) + "-" + noms_cases[gaffe.joue.arrivee], "14-10");
  EXPECT_TRUE(gaffe.etoile);
  EXPECT_EQ(liste_analyse[9].front(), '*');
  EXPECT_NE(liste_analyse[9].find(" ->( "), std::string::npos);
  EXPECT_EQ(liste_analyse[9].substr(liste_analyse[9].size() - 6), " ....)");
}

TEST_F(AnalysisLines, AStarNeedsTheBestMoveMoreThanHalfAManAboveTheMovePlayed) {
  EXPECT_TRUE(etoile_analyse(-80, 120));   // -40 against +60
  EXPECT_FALSE(etoile_analyse(-80, 10));   // -40 against +5
  EXPECT_FALSE(etoile_analyse(-80, 20));   // exactly half a man: no star
  EXPECT_TRUE(etoile_analyse(-80, 21));
  EXPECT_TRUE(etoile_analyse(-31990, 31990));   // a win thrown into a loss
  EXPECT_FALSE(etoile_analyse(31980, 31990));   // won either way
  EXPECT_FALSE(etoile_analyse(120, -80));       // the move played scored above the search's choice
}

TEST_F(AnalysisLines, EnglishDutchAndItalianShareTheEnglishLinesAndSpanishHasTheEnglishHeader) {
  CoupAnalyse c{};
  c.index = 3;  // the fourth ply: camp 1, drawn white, move 2
  c.camp = NOIRS;
  c.joue.depart = 22;  // "11"
  c.joue.arrivee = 18;  // "15"
  c.meilleur.depart = 24;  // "09"
  c.meilleur.arrivee = 20;  // "13"
  c.score_joue = -80;
  c.score_meilleur = 120;
  c.etoile = etoile_analyse(c.score_joue, c.score_meilleur);
  Coup reponse{};
  reponse.depart = 11;  // "22"
  reponse.arrivee = 15;  // "18"
  c.variante = {c.meilleur, reponse};
  EXPECT_EQ(ligne_analyse(c, formats_analyse(0)),
            "* 2 Blancs: joué : 11-15; score : -40; meilleur : 09-13; score : 60 ->( 09-13 22-18 ....)");
  EXPECT_EQ(ligne_analyse(c, formats_analyse(3)),
            "* 2 Brancas: jogou : 11-15; valor : -40; melhor : 09-13; valor : 60 ->( 09-13 22-18 ....)");
  const std::string anglais = ligne_analyse(c, formats_analyse(1));
  EXPECT_EQ(anglais, "* 2 White : played : 11-15; score : -40; best : 09-13; score : 60 ->( 09-13 22-18 ....)");
  EXPECT_EQ(ligne_analyse(c, formats_analyse(2)), anglais);
  EXPECT_EQ(ligne_analyse(c, formats_analyse(5)), anglais);
  c.camp = BLANCS;
  c.index = 2;
  c.score_meilleur = 10;
  c.etoile = etoile_analyse(c.score_joue, c.score_meilleur);
  EXPECT_EQ(ligne_analyse(c, formats_analyse(4)),
            " 2 Negras : jogou : 11-15; Puntuación : -40; melhor : 09-13; valor :  5");
  EXPECT_EQ(formats_analyse(4).legende, formats_analyse(1).legende);
  EXPECT_EQ(formats_analyse(4).attente, formats_analyse(1).attente);
  EXPECT_NE(formats_analyse(3).attente, formats_analyse(1).attente);
}

// The window drives the loop one position at a time; the tool runs it
// whole. Either way, and whatever the search did before, the lines are the
// same.
TEST_F(AnalysisControl, StepByStepOrWholeAfterAnyEarlierSearchTheLinesAreTheSame) {
  charger(FIN_DE_PARTIE);
  ASSERT_TRUE(analyser_partie(0));
  const std::vector<std::string> entiere = liste_analyse;
  fin_analyse();

  // A deeper analysis leaves its table, its root order and its scores.
  charger(FIN_DE_PARTIE);
  profondeur_imposee = 8;
  ASSERT_TRUE(analyser_partie(0));
  ASSERT_NE(liste_analyse, entiere);
  fin_analyse();
  aller_au_demi_coup(dernier_demi_coup);
  profondeur_imposee = 4;
  ASSERT_TRUE(debuter_analyse(0));
  EXPECT_EQ(etat_menus_analyse().Dbuteruneanalyse1, false);
  int pas = 0;
  while (analyser_position()) {
    EXPECT_EQ(demi_coup_analyse(), 11 - pas) << pas;
    aller_au_demi_coup(dernier_demi_coup);  // the window shows another position between two
    ++pas;
  }
  EXPECT_EQ(pas, 12);
  EXPECT_EQ(liste_analyse, entiere);
  EXPECT_FALSE(debuter_analyse(0));  // open until "Fin analyse"
}

// "Suivant" raises arret_calcul: the search of that position ends at once
// and the loop goes on with the previous one, searched in full.
TEST_F(AnalysisControl, SuivantEndsTheSearchOfOnePositionAtOnce) {
  charger("1. 11-15 23-19 2. 8-11 22-17 *");
  profondeur_imposee = 9;
  std::vector<int> pompes(5, 0);
  bool presse = false;
  crochet_pompe_messages = [&] {
    const int k = demi_coup_analyse();
    ++pompes[static_cast<std::size_t>(k)];
    if (k == 2 && !presse) {
      presse = true;
      arret_calcul = 1;  // the window's pause
    }
  };
  ASSERT_TRUE(debuter_analyse(0));
  std::fill(pompes.begin(), pompes.end(), 0);
  while (analyser_position()) {
  }
  EXPECT_TRUE(presse);
  EXPECT_EQ(pompes[2], 1);
  for (int k : {0, 1, 3, 4}) EXPECT_GE(pompes[static_cast<std::size_t>(k)], 9) << k;  // every depth at least
  EXPECT_EQ(coups_analyses.size(), 4u);
}

// A move through the game voids the running search (calcul_annule): that
// position is searched again instead of getting a line from nothing.
TEST_F(AnalysisControl, ASearchVoidedByAMoveThroughTheGameIsRunAgain) {
  charger("1. 11-15 23-19 2. 8-11 22-17 *");
  profondeur_imposee = 6;
  bool annule = false;
  crochet_pompe_messages = [&] {
    if (demi_coup_analyse() == 2 && !annule) {
      annule = true;
      arret_calcul = calcul_annule = 1;
    }
  };
  ASSERT_TRUE(debuter_analyse(0));
  std::vector<int> positions;
  for (bool encore = true; encore;) {
    const int k = demi_coup_analyse();
    encore = analyser_position();
    positions.push_back(k);
  }
  EXPECT_TRUE(annule);
  EXPECT_EQ(positions, (std::vector<int>{4, 3, 2, 2, 1, 0}));
  ASSERT_EQ(coups_analyses.size(), 4u);
  const CoupAnalyse& c = coups_analyses[2];
  EXPECT_EQ(c.score_meilleur, scores_analyse[2]);
  EXPECT_NE(c.meilleur.depart, 0);
}

TEST_F(AnalysisControl, FinAnalyseStopsTheLoopAndGivesTheGameBackOnThePositionReached) {
  charger(FIN_DE_PARTIE);
  session.reflexion_sur_temps_adverse = true;
  profondeur_imposee = 9;
  int pompes = 0;
  bool learn = false;
  crochet_pompe_messages = [&] {
    if (demi_coup_analyse() == 11 && ++pompes == 1) learn = fin_analyse();
  };
  ASSERT_TRUE(debuter_analyse(0));
  EXPECT_FALSE(session.reflexion_sur_temps_adverse);  // no thinking ahead while the analysis runs
  ASSERT_TRUE(analyser_position());  // position 12, the last
  EXPECT_FALSE(analyser_position());  // position 11, stopped during its search
  EXPECT_TRUE(learn);  // outside a session the panel "Apprendre ?" follows
  EXPECT_EQ(coups_analyses.size(), 1u);
  EXPECT_EQ(analyse_en_cours, 0);
  EXPECT_EQ(nb_demi_coups, 10);
  EXPECT_EQ(trait, trait_au_demi_coup(10));
  EXPECT_EQ(couleur_ordi, trait);
  EXPECT_EQ(std::memcmp(damier + 1, partie[10].position + 1, NB_CASES), 0);
  EXPECT_TRUE(session.reflexion_sur_temps_adverse);
  const MenusAnalyse m = etat_menus_analyse();
  EXPECT_TRUE(m.Dbuteruneanalyse1 && !m.Arrtercettephase1 && !m.Terminerlanalyse1);
}

TEST_F(AnalysisControl, NothingToAnalyseAndTheFinalCaptureLeftOut) {
  commencer_partie();
  EXPECT_FALSE(debuter_analyse(0));
  EXPECT_EQ(analyse_ouverte, 0);
  // A game ending with a side without pieces is analysed from the ply before.
  charger("[FEN \"B:W18:B5\"]\n[GameType \"23\"]\n\n1. 5-9 18-14 2. 9x18 *");
  ASSERT_EQ(dernier_demi_coup, 3);
  ASSERT_TRUE(analyser_partie(0));
  EXPECT_EQ(coup_depart_analyse, 2);
  EXPECT_EQ(coups_analyses.size(), 2u);
  EXPECT_FALSE(score_analyse(3).has_value());
  EXPECT_TRUE(score_analyse(2).has_value());
}

TEST_F(AnalysisFiles, TheSavedAnalysisIsTheMoveLinesAndTheCalculListGoesToBestmove) {
  DossierTemporaire d;
  charger("1. 11-15 23-19 2. 8-11 *");
  ASSERT_TRUE(analyser_partie(1));
  ASSERT_TRUE(sauver_analyse(d.chemin / "a.txt"));
  EXPECT_EQ(contenu(d.chemin / "a.txt"), liste_analyse[0] + "\r\n" + liste_analyse[1] + "\r\n" + liste_analyse[2] + "\r\n");
  EXPECT_FALSE(sauver_analyse(d.chemin / "missing" / "a.txt"));
  ASSERT_TRUE(sauver_coups_calcul(d.chemin, {"11-15 :    12", "9-13 :    -3"}));
  EXPECT_EQ(contenu(d.chemin / "Bestmove.txt"), "11-15 :    12\r\n9-13 :    -3\r\n");
}

// Each starred move carries "$2" or "$4" and the better move in the analysis's
// language; the file reads back as the same game.
TEST_F(AnalysisFiles, TheAnnotatedPdnCarriesTheStarsAndReadsBackAsTheSameGame) {
  charger(FIN_DE_PARTIE);
  const auto plis = plis_du_record();
  ASSERT_TRUE(analyser_partie(0));
  fin_analyse();
  const std::string pdn = ecrire_analyse_pdn("Ana", "Bo", 3, "2024.05.01");
  // One comment a starred move, naming the better move in French (the comments may be wrapped).
  std::string plat = pdn;
  for (char& ch : plat)
    if (ch == '\r' || ch == '\n') ch = ' ';
  int etoiles = 0, commentaires = 0;
  for (std::size_t i = plat.find(" {meilleur : "); i != std::string::npos; i = plat.find(" {meilleur : ", i + 1)) ++commentaires;
  for (const CoupAnalyse& c : coups_analyses) {
    if (!c.etoile) continue;
    ++etoiles;
    const std::string coup = std::to_string(33 - c.meilleur.depart) + (c.meilleur.nb_prises ? "x" : "-") +
                             std::to_string(33 - c.meilleur.arrivee);
    std::string a = "$";  // (built a piece at a time: g++ 12 warns on "$" + ...)
    a += std::to_string(c.nag()) + " {meilleur : " + coup + ", ";
    EXPECT_NE(plat.find(a), std::string::npos) << a;
  }
  EXPECT_GT(etoiles, 0);
  EXPECT_EQ(commentaires, etoiles) << pdn;
  EXPECT_NE(pdn.find("$4 {meilleur"), std::string::npos) << pdn;  // the man thrown away

  const std::vector<PartieLue> relues = lire_parties_pdn(pdn);
  ASSERT_EQ(relues.size(), 1u);
  commencer_partie();
  ASSERT_FALSE(rejouer_partie(relues[0], 1, true).arrete);
  EXPECT_EQ(plis_du_record(), plis);
  EXPECT_EQ(std::string(nom_joueur_blanc), "Ana");
}

TEST(AnalysisGlyphs, TwoMenOrAWinThrownAwayIsAGaffe) {
  CoupAnalyse c{};
  const std::tuple<Score, Score, int> cas[] = {
      {-80, 120, NAG_MAUVAIS_COUP}, {-280, 120, NAG_GAFFE}, {-279, 120, NAG_MAUVAIS_COUP},
      {0, 31990, NAG_GAFFE}, {-80, 10, 0}};
  for (const auto& [joue, meilleur, nag] : cas) {
    c.score_joue = joue;
    c.score_meilleur = meilleur;
    c.etoile = etoile_analyse(joue, meilleur);
    EXPECT_EQ(c.nag(), nag) << joue << " " << meilleur;
  }
}

}  // namespace

TEST_F(AnalysisGraph, EveryPositionIsScoredForTheFirstSideAndTheBlunderIsMarkedWhereItLed) {
  charger(FIN_DE_PARTIE);
  ASSERT_TRUE(analyser_partie(0));
  const std::vector<PointCourbe> points = courbe_analyse();
  ASSERT_EQ(points.size(), 13u);
  for (int k = 0; k <= 12; ++k) {
    const PointCourbe& p = points[static_cast<std::size_t>(k)];
    EXPECT_EQ(p.demi_coup, k);
    const int attendu = k % 2 == 0 ? scores_analyse[k] : -scores_analyse[k];  // camp 0 moves at even plies here
    EXPECT_EQ(p.score, std::clamp(attendu, -BORNE_COURBE, BORNE_COURBE)) << k;
    EXPECT_FALSE(p.decisif) << k;
  }
  // 14-10 (ply index 9) gave a man away: camp 0 is ahead once it has led there.
  ASSERT_TRUE(coups_analyses[9].etoile);
  EXPECT_NE(points[10].nag, 0);
  EXPECT_GT(points[11].score, 100);
  for (const PointCourbe& p : points) {
    if (p.demi_coup == 0) continue;
    EXPECT_EQ(p.nag, coups_analyses[static_cast<std::size_t>(p.demi_coup - 1)].nag()) << p.demi_coup;
  }
}

TEST_F(AnalysisGraph, ItGrowsFromTheEndOfTheGameAsTheAnalysisRunsBackwards) {
  charger(FIN_DE_PARTIE);
  ASSERT_TRUE(debuter_analyse(0));
  EXPECT_TRUE(courbe_analyse().empty());
  for (int pas = 1; pas <= 3; ++pas) {
    ASSERT_TRUE(analyser_position());
    const std::vector<PointCourbe> points = courbe_analyse();
    ASSERT_EQ(static_cast<int>(points.size()), pas);
    EXPECT_EQ(points.front().demi_coup, 13 - pas);
    EXPECT_EQ(points.back().demi_coup, 12);
  }
}

TEST_F(AnalysisGraph, AWonEndingIsDrawnOnTheEdgeAndALargeLeadIsHeldWithinThreeMen) {
  // Three men against one: the databases call it won for camp 0.
  charger("[FEN \"B:W29:B1,2,5\"]\n\n1. 5-9 29-25 *\n");
  ASSERT_TRUE(analyser_partie(0));
  for (const PointCourbe& p : courbe_analyse()) {
    EXPECT_TRUE(p.decisif) << p.demi_coup;
    EXPECT_EQ(p.score, BORNE_COURBE) << p.demi_coup;
  }
  fin_analyse();
  // Five men up, far from the databases: held at the bound, not decided.
  charger("[FEN \"B:W29,30:B1,2,3,5,6,7,9\"]\n\n1. 9-13 30-26 *\n");
  ASSERT_TRUE(analyser_partie(0));
  const std::vector<PointCourbe> points = courbe_analyse();
  ASSERT_EQ(points.size(), 3u);
  for (const PointCourbe& p : points) EXPECT_EQ(p.score, BORNE_COURBE) << p.demi_coup;
}
