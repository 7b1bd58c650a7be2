// The endgame databases: 22 classes of at most four pieces, their tables
// in memory, the index of a position and the probe made by the search.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "rules/board.h"
#include "search/scores.h"

// ---- constants ------------------------------------------------------------

constexpr int NB_BASES = 22;
constexpr std::size_t TAILLE_BASES = 2687410;  // the 22 tables together
constexpr Score SANS_BASE = INT16_MIN;  // probe of a class whose file could not be loaded
// Beside the tables: one line "<name>.bib <checksum>" per table, the 64-bit
// FNV-1a of its bytes in hexadecimal, written when the tables are.
inline constexpr const char* FICHIER_SOMMES_BASES = "bases.sum";

// How a class turns the squares of its pieces into an offset.
enum class Indexation : std::uint8_t {
  DEUX,          // A * 32 + B
  PAIRE,         // (S-1)*496 + (P2-1)(P2-2)/2 + (P1-1)
  TROIS,         // (X-1)*1024 + (Y-1)*32 + (Z-1)
  TRIPLE,        // (S-1)*4960 + C(T3-1,3) + C(T2-1,2) + (T1-1)
  PAIRE_DEUX,    // (X-1)*16368 + (Y-1)*496 + (P2-1)(P2-2)/2 + (P1-1)
};

// ---- types ----------------------------------------------------------------

// One material class: the side to move's men and kings, the other side's,
// its file and its index function.
struct ClasseBase {
  const char* nom;  // file stem: "dod" -> "dod.bib"
  std::uint32_t taille;
  std::uint8_t pions_trait, dames_trait, pions_autre, dames_autre;
  Indexation indexation;
  std::uint8_t groupe;  // 1: the score is final; 2: only when 0 or beyond +-1000
};

// In loading order.
inline constexpr ClasseBase CLASSES_BASES[NB_BASES] = {
    {"dod", 1056, 0, 1, 0, 1, Indexation::DEUX, 1},
    {"pod", 1056, 1, 0, 0, 1, Indexation::DEUX, 1},
    {"dop", 1056, 0, 1, 1, 0, Indexation::DEUX, 1},
    {"pop", 1056, 1, 0, 1, 0, Indexation::DEUX, 1},
    {"ddod", 15841, 0, 2, 0, 1, Indexation::PAIRE, 1},
    {"dodd", 15841, 0, 1, 0, 2, Indexation::PAIRE, 1},
    {"ddop", 15841, 0, 2, 1, 0, Indexation::PAIRE, 1},
    {"podd", 15841, 1, 0, 0, 2, Indexation::PAIRE, 1},
    {"pdod", 33824, 1, 1, 0, 1, Indexation::TROIS, 1},
    {"dopd", 33824, 0, 1, 1, 1, Indexation::TROIS, 1},
    {"pdop", 33824, 1, 1, 1, 0, Indexation::TROIS, 1},
    {"popd", 33824, 1, 0, 1, 1, Indexation::TROIS, 1},
    {"ppod", 15841, 2, 0, 0, 1, Indexation::PAIRE, 1},
    {"dopp", 15841, 0, 1, 2, 0, Indexation::PAIRE, 1},
    {"ppop", 15841, 2, 0, 1, 0, Indexation::PAIRE, 1},
    {"popp", 15841, 1, 0, 2, 0, Indexation::PAIRE, 1},
    {"dddod", 163215, 0, 3, 0, 1, Indexation::TRIPLE, 2},
    {"doddd", 163215, 0, 1, 0, 3, Indexation::TRIPLE, 2},
    {"pddod", 523683, 1, 2, 0, 1, Indexation::PAIRE_DEUX, 2},
    {"dopdd", 523683, 0, 1, 1, 2, Indexation::PAIRE_DEUX, 2},
    {"ppdod", 523683, 2, 1, 0, 1, Indexation::PAIRE_DEUX, 2},
    {"doppd", 523683, 0, 1, 2, 1, Indexation::PAIRE_DEUX, 2},
};

// Class numbers, in the order above.
enum : int {
  BASE_DOD, BASE_POD, BASE_DOP, BASE_POP, BASE_DDOD, BASE_DODD, BASE_DDOP, BASE_PODD,
  BASE_PDOD, BASE_DOPD, BASE_PDOP, BASE_POPD, BASE_PPOD, BASE_DOPP, BASE_PPOP, BASE_POPP,
  BASE_DDDOD, BASE_DODDD, BASE_PDDOD, BASE_DOPDD, BASE_PPDOD, BASE_DOPPD,
};

// ---- state ----------------------------------------------------------------

// All 22 tables in loading order. A byte is the outcome for the side to move
// (white, men going toward 1..4): +d wins, -d loses, 0 draws, d counting
// plies to the end plus one (see endgame_build.cpp).
extern std::int8_t bases_finales[TAILLE_BASES];
extern std::uint8_t base_utilisable[NB_BASES];  // 1 when the class's file was loaded whole
extern std::uint8_t bases_chargees;             // 1 when the tables are in memory

// ---- functions ------------------------------------------------------------

std::int8_t* table_base(int classe);  // first byte of a class's table

// Reads the 22 "<name>.bib" files of `dossier`. A file that is missing, not
// exactly its size, or whose bytes do not give the checksum recorded for it
// in FICHIER_SOMMES_BASES (or has none there) leaves its class unusable (its
// probe answers SANS_BASE and the search evaluates such positions normally).
// Returns the classes loaded.
int charger_bases(const std::filesystem::path& dossier);
int charger_bases();  // from the program's directory

// The text of FICHIER_SOMMES_BASES for the 22 tables in memory.
std::string texte_sommes_bases();

// The class of the material on `cases` (laid out like damier) with `camp` to
// move, or -1 when no table covers it.
int classe_base(const std::uint8_t cases[33], Camp camp);

// Offset in table `classe` of the position on `cases` with `camp` to move;
// -1 when the material is not the class's.
std::int32_t indice_base(int classe, const std::uint8_t cases[33], Camp camp);

// Search score of damier in class `classe` at `ply`, `trait_racine` being the
// root's side to move (it moves at odd plies): from the root side's view,
// 32000 - d - ply for a win of d. SANS_BASE when the class is unusable.
Score sonder_base(int classe, Camp trait_racine, int ply);

Score sonde_dod(Camp trait_racine, int ply);
Score sonde_pod(Camp trait_racine, int ply);
Score sonde_dop(Camp trait_racine, int ply);
Score sonde_pop(Camp trait_racine, int ply);
Score sonde_ddod(Camp trait_racine, int ply);
Score sonde_dodd(Camp trait_racine, int ply);
Score sonde_ddop(Camp trait_racine, int ply);
Score sonde_podd(Camp trait_racine, int ply);
Score sonde_pdod(Camp trait_racine, int ply);
Score sonde_dopd(Camp trait_racine, int ply);
Score sonde_pdop(Camp trait_racine, int ply);
Score sonde_popd(Camp trait_racine, int ply);
Score sonde_ppod(Camp trait_racine, int ply);
Score sonde_dopp(Camp trait_racine, int ply);
Score sonde_ppop(Camp trait_racine, int ply);
Score sonde_popp(Camp trait_racine, int ply);
Score sonde_dddod(Camp trait_racine, int ply);
Score sonde_doddd(Camp trait_racine, int ply);
Score sonde_pddod(Camp trait_racine, int ply);
Score sonde_dopdd(Camp trait_racine, int ply);
Score sonde_ppdod(Camp trait_racine, int ply);
Score sonde_doppd(Camp trait_racine, int ply);

// The search's step for small endgames: picks the probe by the material of
// damier (side to move at `ply` against the other) and gives the score when
// it may end the node: always for the first group, for the second only when
// 0 or beyond +-1000. False when no usable table covers the material.
bool sonder_finale(Camp trait_racine, int ply, Score& score);
