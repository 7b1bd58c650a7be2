// Runaway men: white men on their way to the crowning row (squares 5..20)
// with the path ahead clear, each rule worth 5..75. Black's rules are the
// same turned half a turn, except the one pair written apart.
#include "evaluation/patterns.h"

namespace motifs {

namespace {

const Regle REGLES_ECHAPPES[] = {
    // One step from the crowning row.
    {"W5 E1: 75", Portee::LES_DEUX},
    {"W6 [E1 E2 [tB: 75, b9 b10: 75], E2 O1 O10 b9 {O15: 35, tB: 40}, E1 O2 O9 b10 {O14: 35, tB: 40}]",
     Portee::LES_DEUX},
    {"W7 [E2 E3 [tB: 75, b10 b11: 75], E3 O2 O11 b10 {O16: 35, tB: 40}, E2 O3 O10 b11 {O14: 35, tB: 40}]",
     Portee::LES_DEUX},
    {"W8 [E3 E4 [tB: 75, b11 b12: 75], E4 O3 O12 b11 {: 35, tB: 40}, E3 O4 O11 b12 {O15: 35, tB: 40}]",
     Portee::LES_DEUX},
    // Two steps away.
    {"W9 [E5 E6 E1 (y13 y14 | tB): 35 [tB: 25, y10: 25], E5 O6 O13 [tB: 25, y14: 30],"
     " E6 O5 O14 O18 [(O1 | O2 | O10): -25, tN (Y7 | Y10): -25, : 25]]",
     Portee::LES_DEUX},
    {"W10 E6 E7 E2 (E1 | E3) y14 y15: 30 {tB: 20}", Portee::LES_DEUX},
    {"W11 E7 E8 E3 (E2 | E4) y15 y16: 30 {tB: 20}", Portee::LES_DEUX},
    {"W12 E8 E3 E4 y15: 35 {tB: 20}", Portee::LES_DEUX},
    {"E7 E8 b15 (B3 E4 | B4 E3) [W11 W12: 60, W11 W16 E12: 30, W12 W16 E11: 30, W16 W20 E11 E12: 20]",
     Portee::LES_DEUX},
    {"W9 W10 E5 E6 E7 E1 E2 y13 y14 y15: 20", Portee::LES_DEUX},
    // Three steps away: the whole cone ahead must be clear.
    {"W13 E9 E5 E6 E1 y10 y14: 20 {tB: 10}", Portee::LES_DEUX},
    {"W14 E9 E10 E5 E6 E7 E1 E2 y13 y15: 25 {tB: 15}", Portee::LES_DEUX},
    {"W15 E10 E11 E6 E7 E8 E2 E3 y14 y16: 25 {tB: 15}", Portee::LES_DEUX},
    {"W16 E11 E8 E7 E4 E3: 25 {E2: 35}", Portee::BLANCS_SEULS},
    {"B17 O21 E22 E25 E26 E29 E30 nDB: -25 {E31: -35}", Portee::NOIRS_SEULS},
    // Four steps away, only when the other side has no king to stop them.
    {"W17 E13 E14 E9 E10 E5 E6 E7 E1 E2 y18 nDN: 10 {tB: 5}", Portee::LES_DEUX},
    {"W18 E14 E15 E10 E11 E6 E7 E8 E2 E3 y13 y19 nDN: 10 {tB: 5}", Portee::LES_DEUX},
    {"W19 E15 E16 E11 E12 E7 E8 E3 E4 y14 y20 nDN: 10 {tB: 5}", Portee::LES_DEUX},
    {"W20 E16 E12 E11 E8 E7 E4 E3 y15 nDN: 10 {tB: 5}", Portee::LES_DEUX},
    // A runaway man backed by a friend that keeps the enemy from trapping it.
    {"W10 W14 E6 E7 E2 y15: 10", Portee::LES_DEUX},
    // Two men side by side on the third row before an empty corner: one gets through.
    {"W11 W12 E7 E8 E3 E4 y15 y16: 15", Portee::LES_DEUX},
};

}  // namespace

const Catalogue& regles_echappes() {
  static const Catalogue c =
      lire_regles(REGLES_ECHAPPES, static_cast<int>(sizeof REGLES_ECHAPPES / sizeof REGLES_ECHAPPES[0]), true, true);
  return c;
}

}  // namespace motifs
