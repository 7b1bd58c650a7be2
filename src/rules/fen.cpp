#include "rules/fen.h"

#include <cctype>
#include <cstring>

namespace {

constexpr int PIECES_MAX = 12;

std::string_view rogner(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// A decimal number, its digits as written kept in `chiffres` (the value stops
// growing beyond 1000: no square is that far).
bool lire_nombre(std::string_view& s, int& n, std::string_view& chiffres) {
  s = rogner(s);
  std::size_t longueur = 0;
  while (longueur < s.size() && std::isdigit(static_cast<unsigned char>(s[longueur]))) ++longueur;
  if (longueur == 0) return false;
  chiffres = s.substr(0, longueur);
  n = 0;
  for (const char c : chiffres)
    if (n < 1000) n = n * 10 + (c - '0');
  s = rogner(s.substr(longueur));
  return true;
}

// One colour's list: "W21,22,K30" or "B1-12"; `camp` is the side the letter
// names (B = camp 0, W = camp 1).
bool lire_liste(std::string_view liste, Camp camp, Position& pos, bool (&vu)[33], std::string& erreur) {
  const char* nom = camp == BLANCS ? "B" : "W";
  int total = 0;
  while (!(liste = rogner(liste)).empty()) {
    const std::size_t virgule = liste.find(',');
    std::string_view element = liste.substr(0, virgule);
    liste = virgule == std::string_view::npos ? std::string_view{} : liste.substr(virgule + 1);
    element = rogner(element);
    if (element.empty() || (virgule != std::string_view::npos && rogner(liste).empty())) {
      erreur = std::string("empty entry in the list of ") + nom;
      return false;
    }
    bool dame = false;
    if (element.front() == 'K' || element.front() == 'k') {
      dame = true;
      element.remove_prefix(1);
    }
    int premier = 0, dernier = 0;
    std::string_view chiffres_premier, chiffres_dernier;
    if (!lire_nombre(element, premier, chiffres_premier)) {
      erreur = std::string("not a square number in the list of ") + nom + ": \"" + std::string(element) + "\"";
      return false;
    }
    dernier = premier;
    chiffres_dernier = chiffres_premier;
    if (!element.empty() && element.front() == '-') {
      element.remove_prefix(1);
      if (!lire_nombre(element, dernier, chiffres_dernier)) {
        erreur = std::string("bad range in the list of ") + nom;
        return false;
      }
    }
    if (!element.empty()) {
      erreur = std::string("unexpected text in the list of ") + nom + ": \"" + std::string(element) + "\"";
      return false;
    }
    if (premier < 1 || premier > NB_CASES || dernier < 1 || dernier > NB_CASES) {
      erreur = "square " + std::string(premier < 1 || premier > NB_CASES ? chiffres_premier : chiffres_dernier) +
               " is outside 1..32";
      return false;
    }
    if (dernier < premier) {
      erreur = "range " + std::to_string(premier) + "-" + std::to_string(dernier) + " runs backwards";
      return false;
    }
    for (int n = premier; n <= dernier; ++n) {
      if (vu[n]) {
        erreur = "square " + std::to_string(n) + " is given twice";
        return false;
      }
      vu[n] = true;
      const int k = NB_CASES + 1 - n;
      if (!dame && case_couronnement(camp == BLANCS ? PION_BLANC : PION_NOIR, static_cast<Case>(k))) {
        erreur = std::string("a man of ") + nom + " stands on its crowning row (square " + std::to_string(n) + ")";
        return false;
      }
      if (++total > PIECES_MAX) {
        erreur = std::string("more than 12 pieces for ") + nom;
        return false;
      }
      if (camp == BLANCS)
        pos.cases[k] = dame ? DAME_BLANCHE : PION_BLANC;
      else
        pos.cases[k] = dame ? DAME_NOIRE : PION_NOIR;
    }
  }
  return true;
}

}  // namespace

bool lire_fen(std::string_view texte, Position& pos, std::string& erreur) {
  std::memset(&pos, 0, sizeof pos);
  texte = rogner(texte);
  if (!texte.empty() && texte.back() == '.') texte.remove_suffix(1);
  // Three fields: side to move, then the two colour lists in either order.
  std::string_view champs[3];
  int nb = 0;
  bool de_trop = false;  // a colon after the third field, even with nothing behind it
  while (nb < 3) {
    const std::size_t deux_points = texte.find(':');
    champs[nb++] = rogner(texte.substr(0, deux_points));
    if (deux_points == std::string_view::npos) break;
    texte = texte.substr(deux_points + 1);
    de_trop = nb == 3;
  }
  if (nb != 3 || de_trop) {
    erreur = "a position reads side:colour list:colour list, as B:W21-32:B1-12";
    return false;
  }
  if (champs[0] == "B" || champs[0] == "b")
    pos.trait = BLANCS;
  else if (champs[0] == "W" || champs[0] == "w")
    pos.trait = NOIRS;
  else {
    erreur = "the side to move must be B or W, not \"" + std::string(champs[0]) + "\"";
    return false;
  }
  bool vu[33] = {};
  bool couleur_vue[2] = {false, false};
  for (int i = 1; i <= 2; ++i) {
    std::string_view c = champs[i];
    if (c.empty() || (std::toupper(static_cast<unsigned char>(c.front())) != 'B' &&
                      std::toupper(static_cast<unsigned char>(c.front())) != 'W')) {
      erreur = "each piece list must start with B or W";
      return false;
    }
    const Camp camp = std::toupper(static_cast<unsigned char>(c.front())) == 'B' ? BLANCS : NOIRS;
    if (couleur_vue[camp]) {
      erreur = std::string("the list of ") + (camp == BLANCS ? "B" : "W") + " is given twice";
      return false;
    }
    couleur_vue[camp] = true;
    c.remove_prefix(1);
    if (!lire_liste(c, camp, pos, vu, erreur)) return false;
  }
  return true;
}

std::string ecrire_fen(const Position& pos) {
  std::string texte = pos.trait == NOIRS ? "W" : "B";
  for (Camp camp : {NOIRS, BLANCS}) {
    texte += camp == BLANCS ? ":B" : ":W";
    bool premier = true;
    for (int n = 1; n <= NB_CASES; ++n) {
      const Piece p = pos.cases[NB_CASES + 1 - n];
      if (p == VIDE || (camp == BLANCS) != est_blanc(p)) continue;
      if (!premier) texte += ',';
      premier = false;
      if (est_dame(p)) texte += 'K';
      texte += std::to_string(n);
    }
  }
  return texte;
}

Position position_courante() {
  Position pos;
  std::memcpy(pos.cases, damier, sizeof pos.cases);
  pos.cases[0] = 0;
  pos.trait = trait;
  return pos;
}

void placer_position(const Position& pos) {
  std::memcpy(damier, pos.cases, sizeof damier);
  damier[0] = HORS_DAMIER;
  trait = pos.trait;
  recalculer_masques();
}
