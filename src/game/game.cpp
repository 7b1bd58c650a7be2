#include "game/game.h"

EntreePartie partie[TAILLE_PARTIE];
std::uint8_t nb_demi_coups = 0;
std::int32_t dernier_demi_coup = 0;
