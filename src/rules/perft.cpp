#include "rules/perft.h"

#include <type_traits>

#include "rules/generation.h"

namespace {

// Index of an earlier move of the list that reaches the same position, or -1:
// a capture can take the same pieces in another order.
int doublon(const Coup* liste, const std::uint32_t* masques, int i) {
  for (int j = 0; j < i; ++j)
    if (liste[j].depart == liste[i].depart && liste[j].arrivee == liste[i].arrivee && masques[j] == masques[i])
      return j;
  return -1;
}

// The last ply: only counted, its quiet moves not even written out. Quiet
// moves and a lone capture are all unique.
ComptePerft feuilles(Camp camp, int ply) {
  prof_courante = static_cast<std::int8_t>(ply);
  const int n = compter_coups(camp);
  ComptePerft c{static_cast<std::uint64_t>(n), static_cast<std::uint64_t>(n)};
  if (n <= 1 || nb_coups[ply] != n) return c;
  const Coup* liste = listes_coups[ply];
  std::uint32_t masques[MAX_COUPS];
  for (int i = 0; i < n; ++i) masques[i] = masque_prises(liste[i]);
  for (int i = 0; i < n; ++i)
    if (doublon(liste, masques, i) >= 0) --c.uniques;
  return c;
}

ComptePerft compter(Camp camp, int profondeur, int ply);

// The subtree of a move just made, `profondeur` plies deep.
inline ComptePerft compter_sous_arbre(Camp camp, int profondeur, int ply) {
  return profondeur == 1 ? feuilles(camp, ply) : compter(camp, profondeur, ply);
}

// Number of quiet moves of the kings of `camp`.
int calmes_dames(std::uint32_t dames, std::uint32_t vides) {
  int n = 0;
  for (std::uint32_t m = dames; m != 0; m &= m - 1)
    n += nombre_cases(rayons_libres(static_cast<Case>(__builtin_ctz(m) + 1), vides));
  return n;
}

// The quiet moves of `camp`, when it has no capture: each one is made on the
// masks as it is found and its subtree counted. Perft needs neither a list
// nor their order: every quiet move reaches a position of its own.
ComptePerft compter_calmes(Camp camp, int profondeur, int ply) {
  const bool noir = camp == NOIRS;
  std::uint32_t& propres = noir ? masque_noirs : masque_blancs;
  const std::uint32_t avant = propres, dames = masque_dames;
  const std::uint32_t vides = ~(masque_blancs | masque_noirs), pions = avant & ~dames;
  const std::uint32_t couronnement = noir ? 0xF0000000u : 0x0000000Fu;
  ComptePerft total{0, 0};
  const auto jouer = [&](std::uint32_t depart, std::uint32_t arrivee, std::uint32_t dames_apres) {
    propres = avant ^ depart ^ arrivee;
    masque_dames = dames_apres;
    const ComptePerft c = compter_sous_arbre(adversaire(camp), profondeur - 1, ply + 1);
    total.coups += c.coups;
    total.uniques += c.uniques;
  };
  // The men's steps one direction at a time, the direction known to the
  // compiler: a direction read at run time costs a mispredicted jump a step.
  const auto pas_des_pions = [&](auto direction) {
    constexpr int d = decltype(direction)::value;
    for (std::uint32_t m = pas(d, pions) & vides; m != 0; m &= m - 1) {
      const std::uint32_t arrivee = m & (0u - m);
      jouer(pas(3 - d, arrivee), arrivee, dames | (arrivee & couronnement));
    }
  };
  if (noir) {
    pas_des_pions(std::integral_constant<int, BAS_GAUCHE>{});
    pas_des_pions(std::integral_constant<int, BAS_DROITE>{});
  } else {
    pas_des_pions(std::integral_constant<int, HAUT_GAUCHE>{});
    pas_des_pions(std::integral_constant<int, HAUT_DROITE>{});
  }
  for (std::uint32_t m = avant & dames; m != 0; m &= m - 1) {
    const std::uint32_t depart = m & (0u - m);
    const Case s = static_cast<Case>(__builtin_ctz(m) + 1);
    for (int d = 0; d < 4; ++d)
      for (std::uint32_t r = rayon_libre(d, s, vides); r != 0; r &= r - 1) {
        const std::uint32_t arrivee = r & (0u - r);
        jouer(depart, arrivee, dames ^ depart ^ arrivee);
      }
  }
  propres = avant;
  masque_dames = dames;
  return total;
}

ComptePerft compter(Camp camp, int profondeur, int ply) {
  if (profondeur == 1) return feuilles(camp, ply);
  prof_courante = static_cast<std::int8_t>(ply);
  // The quiet moves are made straight from the masks, unless kings have so
  // many that the list's length rule decides which are kept.
  int n = lister_prises_seules(camp);
  if (n == 0) {
    const bool noir = camp == NOIRS;
    const std::uint32_t dames = (noir ? masque_noirs : masque_blancs) & masque_dames;
    if (dames == 0 || calmes_dames(dames, ~(masque_blancs | masque_noirs)) + 24 < MAX_COUPS)
      return compter_calmes(camp, profondeur, ply);
    n = lister_coups(camp);
  }
  const Coup* liste = listes_coups[ply];
  const bool prises = n > 0 && liste[0].nb_prises > 0;
  std::uint32_t masques[MAX_COUPS];
  if (prises)
    for (int i = 0; i < n; ++i) masques[i] = masque_prises(liste[i]);

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
    const ComptePerft c = compter_sous_arbre(adversaire(camp), profondeur - 1, ply + 1);
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
