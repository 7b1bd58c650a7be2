// An independent, deliberately simple statement of the rules of play: capture
// sequences walked square by square on a copy of the board, with sets.
#pragma once

#include <algorithm>
#include <array>
#include <set>
#include <tuple>
#include <vector>

#include "rules/board.h"

namespace reference {

// (origin, destination, captured squares in jump order)
using Mouvement = std::tuple<int, int, std::vector<int>>;

inline bool ennemi(const std::array<std::uint8_t, 33>& b, int s, bool blancs) {
  return s != 0 && (blancs ? est_noir(b[s]) : est_blanc(b[s]));
}

// Continuations of a capture from `s`; `deja` holds the squares jumped so far
// (still on the board as obstacles). Appends complete sequences.
inline void suites(const std::array<std::uint8_t, 33>& b, int origine, int s, bool dame, bool blancs, int arrivee_dir,
                   std::vector<int>& deja, std::set<Mouvement>& sortie) {
  auto libre = [&](int k) { return k != 0 && (b[k] == VIDE || k == origine); };
  auto pris = [&](int k) {
    for (int x : deja)
      if (x == k) return true;
    return false;
  };
  // every (jumped, landing) pair reachable from s
  struct Saut {
    int d, piece;
    std::vector<int> atterrissages;
  };
  std::vector<Saut> sauts;
  for (int d = 0; d < 4; ++d) {
    if (arrivee_dir >= 0 && d == 3 - arrivee_dir) continue;  // never straight back
    int n = voisins[d][s];
    if (dame)
      while (libre(n)) n = voisins[d][n];
    if (!ennemi(b, n, blancs) || pris(n)) continue;
    Saut saut{d, n, {}};
    for (int l = voisins[d][n]; libre(l); l = dame ? voisins[d][l] : 0) saut.atterrissages.push_back(l);
    if (!saut.atterrissages.empty()) sauts.push_back(saut);
  }
  if (sauts.empty()) {
    if (!deja.empty()) sortie.insert({origine, s, deja});
    return;
  }
  for (const Saut& saut : sauts) {
    deja.push_back(saut.piece);
    // a king must land where the capture goes on, if such a square exists
    std::vector<int> continuent;
    for (int l : saut.atterrissages) {
      std::set<Mouvement> essai;
      suites(b, origine, l, dame, blancs, saut.d, deja, essai);
      bool plus_long = false;
      for (const auto& m : essai) plus_long |= std::get<2>(m).size() > deja.size();
      if (plus_long) continuent.push_back(l);
    }
    for (int l : saut.atterrissages) {
      if (!continuent.empty() && std::find(continuent.begin(), continuent.end(), l) == continuent.end()) continue;
      suites(b, origine, l, dame, blancs, saut.d, deja, sortie);
    }
    deja.pop_back();
  }
}

// Every legal move of `camp` in position b, as a set.
inline std::set<Mouvement> coups(const std::array<std::uint8_t, 33>& b, Camp camp) {
  const bool blancs = camp != NOIRS;
  std::set<Mouvement> prises, calmes;
  for (int s = 1; s <= 32; ++s) {
    if (blancs ? !est_blanc(b[s]) : !est_noir(b[s])) continue;
    const bool dame = est_dame(b[s]);
    std::vector<int> deja;
    suites(b, s, s, dame, blancs, -1, deja, prises);
    for (int d = 0; d < 4; ++d) {
      if (!dame && (blancs ? d > 1 : d < 2)) continue;
      for (int n = voisins[d][s]; n != 0 && b[n] == VIDE; n = dame ? voisins[d][n] : 0) calmes.insert({s, n, {}});
    }
  }
  return prises.empty() ? calmes : prises;
}

// The board after move m, a man reaching its far row crowned.
inline std::array<std::uint8_t, 33> jouer(const std::array<std::uint8_t, 33>& b, const Mouvement& m) {
  std::array<std::uint8_t, 33> r = b;
  const auto& [depart, arrivee, prises] = m;
  Piece p = r[depart];
  r[depart] = VIDE;
  for (int s : prises) r[s] = VIDE;
  if ((p == PION_BLANC && arrivee <= 4) || (p == PION_NOIR && arrivee >= 29)) ++p;
  r[arrivee] = p;
  return r;
}

}  // namespace reference
