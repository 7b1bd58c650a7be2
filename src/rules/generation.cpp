// Move generation: the capture searches of men and kings over the board's
// masks, the quiet moves, and the list of each ply with its overflow rule.
#include "rules/etat.h"
#include "rules/generation.h"

#include <cstring>

bool liste_debordee = false;
std::uint8_t escales[LIGNES_ESCALES][15];
std::uint8_t cases_sautees[LIGNES_ESCALES][15];
ETAT_MOTEUR(liste_debordee, escales, cases_sautees);

namespace {

constexpr int ENTREE_LIBRE = 7;    // incoming direction that restricts nothing
constexpr int TAILLE_CHEMIN = 36;  // capture scratch: steps 1..32 and two spare

// Scratch of the capture being built.
std::uint8_t chemin_prises[TAILLE_CHEMIN];  // square jumped at each capture step
std::uint8_t suite_trouvee[TAILLE_CHEMIN];  // a longer sequence was recorded past this step
std::uint8_t nb_prises_courant = 0;         // length of the sequence being recorded
Case origine = 0;
std::uint8_t chemin_escales[TAILLE_CHEMIN];  // landing square after each jump
// The squares a capturing piece may cross or land on: the empty ones and
// its own origin, which it has left. Pieces it jumps stay where they are
// until the move is over, so they are neither free nor to be taken again.
std::uint32_t cases_libres = 0;

// Bit of square k in the masks, nothing for the off-board square 0.
constexpr std::uint32_t bit_sur(Case k) { return static_cast<std::uint32_t>((std::uint64_t{1} << k) >> 1); }

// Entry `e` is an unfinished stop that the sequence now being recorded
// continues: same origin, fewer captures, and the same captures so far.
inline bool arret_continue(const Coup& e, int k) {
  if (e.depart != origine || e.nb_prises >= k) return false;
  for (int j = 1; j <= e.nb_prises; ++j)
    if (e.prises[j] != chemin_prises[j]) return false;
  return true;
}

bool memes_prises(const Coup& a, const Coup& b) {
  if (a.depart != b.depart || a.arrivee != b.arrivee || a.nb_prises != b.nb_prises || a.nb_prises == 0) return false;
  int communes = 0;
  for (int i = 1; i <= a.nb_prises; ++i)
    for (int j = 1; j <= b.nb_prises; ++j) communes += a.prises[i] == b.prises[j];
  return communes == a.nb_prises;
}

// Removes every capture that takes the same pieces as an earlier one of the
// list; returns the new count. Order is kept.
template <bool ESCALES>
int retirer_jumelles(Coup* liste, int n) {
  int garde = 0;
  for (int i = 0; i < n; ++i) {
    bool jumelle = false;
    for (int j = 0; j < garde && !jumelle; ++j) jumelle = memes_prises(liste[j], liste[i]);
    if (jumelle) continue;
    if (garde != i) {
      liste[garde] = liste[i];
      if constexpr (ESCALES) {
        std::memcpy(escales[garde + 1], escales[i + 1], 15);
        std::memcpy(cases_sautees[garde + 1], cases_sautees[i + 1], 15);
      }
    }
    ++garde;
  }
  return garde;
}

// Some move of the list reaches the position of the capture being recorded:
// same origin, `destination`, and the k pieces of chemin_prises in any order.
bool position_deja_listee(const Coup* liste, int n, Case destination, int k) {
  if (k == 0 || k >= MAX_PRISES) return false;
  Coup nouveau{origine, destination, static_cast<std::uint8_t>(k), {}, 0};
  for (int j = 1; j <= k; ++j) nouveau.prises[j] = chemin_prises[j];
  for (int i = 0; i < n; ++i)
    if (memes_prises(liste[i], nouveau)) return true;
  return false;
}

// A man's sequence is recorded only where it cannot go on, and its landing
// squares follow from the pieces it takes: no recorded stop of a man is ever
// continued, so only a king's sequences look for them (SUITES).
template <bool ESCALES, bool SUITES>
void ajouter(Case destination);

// A man's capture while the list has room: written straight in, inline.
template <bool ESCALES>
inline void ajouter_pion(Case destination) {
  const int p = prof_courante;
  const int n = nb_coups[p];
  const int k = nb_prises_courant;
  if (ESCALES || n >= MAX_COUPS || k >= MAX_PRISES) {
    ajouter<ESCALES, false>(destination);
    return;
  }
  Coup& c = listes_coups[p][n];
  c.depart = origine;
  c.arrivee = destination;
  c.nb_prises = static_cast<std::uint8_t>(k);
  for (int j = 1; j <= k; ++j) c.prises[j] = chemin_prises[j];
  c.note = 0;
  nb_coups[p] = static_cast<std::uint8_t>(n + 1);
}

template <bool ESCALES, bool SUITES>
[[gnu::noinline]] void ajouter(Case destination) {
  const int p = prof_courante;
  Coup* liste = listes_coups[p];
  int n = nb_coups[p];
  const int k = nb_prises_courant;
  if (SUITES && k > 0) {
    // Drop the stops this sequence continues. They are the newest entries of
    // this origin; the scan stops at the first move of another piece.
    for (int i = n - 1; i >= 0 && liste[i].depart == origine; --i) {
      if (!arret_continue(liste[i], k)) continue;
      for (int j = i; j + 1 < n; ++j) {
        liste[j] = liste[j + 1];
        if constexpr (ESCALES) {
          std::memcpy(escales[j + 1], escales[j + 2], 15);
          std::memcpy(cases_sautees[j + 1], cases_sautees[j + 2], 15);
        }
      }
      --n;
    }
  }
  if (n >= MAX_COUPS) {
    // The list is full. A capture taking the same pieces as a listed one in
    // another order reaches the same position: drop it, or make room by
    // dropping such twins already listed. Only when neither helps is a move
    // lost, and the flag says so.
    if (position_deja_listee(liste, n, destination, k)) return;
    n = retirer_jumelles<ESCALES>(liste, n);
  }
  nb_coups[p] = static_cast<std::uint8_t>(n);
  if (n >= MAX_COUPS || k >= MAX_PRISES) {
    liste_debordee = true;
    return;
  }
  Coup& c = liste[n];
  c.depart = origine;
  c.arrivee = destination;
  c.nb_prises = static_cast<std::uint8_t>(k);
  for (int j = 1; j <= k; ++j) c.prises[j] = chemin_prises[j];
  c.note = 0;
  if constexpr (ESCALES) {
    for (int j = 1; j <= k; ++j) {
      escales[n + 1][j] = chemin_escales[j];
      cases_sautees[n + 1][j] = chemin_prises[j];
    }
  }
  nb_coups[p] = static_cast<std::uint8_t>(n + 1);
}

// The jumps of a man on each square: in every direction the bit numbers of
// the square jumped and of the landing square, 32 (a bit no mask has) where
// the jump would leave the board.
struct SautsPion {
  std::uint8_t saute[4], arrivee[4];
};
struct TableSauts {
  SautsPion s[33];
};
constexpr TableSauts calculer_sauts() {
  TableSauts t{};
  for (int k = 0; k <= NB_CASES; ++k)
    for (int d = 0; d < 4; ++d) {
      const Case a = voisins[d][k], b = voisins[d][a];
      const bool sur = k != 0 && a != 0 && b != 0;
      t.s[k].saute[d] = static_cast<std::uint8_t>(sur ? a - 1 : 32);
      t.s[k].arrivee[d] = static_cast<std::uint8_t>(sur ? b - 1 : 32);
    }
  return t;
}
constexpr TableSauts SAUTS = calculer_sauts();

// The directions (bit d) in which the man on s can jump.
inline unsigned directions_saut(Case s, std::uint64_t ennemis) {
  const SautsPion& j = SAUTS.s[s];
  const std::uint64_t libres = cases_libres;
  unsigned r = 0;
  for (int d = 0; d < 4; ++d) r |= static_cast<unsigned>((ennemis >> j.saute[d]) & (libres >> j.arrivee[d]) & 1u) << d;
  return r;
}

// A man jumps an adjacent enemy onto the free square behind it, forward or
// backward, in the `directions` open to it from s. Crossing the crowning row
// it stays a man and goes on. `ennemis` are the enemies not yet taken.
template <bool ESCALES>
void prises_pion(Case s, int etape, std::uint32_t ennemis, unsigned directions) {
  for (unsigned r = directions; r != 0; r &= r - 1) {
    const int d = __builtin_ctz(r);
    const Case a = voisins[d][s], b = voisins[d][a];
    chemin_prises[etape] = a;
    if constexpr (ESCALES) chemin_escales[etape] = b;
    const std::uint32_t restants = ennemis & ~bit_case(a);
    const unsigned suite = directions_saut(b, restants);
    if (suite != 0) {
      prises_pion<ESCALES>(b, etape + 1, restants, suite);
    } else {  // the sequence ends on b
      nb_prises_courant = static_cast<std::uint8_t>(etape);
      ajouter_pion<ESCALES>(b);
    }
  }
}

// The nearest square of a mask along direction d from the squares of the
// ray it was cut from, or 0: upward directions count down the squares.
inline Case plus_proche(int d, std::uint32_t m) {
  if (m == 0) return 0;
  return static_cast<Case>(d < BAS_GAUCHE ? 32 - __builtin_clz(m) : __builtin_ctz(m) + 1);
}

// A king flies along a line, jumps one enemy and lands on any free square
// beyond it; where some landing square lets the capture go on, it must land
// on such a square. It never turns straight back along its arrival line.
template <bool ESCALES>
bool prises_dame(Case s, int entree, int etape, std::uint32_t ennemis) {
  bool trouve = false;
  for (int d = 0; d < 4; ++d) {
    if (d == 3 - entree) continue;
    Case n;
    if (d == entree) {
      // Straight on along the arrival line only the adjacent piece can be
      // taken: farther ones are reached from a farther landing square.
      n = voisins[d][s];
      if (cases_libres & bit_sur(n)) continue;
    } else {
      n = plus_proche(d, RAYONS.m[d][s] & ~cases_libres);
    }
    if (!(ennemis & bit_sur(n))) continue;
    const Case b = voisins[d][n];
    if (!(cases_libres & bit_sur(b))) continue;
    chemin_prises[etape] = n;
    suite_trouvee[etape] = 0;
    suite_trouvee[etape + 1] = 0;
    trouve = true;
    for (Case l = b; cases_libres & bit_sur(l); l = voisins[d][l]) {
      if constexpr (ESCALES) chemin_escales[etape] = l;
      const bool suite = prises_dame<ESCALES>(l, d, etape + 1, ennemis & ~bit_sur(n));
      if (!suite && suite_trouvee[etape + 1] == 0) {
        nb_prises_courant = static_cast<std::uint8_t>(etape);
        ajouter<ESCALES, true>(l);
        std::memset(suite_trouvee, 1, etape + 1);
      }
      nb_prises_courant = static_cast<std::uint8_t>(etape);
    }
  }
  return trouve;
}

// The board as four masks, bit k-1 for square k.
struct Masques {
  std::uint32_t pions, dames, ennemis, vides;
};

inline Masques lire_masques(bool noir) {
  const std::uint32_t propres = noir ? masque_noirs : masque_blancs;
  return {propres & ~masque_dames, propres & masque_dames, noir ? masque_blancs : masque_noirs,
          ~(masque_blancs | masque_noirs)};
}

// Two steps in one direction move every square by the same number: 9 or 7
// squares up or down, for the squares that stay on the board.
constexpr int DOUBLE_PAS[4] = {-9, -7, 7, 9};
constexpr std::uint32_t double_pas_possible(int d) {
  std::uint32_t m = 0;
  for (int k = 1; k <= NB_CASES; ++k)
    if (voisins[d][voisins[d][k]] != 0) m |= 1u << (k - 1);
  return m;
}
constexpr std::uint32_t DOUBLE_PAS_POSSIBLE[4] = {double_pas_possible(0), double_pas_possible(1), double_pas_possible(2),
                                                 double_pas_possible(3)};
constexpr bool double_pas_conforme() {
  for (int d = 0; d < 4; ++d)
    for (int k = 1; k <= NB_CASES; ++k)
      if ((DOUBLE_PAS_POSSIBLE[d] >> (k - 1) & 1) && voisins[d][voisins[d][k]] != k + DOUBLE_PAS[d]) return false;
  return true;
}
static_assert(double_pas_conforme(), "two steps are not a constant shift");

// Bit s of the result is bit s + DOUBLE_PAS[d] of m, for the squares of
// DOUBLE_PAS_POSSIBLE[d].
constexpr std::uint32_t double_pas_vers(int d, std::uint32_t m) {
  const std::uint32_t r = DOUBLE_PAS[d] < 0 ? m << -DOUBLE_PAS[d] : m >> DOUBLE_PAS[d];
  return r & DOUBLE_PAS_POSSIBLE[d];
}

// Men of the mask that have an enemy next to them in direction d with an
// empty square behind it: directions[d].
struct Preneurs {
  std::uint32_t directions[4];
  std::uint32_t tous;
};
inline Preneurs pions_preneurs(const Masques& m) {
  Preneurs p{};
  for (int d = 0; d < 4; ++d) {
    p.directions[d] = m.pions & pas(3 - d, m.ennemis) & double_pas_vers(d, m.vides);
    p.tous |= p.directions[d];
  }
  return p;
}

// Kings of the mask that see, along some line, an enemy with an empty
// square behind it: only they may capture (pieces between are not looked at).
inline std::uint32_t dames_preneuses(const Masques& m) {
  std::uint32_t r = 0;
  for (std::uint32_t k = m.dames; k != 0; k &= k - 1) {
    const int s = __builtin_ctz(k) + 1;
    for (int d = 0; d < 4; ++d)
      if (RAYONS.m[d][s] & m.ennemis & pas(3 - d, m.vides)) {
        r |= 1u << (s - 1);
        break;
      }
  }
  return r;
}

// Next own square in scan order: white from square 32 down, black from 1 up.
inline Case extraire_suivante(std::uint32_t& m, bool noir) {
  Case s;
  if (noir) {
    s = static_cast<Case>(__builtin_ctz(m) + 1);
    m &= m - 1;
  } else {
    s = static_cast<Case>(32 - __builtin_clz(m));
    m &= ~(1u << (s - 1));
  }
  return s;
}

}  // namespace

void effacer_brouillon_prises() {
  std::memset(chemin_prises, 0, sizeof chemin_prises);
  std::memset(suite_trouvee, 0, sizeof suite_trouvee);
  nb_prises_courant = 0;
  liste_debordee = false;
}

namespace {

// The capture search of the piece on s against `ennemis`: a king, or a man
// whose first jumps are `directions` (none: the directions are looked up).
template <bool ESCALES>
void prises_depuis(Case s, bool dame, std::uint32_t ennemis, std::uint32_t vides, unsigned directions) {
  origine = s;
  nb_prises_courant = 0;
  cases_libres = vides | bit_case(s);
  if (dame)
    prises_dame<ESCALES>(s, ENTREE_LIBRE, 1, ennemis);
  else
    prises_pion<ESCALES>(s, 1, ennemis, directions != 0 ? directions : directions_saut(s, ennemis));
}

// The capture search of the pieces `preneuses`, those that can jump; out of
// line, so that the usual position, where nothing can jump, pays only for the
// mask test of lister_prises.
[[gnu::noinline]] int lister_prises_de(Camp camp, const Masques& masques, const Preneurs& pions,
                                       std::uint32_t preneuses) {
  const int p = prof_courante;
  const bool noir = camp == NOIRS;
  for (std::uint32_t m = preneuses; m != 0;) {
    const Case s = extraire_suivante(m, noir);
    const int i = s - 1;
    const unsigned directions = (pions.directions[0] >> i & 1) | (pions.directions[1] >> i & 1) << 1 |
                                (pions.directions[2] >> i & 1) << 2 | (pions.directions[3] >> i & 1) << 3;
    prises_depuis<false>(s, (masques.dames & bit_case(s)) != 0, masques.ennemis, masques.vides, directions);
  }
  return nb_coups[p];
}

// The capture pass of lister_coups: every capture of `camp` into list
// prof_courante, in scan order (ordre_cases): each side from its own back
// row forward. Pieces that cannot jump at all are passed over.
inline int lister_prises(Camp camp, const Masques& masques) {
  nb_coups[prof_courante] = 0;
  liste_debordee = false;
  const Preneurs pions = pions_preneurs(masques);
  const std::uint32_t preneuses = pions.tous | dames_preneuses(masques);
  return preneuses == 0 ? 0 : lister_prises_de(camp, masques, pions, preneuses);
}

}  // namespace

std::uint8_t lister_coups(Camp camp) {
  const Masques masques = lire_masques(camp == NOIRS);
  int n = lister_prises(camp, masques);
  if (n > 0) return static_cast<std::uint8_t>(n);

  // No capture anywhere: quiet moves in the same piece order.
  nb_prises_courant = 0;
  const bool noir = camp == NOIRS;
  const int p = prof_courante;
  Coup* liste = listes_coups[p];
  const int d0 = noir ? BAS_GAUCHE : HAUT_GAUCHE;
  auto calme = [&](Case s, Case arrivee) {
    if (n >= MAX_COUPS) {
      liste_debordee = true;
      return;
    }
    Coup& m = liste[n++];
    m.depart = s;
    m.arrivee = arrivee;
    m.nb_prises = 0;
    m.note = 0;
  };
  // A man's two steps are written whatever they hold and kept when the square
  // is empty: no branch to guess. Near the end of the list the careful way.
  auto pas_pion = [&](Case s, Case arrivee) {
    Coup& m = liste[n];
    m.depart = s;
    m.arrivee = arrivee;
    m.nb_prises = 0;
    m.note = 0;
    n += (masques.vides & bit_sur(arrivee)) != 0;
  };
  for (std::uint32_t m = masques.pions | masques.dames; m != 0;) {
    const Case s = extraire_suivante(m, noir);
    if (masques.pions & bit_case(s)) {
      const Case a = voisins[d0][s], b = voisins[d0 + 1][s];
      if (n + 2 <= MAX_COUPS) {
        pas_pion(s, a);
        pas_pion(s, b);
      } else {
        if (masques.vides & bit_sur(a)) calme(s, a);
        if (masques.vides & bit_sur(b)) calme(s, b);
      }
    } else {
      // Each line nearest square first.
      for (int d = 0; d < 4; ++d)
        for (std::uint32_t r = rayon_libre(d, s, masques.vides); r != 0;) {
          const Case a = plus_proche(d, r);
          r &= ~bit_case(a);
          calme(s, a);
        }
    }
  }
  nb_coups[p] = static_cast<std::uint8_t>(n);
  return static_cast<std::uint8_t>(n);
}

std::uint8_t lister_prises_seules(Camp camp) {
  return static_cast<std::uint8_t>(lister_prises(camp, lire_masques(camp == NOIRS)));
}

std::uint8_t compter_coups(Camp camp) {
  const Masques masques = lire_masques(camp == NOIRS);
  const int n = lister_prises(camp, masques);
  if (n > 0) return static_cast<std::uint8_t>(n);
  // One direction maps distinct men to distinct squares: a popcount per
  // direction, each direction known to the compiler.
  const std::uint32_t p = masques.pions, v = masques.vides;
  int total = camp == NOIRS ? nombre_cases(pas(BAS_GAUCHE, p) & v, pas(BAS_DROITE, p) & v)
                            : nombre_cases(pas(HAUT_GAUCHE, p) & v, pas(HAUT_DROITE, p) & v);
  for (std::uint32_t m = masques.dames; m != 0; m &= m - 1)
    total += nombre_cases(rayons_libres(static_cast<Case>(__builtin_ctz(m) + 1), masques.vides));
  return static_cast<std::uint8_t>(total < MAX_COUPS ? total : MAX_COUPS);
}

void chercher_prises_avec_escales(Case s) {
  // Read from damier: the game's board, whose masks the caller need not keep.
  const Piece c = damier[s];
  const bool noir = c >= PION_NOIR;
  const std::uint32_t ennemis = noir ? masque_cases(PION_BLANC, DAME_BLANCHE) : masque_cases(PION_NOIR, DAME_NOIRE);
  prises_depuis<true>(s, est_dame(c), ennemis, masque_cases(VIDE, VIDE), 0);
}
