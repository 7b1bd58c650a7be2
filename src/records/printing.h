// The two printouts, the game (the move list) and the analysis (its move
// lines), laid out as pages of text lines at positions in the printer's
// units; the window draws them with its printer's font.
#pragma once

#include <string>
#include <vector>

// ---- constants ------------------------------------------------------------

inline constexpr const char* TEXTE_HAUTEUR_LIGNE = "String Grid Printout";  // the line height is this text's height
constexpr int X_ENTETE = 5, Y_ENTETE = 5;  // the players' names, on the first page
constexpr int X_LIGNES = 1;                // the left of every line
constexpr int HAUT_LIGNES = 150;           // above the first row, below the header
constexpr int ENTREES_PAR_LIGNE = 6;       // move-list entries per printed line of the game

// ---- types ----------------------------------------------------------------

struct LigneImprimee {
  int rang;  // text row on its page, from 0
  int x, y;  // top left, printer units
  std::string texte;
};

struct Impression {
  std::string entete;  // "white - black", at (X_ENTETE, Y_ENTETE) on the first page
  int hauteur_ligne = 0;
  int rangs_par_page = 0;
  std::vector<std::vector<LigneImprimee>> pages;  // every page holds at least one line
};

// ---- functions ------------------------------------------------------------

// Text rows of height `hauteur_ligne` that fit on a page of `hauteur_page`
// below HAUT_LIGNES and a row's height (row r is drawn at r·h + h +
// HAUT_LIGNES): at least 1.
int rangs_par_page(int hauteur_page, int hauteur_ligne);

// The players' names as the header writes them (Latin-1 in, UTF-8 out).
std::string entete_impression(const std::string& nom_blanc, const std::string& nom_noir);

// The game: six move-list entries per printed line (the first followed by
// one space, the others by two), printed lines on every second text row;
// every entry is printed, the last half line of an odd game included.
Impression impression_partie(const std::vector<std::string>& liste_coups, const std::string& entete,
                             int hauteur_ligne, int rangs);

// The analysis: one line per row, a new page when the rows are full.
Impression impression_analyse(const std::vector<std::string>& lignes, const std::string& entete, int hauteur_ligne,
                              int rangs);
