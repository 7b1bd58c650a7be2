// The root driver: return codes, the time budget, fixed-depth levels, the
// stop requests and the book at the root.

#include "search_support.h"

using namespace recherche_test;

namespace {

constexpr const char* MILIEU = "B:W17,18,19,21,23,24,25,26,27,28,30,31:B1,2,3,5,6,7,9,10,11,12,14,15";

using TimeBudget = Moteur;
using RootAnswers = Recherche;
using FixedDepthLevels = Recherche;
using StopRequests = Recherche;
using RootBook = Recherche;

}  // namespace

TEST_F(TimeBudget, FollowsTheLevelTheClockAndTheMoveNumber) {
  struct Budget {
    int h, t, t2, deja;
    std::uint8_t analyse;
    int par_coup, max_coup, total;
  };
  const Budget cas[] = {
      {20, 1680, 1798, 300, 0, 30, 150, 1798},  // before 60 half-moves: nine tenths of what is left per ply left
      {58, 1680, 1798, 1790, 0, 1, 5, 1798},    // at least a second while the clock allowance is not passed
      {200, 540, 598, 1500, 0, 35, 175, 2003},  // from 60 half-moves on, blocks of 30 moves
      {0, 6, 358, 0, 0, 0, 0, 358},             // never above a tenth of the budget
      {10, 540, 598, 400, 1, 18, 90, 598},      // analysis: a thirtieth of the budget
  };
  for (const Budget& c : cas) {
    nb_demi_coups = static_cast<std::uint8_t>(c.h);
    budget_reflexion = c.t;
    temps_limite = c.t2;
    temps_deja_utilise = c.deja;
    analyse_en_cours = c.analyse;
    calculer_budget_temps();
    EXPECT_EQ(temps_par_coup, c.par_coup) << "h=" << c.h << " T=" << c.t;
    EXPECT_EQ(temps_max_coup, c.max_coup) << "h=" << c.h << " T=" << c.t;
    EXPECT_EQ(temps_limite_total, c.total) << "h=" << c.h << " T=" << c.t;
  }
  analyse_en_cours = temps_deja_utilise = 0;
  temps_limite = 319998;
  for (const auto& [budget, anticipee] : {std::pair{BUDGET_ILLIMITE, 0}, {160, 1}}) {  // no limit for either
    budget_reflexion = budget;
    reflexion_anticipee = static_cast<std::uint8_t>(anticipee);
    calculer_budget_temps();
    EXPECT_EQ(temps_par_coup, 3200000) << budget;
    EXPECT_EQ(temps_max_coup, 3200000) << budget;
  }
}

TEST_F(RootAnswers, NoMoveASingleMoveThinkingAheadAndAnalysis) {
  for (const char* fen : {"B:W:B1", "B:W29,30:B25"}) {  // no piece; the only man blocked
    placer(fen);
    EXPECT_EQ(choisir_coup(trait), CHOIX_AUCUN) << fen;
  }
  placer("B:W18:B14,K1");  // a single move is returned without search...
  EXPECT_EQ(choisir_coup(trait), CHOIX_UNIQUE);
  EXPECT_EQ(nb_noeuds, 0u);
  EXPECT_EQ(nb_coups[1], 1);
  EXPECT_EQ(notation_coup(listes_coups[1][0]), "14x23");
  reflexion_anticipee = 1;  // ...but searched when thinking ahead
  budget_reflexion = 2;
  EXPECT_EQ(chercher_profondeur(3), 0);
  EXPECT_GT(nb_noeuds, 0u);
  reflexion_anticipee = 0;
  analyse_en_cours = 1;  // the analysis scores a forced move 32001
  coup_depart_analyse = 50;
  EXPECT_EQ(choisir_coup(trait), CHOIX_UNIQUE);
  EXPECT_EQ(score_racine, 32001);
  // The root list's line of the move being searched is marked (the panel: the tool's test).
  EXPECT_EQ(ligne_coup_racine(Coup{22, 18, 0, {}, 0}, -6, true), "11-15 :    -6 ?<---");
  EXPECT_EQ(ligne_coup_racine(Coup{19, 10, 1, {0, 15}, 0}, 120, false), "14x23 :   120");
}

TEST_F(FixedDepthLevels, BudgetsOneToFiveStopAtDepthsTwoToSix) {
  for (int t = 1; t <= 5; ++t) {
    placer(MILIEU);
    budget_reflexion = t;
    temps_limite = 58;
    vider_tables();
    EXPECT_LT(choisir_coup(trait), nb_coups[1]);
    EXPECT_EQ(prof_max, t + 1) << "budget " << t;
  }
}

TEST_F(FixedDepthLevels, SameDepthSameNodesRunAfterRun) {
  std::uint32_t noeuds[2];
  std::string coups[2];
  for (int r = 0; r < 2; ++r) {
    placer(MILIEU);
    oublier_recherches();  // each run starts from the same state
    coups[r] = texte_coup_choisi(chercher_profondeur(9));
    noeuds[r] = nb_noeuds;
  }
  EXPECT_GT(noeuds[0], 1000u);
  EXPECT_EQ(noeuds[0], noeuds[1]);
  EXPECT_EQ(coups[0], coups[1]);
}

// A stop keeps the best move of the work done; a cancel arriving while an
// iteration runs (messages go through every 5001 nodes) answers zero.
TEST_F(StopRequests, AStopKeepsTheBestMoveAndACancelAnswersZero) {
  placer(MILIEU);
  crochet_pompe_messages = [] { arret_calcul = 1; };
  EXPECT_LT(chercher_profondeur(30), nb_coups[1]);
  EXPECT_LE(prof_max, 2);  // stopped after the first iteration or inside the second
  score_racine = 77;
  crochet_pompe_messages = [] {
    if (nb_noeuds > 20000) arret_calcul = calcul_annule = 1;
  };
  EXPECT_EQ(chercher_profondeur(30), 0);
  EXPECT_EQ(score_racine, 0);
}

TEST_F(StopRequests, TheHardTimeLimitStopsARunningSearch) {
  placer(MILIEU);
  std::int64_t maintenant = 1000000;  // every reading of the clock finds two more seconds gone
  crochet_horloge_ms = [&] { return maintenant += 2000; };
  budget_reflexion = 160;  // one second a move, five at most
  temps_limite = 178;
  profondeur_imposee = 0;
  EXPECT_LT(choisir_coup(trait), nb_coups[1]);
  EXPECT_LT(prof_max, 12);
  EXPECT_GT(temps_deja_utilise, 0);  // the time used is written back
  EXPECT_GT(temps_blancs, 0);        // the clock of the side thinking ran
}

TEST_F(RootBook, ABookMoveIsPlayedWithoutSearchOnlyWhenActiveAndWhileEveryManIsThere) {
  ouvertures_blancs = {"11-15 22-18 "};
  position_initiale();
  nouvelle_partie();
  bibliotheque_active = 1;
  EXPECT_EQ(texte_coup_choisi(chercher_profondeur(6)), "11-15");
  EXPECT_EQ(nb_noeuds, 0u);
  EXPECT_EQ(rechercher_coup(trait).origine, OrigineCoup::Livre);
  bibliotheque_active = 0;
  chercher_profondeur(2);
  EXPECT_GT(nb_noeuds, 0u);
  placer("B:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11");  // 11 men
  bibliotheque_active = 1;
  chercher_profondeur(2);
  EXPECT_GT(nb_noeuds, 0u);
}

// The search answers with a value: where the move came from, its score,
// depth and nodes, and a principal variation that starts with the move and
// is a legal line of play; the display gets the same as typed values.
TEST_F(RootAnswers, TheAnswerAsAValueAndTheDisplayAsTypedLines) {
  placer("B:W:B1");
  EXPECT_FALSE(rechercher_coup(trait).joue());
  placer("B:W18:B14,K1");
  ResultatRecherche r = rechercher_coup(trait);
  EXPECT_EQ(r.origine, OrigineCoup::Force);
  EXPECT_EQ(notation_coup(r.coup), "14x23");
  EXPECT_TRUE(r.variante.empty());

  std::vector<EtatRecherche> etats;
  std::vector<LigneRacine> lignes;
  crochet_etat_recherche = [&](const EtatRecherche& e) { etats.push_back(e); };
  crochet_ligne_racine = [&](const LigneRacine& l) { lignes.push_back(l); };
  placer(MILIEU);
  jouer_sans_limite();
  profondeur_imposee = 6;
  r = rechercher_coup(trait);
  EXPECT_EQ(r.origine, OrigineCoup::Recherche);
  EXPECT_EQ(r.profondeur, 6);
  EXPECT_EQ(r.noeuds, nb_noeuds);
  EXPECT_EQ(r.score, score_racine);
  EXPECT_FALSE(r.interrompue);
  ASSERT_GE(r.variante.size(), 2u);
  EXPECT_EQ(notation_coup(r.variante[0]), notation_coup(r.coup));
  EXPECT_EQ(notation_coup(r.coup), notation_coup(listes_coups[1][r.index]));
  // Every move of the variation is legal where it is played.
  for (const Coup& m : r.variante) {
    const int n = coups_legaux(trait);
    bool trouve = false;
    for (int i = 0; i < n && !trouve; ++i)
      if (notation_coup(listes_coups[1][i]) == notation_coup(m)) {
        jouer_coup(listes_coups[1][i]);
        trouve = true;
      }
    ASSERT_TRUE(trouve) << notation_coup(m);
  }
  ASSERT_FALSE(etats.empty());
  EXPECT_EQ(etats.back().profondeur, 6);
  EXPECT_EQ(etats.back().score, score_affiche(score_racine));
  ASSERT_FALSE(lignes.empty());
  EXPECT_EQ(lignes.front().index, -1);  // the list is emptied first
  // The panel's lines in the formats given, the variation two moves a line.
  const FormatsRecherche f{"P%d", "N%u", "T%d", "V%u", "V//", "S%d", "C%d"};
  const Coup v[3] = {Coup{22, 18, 0, {}, 0}, Coup{11, 15, 0, {}, 0}, Coup{19, 10, 1, {0, 15}, 0}};
  const std::vector<std::string> attendu{"P4", "N1000", "T0", "V//", "S-12", "C3", "11 - 15 , 22 - 18", "14 x 23"};
  EXPECT_EQ(lignes_recherche({4, 1000, true, 0, -12, 3, v, 3}, f), attendu);
  const std::vector<std::string> anticipee{"P4", "N1000", "S-12", "C3"};
  EXPECT_EQ(lignes_recherche({4, 1000, false, 9, -12, 3, v, 0}, f), anticipee);
}
