// The two clocks of the game: seconds used by each side up to its last
// completed move, the running turn as the timer shows it, and the loss on
// time of rated games.
#pragma once

#include <cstdint>

#include "rules/board.h"

// ---- constants ------------------------------------------------------------

constexpr int CODE_TEMPS_HUMAIN = 4;      // end of game: the human exceeded the time limit
constexpr int CODE_TEMPS_ORDINATEUR = 5;  // end of game: the computer exceeded it
constexpr std::int32_t CLASSEMENT_HANDICAP = 1800;  // humans rated below get twice the time
constexpr int TRANCHE_DEMI_COUPS = 100;   // beyond, the limit grows by 100 allowances per 100 plies
constexpr std::int32_t MARGE_TEMPS = 2;   // the first 100 plies: the allowance and this
constexpr std::int32_t HORLOGE_MAX = 1'000'000'000;  // the most a clock read from a file holds (31 years)

// ---- state ----------------------------------------------------------------

extern std::int32_t temps_blancs, temps_noirs;  // camp 0 and camp 1
extern std::int32_t debut_tour_blancs, debut_tour_noirs;  // heure_en_secondes when the side's turn began
extern std::int32_t temps_affiche_blancs, temps_affiche_noirs;  // clock last shown, running turn included

// ---- functions ------------------------------------------------------------

// The clock, turn start and shown value of `camp`.
std::int32_t& horloge(Camp camp);
std::int32_t& debut_tour(Camp camp);
std::int32_t& temps_affiche(Camp camp);

// Both clocks and both shown values at zero.
void remettre_horloges();

// Both turns begin now.
void demarrer_tours();

// Seconds since `debut` on the time base; never negative, so a clock that
// was set back (or a turn start read from elsewhere) cannot run backwards.
std::int32_t secondes_depuis(std::int32_t debut);

// The running clock of `camp` during its turn: its clock plus the time since
// its turn began. Also kept as its shown value.
std::int32_t temps_en_cours(Camp camp);

// "7" and "05": minutes plainly, seconds with a leading zero below 10.
void texte_horloge(std::int32_t secondes, char minutes[12], char secondes_texte[4]);

// Rated games: the reason code that ends the game on time, 0 when nobody
// lost. The computer plays `camp_ordinateur` and is to move; the human is
// rated `points_humain`; `limite` is the level's allowance for 30 moves.
int perte_au_temps(Camp camp_ordinateur, std::int32_t points_humain, int demi_coups, std::int32_t limite);
