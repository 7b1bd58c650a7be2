// Portable Draughts Notation 3.0 of the 8x8 board: the files other programs
// exchange games in. Pool checkers (GameType 23) in numeric or algebraic
// notation, and Russian (25) and Brazilian (26) games, which are replayed
// under our rules. Our own files are numeric: squares carry the numbers of
// the position text (rules/fen.h), camp 0 is Black, on squares 1..12 at the
// start, and the displayed square n is internal square 33 - n.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "records/text_games.h"

// ---- types ----------------------------------------------------------------

struct OptionsPdn {
  bool chemins_complets = false;  // every capture with all its landing squares
  bool algebrique = false;        // a1..h8, GameType "23,W,8,8,A0,0", camp 0 called White
  // The full UTF-8 names (nom_complet_blanc, nom_complet_noir): written
  // instead of the Latin-1 names when these were made from them.
  std::string nom_complet_blanc, nom_complet_noir;
};

// ---- functions ------------------------------------------------------------

// Every game of a PDN text (Latin-1 or UTF-8, CR LF or LF). The GameType
// tag ("T,C,W,H,Nk,I": game, first mover, board size, notation and corner
// of square 1, mirrored board) says how squares and colours are named;
// without one, a move or FEN square written "c3" makes the game algebraic
// with White first, else it is numeric pool checkers. Moves are numbered
// "1." or "1..."; captures are written with ':', 'x' or 'X', with every
// landing square or origin and destination only. Results 2-0, 1-0, 0-2,
// 0-1, 1-1, 1/2-1/2, *. Comments in braces, '%' and ';' lines, variations
// in parentheses, "$n" annotations and marks such as "!?" are passed over;
// any other word is kept as an unreadable move, at which the replay stops.
// A game whose GameType or FEN tag cannot be taken keeps the reason in
// `erreur`. Names come as Latin-1 for the record and in full.
std::vector<PartieLue> lire_parties_pdn(std::string_view octets);

// The game record as a PDN game in UTF-8, lines ended by CR LF: the tags
// (Event, Date, Black, White, Result, the full GameType, FEN when the game
// does not begin from the starting position with camp 0 to move), then the
// moves. A capture is written with every landing square when another legal
// capture has the same origin and destination but takes other pieces, or
// always with `chemins_complets`. Names are Latin-1 unless full names are
// given; an empty date is written "????.??.??".
std::string ecrire_partie_pdn(const std::string& nom_blanc, const std::string& nom_noir, int resultat,
                              const std::string& date, bool chemins_complets = false);

// The game record as ecrire_partie_pdn writes it, with the players' names
// in force: in full while the game read with them is open.
std::string partie_en_pdn(const std::string& date);

// A result (as resultat_partie) as PDN writes it, White's score first: "2-0",
// "0-2", "1-1", or "*" for none. Which camp is White follows the notation.
const char* texte_resultat_pdn(int resultat, bool algebrique);
std::string ecrire_partie_pdn(const std::string& nom_blanc, const std::string& nom_noir, int resultat,
                              const std::string& date, const OptionsPdn& options);
