// corvane-exercices: what its parts share. The exercises are found in games
// the engine plays against itself, in the opening books and in the endgame
// databases, proved, then written as game files with their commentaries.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "rules/board.h"
#include "rules/fen.h"

// ---- constants ------------------------------------------------------------

// Plies of the material proof of shots and traps, and the shortest margin
// between the solution's length and it.
constexpr int PROFONDEUR_PREUVE = 14;
constexpr int MARGE_PREUVE = 6;

// ---- types ----------------------------------------------------------------

enum class Groupe : std::uint8_t { Coups = 1, Finales = 2, Pieges = 3 };

// A deterministic pseudo-random sequence (splitmix64): the same exercises on
// every machine.
struct Alea {
  std::uint64_t etat;
  std::uint64_t suivant() {
    std::uint64_t z = (etat += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int entier(int n) { return static_cast<int>(suivant() % static_cast<std::uint64_t>(n)); }
};

// A material shot proved: the solution and what the commentary tells of it.
struct PreuveCoup {
  std::vector<Coup> solution;
  int profondeur;   // plies of the proof
  int gain;         // material won (man 1, king 3)
  bool dame;        // the solution crowns a man of the player
  int donnes;       // pieces of the player taken before it takes any
  int rafle;        // the largest capture of the player in the solution
  int nb_coups;     // the player's moves at the start
  int vu_a;         // the shallowest proof depth at which the first move alone wins
};

// The endgame databases' verdict on a position of at most four pieces.
struct PreuveFinale {
  std::vector<Coup> solution;
  int classe;       // the material class of the start
  int issue;        // the databases' distance of the win, in plies
  int nb_coups;
  int nulles, pertes;  // the player's other moves that draw and that lose
  bool grande_diagonale;  // the winning move lands on the long diagonal
  int donnes;       // pieces the defence takes at once after the winning move
  bool suite;       // the game goes on after the solution (more than one move wins then)
};

struct ExerciceGenere {
  Groupe groupe = Groupe::Coups;
  Position depart{};         // entry 0 of the record
  std::vector<Coup> avant;   // the moves from there to the exercise
  Camp camp = BLANCS;        // the player's side
  std::optional<PreuveCoup> coup;       // shots and traps
  std::optional<PreuveFinale> finale;   // endings
  int lignes_livre = 0;      // traps: plies of the book line played before the mistake
  std::string nom;           // file name, without the folder

  ExerciceGenere() = default;
  ExerciceGenere(Groupe g, const Position& d, std::vector<Coup> a, Camp c)
      : groupe(g), depart(d), avant(std::move(a)), camp(c) {}
};

// "key|text" lines of data/exercices/textes.txt, by language code.
using Textes = std::map<std::string, std::map<std::string, std::string>>;

// ---- functions ------------------------------------------------------------

// Shots: positions of games played by the engine against itself, from the
// openings of the books. `lignes` are the books' lines.
std::vector<ExerciceGenere> trouver_coups(const std::vector<std::string>& lignes, int nombre);

// Opening traps: a book line left by a move that loses to a shot.
std::vector<ExerciceGenere> trouver_pieges(const std::vector<std::string>& lignes, int nombre);

// Endings: won positions of the databases with one winning move.
std::vector<ExerciceGenere> trouver_finales(int nombre);

// The proof of a shot for `camp` on damier at `profondeur`, nothing when the
// position holds none (the side to move must have no capture, and one move
// only must win material).
std::optional<PreuveCoup> prouver_coup(Camp camp, int profondeur);

// Reads the commentary texts; false with `erreur`.
bool lire_textes(const std::filesystem::path& chemin, Textes& textes, std::string& erreur);

// The commentary file of an exercise, one section per language of `textes`.
std::string commentaire(const ExerciceGenere& e, const Textes& textes);

// The game file of an exercise: the record up to the exercise and the
// solution after it, the start index in entry 0.
std::vector<std::uint8_t> fichier_exercice(const ExerciceGenere& e);

// The position the exercise starts from and its side to move.
Position position_exercice(const ExerciceGenere& e);

// Square s lies on the long diagonal (4, 8, 11, ... 29).
bool diagonale_longue(Case s);
