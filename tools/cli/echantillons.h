// Files of random legal games written the way other draughts programs and
// federations write them, to try the PDN reader on many games at once.
#pragma once

#include <cstdint>
#include <string>

// The styles: "pool" (GameType 23, numbers, LF), "algebraic" (23 written
// a1..h8, CR LF), "plain" (no GameType, algebraic, ':' captures), "russian"
// (25, ':' captures, Cyrillic names, FEN with a trailing dot), "brazilian"
// (26, the largest capture only, as its rules want). Empty when the style is
// unknown.
struct Echantillon {
  std::string texte;
  int parties = 0;
  long demi_coups = 0;  // plies written, over every game
};
Echantillon ecrire_echantillon(const std::string& style, int parties, std::uint32_t graine);
extern const char* const STYLES_ECHANTILLON;  // "pool, algebraic, plain, russian, brazilian"
