// The transposition table: one slot per position, chosen by cle_index and
// checked by cle_verif, with a replacement rule that keeps deep, decisive
// and recent results.
#include "search/table.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "game/game.h"
#include "knowledge/learning.h"
#include "records/files.h"
#include "rules/etat.h"
#include "search/keys.h"
#include "search/ordering.h"
#include "search/search.h"

std::int16_t taille_tables = TAILLE_TABLES_DEFAUT;
std::int8_t decalage_tables = DECALAGE_TABLES_DEFAUT;
EntreeTable* table_transposition = nullptr;
std::uint32_t nb_entrees_table = 0;
std::size_t limite_octets_table = SIZE_MAX;
std::uint64_t inverse_entrees_table = 0;
ETAT_MOTEUR(taille_tables, decalage_tables, limite_octets_table);
// The table keeps its size (made again when it changed) and is emptied.
[[maybe_unused]] static const bool table_enregistree = enregistrer_etat_special(
    "table_transposition, nb_entrees_table, inverse_entrees_table",
    [] {
      const std::uint32_t entrees = table_transposition == nullptr ? 0 : nb_entrees_table;
      return Restauration([entrees] {
        if (entrees != 0 && (table_transposition == nullptr || nb_entrees_table != entrees)) redimensionner_tables();
        vider_tables();
      });
    },
    1);

namespace {

constexpr const char* ERREUR_ALLOCATION = "Erreur allocation Hash tables";

// Successive resizes draw their index words from one generator.
std::uint64_t etat_aleatoire = 0x5DEECE66Dull;

std::uint32_t tirage() {
  etat_aleatoire ^= etat_aleatoire << 13;
  etat_aleatoire ^= etat_aleatoire >> 7;
  etat_aleatoire ^= etat_aleatoire << 17;
  return static_cast<std::uint32_t>(etat_aleatoire >> 32);
}

std::int16_t taille_effective() { return taille_tables == 0 ? TAILLE_TABLES_DEFAUT : taille_tables; }

// The block for a setting, sized by the menu's byte figure, which covers the
// slots; nullptr when it cannot be had.
EntreeTable* nouveau_bloc(std::int16_t t) {
  const std::size_t octets = static_cast<std::size_t>(std::int64_t{t} * OCTETS_PAR_CENT / 100);
  static_assert(ENTREES_PAR_UNITE * sizeof(EntreeTable) * 100 <= OCTETS_PAR_CENT);
  if (t <= 0 || octets > limite_octets_table) return nullptr;
  return static_cast<EntreeTable*>(std::malloc(octets));
}

// The number of slots and its inverse, which case_table multiplies by.
void fixer_nb_entrees(std::uint32_t n) {
  nb_entrees_table = n;
  inverse_entrees_table = ~std::uint64_t{0} / n + 1;
}

void allouer_table_transposition() {
  const std::int16_t t = taille_effective();
  EntreeTable* bloc = nouveau_bloc(t);
  if (bloc == nullptr) echec_allocation(ERREUR_ALLOCATION);
  table_transposition = bloc;
  fixer_nb_entrees(entrees_pour(t));
}

inline bool exact(std::uint8_t type) { return type < 3 || type == 51 || type == 52; }

inline std::uint8_t ply_absolu(int ply) { return static_cast<std::uint8_t>(nb_demi_coups + ply); }

}  // namespace

std::uint32_t entrees_pour(std::int16_t taille) {
  const std::int16_t t = taille == 0 ? TAILLE_TABLES_DEFAUT : taille;
  return t > 0 ? static_cast<std::uint32_t>(t) * ENTREES_PAR_UNITE : 0;
}

void allouer_tables() {
  liberer_tables();
  allouer_table_transposition();
  if (!allouer_table_apprise()) echec_allocation(ERREUR_ALLOCATION);
  vider_tables();
  charger_cles(chemin_donnee("", FICHIER_CLES));
}

void vider_tables() {
  if (table_transposition != nullptr)
    std::memset(table_transposition, 0, std::size_t{nb_entrees_table} * sizeof(EntreeTable));
}

void liberer_tables() {
  std::free(table_transposition);
  table_transposition = nullptr;
  nb_entrees_table = 0;
  inverse_entrees_table = 0;
  liberer_table_apprise();
}

bool redimensionner_tables() {
  // The new block is had before the old one goes, so that a refusal leaves
  // the search its table.
  const std::int16_t t = taille_effective();
  EntreeTable* bloc = nouveau_bloc(t);
  if (bloc == nullptr) return false;
  std::free(table_transposition);
  table_transposition = bloc;
  fixer_nb_entrees(entrees_pour(t));
  vider_tables();
  // New index words spread the positions over the new number of slots.
  for (int c = PION_BLANC; c <= DAME_NOIRE; ++c)
    for (int s = 0; s <= NB_CASES; ++s) cles_index[c * 32 + s] = tirage() % nb_entrees_table;
  return true;
}

bool choisir_taille_tables(int choix) {
  if (choix < 0 || choix >= 8) return false;
  const std::int16_t taille = taille_tables;
  const std::int8_t decalage = decalage_tables;
  taille_tables = CHOIX_TAILLES[choix].taille;
  decalage_tables = CHOIX_TAILLES[choix].decalage;
  if (redimensionner_tables()) return true;
  taille_tables = taille;
  decalage_tables = decalage;
  return false;
}

const EntreeTable* sonder_table(int ply) {
  if (table_transposition == nullptr) return nullptr;
  const EntreeTable& e = table_transposition[case_table(cle_index)];
  if (e.type == TYPE_VIDE || e.verif != cle_verif || e.ply_absolu != ply_absolu(ply)) return nullptr;
  if (e.horizon < nb_demi_coups + prof_max) return nullptr;  // searched less deep than now
  return &e;
}

void stocker_table(Score score, int ply, std::uint8_t type, Case depart, Case arrivee) {
  if (table_transposition == nullptr) return;
  EntreeTable& e = table_transposition[case_table(cle_index)];
  const int h = nb_demi_coups + prof_max;
  const std::uint8_t p = ply_absolu(ply);
  const bool e_decisif = e.type >= TYPE_MAX_DECISIF;
  bool ecrire;
  if (e.type == TYPE_VIDE)
    ecrire = true;
  else if (type >= TYPE_MAX_DECISIF && !e_decisif)
    ecrire = true;
  else if (type == e.type && p < e.ply_absolu)  // the same kind nearer the root
    ecrire = true;
  else if (!e_decisif && h > e.horizon)  // searched deeper
    ecrire = true;
  else if (!e_decisif && !exact(e.type) && (h >= e.horizon || (h == e.horizon - 1 && exact(type))))
    ecrire = true;  // a bound gives way to as deep a result, or to an exact one a ply shallower
  else
    ecrire = std::abs(h - e.horizon) > 16;  // left from far earlier or later in the game
  if (!ecrire || h >= 255) return;
  if (nb_pieces[PION_BLANC] + nb_pieces[DAME_BLANCHE] + nb_pieces[PION_NOIR] + nb_pieces[DAME_NOIRE] <= 3) return;
  e.verif = cle_verif;
  e.score = score;
  e.depart = depart;
  e.arrivee = arrivee;
  e.ply_absolu = p;
  e.type = type;
  e.horizon = static_cast<std::uint8_t>(h);
}

bool table_active_max(int ply) { return ply >= 4 && ply - decalage_tables < 18; }
bool table_active_min(int ply) { return ply >= 3 && ply - decalage_tables < 17; }

namespace {

// Narrows the window with a bound: `minorant` raises alpha, else beta falls.
UsageTable borne(const EntreeTable& e, Score v, bool minorant, Score& alpha, Score& beta, Score& score) {
  if (minorant ? v >= beta : v <= alpha) {
    score = v;
    return UsageTable::SCORE;
  }
  conseil_depart = e.depart;
  conseil_arrivee = e.arrivee;
  (minorant ? alpha : beta) = v;
  return UsageTable::FENETRE;
}

// The node kinds read the same types, a min node's 50 above a max node's:
// its own kinds read as stored, those of a search for the other colour
// (whose max nodes are our min nodes) negated. A lower bound (minorant)
// raises alpha, an upper one lowers beta.
UsageTable consulter(int ply, bool noeud_max, Score& alpha, Score& beta, Score& score) {
  if (!(noeud_max ? table_active_max(ply) : table_active_min(ply))) return UsageTable::RIEN;
  conseil_depart = conseil_arrivee = 0;
  const EntreeTable* e = sonder_table(ply);
  if (e == nullptr) return UsageTable::RIEN;
  const int c = camp_racine;
  const int d = noeud_max ? 0 : 50;
  const int t = e->type;
  const Score s = e->score;
  const Score moins_s = static_cast<Score>(-s);
  if (t == c + 100 + d || t == c + 1 + d) {
    score = s;
    return UsageTable::SCORE;
  }
  if (t == 151 - c - d || t == 52 - c - d) {
    score = moins_s;
    return UsageTable::SCORE;
  }
  if (t == c + 3 + d) return borne(*e, s, noeud_max, alpha, beta, score);
  if (t == 54 - c - d) return borne(*e, moins_s, noeud_max, alpha, beta, score);
  if (t == 56 - c - d) return borne(*e, moins_s, !noeud_max, alpha, beta, score);
  if (t == c + 5 + d) return borne(*e, s, !noeud_max, alpha, beta, score);
  return UsageTable::RIEN;
}

}  // namespace

UsageTable consulter_table_max(int ply, Score& alpha, Score& beta, Score& score) {
  return consulter(ply, true, alpha, beta, score);
}

UsageTable consulter_table_min(int ply, Score& alpha, Score& beta, Score& score) {
  return consulter(ply, false, alpha, beta, score);
}
