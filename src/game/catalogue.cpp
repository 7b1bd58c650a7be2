#include "game/catalogue.h"

#include <array>
#include <map>

// The six tables, in the order of the languages (made by the build).
extern const std::string_view TABLES_LANGUES[NB_LANGUES_CATALOGUE];

namespace {

// Catalogue keys start so, which no component name does.
constexpr std::string_view PREFIXE = "msg.";

std::string_view sans_blancs(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

using Catalogue = std::map<std::string, std::string, std::less<>>;

Catalogue lire_catalogue(std::string_view table) {
  Catalogue c;
  while (!table.empty()) {
    const std::size_t fin = table.find('\n');
    const std::string_view ligne = sans_blancs(table.substr(0, fin));
    table.remove_prefix(fin == std::string_view::npos ? table.size() : fin + 1);
    if (ligne.substr(0, PREFIXE.size()) != PREFIXE) continue;
    const std::size_t barre = ligne.find('|');
    if (barre == std::string_view::npos) continue;
    c.emplace(std::string(ligne.substr(0, barre)), std::string(ligne.substr(barre + 1)));
  }
  return c;
}

const Catalogue& catalogue(int langue) {
  static const std::array<Catalogue, NB_LANGUES_CATALOGUE> tables = [] {
    std::array<Catalogue, NB_LANGUES_CATALOGUE> t;
    for (int l = 0; l < NB_LANGUES_CATALOGUE; ++l) t[static_cast<std::size_t>(l)] = lire_catalogue(TABLES_LANGUES[l]);
    return t;
  }();
  return tables[static_cast<std::size_t>(langue)];
}

}  // namespace

std::string texte_langue(int langue, std::string_view cle) {
  if (langue < 0 || langue >= NB_LANGUES_CATALOGUE) langue = 0;
  for (const int l : {langue, 0}) {
    const Catalogue& c = catalogue(l);
    if (const auto t = c.find(cle); t != c.end() && !t->second.empty()) return t->second;
  }
  return std::string(cle);
}

std::string remplir_texte(std::string_view texte, const std::vector<std::string>& valeurs) {
  std::string s;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const char c = texte[i];
    if (c == '%' && i + 1 < texte.size() && texte[i + 1] >= '1' && texte[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(texte[i + 1] - '1');
      if (n < valeurs.size()) {
        s += valeurs[n];
        ++i;
        continue;
      }
    }
    s += c;
  }
  return s;
}

std::string nombre_aligne(int valeur, int largeur) {
  std::string s = std::to_string(valeur);
  if (static_cast<int>(s.size()) < largeur) s.insert(0, static_cast<std::size_t>(largeur) - s.size(), ' ');
  return s;
}
