// Endings: positions of the endgame databases that the side to move wins
// with one move only, and the classic wins with kings, each proved by the
// databases themselves.
#include <algorithm>
#include <cstring>
#include <set>

#include "generateur.h"
#include "knowledge/endgame.h"
#include "knowledge/preuve.h"

namespace {

constexpr int LONGUEUR_MAX = 9;  // plies of a recorded ending solution
constexpr int ESSAIS = 200000;   // placements tried per class

// The classes and how many exercises each gives: men races, catching a man
// with a king, and the king endings.
struct Quota {
  int classe;
  int nombre;
};
constexpr Quota QUOTAS[] = {
    {BASE_POP, 2},  {BASE_DOP, 2},  {BASE_PPOP, 2},  {BASE_PDOP, 2},  {BASE_DDOP, 2}, {BASE_PPOD, 2},
    {BASE_DDOD, 2}, {BASE_PDOD, 2}, {BASE_DDDOD, 2}, {BASE_PDDOD, 2}, {BASE_PPDOD, 2},
};

// The pieces of class k on random squares, `camp` to move with the class's
// first pieces; false when they do not fit (a man on its crowning row).
bool placer(int k, Camp camp, Alea& alea) {
  const ClasseBase& c = CLASSES_BASES[k];
  vider_damier();
  const Piece pion = camp == BLANCS ? PION_BLANC : PION_NOIR, dame = camp == BLANCS ? DAME_BLANCHE : DAME_NOIRE;
  const Piece pion_autre = camp == BLANCS ? PION_NOIR : PION_BLANC;
  const Piece dame_autre = camp == BLANCS ? DAME_NOIRE : DAME_BLANCHE;
  std::vector<Piece> pieces;
  pieces.insert(pieces.end(), c.pions_trait, pion);
  pieces.insert(pieces.end(), c.dames_trait, dame);
  pieces.insert(pieces.end(), c.pions_autre, pion_autre);
  pieces.insert(pieces.end(), c.dames_autre, dame_autre);
  for (Piece p : pieces) {
    const Case s = static_cast<Case>(1 + alea.entier(NB_CASES));
    if (damier[s] != VIDE || case_couronnement(p, s)) return false;
    damier[s] = p;
  }
  trait = camp;
  recalculer_masques();
  return true;
}

// The reply that holds out longest: the win it leaves is the longest.
Coup meilleure_defense(Camp camp) {
  const std::vector<CoupValeur> v = issues_coups_base(camp).value();
  return std::max_element(v.begin(), v.end(), [](const CoupValeur& a, const CoupValeur& b) {
           return a.valeur < b.valeur;
         })->coup;
}

// The winning moves of `camp` on damier, by the databases.
std::vector<Coup> coups_gagnants(Camp camp) {
  std::vector<Coup> g;
  const std::vector<CoupValeur> issues = issues_coups_base(camp).value();
  for (const CoupValeur& c : issues)
    if (c.valeur < 0) g.push_back(c.coup);
  return g;
}

// The position on damier as an ending exercise for `camp`, or nothing.
std::optional<PreuveFinale> prouver_finale(Camp camp, int classe) {
  const std::optional<int> issue = issue_base(damier, camp);
  if (!issue || *issue < 6) return std::nullopt;  // lost, drawn, or won at once
  const std::vector<Coup> coups = coups_distincts(camp);
  // A choice to make: men alone have few moves.
  const bool dames = ((camp == NOIRS ? masque_noirs : masque_blancs) & masque_dames) != 0;
  if (coups.size() < (dames ? 3u : 2u) || coups[0].nb_prises > 0) return std::nullopt;
  const std::optional<std::vector<CoupValeur>> issues = issues_coups_base(camp);
  if (!issues) return std::nullopt;
  PreuveFinale p{{}, classe, *issue, static_cast<int>(coups.size()), 0, 0, false, 0, false};
  int gagnants = 0;
  for (const CoupValeur& c : *issues) {
    if (c.valeur < 0) {
      ++gagnants;
      p.grande_diagonale = diagonale_longue(c.coup.arrivee);
    }
    p.nulles += c.valeur == 0;
    p.pertes += c.valeur > 0;
  }
  if (gagnants != 1) return std::nullopt;

  // The solution: the winning move while it is the only one, the longest
  // defence between them.
  std::uint8_t garde[33];
  std::memcpy(garde, damier, sizeof garde);
  Camp au_trait = camp;
  while (static_cast<int>(p.solution.size()) < LONGUEUR_MAX) {
    if (au_trait == camp) {
      const std::vector<Coup> g = coups_gagnants(camp);
      if (g.size() != 1) break;
      p.solution.push_back(g[0]);
    } else {
      if (coups_distincts(au_trait).empty()) break;
      p.solution.push_back(meilleure_defense(au_trait));
      if (p.solution.size() == 2) p.donnes = p.solution.back().nb_prises;
    }
    jouer_preuve(p.solution.back());
    au_trait = adversaire(au_trait);
  }
  // The solution ends on the player's move; the game may go on after it.
  if (p.solution.size() % 2 == 0) {
    p.solution.pop_back();
    p.suite = true;
  } else {
    p.suite = false;
  }
  // Cut at the longest length while one move still wins alone: that move
  // would go unrecorded.
  const bool coupee = static_cast<int>(p.solution.size()) == LONGUEUR_MAX && !coups_distincts(au_trait).empty();
  std::memcpy(damier, garde, sizeof garde);
  recalculer_masques();
  if (coupee) return std::nullopt;
  return p;
}

}  // namespace

bool diagonale_longue(Case s) {
  return s == 4 || s == 8 || s == 11 || s == 15 || s == 18 || s == 22 || s == 25 || s == 29;
}

std::vector<ExerciceGenere> trouver_finales(int nombre) {
  std::vector<ExerciceGenere> trouves;
  Alea alea{0xF1A1Eull};
  std::set<std::string> vues;
  for (const Quota& q : QUOTAS) {
    const int voulus = std::min(q.nombre, nombre - static_cast<int>(trouves.size()));
    int trouves_classe = 0;
    for (int essai = 0; essai < ESSAIS && trouves_classe < voulus; ++essai) {
      const Camp camp = static_cast<Camp>(alea.entier(2));
      if (!placer(q.classe, camp, alea)) continue;
      std::string cle(reinterpret_cast<const char*>(damier + 1), NB_CASES);
      cle += static_cast<char>('0' + camp);
      if (vues.count(cle)) continue;
      vues.insert(cle);
      const std::optional<PreuveFinale> p = prouver_finale(camp, q.classe);
      if (!p) continue;
      ExerciceGenere e(Groupe::Finales, position_courante(), {}, camp);
      e.finale = p;
      e.depart.cases[0] = 0;
      trouves.push_back(e);
      ++trouves_classe;
    }
  }
  return trouves;
}
