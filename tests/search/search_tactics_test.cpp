// The tactical suite: shots that win material, king endings beyond the
// databases, database endings and recognised king-against-men wins. Each
// position is first checked by an independent judge (oracle.h), then the
// engine must find the answer within a given depth, which is printed.

#include <cstdio>

#include "support/oracle.h"
#include "search_support.h"

using namespace recherche_test;

namespace {

struct Coup_gagnant {
  const char* fen;
  const char* coup;  // the only move winning material
  int plies;         // within this many plies, captures followed to the end
  int profondeur;    // the engine finds it at this depth (or earlier)
};

const Coup_gagnant COUPS_GAGNANTS[] = {
    {"B:W19,20,21,26,29:B2,3,4,8,9,11", "08-12", 7, 5},
    {"B:WK10,23,24,26,27,31,32:B1,4,9,11,12,K25", "25-21", 7, 4},
    {"B:W14,21,26,27,28,29,31:B2,4,5,6,7,8,11,12,19,20", "11-15", 7, 2},
    {"W:W23,25,26,27,30,32:B1,4,7,12,14,15", "25-22", 7, 2},
    {"B:W24,27,28,29:B1,2,3,4,5,8,15,16,17", "16-20", 7, 5},
    {"B:W17,25,29,30:B2,3,4,5,K9,10,12", "09-13", 7, 4},
    {"W:W13,17,18,20,21,25,26,28,31,32:B1,5,6,9,11", "20-16", 7, 4},
    {"B:W17,21,31:B1,5,7,12,16", "16-19", 7, 6},
    {"B:W21,28,32:B5,6,7,9,11,17", "17-22", 7, 6},
    {"B:W24,29,31:B2,3,4,6,11,13,17", "17-22", 7, 4},
    {"W:W5,21,24,25,26,27,28,30,32:B1,4,8,10,12,20", "24-19", 7, 6},
    {"B:WK9,20,21,23,24,32:BK8,10,12", "08-04", 7, 5},
    {"W:W15,24,30:B4,5,9,12,13,21", "15-11", 7, 2},
    {"W:W5,19,21,22,24,28,29,31,32:B1,2,4,7,8,10,12", "19-16", 7, 3},
    {"B:WK2,21,23,27,29:B1,5,11,12", "12-16", 7, 1},
    {"B:W16,17,19,21,24,25,28,29,30,31,32:B1,3,4,6,7,8,9,10,12,15", "08-11", 7, 1},
    {"B:W18,21,25,29,30:B1,2,3,9,13,20", "20-24", 7, 1},
    {"B:W19,22,29,30:B6,9,12,13,21", "09-14", 7, 1},
    {"W:W21,23,24,26,27,28,29,32:B1,5,12,15,16", "24-20", 7, 1},
    {"W:W21,22,24,25,26,27,29,30,32:B1,2,4,5,6,9,10,12,16", "24-20", 7, 1},
    {"B:W19,21,23,24,28,30:B5,14,17", "17-22", 7, 1},
    {"W:W13,15,20,24,28,32:B3,6,8,9", "15-10", 7, 1},
    {"B:W17,21,22,24,26,27,28,30,32:B1,3,4,5,7,8,10,11,12,13", "10-15", 5, 4},
    {"W:W19,21,25,27,28,29,31:B1,2,5,8,9,10,11,12,20", "19-16", 5, 3},
    {"W:W18,25,26,27,28,29,32:B1,2,3,5,7,8,9,11,12,17,20", "18-15", 5, 3},
    {"B:W20,25,27,30:B3,4,5,6,7,K17", "17-14", 5, 4},
    {"B:WK12,18,21,22,23,25,26,30,31:B1,6,9,11,13", "11-16", 5, 3},
    {"W:W15,19,24,29,30,32:B5,7,8", "19-16", 5, 4},
    {"B:W16,21,22,24,26,29,30:B4,5,7,9,13,14", "14-18", 5, 3},
};

struct Finale {
  const char* fen;
  int plies;       // the win is forced within this many plies (0: the databases say so now)
  int profondeur;  // the engine keeps the win from this depth on (or earlier)
};

// Beyond the databases: five pieces, kings on the board, won by force.
const Finale FINALES_DAMES[] = {
    {"B:WK4,17:B8,K25,28", 5, 1},   {"B:W21,K32:BK5,K24,K25", 5, 1}, {"B:WK14,28:BK9,15,18", 5, 3},
    {"B:WK8,12:BK2,14,K30", 5, 1},  {"B:WK10,28:BK9,20,K26", 5, 1},  {"B:W9,14:BK11,K19,K29", 5, 3},
    {"B:W5,22:B20,21,K24", 5, 4},   {"B:WK4,5:BK18,28,K29", 5, 1},   {"B:WK4,12:B1,K7,K29", 5, 1},
};

// Inside the databases: three or four pieces, won for the side to move.
const Finale FINALES_BASES[] = {
    {"B:W15:BK7,K32", 0, 1},   {"B:WK26:BK12,19", 0, 1},  {"B:WK17:B19,24,K29", 0, 1}, {"B:WK12:B4,K7,K19", 0, 1},
    {"B:WK26:BK3,K9,20", 0, 1}, {"B:WK1:BK5,K12,K31", 0, 1}, {"B:W17:B20,K32", 0, 1},     {"B:WK9:B4,6,K13", 0, 1},
};

using TacticalSuite = Recherche;

// The depths at which the engine found the answers; the evaluation may move them a little.
constexpr int MARGE_PROFONDEUR = 2;

// The smallest depth up to `maximum` plus the margin where the move passes `bon`; 0 if none.
template <typename Test>
int profondeur_resolue(const char* fen, int maximum, Test bon) {
  for (int d = 1; d <= maximum + MARGE_PROFONDEUR; ++d) {
    placer(fen);
    const std::uint8_t choix = chercher_profondeur(d);
    if (choix == CHOIX_AUCUN) return 0;
    const Coup m = listes_coups[1][choix == CHOIX_UNIQUE ? 0 : choix];
    placer(fen);
    if (bon(m)) return d;
  }
  return 0;
}

}  // namespace

TEST_F(TacticalSuite, ShotsThatWinMaterial) {
  int n = 0;
  for (const Coup_gagnant& t : COUPS_GAGNANTS) {
    placer(t.fen);
    const oracle::Plateau b = plateau();
    const Camp camp = trait;
    // The judge: this move wins material, no other does.
    const int base = oracle::materiel(b, camp);
    bool trouve = false;
    for (const auto& m : reference::coups(b, camp)) {
      const int v = -oracle::gain(oracle::jouer(b, m), adversaire(camp), t.plies - 1);
      const bool celui_la = notation_coup(std::get<0>(m), std::get<1>(m), !std::get<2>(m).empty()) == t.coup;
      if (celui_la) {
        trouve = true;
        EXPECT_GE(v, base + 1) << t.fen << " " << t.coup << " wins nothing";
        // Two plies further on the man is still won: no horizon effect.
        const int plus_loin = -oracle::gain(oracle::jouer(b, m), adversaire(camp), t.plies + 1);
        EXPECT_GE(plus_loin, base + 1) << t.fen << " " << t.coup << " gives the material back";
      } else {
        EXPECT_LE(v, base) << t.fen << ": another move also wins";
      }
    }
    ASSERT_TRUE(trouve) << t.fen << ": " << t.coup << " is not legal";
    // The engine.
    const int d = profondeur_resolue(t.fen, t.profondeur, [&](const Coup& m) { return notation_coup(m) == t.coup; });
    EXPECT_GT(d, 0) << t.fen << ": " << t.coup << " not found by depth " << t.profondeur;
    std::printf("  shot %2d %-60s %s solved at depth %d\n", ++n, t.fen, t.coup, d);
  }
}

TEST_F(TacticalSuite, KingEndingsBeyondTheDatabasesAreWon) {
  int n = 0;
  for (const Finale& f : FINALES_DAMES) {
    placer(f.fen);
    const oracle::Plateau b = plateau();
    const Camp camp = trait;
    ASSERT_GT(oracle::nb_pieces_plateau(b), 4);
    ASSERT_TRUE(oracle::gain_force(b, camp, f.plies)) << f.fen << " is not a forced win";
    const int d = profondeur_resolue(f.fen, f.profondeur, [&](const Coup& m) {
      return score_racine > SCORE_DECISIF &&
             oracle::perdu(reference::jouer(b, en_mouvement(m)), adversaire(camp), f.plies);
    });
    EXPECT_GT(d, 0) << f.fen << ": the win is not kept by depth " << f.profondeur;
    std::printf("  king ending %d %-40s won at depth %d\n", ++n, f.fen, d);
  }
}

TEST_F(TacticalSuite, DatabaseEndingsArePlayedCorrectly) {
  int n = 0;
  for (const Finale& f : FINALES_BASES) {
    placer(f.fen);
    const oracle::Plateau b = plateau();
    const Camp camp = trait;
    ASSERT_EQ(oracle::verdict_base(b, camp), 1) << f.fen << " is not a database win";
    // Some move throws the win away: the choice matters.
    int mauvais = 0;
    for (const auto& m : reference::coups(b, camp))
      mauvais += oracle::verdict_base(oracle::jouer(b, m), adversaire(camp)) != -1;
    ASSERT_GT(mauvais, 0) << f.fen;
    const int d = profondeur_resolue(f.fen, f.profondeur, [&](const Coup& m) {
      return score_racine > SCORE_DECISIF && oracle::perdu(reference::jouer(b, en_mouvement(m)), adversaire(camp), 0);
    });
    EXPECT_GT(d, 0) << f.fen;
    std::printf("  database ending %d %-24s kept at depth %d\n", ++n, f.fen, d);
  }
}

TEST_F(TacticalSuite, RecognisedKingWinsAreDecisive) {
  // Kings holding a diagonal against penned men, too many pieces for the databases.
  const char* positions[] = {"B:W30,25,21:BK32,4,8", "B:W30,21:BK31,4,3", "W:WK1,25,29:B3,8,12"};
  int n = 0;
  for (const char* fen : positions) {
    const int d = profondeur_resolue(fen, 4, [&](const Coup&) { return score_racine >= SCORE_GAIN_DAMES; });
    EXPECT_GT(d, 0) << fen;
    std::printf("  recognised ending %d %-24s decisive at depth %d\n", ++n, fen, d);
  }
}
