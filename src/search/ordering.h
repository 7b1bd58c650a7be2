// Move ordering for the search: killer moves, last-best moves, the principal
// variation and the root-move table of the previous iteration.
#pragma once

#include <cstdint>

#include "rules/board.h"
#include "search/scores.h"

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

// ---- functions ------------------------------------------------------------

// Empties both killer tables and the last-best table: killer scores start at
// -32000 on odd plies (the root side keeps maxima) and 32000 on even plies.
void effacer_tueurs();

// Orders the first `nombre` moves of list prof_courante by the killers and
// last-best moves of this ply and of plies 2, 4 and 6 away; a hint move noted
// 255 stays first. Notes are 0 again afterwards.
void ordonner_par_tueurs(int nombre, bool liste_prises);

// After an iteration scoring v: killers of each ply from the principal variation.
void semer_tueurs(Score v);
