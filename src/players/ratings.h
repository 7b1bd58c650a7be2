// Rated games: which registry entries a game is scored on, and the rating
// change its result makes.
#pragma once

#include <cstdint>

// ---- constants ------------------------------------------------------------

inline constexpr const char* NOM_INCONNU = "Inconnu";  // plays a rated game at CLASSEMENT_INCONNU
constexpr std::int32_t CLASSEMENT_INCONNU = 1500;
constexpr std::int32_t CAPITAUX[3] = {1600, 1700, 1800};  // a new player's choices
// The update divides by the ratings and multiplies by their ratio up to four
// times: it works on ratings held within this range, which no real rating
// leaves (a rating of 0 would divide by zero).
constexpr std::int32_t CLASSEMENT_MIN = 1;
constexpr std::int32_t CLASSEMENT_MAX = 9999;

// ---- types ----------------------------------------------------------------

struct Classements {
  std::int32_t blanc;  // camp 0's player
  std::int32_t noir;   // camp 1's player
};

struct IndicesMatch {
  std::int32_t blanc;  // registry entry of camp 0's player
  std::int32_t noir;   // registry entry of camp 1's player
};

// ---- state ----------------------------------------------------------------

extern std::int32_t indice_blanc, indice_noir;  // registry entries of a rated game's players (0: the computer)

// ---- functions ------------------------------------------------------------

// The ratings after a rated game between camp 0 rated `blanc` and camp 1
// rated `noir`, for a result of game/end.h (NOIRS_GAGNENT, PARTIE_NULLE,
// BLANCS_GAGNENT). Integer divisions truncating toward zero, in this order:
// a camp 0 win applies the ratio of the ratings three times, a camp 1 win
// four times; a draw moves each a tenth of the way to the other.
Classements nouveaux_classements(std::int32_t blanc, std::int32_t noir, int resultat);

// The entries of a rated game with the computer on camp 0 when
// `ordinateur_camp0`: the computer's is 0, the human's the line selected in
// the list (`selection`, < 0 for none), else the human's of the previous
// rated game (`precedents`, whichever colour he had).
IndicesMatch indices_match(int selection, bool ordinateur_camp0, IndicesMatch precedents);
