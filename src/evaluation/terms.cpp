// The pattern terms of the evaluation: safety of the men, runaway men,
// positional motifs and the catalogue of shots.
#include <algorithm>

#include "evaluation/evaluation.h"
#include "evaluation/patterns.h"
#include "rules/generation.h"

namespace {

inline int borner(int v, int bas, int haut) { return std::clamp(v, bas, haut); }

// The side to move at this node: the search's side moves at odd plies.
inline bool blancs_au_trait(Camp cote) { return ((prof_courante & 1) != 0) == (cote == BLANCS); }

// One side's view of the board for the safety term: which directions lie
// ahead (toward the crowning row) and behind, which of its men are judged
// (those off the edges, white's from square 9 on, black's up to 24), and the
// squares where rules 2, 3 and 4 below apply.
struct Orientation {
  int f0, f1, b2, b3;
  bool noir;  // "two rows ahead" is 8 squares up for black, down for white
  std::uint32_t juges, pousse, expose, libre;
};

constexpr std::uint32_t depuis(int k) { return ~0u << (k - 1); }  // squares k..32
constexpr std::uint32_t jusqua(int k) { return ~0u >> (32 - k); }  // squares 1..k
constexpr std::uint32_t cases_interieures() {  // off the edge files and the back rows
  std::uint32_t m = 0;
  for (int k = 1; k <= NB_CASES; ++k) {
    const int r = rangee(static_cast<Case>(k)), c = colonne(static_cast<Case>(k));
    if (r != 0 && r != 7 && c != 0 && c != 7) m |= 1u << (k - 1);
  }
  return m;
}
constexpr Orientation BLANCHE{HAUT_GAUCHE, HAUT_DROITE, BAS_GAUCHE, BAS_DROITE, false,
                              cases_interieures() & depuis(9), depuis(13), jusqua(19), jusqua(23)};
constexpr Orientation NOIRE{BAS_DROITE, BAS_GAUCHE, HAUT_DROITE, HAUT_GAUCHE, true,
                            cases_interieures() & jusqua(24), jusqua(20), depuis(14), depuis(8)};

// The squares whose neighbour in direction d is in x.
constexpr std::uint32_t vers(int d, std::uint32_t x) { return pas(3 - d, x); }

// The squares with no square two steps away in direction d.
constexpr std::uint32_t sans_double_pas(int d) {
  std::uint32_t m = 0;
  for (int k = 1; k <= NB_CASES; ++k)
    if (voisins[d][voisins[d][k]] == 0) m |= 1u << (k - 1);
  return m;
}
constexpr std::uint32_t SANS_DOUBLE_PAS[4] = {sans_double_pas(0), sans_double_pas(1), sans_double_pas(2),
                                              sans_double_pas(3)};

// Safety of the men `amis` against the men `ennemis`, from their owner's view
// (positive is good for it): every rule is a set of men, weighed by its size.
// The judged men stand off the edges, so their four neighbours are squares.
// One function per side: its directions are then constants.
template <bool NOIR>
int surete_camp(std::uint32_t amis, std::uint32_t ennemis, std::uint32_t vides) {
  constexpr Orientation o = NOIR ? NOIRE : BLANCHE;
  const std::uint32_t m = amis & o.juges;
  if (m == 0) return 0;
  const auto n = [&](std::uint32_t x) { return nombre_cases(m & x); };
  // The squares whose square two rows ahead is in x (an empty mask off the board).
  const auto devant = [&](std::uint32_t x) { return o.noir ? x >> 8 : x << 8; };
  // 1. Holes behind the man.
  const std::uint32_t vide2 = vers(o.b2, vides), vide3 = vers(o.b3, vides), dos_vide = vide2 & vide3;
  int v = -(2 * n(vide2) + 3 * n(vide2 & vers(o.b2, vide2)) + 2 * n(vide3) + 3 * n(vide3 & vers(o.b3, vide3)) +
            4 * n(dos_vide));
  // 2. A man pushed ahead of two friends with nothing behind it.
  const std::uint32_t loin0 = SANS_DOUBLE_PAS[o.f0] | vers(o.f0, vers(o.f0, vides));
  const std::uint32_t loin1 = SANS_DOUBLE_PAS[o.f1] | vers(o.f1, vers(o.f1, vides));
  const std::uint32_t pousse =
      o.pousse & vers(o.f0, amis) & vers(o.f1, amis) & dos_vide & loin0 & loin1 & devant(vides);
  const int nb_pousses = n(pousse);
  v -= (phase_partie == 3 ? 24 : 12) * nb_pousses;
  const std::uint32_t ennemis_devant = devant(ennemis);
  if (nb_pousses != 0) v -= 15 * n(pousse & vers(o.f0, ennemis_devant) & vers(o.f1, ennemis_devant));
  // 3. Exposure along each diagonal through the man: an enemy on one side
  // with the other side empty; an open square ahead not taken from behind.
  const std::uint32_t ennemi0 = vers(o.f0, ennemis), ouvert0 = vers(o.f0, vides), ennemi3 = vers(o.b3, ennemis);
  const std::uint32_t ennemi1 = vers(o.f1, ennemis), ouvert1 = vers(o.f1, vides), ennemi2 = vers(o.b2, ennemis);
  const std::uint32_t libre0 = ouvert0 & ~ennemi3, libre1 = ouvert1 & ~ennemi2;
  v -= 50 * (n((ennemi0 & vide3) | (ouvert0 & ennemi3)) + n((ennemi1 & vide2) | (ouvert1 & ennemi2)));
  v -= 10 * n(o.expose & ~ouvert1 & ~ennemi1 & ~libre0 & ~libre1 & dos_vide);
  v += 2 * (n(libre0) + n(libre1));
  // 4. A free man looking at the squares two steps ahead.
  const std::uint32_t libre = o.libre & libre0 & libre1;
  if (libre & m) {
    const std::uint32_t a = vers(o.f0, ennemi0), b = vers(o.f1, ennemi1);
    v += 5 * (n(libre & ~a) + n(libre & ~b));
    const std::uint32_t menace = libre & (a | b) & ennemis_devant & dos_vide;
    v -= 5 * n(menace) + 15 * n(menace & a & b);
  }
  return v;
}

}  // namespace

int terme_surete_pions(Camp cote) {
  const std::uint32_t blancs = masque_blancs & ~masque_dames, noirs = masque_noirs & ~masque_dames;
  const std::uint32_t vides = ~(masque_blancs | masque_noirs);
  int s = surete_camp<false>(blancs, noirs, vides) - surete_camp<true>(noirs, blancs, vides);
  s = borner(s, -60, 60);
  return cote == NOIRS ? -s : s;
}

namespace motifs {

int echappes(const Plateau& p) {
  const bool trait_blanc = (p.drapeaux & TRAIT_BLANC) != 0;
  int s = borner(2 * somme(regles_echappes(), p), -125, 125);
  if (trait_blanc && s > 0) s += s / 2;
  if (!trait_blanc && s < 0) s += s / 2;
  return s;
}

int positionnels(const Plateau& p) { return borner(somme(regles_positionnelles(), p), -45, 45); }

int tactiques(const Plateau& p) {
  return premier((p.drapeaux & TRAIT_BLANC) != 0 ? coups_blancs() : coups_noirs(), p);
}

}  // namespace motifs

namespace {
inline int vu_par(Camp cote, int s) { return cote == NOIRS ? -s : s; }
}  // namespace

int terme_pions_echappes(Camp cote) {
  return vu_par(cote, motifs::echappes(motifs::lire_plateau(blancs_au_trait(cote))));
}

int terme_motifs_positionnels(Camp cote) {
  return vu_par(cote, motifs::positionnels(motifs::lire_plateau(blancs_au_trait(cote))));
}

int terme_coups_tactiques(Camp cote) {
  return vu_par(cote, motifs::tactiques(motifs::lire_plateau(blancs_au_trait(cote))));
}
