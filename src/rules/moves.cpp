#include "rules/moves.h"

#include <cstring>

#include "evaluation/evaluation.h"
#include "rules/generation.h"
#include "search/keys.h"
#include "search/search.h"

std::uint8_t coups_legaux(Camp camp) {
  prof_courante = 1;
  preparer_listes();
  return lister_coups(camp);
}

std::uint8_t coups_piece(Case s, Camp camp) {
  prof_courante = 1;
  preparer_listes();
  const Piece c = damier[s];
  if (c < PION_BLANC || c > DAME_NOIRE) return 0;
  chercher_prises_avec_escales(s);
  int n = nb_coups[1];
  if (n > 0) return static_cast<std::uint8_t>(n);

  Coup* liste = listes_coups[1];
  auto calme = [&](Case arrivee) {
    if (n >= MAX_COUPS) return;
    liste[n] = Coup{s, arrivee, 0, {}, 0};
    escales[n + 1][1] = arrivee;
    ++n;
  };
  if (est_dame(c)) {
    for (int d = 0; d < 4; ++d)
      for (Case a = voisins[d][s]; damier[a] == VIDE; a = voisins[d][a]) calme(a);
  } else {
    const int d0 = camp == NOIRS ? BAS_GAUCHE : HAUT_GAUCHE;
    for (int d = d0; d <= d0 + 1; ++d)
      if (damier[voisins[d][s]] == VIDE) calme(voisins[d][s]);
  }
  nb_coups[1] = static_cast<std::uint8_t>(n);
  return static_cast<std::uint8_t>(n);
}

std::uint8_t decomposer_prise(Case origine, Case destination, const std::uint8_t* prises, int nb) {
  prof_courante = 1;
  preparer_listes();
  const Piece c = damier[origine];
  if (c < PION_BLANC || c > DAME_NOIRE) return PRISE_INTROUVABLE;
  const bool noir = c >= PION_NOIR;
  for (int s = 1; s <= NB_CASES; ++s) {
    const Piece p = damier[s];
    if (p >= PION_BLANC && p <= DAME_NOIRE && (p >= PION_NOIR) == noir) chercher_prises_avec_escales(static_cast<Case>(s));
  }
  const Coup* liste = listes_coups[1];
  for (int i = 0; i < nb_coups[1]; ++i) {
    const Coup& m = liste[i];
    if (m.nb_prises != nb || nb == 0 || escales[i + 1][nb] != destination) continue;
    bool egal = true;
    for (int k = 1; k <= nb && egal; ++k) egal = m.prises[k] == prises[k - 1];
    if (!egal) continue;
    std::memcpy(escales[1] + 1, escales[i + 1] + 1, nb);
    return static_cast<std::uint8_t>(i);
  }
  return PRISE_INTROUVABLE;
}

void jouer_coup(const Coup& m) {
  const Piece p = damier[m.depart];
  damier[m.depart] = VIDE;
  for (int k = 1; k <= m.nb_prises; ++k) damier[m.prises[k]] = VIDE;
  damier[m.arrivee] = couronner(p, m.arrivee);
  trait = adversaire(trait);
}

void faire_coup(int index) {
  const Coup& m = listes_coups[prof_courante][index];
  Piece p = damier[m.depart];
  const bool racine_blanche = camp_racine != NOIRS;

  cle_index ^= cles_index[p * 32 + m.depart];
  cle_verif ^= cles_verif[p * 32 + m.depart];
  evaluation_deplacement(p, m.depart, m.arrivee, est_blanc(p) == racine_blanche);
  damier[m.depart] = VIDE;

  for (int k = 1; k <= m.nb_prises; ++k) {
    const Case s = m.prises[k];
    const Piece q = damier[s];
    cle_index ^= cles_index[q * 32 + s];
    cle_verif ^= cles_verif[q * 32 + s];
    evaluation_prise(q, s, est_blanc(q) == racine_blanche);
    const int valeur = est_dame(q) ? 3 : 1;
    bilan_materiel += (est_blanc(q) != racine_blanche) ? valeur : -valeur;
    --nb_pieces[q];
    damier[s] = VIDE;
  }

  damier[m.arrivee] = p;
  if (damier[0] != HORS_DAMIER) damier[0] = HORS_DAMIER;

  const Piece couronne = couronner(p, m.arrivee);
  if (couronne != p) {
    const bool blanc = p == PION_BLANC;
    const bool premiere_dame = nb_pieces[couronne] == 0;
    --nb_pieces[p];
    evaluation_promotion(p, m.arrivee, blanc == racine_blanche);
    bilan_materiel += (blanc == racine_blanche) ? 2 : -2;
    p = couronne;
    damier[m.arrivee] = p;
    ++nb_pieces[p];
    // A first king near the horizon in a balanced ending: look two plies further.
    const bool equilibre = blanc ? (bilan_materiel >= 0 && bilan_materiel <= 4)
                                 : (bilan_materiel >= -4 && bilan_materiel <= 0);
    if (premiere_dame && equilibre &&
        prof_courante - prises_forcees[prof_courante] - ajustement_prof > prof_max - 2)
      extension_promotion = 2;
  }

  cle_index ^= cles_index[p * 32 + m.arrivee];
  cle_verif ^= cles_verif[p * 32 + m.arrivee];
  derniere_arrivee = m.arrivee;
}
