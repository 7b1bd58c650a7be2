// The board, the pieces, the square geometry and names, the move record and
// the per-ply move lists: the vocabulary every other part of the engine uses.
#pragma once

#include <cstdint>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

// ---- constants ------------------------------------------------------------

using Case = std::uint8_t;   // square 1..32; 0 is the off-board sentinel
using Piece = std::uint8_t;  // piece code
using Camp = std::uint8_t;   // 0 = white (moves first, drawn black), 1 = black
using Score = std::int16_t;  // 1/200 of a man

constexpr Piece VIDE = 0;
constexpr Piece PION_BLANC = 1;
constexpr Piece DAME_BLANCHE = 2;
constexpr Piece PION_NOIR = 3;
constexpr Piece DAME_NOIRE = 4;
constexpr Piece HORS_DAMIER = 10;  // only ever in damier[0]

constexpr Camp BLANCS = 0;
constexpr Camp NOIRS = 1;

constexpr int HAUT_GAUCHE = 0;  // toward row 0, toward file a
constexpr int HAUT_DROITE = 1;  // toward row 0, toward file h
constexpr int BAS_GAUCHE = 2;   // toward row 7, toward file a
constexpr int BAS_DROITE = 3;   // toward row 7, toward file h

constexpr int NB_CASES = 32;
constexpr int MAX_COUPS = 70;   // records per move list
constexpr int MAX_PLY = 34;     // move lists 1..MAX_PLY are used
constexpr int NB_LISTES = 35;   // list 0 exists but is never used
constexpr int MAX_PRISES = 15;  // entries of Coup::prises (index 0 unused)

constexpr bool est_blanc(Piece p) { return p == PION_BLANC || p == DAME_BLANCHE; }
constexpr bool est_noir(Piece p) { return p == PION_NOIR || p == DAME_NOIRE; }
constexpr bool est_dame(Piece p) { return p == DAME_BLANCHE || p == DAME_NOIRE; }
// The side that moves after `camp`.
constexpr Camp adversaire(Camp camp) { return static_cast<Camp>(1 - camp); }

// Square s is on the crowning row of the man p: 1..4 for a white man, 29..32
// for a black one; never for a king.
constexpr bool case_couronnement(Piece p, Case s) {
  return (p == PION_BLANC && s <= 4) || (p == PION_NOIR && s >= 29);
}

// The piece a move of p leaves on its final square s: a man ending on its
// crowning row becomes a king.
constexpr Piece couronner(Piece p, Case s) { return case_couronnement(p, s) ? static_cast<Piece>(p + 1) : p; }

constexpr int rangee(Case k) { return (k - 1) / 4; }
constexpr int colonne(Case k) { return rangee(k) % 2 == 0 ? 2 * ((k - 1) % 4) + 1 : 2 * ((k - 1) % 4); }

// Neighbour of square k in direction d (HAUT_GAUCHE..BAS_DROITE).
// Squares are numbered 1..32 row by row from black's back row (b8 d8 f8 h8);
// a step that leaves the board leads to 0, where damier[0] stops every walk.
inline constexpr std::uint8_t voisins[4][33] = {
    {0, 0, 0, 0, 0, 0, 1, 2, 3, 5, 6, 7, 8, 0, 9, 10, 11, 13, 14, 15, 16, 0, 17, 18, 19, 21, 22, 23, 24, 0, 25, 26, 27},
    {0, 0, 0, 0, 0, 1, 2, 3, 4, 6, 7, 8, 0, 9, 10, 11, 12, 14, 15, 16, 0, 17, 18, 19, 20, 22, 23, 24, 0, 25, 26, 27, 28},
    {0, 5, 6, 7, 8, 0, 9, 10, 11, 13, 14, 15, 16, 0, 17, 18, 19, 21, 22, 23, 24, 0, 25, 26, 27, 29, 30, 31, 32, 0, 0, 0, 0},
    {0, 6, 7, 8, 0, 9, 10, 11, 12, 14, 15, 16, 0, 17, 18, 19, 20, 22, 23, 24, 0, 25, 26, 27, 28, 30, 31, 32, 0, 0, 0, 0, 0},
};

// ---- types ----------------------------------------------------------------

// A move: origin, final square and the captured squares in jump order
// (prises[1..nb_prises]); note is the ordering score, larger first.
struct Coup {
  std::uint8_t depart;
  std::uint8_t arrivee;
  std::uint8_t nb_prises;
  std::uint8_t prises[MAX_PRISES];
  std::int16_t note;
};

// Same move: origin, destination and the captured squares in order.
bool meme_coup(const Coup& a, const Coup& b);

// ---- state ----------------------------------------------------------------

extern std::uint8_t damier[33];  // piece code per square; damier[0] == HORS_DAMIER
extern Camp trait;               // side to move in the game position

// The pieces of damier as square sets, bit k-1 for square k: white pieces,
// black pieces, kings of either side. Every move made and taken back keeps
// them in step; code that writes damier otherwise calls recalculer_masques.
extern std::uint32_t masque_blancs, masque_noirs, masque_dames;

extern const std::uint16_t ordre_cases[33];       // scan order: entry i = 33 - i
extern const char noms_numeriques[33][3];         // "32".."01"
extern const char noms_alphabetiques[33][3];      // "b8".."g1"
extern char noms_cases[33][3];                    // active names, numeric at start-up

extern Coup (*listes_coups)[MAX_COUPS];  // NB_LISTES lists, allocated on first use
extern std::uint8_t nb_coups[NB_LISTES];
extern std::int8_t prof_courante;        // ply whose list is being generated or searched

extern std::uint8_t nb_pieces[5];  // per piece code 1..4; valid during a search
extern Case derniere_arrivee;      // destination of the last move applied by appliquer_coup

// ---- functions ------------------------------------------------------------

// The squares holding code a or code b, as a mask: bit k-1 for square k.
inline std::uint32_t masque_cases(Piece a, Piece b) {
#ifdef __SSE2__
  const __m128i bas = _mm_loadu_si128(reinterpret_cast<const __m128i*>(damier + 1));
  const __m128i haut = _mm_loadu_si128(reinterpret_cast<const __m128i*>(damier + 17));
  const __m128i ca = _mm_set1_epi8(static_cast<char>(a)), cb = _mm_set1_epi8(static_cast<char>(b));
  const auto m16 = [&](__m128i v) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, ca), _mm_cmpeq_epi8(v, cb))));
  };
  return m16(bas) | (m16(haut) << 16);
#else
  std::uint32_t m = 0;
  for (int k = 1; k <= 32; ++k)
    if (damier[k] == a || damier[k] == b) m |= 1u << (k - 1);
  return m;
#endif
}

// Rebuilds masque_blancs, masque_noirs and masque_dames from damier.
void recalculer_masques();

// The board, its masks and the side to move, kept while other work plays on
// them (a proof, a replay, a writer that names moves) and put back after.
struct PlateauGarde {
  std::uint8_t cases[33];
  std::uint32_t blancs, noirs, dames;
  Camp au_trait;
  void prendre();       // from damier, its masks and trait
  void rendre() const;  // back into them
};

// Bit of square k in the masks.
constexpr std::uint32_t bit_case(Case k) { return 1u << (k - 1); }

// The squares move m captures, as a mask.
inline std::uint32_t masque_prises(const Coup& m) {
  std::uint32_t pris = 0;
  for (int k = 1; k <= m.nb_prises; ++k) pris |= bit_case(m.prises[k]);
  return pris;
}

// Puts the masks in step with move m of the piece p, which ends as c on the
// final square: the origin emptied, the captured squares emptied, the final
// square filled.
inline void masques_apres_coup(const Coup& m, Piece p, Piece c) {
  const std::uint32_t pris = masque_prises(m);
  const std::uint32_t depart = bit_case(m.depart), arrivee = bit_case(m.arrivee);
  if (est_blanc(p)) {
    masque_blancs = (masque_blancs & ~depart) | arrivee;
    masque_noirs &= ~pris;
  } else {
    masque_noirs = (masque_noirs & ~depart) | arrivee;
    masque_blancs &= ~pris;
  }
  masque_dames &= ~(pris | depart);
  if (est_dame(c)) masque_dames |= arrivee;
}

// Numeric (false) or algebraic (true) square names in noms_cases.
void choisir_noms_cases(bool algebriques);

// Allocates the move lists on first use, clears every count and the capture
// scratch. Allocation failure ends the program (status 1).
void preparer_listes();

// Prints the message on standard output and ends the program with status 1.
[[noreturn]] void echec_allocation(const char* message);

void compter_pieces();         // recount nb_pieces from damier and rebuild the masks
void vider_damier();           // every square empty, sentinel set, white to move
void position_initiale();      // 12 men a side, white to move
