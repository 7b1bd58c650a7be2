#include "players/registry.h"

#include <cstdio>

#include "records/files.h"

std::vector<std::string> lignes_texte(const std::vector<std::uint8_t>& octets) {
  std::vector<std::string> lignes;
  std::string ligne;
  for (std::size_t i = 0; i < octets.size(); ++i) {
    const char c = static_cast<char>(octets[i]);
    if (c != '\r' && c != '\n') {
      ligne += c;
      continue;
    }
    if (c == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n') ++i;  // CR LF is one ending
    lignes.push_back(std::move(ligne));
    ligne.clear();
  }
  if (!ligne.empty()) lignes.push_back(std::move(ligne));
  return lignes;
}

std::string texte_lignes(const std::vector<std::string>& lignes) {
  std::string texte;
  for (const std::string& l : lignes) texte += l + "\r\n";
  return texte;
}

std::int32_t valeur_classement(const std::string& ligne) {
  std::size_t i = 0;
  while (i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t')) ++i;
  std::int32_t v = 0;
  for (; i < ligne.size() && ligne[i] >= '0' && ligne[i] <= '9'; ++i)
    if (v < 100000000) v = 10 * v + (ligne[i] - '0');
    else v = 999999999;  // more digits than any rating: kept within 32 bits
  return v;
}

std::string texte_capital(std::int32_t points) {
  char texte[16];
  std::snprintf(texte, sizeof texte, "%4d", points);
  return texte;
}

namespace {
// The lines of a file; `pas_entier` is set when the file was cut, or is
// there but could not be read.
std::vector<std::string> lignes_fichier(const std::filesystem::path& chemin, bool& pas_entier) {
  bool coupe = false;
  const auto octets = lire_fichier(chemin, TAILLE_REGISTRE_LUE, &coupe);
  std::error_code ec;
  if (octets ? coupe : std::filesystem::exists(std::filesystem::symlink_status(chemin, ec))) pas_entier = true;
  return octets ? lignes_texte(*octets) : std::vector<std::string>{};
}
}  // namespace

LectureRegistre lire_registre(const std::filesystem::path& dossier) {
  LectureRegistre l;
  Registre& r = l.registre;
  r.noms = lignes_fichier(dossier / FICHIER_JOUEURS, l.incomplet);
  r.entier = !l.incomplet;
  if (r.noms.empty()) {
    // Without names the ratings mean nothing: the registry starts anew.
    l.nouveau = true;
    r.noms = {NOM_ORDINATEUR};
    r.points = {std::to_string(CLASSEMENT_ORDINATEUR)};
    return l;
  }
  r.points = lignes_fichier(dossier / FICHIER_POINTS, l.incomplet);
  r.entier = !l.incomplet;
  if (r.points.size() < r.noms.size()) l.points_manquants = static_cast<int>(r.noms.size() - r.points.size());
  r.points.resize(r.noms.size(), "0");
  return l;
}

bool ecrire_registre(const std::filesystem::path& dossier, const Registre& r) {
  if (!r.entier) return false;
  const std::string noms = texte_lignes(r.noms), points = texte_lignes(r.points);
  // The ratings are renamed first: a crash between the two renames leaves
  // a longer ratings file after a creation (the extra line is dropped on
  // reading) and a shorter one after a deletion (which reading reports).
  return ecrire_fichiers_sur({{dossier / FICHIER_POINTS, points.data(), points.size()},
                              {dossier / FICHIER_JOUEURS, noms.data(), noms.size()}});
}

void ajouter_joueur(Registre& r, const std::string& nom, std::int32_t capital) {
  r.noms.push_back(nom);
  r.points.resize(r.noms.size() - 1, "0");
  r.points.push_back(texte_capital(capital));
}

bool effacer_joueur(Registre& r, int indice) {
  if (indice <= 0 || indice >= static_cast<int>(r.noms.size())) return false;
  r.noms.erase(r.noms.begin() + indice);
  if (indice < static_cast<int>(r.points.size())) r.points.erase(r.points.begin() + indice);
  return true;
}

bool inscrire_classement(Registre& r, int indice, std::int32_t points) {
  if (indice < 0 || indice >= static_cast<int>(r.points.size())) return false;
  r.points[indice] = std::to_string(points);
  return true;
}
