// An independent judge of tactics for the search tests: plain negamax over
// the reference move generator, material only (man 1, king 3), following
// every compulsory capture past the nominal depth.
#pragma once

#include <array>
#include <climits>

#include "support/reference.h"

namespace oracle {

using Plateau = std::array<std::uint8_t, 33>;

constexpr int PERDU = -1000;  // the side to move has no move

inline Plateau jouer(const Plateau& b, const reference::Mouvement& m) {
  Plateau r = b;
  const auto& [depart, arrivee, prises] = m;
  Piece p = r[depart];
  r[depart] = VIDE;
  for (int s : prises) r[s] = VIDE;
  if (p == PION_BLANC && arrivee <= 4) p = DAME_BLANCHE;
  if (p == PION_NOIR && arrivee >= 29) p = DAME_NOIRE;
  r[arrivee] = p;
  return r;
}

// Material of `camp` less the other side's.
inline int materiel(const Plateau& b, Camp camp) {
  int m = 0;
  for (int s = 1; s <= 32; ++s) {
    const int v = est_dame(b[s]) ? 3 : (b[s] == VIDE ? 0 : 1);
    if (b[s] != VIDE) m += (est_blanc(b[s]) == (camp == BLANCS)) ? v : -v;
  }
  return m;
}

// The material `camp` can force within `profondeur` plies, captures
// followed to the end (at most 12 plies beyond).
inline int gain(const Plateau& b, Camp camp, int profondeur, int alpha = -INT_MAX, int beta = INT_MAX) {
  const auto coups = reference::coups(b, camp);
  if (coups.empty()) return PERDU;
  const bool prise = !std::get<2>(*coups.begin()).empty();
  if ((profondeur <= 0 && !prise) || profondeur <= -12) return materiel(b, camp);
  int meilleur = -INT_MAX;
  for (const auto& m : coups) {
    const int v = -gain(jouer(b, m), static_cast<Camp>(1 - camp), profondeur - 1, -beta, -alpha);
    if (v > meilleur) meilleur = v;
    if (v > alpha) alpha = v;
    if (alpha >= beta) break;
  }
  return meilleur;
}

}  // namespace oracle

// ---- endings: the databases' verdicts, read straight from their tables ----

#include "knowledge/endgame.h"

namespace oracle {

inline int nb_pieces_plateau(const Plateau& b) {
  int n = 0;
  for (int s = 1; s <= 32; ++s) n += b[s] != VIDE;
  return n;
}

// +1 when `camp` to move wins by the databases, -1 when it loses, 0 for a
// draw; 2 when no table covers the position.
inline int verdict_base(const Plateau& b, Camp camp) {
  const int classe = classe_base(b.data(), camp);
  if (classe < 0 || base_utilisable[classe] == 0) return 2;
  const std::int32_t i = indice_base(classe, b.data(), camp);
  if (i < 0) return 2;
  const int d = table_base(classe)[i];
  return d > 0 ? 1 : (d < 0 ? -1 : 0);
}

// Whether `camp` forces, within `profondeur` plies, a position the databases
// call won for it (or the opponent without move or piece).
inline bool gain_force(const Plateau& b, Camp camp, int profondeur) {
  if (nb_pieces_plateau(b) <= 4) {
    const int v = verdict_base(b, camp);
    if (v != 2) return v == 1;
  }
  if (profondeur <= 0) return false;
  const auto coups = reference::coups(b, camp);
  if (coups.empty()) return false;
  for (const auto& m : coups) {
    const Plateau c = jouer(b, m);
    const Camp autre = static_cast<Camp>(1 - camp);
    // the opponent loses when it has no reply, or every reply still loses
    bool perd = true;
    const Plateau& apres = c;
    if (nb_pieces_plateau(apres) <= 4 && verdict_base(apres, autre) != 2) {
      perd = verdict_base(apres, autre) == -1;
    } else {
      const auto reponses = reference::coups(apres, autre);
      for (const auto& r : reponses)
        if (!gain_force(jouer(apres, r), camp, profondeur - 2)) {
          perd = false;
          break;
        }
    }
    if (perd) return true;
  }
  return false;
}

}  // namespace oracle
