// What the board shows besides the pieces, kept as state that both views
// draw over the squares: the computer's last move with the pieces it took,
// the pieces that must capture, and the engine's hint. A mark lasts as long
// as the position it speaks of: any move played or any move through the
// record takes the last move's marks and the hint away.
#pragma once

#include <cstdint>

#include "rules/board.h"

// ---- constants ------------------------------------------------------------

constexpr std::uint32_t COULEUR_ARRIVEE = 0x00FFFF;            // aqua: where the computer's last move ended
constexpr std::uint32_t COULEUR_DEPART = 0xC0C0C0;             // silver: where it started
constexpr std::uint32_t COULEUR_PRISE_OBLIGATOIRE = 0xFF8C00;  // orange: a piece that must capture
constexpr std::uint32_t COULEUR_CONSEIL = 0x00D000;            // green: the hinted move

// ---- types ----------------------------------------------------------------

struct PiecePrise {
  Case case_;   // where it stood
  Piece piece;  // what it was
};

// ---- state ----------------------------------------------------------------

// The pieces the computer's last move took (that of case_depart_marquee and
// case_arrivee_marquee), entries 0..nb_prises_marquees-1.
extern std::uint8_t nb_prises_marquees;
extern PiecePrise prises_marquees[MAX_PRISES];
// Bit s-1 set: the piece on s belongs to the human to move and must capture.
extern std::uint32_t cases_devant_prendre;
// The hinted move, framed while conseil_montre is 1; its landing squares
// (all of them, the destination last) in escales_conseil[1..].
extern std::uint8_t conseil_montre;
extern Coup coup_conseille;
extern Case escales_conseil[MAX_PRISES];

// ---- functions ------------------------------------------------------------

// The computer's move `m`, just played from the board `avant`, marked: its
// origin, its destination and the pieces it took.
void marquer_coup_ordinateur(const Coup& m, const std::uint8_t* avant);

// The last move's marks and the hint go (a move was played, the board
// shows another ply, a new game).
void effacer_marques_coup();

// The squares of `camp`'s pieces that can capture on `position` (a board laid
// out like damier), a bit per square; 0 when `camp` has no capture. Uses
// list 1; damier is left as it was.
std::uint32_t pieces_devant_prendre(const std::uint8_t* position, Camp camp);

// The hint `m` (a legal move of the game position) shown; uses list 1.
void montrer_conseil(const Coup& m);

inline bool case_marquee(std::uint32_t cases, int s) { return s >= 1 && s <= 32 && (cases >> (s - 1) & 1u) != 0; }
