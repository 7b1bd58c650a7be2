// Positions as text, in the FEN of Portable Draughts Notation as the user
// sees the board: camp 0 is "B" (it is drawn with the black pieces) and the
// displayed square n is internal square 33 - n.
#pragma once

#include <string>
#include <string_view>

#include "rules/board.h"
#include "rules/notation.h"

// ---- types ----------------------------------------------------------------

struct Position {
  std::uint8_t cases[33];  // piece codes, cases[0] unused
  Camp trait;
};

// ---- constants ------------------------------------------------------------

inline constexpr const char* FEN_DEPART = "B:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12";

// ---- functions ------------------------------------------------------------

// Reads "B:W21,22,K30:B1-12" (a trailing dot allowed). On a fault returns
// false with `erreur` naming it and leaves `pos` unspecified. With another
// numbering the squares and colour letters are that numbering's:
// "W:Wa1,c1,Kd4:Bb8." (ranges are for numbers only).
bool lire_fen(std::string_view texte, Position& pos, std::string& erreur);
bool lire_fen(std::string_view texte, const Numerotation& n, Position& pos, std::string& erreur);

// The squares of a FEN are written a1..h8: an entry of a list begins with a letter.
bool fen_algebrique(std::string_view fen);
// A FEN in our numbers, or in algebraic squares with White first (as 8x8
// collections write it).
bool lire_fen_toute_notation(std::string_view texte, Position& pos, std::string& erreur);

// The FEN of a position, squares in increasing displayed order (algebraic:
// rank by rank from a1).
std::string ecrire_fen(const Position& pos);
std::string ecrire_fen(const Position& pos, const Numerotation& n);

Position position_courante();            // damier and trait
void placer_position(const Position& pos);  // onto damier and trait, sentinel set
