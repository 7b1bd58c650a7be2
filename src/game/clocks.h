// The two clocks of the game: seconds used by each side up to its last
// completed move.
#pragma once

#include <cstdint>

#include "rules/board.h"

extern std::int32_t temps_blancs, temps_noirs;  // camp 0 and camp 1

// The clock of `camp`.
std::int32_t& horloge(Camp camp);

// Both clocks at zero.
void remettre_horloges();
