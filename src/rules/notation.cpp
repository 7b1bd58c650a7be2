#include "rules/notation.h"

#include <cstdio>

std::string notation_coup(Case depart, Case arrivee, bool prise) {
  std::string s = noms_cases[depart];
  s += prise ? 'x' : '-';
  s += noms_cases[arrivee];
  return s;
}

std::string notation_coup(const Coup& m) { return notation_coup(m.depart, m.arrivee, m.nb_prises != 0); }

LigneListe ligne_liste_coups(int h, int dernier_demi_coup, const DemiCoup& joue, const DemiCoup& precedent) {
  LigneListe l;
  l.vider_avant = dernier_demi_coup <= 1;
  char texte[64];
  auto sep = [](const DemiCoup& c) { return c.prise ? "x" : "-"; };
  if (h % 2 != 0) {
    std::snprintf(texte, sizeof texte, "%2d.%s%s%s ", h / 2 + 1, noms_cases[joue.depart], sep(joue),
                  noms_cases[joue.arrivee]);
    l.index = h / 2;
  } else {
    std::snprintf(texte, sizeof texte, "%2d.%s%s%s %s%s%s", h / 2, noms_cases[precedent.depart], sep(precedent),
                  noms_cases[precedent.arrivee], noms_cases[joue.depart], sep(joue), noms_cases[joue.arrivee]);
    l.index = h / 2 - 1;
  }
  l.texte = texte;
  return l;
}

std::string texte_nb_pieces(int nombre) {
  char texte[16];
  std::snprintf(texte, sizeof texte, " %2d", nombre);
  return texte;
}

int nb_pieces_blanches() {
  int n = 0;
  for (int k = 1; k <= NB_CASES; ++k) n += est_blanc(damier[k]);
  return n;
}

int nb_pieces_noires() {
  int n = 0;
  for (int k = 1; k <= NB_CASES; ++k) n += est_noir(damier[k]);
  return n;
}
