// Annotations in a PDN game: a glyph ("$2") and a comment after chosen
// moves, as the analysis writes them for other programs to read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// ---- types ----------------------------------------------------------------

struct AnnotationPdn {
  int demi_coup;            // after the game's move number demi_coup, counted from 1
  int nag;                  // "$nag" after the move; 0: none
  std::string commentaire;  // "{commentaire}" after it (braces in it become parentheses); empty: none
};

// ---- functions ------------------------------------------------------------

// A PDN game (tags, a blank line, the moves; as ecrire_partie_pdn writes
// it) with the annotations put after their moves. A move of the second side
// that follows a comment gets its number again ("12... 15-19"), and the
// moves are wrapped before column 80, lines ended by CR LF. Annotations of
// moves the game does not have are left out.
std::string annoter_partie_pdn(std::string_view pdn, const std::vector<AnnotationPdn>& annotations);
