#include "game/clocks.h"

std::int32_t temps_blancs = 0, temps_noirs = 0;

std::int32_t& horloge(Camp camp) { return camp == NOIRS ? temps_noirs : temps_blancs; }

void remettre_horloges() { temps_blancs = temps_noirs = 0; }
