// How a user enters a move with the mouse: the square to click next for a
// given legal move, from what the board shows (the marks of the entry).
#pragma once

#include <cstring>
#include <vector>

#include "game/input.h"
#include "rules/generation.h"
#include "rules/moves.h"

// The landing squares of a move of the game position, 1..n (a quiet move:
// its destination). Uses list 1.
inline std::vector<Case> chemin_du_coup(const Coup& m) {
  std::vector<Case> chemin(1, m.depart);
  if (m.nb_prises < 2) {
    chemin.push_back(m.arrivee);
    return chemin;
  }
  if (decomposer_prise(m.depart, m.arrivee, m.prises + 1, m.nb_prises) == PRISE_INTROUVABLE) return {};
  for (int j = 1; j <= m.nb_prises; ++j) chemin.push_back(escales[1][j]);
  return chemin;
}

// The next square to click: the origin first; then the destination when it
// is offered (magenta) and `par_destination`, else the next landing square.
inline Case prochain_clic(const Coup& m, const std::vector<Case>& chemin, bool par_destination) {
  if (piece_en_main == 0) return m.depart;
  if (m.nb_prises == 0) return m.arrivee;
  if (par_destination && marques_cases[m.arrivee] == MARQUE_DESTINATION) return m.arrivee;
  const std::size_t j = nb_escales_saisies + 1u;
  return j < chemin.size() ? chemin[j] : m.arrivee;
}
