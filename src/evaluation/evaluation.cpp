// Root preparation, the from-scratch sums and the evaluation of a position.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "evaluation/evaluation.h"
#include "evaluation/patterns.h"
#include "rules/etat.h"
#include "search/search.h"

// ---- constant tables (entry 0 is not a square) --------------------------------

constexpr std::int8_t rangee_tempo[33] = {0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3,
                                      4, 4, 4, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7};
constexpr std::int8_t zone_case[33] = {0, 1, 1, 2, 2, 1, 1, 2, 2, 1, 1, 2, 2, 1, 1, 2, 2,
                                   3, 3, 4, 4, 3, 3, 4, 4, 3, 3, 4, 4, 0, 0, 0, 0};
constexpr std::int8_t centre_case[33] = {0, 2, 5, 3, 0, 0, 3, 5, 2, 2, 5, 3, 0, 0, 3, 5, 2,
                                     2, 5, 3, 0, 0, 3, 5, 2, 2, 5, 3, 0, 0, 3, 5, 2};
constexpr std::int8_t interieur[33] = {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1,
                                   1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0};
constexpr std::int8_t dames_finale[33] = {0, 0, 0,  0, 10, 0,  1,  1, 10, 0, 2, 10, 0, 0, 2, 10, 0,
                                      0, 10, 2, 0, 0,  10, 2, 0, 10, 5, 1, 0,  10, 0, 0, 0};
constexpr std::int8_t diagonale[33] = {0, 1, 2, 3, 4, 1, 2, 3, 4, 2, 3, 4, 5, 2, 3, 4, 5,
                                   3, 4, 5, 6, 3, 4, 5, 6, 4, 5, 6, 7, 4, 5, 6, 7};

namespace {

// The tables written out above must describe the board of rules/board.h.
constexpr bool tables_coherentes() {
  constexpr int centre_colonne[8] = {0, 2, 3, 5, 5, 3, 2, 0};
  for (int k = 1; k <= 32; ++k) {
    const int r = rangee(static_cast<Case>(k)), c = colonne(static_cast<Case>(k));
    const bool bord = c == 0 || c == 7 || r == 0 || r == 7;
    const int zone = r == 7 ? 0 : (r < 4 ? 1 : 3) + (c < 4 ? 0 : 1);
    if (rangee_tempo[k] != r || centre_case[k] != centre_colonne[c] || interieur[k] != (bord ? 0 : 1) ||
        diagonale[k] != (r + c + 1) / 2 || zone_case[k] != zone)
      return false;
  }
  return true;
}
static_assert(tables_coherentes());

constexpr Case DIAGONALE_LONGUE[8] = {4, 8, 11, 15, 18, 22, 25, 29};

inline int borner(int v, int bas, int haut) { return v < bas ? bas : (v > haut ? haut : v); }

}  // namespace

std::int32_t valeur_dame = 0;
std::int8_t phase_partie = 0;
std::uint8_t variante1 = 0;
std::uint8_t variante2 = 0;
std::int8_t table_cases[33];
std::int8_t table_dames[33];
std::int32_t score_positionnel = 0;
std::int32_t avance_tempo = 0;
std::int8_t zones_camp[5];
std::int8_t centre_camp = 0;
std::int8_t zones_adverse[5];
std::int8_t centre_adverse = 0;
ETAT_MOTEUR(valeur_dame, phase_partie, variante1, variante2, table_cases, table_dames, score_positionnel, avance_tempo,
            zones_camp, centre_camp, zones_adverse, centre_adverse);

namespace {

// Number of the 14 conditions of a variant that hold on the board.
int conditions_variante(const std::int8_t* blancs, const std::int8_t* noirs) {
  int n = 0;
  for (int i = 0; i < 7; ++i) {
    if (blancs[i] >= 1 && blancs[i] <= 32 && damier[blancs[i]] == PION_BLANC) ++n;
    if (noirs[i] >= 1 && noirs[i] <= 32 && damier[noirs[i]] == PION_NOIR) ++n;
  }
  return n;
}

}  // namespace

void preparer_evaluation(Camp cote) {
  const int hommes = nb_pieces[PION_BLANC] + nb_pieces[PION_NOIR];
  int t;
  if (hommes > phase0_bas) {
    phase_partie = 0;
    t = variante1 ? TABLE_DEBUT_V1 : variante2 ? TABLE_DEBUT_V2 : TABLE_DEBUT;
  } else if (hommes > phase1_bas) {
    phase_partie = 1;
    t = variante1 ? TABLE_MILIEU_V1 : variante2 ? TABLE_MILIEU_V2 : TABLE_MILIEU;
  } else if (hommes > phase2_bas) {
    phase_partie = 2;
    t = TABLE_PREFINALE;
  } else {
    phase_partie = 3;
    t = TABLE_FINALE;
  }
  std::memcpy(table_cases, tables_cases[t], sizeof table_cases);
  // The variants are recounted after the copy: they choose the table of the next search.
  if (phase_partie < 2) {
    variante1 = 0;
    variante2 = 0;
    if (conditions_variante(cases_v1_blancs, cases_v1_noirs) > 8)
      variante1 = 1;
    else if (conditions_variante(cases_v2_blancs, cases_v2_noirs) > 8)
      variante2 = 1;
  }
  score_positionnel = calculer_positionnel(cote);
  avance_tempo = calculer_temps_avance(cote);
  calculer_zones(cote);
}

std::int32_t calculer_positionnel(Camp cote) {
  const int pb = nb_pieces[PION_BLANC], db = nb_pieces[DAME_BLANCHE];
  const int pn = nb_pieces[PION_NOIR], dn = nb_pieces[DAME_NOIRE];
  for (int k = 1; k <= 32; ++k) table_dames[k] = 1;
  table_dames[0] = 0;
  table_dames[1] = table_dames[5] = table_dames[28] = table_dames[32] = 0;
  if (pb == 0 && pn == 0 && ((db == 4 && dn == 1) || (db == 1 && dn == 4))) {
    table_dames[1] = table_dames[5] = 40;
    table_dames[10] = table_dames[14] = 10;
  }
  if (pb >= 2 && db >= 2 && pb < 5 && pn < 5 && dn >= 1) std::memcpy(table_dames, dames_finale, sizeof table_dames);

  std::int32_t somme = 0;  // white's view
  for (int k = 1; k <= 32; ++k) {
    switch (damier[k]) {
      case PION_BLANC: somme += table_cases[33 - k]; break;
      case PION_NOIR: somme -= table_cases[k]; break;
      case DAME_BLANCHE: somme += table_dames[k]; break;
      case DAME_NOIRE: somme -= table_dames[k]; break;
      default: break;
    }
  }
  return cote == NOIRS ? -somme : somme;
}

std::int32_t calculer_temps_avance(Camp cote) {
  std::int32_t somme = 0;
  for (int k = 1; k <= 32; ++k) {
    if (damier[k] == PION_BLANC) somme += rangee_tempo[33 - k];
    else if (damier[k] == PION_NOIR) somme -= rangee_tempo[k];
  }
  return cote == NOIRS ? -somme : somme;
}

void calculer_zones(Camp cote) {
  std::memset(zones_camp, 0, sizeof zones_camp);
  std::memset(zones_adverse, 0, sizeof zones_adverse);
  centre_camp = 0;
  centre_adverse = 0;
  for (int k = 1; k <= 32; ++k) {
    const Piece p = damier[k];
    if (p != PION_BLANC && p != PION_NOIR) continue;
    const int j = p == PION_BLANC ? 33 - k : k;
    const bool du_camp = (p == PION_BLANC) == (cote == BLANCS);
    std::int8_t* zones = du_camp ? zones_camp : zones_adverse;
    std::int8_t& centre = du_camp ? centre_camp : centre_adverse;
    if (zone_case[j] != 0) ++zones[zone_case[j]];
    centre = static_cast<std::int8_t>(centre + centre_case[j]);
  }
}

int terme_trois_dames(Camp fort) {
  const Piece dame = fort == BLANCS ? DAME_BLANCHE : DAME_NOIRE;
  const Piece pion = fort == BLANCS ? PION_NOIR : PION_BLANC;
  int f[3] = {0, 0, 0}, n = 0, h = 0;
  bool sur_longue = false;
  for (int k = 1; k <= 32; ++k) {
    if (damier[k] == dame && n < 3) {
      f[n++] = colonne(static_cast<Case>(k)) + 1;
      if (diagonale[k] == 4) sur_longue = true;
    } else if (damier[k] == pion) {
      h = colonne(static_cast<Case>(k)) + 1;
    }
  }
  if (n < 3 || h == 0) return 0;
  int g = (sur_longue && h == f[0]) ? 120 : 0;
  // Kings on the man's file and on the two files beside it hold it back.
  const int sur[3] = {0, 110, 100}, cote_[3] = {40, 35, 30};
  for (int i = 0; i < 3; ++i) {
    if (i > 0 && h == f[i]) g += sur[i];
    if (h == f[i] - 1) g += cote_[i];
    if (h == f[i] + 1) g += cote_[i];
  }
  return g;
}

namespace {

// Two kings of one colour on a pair of the double corners' squares {1, 28} x {5, 32}.
bool dames_dans_les_coins(Piece dame) {
  const bool a = damier[1] == dame || damier[28] == dame;
  const bool b = damier[5] == dame || damier[32] == dame;
  return a && b;
}

// Tempo weight chosen by the variant in force and the number of men.
int poids_tempo(int hommes) {
  if (hommes > phase1_bas) {
    const int base = variante1 ? 4 : variante2 ? 6 : 0;
    return hommes > phase0_bas ? temps_avance[base] : temps_avance[base + 1];
  }
  return hommes > phase2_bas ? temps_avance[2] : temps_avance[3];
}

}  // namespace

Score evaluer_position(Camp cote, Score alpha, Score beta) {
  const int pb = nb_pieces[PION_BLANC], db = nb_pieces[DAME_BLANCHE];
  const int pn = nb_pieces[PION_NOIR], dn = nb_pieces[DAME_NOIRE];
  const int n = pb + db + pn + dn;
  const bool blancs = cote == BLANCS;

  // 1. King value by phase.
  valeur_dame = n > phase0_bas ? 260 : n > phase1_bas ? 290 : n > phase2_bas ? 310 : 330;
  valeur_dame *= 2;
  if (db + dn == 1) valeur_dame += 30;

  // 2-3. Material and the lazy exit.
  auto materiel = static_cast<std::int16_t>((pb - pn) * VALEUR_PION + (db - dn) * valeur_dame);
  if (!blancs) materiel = static_cast<std::int16_t>(-materiel);
  const bool impair = (prof_courante & 1) != 0;
  if (impair && materiel <= alpha - 185) return materiel;
  if (!impair && materiel >= beta + 185) return materiel;

  // 4. Kings on the long diagonal when both sides have kings and few men.
  int positionnel = 0;
  if (db >= 1 && dn >= 1 && pb < 5 && pn < 5) {
    int gain_blanc = 0, gain_noir = 0;
    for (Case s : DIAGONALE_LONGUE) {
      if (damier[s] == DAME_BLANCHE) gain_blanc = 50;
      if (damier[s] == DAME_NOIRE) gain_noir = 50;
    }
    positionnel = blancs ? gain_blanc - gain_noir : gain_noir - gain_blanc;
  }

  // 5-7. Runaway men (added last), the tables and tempo.
  // The pattern terms read the board once; white's gains are positive there.
  const motifs::Plateau plateau = motifs::lire_plateau(impair == blancs);
  const int signe = blancs ? 1 : -1;
  const int echappes = signe * motifs::echappes(plateau);
  positionnel += score_positionnel;
  const int hommes = pb + pn;
  positionnel += avance_tempo * poids_tempo(hommes);

  // 8. Centre and balance of the wings, bounded, outside the ending.
  if (n > phase2_bas) {
    positionnel += (centre_camp - centre_adverse) * 5 +
                   (std::abs(zones_adverse[1] - zones_adverse[2]) - std::abs(zones_camp[1] - zones_camp[2])) * 8;
    positionnel = borner(positionnel, -45, 45);
  }

  // 9. In the opening, quarters left thin against the opponent's strength.
  if (n > phase0_bas) {
    const int d1 = zones_camp[1] - zones_adverse[4], d2 = zones_camp[2] - zones_adverse[3];
    const int d3 = zones_camp[4] - zones_adverse[1], d4 = zones_camp[3] - zones_adverse[2];
    if (d1 < 0) positionnel += 15 * d1;
    if (d2 < 0) positionnel += 15 * d2;
    if (d3 > 0) positionnel += 15 * d3;
    if (d4 > 0) positionnel += 15 * d4;
  }

  // 10. Patterns: a shot outweighs the quieter patterns.
  const int tactique = (db == 0 && dn == 0) ? signe * motifs::tactiques(plateau) : 0;
  if (tactique == 0) {
    if (phase_partie < 3) positionnel += signe * motifs::positionnels(plateau);
    if (echappes >= -8 && echappes <= 8) positionnel += terme_surete_pions(cote);
  }

  // 11. The piece just moved stands en prise.
  if (prof_courante > 2) {
    const Case arrivee = derniere_arrivee;
    for (int d = 0; d < 4; ++d) {
      const Case a = voisins[d][arrivee], b = voisins[3 - d][arrivee];
      if (damier[a] == VIDE && std::abs(damier[arrivee] - damier[b]) == 2) {
        positionnel += impair ? -100 : 100;
        break;
      }
    }
  }

  // 12-15.
  positionnel = borner(positionnel, -170, 170) + echappes;
  if (pb == 1 && pn == 1 && ((db == 2 && dn == 1) || (db == 1 && dn == 2))) positionnel += avance_tempo * 25;
  positionnel += tactique;
  if (phase_partie == 3) {
    if (piece_jouee_racine == PION_NOIR) positionnel += blancs ? -30 : 30;
    else if (piece_jouee_racine == PION_BLANC) positionnel += blancs ? 30 : -30;
  }

  // 16-17. Score and the special king endings.
  std::int32_t score = positionnel + materiel;
  if (pb == 0 && db == 3 && pn == 1 && dn == 1) {
    const int g = terme_trois_dames(BLANCS);
    if (g != 0) {
      if (blancs && score + g < 15000) score += g;
      if (!blancs && score - g > -15000) score -= g;
    }
  } else if (pn == 0 && dn == 3 && pb == 1 && db == 1) {
    const int g = terme_trois_dames(NOIRS);
    if (g != 0) {
      if (blancs && score - g > -15000) score -= g;
      if (!blancs && score + g < 15000) score += g;
    }
  } else if (pb == 0 && pn == 0 && score >= -14999 && score < 15000) {
    if (db == 4 && dn == 2 && dames_dans_les_coins(DAME_NOIRE)) score /= 2;
    else if (db == 2 && dn == 4 && dames_dans_les_coins(DAME_BLANCHE)) score /= 2;
  }

  // 18. Kings and men on both sides: drawish.
  if (score > -SCORE_RECHERCHE && score < SCORE_RECHERCHE && n <= 7 && pb >= 1 && pn >= 1 && db >= 2 && dn >= 2) score /= 4;
  return static_cast<Score>(score);
}

Score evaluer_statique(Camp cote) {
  prof_courante = 2;
  score_positionnel = calculer_positionnel(cote);
  avance_tempo = calculer_temps_avance(cote);
  calculer_zones(cote);
  return evaluer_position(cote, -SCORE_INFINI, SCORE_INFINI);
}
