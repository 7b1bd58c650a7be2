// The score graph of an analysis: one point per analysed position from the
// first side's point of view, growing from the end of the game, held within
// three men, won positions on the edge, starred moves marked where they led.
#include "game/session.h"
#include "records/analysis.h"
#include "records/analysis_graph.h"
#include "records/pdn.h"
#include "records/text_games.h"
#include "search/search_support.h"

using namespace recherche_test;

namespace {

// White (camp 1) throws a man away with 14-10, the tenth ply here.
constexpr const char* FIN_DE_PARTIE =
    "[FEN \"B:W13,19,24,25,27,28:B5,6,7,10,11,20\"]\n[GameType \"23\"]\n\n"
    "25. 10-14 25-22 26. 14-17 22-18 27. 17-21 19-15 28. 11-16 18-14 29. 16-19 14-10 30. 7x14 15-11 *\n";

class AnalysisGraph : public Recherche {
 protected:
  void SetUp() override {
    Recherche::SetUp();
    garde_session_ = session;
    jouer_sans_limite();
    profondeur_imposee = 4;
  }
  void TearDown() override {
    fin_analyse();
    session = garde_session_;
  }
  static void charger(const char* pdn) {
    const std::vector<PartieLue> parties = lire_parties_pdn(pdn);
    ASSERT_EQ(parties.size(), 1u);
    ASSERT_FALSE(rejouer_partie(parties[0], 1, true).arrete);
    aller_au_demi_coup(dernier_demi_coup);
  }
  Session garde_session_;
};

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
