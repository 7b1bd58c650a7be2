// Moves and piece counts as the user reads them, and the square names of
// the files other programs write for the 8x8 board.
#pragma once

#include <string>
#include <string_view>

#include "rules/board.h"

// ---- types ----------------------------------------------------------------

struct DemiCoup {  // what a move-list line shows of one half-move
  Case depart;
  Case arrivee;
  bool prise;
};

struct LigneListe {  // a move-list line to write
  bool vider_avant;  // empty the list first (the game has just begun)
  int index;         // line to replace, counted from 0
  std::string texte;
};

// How a file names the squares and the sides of the 8x8 board, seen from
// the side that moves first, which is always camp 0 here, drawn at the
// bottom with a playing square in its left corner (a1).
struct Numerotation {
  bool algebrique = false;  // a1..h8, else 1..32 row by row
  int coin = 1;             // corner of square 1 (or a1): 0 bottom left, 1 bottom right, 2 top left, 3 top right
  bool miroir = false;      // the file's board has no playing square in its bottom-left corner
  char premier = 'B';       // the colour letter of the side that moves first
};

// ---- constants ------------------------------------------------------------

// Our own files: numbers 1..32 from camp 0's back row, camp 0 called Black.
inline constexpr Numerotation NUMEROTATION_POOL{false, 1, false, 'B'};
// Algebraic, a1 in camp 0's bottom-left corner, camp 0 called White: the
// usual form of 8x8 collections.
inline constexpr Numerotation NUMEROTATION_ALGEBRIQUE{true, 0, false, 'W'};

// ---- functions ------------------------------------------------------------

// The square a name stands for ("15", "d4"), 0 when it names none.
Case case_de_nom(const Numerotation& n, std::string_view nom);
Case case_de_numero(const Numerotation& n, int numero);  // numeric notation: square 1..32
// The name of square k (1..32): "15" or "d4".
std::string nom_de_case(const Numerotation& n, Case k);
// The colour letter of a camp, and the camp of a colour letter (-1: none).
char lettre_camp(const Numerotation& n, Camp camp);
int camp_de_lettre(const Numerotation& n, char lettre);

// "11-15" or "15x24", with the names of noms_cases.
std::string notation_coup(Case depart, Case arrivee, bool prise);
std::string notation_coup(const Coup& m);

// The line of the move list after half-move number h (odd: white's move)
// has been played; `precedent` is half-move h - 1 (read only when h is even).
LigneListe ligne_liste_coups(int h, int dernier_demi_coup, const DemiCoup& joue, const DemiCoup& precedent);

// " %2d": the text of a piece counter.
std::string texte_nb_pieces(int nombre);

int nb_pieces_blanches();  // pieces of codes 1 and 2 on damier
int nb_pieces_noires();    // pieces of codes 3 and 4 on damier
