#include "rules/moves.h"

#include <cstring>

#include "rules/generation.h"

std::uint8_t coups_legaux(Camp camp) {
  prof_courante = 1;
  preparer_listes();
  recalculer_masques();  // the caller may have written damier directly
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
  masques_apres_coup(m, p, damier[m.arrivee]);
  trait = adversaire(trait);
}

void appliquer_coup(const Coup& m) {
  const Piece p = damier[m.depart];
  damier[m.depart] = VIDE;
  for (int k = 1; k <= m.nb_prises; ++k) {
    --nb_pieces[damier[m.prises[k]]];
    damier[m.prises[k]] = VIDE;
  }
  const Piece c = couronner(p, m.arrivee);
  if (c != p) {
    --nb_pieces[p];
    ++nb_pieces[c];
  }
  damier[m.arrivee] = c;
  damier[0] = HORS_DAMIER;
  masques_apres_coup(m, p, c);
  derniere_arrivee = m.arrivee;
}
