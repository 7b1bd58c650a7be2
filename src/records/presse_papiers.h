// Positions and games through the clipboard: what a pasted text holds, and
// the texts that are copied. The window does the copying and pasting.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "records/text_games.h"
#include "rules/fen.h"

// ---- types ----------------------------------------------------------------

enum class GenreCollage { Rien, Position, Partie };

struct Collage {
  GenreCollage genre = GenreCollage::Rien;
  Position position{};             // Position: to set up, checked as a FEN is
  std::vector<PartieLue> parties;  // Partie: the PDN games, to replay as an opened file's
  std::string raison;              // Rien: why the text is neither (English)
  std::string erreur_position;     // Rien: the fault of a text that meant to be a FEN (English)
};

// ---- functions ------------------------------------------------------------

// A FEN (our numbers, or a1..h8 with White first; alone on its line or as a
// [FEN "..."] tag alone) is a position; a text with PDN tags or moves is a
// game; anything else is neither, with the FEN's fault when it looked like
// one.
Collage lire_collage(std::string_view texte);

// The position shown (damier, trait) as a FEN to copy, in our numbers.
std::string position_a_copier();
