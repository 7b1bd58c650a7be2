#include "rules/notation.h"

#include <cctype>
#include <cstdio>

namespace {

// The square at file x (from camp 0's left) and rank y (from camp 0's side).
Case case_xy(int x, int y) {
  if (x < 0 || x > 7 || y < 0 || y > 7 || (x + y) % 2 != 0) return 0;
  const int r = 7 - y;
  return static_cast<Case>(r * 4 + x / 2 + 1);
}

// A point counted from the corner of square 1 (x to the side, y up or
// down), as our board's coordinates; 0 when not a playing square there.
Case case_du_coin(const Numerotation& n, int xc, int yc) {
  int x = n.coin == 1 || n.coin == 3 ? 7 - xc : xc;
  const int y = n.coin >= 2 ? 7 - yc : yc;
  // A board whose bottom-left corner is not a playing square is ours in a mirror.
  if (n.miroir) x = 7 - x;
  return case_xy(x, y);
}

}  // namespace

Case case_de_nom(const Numerotation& n, std::string_view nom) {
  if (n.algebrique) {
    if (nom.size() != 2) return 0;
    const int lettre = std::tolower(static_cast<unsigned char>(nom[0])) - 'a';
    const int chiffre = nom[1] - '1';
    if (lettre < 0 || lettre > 7 || chiffre < 0 || chiffre > 7) return 0;
    return case_du_coin(n, lettre, chiffre);
  }
  if (nom.empty() || nom.size() > 2) return 0;
  int v = 0;
  for (const char c : nom) {
    if (c < '0' || c > '9') return 0;
    v = v * 10 + (c - '0');
  }
  return case_de_numero(n, v);
}

Case case_de_numero(const Numerotation& n, int v) {
  if (v < 1 || v > NB_CASES) return 0;
  if (!n.algebrique && n.coin == 1 && !n.miroir) return static_cast<Case>(NB_CASES + 1 - v);  // our own
  // Four playing squares a row, counted from the corner of square 1.
  const int yc = (v - 1) / 4;
  int reste = (v - 1) % 4;
  for (int xc = 0; xc < 8; ++xc) {
    const Case k = case_du_coin(n, xc, yc);
    if (k != 0 && reste-- == 0) return k;
  }
  return 0;
}

std::string nom_de_case(const Numerotation& n, Case k) {
  if (k < 1 || k > NB_CASES) return "?";
  if (n.algebrique) {
    for (int l = 0; l < 8; ++l)
      for (int c = 0; c < 8; ++c)
        if (case_du_coin(n, l, c) == k) return std::string{static_cast<char>('a' + l), static_cast<char>('1' + c)};
  } else if (n.coin == 1 && !n.miroir) {
    return std::to_string(NB_CASES + 1 - k);
  } else {
    for (int v = 1; v <= NB_CASES; ++v)
      if (case_de_numero(n, v) == k) return std::to_string(v);
  }
  return "?";
}

char lettre_camp(const Numerotation& n, Camp camp) {
  const char second = n.premier == 'W' ? 'B' : 'W';
  return camp == BLANCS ? n.premier : second;
}

int camp_de_lettre(const Numerotation& n, char lettre) {
  lettre = static_cast<char>(std::toupper(static_cast<unsigned char>(lettre)));
  if (lettre != 'W' && lettre != 'B') return -1;
  return lettre == n.premier ? BLANCS : NOIRS;
}

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
