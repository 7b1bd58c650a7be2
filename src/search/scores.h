// The score scale every part of the engine shares: scores are signed 16-bit,
// in 1/200 of a man, seen from the side the search runs for.
#pragma once

#include "rules/board.h"

// ---- constants ------------------------------------------------------------

constexpr int VALEUR_PION = 200;           // one man
constexpr Score SCORE_INFINI = 32000;      // full window; 32000 - ply is a win found at that ply
constexpr Score SCORE_RECHERCHE = 31000;   // null-window re-searches only strictly inside it
constexpr Score SCORE_GAIN_DAMES = 31001;  // recognised won king-against-men ending
constexpr Score SCORE_DECISIF = 30000;     // beyond it a score is a forced win or loss

// ---- functions ------------------------------------------------------------

// The user reads scores halved: 1/100 of a man.
constexpr int score_affiche(int score) { return score / 2; }
