// The opening books: one sorted list of lines per side, read from and
// written to the book files, and the moves they offer in the game position.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "rules/board.h"

// ---- constants ------------------------------------------------------------

constexpr int MAX_COUPS_BIBLIOTHEQUE = 20;    // candidates kept per consultation
constexpr int MAX_DEMI_COUPS_OUVERTURE = 42;  // half-moves in a line written by the program
inline constexpr const char* FICHIER_OUVERTURES_BLANCS = "ouvert_b.ouv";  // book of camp 0
inline constexpr const char* FICHIER_OUVERTURES_NOIRS = "ouvert_n.ouv";   // book of camp 1

// ---- types ----------------------------------------------------------------

struct CoupBibliotheque {  // a book move, internal squares
  Case depart;
  Case arrivee;
};

struct LigneRefusee {  // a book line that is not a game from the start position
  std::string ligne;
  int demi_coup;       // its first half-move that is not legal, from 1
};

// ---- state ----------------------------------------------------------------

extern std::vector<std::string> ouvertures_blancs;  // lines of the white book, sorted
extern std::vector<std::string> ouvertures_noirs;   // lines of the black book, sorted
extern CoupBibliotheque coups_bibliotheque[MAX_COUPS_BIBLIOTHEQUE];  // last consultation
extern int nb_coups_bibliotheque;
extern std::uint8_t bibliotheque_active;  // 1: the computer plays from the books

// ---- functions ------------------------------------------------------------

// Half-moves of a book line as internal squares, in order; an unreadable
// number gives square 0. At most `maximum` half-moves are read.
std::vector<CoupBibliotheque> lire_ligne_ouverture(const std::string& ligne, int maximum = 255);

// The line text of half-moves, "%2d-%2d " each, numeric square numbers.
std::string ecrire_ligne_ouverture(const CoupBibliotheque* coups, int nombre);

// Text of the current game's half-moves 1..nb_demi_coups (at most 42, up to
// the first empty entry of the record): the line the book editors offer.
std::string nouvelle_ouverture();

// Puts `lignes` in the book's order (ascending text).
void trier_ouvertures(std::vector<std::string>& lignes);

// Reads a book file into `lignes`, sorted. A missing file gives an empty
// list and false; any content is accepted (bad lines simply never match).
bool charger_ouvertures(const std::filesystem::path& chemin, std::vector<std::string>& lignes);

// The text of a book file: the lines, each ended by CR LF.
std::string texte_ouvertures(const std::vector<std::string>& lignes);

// Writes that text safely.
bool sauver_ouvertures(const std::filesystem::path& chemin, const std::vector<std::string>& lignes);

// Loads both working books: the user's own, else the shipped ones.
void charger_bibliotheques();

// A line with nothing but blanks: no opening.
bool ligne_blanche(const std::string& ligne);

// The index in list 1 (listed anew) of the legal move of the side to move
// from c.depart to c.arrivee; -1 when there is none.
int indice_coup_livre(const CoupBibliotheque& c);

// Replays a line from the start position: the number (from 1) of its first
// half-move that is not legal, 0 when all are. The board, the side to move
// and list 1 are given back as they were, so the game is not disturbed.
int demi_coup_illegal(const std::vector<CoupBibliotheque>& ligne);

// Takes out of `lignes` every line that is not a legal game from the start
// position, and blank lines; the lines refused, in order (blank ones not).
std::vector<LigneRefusee> retirer_lignes_illegales(std::vector<std::string>& lignes);

// Book sets: "X.ovv" names the set, "X_b.ouv" and "X_n.ouv" hold its books.
// Saving writes the three files together (the .ovv from `contenu_ovv`):
// all of them or, on a failure, none. Loading reads both books of the set,
// refuses their illegal lines (into `refusees`), replaces both lists and
// writes them as the working books (in the folder the program writes in); a
// book of the set that cannot be read leaves everything unchanged and gives
// false.
bool sauver_jeu_ouvertures(const std::filesystem::path& chemin_ovv, const std::vector<std::string>& contenu_ovv,
                           const std::vector<std::string>& blancs, const std::vector<std::string>& noirs);
bool charger_jeu_ouvertures(const std::filesystem::path& chemin_ovv, std::vector<LigneRefusee>* refusees = nullptr);

// Fills coups_bibliotheque with the next half-move of every line of the
// book of `trait` that agrees with the game record so far.
void consulter_bibliotheque();
