// Setting up a position by hand: the board is edited square by square, the
// side to move and the computer's colour are chosen, and leaving the
// set-up starts a new record when the position or its side changed.
#pragma once

#include <cstdint>

#include "rules/board.h"
#include "rules/fen.h"

// ---- state ----------------------------------------------------------------

extern std::uint8_t damier_a_l_entree[33];  // the board the set-up began with
extern Camp trait_a_l_entree;              // ... and its side to move

// ---- functions ------------------------------------------------------------

// The set-up begins on the game position (a half-entered move dropped); the
// computer takes the side to move when it is to move, else the other.
void commencer_installation();

// The set-up ends: play goes on from the position on the board. True when
// the position or the side to move changed: a new game then starts from it,
// its record and clocks at their beginning.
bool terminer_installation();

// A set-up click: piece `p` (VIDE to empty it) on square s.
void poser_piece_installation(Case s, Piece p);

// A whole position on the set-up board at once (a pasted one): its pieces
// and its side to move, which the human plays, the computer taking the
// other side.
void poser_position_installation(const Position& p);

// Every square emptied, the side to move kept.
void vider_installation();

// "Couleur ordi": the computer takes the other colour, and the human moves
// first.
void changer_couleur_ordinateur();

// "Couleur joue": the other side moves first, and who is to move (the
// computer or the human) changes with it.
void changer_trait_installation();
