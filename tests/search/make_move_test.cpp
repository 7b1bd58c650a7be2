// The search's make-move: material balance from the root side's view, the
// crowning extension near the horizon.

#include "support/etat.h"
#include "support/positions.h"

using SearchMove = Moteur;

TEST_F(SearchMove, MaterialForTheRootSideAndTheCrowningExtension) {
  struct Cas {
    const char* fen;
    Camp racine;
    int ply, prof_max;
    const char* coup;
    int bilan, extension;
  };
  const Cas cas[] = {
      {"B:W10,K19,32:B15", BLANCS, 1, 10, "15x24", 3, 0},  // a king taken
      {"B:W19,32:B15", NOIRS, 2, 10, "15x24", -1, 0},       // a man lost for a black root side
      {"B:W7,13:B12,28", BLANCS, 1, 10, "28-32", 2, 0},     // a crowning counts two
      {"B:W7,13:B28", BLANCS, 3, 4, "28-32", 2, 2},         // the first king near the horizon extends the line
      {"B:W7,13:B28", BLANCS, 3, 10, "28-32", 2, 0},        // not far from it
      {"B:W7,13:BK1,28", BLANCS, 3, 4, "28-32", 2, 0},      // nor with a king already
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.fen);
    poser_fen(c.fen);
    camp_racine = c.racine;
    bilan_materiel = 0;
    ajustement_prof = 0;
    extension_promotion = 0;
    for (auto& p : prises_forcees) p = 0;
    prof_max = c.prof_max;
    preparer_listes();
    prof_courante = static_cast<std::int8_t>(c.ply);
    const int n = generer_coups(trait);
    const int k = indice_coup(c.coup, n, c.ply);
    ASSERT_LT(k, n);
    const Case arrivee = listes_coups[c.ply][k].arrivee;
    const bool couronne = case_couronnement(damier[listes_coups[c.ply][k].depart], arrivee);
    faire_coup(k);
    EXPECT_EQ(bilan_materiel, c.bilan);
    EXPECT_EQ(extension_promotion, c.extension);
    EXPECT_EQ(damier[arrivee], couronne ? DAME_BLANCHE : PION_BLANC);
    EXPECT_TRUE(comptes_justes());
  }
}
