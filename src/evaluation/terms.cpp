// The pattern terms of the evaluation: safety of the men, runaway men,
// positional motifs and the catalogue of shots.
#include <algorithm>

#include "evaluation/evaluation.h"
#include "evaluation/patterns.h"

namespace {

inline int borner(int v, int bas, int haut) { return std::clamp(v, bas, haut); }

// The side to move at this node: the search's side moves at odd plies.
inline bool blancs_au_trait(Camp cote) { return ((prof_courante & 1) != 0) == (cote == BLANCS); }

// One side's view of the board for the safety term: which directions lie
// ahead, which behind, which codes are its own and the enemy's.
struct Orientation {
  int f0, f1, b2, b3;  // ahead (toward the crowning row) and behind
  int avance;          // square number step of one file-row pair ahead (-8 or +8)
  Piece ami, ennemi;
};
constexpr Orientation BLANCHE{HAUT_GAUCHE, HAUT_DROITE, BAS_GAUCHE, BAS_DROITE, -8, PION_BLANC, PION_NOIR};
constexpr Orientation NOIRE{BAS_DROITE, BAS_GAUCHE, HAUT_DROITE, HAUT_GAUCHE, 8, PION_NOIR, PION_BLANC};

inline Piece sur(int s) { return (s >= 1 && s <= 32) ? damier[s] : HORS_DAMIER; }

// Safety of one man on k, from its owner's view (positive is good for it).
int surete_pion(int k, const Orientation& o, bool noir) {
  int v = 0;
  const Case b2 = voisins[o.b2][k], b3 = voisins[o.b3][k];
  const Case f0 = voisins[o.f0][k], f1 = voisins[o.f1][k];
  // 1. Holes behind the man, counted without branches.
  const int vide2 = damier[b2] == VIDE, vide3 = damier[b3] == VIDE;
  v -= (b2 != 0 && vide2) * (2 + 3 * (damier[voisins[o.b2][b2]] == VIDE) + 2 * vide3);
  v -= (b3 != 0 && vide3) * (2 + 3 * (damier[voisins[o.b3][b3]] == VIDE) + 2 * vide2);
  const bool dos_vide = vide2 && vide3;
  // 2. A man pushed ahead of two friends with nothing behind it.
  if ((noir ? k < 21 : k > 12) && damier[f0] == o.ami && damier[f1] == o.ami && dos_vide &&
      (voisins[o.f0][f0] == 0 || damier[voisins[o.f0][f0]] == VIDE) &&
      (voisins[o.f1][f1] == 0 || damier[voisins[o.f1][f1]] == VIDE) && sur(k + o.avance) == VIDE) {
    v -= 12;
    if (phase_partie == 3) v -= 12;
    if (sur(f0 + o.avance) == o.ennemi && sur(f1 + o.avance) == o.ennemi) v -= 15;
  }
  // 3. Exposure along each diagonal through the man.
  int libres = 0;
  auto diagonale = [&](Case devant, Case derriere) {
    const Piece a = damier[devant], b = damier[derriere];
    const int ouvert = a == VIDE, ennemi_derriere = b == o.ennemi;
    v -= 50 * (((a == o.ennemi) & (b == VIDE)) | (ouvert & ennemi_derriere));
    libres += 2 * (ouvert & !ennemi_derriere);
  };
  diagonale(f0, b3);
  diagonale(f1, b2);
  if (damier[f1] != VIDE && damier[f1] != o.ennemi && (noir ? k >= 14 : k < 20) && libres == 0 && dos_vide) v -= 10;
  v += libres;
  // 4. A free man looking at the squares two steps ahead.
  if (libres == 4 && (noir ? k >= 8 : k < 24)) {
    const Piece a = damier[voisins[o.f0][f0]], b = damier[voisins[o.f1][f1]];
    if (a != o.ennemi) v += 5;
    if (b != o.ennemi) v += 5;
    if ((a == o.ennemi || b == o.ennemi) && sur(k + o.avance) == o.ennemi && dos_vide) {
      v -= 5;
      if (a == o.ennemi && b == o.ennemi) v -= 15;
    }
  }
  return v;
}

}  // namespace

int terme_surete_pions(Camp cote) {
  // Only men off the edges are judged: white's from square 9 on, black's up to 24.
  static const std::uint32_t cases_interieures = [] {
    std::uint32_t m = 0;
    for (int k = 1; k <= NB_CASES; ++k)
      if (interieur[k]) m |= 1u << (k - 1);
    return m;
  }();
  constexpr std::uint32_t DEPUIS_9 = ~0u << 8, JUSQUA_24 = (1u << 24) - 1;
  int s = 0;
  for (std::uint32_t m = masque_blancs & ~masque_dames & cases_interieures & DEPUIS_9; m != 0; m &= m - 1)
    s += surete_pion(__builtin_ctz(m) + 1, BLANCHE, false);
  for (std::uint32_t m = masque_noirs & ~masque_dames & cases_interieures & JUSQUA_24; m != 0; m &= m - 1)
    s -= surete_pion(__builtin_ctz(m) + 1, NOIRE, true);
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
