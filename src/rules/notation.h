// Moves and piece counts as the user reads them.
#pragma once

#include <string>

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

// ---- functions ------------------------------------------------------------

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
