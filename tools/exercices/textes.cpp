// The commentary files: the texts of data/exercices/textes.txt put together
// for each exercise, one section per language.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "generateur.h"
#include "knowledge/endgame.h"
#include "knowledge/exercices.h"
#include "rules/notation.h"

namespace {

// %1, %2 ... of `modele` replaced by `valeurs`.
std::string remplir(const std::string& modele, const std::vector<std::string>& valeurs) {
  std::string t;
  for (std::size_t i = 0; i < modele.size(); ++i) {
    if (modele[i] == '%' && i + 1 < modele.size() && modele[i + 1] >= '1' && modele[i + 1] <= '9') {
      const std::size_t k = static_cast<std::size_t>(modele[i + 1] - '1');
      if (k < valeurs.size()) t += valeurs[k];
      ++i;
    } else {
      t += modele[i];
    }
  }
  return t;
}

// Moves as the move list numbers them: "12. 18-14 09x18 13. 22x06", the
// first ply of `coups` being ply `premier` of the record ("12... 09x18" when
// it is the second of its line).
std::string texte_coups(const std::vector<Coup>& coups, int premier) {
  std::string t;
  for (std::size_t i = 0; i < coups.size(); ++i) {
    const int ply = premier + static_cast<int>(i);
    if (!t.empty()) t += ' ';
    if (ply % 2 == 1) t += std::to_string((ply + 1) / 2) + ". ";
    else if (i == 0) t += std::to_string(ply / 2) + "... ";
    t += notation_coup(coups[i]);
  }
  return t;
}

std::string tache(const ExerciceGenere& e, const std::map<std::string, std::string>& t) {
  const std::string camp = t.at(e.camp == BLANCS ? "camp.0" : "camp.1");
  if (e.finale) return remplir(t.at("tache.gagne"), {camp});
  const PreuveCoup& p = *e.coup;
  const int pions = p.dame ? p.gain - 2 : p.gain;
  const std::string n = std::to_string(pions);
  if (p.dame)
    return remplir(t.at(pions == 0 ? "tache.dame" : pions == 1 ? "tache.pion_dame" : "tache.pions_dame"), {camp, n});
  return remplir(t.at(pions == 1 ? "tache.pion" : "tache.pions"), {camp, n});
}

std::string section(const ExerciceGenere& e, const std::map<std::string, std::string>& t) {
  const std::string camp = t.at(e.camp == BLANCS ? "camp.0" : "camp.1");
  const int debut = static_cast<int>(e.avant.size());
  std::string s = tache(e, t) + "\n";
  std::vector<std::string> indices;
  if (e.groupe == Groupe::Pieges) {
    const std::vector<Coup> livre(e.avant.begin(), e.avant.begin() + e.lignes_livre);
    const std::string fautif = t.at(e.camp == BLANCS ? "camp.1" : "camp.0");
    s += remplir(t.at("piege"), {texte_coups(livre, 1), fautif, notation_coup(e.avant.back())}) + "\n";
  }
  if (e.finale) {
    const PreuveFinale& f = *e.finale;
    s += t.at(std::string("classe.") + CLASSES_BASES[f.classe].nom) + "\n";
    indices.push_back(remplir(t.at("choix"), {camp, std::to_string(f.nb_coups)}));
    indices.push_back(remplir(t.at("autres"), {std::to_string(f.nulles), std::to_string(f.pertes)}));
    if (f.grande_diagonale) indices.push_back(t.at("diagonale"));
    if (f.donnes > 0) indices.push_back(t.at("donne"));
  } else {
    const PreuveCoup& p = *e.coup;
    indices.push_back(remplir(t.at("choix.coup"), {camp, std::to_string(p.nb_coups)}));
    if (p.donnes == 1) indices.push_back(t.at("sacrifice.1"));
    if (p.donnes > 1) indices.push_back(remplir(t.at("sacrifice.n"), {std::to_string(p.donnes)}));
    if (p.rafle > 1) indices.push_back(remplir(t.at("rafle"), {std::to_string(p.rafle)}));
    indices.push_back(remplir(t.at("vu"), {std::to_string(p.vu_a)}));
  }
  s += t.at("chercher") + "\n";
  for (const std::string& i : indices) s += "- " + i + "\n";
  // The solution after a blank line: a reader may keep it hidden.
  const std::vector<Coup>& solution = e.finale ? e.finale->solution : e.coup->solution;
  s += "\n" + t.at("solution") + " " + texte_coups(solution, debut + 1) + "\n";
  if (e.finale) {
    s += t.at("preuve.base") + "\n";
    s += remplir(t.at("longueur"), {std::to_string(e.finale->issue - 1)}) + "\n";
    if (e.finale->suite) s += t.at("suite") + "\n";
  } else {
    s += remplir(t.at("preuve.coup"), {std::to_string(e.coup->profondeur)}) + "\n";
  }
  return s;
}

}  // namespace

bool lire_textes(const std::filesystem::path& chemin, Textes& textes, std::string& erreur) {
  std::ifstream f(chemin, std::ios::binary);
  if (!f) {
    erreur = "cannot read " + chemin.string();
    return false;
  }
  std::string ligne, langue;
  int numero = 0;
  while (std::getline(f, ligne)) {
    ++numero;
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    if (ligne.empty() || ligne[0] == '#') continue;
    if (ligne.size() == 4 && ligne[0] == '[' && ligne[3] == ']') {
      langue = ligne.substr(1, 2);
      continue;
    }
    const std::size_t barre = ligne.find('|');
    if (barre == std::string::npos || langue.empty()) {
      erreur = chemin.string() + ":" + std::to_string(numero) + ": not a \"key|text\" line of a language";
      return false;
    }
    textes[langue][ligne.substr(0, barre)] = ligne.substr(barre + 1);
  }
  // Every language has every key of the French texts.
  if (!textes.count("fr") || !textes.count("en")) {
    erreur = chemin.string() + ": French and English are needed";
    return false;
  }
  for (const auto& [code, t] : textes)
    for (const auto& [cle, texte] : textes.at("fr"))
      if (!t.count(cle)) {
        erreur = chemin.string() + ": [" + code + "] has no \"" + cle + "\"";
        return false;
      }
  return true;
}

std::string commentaire(const ExerciceGenere& e, const Textes& textes) {
  std::string c;
  // The languages in the program's order.
  for (const char* code : CODES_LANGUES) {
    const auto t = textes.find(code);
    if (t == textes.end()) continue;
    if (!c.empty()) c += "\n";
    c += std::string("[") + code + "]\n" + section(e, t->second);
  }
  return c;
}
