#include "rules/perft.h"

#include "rules/generation.h"

namespace {

std::uint32_t masque_prises(const Coup& m) {
  std::uint32_t masque = 0;
  for (int k = 1; k <= m.nb_prises; ++k) masque |= 1u << (m.prises[k] - 1);
  return masque;
}

// Index of an earlier move of the list that reaches the same position, or -1:
// a capture can take the same pieces in another order.
int doublon(const Coup* liste, const std::uint32_t* masques, int i) {
  for (int j = 0; j < i; ++j)
    if (liste[j].depart == liste[i].depart && liste[j].arrivee == liste[i].arrivee && masques[j] == masques[i])
      return j;
  return -1;
}

ComptePerft compter(Camp camp, int profondeur, int ply) {
  prof_courante = static_cast<std::int8_t>(ply);
  // The last ply only counts: its quiet moves are not written out.
  const int n = profondeur == 1 ? compter_coups(camp) : lister_coups(camp);
  const Coup* liste = listes_coups[ply];
  // A count without a list has no captures.
  const bool prises = n > 0 && nb_coups[ply] == n && liste[0].nb_prises > 0;
  std::uint32_t masques[MAX_COUPS];
  if (prises)
    for (int i = 0; i < n; ++i) masques[i] = masque_prises(liste[i]);

  if (profondeur == 1) {
    ComptePerft c{static_cast<std::uint64_t>(n), static_cast<std::uint64_t>(n)};
    if (prises)
      for (int i = 0; i < n; ++i)
        if (doublon(liste, masques, i) >= 0) --c.uniques;
    return c;
  }

  // The generator reads the masks only: the moves are made on them alone.
  ComptePerft total{0, 0};
  std::uint64_t sous_arbre[MAX_COUPS];
  const std::uint32_t blancs = masque_blancs, noirs = masque_noirs, dames = masque_dames;
  const Piece pion = camp == NOIRS ? PION_NOIR : PION_BLANC;
  for (int i = 0; i < n; ++i) {
    const int j = prises ? doublon(liste, masques, i) : -1;
    if (j >= 0) {  // same position as move j: same subtree, counted once as unique
      sous_arbre[i] = sous_arbre[j];
      total.coups += sous_arbre[i];
      continue;
    }
    const Coup& m = liste[i];
    const Piece p = static_cast<Piece>(pion + ((dames & bit_case(m.depart)) != 0));
    masques_apres_coup(m, p, couronner(p, m.arrivee));
    const ComptePerft c = compter(adversaire(camp), profondeur - 1, ply + 1);
    masque_blancs = blancs;
    masque_noirs = noirs;
    masque_dames = dames;
    sous_arbre[i] = c.coups;
    total.coups += c.coups;
    total.uniques += c.uniques;
  }
  return total;
}

}  // namespace

ComptePerft perft(Camp camp, int profondeur) {
  preparer_listes();
  damier[0] = HORS_DAMIER;
  recalculer_masques();
  return profondeur < 1 ? ComptePerft{1, 1} : compter(camp, profondeur, 1);
}
