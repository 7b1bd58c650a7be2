// The game file of an exercise: the record the game reached, the start index
// in entry 0, the solution after it.
#include <cstring>

#include "game/game.h"
#include "game/levels.h"
#include "generateur.h"
#include "records/game_file.h"
#include "rules/moves.h"

namespace {

constexpr const char* NOM_JOUEURS = "Corvane";

// The settings the file carries: the program's defaults, French.
constexpr ReglagesPartie REGLAGES{MINUTES_SANS_REGLAGES, 100, 0, NIVEAU_SANS_REGLAGES, BUDGET_SANS_REGLAGES,
                                  LIMITE_SANS_REGLAGES};

}  // namespace

Position position_exercice(const ExerciceGenere& e) {
  placer_position(e.depart);
  for (const Coup& m : e.avant) jouer_coup(m);
  return position_courante();
}

std::vector<std::uint8_t> fichier_exercice(const ExerciceGenere& e) {
  placer_position(e.depart);
  nommer_joueur(nom_joueur_blanc, NOM_JOUEURS);
  nommer_joueur(nom_joueur_noir, NOM_JOUEURS);
  // The computer plays the side that answers the player.
  couleur_ordi = e.camp == BLANCS ? 1 : 0;
  commencer_partie();
  for (const Coup& m : e.avant) jouer_et_enregistrer(m);
  const int debut = nb_demi_coups;
  for (const Coup& m : e.finale ? e.finale->solution : e.coup->solution) jouer_et_enregistrer(m);
  ContenuPartie c = partie_courante(0);
  // The start index takes the place of the last ply: the file opens at the
  // exercise, its solution kept after it.
  c.partie[0].position[0] = static_cast<std::uint8_t>(debut);
  c.nb_demi_coups = static_cast<std::uint8_t>(debut);
  c.trait = e.camp;
  c.reglages = REGLAGES;
  return encoder_partie(c);
}
