#include "tools/diagrams/liste.h"

#include <fstream>
#include <set>
#include <sstream>

namespace {

std::vector<std::string> decouper(const std::string& texte, char separateur) {
  std::vector<std::string> parties;
  std::string partie;
  std::istringstream flux(texte);
  while (std::getline(flux, partie, separateur)) parties.push_back(partie);
  return parties;
}

// A square as the board shows it, "08" or "8", into its internal number.
bool lire_case(const std::string& texte, Case& c) {
  if (texte.empty() || texte.size() > 2 || texte.find_first_not_of("0123456789") != std::string::npos) return false;
  const int n = std::stoi(texte);
  if (n < 1 || n > NB_CASES) return false;
  c = static_cast<Case>(NB_CASES + 1 - n);
  return true;
}

bool lire_cases(const std::string& texte, std::vector<Case>& cases) {
  for (const std::string& t : decouper(texte, ',')) {
    Case c = 0;
    if (!lire_case(t, c)) return false;
    cases.push_back(c);
  }
  return !cases.empty();
}

// "10-15" (a move) or "22x31x24" (a capture through its landing squares).
bool lire_fleche(const std::string& texte, bool seconde, Fleche& f) {
  f.seconde = seconde;
  f.prise = texte.find('x') != std::string::npos;
  if (f.prise && texte.find('-') != std::string::npos) return false;
  const std::vector<std::string> parties = decouper(texte, f.prise ? 'x' : '-');
  if (parties.size() < 2 || (!f.prise && parties.size() != 2)) return false;
  for (const std::string& t : parties) {
    Case c = 0;
    if (!lire_case(t, c)) return false;
    f.cases.push_back(c);
  }
  return true;
}

bool lire_noms(const std::string& texte, bool grands, Diagramme& d) {
  d.grands_noms = grands;
  if (texte == "tous" || texte == "lettres") {
    d.lettres = texte == "lettres";
    for (int k = 1; k <= NB_CASES; ++k) d.noms[k] = true;
    return true;
  }
  std::vector<Case> cases;
  if (!lire_cases(texte, cases)) return false;
  for (Case c : cases) d.noms[c] = true;
  return true;
}

// One "key=value" of a line; false with `erreur` set on a fault.
bool lire_option(const std::string& option, Diagramme& d, std::string& erreur) {
  const std::size_t egal = option.find('=');
  const std::string cle = option.substr(0, egal);
  const std::string valeur = egal == std::string::npos ? "" : option.substr(egal + 1);
  if (valeur.empty()) {
    erreur = "\"" + cle + "\" needs a value";
    return false;
  }
  bool bon = true;
  if (cle == "fleches" || cle == "fleches2") {
    for (const std::string& t : decouper(valeur, ',')) {
      Fleche f;
      bon = bon && lire_fleche(t, cle == "fleches2", f);
      d.fleches.push_back(f);
    }
  } else if (cle == "cercles") {
    bon = lire_cases(valeur, d.cercles);
  } else if (cle == "croix") {
    bon = lire_cases(valeur, d.croix);
  } else if (cle == "noms" || cle == "grands-noms") {
    bon = lire_noms(valeur, cle == "grands-noms", d);
  } else if (cle == "coups") {
    d.coups.emplace();
    if (valeur != "aucun") *d.coups = decouper(valeur, ',');
  } else {
    erreur = "unknown option \"" + cle + "\"";
    return false;
  }
  if (!bon) erreur = "bad value for \"" + cle + "\": \"" + valeur + "\"";
  return bon;
}

}  // namespace

bool lire_diagrammes(const std::string& chemin, std::vector<Diagramme>& liste, std::string& erreur) {
  std::ifstream fichier(chemin);
  if (!fichier) {
    erreur = chemin + ": cannot be read";
    return false;
  }
  std::set<std::string> vus;
  std::string texte;
  int numero = 0;
  while (std::getline(fichier, texte)) {
    ++numero;
    const std::string lieu = chemin + ":" + std::to_string(numero) + ": ";
    std::istringstream flux(texte);
    std::vector<std::string> mots;
    for (std::string mot; flux >> mot;) mots.push_back(mot);
    if (mots.empty() || mots[0][0] == '#') continue;
    Diagramme d;
    d.fichier = mots[0];
    if (d.fichier.size() < 5 || d.fichier.substr(d.fichier.size() - 4) != ".png" ||
        d.fichier.find_first_of("/\\") != std::string::npos || !vus.insert(d.fichier).second) {
      erreur = lieu + "\"" + d.fichier + "\" is not a new file name ending in .png";
      return false;
    }
    if (mots.size() < 2 || !lire_fen(mots[1], d.position, erreur)) {
      erreur = lieu + (mots.size() < 2 ? std::string("the position is missing") : erreur);
      return false;
    }
    for (std::size_t i = 2; i < mots.size(); ++i) {
      if (!lire_option(mots[i], d, erreur)) {
        erreur = lieu + erreur;
        return false;
      }
    }
    liste.push_back(std::move(d));
  }
  return true;
}
