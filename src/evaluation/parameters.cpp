// The parameter set and its files: a .par file is the 1162-byte image of
// parametres_bruts, the fields in its first 303 bytes.
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <sstream>
#include <vector>

#include "evaluation/evaluation.h"
#include "game/hooks.h"
#include "records/files.h"
#include "rules/etat.h"

std::int8_t tables_cases[NB_TABLES_CASES][33];
std::int8_t phase0_bas = 0;
std::int8_t phase1_bas = 0;
std::int8_t phase2_bas = 0;
std::int8_t cases_v1_blancs[7];
std::int8_t cases_v2_blancs[7];
std::int8_t cases_v1_noirs[7];
std::int8_t cases_v2_noirs[7];
std::int8_t temps_avance[8];
std::uint8_t parametres_bruts[TAILLE_PARAMETRES];
ETAT_MOTEUR(tables_cases, phase0_bas, phase1_bas, phase2_bas, cases_v1_blancs, cases_v2_blancs, cases_v1_noirs,
            cases_v2_noirs, temps_avance, parametres_bruts);

namespace {

// Offsets of the fields in the file image.
constexpr int OFFSET_PHASES = NB_TABLES_CASES * 33;  // 264
constexpr int OFFSET_V1_BLANCS = OFFSET_PHASES + 3;  // 267
constexpr int OFFSET_V2_BLANCS = OFFSET_V1_BLANCS + 7;
constexpr int OFFSET_V1_NOIRS = OFFSET_V2_BLANCS + 7;
constexpr int OFFSET_V2_NOIRS = OFFSET_V1_NOIRS + 7;
constexpr int OFFSET_TEMPS = OFFSET_V2_NOIRS + 7;  // 295
static_assert(OFFSET_TEMPS + 8 == CHAMPS_PARAMETRES, "the fields end at byte 303");

// One copy routine for both directions keeps the layout in one place.
template <bool VERS_BRUTS>
void copier_champs() {
  auto copier = [](int offset, std::int8_t* champ, int taille) {
    if (VERS_BRUTS)
      std::memcpy(parametres_bruts + offset, champ, taille);
    else
      std::memcpy(champ, parametres_bruts + offset, taille);
  };
  for (int t = 0; t < NB_TABLES_CASES; ++t) copier(t * 33, tables_cases[t], 33);
  copier(OFFSET_PHASES, &phase0_bas, 1);
  copier(OFFSET_PHASES + 1, &phase1_bas, 1);
  copier(OFFSET_PHASES + 2, &phase2_bas, 1);
  copier(OFFSET_V1_BLANCS, cases_v1_blancs, 7);
  copier(OFFSET_V2_BLANCS, cases_v2_blancs, 7);
  copier(OFFSET_V1_NOIRS, cases_v1_noirs, 7);
  copier(OFFSET_V2_NOIRS, cases_v2_noirs, 7);
  copier(OFFSET_TEMPS, temps_avance, 8);
}

void signaler_ouverture_impossible() { signaler_erreur("msg.impossible_ouvrir", "msg.erreur"); }

}  // namespace

void parametres_vers_bruts() { copier_champs<true>(); }
void bruts_vers_parametres() { copier_champs<false>(); }

bool charger_parametres(const std::filesystem::path& chemin) {
  const auto contenu = lire_fichier(chemin, TAILLE_PARAMETRES);
  if (!contenu) {
    signaler_ouverture_impossible();
    return false;
  }
  // A short file fills only the start of the image; the rest keeps what it had.
  if (!contenu->empty()) std::memcpy(parametres_bruts, contenu->data(), contenu->size());
  bruts_vers_parametres();
  return true;
}

bool sauver_parametres(const std::filesystem::path& chemin) {
  parametres_vers_bruts();
  if (!ecrire_fichier_sur(chemin, parametres_bruts, TAILLE_PARAMETRES)) {
    signaler_ouverture_impossible();
    return false;
  }
  return true;
}

bool charger_parametres_defaut() {
  return charger_parametres(chemin_donnee("Parametres", "defaut.par"));
}

std::int8_t valeur_saisie(const std::string& texte) {
  std::size_t i = 0;
  while (i < texte.size() && (texte[i] == ' ' || (texte[i] >= '\t' && texte[i] <= '\r'))) ++i;
  bool negatif = false;
  if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';
  // Unsigned arithmetic wraps modulo 2^32, which keeps the low 8 bits exact
  // however long the number is.
  std::uint32_t v = 0;
  for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9'; ++i) v = v * 10u + static_cast<std::uint32_t>(texte[i] - '0');
  if (negatif) v = 0u - v;
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(v & 0xFFu));
}

bool lire_valeur_parametre(const std::string& texte, std::int8_t& valeur) {
  std::size_t debut = texte.find_first_not_of(" \t"), fin = texte.find_last_not_of(" \t");
  if (debut == std::string::npos) return false;
  const std::string t = texte.substr(debut, fin - debut + 1);
  std::size_t i = t[0] == '+' || t[0] == '-' ? 1 : 0;
  if (i == t.size() || t.size() - i > 3) return false;
  int v = 0;
  for (; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return false;
    v = 10 * v + (t[i] - '0');
  }
  if (t[0] == '-') v = -v;
  if (v < -128 || v > 127) return false;
  valeur = static_cast<std::int8_t>(v);
  return true;
}

namespace {

struct ChampTexte {
  const char* nom;
  std::int8_t* valeurs;
  int nombre;
};

const ChampTexte CHAMPS_TEXTE[] = {
    {"phase0_bas", &phase0_bas, 1},          {"phase1_bas", &phase1_bas, 1},
    {"phase2_bas", &phase2_bas, 1},          {"temps_avance", temps_avance, 8},
    {"cases_v1_blancs", cases_v1_blancs, 7}, {"cases_v1_noirs", cases_v1_noirs, 7},
    {"cases_v2_blancs", cases_v2_blancs, 7}, {"cases_v2_noirs", cases_v2_noirs, 7},
};

}  // namespace

bool lire_parametres_texte(const std::string& texte, std::string& erreur) {
  std::istringstream lignes(texte);
  std::vector<std::string> mots;
  for (std::string ligne; std::getline(lignes, ligne);) {
    const std::size_t diese = ligne.find('#');
    if (diese != std::string::npos) ligne.resize(diese);
    std::istringstream l(ligne);
    for (std::string m; l >> m;) mots.push_back(m);
  }
  std::size_t i = 0;
  auto nombre = [&](long min, long max, std::int8_t& sortie) {
    if (i >= mots.size()) {
      erreur = "a number is missing at the end";
      return false;
    }
    char* fin = nullptr;
    const long v = std::strtol(mots[i].c_str(), &fin, 10);
    if (*fin != '\0' || v < min || v > max) {
      erreur = "\"" + mots[i] + "\" is not a number in " + std::to_string(min) + ".." + std::to_string(max);
      return false;
    }
    ++i;
    sortie = static_cast<std::int8_t>(v);
    return true;
  };
  bool vus[NB_TABLES_CASES] = {};
  while (i < mots.size()) {
    const std::string nom = mots[i++];
    if (nom == "table") {
      std::int8_t t = 0;
      if (!nombre(0, NB_TABLES_CASES - 1, t)) return false;
      tables_cases[t][0] = 0;
      for (int k = 1; k <= 32; ++k)
        if (!nombre(-128, 127, tables_cases[t][k])) return false;
      vus[t] = true;
      continue;
    }
    const ChampTexte* champ = nullptr;
    for (const ChampTexte& c : CHAMPS_TEXTE)
      if (nom == c.nom) champ = &c;
    if (champ == nullptr) {
      erreur = "unknown field \"" + nom + "\"";
      return false;
    }
    for (int k = 0; k < champ->nombre; ++k)
      if (!nombre(-128, 127, champ->valeurs[k])) return false;
  }
  for (int t = 0; t < NB_TABLES_CASES; ++t)
    if (!vus[t]) {
      erreur = "table " + std::to_string(t) + " is missing";
      return false;
    }
  return true;
}

std::string ecrire_parametres_texte() {
  std::ostringstream s;
  for (const ChampTexte& c : CHAMPS_TEXTE) {
    s << c.nom;
    for (int k = 0; k < c.nombre; ++k) s << ' ' << static_cast<int>(c.valeurs[k]);
    s << '\n';
  }
  for (int t = 0; t < NB_TABLES_CASES; ++t) {
    s << "table " << t << '\n';
    for (int r = 0; r < 8; ++r) {
      // A blank before every value: -128 takes the whole width of four.
      for (int k = 1; k <= 4; ++k) s << ' ' << std::setw(4) << static_cast<int>(tables_cases[t][4 * r + k]);
      s << '\n';
    }
  }
  return s.str();
}
