// The rule tables behind the pattern terms: each rule is a conjunction of
// square contents (and a few flags) written as text, read once into bit
// masks. White's rules are written; black's are the same rules with the
// board turned half a turn (square s <-> 33 - s, colours exchanged).
#pragma once

#include <cstdint>
#include <vector>

#include "rules/board.h"

namespace motifs {

// ---- constants ------------------------------------------------------------

// Flags a condition may ask for.
constexpr std::uint16_t TRAIT_BLANC = 1;        // white is to move at this node
constexpr std::uint16_t TRAIT_NOIR = 2;         // black is to move
constexpr std::uint16_t PHASE_01 = 4;           // opening or middle game
constexpr std::uint16_t PHASE_23 = 8;           // pre-ending or ending
constexpr std::uint16_t PHASE_0 = 16;           // opening
constexpr std::uint16_t PHASE_3 = 32;           // ending
constexpr std::uint16_t SANS_DAME_BLANCHE = 64;
constexpr std::uint16_t SANS_DAME_NOIRE = 128;

// ---- types ----------------------------------------------------------------

// Square sets, bit s - 1 for square s.
struct Plateau {
  std::uint32_t pb, pn;  // white men, black men
  std::uint32_t xb, xn;  // white pieces, black pieces (men or kings)
  std::uint32_t vide;
  std::uint16_t drapeaux;  // the flags above that hold
};

struct Condition {
  std::uint32_t pb = 0, pn = 0;          // must hold a white man / a black man
  std::uint32_t xb = 0, xn = 0;          // must hold a white / black piece
  std::uint32_t vide = 0, occupe = 0;    // must be empty / occupied
  std::uint32_t non_pb = 0, non_pn = 0;  // must not hold a white / black man
  std::uint32_t non_xb = 0, non_xn = 0;  // must not hold a white / black piece
  std::uint16_t drapeaux = 0;
  std::int16_t groupe = -1;  // index of a list of alternatives, one of which must hold
};

// A rule: if its condition holds, its value counts and its children are
// looked at: all of them (sum), or only the first whose condition holds.
struct Noeud {
  Condition condition;
  std::int16_t valeur = 0;
  std::uint16_t premier = 0, nombre = 0;  // children in Catalogue::noeuds
  bool exclusif = false;
};

// How a written rule is used.
enum class Portee : std::uint8_t {
  LES_DEUX,      // white's rule and its black image
  BLANCS_SEULS,  // white's rule only (its black counterpart is written apart)
  NOIRS_SEULS,   // written for black directly
  DEPLACABLE,    // shots: also every shift and reflection that keeps its squares on the board
};

struct Regle {
  const char* texte;
  Portee portee;
};

// What a condition asks of the squares' occupancy alone: a cheap first test,
// kept apart from the rules so that most rules are rejected without reading them.
struct Filtre {
  std::uint32_t plein = 0;  // squares that must hold a piece
  std::uint32_t vide = 0;   // squares that must be empty
};

// The top-level rules' main squares side by side, one array per kind, so
// that one pass without branches tells which of them may hold; padded with
// empty filters to a multiple of four rules.
struct FiltresRacines {
  std::vector<std::uint32_t> pb, pn, vide, plein;
};

struct Catalogue {
  std::vector<Noeud> noeuds;
  std::vector<Filtre> filtres;                       // one per node, same index
  std::vector<std::uint16_t> racines;                // top-level rules in order
  FiltresRacines filtres_racines;                    // one per top-level rule, same order
  std::vector<std::vector<Condition>> alternatives;  // groups referred to by Condition::groupe
};

// ---- functions ------------------------------------------------------------

// Reads rule texts. Syntax of one rule:
//   rule  := conds [':' value] ['{' rule, rule... '}' | '[' rule, rule... ']']
//   conds := W12 (white man) B12 (black man) E12 (empty) O12 (occupied)
//            w12 / b12 (no white / black man) X12 / Y12 (white / black piece)
//            x12 / y12 (no white / black piece) tB / tN (white / black to move)
//            K3 (empty square where the man crowns: a child whose K square is
//            not on the crowning row, after a shift, is left out)
//            c3 (the same without a condition on the square's content)
//            p01 p23 p0 p3 (phase) nDB / nDN (no white / black king)
//            ( conds | conds ... ) (one of them)
// '{}' adds every child that holds, '[]' only the first.
// With `pour_noirs` only the black images are read, otherwise only white's rules.
Catalogue lire_regles(const Regle* regles, int nombre, bool blancs, bool noirs);

Plateau lire_plateau(bool trait_blanc);

inline bool base_vraie(const Condition& c, const Plateau& p) {
  return (p.pb & c.pb) == c.pb && (p.pn & c.pn) == c.pn && (p.vide & c.vide) == c.vide &&
         (p.vide & c.occupe) == 0 && (p.pb & c.non_pb) == 0 && (p.pn & c.non_pn) == 0 &&
         (p.xb & c.xb) == c.xb && (p.xn & c.xn) == c.xn && (p.xb & c.non_xb) == 0 && (p.xn & c.non_xn) == 0 &&
         (p.drapeaux & c.drapeaux) == c.drapeaux;
}

inline bool filtre_passe(const Filtre& f, const Plateau& p) {
  return (~p.vide & f.plein) == f.plein && (p.vide & f.vide) == f.vide;
}

inline bool vraie(const Catalogue& cat, const Condition& c, const Plateau& p) {
  if (!base_vraie(c, p)) return false;
  if (c.groupe < 0) return true;
  for (const Condition& a : cat.alternatives[static_cast<std::size_t>(c.groupe)])
    if (base_vraie(a, p)) return true;
  return false;
}

// Node i of the catalogue holds on the board.
inline bool noeud_vrai(const Catalogue& cat, std::size_t i, const Plateau& p) {
  return filtre_passe(cat.filtres[i], p) && vraie(cat, cat.noeuds[i].condition, p);
}

// Sum of every rule that holds (with their children).
int somme(const Catalogue& c, const Plateau& p);

// Value of the first rule whose condition and one of whose children hold;
// `regle` receives its index in racines.
int premier(const Catalogue& c, const Plateau& p, int* regle = nullptr);

// The pattern terms on a board read once (white's gain positive, before the
// sign of the side): runaway men, positional motifs, shots.
int echappes(const Plateau& p);
int positionnels(const Plateau& p);
int tactiques(const Plateau& p);

// The catalogues of the pattern terms.
const Catalogue& regles_echappes();
const Catalogue& regles_positionnelles();
const Catalogue& coups_blancs();
const Catalogue& coups_noirs();

}  // namespace motifs
