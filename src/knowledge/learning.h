// The learnt positions: a table of scores keyed like the transposition
// table, read from "pool.dat" and lesson files, grown by the analysis.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "rules/board.h"
#include "search/scores.h"

// ---- constants ------------------------------------------------------------

constexpr std::uint32_t NB_APPRISES = 131071;  // slots, 2^17 - 1
constexpr std::size_t TAILLE_FICHIER_APPRIS = 1048568;  // "pool.dat" and *.dal: the table's image
constexpr Score SCORE_PROTEGE = SCORE_DECISIF;  // a learnt score this decided is never overwritten
inline constexpr const char* FICHIER_POOL = "pool.dat";

// ---- types ----------------------------------------------------------------

struct EntreeApprise {
  std::uint32_t verif;  // second key of the position
  std::int16_t score;   // for the side to move, 1/200 of a man; 0: nothing learnt
  std::uint8_t libre[2];  // carried as loaded
};
static_assert(sizeof(EntreeApprise) == 8);
static_assert(NB_APPRISES * sizeof(EntreeApprise) == TAILLE_FICHIER_APPRIS);

// ---- state ----------------------------------------------------------------

extern EntreeApprise* table_apprise;  // NB_APPRISES slots, allocated with the transposition table
extern std::uint8_t session_apprentissage;  // 1 while a learning session runs

// ---- functions ------------------------------------------------------------

// The first key with the 1 added when white (camp 0) is to move.
constexpr std::uint32_t cle_apprise(std::uint32_t cle, Camp trait) { return cle + (trait == BLANCS ? 1u : 0u); }

// Slot of a first key that already includes the 1 for white to move.
constexpr std::uint32_t case_apprise(std::uint32_t cle) { return cle % NB_APPRISES; }

// Allocates the (empty) table; false when memory cannot be had.
bool allouer_table_apprise();
void liberer_table_apprise();

// "pool.dat" of `dossier`: a file that is missing or not exactly the table's
// size leaves the table empty. True when the file was loaded.
bool charger_pool(const std::filesystem::path& dossier);

// Replaces the table by a lesson file; a file that cannot be read or is not
// exactly the table's size shows "Impossible d'ouvrir ce fichier" and leaves
// the table unchanged.
bool charger_lecons(const std::filesystem::path& fichier);

// The entry of the slot of `cle` (1 for white to move included) when it holds
// the position `verif`; nullptr otherwise. The search uses it only when its
// score is not 0.
const EntreeApprise* sonder_apprises(std::uint32_t cle, std::uint32_t verif);

// Learns `score` for the keys cle_index (1 for white to move included by the
// caller) and cle_verif unless the slot's score is protected, then writes the
// whole table to `fichier` (safely). False, after the error box, when it
// cannot be written.
bool apprendre_position(const std::filesystem::path& fichier, Score score);

// The two halves of apprendre_position, for a run that shows no box: the
// score into the table (false when the slot's score is protected), and the
// whole table written safely (false when it cannot be).
bool retenir_position(Score score);
bool sauver_table_apprise(const std::filesystem::path& fichier);
