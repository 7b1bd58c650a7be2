// Making and checking the endgame databases: every position of the 22
// classes solved by retrograde analysis over the engine's own move generator.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

// ---- types ----------------------------------------------------------------

struct BilanBase {  // outcomes of one class, side to move's view
  std::uint32_t gains = 0, nulles = 0, pertes = 0;
  std::uint32_t inutilises = 0;  // offsets that address no legal placement
  int plus_long_gain = 0;        // largest stored win
  int plus_longue_perte = 0;     // largest stored loss (as a positive number)
};

// ---- functions ------------------------------------------------------------

// Solves the 22 classes into bases_finales (smaller and king-richer classes
// first, since captures and crownings lead into them) and marks them usable.
// False with a message when a position leads out of the covered material or
// a distance does not fit a byte.
bool construire_bases(std::string& erreur);

// Writes the 22 tables as "<name>.bib" files into `dossier`, with the
// record of their checksums (FICHIER_SOMMES_BASES), safely and as one set:
// when one cannot be written, none of the old files is replaced.
bool ecrire_bases(const std::filesystem::path& dossier);

// Re-derives every stored byte from its successors, one ply deep, and checks
// that offsets addressing no position hold 0. On the first disagreement:
// false, with the class, the position as FEN and what was expected.
bool verifier_bases(std::string& erreur);

// Counts the outcomes stored for a class in memory.
BilanBase bilan_base(int classe);
