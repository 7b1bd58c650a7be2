#include "game/installation.h"

#include <cstring>

#include "game/end.h"
#include "game/game.h"
#include "game/input.h"
#include "rules/etat.h"

std::uint8_t damier_a_l_entree[33] = {};
Camp trait_a_l_entree = BLANCS;
ETAT_MOTEUR(damier_a_l_entree, trait_a_l_entree);

void commencer_installation() {
  std::memcpy(damier_a_l_entree, damier_sauve, sizeof damier_a_l_entree);
  trait_a_l_entree = trait;
  // The computer plays the side to move if it is to move, else the other:
  // the panel's colour and "who moves" then agree with the game, whatever
  // the record was (a finished game opened, a take-back).
  couleur_ordi = static_cast<std::uint8_t>(ordinateur_au_trait != 0 ? trait : 1 - trait);
  installation_en_cours = 1;
  abandonner_saisie();
}

bool terminer_installation() {
  installation_en_cours = 0;
  reprendre_position();
  sans_anticipation = 1;
  if (std::memcmp(damier_a_l_entree + 1, damier_sauve + 1, NB_CASES) == 0 && trait == trait_a_l_entree) return false;
  // A new game from the position set up: its record and its clocks begin.
  commencer_partie();
  resultat_partie = SANS_RESULTAT;
  case_depart_marquee = case_arrivee_marquee = 0;
  return true;
}

void poser_piece_installation(Case s, Piece p) {
  if (s < 1 || s > NB_CASES) return;
  damier[s] = damier_sauve[s] = p;
  recalculer_masques();
}

void poser_position_installation(const Position& p) {
  for (int s = 1; s <= NB_CASES; ++s) damier[s] = damier_sauve[s] = p.cases[s];
  recalculer_masques();
  trait = p.trait;
  couleur_ordi = static_cast<std::uint8_t>(adversaire(p.trait));
  ordinateur_au_trait = 0;
}

void vider_installation() {
  for (int s = 1; s <= NB_CASES; ++s) damier[s] = damier_sauve[s] = VIDE;
  recalculer_masques();
}

void changer_couleur_ordinateur() {
  couleur_ordi = static_cast<std::uint8_t>(1 - couleur_ordi);
  trait = static_cast<Camp>(1 - couleur_ordi);
  ordinateur_au_trait = 0;  // the human's side moves
}

void changer_trait_installation() {
  ordinateur_au_trait = static_cast<std::uint8_t>(1 - ordinateur_au_trait);
  trait = adversaire(trait);
}
