#include "rules/board.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "rules/etat.h"
#include "rules/generation.h"

std::uint8_t damier[33];
Camp trait = BLANCS;
std::uint32_t masque_blancs = 0, masque_noirs = 0, masque_dames = 0;


namespace {

// The neighbour table written out above must agree with the geometry of the
// board: checked once, at compile time.
constexpr int voisin_calcule(int d, int k) {
  if (k == 0) return 0;
  int r = rangee(k) + (d < 2 ? -1 : 1);
  int c = colonne(k) + (d % 2 == 0 ? -1 : 1);
  if (r < 0 || r > 7 || c < 0 || c > 7) return 0;
  return r * 4 + c / 2 + 1;
}
constexpr bool table_coherente() {
  for (int d = 0; d < 4; ++d)
    for (int k = 0; k <= 32; ++k)
      if (voisins[d][k] != voisin_calcule(d, k)) return false;
  return true;
}
static_assert(table_coherente(), "neighbour table disagrees with the board geometry");

}  // namespace

const std::uint16_t ordre_cases[33] = {0,  32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17,
                                       16, 15, 14, 13, 12, 11, 10, 9,  8,  7,  6,  5,  4,  3,  2,  1};

const char noms_numeriques[33][3] = {"0",  "32", "31", "30", "29", "28", "27", "26", "25", "24", "23",
                                     "22", "21", "20", "19", "18", "17", "16", "15", "14", "13", "12",
                                     "11", "10", "09", "08", "07", "06", "05", "04", "03", "02", "01"};

const char noms_alphabetiques[33][3] = {"0",  "b8", "d8", "f8", "h8", "a7", "c7", "e7", "g7", "b6", "d6",
                                        "f6", "h6", "a5", "c5", "e5", "g5", "b4", "d4", "f4", "h4", "a3",
                                        "c3", "e3", "g3", "b2", "d2", "f2", "h2", "a1", "c1", "e1", "g1"};

char noms_cases[33][3] = {"0",  "32", "31", "30", "29", "28", "27", "26", "25", "24", "23",
                          "22", "21", "20", "19", "18", "17", "16", "15", "14", "13", "12",
                          "11", "10", "09", "08", "07", "06", "05", "04", "03", "02", "01"};

Coup (*listes_coups)[MAX_COUPS] = nullptr;
std::uint8_t nb_coups[NB_LISTES];
std::int8_t prof_courante = 1;
std::uint8_t nb_pieces[5];
Case derniere_arrivee = 0;
ETAT_MOTEUR(damier, trait, masque_blancs, masque_noirs, masque_dames, nb_coups, prof_courante, nb_pieces,
            derniere_arrivee, noms_cases);
// The move lists' block is made once and kept: its place is no state.
[[maybe_unused]] static const bool listes_enregistrees =
    enregistrer_etat_special("listes_coups", [] { return Restauration([] {}); });

bool meme_coup(const Coup& a, const Coup& b) {
  if (a.depart != b.depart || a.arrivee != b.arrivee || a.nb_prises != b.nb_prises) return false;
  for (int k = 1; k <= a.nb_prises; ++k)
    if (a.prises[k] != b.prises[k]) return false;
  return true;
}

void choisir_noms_cases(bool algebriques) {
  std::memcpy(noms_cases, algebriques ? noms_alphabetiques : noms_numeriques, sizeof noms_cases);
}

void echec_allocation(const char* message) {
  std::printf("%s\n", message);
  std::fflush(stdout);
  std::exit(1);
}

void preparer_listes() {
  if (listes_coups == nullptr) {
    listes_coups = new (std::nothrow) Coup[NB_LISTES][MAX_COUPS]();
    if (listes_coups == nullptr) echec_allocation("Allocation mémoire");
  }
  std::memset(nb_coups, 0, sizeof nb_coups);
  effacer_brouillon_prises();
}

void recalculer_masques() {
  masque_blancs = masque_cases(PION_BLANC, DAME_BLANCHE);
  masque_noirs = masque_cases(PION_NOIR, DAME_NOIRE);
  masque_dames = masque_cases(DAME_BLANCHE, DAME_NOIRE);
}

void PlateauGarde::prendre() {
  std::memcpy(cases, damier, sizeof cases);
  blancs = masque_blancs;
  noirs = masque_noirs;
  dames = masque_dames;
  au_trait = trait;
}

void PlateauGarde::rendre() const {
  std::memcpy(damier, cases, sizeof cases);
  masque_blancs = blancs;
  masque_noirs = noirs;
  masque_dames = dames;
  trait = au_trait;
}

void compter_pieces() {
  std::memset(nb_pieces, 0, sizeof nb_pieces);
  for (int k = 1; k <= NB_CASES; ++k)
    if (damier[k] >= PION_BLANC && damier[k] <= DAME_NOIRE) ++nb_pieces[damier[k]];
  recalculer_masques();
}

void vider_damier() {
  std::memset(damier, VIDE, sizeof damier);
  damier[0] = HORS_DAMIER;
  trait = BLANCS;
  recalculer_masques();
}

void position_initiale() {
  vider_damier();
  for (int k = 1; k <= 12; ++k) damier[k] = PION_NOIR;
  for (int k = 21; k <= 32; ++k) damier[k] = PION_BLANC;
  recalculer_masques();
}
