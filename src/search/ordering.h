// Move ordering for the search: the moves of a node in the order it tries
// them, from the killer moves, last-best moves, the principal variation, the
// root-move table of the previous iteration and the table's hint move.
#pragma once

#include <cstdint>

#include "rules/board.h"
#include "search/scores.h"

// ---- constants ------------------------------------------------------------

// Notes a move gets while its node's list is ordered (larger first).
constexpr std::int16_t NOTE_CONSEIL = 255;        // the table's hint move
constexpr std::int16_t NOTE_TUEUR = 250;          // the first killer
constexpr std::int16_t NOTE_SECOND_TUEUR = 200;   // the second killer
constexpr std::int16_t NOTE_DERNIER_MEILLEUR = 150;  // the last best, less its index
constexpr std::int16_t NOTE_VARIANTE = 100;       // the principal variation's capture
constexpr std::int16_t NOTE_ORDRE = 80;           // any other move, less its index
constexpr int HORIZON_SANS_TRI = 2;   // the last plies before the depth keep the generation order
constexpr int MARGE_TUEUR_SEME = 290;  // killers seeded from the variation score this far beyond it

// ---- types ----------------------------------------------------------------

struct CoupTueur {  // a quiet move that caused a cutoff, with its score
  Case depart;
  Case arrivee;
  Score score;
};

struct CoupBref {  // origin and destination only
  Case depart;
  Case arrivee;
};

struct CoupRacine {  // a root move and its score from the previous iteration
  Case depart;
  Case arrivee;
  Score score;
};

// ---- state ----------------------------------------------------------------

extern CoupTueur tueurs[NB_LISTES][2];          // two killers per ply, best first
extern CoupBref derniers_meilleurs[NB_LISTES];  // last move that raised alpha per ply
extern Coup variante[NB_LISTES][NB_LISTES];     // triangular principal variation
extern CoupRacine coups_racine[MAX_COUPS];      // root moves of the previous iteration
extern std::uint8_t nb_coups_racine;
extern std::uint8_t suivre_variante;  // next node tries the principal variation first
extern Case conseil_depart, conseil_arrivee;  // hint move from the table; 0: none

// ---- functions ------------------------------------------------------------

// The moves of `camp` in list prof_courante (lister_coups) with the search's
// first ordering: at the root by the previous iteration's scores; below it,
// away from the horizon, the hint move, then the killers; a capture list
// along the principal variation puts the variation's capture first.
std::uint8_t generer_coups(Camp camp);

// Sorts the first `nombre` moves of list prof_courante by note, largest
// first; moves of equal note keep their generation order.
void trier_coups(int nombre);

// Empties both killer tables and the last-best table: killer scores start at
// -32000 on odd plies (the root side keeps maxima) and 32000 on even plies.
void effacer_tueurs();

// Orders the first `nombre` moves of list prof_courante by the killers and
// last-best moves of this ply and of plies 2, 4 and 6 away; a hint move noted
// 255 stays first. Notes are 0 again afterwards.
void ordonner_par_tueurs(int nombre, bool liste_prises);

// After an iteration scoring v: killers of each ply from the principal variation.
void semer_tueurs(Score v);
