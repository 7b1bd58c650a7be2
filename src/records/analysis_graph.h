// The score graph under the analysis list: each analysed position's score
// seen from the side that moves first, held within a few men so that a won
// game does not flatten the rest, with the moves the analysis starred.
#pragma once

#include <vector>

#include "search/scores.h"

// ---- constants ------------------------------------------------------------

constexpr int BORNE_COURBE = 3 * VALEUR_PION;  // internal points: the graph spans three men either way

// ---- types ----------------------------------------------------------------

struct PointCourbe {
  int demi_coup;  // record index of the position
  int score;      // internal, for camp 0, within -BORNE_COURBE .. BORNE_COURBE
  bool decisif;   // a won or lost position: drawn on the edge
  int nag;        // the move that led here: 0, NAG_MAUVAIS_COUP or NAG_GAFFE
};

// ---- functions ------------------------------------------------------------

// The positions the last analysis searched (as the record holds them now),
// the first first; it grows from the end of the game while the analysis runs.
std::vector<PointCourbe> courbe_analyse();
