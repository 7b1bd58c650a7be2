// Small helpers to set up test positions on the internal squares.
#pragma once

#include <array>
#include <cstring>
#include <initializer_list>
#include <random>
#include <stdexcept>
#include <string>
#include <set>
#include <utility>
#include <vector>

#include "rules/board.h"
#include "rules/fen.h"
#include "rules/generation.h"
#include "rules/moves.h"
#include "support/reference.h"

// Empty board with the given pieces, `camp` to move.
inline void poser(std::initializer_list<std::pair<int, Piece>> pieces, Camp camp = BLANCS) {
  vider_damier();
  for (const auto& [k, p] : pieces) damier[k] = p;
  recalculer_masques();
  trait = camp;
}

inline void poser_fen(const char* fen) {
  Position pos;
  std::string erreur;
  if (!lire_fen(fen, pos, erreur)) throw std::runtime_error(erreur);
  placer_position(pos);
}

inline std::array<std::uint8_t, 33> plateau() {
  std::array<std::uint8_t, 33> b;
  std::memcpy(b.data(), damier, 33);
  return b;
}

// The moves of list 1 (first n) in the oracle's form.
inline std::set<reference::Mouvement> liste_en_ensemble(int n) {
  std::set<reference::Mouvement> s;
  for (int i = 0; i < n; ++i) {
    const Coup& m = listes_coups[1][i];
    s.insert({m.depart, m.arrivee, std::vector<int>(m.prises + 1, m.prises + 1 + m.nb_prises)});
  }
  return s;
}

// Move i of list 1 as (origin, destination, captures).
inline reference::Mouvement coup_liste(int i) {
  const Coup& m = listes_coups[1][i];
  return {m.depart, m.arrivee, std::vector<int>(m.prises + 1, m.prises + 1 + m.nb_prises)};
}

// Generates the moves of `camp` at ply `ply` and picks one at random: its
// index, or -1 when there is none; `couronne` tells whether it crowns a man.
inline int coup_au_hasard(std::mt19937& alea, int ply, Camp camp, bool& couronne) {
  prof_courante = static_cast<std::int8_t>(ply);
  const int n = lister_coups(camp);
  if (n == 0) return -1;
  const int i = static_cast<int>(alea() % static_cast<unsigned>(n));
  const Coup& m = listes_coups[ply][i];
  couronne = case_couronnement(damier[m.depart], m.arrivee);
  return i;
}
