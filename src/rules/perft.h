// Counting the move tree: the measure of the generator's correctness and speed.
#pragma once

#include <cstdint>

#include "rules/board.h"

struct ComptePerft {
  std::uint64_t coups;    // every move the generator lists, at the last ply
  std::uint64_t uniques;  // moves counted once per (origin, destination, set of captured squares)
};

// Counts the leaves of the move tree of the position on damier, side `camp`
// to move, `profondeur` plies deep (1..MAX_PLY-1). The last ply is counted
// from the list's length without playing its moves. The board is unchanged
// afterwards; the move lists are overwritten.
ComptePerft perft(Camp camp, int profondeur);
