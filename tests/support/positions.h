// Small helpers to set up test positions and read the generated moves.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <initializer_list>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "rules/board.h"
#include "rules/fen.h"
#include "rules/generation.h"
#include "rules/moves.h"
#include "rules/notation.h"
#include "search/search.h"
#include "support/reference.h"

// Empty board with the given pieces on internal squares, `camp` to move.
inline void poser(std::initializer_list<std::pair<int, Piece>> pieces, Camp camp = BLANCS) {
  vider_damier();
  for (const auto& [k, p] : pieces) damier[k] = p;
  recalculer_masques();
  trait = camp;
}

inline void poser_fen(const char* fen) {
  Position pos;
  std::string erreur;
  if (!lire_fen(fen, pos, erreur)) throw std::runtime_error(std::string(fen) + ": " + erreur);
  placer_position(pos);
  compter_pieces();
}

// The board turned half a turn with the colours exchanged.
inline void retourner() {
  std::uint8_t t[33];
  std::memcpy(t, damier, 33);
  for (int s = 1; s <= 32; ++s) {
    const Piece p = t[33 - s];
    damier[s] = p == VIDE ? VIDE : est_blanc(p) ? static_cast<Piece>(p + 2) : static_cast<Piece>(p - 2);
  }
  compter_pieces();
}

// Whether nb_pieces counts the pieces on the board.
inline bool comptes_justes() {
  int n[5] = {};
  for (int s = 1; s <= 32; ++s) ++n[damier[s] <= DAME_NOIRE ? damier[s] : 0];
  for (int p = PION_BLANC; p <= DAME_NOIRE; ++p)
    if (nb_pieces[p] != n[p]) return false;
  return true;
}

// The index of the move written `texte` among the first n of list `ply` (n if none).
inline int indice_coup(const std::string& texte, int n, int ply = 1) {
  int k = 0;
  while (k < n && notation_coup(listes_coups[ply][k]) != texte) ++k;
  return k;
}

inline std::array<std::uint8_t, 33> plateau() {
  std::array<std::uint8_t, 33> b;
  std::memcpy(b.data(), damier, 33);
  return b;
}

inline reference::Mouvement en_mouvement(const Coup& m) {
  return {m.depart, m.arrivee, std::vector<int>(m.prises + 1, m.prises + 1 + m.nb_prises)};
}

// The first n moves of list `ply` in the oracle's form.
inline std::set<reference::Mouvement> liste_en_ensemble(int n, int ply = 1) {
  std::set<reference::Mouvement> s;
  for (int i = 0; i < n; ++i) s.insert(en_mouvement(listes_coups[ply][i]));
  return s;
}

// The first n moves of list `ply` as "11-15 15x24", in their order.
inline std::string notations(int n, int ply = 1) {
  std::string t;
  for (int i = 0; i < n; ++i) {
    if (i > 0) t += ' ';
    t += notation_coup(listes_coups[ply][i]);
  }
  return t;
}

// A random game by faire_coup from the board, `camp` to move: `avant(m,
// couronne)` before each move, `apres()` after it; it ends when a side has
// no move, at the last ply or at a fatal failure.
template <class Avant, class Apres>
void partie_par_faire_coup(std::mt19937& alea, Camp camp, Avant avant, Apres apres) {
  for (int ply = 1; ply < MAX_PLY - 1 && !::testing::Test::HasFatalFailure(); ++ply) {
    prof_courante = static_cast<std::int8_t>(ply);
    const int n = lister_coups(camp);
    if (n == 0) return;
    const int i = static_cast<int>(alea() % static_cast<unsigned>(n));
    const Coup& m = listes_coups[ply][i];
    avant(m, case_couronnement(damier[m.depart], m.arrivee));
    faire_coup(i);
    camp = adversaire(camp);
    apres();
  }
}
