// Random legal games played into the game record, and its plies to compare two records.
#pragma once

#include <cstring>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "game/end.h"
#include "game/game.h"
#include "rules/moves.h"

// Plays up to `longueur` random legal plies from the position on the board
// into a new record; the side left without a move has lost.
inline void partie_aleatoire(std::mt19937& hasard, int longueur) {
  commencer_partie();
  resultat_partie = SANS_RESULTAT;
  for (int h = 0; h < longueur && !partie_pleine(); ++h) {
    const int n = coups_legaux(trait);
    if (n == 0) {
      resultat_partie = trait == BLANCS ? NOIRS_GAGNENT : BLANCS_GAGNENT;
      break;
    }
    jouer_et_enregistrer(static_cast<int>(hasard() % static_cast<unsigned>(n)));
  }
  trait_fin = trait;
}

// Random legal plies from the position on the board into a new record, each
// chosen among those that leave the opponent nothing to take when there are
// such: games that often fill the record (254 plies).
inline void partie_prudente(std::mt19937& hasard) {
  commencer_partie();
  resultat_partie = SANS_RESULTAT;
  while (!partie_pleine()) {
    const int n = coups_legaux(trait);
    if (n == 0) {
      resultat_partie = trait == BLANCS ? NOIRS_GAGNENT : BLANCS_GAGNENT;
      break;
    }
    std::vector<int> surs;
    for (int i = 0; i < n; ++i) {
      std::uint8_t board[33];
      std::memcpy(board, damier, sizeof board);
      const Camp camp = trait;
      const EntreePartie suivante = partie[nb_demi_coups + 1];
      coups_legaux(camp);
      jouer_et_enregistrer(i);
      if (coups_legaux(trait) > 0 && listes_coups[1][0].nb_prises == 0) surs.push_back(i);
      std::memcpy(damier, board, sizeof board);
      trait = camp;
      --nb_demi_coups;
      dernier_demi_coup = nb_demi_coups;
      partie[nb_demi_coups + 1] = suivante;
    }
    coups_legaux(trait);
    jouer_et_enregistrer(surs.empty() ? static_cast<int>(hasard() % static_cast<unsigned>(n))
                                      : surs[hasard() % surs.size()]);
  }
  trait_fin = trait;
}

// What a record says of each ply: its move and the position after it.
using DemiCoupRecord = std::tuple<int, int, int, std::string>;
inline std::vector<DemiCoupRecord> plis_du_record() {
  std::vector<DemiCoupRecord> plis;
  for (int h = 0; h <= dernier_demi_coup; ++h) {
    const EntreePartie& e = partie[h];
    plis.emplace_back(e.depart, e.arrivee, e.nb_prises,
                      std::string(reinterpret_cast<const char*>(e.position + 1), NB_CASES));
  }
  return plis;
}
