// The move generator: every legal move of one side, captures first and
// compulsory, in a fixed order, with a first ordering for the search.
#pragma once

#include <cstdint>

#include "rules/board.h"

// ---- constants ------------------------------------------------------------

constexpr int ENTREE_LIBRE = 7;  // incoming direction that restricts nothing
constexpr int TAILLE_CHEMIN = 36;  // capture scratch: steps 1..32 and two spare

// ---- state ----------------------------------------------------------------

extern std::uint8_t chemin_prises[TAILLE_CHEMIN];  // square jumped at each capture step
extern std::uint8_t suite_trouvee[TAILLE_CHEMIN];  // a longer sequence was recorded past this step
extern std::uint8_t nb_prises_courant;             // length of the sequence being recorded
extern Case conseil_depart, conseil_arrivee;       // hint move from the table; 0: none

// A list holds MAX_COUPS moves; later ones are dropped. Only captures come
// near it (a search over positions of twelve kings found no more than 66
// quiet moves), mostly as the same pieces taken in other orders: dropping
// such a capture loses no position.
// Set when a generation had to drop a move that reaches a new position.
extern bool liste_debordee;

// ---- functions ------------------------------------------------------------

// Fills list prof_courante with the moves of `camp` (1 black, else white) and
// returns their number.
std::uint8_t generer_coups(Camp camp);

// Recursive capture searches of a man and of a king from square s at capture
// step `etape`; the king's returns whether it could capture at all.
void chercher_prises_pion(Case s, int direction, int etape);
bool chercher_prises_dame(Case s, int direction, int etape);

// Appends the move origin -> destination with the captures chemin_prises[1..
// nb_prises_courant] to list prof_courante, dropping the unfinished stops
// that this longer sequence continues.
void ajouter_coup(Case origine, Case destination);

// Sorts the first `nombre` moves of list prof_courante by note, largest
// first; moves of equal note keep their generation order.
void trier_coups(int nombre);

// Clears the capture scratch (part of making the lists ready).
void effacer_brouillon_prises();

// ---- recording of capture paths (one piece's moves, capture decomposition) --

constexpr int LIGNES_ESCALES = MAX_COUPS + 1;
extern std::uint8_t escales[LIGNES_ESCALES][15];        // landing square after each jump, row = move + 1
extern std::uint8_t cases_sautees[LIGNES_ESCALES][15];  // square jumped at each step, row = move + 1

// Capture search of the piece on `s` appending to list 1 with its landing
// squares recorded in escales / cases_sautees. Sets the enemy codes from the
// piece's colour; puts the piece back afterwards.
void chercher_prises_avec_escales(Case s);
