// State of the alpha-beta search that move ordering reads: killer moves,
// last-best moves, the principal variation and the root-move table, plus the
// counters that move application keeps for the search.
#pragma once

#include <cstdint>

#include "rules/board.h"

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

extern Camp camp_racine;   // side the search chooses a move for
extern Camp camp_adverse;  // the other side
extern std::int32_t prof_max;  // nominal depth of the current iteration (0: no search)

extern CoupTueur tueurs[NB_LISTES][2];       // two killers per ply, best first
extern CoupBref derniers_meilleurs[NB_LISTES];  // last move that raised alpha per ply
extern Coup variante[NB_LISTES][NB_LISTES];  // triangular principal variation
extern CoupRacine coups_racine[MAX_COUPS];   // root moves of the previous iteration
extern std::uint8_t nb_coups_racine;
extern std::uint8_t suivre_variante;  // next node tries the principal variation first

extern std::int32_t bilan_materiel;            // material won by the root side (man 1, king 3)
extern std::uint8_t prises_forcees[NB_LISTES]; // capture nodes on the path up to each ply
extern std::int32_t ajustement_prof;           // root-move depth adjustment: 0, -1, -2
extern std::int16_t extension_promotion;       // 2 after a crowning near the horizon, then 1

// ---- functions ------------------------------------------------------------

// Empties both killer tables and the last-best table: killer scores start at
// -32000 on odd plies (the root side keeps maxima) and 32000 on even plies.
void effacer_tueurs();

// Orders the first `nombre` moves of list prof_courante by the killers and
// last-best moves of this ply and of plies 2, 4 and 6 away; a hint move noted
// 255 stays first. Notes are 0 again afterwards.
void ordonner_par_tueurs(int nombre, bool liste_prises);

// ===========================================================================
// Transposition table and position keys (functions in search/table.h)
// ===========================================================================

constexpr int NB_MOTS_CLES = 165;  // words per key table, addressed piece code * 32 + square

struct EntreeTable;

extern std::uint32_t cles_index[NB_MOTS_CLES];  // key words choosing the slot
extern std::uint32_t cles_verif[NB_MOTS_CLES];  // key words checked in the slot
extern std::uint32_t cle_index;  // xor of cles_index over the pieces of damier, kept by faire_coup
extern std::uint32_t cle_verif;  // xor of cles_verif likewise
extern std::int16_t taille_tables;   // menu setting: 1310 slots per unit (0 read as 100)
extern std::int8_t decalage_tables;  // table depth offset: probes while ply - offset < 18 (17)
extern EntreeTable* table_transposition;  // nb_entrees_table slots, allocated by allouer_tables
extern std::uint32_t nb_entrees_table;

// ---- read by the evaluation -------------------------------------------------

// Code of the piece the root move being searched moves (set at ply 1).
extern Piece piece_jouee_racine;
