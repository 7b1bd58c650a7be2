#include "game/clocks.h"

#include <cstdio>

#include "game/hooks.h"
#include "rules/etat.h"

std::int32_t temps_blancs = 0, temps_noirs = 0;
std::int32_t debut_tour_blancs = 0, debut_tour_noirs = 0;
std::int32_t temps_affiche_blancs = 0, temps_affiche_noirs = 0;
ETAT_MOTEUR(temps_blancs, temps_noirs, debut_tour_blancs, debut_tour_noirs, temps_affiche_blancs, temps_affiche_noirs);

std::int32_t& horloge(Camp camp) { return camp == NOIRS ? temps_noirs : temps_blancs; }
std::int32_t& debut_tour(Camp camp) { return camp == NOIRS ? debut_tour_noirs : debut_tour_blancs; }
std::int32_t& temps_affiche(Camp camp) { return camp == NOIRS ? temps_affiche_noirs : temps_affiche_blancs; }

void remettre_horloges() { temps_blancs = temps_noirs = temps_affiche_blancs = temps_affiche_noirs = 0; }

void demarrer_tours() { debut_tour_blancs = debut_tour_noirs = heure_en_secondes(); }

std::int32_t secondes_depuis(std::int32_t debut) {
  const std::int32_t ecart = heure_en_secondes() - debut;
  return ecart > 0 ? ecart : 0;
}

std::int32_t temps_en_cours(Camp camp) {
  const std::int32_t v = horloge(camp) + secondes_depuis(debut_tour(camp));
  temps_affiche(camp) = v;
  return v;
}

void texte_horloge(std::int32_t secondes, char minutes[12], char secondes_texte[4]) {
  std::snprintf(minutes, 12, "%d", secondes / 60);
  std::snprintf(secondes_texte, 4, "%02d", secondes % 60);
}

int perte_au_temps(Camp camp_ordinateur, std::int32_t points_humain, int demi_coups, std::int32_t limite) {
  const std::int32_t f = points_humain < CLASSEMENT_HANDICAP ? 2 : 1;
  const std::int32_t l = demi_coups < TRANCHE_DEMI_COUPS
                             ? limite + MARGE_TEMPS
                             : (demi_coups / TRANCHE_DEMI_COUPS) * limite * TRANCHE_DEMI_COUPS;
  // Both comparisons are strict; the side to move (the computer) is checked
  // first when it plays camp 1, the human first when the computer plays camp 0.
  const Camp camp_humain = adversaire(camp_ordinateur);
  const bool ordinateur_hors_temps = horloge(camp_ordinateur) > l;
  const bool humain_hors_temps = horloge(camp_humain) / f > l;
  if (camp_ordinateur == NOIRS) {
    if (ordinateur_hors_temps) return CODE_TEMPS_ORDINATEUR;
    if (humain_hors_temps) return CODE_TEMPS_HUMAIN;
  } else {
    if (humain_hors_temps) return CODE_TEMPS_HUMAIN;
    if (ordinateur_hors_temps) return CODE_TEMPS_ORDINATEUR;
  }
  return 0;
}
