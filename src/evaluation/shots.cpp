// The catalogue of shots: forcing combinations on fixed squares, white to
// move, each outcome worth 80 (one man won), 120 (two men, or a crowning) or
// 180 (three men, or a man and a crowning; a king counts three men). A rule
// lists the men and the empty squares the combination needs and, in
// brackets, its outcomes tried in order. Black's shots are the same turned
// half a turn; a movable shot also holds wherever a shift or a left-right
// reflection keeps it on the board.
#include "evaluation/patterns.h"

namespace motifs {

namespace {

const Regle COUPS[] = {
    // 9-6 gives a man; 2x9 is forced (1 is occupied) and 13 takes back 9 and
    // 10, then a third man if one stands ahead of an empty square.
    {"W13 W9 E6 O1 B2 B10 (w14 | W18 W17) [B11 E8: 120, B18 E22: 120, B19 E24: 120, b19 b11 b18: 80,"
     " b19 O11 O18: 80, B19 O15: 80]",
     Portee::LES_DEUX},
    // 22-18 gives a man; 15x22 is forced and 25 takes 22 and 14.
    {"W22 W25 E18 B15 B14 E9 O23 O29 (x26 | O31) [B6 K2: 180, b5 b6 b13: 80]", Portee::DEPLACABLE},
    // 22-18, 15x22, 26x22x14 and on toward the crowning row.
    {"W22 W26 E18 B15 B14 E10 E17 O23 O31 [B6 K1: 180, B7 K3: 180, b6 b7: 80]", Portee::DEPLACABLE},
    // 18-15, 11x18, 22x18x10, and back over 9 when it can.
    {"W18 W22 E15 B11 B10 E6 O19 O25 [B9 E13: 120, b1 b2: 80]", Portee::DEPLACABLE},
    // 14-10, 7x14, 9x14x15 backward and forward.
    {"W14 W9 E10 B7 O5 O6 E18 B15 E11 [B8 K4: 180, B16 E20: 120, b8 b16: 80]", Portee::DEPLACABLE},
    // 23-19, 16x23, 27x23 and on over 15 or over 14, up to the crowning row.
    {"W23 W27 E19 B16 E18 O24 O32 [B15 E11 B8 K4: 180, B15 E11 B7 K3: 180, B14 E9 B6 K2: 180,"
     " B15 E11 b7 b8: 80, B14 E9 b5 b6 b13: 80]",
     Portee::DEPLACABLE},
    // 19-15 gives two: 10x15x23 is forced, and 30x26x18x9 takes three.
    {"W19 W23 W30 E15 B10 E26 B18 E14 B9 E5 O27 O11 x22 x24 x31 [: 80]", Portee::DEPLACABLE},
    // 18-14: if 10x14, 21x17x9; if 9x14x, 23x18x10. Either way a man up.
    {"W18 W21 W23 E14 B10 B9 E17 E5 E7 O27 x22 b3 (b2 | O11) [: 80]", Portee::DEPLACABLE},
    // 9-6 gives a man, 2x9 opens square 2 and 7 runs through to crown.
    {"W9 W7 E6 B2 B3 O10 b1 c2 [: 80]", Portee::DEPLACABLE},
    // 10-7 gives a man, 2x11 and 9x6 crowns on the square black left.
    {"W10 W9 E7 B2 B6 E11 b3 O13 c2 [: 120]", Portee::DEPLACABLE},
    // 10-7, 3x10 (2 is occupied), 14x10x11, then over 19 when it can.
    {"W14 W10 E7 O2 B3 B11 O17 E16 [B19 E23: 120, b12 b19 b20: 80]", Portee::DEPLACABLE},
};

}  // namespace

const Catalogue& coups_blancs() {
  static const Catalogue c = lire_regles(COUPS, static_cast<int>(sizeof COUPS / sizeof COUPS[0]), true, false);
  return c;
}

const Catalogue& coups_noirs() {
  static const Catalogue c = lire_regles(COUPS, static_cast<int>(sizeof COUPS / sizeof COUPS[0]), false, true);
  return c;
}

}  // namespace motifs
