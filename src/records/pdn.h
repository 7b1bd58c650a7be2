// Portable Draughts Notation 3.0 for pool checkers (GameType 23): the files
// other programs exchange games in. Squares carry the numbers of the
// position text (rules/fen.h): camp 0 is Black, on squares 1..12 at the
// start, and the displayed square n is internal square 33 - n.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "records/text_games.h"

// ---- functions ------------------------------------------------------------

// Every game of a PDN text (Latin-1 or UTF-8): tags, moves with their
// numbers, captures written with the destination only or with every landing
// square, results. Comments in braces, variations in parentheses, "$n"
// annotations and move marks such as "!" or "?" are passed over. A game
// whose FEN tag cannot be read keeps the reason in `erreur` and no moves.
std::vector<PartieLue> lire_parties_pdn(std::string_view octets);

// The game record as a PDN game in UTF-8, lines ended by CR LF: the tags
// (Event, Date, Black, White, Result, GameType 23, FEN when the game does
// not begin from the starting position with camp 0 to move), then the
// moves. A capture is written with every landing square when another legal
// capture has the same origin and destination but takes other pieces, or
// always with `chemins_complets`. Names are Latin-1; an empty date is
// written "????.??.??".
std::string ecrire_partie_pdn(const std::string& nom_blanc, const std::string& nom_noir, int resultat,
                              const std::string& date, bool chemins_complets = false);
