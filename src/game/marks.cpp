#include "game/marks.h"

#include <cstring>

#include "game/game.h"
#include "rules/etat.h"
#include "rules/generation.h"
#include "rules/moves.h"

std::uint8_t nb_prises_marquees = 0;
PiecePrise prises_marquees[MAX_PRISES] = {};
std::uint32_t cases_devant_prendre = 0;
std::uint8_t conseil_montre = 0;
Coup coup_conseille{};
Case escales_conseil[MAX_PRISES] = {};
ETAT_MOTEUR(nb_prises_marquees, prises_marquees, cases_devant_prendre, conseil_montre, coup_conseille,
            escales_conseil);

void marquer_coup_ordinateur(const Coup& m, const std::uint8_t* avant) {
  case_depart_marquee = m.depart;
  case_arrivee_marquee = m.arrivee;
  nb_prises_marquees = 0;
  for (int k = 1; k <= m.nb_prises && k < MAX_PRISES; ++k)
    prises_marquees[nb_prises_marquees++] = {m.prises[k], static_cast<Piece>(avant[m.prises[k]])};
}

void effacer_marques_coup() {
  case_depart_marquee = case_arrivee_marquee = 0;
  nb_prises_marquees = 0;
  conseil_montre = 0;
}

std::uint32_t pieces_devant_prendre(const std::uint8_t* position, Camp camp) {
  std::uint8_t garde[33];
  std::memcpy(garde, damier, sizeof garde);
  std::memcpy(damier + 1, position + 1, NB_CASES);
  damier[0] = HORS_DAMIER;
  std::uint32_t cases = 0;
  const int n = coups_legaux(camp);
  // The list holds captures only when there is one to make.
  for (int i = 0; i < n && listes_coups[1][0].nb_prises > 0; ++i) cases |= 1u << (listes_coups[1][i].depart - 1);
  std::memcpy(damier, garde, sizeof garde);
  recalculer_masques();
  return cases;
}

void montrer_conseil(const Coup& m) {
  coup_conseille = m;
  std::memset(escales_conseil, 0, sizeof escales_conseil);
  escales_conseil[1] = m.arrivee;
  // A capture of several pieces is shown by its landing squares: two
  // captures may share an origin and a destination.
  if (m.nb_prises > 1 && decomposer_prise(m.depart, m.arrivee, m.prises + 1, m.nb_prises) != PRISE_INTROUVABLE)
    for (int j = 1; j <= m.nb_prises && j < MAX_PRISES; ++j) escales_conseil[j] = escales[1][j];
  conseil_montre = 1;
}
