// Proofs for the exercises: a search on material alone, without forward
// pruning, that tells which moves of a position keep a material gain, and the
// endgame databases read as exact outcomes. The exercise generator proves its
// exercises with it and the tests prove them again.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "rules/board.h"

// ---- constants ------------------------------------------------------------

constexpr int PREUVE_PION = 1;      // a man's worth in material
constexpr int PREUVE_DAME = 3;      // a king's: crowning gains 2
constexpr int PREUVE_GAGNE = 1000;  // a won game, less the plies to it
constexpr int PREUVE_DECISIVE = PREUVE_GAGNE - 100;  // beyond it a value is a won or lost game
constexpr int PLY_MAX_PREUVE = MAX_PLY - 2;  // deepest node: the move lists end there

// ---- types ----------------------------------------------------------------

// A move and what it is worth to the side that plays it.
struct CoupValeur {
  Coup coup;
  int valeur;
};

// The proof of a material gain.
struct PreuveGain {
  int valeur;                   // the position's value at the depth, for the side to move
  std::vector<Coup> gagnants;   // the moves that reach it (at most two are looked for)
};

// ---- functions ------------------------------------------------------------

// Material of `camp` less the other side's on damier.
int materiel_preuve(Camp camp);

// Value for `camp` to move on damier: material searched `profondeur` plies
// deep, every capture played out beyond that (they are compulsory), a side
// without a move having lost (-PREUVE_GAGNE plus the plies to it). Fail-soft
// inside alpha..beta. Damier and its masks are given back as they were; the
// move lists are overwritten.
int chercher_preuve(Camp camp, int profondeur, int alpha, int beta);

// The legal moves of `camp` on damier, one for each position they reach (a
// capture taking the same pieces in another order is the same move), in the
// generator's order.
std::vector<Coup> coups_distincts(Camp camp);

// Each distinct move of `camp` with its value, the move's own ply counted in
// `profondeur`: exact for values inside alpha..beta, else a bound beyond it.
std::vector<CoupValeur> valeurs_coups(Camp camp, int profondeur, int alpha = -PREUVE_GAGNE - 1,
                                      int beta = PREUVE_GAGNE + 1);

// The distinct moves of `camp` whose value at `profondeur` reaches `seuil`,
// in the generator's order; the search stops at the `maximum`-th.
std::vector<Coup> coups_atteignant(Camp camp, int profondeur, int seuil, std::size_t maximum = MAX_COUPS);

// The proof that one move wins material for `camp` on damier: from an
// empty table, the value at `profondeur` found by null windows from the
// material up (at most `plafond` above it), then the moves that reach it.
// The same position always gives the same answer.
PreuveGain prouver_gain(Camp camp, int profondeur, int plafond);

// Forgets what the search learnt (its table of positions and killer
// moves): a proof made after it does not depend on the proofs before.
void vider_table_preuve();

// Nodes visited by chercher_preuve since the program started.
std::uint64_t noeuds_preuve();

// Plays m on damier and its masks (no turn, no counts): the prover's move.
void jouer_preuve(const Coup& m);

// The outcome for `camp` to move on `cases` read in the endgame databases:
// d > 0 wins (d measuring the length of the win in plies), d < 0 loses, 0
// draws. A side without a move, or without a piece, has lost (-1). Nothing
// when more than four pieces stand or the class's table is not usable.
std::optional<int> issue_base(const std::uint8_t cases[33], Camp camp);

// The distinct moves of `camp` on damier with the outcome the databases give
// the other side after each (negative: the move wins). Nothing when some
// position is not covered.
std::optional<std::vector<CoupValeur>> issues_coups_base(Camp camp);

// Two moves reach the same position: same origin, destination and captured
// squares in any order.
bool meme_position_atteinte(const Coup& a, const Coup& b);
