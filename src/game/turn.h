// The rules of the computer's turn that do not depend on the screen: its
// choice with the handicap of the lowest level, the move played into the
// record, and what follows it. The window and the command-line match both
// play through them.
#pragma once

#include <cstdint>

#include "rules/board.h"
#include "search/root.h"

// ---- constants ------------------------------------------------------------

constexpr int PROFONDEUR_CONSEIL = 8;  // the hint's search: this many plies, without the book

// ---- types ----------------------------------------------------------------

struct ChoixOrdinateur {
  std::int16_t coup;  // index in list 1; 100 or more: nothing to play
  bool force;         // the only legal move, played without a search
  bool zut;           // the lowest level replaced the search's choice
  bool annule;        // the search was stopped and its result dropped
};

// ---- functions ------------------------------------------------------------

// The computer's move for `camp` in the game position (choisir_coup). With
// `neophyte` (level "0 : Néophyte") a computer ahead in material plays the
// second move of the list whenever it has a choice.
ChoixOrdinateur choix_ordinateur(Camp camp, bool neophyte);

// Plays the computer's move `coup` in the game (jouer_et_enregistrer), with
// the piece total the search started from, and marks it (its squares and the
// pieces it took); the turn passes. Returns the number of legal moves of the
// side now to move.
std::uint8_t jouer_coup_ordinateur(const Coup& coup, int pieces_racine);

// Computer against computer: the game is drawn after the move just noted.
bool nul_ordinateur_contre_ordinateur(int score);

// The move the engine advises for `camp` in the game position (a hint for
// the human): a search of PROFONDEUR_CONSEIL plies, without the book and
// without the clock. What the last real search left for the draw proposals
// (score_racine, reflexion_anticipee) stays as it was.
ResultatRecherche chercher_conseil(Camp camp);
