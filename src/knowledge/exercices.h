// Lessons, exercises and problems: exercise files (saved games whose entry 0
// holds the ply at which the exercise starts, with the solution recorded
// after it), their commentary files in several languages, and the check of
// the player's moves against the recorded solution.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "game/game.h"
#include "records/game_file.h"
#include "rules/board.h"

// ---- constants ------------------------------------------------------------

inline constexpr const char* DOSSIER_PROBLEMES = "Problemes";
inline constexpr const char* SUFFIXE_COMMENTAIRE = "t";  // "x.dam" has its commentary in "x.damt"
constexpr std::size_t TAILLE_MAX_COMMENTAIRE = 64 * 1024;  // longer: no commentary file
constexpr int NB_LANGUES_COMMENTAIRE = 6;
// The language lines of a commentary file ("[fr]" ...), by langue_courante:
// French, English, Dutch, Portuguese, Spanish, Italian.
inline constexpr const char* CODES_LANGUES[NB_LANGUES_COMMENTAIRE] = {"fr", "en", "nl", "pt", "es", "it"};
constexpr std::uint8_t LANGUE_FRANCAISE = 0;

// ---- types ----------------------------------------------------------------

// An exercise file, read.
struct Exercice {
  ContenuPartie contenu;       // the file; entry 0 byte 0 holds `debut`
  int debut;                   // the ply the exercise starts at
  Camp trait_debut;            // the side to move there: the player's
  std::vector<Coup> solution;  // the recorded moves after it, the player's first
};

// What a move of the player is to the exercise.
enum class ResultatCoup : std::uint8_t {
  Solution,      // the recorded move: the recorded reply follows
  Reussi,        // the recorded move, and the solution ends with it or with the reply
  Autre,         // not the recorded move
  HorsSolution,  // nothing to check: the solution is over, or it is not the player's turn in it
};

struct VerdictSolution {
  ResultatCoup resultat;
  std::optional<Coup> reponse;  // Solution or Reussi: the reply to play now, when one is recorded
};

// ---- functions ------------------------------------------------------------

// The commentary file of an exercise: its name with "t" appended.
std::filesystem::path chemin_commentaire(const std::filesystem::path& exercice);

// The text of language `langue` (0 French .. 5 Italian) in a commentary
// file's bytes, else the French text, else "". The format (see
// exercices.cpp): sections begun by a language line "[fr]", "[en]", "[nl]",
// "[pt]", "[es]", "[it]"; a file without any language line is French
// throughout. UTF-8, or Latin-1 when the bytes are not UTF-8; a file holding
// control characters other than tab and line ends is no text and reads as "".
std::string texte_commentaire(const std::uint8_t* octets, std::size_t taille, std::uint8_t langue);

// The same from the commentary file of `exercice`: "" when it is missing,
// unreadable or longer than TAILLE_MAX_COMMENTAIRE.
std::string lire_commentaire(const std::filesystem::path& exercice, std::uint8_t langue);

// The exercises of a folder in the order "Suivant ->" goes through them:
// its ".dam" files (the extension in any case; commentaries and folders
// left out), sorted by name. Empty when the folder cannot be read.
std::vector<std::filesystem::path> lister_exercices(const std::filesystem::path& dossier);

// The moves recorded in `record` after ply `debut` (board of entry `debut`,
// `trait_debut` to move), as long as each entry is a legal move from the
// position before it that reaches the position the entry holds; the first
// entry that is not ends them. The board is given back; the move lists
// are overwritten.
std::vector<Coup> solution_enregistree(const EntreePartie* record, int debut, Camp trait_debut);

// Reads an exercise file: the game file, the start index from entry 0
// (which must not be beyond the last ply the file records), and the
// solution. Nothing, with `raison`, when the file is no game file.
std::optional<Exercice> lire_exercice(const std::filesystem::path& chemin, std::string& raison);

// The player's move `coup` when `joues` plies of the solution have been
// played: the record's current ply less the start index, 0 at the start.
// The player moves at even `joues`; the reply to play comes with the
// verdict. Moves are compared by the position they reach: origin,
// destination and the squares taken, in any order.
VerdictSolution verifier_coup_exercice(const std::vector<Coup>& solution, int joues, const Coup& coup);
