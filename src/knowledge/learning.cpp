// Learnt positions: a fixed table of scores addressed by the position keys,
// loaded from "pool.dat" or a lesson file and saved whole as a lesson.
#include "knowledge/learning.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "game/hooks.h"
#include "records/files.h"
#include "rules/etat.h"
#include "search/keys.h"

EntreeApprise* table_apprise = nullptr;
std::uint8_t session_apprentissage = 0;
ETAT_MOTEUR(session_apprentissage);
// The learnt positions: their contents, the table made again (after the
// transposition table, with which it is allocated) or freed as it was.
[[maybe_unused]] static const bool apprises_enregistrees = enregistrer_etat_special(
    "table_apprise",
    [] {
      std::vector<EntreeApprise> copie;
      if (table_apprise != nullptr) copie.assign(table_apprise, table_apprise + NB_APPRISES);
      return Restauration([copie = std::move(copie)] {
        if (copie.empty()) {
          liberer_table_apprise();
          return;
        }
        if (table_apprise == nullptr) allouer_table_apprise();
        std::copy(copie.begin(), copie.end(), table_apprise);
      });
    },
    2);

namespace {

constexpr const char* IMPOSSIBLE_OUVRIR = "msg.impossible_ouvrir";  // "Impossible d'ouvrir ce fichier"

// The largest learnt score kept: one the search could give. -32768 would wrap
// when negated (a lost position would read as won), and beyond 32000 a score
// leaves the root's full window.
constexpr Score SCORE_APPRIS_MAX = SCORE_INFINI - 1;

// The file's bytes as the table (records little-endian, like memory here),
// scores brought within +-SCORE_APPRIS_MAX.
void copier_image(const std::vector<std::uint8_t>& octets) {
  for (std::uint32_t i = 0; i < NB_APPRISES; ++i) {
    const std::uint8_t* r = octets.data() + 8 * std::size_t{i};
    EntreeApprise& e = table_apprise[i];
    e.verif = std::uint32_t{r[0]} | std::uint32_t{r[1]} << 8 | std::uint32_t{r[2]} << 16 | std::uint32_t{r[3]} << 24;
    const auto score = static_cast<Score>(r[4] | r[5] << 8);
    e.score = std::clamp(score, static_cast<Score>(-SCORE_APPRIS_MAX), SCORE_APPRIS_MAX);
    e.libre[0] = r[6];
    e.libre[1] = r[7];
  }
}

std::vector<std::uint8_t> image_table() {
  std::vector<std::uint8_t> octets(TAILLE_FICHIER_APPRIS);
  for (std::uint32_t i = 0; i < NB_APPRISES; ++i) {
    std::uint8_t* r = octets.data() + 8 * std::size_t{i};
    const EntreeApprise& e = table_apprise[i];
    for (int b = 0; b < 4; ++b) r[b] = static_cast<std::uint8_t>(e.verif >> (8 * b));
    r[4] = static_cast<std::uint8_t>(e.score);
    r[5] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(e.score) >> 8);
    r[6] = e.libre[0];
    r[7] = e.libre[1];
  }
  return octets;
}

// The whole image, or nothing when the file is not exactly one.
std::optional<std::vector<std::uint8_t>> lire_image(const std::filesystem::path& fichier) {
  auto octets = lire_fichier(fichier, TAILLE_FICHIER_APPRIS + 1);
  if (!octets || octets->size() != TAILLE_FICHIER_APPRIS) return std::nullopt;
  return octets;
}

}  // namespace

bool allouer_table_apprise() {
  liberer_table_apprise();
  table_apprise = static_cast<EntreeApprise*>(std::calloc(NB_APPRISES, sizeof(EntreeApprise)));
  return table_apprise != nullptr;
}

void liberer_table_apprise() {
  std::free(table_apprise);
  table_apprise = nullptr;
}

bool charger_pool(const std::filesystem::path& dossier) {
  if (table_apprise == nullptr) return false;
  const auto octets = lire_image(dossier / FICHIER_POOL);
  if (!octets) {
    std::memset(table_apprise, 0, TAILLE_FICHIER_APPRIS);  // the program ships none: nothing learnt
    return false;
  }
  copier_image(*octets);
  return true;
}

bool charger_lecons(const std::filesystem::path& fichier) {
  const auto octets = lire_image(fichier);
  if (!octets || table_apprise == nullptr) {
    signaler_erreur(IMPOSSIBLE_OUVRIR, "msg.erreur");
    return false;
  }
  copier_image(*octets);
  return true;
}

const EntreeApprise* sonder_apprises(std::uint32_t cle, std::uint32_t verif) {
  if (table_apprise == nullptr) return nullptr;
  const EntreeApprise& e = table_apprise[case_apprise(cle)];
  return e.verif == verif ? &e : nullptr;
}

bool retenir_position(Score score) {
  if (table_apprise == nullptr) return false;
  EntreeApprise& e = table_apprise[case_apprise(cle_index)];
  // A decided verdict stays: learning never overwrites it.
  if (e.score <= -SCORE_PROTEGE || e.score >= SCORE_PROTEGE) return false;
  e.verif = cle_verif;
  e.score = score;
  return true;
}

bool sauver_table_apprise(const std::filesystem::path& fichier) {
  if (table_apprise == nullptr) return false;
  const std::vector<std::uint8_t> octets = image_table();
  return ecrire_fichier_sur(fichier, octets.data(), octets.size());
}

bool apprendre_position(const std::filesystem::path& fichier, Score score) {
  if (table_apprise == nullptr) return false;
  retenir_position(score);
  if (!sauver_table_apprise(fichier)) {
    signaler_erreur(IMPOSSIBLE_OUVRIR, "msg.erreur");
    return false;
  }
  return true;
}
