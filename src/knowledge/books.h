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

// Loads both working books from the program's directory.
void charger_bibliotheques();

// Book sets: "X.ovv" names the set, "X_b.ouv" and "X_n.ouv" hold its books.
// Saving writes the three files (the .ovv from `contenu_ovv`) and the two
// working books; loading replaces both lists and writes the working books.
bool sauver_jeu_ouvertures(const std::filesystem::path& chemin_ovv, const std::vector<std::string>& contenu_ovv);
bool charger_jeu_ouvertures(const std::filesystem::path& chemin_ovv);

// Fills coups_bibliotheque with the next half-move of every line of the
// book of `trait` that agrees with the game record so far.
void consulter_bibliotheque();
