// A human's move entered square by square: selecting a piece, resolving a
// capture path as far as it is unambiguous, and asking only where paths
// part (blue landing squares) or letting the user click the final square
// (magenta). Drawing goes through the display hooks.
#pragma once

#include <cstdint>

#include "rules/board.h"

// ---- constants ------------------------------------------------------------

constexpr std::uint8_t MARQUE_ESCALE = 1;         // a landing square the user may click
constexpr std::uint8_t MARQUE_DESTINATION = 100;  // a final square the user may click
constexpr std::uint32_t COULEUR_SELECTION = 0xFF0000;    // red
constexpr std::uint32_t COULEUR_ESCALE = 0x0000FF;       // blue
constexpr std::uint32_t COULEUR_DESTINATION = 0xFF00FF;  // magenta
// How long after the reply to a move played at once a click on that move's
// destination is still taken as meant for it.
constexpr int DELAI_CLIC_SUPERFLU_MS = 1000;

// ---- types ----------------------------------------------------------------

enum class EtatSaisie {
  Ignore,       // nothing happened
  Deselection,  // the selected piece was put down again
  Attente,      // a piece is selected; the next click is awaited
  Termine,      // the move is complete: coup_saisi holds it
};

struct CoupSaisi {
  Case depart, arrivee;
  Piece piece;                    // the piece that moves, before crowning
  std::uint8_t nb_prises;
  Case escales[MAX_PRISES];       // landing squares 1..nb_prises
  Case prises[MAX_PRISES];        // captured squares 1..nb_prises
};

struct ResultatSaisie {
  EtatSaisie etat;
  bool prise_obligatoire;  // the side to move must capture (its piece counted on selection)
};

// ---- state ----------------------------------------------------------------

extern std::int16_t piece_en_main;          // the selected piece's code; 0: none
extern std::uint8_t chemin_saisi[MAX_PRISES];  // [0] origin, then the landing squares fixed so far
extern std::uint8_t nb_escales_saisies;
extern std::uint8_t marques_cases[33];      // 0, MARQUE_ESCALE or MARQUE_DESTINATION
extern std::uint8_t ambiguite;              // the candidate paths part at the step examined
extern std::uint8_t nb_prises_courant;      // captures of the selected piece's moves (0: quiet)
extern CoupSaisi coup_saisi;                // the move completed by the last click
// A piece with a single move plays it on the click that selects it; the
// player, who meant to click its destination next, must not start another
// move there. The destination of such a move (0: none), and the tick until
// which a click on it is dropped (0: until the reply is on the board).
extern Case case_clic_superflu;
extern std::int64_t fin_clic_superflu;

// ---- functions ------------------------------------------------------------

// A click on square s (1..32, a playable square) for the side `trait`, on
// the board as damier holds it. When the move is complete coup_saisi holds
// it, still unplayed: terminer_coup_humain plays and records it.
ResultatSaisie saisir_case(Case s);

// The completed move as a move of the rules.
Coup coup_de_la_saisie(const CoupSaisi& c);

// Plays the completed move in the game (jouer_et_enregistrer) with the
// mover's shown clock, and draws it: its piece on its final square (crowned
// on its crowning row), the squares it left empty.
void terminer_coup_humain();

// No piece selected any more, no marks.
void abandonner_saisie();

// The playable square under a click of the 2D board's pixel system, on the
// board normal or turned; 0 for any other place.
Case case_du_clic(int x, int y, bool inverse);

// A click on square s (0: elsewhere) is the destination of the move just
// played at once, to be dropped. Whatever it was, the click ends the rule.
bool clic_superflu(Case s);

// The player is to move again, the reply shown: a click on the destination
// of the move played at once is dropped for DELAI_CLIC_SUPERFLU_MS more.
void armer_clic_superflu();
