#include "rules/fen.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>
#include <vector>

#include "rules/texte.h"

namespace {

constexpr int PIECES_MAX = 12;


// A decimal number, its digits as written kept in `chiffres` (the value stops
// growing beyond 1000: no square is that far).
bool lire_nombre(std::string_view& s, int& n, std::string_view& chiffres) {
  s = rogner_espaces(s);
  std::size_t longueur = 0;
  while (longueur < s.size() && std::isdigit(static_cast<unsigned char>(s[longueur]))) ++longueur;
  if (longueur == 0) return false;
  chiffres = s.substr(0, longueur);
  n = 0;
  for (const char c : chiffres)
    if (n < 1000) n = n * 10 + (c - '0');
  s = rogner_espaces(s.substr(longueur));
  return true;
}

// One square of a list as written: a number (its digits kept for
// messages) or, in algebraic notation, a letter and a digit.
bool lire_case(std::string_view& s, const Numerotation& num, Case& k, int& n, std::string_view& chiffres) {
  if (num.algebrique) {
    s = rogner_espaces(s);
    if (s.size() < 2 || !std::isalpha(static_cast<unsigned char>(s[0])) ||
        !std::isdigit(static_cast<unsigned char>(s[1])))
      return false;
    chiffres = s.substr(0, 2);
    k = case_de_nom(num, chiffres);
    n = k;
    s = rogner_espaces(s.substr(2));
    return true;
  }
  if (!lire_nombre(s, n, chiffres)) return false;
  k = case_de_numero(num, n);
  return true;
}

// One colour's list: "W21,22,K30" or "B1-12"; `camp` is the side the letter
// names (with our numbering B = camp 0, W = camp 1).
bool lire_liste(std::string_view liste, Camp camp, const Numerotation& num, Position& pos, bool (&vu)[33],
                std::string& erreur) {
  const std::string nom(1, lettre_camp(num, camp));
  int total = 0;
  while (!(liste = rogner_espaces(liste)).empty()) {
    const std::size_t virgule = liste.find(',');
    std::string_view element = liste.substr(0, virgule);
    liste = virgule == std::string_view::npos ? std::string_view{} : liste.substr(virgule + 1);
    element = rogner_espaces(element);
    if (element.empty() || (virgule != std::string_view::npos && rogner_espaces(liste).empty())) {
      erreur = std::string("empty entry in the list of ") + nom;
      return false;
    }
    bool dame = false;
    if (element.front() == 'K' || element.front() == 'k') {
      dame = true;
      element.remove_prefix(1);
    }
    int premier = 0, dernier = 0;
    Case k_premier = 0, k_dernier = 0;
    std::string_view chiffres_premier, chiffres_dernier;
    if (!lire_case(element, num, k_premier, premier, chiffres_premier)) {
      erreur = std::string("not a square ") + (num.algebrique ? "name" : "number") + " in the list of " + nom + ": \"" +
               std::string(element) + "\"";
      return false;
    }
    dernier = premier;
    k_dernier = k_premier;
    chiffres_dernier = chiffres_premier;
    if (!element.empty() && element.front() == '-' && !num.algebrique) {
      element.remove_prefix(1);
      if (!lire_case(element, num, k_dernier, dernier, chiffres_dernier)) {
        erreur = std::string("bad range in the list of ") + nom;
        return false;
      }
    }
    if (!element.empty()) {
      erreur = std::string("unexpected text in the list of ") + nom + ": \"" + std::string(element) + "\"";
      return false;
    }
    if (k_premier == 0 || k_dernier == 0) {
      const std::string_view faute = k_premier == 0 ? chiffres_premier : chiffres_dernier;
      erreur = "square " + std::string(faute) + (num.algebrique ? " is not a playing square" : " is outside 1..32");
      return false;
    }
    if (dernier < premier) {
      erreur = "range " + std::to_string(premier) + "-" + std::to_string(dernier) + " runs backwards";
      return false;
    }
    for (int n = premier; n <= dernier; ++n) {
      const Case k = num.algebrique ? k_premier : case_de_numero(num, n);
      const std::string ecrit = num.algebrique ? std::string(chiffres_premier) : std::to_string(n);
      if (vu[k]) {
        erreur = "square " + ecrit + " is given twice";
        return false;
      }
      vu[k] = true;
      if (!dame && case_couronnement(camp == BLANCS ? PION_BLANC : PION_NOIR, k)) {
        erreur = std::string("a man of ") + nom + " stands on its crowning row (square " + ecrit + ")";
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
  return lire_fen(texte, NUMEROTATION_POOL, pos, erreur);
}

bool lire_fen(std::string_view texte, const Numerotation& num, Position& pos, std::string& erreur) {
  std::memset(&pos, 0, sizeof pos);
  texte = rogner_espaces(texte);
  if (!texte.empty() && texte.back() == '.') texte.remove_suffix(1);
  // Three fields: side to move, then the two colour lists in either order.
  std::string_view champs[3];
  int nb = 0;
  bool de_trop = false;  // a colon after the third field, even with nothing behind it
  while (nb < 3) {
    const std::size_t deux_points = texte.find(':');
    champs[nb++] = rogner_espaces(texte.substr(0, deux_points));
    if (deux_points == std::string_view::npos) break;
    texte = texte.substr(deux_points + 1);
    de_trop = nb == 3;
  }
  if (nb != 3 || de_trop) {
    erreur = "a position reads side:colour list:colour list, as B:W21-32:B1-12";
    return false;
  }
  const int trait_lu = champs[0].size() == 1 ? camp_de_lettre(num, champs[0][0]) : -1;
  if (trait_lu >= 0) {
    pos.trait = static_cast<Camp>(trait_lu);
  } else {
    erreur = "the side to move must be B or W, not \"" + std::string(champs[0]) + "\"";
    return false;
  }
  bool vu[33] = {};
  bool couleur_vue[2] = {false, false};
  for (int i = 1; i <= 2; ++i) {
    std::string_view c = champs[i];
    const int camp = c.empty() ? -1 : camp_de_lettre(num, c.front());
    if (camp < 0) {
      erreur = "each piece list must start with B or W";
      return false;
    }
    if (couleur_vue[camp]) {
      erreur = std::string("the list of ") + lettre_camp(num, static_cast<Camp>(camp)) + " is given twice";
      return false;
    }
    couleur_vue[camp] = true;
    c.remove_prefix(1);
    if (!lire_liste(c, static_cast<Camp>(camp), num, pos, vu, erreur)) return false;
  }
  return true;
}

bool fen_algebrique(std::string_view fen) {
  const std::size_t premier = fen.find(':');
  if (premier == std::string_view::npos) return false;
  fen.remove_prefix(premier + 1);
  const std::size_t second = fen.find(':');
  const std::string_view listes[2] = {fen.substr(0, second),
                                      second == std::string_view::npos ? std::string_view{} : fen.substr(second + 1)};
  for (std::string_view liste : listes) {
    liste = rogner_espaces(liste);
    if (!liste.empty()) liste.remove_prefix(1);  // the colour letter
    while (!liste.empty()) {
      std::string_view element = rogner_espaces(liste.substr(0, liste.find(',')));
      if (!element.empty() && (element[0] == 'K' || element[0] == 'k')) element.remove_prefix(1);
      if (element.size() >= 2 && std::isalpha(static_cast<unsigned char>(element[0])) &&
          std::isdigit(static_cast<unsigned char>(element[1])))
        return true;
      const std::size_t virgule = liste.find(',');
      liste = virgule == std::string_view::npos ? std::string_view{} : liste.substr(virgule + 1);
    }
  }
  return false;
}

bool lire_fen_toute_notation(std::string_view texte, Position& pos, std::string& erreur) {
  return lire_fen(texte, fen_algebrique(texte) ? NUMEROTATION_ALGEBRIQUE : NUMEROTATION_POOL, pos, erreur);
}

std::string ecrire_fen(const Position& pos) { return ecrire_fen(pos, NUMEROTATION_POOL); }

std::string ecrire_fen(const Position& pos, const Numerotation& num) {
  // The squares in the order of their names: by number, or rank by rank from a1.
  std::vector<std::pair<int, Case>> ordre;
  for (int k = 1; k <= NB_CASES; ++k) {
    const std::string nom = nom_de_case(num, static_cast<Case>(k));
    const int cle = num.algebrique ? (nom[1] - '1') * 8 + (nom[0] - 'a') : std::stoi(nom);
    ordre.emplace_back(cle, static_cast<Case>(k));
  }
  std::sort(ordre.begin(), ordre.end());
  std::string texte(1, lettre_camp(num, pos.trait));
  // The list of W first.
  const Camp premier_liste = static_cast<Camp>(camp_de_lettre(num, 'W'));
  for (const Camp camp : {premier_liste, adversaire(premier_liste)}) {
    texte += ':';
    texte += lettre_camp(num, camp);
    bool premier = true;
    for (const auto& [cle, k] : ordre) {
      const Piece p = pos.cases[k];
      if (p == VIDE || (camp == BLANCS) != est_blanc(p)) continue;
      if (!premier) texte += ',';
      premier = false;
      if (est_dame(p)) texte += 'K';
      texte += nom_de_case(num, k);
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
