#include "records/pdn_annotations.h"

#include <algorithm>

namespace {

constexpr std::size_t LARGEUR_LIGNE = 79;  // as the game's writer wraps

bool espace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool resultat(std::string_view mot) {
  return mot == "2-0" || mot == "0-2" || mot == "1-1" || mot == "1-0" || mot == "0-1" || mot == "1/2-1/2" ||
         mot == "0-0" || mot == "*";
}

// "12." or "12...": a move number, its value in `n`.
bool numero(std::string_view mot, int& n) {
  std::size_t k = 0;
  int v = 0;
  while (k < mot.size() && mot[k] >= '0' && mot[k] <= '9') v = std::min(v * 10 + (mot[k++] - '0'), 100000);
  if (k == 0 || k == mot.size() || mot[k] != '.') return false;
  while (k < mot.size() && mot[k] == '.') ++k;
  if (k != mot.size()) return false;
  n = v;
  return true;
}

// The movetext's words; a comment in braces is one word.
std::vector<std::string> mots(std::string_view t) {
  std::vector<std::string> m;
  std::size_t i = 0;
  while (i < t.size()) {
    if (espace(t[i])) {
      ++i;
      continue;
    }
    std::size_t fin = i;
    if (t[i] == '{') {
      fin = t.find('}', i);
      fin = fin == std::string_view::npos ? t.size() : fin + 1;
    } else {
      while (fin < t.size() && !espace(t[fin])) ++fin;
    }
    m.emplace_back(t.substr(i, fin - i));
    i = fin;
  }
  return m;
}

}  // namespace

std::string annoter_partie_pdn(std::string_view pdn, const std::vector<AnnotationPdn>& annotations) {
  // The tags end at the first empty line.
  std::size_t debut = 0;
  for (;;) {
    const std::size_t fin = pdn.find('\n', debut);
    if (fin == std::string_view::npos) {
      debut = 0;  // no tags: all of it is moves
      break;
    }
    std::string_view ligne = pdn.substr(debut, fin - debut);
    if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
    debut = fin + 1;
    if (ligne.find_first_not_of(" \t") == std::string_view::npos) break;
  }
  std::string s(pdn.substr(0, debut));

  // Units that stay on one line: a number with its move, a glyph, a comment.
  std::vector<std::string> unites;
  int numero_coup = 1, coups = 0;
  bool premier_camp = true;  // the next move is the first of its number
  bool apres_commentaire = false;
  std::string en_attente;  // a number waiting for its move
  for (const std::string& mot : mots(pdn.substr(debut))) {
    int n = 0;
    if (numero(mot, n)) {
      numero_coup = n;
      premier_camp = mot.find("...") == std::string::npos;
      en_attente = mot;
      continue;
    }
    if (mot.front() == '{' || mot.front() == '$' || resultat(mot)) {
      if (!en_attente.empty()) unites.push_back(en_attente), en_attente.clear();
      unites.push_back(mot);
      apres_commentaire = mot.front() == '{';
      continue;
    }
    // A move.
    if (en_attente.empty() && apres_commentaire && !premier_camp) en_attente = std::to_string(numero_coup) + "...";
    unites.push_back(en_attente.empty() ? mot : en_attente + " " + mot);
    en_attente.clear();
    apres_commentaire = false;
    ++coups;
    for (const AnnotationPdn& a : annotations) {
      if (a.demi_coup != coups) continue;
      if (a.nag > 0) unites.push_back(std::string(1, '$') += std::to_string(a.nag));
      if (!a.commentaire.empty()) {
        std::string c = "{";
        c += a.commentaire;
        std::replace(c.begin() + 1, c.end(), '{', '(');
        std::replace(c.begin(), c.end(), '}', ')');
        c += '}';
        unites.push_back(std::move(c));
        apres_commentaire = true;
      }
    }
    if (!premier_camp) ++numero_coup;
    premier_camp = !premier_camp;
  }
  if (!en_attente.empty()) unites.push_back(en_attente);

  std::string ligne;
  for (const std::string& u : unites) {
    if (!ligne.empty() && ligne.size() + 1 + u.size() > LARGEUR_LIGNE) {
      s += ligne + "\r\n";
      ligne.clear();
    }
    ligne += (ligne.empty() ? "" : " ") + u;
  }
  s += ligne + "\r\n\r\n";
  return s;
}
