// The end of a game: who won and what the result panel says, and when a
// draw is accepted or offered by the computer.
#pragma once

#include <cstdint>
#include <string>

#include "rules/board.h"

// ---- constants ------------------------------------------------------------

// Reason codes of fin_de_partie.
constexpr int FIN_SANS_COUP_HUMAIN = 0;      // after a human's move the side to move cannot move
constexpr int FIN_NULLE = 1;                 // a draw agreed, or the computer-against-computer rule
constexpr int FIN_SANS_COUP_ORDINATEUR = 2;  // after the computer's turn the side to move cannot move
constexpr int FIN_ABANDON = 6;               // the human resigns
// (4 and 5, the losses on time, are in game/clocks.h.)

// resultat_partie values.
constexpr int NOIRS_GAGNENT = 0;  // camp 1 won
constexpr int PARTIE_NULLE = 1;
constexpr int BLANCS_GAGNENT = 2;  // camp 0 won
constexpr int SANS_RESULTAT = 3;

constexpr int PIECES_NUL_PROPOSE = 20;  // a draw is accepted only with fewer pieces on the board
constexpr int PIECES_OFFRE_NUL = 5;     // the computer offers a draw with fewer pieces, a king among them
constexpr int SANS_PRISE_OFFRE = 20;    // ... when none of the last plies captured anything
constexpr int SCORE_OFFRE_NUL = 30000;  // ... and the score is not a known win or loss

// ---- types ----------------------------------------------------------------

struct ContexteFin {
  std::uint8_t match_classe;
  bool humain_contre_humain;
  std::uint8_t couleur_ordi;  // 1: the computer plays camp 1
  std::string nom_blanc, nom_noir;  // the names on screen: the winner of a match is named
};

// How the game on the board ended, kept on the board once the result panel
// is closed, until a new game or a move played after the end.
struct FinMontree {
  bool terminee = false;
  int resultat = SANS_RESULTAT;  // NOIRS_GAGNENT, PARTIE_NULLE or BLANCS_GAGNENT
  int code = 0;                  // the reason fin_de_partie was given
};

struct AnnonceFin {
  int resultat;      // NOIRS_GAGNENT, PARTIE_NULLE or BLANCS_GAGNENT
  const char* cle;   // catalogue key of the result panel's text ("msg.fin.nul"); nullptr: nobody is out of moves
  std::string nom;   // the winner's name the text holds (%1), for "msg.fin.gagne"
  const char* son;   // wave file to play, or nullptr
};

// ---- state ----------------------------------------------------------------

extern FinMontree fin_montree;

// ---- functions ------------------------------------------------------------

// The game ended for reason `code` with `resultat`; SANS_RESULTAT (nobody is
// out of moves) ends nothing.
void noter_fin(int code, int resultat);
void oublier_fin();

// The announcement for reason `code` in the game position. Counts the legal
// moves of camp 0, then of camp 1 (the last count is left in nb_coups_trait).
// The texts name the colours as drawn: camp 0 is black on screen.
AnnonceFin annonce_fin(int code, const ContexteFin& c);

// The computer's answer to a human's draw proposal, from the last search:
// its score (for the side it ran for), whether it ran on the opponent's time
// and the piece total it left.
bool nul_accepte(int score, bool anticipee, int pieces);

// The computer offers a draw after its search: at most four pieces, a king
// among them, more than 20 plies played and none of the last 20 capturing,
// the score within the open range. nb_pieces as the search left it.
bool offre_nul_ordinateur(int score);

// The game has a result: its clocks stand still and show the times at its
// end until a move is played again (resultat_partie is not SANS_RESULTAT).
bool partie_terminee();

// nb_pieces' total, and its kings.
int somme_nb_pieces();
int somme_nb_dames();
