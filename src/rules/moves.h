// Legal moves of the game position, one piece's moves with their landing
// squares, capture decomposition, and applying moves in the game and inside
// a search.
#pragma once

#include <cstdint>

#include "rules/board.h"

// ---- constants ------------------------------------------------------------

constexpr std::uint8_t PRISE_INTROUVABLE = 255;  // decomposer_prise found no such capture

// ---- functions ------------------------------------------------------------

// Number of legal moves of `camp` in the game position; the moves are in
// list 1 (captures only, when any piece can capture).
std::uint8_t coups_legaux(Camp camp);

// Moves of the single piece on `s` in list 1, with the landing square after
// each jump in escales (row = move + 1). Quiet moves of a man go the way
// `camp` moves (1 black, else white).
std::uint8_t coups_piece(Case s, Camp camp);

// Index in list 1 of the capture from `origine` taking prises[0..nb-1] in
// that order and ending on `destination`; its landing squares are then in
// row 1 of escales. PRISE_INTROUVABLE when no such capture exists.
std::uint8_t decomposer_prise(Case origine, Case destination, const std::uint8_t* prises, int nb);

// Plays a move on the game board and passes the turn.
void jouer_coup(const Coup& m);

// Plays a move on damier keeping the piece counts, without passing the turn:
// the board half of the search's make-move (faire_coup).
void appliquer_coup(const Coup& m);
