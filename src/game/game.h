// The game record and the game's ply counters, the state of the game being
// played, the record keeping of a game played from the board, and the rule
// that ends long games between two computers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "rules/board.h"

// ---- constants ------------------------------------------------------------

constexpr int TAILLE_PARTIE = 255;  // entries 0..254; entry 0 is the starting position
constexpr int DERNIER_DEMI_COUP = TAILLE_PARTIE - 1;  // 254: the record is full, the game is drawn
constexpr int LONGUEUR_NOM = 20;     // player names, terminating zero included
constexpr int SEUIL_NUL = 250;      // computer against computer: draw checks beyond this ply
constexpr int RECUL_NUL = 60;       // the piece total compared with this many plies earlier
constexpr int SCORE_NUL = 20000;    // ... while the score is within this

// ---- types ----------------------------------------------------------------

// One ply of the game record, stored byte for byte in game files (88 bytes).
struct EntreePartie {
  std::uint8_t position[33];  // board after the ply, laid out like damier
  std::uint8_t nb_prises;     // pieces captured by the ply
  std::uint8_t depart;        // origin square (0 in entry 0)
  std::uint8_t arrivee;       // destination square (0 in entry 0)
  std::int32_t temps_blancs;  // seconds used by camp 0 up to this ply
  std::int32_t temps_noirs;   // seconds used by camp 1 up to this ply
  char nom_blancs[20];        // camp 0 player's name, zero-terminated, Latin-1 as in the files
  char nom_noirs[20];         // camp 1 player's name, zero-terminated
  std::uint8_t couleur_ordi;  // the computer's colour when the ply was recorded
  std::uint8_t inutilise[3];
};
static_assert(sizeof(EntreePartie) == 88, "a game record entry is 88 bytes in game files");
static_assert(offsetof(EntreePartie, nb_prises) == 33);
static_assert(offsetof(EntreePartie, temps_blancs) == 36);
static_assert(offsetof(EntreePartie, temps_noirs) == 40);
static_assert(offsetof(EntreePartie, nom_blancs) == 44);
static_assert(offsetof(EntreePartie, nom_noirs) == 64);
static_assert(offsetof(EntreePartie, couleur_ordi) == 84);

// ---- state ----------------------------------------------------------------

extern EntreePartie partie[TAILLE_PARTIE];
extern std::uint8_t nb_demi_coups;      // plies played; index of the current entry
extern std::int32_t dernier_demi_coup;  // highest ply recorded (more after take-backs)

// Who owns damier: it is the game position, except while a search runs; the
// search then plays its moves on it and puts it back as it returns. Window
// handlers that run meanwhile never write it: they wait for the search to
// return (the window's changer_partie) and read the game from damier_sauve.
extern std::uint8_t damier_sauve[33];  // the game position as it stood when the side to move last changed
extern std::uint8_t ordinateur_au_trait;  // 1 while the computer is to move or thinking
extern std::uint8_t contre_ordinateur;    // 1 when a human plays the computer
extern std::uint8_t match_classe;         // 0 unrated, 1 rated game running, 5 rated game scored
extern std::uint8_t couleur_ordi;         // 1: the computer plays camp 1
extern std::uint8_t installation_en_cours;  // 1 while a position is set up by hand
extern std::uint8_t fin_programme;        // the program is ending
extern std::int32_t clic_en_attente, clic_x, clic_y;  // a board click waiting for the game loop
extern std::uint8_t case_depart_marquee, case_arrivee_marquee;  // the computer's last move, framed
extern Camp trait_depart;                  // side to move in entry 0 of the record
extern Camp trait_fin;                     // side to move after the last ply made
extern std::uint8_t ordinateur_doit_jouer;  // one-shot: the computer plays the side to move next pass
extern std::int16_t coup_choisi;           // index in list 1 of the computer's move; 100 or more: none
extern std::uint8_t nb_coups_trait;        // legal moves of the side to move, as last counted
extern std::uint8_t sans_anticipation;     // 1: no thinking on the opponent's time until the computer moves
extern std::int32_t pieces_par_demi_coup[256];  // piece total of the position each computer search started from
extern std::int32_t resultat_partie;       // 0 camp 1 won, 1 draw, 2 camp 0 won, 3 no result
extern char nom_joueur_blanc[LONGUEUR_NOM], nom_joueur_noir[LONGUEUR_NOM];  // Latin-1, at most 19 characters
// The names in full, UTF-8, of a game read from a file whose names the
// record cannot hold (another script, too long): shown and written back
// while that game is open; empty otherwise (a new record empties them).
extern std::string nom_complet_blanc, nom_complet_noir;
extern std::int32_t points_blanc, points_noir;  // the players' ratings as the game started

// ---- functions ------------------------------------------------------------

// A new record for a game from the board: entry 0 holds the position, the
// ply counters and both clocks are zero.
void commencer_partie();

// The record starts again from the position on the board and its side to
// move, the clocks as they are.
void commencer_record();

// Plays move `m` (a legal move of the side to move) in the game: on damier,
// into the record after the current ply (the plies beyond it are dropped),
// with both clocks; the turn passes and the game has no result any more.
// Every move enters the game this way:
// the computer's, the human's, and those of replays and imports.
void jouer_et_enregistrer(const Coup& m);
void jouer_et_enregistrer(int index);  // move `index` of list 1

// The turn's position: sauver_position keeps the board as the side to move
// begins (damier_sauve); reprendre_position drops a half-entered move,
// putting that board back.
void sauver_position();
void reprendre_position();

// The side to move's running turn counted on its clock, and both clocks
// written into the current entry of the record: what a game left now keeps.
void noter_temps_en_cours();

// The side to move at ply `k` of the record.
Camp trait_au_demi_coup(int k);

// Position k of the record (0..dernier_demi_coup) on the board with its side
// to move, its clocks and the computer's colour; damier_sauve follows. The
// players' names in force stay and are written into that entry. Every move
// through the record goes this way.
void aller_au_demi_coup(int k);

// Writes entry nb_demi_coups of the record from the board, both clocks, the
// players' names and couleur_ordi.
void enregistrer_demi_coup(std::uint8_t nb_prises, Case depart, Case arrivee);

// The record has no room for another ply: the game is over as a draw.
inline bool partie_pleine() { return nb_demi_coups >= DERNIER_DEMI_COUP; }

// Sets a player's name (cut to fit, zero-terminated).
void nommer_joueur(char (&nom)[LONGUEUR_NOM], const char* texte);

// The name a name field of the record holds: up to its first zero and at
// most LONGUEUR_NOM - 1 bytes, whatever the field holds (a file may put no
// zero in it).
std::string nom_du_champ(const char (&champ)[LONGUEUR_NOM]);

// The new game of the three OK buttons: starting position, empty record,
// white to move, nobody thinking ahead until the computer has moved.
void installer_nouvelle_partie();

// Computer against computer, after ply `demi_coup`: drawn when beyond
// SEUIL_NUL the piece total (pieces[ply], after each ply) is the one of
// RECUL_NUL plies earlier and `score` is within SCORE_NUL.
bool nul_entre_ordinateurs(const std::int32_t* pieces, int demi_coup, int score);
