// The levels of the menu "Niveau": the computer's thinking budget and the
// clock allowance, both in seconds for 30 moves (60 plies).
#pragma once

#include <cstdint>

// ---- constants ------------------------------------------------------------

constexpr std::int32_t BUDGET_ILLIMITE = 32000;      // budget_reflexion: no time limit
constexpr std::int32_t TEMPS_SANS_LIMITE = 3200000;  // an allowance no game reaches
constexpr int NB_NIVEAUX = 9;                        // the numbered levels 0..8
constexpr int NB_SPECIAUX = 7;                       // the items 1..7 of "X : Spécial"
constexpr std::uint8_t PREMIER_SPECIAL = 11;         // `niveau` of the special item 1
constexpr std::uint8_t NIVEAU_AUTRE = 18;            // `niveau` of "Autre"
constexpr std::int32_t BUDGET_PAR_MINUTE = 55;       // "Autre": budget 55 s and allowance
constexpr std::int32_t LIMITE_PAR_MINUTE = 60;       // 60 s less MARGE_LIMITE per minute
constexpr std::int32_t MARGE_LIMITE = 2;

// ---- types ----------------------------------------------------------------

struct Niveau {
  const char* nom;       // menu caption
  std::int32_t budget;   // budget_reflexion; 1..5 are fixed depths for the search
  std::int32_t limite;   // temps_limite
  std::int32_t minutes;  // the minutes the "Autre" field shows after choosing it
};

// ---- state ----------------------------------------------------------------

extern const Niveau NIVEAUX[NB_NIVEAUX];    // levels 0..8
extern const Niveau SPECIAUX[NB_SPECIAUX];  // "X : Spécial" 1..7

extern std::int32_t budget_reflexion;  // thinking budget for 30 moves; 1..5: fixed depth 2..6
extern std::int32_t temps_limite;      // clock allowance for 30 moves
extern std::uint8_t niveau;            // 0..8 the levels, 11..17 the special items, 18 "Autre"
extern std::int32_t minutes_autre;     // the minutes "Autre" shows and game files carry

// ---- functions ------------------------------------------------------------

// Chooses the level numbered `n` as `niveau` counts it (0..8 or 11..17).
void choisir_niveau(int n);

// "Autre": 30 moves in `minutes` minutes (> 0).
void choisir_niveau_autre(std::int32_t minutes);

// No clock at all: the search runs until a depth or a stop ends it.
void jouer_sans_limite();
