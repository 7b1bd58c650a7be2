// The move generator: every legal move of one side, captures first and
// compulsory, in a fixed order (the search orders them afterwards).
#pragma once

#include <cstdint>

#include "rules/board.h"

// ---- constants ------------------------------------------------------------

constexpr int LIGNES_ESCALES = MAX_COUPS + 1;  // rows of escales: one per move, row 0 unused

// ---- state ----------------------------------------------------------------

// A list holds MAX_COUPS moves; later ones are dropped. Only captures come
// near it (a search over positions of twelve kings found no more than 66
// quiet moves), mostly as the same pieces taken in other orders: dropping
// such a capture loses no position.
// Set when a generation had to drop a move that reaches a new position.
extern bool liste_debordee;

// Capture paths recorded by chercher_prises_avec_escales, row = move + 1.
extern std::uint8_t escales[LIGNES_ESCALES][15];        // landing square after each jump
extern std::uint8_t cases_sautees[LIGNES_ESCALES][15];  // square jumped at each step

// ---- functions ------------------------------------------------------------

// Fills list prof_courante with the moves of `camp` (1 black, else white) in
// generation order, every note 0, and returns their number.
// Reads the board's masks, which must be in step with damier.
std::uint8_t lister_coups(Camp camp);

// The number lister_coups returns. Captures are listed as it lists them;
// quiet moves are only counted, list prof_courante keeps older contents.
std::uint8_t compter_coups(Camp camp);

// Capture search of the piece on `s` appending to list 1 with its landing
// squares recorded in escales / cases_sautees. Sets the enemy codes from the
// piece's colour; puts the piece back afterwards.
void chercher_prises_avec_escales(Case s);

// Clears the capture scratch (part of making the lists ready).
void effacer_brouillon_prises();
