// The transposition table: allocation and sizes, probing and storing with
// the entry kinds of both node functions.
#pragma once

#include <cstddef>
#include <cstdint>

#include "rules/board.h"
#include "search/scores.h"

// ---- constants ------------------------------------------------------------

constexpr std::int16_t TAILLE_TABLES_DEFAUT = 100;
constexpr std::int8_t DECALAGE_TABLES_DEFAUT = 2;
constexpr int ENTREES_PAR_UNITE = 1310;        // entries = taille_tables * 1310
constexpr std::int64_t OCTETS_PAR_CENT = 1572864;  // bytes = taille_tables * 1572864 / 100

// Entry types: c = camp_racine of the search that stores, added to these.
constexpr std::uint8_t TYPE_VIDE = 0;
constexpr std::uint8_t TYPE_MAX_EXACT = 1;     // chercher_max: exact
constexpr std::uint8_t TYPE_MAX_MINORANT = 3;  // chercher_max: cutoff, score >= beta
constexpr std::uint8_t TYPE_MAX_MAJORANT = 5;  // chercher_max: no move above alpha
constexpr std::uint8_t TYPE_MAX_DECISIF = 100; // chercher_max: beyond +-30000
constexpr std::uint8_t TYPE_MIN_EXACT = 51;    // chercher_min: exact
constexpr std::uint8_t TYPE_MIN_MAJORANT = 53; // chercher_min: cutoff, score <= alpha
constexpr std::uint8_t TYPE_MIN_MINORANT = 55; // chercher_min: no move below beta
constexpr std::uint8_t TYPE_MIN_DECISIF = 150; // chercher_min: beyond +-30000

// The eight choices of the menu "Taille des tables de transposition".
struct ChoixTaille {
  const char* composant;  // menu item
  const char* legende;    // its caption
  std::int16_t taille;    // taille_tables
  std::int8_t decalage;   // decalage_tables
  std::int32_t entrees;   // slots of the table
  std::int32_t octets;    // bytes allocated
};
inline constexpr ChoixTaille CHOIX_TAILLES[8] = {
    {"N0Mo1", "0 Mo", 10, -4, 13100, 157286},
    {"N07Mo1", "0,7 Mo", 50, 0, 65500, 786432},
    {"N15Mo1", "1,5Mo", 100, 2, 131000, 1572864},
    {"N3Mo1", "3Mo", 200, 2, 262000, 3145728},
    {"N5Mo1", "5Mo", 350, 2, 458500, 5505024},
    {"N10Mo1", "10Mo", 700, 4, 917000, 11010048},
    {"N15Mo2", "15Mo", 1000, 6, 1310000, 15728640},
    {"N30Mo1", "25Mo", 2000, 8, 2620000, 31457280},
};

// What a probe tells a node function.
enum class UsageTable : std::uint8_t {
  RIEN,     // no usable entry: search the node
  SCORE,    // the node's score is known: return it
  FENETRE,  // alpha or beta was changed and the entry's move is the hint move
};

// ---- types ----------------------------------------------------------------

// One slot. The score is from the point of view of the root side of the
// search that stored it; the type says which (see TYPE_*).
struct EntreeTable {
  std::uint32_t verif;      // cle_verif of the stored position
  std::int16_t score;
  std::uint8_t depart;      // best move, or the move that caused the cutoff
  std::uint8_t arrivee;
  std::uint8_t type;        // 0: empty
  std::uint8_t ply_absolu;  // nb_demi_coups + ply of the storing node (mod 256)
  std::uint8_t horizon;     // nb_demi_coups + prof_max of the storing search, below 255
  std::uint8_t inutilise;
};
static_assert(sizeof(EntreeTable) == 12, "a table entry is 12 bytes");

// ---- state ----------------------------------------------------------------

extern std::int16_t taille_tables;        // menu setting: 1310 slots per unit (0 read as 100)
extern std::int8_t decalage_tables;       // table depth offset: probes while ply - offset < 18 (17)
extern EntreeTable* table_transposition;  // nb_entrees_table slots, allocated by allouer_tables
extern std::uint32_t nb_entrees_table;
extern std::size_t limite_octets_table;   // larger blocks are refused as if memory had run out (tests lower it)
extern std::uint64_t inverse_entrees_table;  // 2^64 / nb_entrees_table rounded up, for case_table

// ---- functions ------------------------------------------------------------

// Start-up: the table for taille_tables (0 read as 100), the learnt-position
// table, then the key words from "hashkey33.dat" in the program's directory.
// No memory: "Erreur allocation Hash tables", exit status 1.
void allouer_tables();

// Marks every entry of the table empty.
void vider_tables();

// Frees the table and the learnt-position table.
void liberer_tables();

// After a menu choice (taille_tables and decalage_tables already set): a new,
// empty table of the new size and new index words in 0..N-1. Without the
// memory for it, false: the old table, its contents and the words are kept.
bool redimensionner_tables();

// Sets taille_tables and decalage_tables from menu choice 0..7 and resizes;
// false (both settings and the table as they were) when that cannot be done.
bool choisir_taille_tables(int choix);

// Slots of the table for a taille_tables (0 is read as 100).
std::uint32_t entrees_pour(std::int16_t taille);

// The slot's entry for the current keys if it holds this position, searched
// from this ply to at least the current horizon; nullptr otherwise.
const EntreeTable* sonder_table(int ply);

// The slot of key `index`: index % nb_entrees_table, by two multiplications
// instead of a division (exact for every index and size).
inline std::uint32_t case_table(std::uint32_t index) {
  const std::uint64_t fraction = inverse_entrees_table * index;
  return static_cast<std::uint32_t>((static_cast<unsigned __int128>(fraction) * nb_entrees_table) >> 64);
}

// Starts bringing the slot of key `index` into the cache: the probe of the
// node about to be searched reads it, and the table is far larger than the cache.
inline void precharger_table(std::uint32_t index) {
  if (table_transposition != nullptr) __builtin_prefetch(table_transposition + case_table(index));
}

// Stores a node's result under the replacement rules (nothing with three
// pieces or fewer, nothing past horizon 254).
void stocker_table(Score score, int ply, std::uint8_t type, Case depart, Case arrivee);

// Whether chercher_max / chercher_min probe and store at this ply.
bool table_active_max(int ply);
bool table_active_min(int ply);

// The table step of chercher_max / chercher_min: within the ply limits clears
// the hint move, probes, and applies the entry by its type for the current
// camp_racine. SCORE: `score` is the node's result. FENETRE: alpha or beta
// was changed and conseil_depart/conseil_arrivee hold the entry's move.
UsageTable consulter_table_max(int ply, Score& alpha, Score& beta, Score& score);
UsageTable consulter_table_min(int ply, Score& alpha, Score& beta, Score& score);
