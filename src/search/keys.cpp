// Position keys: the two tables of key words, their file, and the keys of a
// board computed from scratch (faire_coup keeps them incrementally).
#include "search/keys.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "records/files.h"
#include "rules/board.h"
#include "rules/etat.h"

namespace {

// The key words come from a fixed seed, so that every build, and a program
// without its key file, addresses learnt positions the same way.
constexpr std::uint64_t GRAINE_CLES = 0x436F7276616E6533ull;

constexpr std::uint64_t splitmix(std::uint64_t& etat) {
  std::uint64_t z = (etat += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

using Mots = std::array<std::uint32_t, 2 * NB_MOTS_CLES>;

// cles_index's 165 words, then cles_verif's: the order of the key file.
constexpr Mots mots_integres() {
  Mots m{};
  std::uint64_t etat = GRAINE_CLES;
  for (auto& w : m) w = static_cast<std::uint32_t>(splitmix(etat) >> 32);
  return m;
}
constexpr Mots MOTS = mots_integres();

// Words a board can address: piece codes 1..4 on squares 1..32.
constexpr int PREMIER_MOT_LU = PION_BLANC * 32 + 1;
constexpr int DERNIER_MOT_LU = DAME_NOIRE * 32 + NB_CASES;

// Words that can be keys: none a board reads is zero (the piece would drop
// out of every key) and no two are alike (two placements would share keys).
bool mots_utilisables(const std::uint32_t mots[NB_MOTS_CLES]) {
  std::vector<std::uint32_t> lus(mots + PREMIER_MOT_LU, mots + DERNIER_MOT_LU + 1);
  std::sort(lus.begin(), lus.end());
  return lus.front() != 0 && std::adjacent_find(lus.begin(), lus.end()) == lus.end();
}

}  // namespace

std::uint32_t cles_index[NB_MOTS_CLES];
std::uint32_t cles_verif[NB_MOTS_CLES];
std::uint32_t cle_index = 0;
std::uint32_t cle_verif = 0;
ETAT_MOTEUR(cle_index, cle_verif);
// The key words, put back after any new table (which draws new ones).
[[maybe_unused]] static const bool mots_enregistres = enregistrer_etat_ordre(3, "cles_index, cles_verif", cles_index, cles_verif);

namespace {
// Fills the key tables before anything runs: the keys are defined even when
// no start-up sequence loaded them (tools, tests).
const bool cles_pretes = [] {
  cles_integrees(cles_index, cles_verif);
  return true;
}();
}  // namespace

void cles_integrees(std::uint32_t index[NB_MOTS_CLES], std::uint32_t verif[NB_MOTS_CLES]) {
  for (int k = 0; k < NB_MOTS_CLES; ++k) {
    index[k] = MOTS[k];
    verif[k] = MOTS[NB_MOTS_CLES + k];
  }
}

bool charger_cles(const std::filesystem::path& fichier) {
  (void)cles_pretes;
  const auto octets = lire_fichier(fichier, TAILLE_FICHIER_CLES + 1);
  const bool lu = octets && octets->size() == TAILLE_FICHIER_CLES;
  auto mot = [&](int k) {
    const std::uint8_t* p = octets->data() + 4 * k;
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
  };
  std::uint32_t index[NB_MOTS_CLES], verif[NB_MOTS_CLES];
  for (int k = 0; lu && k < NB_MOTS_CLES; ++k) {
    index[k] = mot(k);
    verif[k] = mot(NB_MOTS_CLES + k);
  }
  if (!lu || !mots_utilisables(index) || !mots_utilisables(verif)) {
    cles_integrees(cles_index, cles_verif);
    return false;
  }
  std::memcpy(cles_index, index, sizeof index);
  std::memcpy(cles_verif, verif, sizeof verif);
  return true;
}

bool ecrire_fichier_cles(const std::filesystem::path& fichier) {
  std::uint8_t octets[TAILLE_FICHIER_CLES];
  for (std::size_t k = 0; k < MOTS.size(); ++k)
    for (int b = 0; b < 4; ++b) octets[4 * k + b] = static_cast<std::uint8_t>(MOTS[k] >> (8 * b));
  return ecrire_fichier_sur(fichier, octets, sizeof octets);
}

void cles_de(const std::uint8_t cases[33], std::uint32_t& index, std::uint32_t& verif) {
  index = 0;
  verif = 0;
  for (int s = 1; s <= NB_CASES; ++s) {
    const Piece p = cases[s];
    if (p < PION_BLANC || p > DAME_NOIRE) continue;
    index ^= cles_index[p * 32 + s];
    verif ^= cles_verif[p * 32 + s];
  }
}

void calculer_cles() { cles_de(damier, cle_index, cle_verif); }
