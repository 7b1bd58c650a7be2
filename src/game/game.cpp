#include "game/game.h"

#include <cstring>

#include "game/clocks.h"
#include "rules/moves.h"

EntreePartie partie[TAILLE_PARTIE];
std::uint8_t nb_demi_coups = 0;
std::int32_t dernier_demi_coup = 0;

std::uint8_t damier_sauve[33];
std::uint8_t ordinateur_au_trait = 1;
std::uint8_t contre_ordinateur = 1;
std::uint8_t match_classe = 0;
std::uint8_t couleur_ordi = 1;
std::uint8_t installation_en_cours = 0;
std::uint8_t fin_programme = 0;
std::int32_t clic_en_attente = 0, clic_x = 0, clic_y = 0;
std::uint8_t case_depart_marquee = 0, case_arrivee_marquee = 0;

namespace {
void enregistrer(std::uint8_t nb_prises, Case depart, Case arrivee) {
  EntreePartie& e = partie[nb_demi_coups];
  std::memset(&e, 0, sizeof e);
  std::memcpy(e.position, damier, sizeof e.position);
  e.nb_prises = nb_prises;
  e.depart = depart;
  e.arrivee = arrivee;
  e.temps_blancs = temps_blancs;
  e.temps_noirs = temps_noirs;
}
}  // namespace

void commencer_partie() {
  std::memset(partie, 0, sizeof partie);
  nb_demi_coups = 0;
  dernier_demi_coup = 0;
  remettre_horloges();
  enregistrer(0, 0, 0);
}

void jouer_et_enregistrer(int index) {
  const Coup m = listes_coups[1][index];
  jouer_coup(m);
  ++nb_demi_coups;
  dernier_demi_coup = nb_demi_coups;
  enregistrer(m.nb_prises, m.depart, m.arrivee);
}

bool nul_entre_ordinateurs(const std::int32_t* pieces, int demi_coup, int score) {
  return demi_coup > SEUIL_NUL && pieces[demi_coup] == pieces[demi_coup - RECUL_NUL] && score > -SCORE_NUL &&
         score < SCORE_NUL;
}
