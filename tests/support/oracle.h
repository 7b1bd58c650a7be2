// An independent judge of tactics: plain negamax over the reference move
// generator, material only (man 1, king 3), following every compulsory
// capture past the nominal depth; and the databases' verdicts.
#pragma once

#include <array>
#include <climits>

#include "knowledge/endgame.h"
#include "support/reference.h"

namespace oracle {

using Plateau = std::array<std::uint8_t, 33>;

constexpr int PERDU = -1000;  // the side to move has no move

using reference::jouer;

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

// ---- endings: the databases' verdicts, read straight from their tables ----

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

inline bool gain_force(const Plateau& b, Camp camp, int profondeur);

// Whether `camp`, to move in b, has lost: by the databases, or because after
// every reply the opponent still forces a win within `profondeur` plies.
inline bool perdu(const Plateau& b, Camp camp, int profondeur) {
  if (nb_pieces_plateau(b) <= 4 && verdict_base(b, camp) != 2) return verdict_base(b, camp) == -1;
  for (const auto& r : reference::coups(b, camp))
    if (!gain_force(jouer(b, r), static_cast<Camp>(1 - camp), profondeur - 2)) return false;
  return true;
}

// Whether `camp` forces, within `profondeur` plies, a position the databases
// call won for it (or the opponent without move or piece).
inline bool gain_force(const Plateau& b, Camp camp, int profondeur) {
  if (nb_pieces_plateau(b) <= 4 && verdict_base(b, camp) != 2) return verdict_base(b, camp) == 1;
  if (profondeur <= 0) return false;
  for (const auto& m : reference::coups(b, camp))
    if (perdu(jouer(b, m), static_cast<Camp>(1 - camp), profondeur)) return true;
  return false;
}

}  // namespace oracle
