// Positional motifs used before the ending: outposts, guards of the back
// row, abandoned double corners, blocked and hanging men. Written for white
// (positive when good for white); black's are the half-turn images.
#include "evaluation/patterns.h"

namespace motifs {

namespace {

const Regle REGLES_POSITIONNELLES[] = {
    // An advanced man on 14, stronger when black's corner behind it is open.
    {"p01 W14: 5 {E1: 10}", Portee::LES_DEUX},
    // White's double corner abandoned.
    {"E28 E32: -10 {O24: -10 {B20: -15}, p0: -10}", Portee::LES_DEUX},
    // A man on 12 facing an open square 3.
    {"W12 E3: 15 {B4: 10}", Portee::LES_DEUX},
    // Guards of the back row in the opening.
    {"p0 W30 W31: 10", Portee::LES_DEUX},
    {"p0 W29 W31: 5", Portee::LES_DEUX},
    {"p0 W30 W32: 5", Portee::LES_DEUX},
    {"p01 E29 E30 E31: -10", Portee::LES_DEUX},
    // The centre held and supported.
    {"W18 W22 W23: 10", Portee::LES_DEUX},
    {"W19 W23 W24: 5", Portee::LES_DEUX},
    {"W15 (W18 | W19): 10", Portee::LES_DEUX},
    {"W14 W17 W18: 10", Portee::LES_DEUX},
    {"W15 W18 W19 W22: 10", Portee::LES_DEUX},
    {"p01 W18 W19: 5", Portee::LES_DEUX},
    // A lone man in the centre, nothing behind it.
    {"W15 E18 E19 b10 b11: -10", Portee::LES_DEUX},
    {"W14 E17 E18 b9 b10: -10", Portee::LES_DEUX},
    // Black men pinned on the edge by white men that cannot be taken.
    {"B21 W25 O30: 10", Portee::LES_DEUX},
    {"B20 W24 O27: 10", Portee::LES_DEUX},
    {"B13 W17 O22 E9: 5", Portee::LES_DEUX},
    // A black man that has run deep into white's camp, held there.
    {"B22 W26 W25 O31 O29: 40", Portee::LES_DEUX},
    {"B23 W26 W27 O30 O32: 40", Portee::LES_DEUX},
    {"B24 W27 W28 O31: 40", Portee::LES_DEUX},
    // Men on the edge are out of play in the middle game.
    {"p01 W21 E25 E22: -5", Portee::LES_DEUX},
    {"p01 W20 E24 E23: -5", Portee::LES_DEUX},
    // Bridge and triangle formations of the back.
    {"W25 W26 W30: 5", Portee::LES_DEUX},
    {"W27 W28 W32: 5", Portee::LES_DEUX},
    {"W22 W26 W27 W31: 10", Portee::LES_DEUX},
    // From the pre-ending on, advanced men and the long diagonal matter.
    {"p23 W15: 5 {W18: 5}", Portee::LES_DEUX},
    {"p23 W11 y7 y8: 10", Portee::LES_DEUX},
    {"p23 X22 X18 X15: 5", Portee::LES_DEUX},
    // The side to move can break through on the wing.
    {"tB W16 W20 E12 E8 b4 b3: 10", Portee::LES_DEUX},
    {"tB W13 W17 E9 E5 b1: 10", Portee::LES_DEUX},
    // Loose man hanging in front of black's wall.
    {"W10 B6 B7 E14 E15: -40", Portee::LES_DEUX},
};

}  // namespace

const Catalogue& regles_positionnelles() {
  static const Catalogue c = lire_regles(
      REGLES_POSITIONNELLES, static_cast<int>(sizeof REGLES_POSITIONNELLES / sizeof REGLES_POSITIONNELLES[0]), true,
      true);
  return c;
}

}  // namespace motifs
