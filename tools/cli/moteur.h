// What the search commands share: engine start-up, each side's setting, the
// search display collected as the window's two lists would show it.
#pragma once

#include <string>
#include <vector>

#include "knowledge/books.h"
#include "rules/board.h"

// Start-up of the engine as the program does it: program directory, tables,
// keys, learnt positions, endgame databases, "defaut.par", both books.
void demarrer_moteur();

// How one side plays: a level (0..8) or a fixed depth, and a parameter file.
struct Reglage {
  int niveau = -1;      // -1: fixed depth
  int profondeur = 10;  // with niveau -1
  std::string parametres;  // empty: "defaut.par"
};

// Reads "--level L" / "--depth D" at args[i] (advancing i); false when
// args[i] is neither; `erreur` set when it is one but its value is bad.
bool lire_reglage(const std::vector<std::string>& args, std::size_t& i, const std::string& prefixe, Reglage& r,
                  std::string& erreur);

// Applies a side's setting before its search: level or depth, parameters.
// False when its own parameter file cannot be read; without one, "defaut.par"
// or, when that is missing, the all-zero set the program starts with.
bool appliquer_reglage(const Reglage& r);

// The two search lists as the window shows them, kept by the display hook.
struct Affichage {
  std::vector<std::string> recherche;  // ListBox2
  std::vector<std::string> racine;     // ListBox5
};
extern Affichage affichage;
void capter_affichage();  // installs the hook that fills `affichage`

// A new game from the board (commencer_partie), the last search's score
// forgotten.
void nouvelle_partie();
