// Going through the exercises: the folder "Suivant ->" steps through, the
// exercise open as the game, and where the game stands on its solution.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "knowledge/exercices.h"

// ---- types ----------------------------------------------------------------

// The enumeration of a folder's exercises for "Suivant ->".
struct RechercheProblemes {
  std::vector<std::filesystem::path> noms;  // the folder's exercises, by name (lister_exercices)
  int courant = -1;                         // the current match; -1 before the first
};

// What the player last did in the exercise open.
enum class EtapeExercice : std::uint8_t {
  Aucun,      // no exercise open
  AChercher,  // the exercise just opened: the player looks for the move
  BienJoue,   // the player's move was the solution's; its reply is on the board
  Reussi,     // the solution is played to its end
  Rate,       // the player's move was another: the game left the solution
  Montre,     // the solution being shown move by move
};

struct ExerciceOuvert {
  std::filesystem::path chemin;  // the exercise file; empty when none is open
  Exercice exercice;
  EtapeExercice etape = EtapeExercice::Aucun;
  int montres = 0;  // Montre: the solution's plies shown so far
};

// The solution's next move to show, and whether the game must first go
// back to the exercise's start.
struct CoupAMontrer {
  bool depuis_debut;
  Coup coup;
  int rang;  // its index in the solution
};

// ---- state ----------------------------------------------------------------

extern std::filesystem::path repertoire_problemes;  // the folder of the exercise last chosen
extern RechercheProblemes recherche_problemes;
extern std::uint8_t revoir;  // 1 while "Revoir coup" opens the current exercise again
extern ExerciceOuvert exercice_ouvert;

// ---- functions ------------------------------------------------------------

// Starts going through the folder of `choisi`: its exercises by name, the
// current match the one whose full name is `choisi` without regard to case
// (none matching: "Suivant ->" finds nothing).
void commencer_recherche_problemes(const std::filesystem::path& choisi);

// The exercise "Suivant ->" opens: the folder's next one, or the current one
// again while `revoir` is 1. Nothing after the last one (the last stays the
// current one) or before any was chosen.
std::optional<std::filesystem::path> probleme_suivant();

// Takes an exercise file as the game: the saved game (its level and
// minutes; the language and table size stay the user's), the start index
// read from entry 0 as the last ply, the game at that ply with the player
// to move and nobody thinking ahead. False with `raison` when the file is no
// game file; nothing changes then.
bool ouvrir_exercice(const std::filesystem::path& chemin, std::string& raison);

// No exercise open any more and no folder gone through (a new game).
void fermer_exercice();

// How many plies of the solution the game's record follows from the
// exercise's start up to ply `h`; -1 when the record is not the exercise
// there (another game, a move off the solution, a ply before the start or
// beyond the solution or the record's last).
int plies_suivis(int h);

// The player's move `m`, just recorded as ply nb_demi_coups: the verdict
// when the game stood on the solution before it (the reply to play comes
// with it), HorsSolution otherwise. Sets the exercise's step.
VerdictSolution juger_coup_joueur(const Coup& m);

// "Voir la solution": the solution's next move from the game when it stands
// on the solution, else its first move from the exercise's start (so also
// once it has all been shown). Nothing without an exercise or a solution.
std::optional<CoupAMontrer> coup_a_montrer();
