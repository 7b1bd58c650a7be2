// The move generator: every legal move of one side, captures first and
// compulsory, in a fixed order (the search orders them afterwards).
#pragma once

#include <cstdint>

#include "rules/board.h"

// ---- constants ------------------------------------------------------------

constexpr int LIGNES_ESCALES = MAX_COUPS + 1;  // rows of escales: one per move, row 0 unused

// ---- mask geometry ----------------------------------------------------------

// One diagonal step of every square of a mask. Rows of squares 1-4, 9-12...
// (bits 0x0F0F0F0F) and 5-8, 13-16... (0xF0F0F0F0) are shifted by one
// column against each other, so the shift depends on the row.
constexpr std::uint32_t RANGS_PAIRS = 0x0F0F0F0Fu;
constexpr std::uint32_t RANGS_IMPAIRS = 0xF0F0F0F0u;
constexpr std::uint32_t BORD_A = 0x10101010u;  // squares 5, 13, 21, 29
constexpr std::uint32_t BORD_H = 0x08080808u;  // squares 4, 12, 20, 28
constexpr std::uint32_t pas(int d, std::uint32_t m) {
  switch (d) {
    case HAUT_GAUCHE: return ((m & RANGS_PAIRS) >> 4) | ((m & RANGS_IMPAIRS & ~BORD_A) >> 5);
    case HAUT_DROITE: return ((m & RANGS_PAIRS & ~BORD_H) >> 3) | ((m & RANGS_IMPAIRS) >> 4);
    case BAS_GAUCHE: return ((m & RANGS_PAIRS) << 4) | ((m & RANGS_IMPAIRS & ~BORD_A) << 3);
    default: return ((m & RANGS_PAIRS & ~BORD_H) << 5) | ((m & RANGS_IMPAIRS) << 4);
  }
}
constexpr bool pas_conforme_aux_voisins() {
  for (int d = 0; d < 4; ++d)
    for (int k = 1; k <= NB_CASES; ++k) {
      const std::uint32_t attendu = voisins[d][k] ? 1u << (voisins[d][k] - 1) : 0;
      if (pas(d, 1u << (k - 1)) != attendu) return false;
    }
  return true;
}
static_assert(pas_conforme_aux_voisins(), "mask steps disagree with the neighbour table");

// The squares a king on s looks along in direction d, nearest first and
// up to the edge, as a mask.
constexpr std::uint32_t rayon(int d, int s) {
  std::uint32_t m = 0;
  for (int k = voisins[d][s]; k != 0; k = voisins[d][k]) m |= 1u << (k - 1);
  return m;
}
struct Rayons {
  std::uint32_t m[4][33];
};
constexpr Rayons calculer_rayons() {
  Rayons r{};
  for (int d = 0; d < 4; ++d)
    for (int s = 1; s <= NB_CASES; ++s) r.m[d][s] = rayon(d, s);
  return r;
}
constexpr Rayons RAYONS = calculer_rayons();

// The free squares of the ray of a king on s in direction d, up to the
// first piece: below it for downward directions, above it for upward ones.
inline std::uint32_t rayon_libre(int d, Case s, std::uint32_t vides) {
  const std::uint32_t r = RAYONS.m[d][s], pris = r & ~vides;
  if (pris == 0) return r;
  if (d >= BAS_GAUCHE) return r & ((pris & (0u - pris)) - 1);
  const std::uint32_t haut = 1u << (31 - __builtin_clz(pris));
  return r & ~(haut | (haut - 1));
}

// Number of squares of a mask, without a library call where the processor
// has no instruction for it.
constexpr int nombre_cases(std::uint32_t m) {
  m = m - ((m >> 1) & 0x55555555u);
  m = (m & 0x33333333u) + ((m >> 2) & 0x33333333u);
  return static_cast<int>((((m + (m >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}
static_assert(nombre_cases(0) == 0 && nombre_cases(0xFFFFFFFFu) == 32 && nombre_cases(0x80000101u) == 3);

// Squares of a plus squares of b, both counted in one pass over 64 bits.
constexpr int nombre_cases(std::uint32_t a, std::uint32_t b) {
  std::uint64_t m = std::uint64_t{a} << 32 | b;
  m = m - ((m >> 1) & 0x5555555555555555u);
  m = (m & 0x3333333333333333u) + ((m >> 2) & 0x3333333333333333u);
  return static_cast<int>((((m + (m >> 4)) & 0x0F0F0F0F0F0F0F0Fu) * 0x0101010101010101u) >> 56);
}
static_assert(nombre_cases(0xFFFFFFFFu, 0xFFFFFFFFu) == 64 && nombre_cases(0x80000101u, 0x10u) == 4);

// The squares a king on s can move to when nothing is to be taken: its four
// free rays, which share no square.
inline std::uint32_t rayons_libres(Case s, std::uint32_t vides) {
  return rayon_libre(0, s, vides) | rayon_libre(1, s, vides) | rayon_libre(2, s, vides) | rayon_libre(3, s, vides);
}

// ---- state ----------------------------------------------------------------

// A list holds MAX_COUPS moves; later ones are dropped. Only captures come
// near it (a search over positions of twelve kings found no more than 66
// quiet moves), mostly as the same pieces taken in other orders: dropping
// such a capture loses no position.
// Set when a generation had to drop a move that reaches a new position.
extern bool liste_debordee;

// Capture paths recorded by chercher_prises_avec_escales, row = move + 1.
extern std::uint8_t escales[LIGNES_ESCALES][15];        // landing square after each jump
extern std::uint8_t cases_sautees[LIGNES_ESCALES][15];  // square jumped at each step

// ---- functions ------------------------------------------------------------

// Fills list prof_courante with the moves of `camp` (1 black, else white) in
// generation order, every note 0, and returns their number.
// Reads the board's masks, which must be in step with damier.
std::uint8_t lister_coups(Camp camp);

// The number lister_coups returns. Captures are listed as it lists them;
// quiet moves are only counted, list prof_courante keeps older contents.
std::uint8_t compter_coups(Camp camp);

// The captures of `camp` into list prof_courante as lister_coups lists them,
// and their number: 0 when there are none, the list then left empty.
std::uint8_t lister_prises_seules(Camp camp);

// Capture search of the piece on `s` appending to list 1 with its landing
// squares recorded in escales / cases_sautees. The pieces are read from
// damier (its masks need not be in step), which is left as it is.
void chercher_prises_avec_escales(Case s);

// Clears the capture scratch (part of making the lists ready).
void effacer_brouillon_prises();
