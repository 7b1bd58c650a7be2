// The list of help diagrams (data/help/diagrammes.txt): one line per picture,
// a position as the board shows it and what is drawn over it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rules/fen.h"

// ---- types ----------------------------------------------------------------

struct Fleche {                // an arrow through the centres of its squares
  std::vector<Case> cases;     // origin, then each landing square (internal numbers)
  bool prise = false;          // written with "x": a capture
  bool seconde = false;        // drawn in the second colour: another choice
};

struct Diagramme {
  std::string fichier;         // "depart.png"
  Position position{};
  std::vector<Fleche> fleches;
  std::vector<Case> cercles;   // rings: squares where a piece may land
  std::vector<Case> croix;     // crosses: pieces taken
  bool noms[33] = {};          // squares whose name is written
  bool lettres = false;        // algebraic names ("b8") instead of numbers ("32")
  bool grands_noms = false;    // names large in the middle of the square, not small in its corner
  std::optional<std::vector<std::string>> coups;  // every legal move, as the program writes them
};

// ---- functions ------------------------------------------------------------

// Reads the list from a file; on a fault returns false with `erreur` naming
// the line and the fault.
bool lire_diagrammes(const std::string& chemin, std::vector<Diagramme>& liste, std::string& erreur);
