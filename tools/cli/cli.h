// The command-line tool: one program, one subcommand per file, each
// registering itself at start-up.
#pragma once

#include <string>
#include <vector>

#include "rules/fen.h"

struct Commande {
  const char* nom;
  const char* resume;  // one line for the list of commands
  const char* aide;    // full --help text
  int (*executer)(const std::vector<std::string>& args);  // args after the subcommand's name
};

// Exit statuses of every subcommand.
constexpr int SORTIE_OK = 0;
constexpr int SORTIE_ERREUR = 1;   // the work itself failed
constexpr int SORTIE_USAGE = 2;    // bad arguments or a bad position

struct Enregistrement {
  explicit Enregistrement(const Commande& c);
};

// Prints "corvane-cli NAME: MESSAGE" on standard error and returns SORTIE_USAGE.
int erreur_usage(const char* commande, const std::string& message);

// Reads a FEN argument (FEN_DEPART when none is given: an empty one is a bad
// position) and places it on the board; false after reporting the fault.
bool charger_position(const char* commande, const std::string& texte);

// Game `numero` (from 1) of a text or PDN file, replayed into the record; a
// PDN game that stops at a move that is not legal is a fault. False with the
// reason.
bool lire_partie_de_texte(const std::string& chemin, int numero, std::string& raison);

// Parses a whole decimal number within [min, max].
bool lire_entier(const std::string& texte, long min, long max, long& valeur);
