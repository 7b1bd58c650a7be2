// Position keys: the two tables of key words, the two keys of the board that
// faire_coup keeps up to date, and the key file "hashkey33.dat".
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

// ---- constants ------------------------------------------------------------

constexpr int NB_MOTS_CLES = 165;  // words per key table, addressed piece code * 32 + square
constexpr std::size_t TAILLE_FICHIER_CLES = 2 * NB_MOTS_CLES * 4;  // "hashkey33.dat": 1320 bytes
constexpr const char* FICHIER_CLES = "hashkey33.dat";

// ---- state ----------------------------------------------------------------

extern std::uint32_t cles_index[NB_MOTS_CLES];  // key words choosing the slot
extern std::uint32_t cles_verif[NB_MOTS_CLES];  // key words checked in the slot
extern std::uint32_t cle_index;  // xor of cles_index over the pieces of damier, kept by faire_coup
extern std::uint32_t cle_verif;  // xor of cles_verif likewise

// ---- functions ------------------------------------------------------------

// The built-in key words, made from a fixed seed; "hashkey33.dat" holds the
// same words, so keys never depend on whether the file is there.
void cles_integrees(std::uint32_t index[NB_MOTS_CLES], std::uint32_t verif[NB_MOTS_CLES]);

// Reads the key tables from a 1320-byte file; any other file (missing, short,
// long, or with a word a board reads at zero or twice in one table) leaves
// the built-in words. True when the file was used.
bool charger_cles(const std::filesystem::path& fichier);

// Writes the built-in words as a key file (safely).
bool ecrire_fichier_cles(const std::filesystem::path& fichier);

// cle_index and cle_verif of damier, from scratch.
void calculer_cles();

// The two keys of any board laid out like damier.
void cles_de(const std::uint8_t cases[33], std::uint32_t& index, std::uint32_t& verif);
