// Shots and opening traps: positions where one quiet move, and one only,
// wins material by force, found in games the engine plays against itself
// and after the books' lines, and proved by the material search.
#include <algorithm>
#include <cstring>
#include <set>

#include "generateur.h"
#include "knowledge/books.h"
#include "knowledge/preuve.h"
#include "rules/generation.h"

namespace {

constexpr int INFINI = PREUVE_GAGNE + 1;
constexpr int LONGUEUR_MAX = PROFONDEUR_PREUVE - MARGE_PREUVE;
constexpr int TRI_RAPIDE = 7;  // plies of the first look at a position
constexpr int GAIN_MAX = 12;   // a larger gain is a won game, no shot
constexpr int PALIER = 10;     // plies of the look that sorts out most positions before the proof

bool peut_prendre(Camp camp) {
  const std::vector<Coup> c = coups_distincts(camp);
  return !c.empty() && c[0].nb_prises > 0;
}

int dames_de(Camp camp) {
  return nombre_cases((camp == NOIRS ? masque_noirs : masque_blancs) & masque_dames);
}

// The solution from the position on damier, `camp` to move, whose value at
// `profondeur` is `gain`: the player's move that alone keeps it, the reply
// that gives the least, until the gain stands on a quiet board or several
// moves of the player's keep a gain already on the board. Nothing when the
// player's move is not alone before that, or the line is too long. The
// board is given back.
std::optional<std::vector<Coup>> ligne_solution(Camp camp, int profondeur, int gain) {
  PlateauGarde depart;
  depart.prendre();
  std::vector<Coup> ligne;
  Camp au_trait = camp;
  std::optional<std::vector<Coup>> resultat;
  for (int d = profondeur; d > 0 && static_cast<int>(ligne.size()) < LONGUEUR_MAX; --d) {
    Coup joue;
    if (au_trait == camp) {
      const std::vector<Coup> bons = coups_atteignant(camp, d, gain, 2);
      if (bons.size() != 1) {
        // Several moves keep a gain already on the board: the shot is
        // over, the rest is a choice.
        if (bons.size() > 1 && !ligne.empty() && materiel_preuve(camp) >= gain) resultat = ligne;
        break;
      }
      joue = bons[0];
    } else {
      // The first reply that gives no more than the gain, else the one that
      // gives the least: the best defence.
      const std::vector<Coup> tient = coups_atteignant(au_trait, d, -gain, 1);
      if (!tient.empty()) {
        joue = tient[0];
      } else {
        const std::vector<CoupValeur> v = valeurs_coups(au_trait, d, -INFINI, INFINI);
        if (v.empty()) break;
        joue = std::max_element(v.begin(), v.end(), [](const CoupValeur& a, const CoupValeur& b) {
                 return a.valeur < b.valeur;
               })->coup;
      }
    }
    jouer_preuve(joue);
    ligne.push_back(joue);
    au_trait = adversaire(au_trait);
    if (coups_distincts(au_trait).empty() || (!peut_prendre(au_trait) && materiel_preuve(camp) >= gain)) {
      resultat = ligne;
      break;
    }
  }
  depart.rendre();
  return resultat;
}

// The half-moves of a book line played on damier from the side to move,
// up to the first that is not legal there.
std::vector<Coup> lire_ligne(const std::string& texte) {
  std::vector<Coup> coups;
  for (const CoupBibliotheque& c : lire_ligne_ouverture(texte)) {
    bool trouve = false;
    for (const Coup& m : coups_distincts(trait))
      if (m.depart == c.depart && m.arrivee == c.arrivee) {
        coups.push_back(m);
        jouer_preuve(m);
        trait = adversaire(trait);
        trouve = true;
        break;
      }
    if (!trouve) break;
  }
  return coups;
}

// A move of the engine's sparring side: the best for material `profondeur`
// plies deep, chosen at random among equals.
Coup coup_de_partie(Camp camp, int profondeur, Alea& alea) {
  const std::vector<CoupValeur> v = valeurs_coups(camp, profondeur);
  int meilleur = -INFINI;
  for (const CoupValeur& c : v) meilleur = std::max(meilleur, c.valeur);
  std::vector<Coup> egaux;
  for (const CoupValeur& c : v)
    if (c.valeur == meilleur) egaux.push_back(c.coup);
  return egaux[static_cast<std::size_t>(alea.entier(static_cast<int>(egaux.size())))];
}

// The position on damier, `camp` to move, as a shot worth an exercise: no
// kings (the shots of the middle game), and a first look that sees a gain.
bool candidat(Camp camp) {
  if (masque_dames != 0 || nombre_cases(masque_blancs | masque_noirs) < 12) return false;
  if (peut_prendre(camp) || peut_prendre(adversaire(camp))) return false;
  const int m = materiel_preuve(camp);
  return chercher_preuve(camp, TRI_RAPIDE, m, m + 1) > m;
}

Position position_depart() {
  position_initiale();
  Position p = position_courante();
  p.trait = BLANCS;
  return p;
}

std::string cle(Camp camp) {
  std::string c(reinterpret_cast<const char*>(damier + 1), NB_CASES);
  return c + static_cast<char>('0' + camp);
}

// What a solution of `camp` from damier does: pieces given before the
// player's first capture, its largest capture, a crowning. Nothing when it
// is no shot: neither a sacrifice nor a capture of several pieces, or a
// crowning of the other side's, or one of the player's that the gain
// (where it counts 2) does not cover.
std::optional<PreuveCoup> forme_de_coup(Camp camp, const std::vector<Coup>& ligne, int gain) {
  PreuveCoup p{ligne, 0, gain, false, 0, 0, 0, 0};
  PlateauGarde depart;
  depart.prendre();
  const int dames_joueur = dames_de(camp), dames_autre = dames_de(adversaire(camp));
  bool a_pris = false;
  for (std::size_t i = 0; i < ligne.size(); ++i) {
    const Coup& m = ligne[i];
    const bool joueur = i % 2 == 0;
    if (joueur && m.nb_prises > 0) a_pris = true;
    if (!joueur && !a_pris) p.donnes += m.nb_prises;
    if (joueur) p.rafle = std::max(p.rafle, static_cast<int>(m.nb_prises));
    jouer_preuve(m);
  }
  p.dame = dames_de(camp) > dames_joueur;
  const bool dame_adverse = dames_de(adversaire(camp)) > dames_autre;
  depart.rendre();
  if (dame_adverse || (p.dame && gain < 2) || (p.donnes == 0 && p.rafle < 2)) return std::nullopt;
  return p;
}

// The value and the winning moves at `profondeur`, as the proof finds them
// (`preuve`: from an empty table) or as a quicker look does; nothing unless
// one move alone wins.
std::optional<PreuveGain> gain_unique(Camp camp, int profondeur, bool preuve) {
  const int avant = materiel_preuve(camp);
  PreuveGain g;
  if (preuve) {
    g = prouver_gain(camp, profondeur, GAIN_MAX);
  } else {
    g.valeur = avant;
    while (g.valeur < avant + GAIN_MAX && chercher_preuve(camp, profondeur, g.valeur, g.valeur + 1) > g.valeur)
      ++g.valeur;
    if (g.valeur > avant) g.gagnants = coups_atteignant(camp, profondeur, g.valeur, 2);
  }
  if (g.valeur == avant || g.valeur >= avant + GAIN_MAX || g.gagnants.size() != 1) return std::nullopt;
  return g;
}

}  // namespace

std::optional<PreuveCoup> prouver_coup(Camp camp, int profondeur) {
  vider_table_preuve();
  const std::vector<Coup> coups = coups_distincts(camp);
  if (coups.size() < 2 || coups[0].nb_prises > 0) return std::nullopt;
  const int avant = materiel_preuve(camp);
  // Positions where a shallow look sees two moves that win are left at once,
  // and those whose solution is no shot a few plies short of the proof.
  if (coups_atteignant(camp, TRI_RAPIDE, avant + 1, 2).size() != 1) return std::nullopt;
  if (profondeur > PALIER) {
    const std::optional<PreuveGain> g = gain_unique(camp, PALIER, false);
    if (!g) return std::nullopt;
    const std::optional<std::vector<Coup>> ligne = ligne_solution(camp, PALIER, g->valeur);
    if (!ligne || !forme_de_coup(camp, *ligne, g->valeur - avant)) return std::nullopt;
  }
  // The proof itself, from an empty table as the tests make it again.
  const std::optional<PreuveGain> g = gain_unique(camp, profondeur, true);
  if (!g) return std::nullopt;
  const int valeur = g->valeur;
  const std::optional<std::vector<Coup>> ligne = ligne_solution(camp, profondeur, valeur);
  if (!ligne || static_cast<int>(ligne->size()) + MARGE_PREUVE > profondeur) return std::nullopt;
  std::optional<PreuveCoup> p = forme_de_coup(camp, *ligne, valeur - avant);
  if (!p) return std::nullopt;
  p->profondeur = profondeur;
  p->nb_coups = static_cast<int>(coups.size());
  // The shallowest depth at which the first move alone wins as much: how
  // far the player must see. Deeper results would answer for shallower
  // questions: the table starts empty and the depths go up.
  vider_table_preuve();
  p->vu_a = profondeur;
  for (int d = static_cast<int>(ligne->size()); d < profondeur; ++d) {
    const std::vector<Coup> v = coups_atteignant(camp, d, valeur, 2);
    if (v.size() == 1 && meme_position_atteinte(v[0], g->gagnants[0])) {
      p->vu_a = d;
      break;
    }
  }
  return p;
}

std::vector<ExerciceGenere> trouver_coups(const std::vector<std::string>& lignes, int nombre) {
  std::vector<ExerciceGenere> trouves;
  std::set<std::string> vues;
  Alea alea{0xC0A5E5ull};
  const Position initiale = position_depart();
  for (int partie = 0; static_cast<int>(trouves.size()) < nombre && partie < 400; ++partie) {
    // An opening of the books, a few moves of it, then the sparring game.
    placer_position(initiale);
    const std::string& texte = lignes[static_cast<std::size_t>(alea.entier(static_cast<int>(lignes.size())))];
    std::vector<Coup> coups = lire_ligne(texte);
    coups.resize(std::min(coups.size(), static_cast<std::size_t>(4 + alea.entier(7))));
    placer_position(initiale);
    for (const Coup& m : coups) {
      jouer_preuve(m);
      trait = adversaire(trait);
    }
    while (coups.size() < 120 && !coups_distincts(trait).empty()) {
      const Camp camp = trait;
      if (coups.size() >= 12 && !vues.count(cle(camp)) && candidat(camp)) {
        vues.insert(cle(camp));
        if (std::optional<PreuveCoup> p = prouver_coup(camp, PROFONDEUR_PREUVE)) {
          ExerciceGenere e(Groupe::Coups, initiale, coups, camp);
          e.coup = p;
          trouves.push_back(e);
          break;  // one exercise a game: more kinds of positions
        }
      }
      const Coup m = coup_de_partie(camp, 1 + alea.entier(3), alea);
      jouer_preuve(m);
      trait = adversaire(trait);
      coups.push_back(m);
    }
  }
  return trouves;
}

std::vector<ExerciceGenere> trouver_pieges(const std::vector<std::string>& lignes, int nombre) {
  std::vector<ExerciceGenere> trouves;
  std::set<std::string> vues;
  std::map<std::string, int> par_ouverture;  // traps found after each first two half-moves
  constexpr int PAR_OUVERTURE = 4;
  Alea alea{0x7A9E5ull};
  std::vector<std::size_t> ordre(lignes.size());
  for (std::size_t i = 0; i < ordre.size(); ++i) ordre[i] = i;
  for (std::size_t i = ordre.size(); i > 1; --i)
    std::swap(ordre[i - 1], ordre[static_cast<std::size_t>(alea.entier(static_cast<int>(i)))]);
  const Position initiale = position_depart();

  for (std::size_t l : ordre) {
    if (static_cast<int>(trouves.size()) >= nombre) break;
    placer_position(initiale);
    const std::vector<Coup> livre = lire_ligne(lignes[l]);
    const std::string ouverture = lignes[l].substr(0, 12);
    for (std::size_t p = 4; p < livre.size() && static_cast<int>(trouves.size()) < nombre; ++p) {
      if (par_ouverture[ouverture] >= PAR_OUVERTURE) break;
      placer_position(initiale);
      for (std::size_t i = 0; i < p; ++i) {
        jouer_preuve(livre[i]);
        trait = adversaire(trait);
      }
      const Camp fautif = trait;
      if (peut_prendre(fautif)) continue;
      const int avant = materiel_preuve(fautif);
      // A mistake that loses nothing at once: the shot is the whole trap.
      for (const CoupValeur& f : valeurs_coups(fautif, 2)) {
        if (f.valeur < avant || meme_position_atteinte(f.coup, livre[p])) continue;
        PlateauGarde garde;
        garde.prendre();
        jouer_preuve(f.coup);
        const Camp joueur = adversaire(fautif);
        const std::string c = cle(joueur);
        if (!vues.count(c)) {
          vues.insert(c);
          if (candidat(joueur)) {
            if (std::optional<PreuveCoup> pr = prouver_coup(joueur, PROFONDEUR_PREUVE)) {
              std::vector<Coup> avant_exercice(livre.begin(), livre.begin() + static_cast<long>(p));
              avant_exercice.push_back(f.coup);
              ExerciceGenere e(Groupe::Pieges, initiale, avant_exercice, joueur);
              e.coup = pr;
              e.lignes_livre = static_cast<int>(p);
              trouves.push_back(e);
              ++par_ouverture[ouverture];
            }
          }
        }
        garde.rendre();
        if (par_ouverture[ouverture] >= PAR_OUVERTURE || static_cast<int>(trouves.size()) >= nombre) break;
      }
    }
  }
  return trouves;
}
