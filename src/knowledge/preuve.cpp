// The exercises' proofs: a plain alpha-beta over material, with a table of
// positions and killer moves for its order only, so that what it says at a
// depth holds for every line of that depth; and the endgame databases as
// exact outcomes.
#include "knowledge/preuve.h"

#include <cstring>
#include <memory>

#include "knowledge/endgame.h"
#include "rules/generation.h"

namespace {

constexpr int BITS_TABLE = 20;
constexpr std::uint64_t MASQUE_TABLE = (std::uint64_t{1} << BITS_TABLE) - 1;
constexpr std::uint8_t SANS_COUP = 255;

enum Borne : std::uint8_t { AUCUNE, EXACTE, MINORANTE, MAJORANTE };

struct EntreeTable {
  std::uint64_t cle;
  std::int16_t valeur;
  std::int8_t profondeur;
  Borne borne;
  std::uint8_t coup;        // index of the best move in the position's list
  std::uint8_t generation;  // entries of another generation are forgotten
};

std::unique_ptr<EntreeTable[]> table;
std::uint8_t generation = 1;
std::uint64_t noeuds = 0;
Coup tueurs[NB_LISTES];
std::uint32_t histoire[33][33];  // quiet moves that refuted, by origin and destination

std::uint64_t melanger(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

std::uint64_t cle_position(Camp camp) {
  return melanger(masque_blancs | std::uint64_t{masque_noirs} << 32) ^
         melanger((std::uint64_t{masque_dames} << 1 | camp) + 0x5851F42D4C957F2Dull);
}

// Won and lost games are stored as seen from the node, not from the root.
int vers_table(int v, int ply) { return v > PREUVE_DECISIVE ? v + ply : v < -PREUVE_DECISIVE ? v - ply : v; }
int depuis_table(int v, int ply) { return v > PREUVE_DECISIVE ? v - ply : v < -PREUVE_DECISIVE ? v + ply : v; }

// Move i of the list is a capture some earlier move of the list already makes.
bool jumelle(const Coup* liste, int i) {
  if (liste[i].nb_prises < 2) return false;
  for (int j = 0; j < i; ++j)
    if (meme_position_atteinte(liste[j], liste[i])) return true;
  return false;
}

int chercher(Camp camp, int profondeur, int alpha, int beta, int ply) {
  ++noeuds;
  const int statique = materiel_preuve(camp);
  if (ply >= PLY_MAX_PREUVE) return statique;
  prof_courante = static_cast<std::int8_t>(ply);
  const int n = lister_coups(camp);
  if (n == 0) return -(PREUVE_GAGNE - ply);
  const Coup* liste = listes_coups[ply];
  const bool prises = liste[0].nb_prises > 0;
  if (profondeur <= 0 && !prises) return statique;
  const int p = profondeur > 0 ? profondeur : 0;

  const std::uint64_t cle = cle_position(camp);
  EntreeTable& e = table[cle & MASQUE_TABLE];
  int premier = -1;
  if (e.cle == cle && e.generation == generation && e.borne != AUCUNE) {
    if (e.coup < n) premier = e.coup;
    if (e.profondeur >= p) {
      const int v = depuis_table(e.valeur, ply);
      if (e.borne == EXACTE || (e.borne == MINORANTE && v >= beta) || (e.borne == MAJORANTE && v <= alpha)) return v;
    }
  }
  // The table's move first, then the killer, then the generator's order.
  int ordre[MAX_COUPS];
  int k = 0;
  if (premier >= 0) ordre[k++] = premier;
  int tueur = -1;
  if (!prises)
    for (int i = 0; i < n; ++i)
      if (i != premier && liste[i].depart == tueurs[ply].depart && liste[i].arrivee == tueurs[ply].arrivee) {
        tueur = i;
        ordre[k++] = i;
        break;
      }
  const int suite = k;
  for (int i = 0; i < n; ++i)
    if (i != premier && i != tueur) ordre[k++] = i;
  if (!prises)  // the quiet moves that refuted most often first
    for (int a = suite + 1; a < k; ++a) {
      const int i = ordre[a];
      const std::uint32_t h = histoire[liste[i].depart][liste[i].arrivee];
      int b = a;
      for (; b > suite; --b) {
        const Coup& avant = liste[ordre[b - 1]];
        if (histoire[avant.depart][avant.arrivee] >= h) break;
        ordre[b] = ordre[b - 1];
      }
      ordre[b] = i;
    }

  PlateauGarde s;
  s.prendre();
  const Camp autre = adversaire(camp);
  int meilleur = -PREUVE_GAGNE - 1, meilleur_coup = SANS_COUP, a = alpha;
  for (int j = 0; j < n; ++j) {
    const int i = ordre[j];
    if (prises && jumelle(liste, i)) continue;
    jouer_preuve(liste[i]);
    const int v = -chercher(autre, profondeur - 1, -beta, -a, ply + 1);
    s.rendre();
    if (v > meilleur) {
      meilleur = v;
      meilleur_coup = i;
      if (v > a) a = v;
      if (a >= beta) {
        if (!prises) {
          tueurs[ply] = liste[i];
          histoire[liste[i].depart][liste[i].arrivee] += static_cast<std::uint32_t>(p * p + 1);
        }
        break;
      }
    }
  }
  e.cle = cle;
  e.valeur = static_cast<std::int16_t>(vers_table(meilleur, ply));
  e.profondeur = static_cast<std::int8_t>(p);
  e.borne = meilleur <= alpha ? MAJORANTE : meilleur >= beta ? MINORANTE : EXACTE;
  e.coup = static_cast<std::uint8_t>(meilleur_coup);
  e.generation = generation;
  return meilleur;
}

void preparer() {
  if (!table) table = std::make_unique<EntreeTable[]>(MASQUE_TABLE + 1);  // zeroed: no entry
  preparer_listes();
  recalculer_masques();
}

// Deepening one ply at a time fills the table with the order the last
// search will follow.
int chercher_par_paliers(Camp camp, int profondeur, int alpha, int beta, int ply) {
  int v = 0;
  for (int d = 1; d <= profondeur; ++d) v = chercher(camp, d, alpha, beta, ply);
  if (profondeur <= 0) v = chercher(camp, profondeur, alpha, beta, ply);
  return v;
}

}  // namespace

bool meme_position_atteinte(const Coup& a, const Coup& b) {
  return a.depart == b.depart && a.arrivee == b.arrivee && a.nb_prises == b.nb_prises &&
         masque_prises(a) == masque_prises(b);
}

int materiel_preuve(Camp camp) {
  const int blancs = nombre_cases(masque_blancs & ~masque_dames) * PREUVE_PION +
                     nombre_cases(masque_blancs & masque_dames) * PREUVE_DAME;
  const int noirs = nombre_cases(masque_noirs & ~masque_dames) * PREUVE_PION +
                    nombre_cases(masque_noirs & masque_dames) * PREUVE_DAME;
  return camp == NOIRS ? noirs - blancs : blancs - noirs;
}

void jouer_preuve(const Coup& m) {
  const Piece p = damier[m.depart];
  damier[m.depart] = VIDE;
  for (int k = 1; k <= m.nb_prises; ++k) damier[m.prises[k]] = VIDE;
  const Piece c = couronner(p, m.arrivee);
  damier[m.arrivee] = c;
  masques_apres_coup(m, p, c);
}

int chercher_preuve(Camp camp, int profondeur, int alpha, int beta) {
  preparer();
  return chercher_par_paliers(camp, profondeur, alpha, beta, 1);
}

std::vector<Coup> coups_distincts(Camp camp) {
  preparer();
  prof_courante = 1;
  const int n = lister_coups(camp);
  std::vector<Coup> coups;
  for (int i = 0; i < n; ++i)
    if (!jumelle(listes_coups[1], i)) coups.push_back(listes_coups[1][i]);
  return coups;
}

std::vector<CoupValeur> valeurs_coups(Camp camp, int profondeur, int alpha, int beta) {
  std::vector<CoupValeur> valeurs;
  PlateauGarde s;
  for (const Coup& m : coups_distincts(camp)) {
    s.prendre();
    jouer_preuve(m);
    const int v = -chercher_par_paliers(adversaire(camp), profondeur - 1, -beta, -alpha, 2);
    s.rendre();
    valeurs.push_back({m, v});
  }
  return valeurs;
}

std::vector<Coup> coups_atteignant(Camp camp, int profondeur, int seuil, std::size_t maximum) {
  std::vector<Coup> coups;
  PlateauGarde s;
  for (const Coup& m : coups_distincts(camp)) {
    s.prendre();
    jouer_preuve(m);
    const int v = -chercher_par_paliers(adversaire(camp), profondeur - 1, -seuil, -seuil + 1, 2);
    s.rendre();
    if (v >= seuil) coups.push_back(m);
    if (coups.size() >= maximum) break;
  }
  return coups;
}

PreuveGain prouver_gain(Camp camp, int profondeur, int plafond) {
  vider_table_preuve();
  preparer();
  const int avant = materiel_preuve(camp);
  PreuveGain g{avant, {}};
  while (g.valeur < avant + plafond && chercher_preuve(camp, profondeur, g.valeur, g.valeur + 1) > g.valeur)
    ++g.valeur;
  if (g.valeur > avant) g.gagnants = coups_atteignant(camp, profondeur, g.valeur, 2);
  return g;
}

void vider_table_preuve() {
  // A new generation forgets every entry without touching them; when the
  // counter comes round, entries of its first turn are cleared for real.
  if (++generation == 0) {
    if (table) std::memset(table.get(), 0, sizeof(EntreeTable) * (MASQUE_TABLE + 1));
    generation = 1;
  }
  std::memset(tueurs, 0, sizeof tueurs);
  std::memset(histoire, 0, sizeof histoire);
}

std::uint64_t noeuds_preuve() { return noeuds; }

std::optional<int> issue_base(const std::uint8_t cases[33], Camp camp) {
  int propres = 0, total = 0;
  for (int s = 1; s <= NB_CASES; ++s) {
    if (cases[s] < PION_BLANC || cases[s] > DAME_NOIRE) continue;
    ++total;
    propres += (est_noir(cases[s]) ? NOIRS : BLANCS) == camp;
  }
  if (propres == 0) return -1;
  if (total > 4) return std::nullopt;
  // A side that cannot move has lost; the tables hold that too, but only
  // for the placements they index.
  PlateauGarde s;
  s.prendre();
  std::memmove(damier, cases, 33);  // cases may be damier itself
  damier[0] = HORS_DAMIER;
  recalculer_masques();
  preparer_listes();
  prof_courante = PLY_MAX_PREUVE;
  const int n = lister_coups(camp);
  s.rendre();
  if (n == 0) return -1;
  const int k = classe_base(cases, camp);
  if (k < 0 || !base_utilisable[k]) return std::nullopt;
  const std::int32_t i = indice_base(k, cases, camp);
  if (i < 0) return std::nullopt;
  return table_base(k)[i];
}

std::optional<std::vector<CoupValeur>> issues_coups_base(Camp camp) {
  std::vector<CoupValeur> issues;
  PlateauGarde s;
  for (const Coup& m : coups_distincts(camp)) {
    s.prendre();
    jouer_preuve(m);
    const std::optional<int> v = issue_base(damier, adversaire(camp));
    s.rendre();
    if (!v) return std::nullopt;
    issues.push_back({m, *v});
  }
  return issues;
}
