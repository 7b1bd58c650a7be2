#include "game/turn.h"

#include "game/end.h"
#include "game/game.h"
#include "game/marks.h"
#include "knowledge/books.h"
#include "rules/moves.h"
#include "search/root.h"
#include "search/search.h"

ChoixOrdinateur choix_ordinateur(Camp camp, bool neophyte) {
  calcul_annule = 0;
  ChoixOrdinateur c{choisir_coup(camp), false, false, false};
  if (calcul_annule != 0) {
    // The game moved under the search (a take-back): its move is not for
    // this position.
    c.annule = true;
    c.coup = CHOIX_AUCUN;
    return c;
  }
  if (c.coup == CHOIX_UNIQUE) {
    c.force = true;
    c.coup = 0;
  }
  const int siens = camp == BLANCS ? nb_pieces[PION_BLANC] + nb_pieces[DAME_BLANCHE]
                                   : nb_pieces[PION_NOIR] + nb_pieces[DAME_NOIRE];
  const int autres = camp == BLANCS ? nb_pieces[PION_NOIR] + nb_pieces[DAME_NOIRE]
                                    : nb_pieces[PION_BLANC] + nb_pieces[DAME_BLANCHE];
  if (neophyte && c.coup < CHOIX_AUCUN && !c.force && siens > autres && nb_coups[1] > 1) {
    c.zut = c.coup != 1;
    c.coup = 1;
  }
  return c;
}

std::uint8_t jouer_coup_ordinateur(const Coup& coup, int pieces_racine) {
  std::uint8_t avant[33];
  std::copy(std::begin(damier), std::end(damier), std::begin(avant));
  jouer_et_enregistrer(coup);
  marquer_coup_ordinateur(coup, avant);
  sans_anticipation = 0;
  nb_coups_trait = coups_legaux(trait);
  std::copy(std::begin(damier), std::end(damier), std::begin(damier_sauve));
  ordinateur_au_trait = 0;
  pieces_par_demi_coup[nb_demi_coups] = pieces_racine;
  return nb_coups_trait;
}

bool nul_ordinateur_contre_ordinateur(int score) {
  return nul_entre_ordinateurs(pieces_par_demi_coup, nb_demi_coups, score);
}

ResultatRecherche chercher_conseil(Camp camp) {
  const Score score = score_racine;
  const std::int32_t anticipee = reflexion_anticipee, profondeur = profondeur_imposee;
  const std::uint8_t livres = bibliotheque_active;
  // Searched as on the opponent's time: no time budget, no clock touched,
  // and a single legal move is searched like any other.
  reflexion_anticipee = 1;
  profondeur_imposee = PROFONDEUR_CONSEIL;
  bibliotheque_active = 0;
  const ResultatRecherche r = rechercher_coup(camp);
  bibliotheque_active = livres;
  profondeur_imposee = profondeur;
  reflexion_anticipee = anticipee;
  score_racine = score;
  return r;
}
