// Every outcome of the shot catalogue, played out on a board that matches it,
// wins against every defence the material it stands for (80: one man, 120:
// two, 180: three; a king counts three men).

#include <string>

#include "evaluation/patterns.h"
#include "support/etat.h"
#include "support/oracle.h"
#include "support/positions.h"

namespace {

using motifs::Catalogue;
using motifs::Condition;
using Shots = Moteur;

// White's material after best play, `prof` plies deep and on while captures are
// pending; a side without a move is scored by material (it proves no shot).
int jouer_au_mieux(const oracle::Plateau& b, Camp camp, int prof, int ply) {
  const auto coups = reference::coups(b, camp);
  if (coups.empty() || (prof <= 0 && std::get<2>(*coups.begin()).empty()) || ply >= MAX_PLY - 1)
    return oracle::materiel(b, BLANCS);
  int meilleur = camp == BLANCS ? -1000 : 1000;
  for (const auto& m : coups) {
    const int v = jouer_au_mieux(reference::jouer(b, m), adversaire(camp), prof - 1, ply + 1);
    meilleur = camp == BLANCS ? std::max(meilleur, v) : std::min(meilleur, v);
  }
  return meilleur;
}

// The men and empty squares a condition asks for, on top of `cases`; false
// when it contradicts what is there already.
bool imposer(const Condition& c, std::uint8_t* cases) {
  for (int s = 1; s <= 32; ++s) {
    const std::uint32_t b = 1u << (s - 1);
    int voulu = -1;
    if ((c.pb | c.xb) & b) voulu = PION_BLANC;
    if ((c.pn | c.xn) & b) voulu = voulu >= 0 ? 99 : PION_NOIR;
    if (c.vide & b) voulu = voulu >= 0 ? 99 : VIDE;
    if (voulu == 99) return false;
    if (voulu < 0) continue;
    if (cases[s] != 0xFF && cases[s] != voulu) return false;
    cases[s] = static_cast<std::uint8_t>(voulu);
  }
  return true;
}

struct Verdict {
  bool trouve = false;   // some board matched the outcome
  bool gagne = false;    // and the combination won what it claims there
  std::string position;  // the last board tried
};

// Tries the boards that match outcome `o` of rule `r` (each alternative of
// each group, each occupant of the occupied squares) until one wins.
Verdict verifier(const Catalogue& cat, int r, int o, Camp camp) {
  const motifs::Noeud& regle = cat.noeuds[cat.racines[r]];
  const motifs::Noeud& issue = cat.noeuds[regle.premier + o];
  const auto alternatives = [&](const Condition& c) {
    std::vector<Condition> v;
    if (c.groupe < 0) v.push_back(Condition{});
    else v = cat.alternatives[c.groupe];
    return v;
  };
  // Every square the rule looks at.
  const auto masque = [](const Condition& c) {
    return c.pb | c.pn | c.xb | c.xn | c.vide | c.occupe | c.non_pb | c.non_pn | c.non_xb | c.non_xn;
  };
  std::uint32_t mentionnees = masque(regle.condition);
  for (int i = 0; i < regle.nombre; ++i) {
    const Condition& c = cat.noeuds[regle.premier + i].condition;
    mentionnees |= masque(c);
    if (c.groupe >= 0)
      for (const Condition& a : cat.alternatives[c.groupe]) mentionnees |= masque(a);
  }
  Verdict verdict;
  for (const Condition& a1 : alternatives(regle.condition))
    for (const Condition& a2 : alternatives(issue.condition)) {
      std::uint8_t cases[33];
      std::memset(cases, 0xFF, sizeof cases);
      if (!imposer(regle.condition, cases) || !imposer(issue.condition, cases) || !imposer(a1, cases) ||
          !imposer(a2, cases))
        continue;
      const std::uint32_t occupe = regle.condition.occupe | issue.condition.occupe | a1.occupe | a2.occupe;
      std::vector<int> libres;
      bool contradiction = false;
      for (int s = 1; s <= 32; ++s)
        if ((occupe >> (s - 1)) & 1u) {
          if (cases[s] == VIDE) contradiction = true;
          if (cases[s] == 0xFF) libres.push_back(s);
        }
      if (contradiction) continue;
      // Squares the other outcomes look at: empty first, then any content,
      // so that an earlier outcome can be ruled out.
      std::vector<int> autres;
      for (int s = 1; s <= 32; ++s)
        if (cases[s] == 0xFF && ((mentionnees >> (s - 1)) & 1u) && !((occupe >> (s - 1)) & 1u)) autres.push_back(s);
      if (autres.size() > 8) autres.resize(8);
      unsigned nb_autres = 1;
      for (std::size_t i = 0; i < autres.size(); ++i) nb_autres *= 3;
      for (unsigned combinaison = 0; combinaison < (nb_autres << libres.size()); ++combinaison) {
        const unsigned choix = combinaison % (1u << libres.size());
        unsigned reste = combinaison >> libres.size();
        vider_damier();
        for (int s = 1; s <= 32; ++s) damier[s] = cases[s] == 0xFF ? VIDE : cases[s];
        for (std::size_t i = 0; i < libres.size(); ++i)
          damier[libres[i]] = ((choix >> i) & 1u) ? PION_NOIR : PION_BLANC;
        for (int s : autres) {
          const Piece contenus[3] = {VIDE, PION_BLANC, PION_NOIR};
          damier[s] = contenus[reste % 3];
          reste /= 3;
        }
        compter_pieces();
        const motifs::Plateau p = motifs::lire_plateau(camp == BLANCS);
        // The board must select this very outcome of the rule.
        if (!motifs::vraie(cat, regle.condition, p)) continue;
        int premiere = -1;
        for (int i = 0; i < regle.nombre && premiere < 0; ++i)
          if (motifs::vraie(cat, cat.noeuds[regle.premier + i].condition, p)) premiere = i;
        if (premiere != o) continue;
        verdict.trouve = true;
        verdict.position = ecrire_fen(position_courante());
        const int avant = oracle::materiel(plateau(), BLANCS);
        const int apres = jouer_au_mieux(plateau(), camp, 5, 1);
        const int gain = camp == BLANCS ? apres - avant : avant - apres;
        const int valeur = issue.valeur < 0 ? -issue.valeur : issue.valeur;
        const int attendu = valeur == 80 ? 1 : valeur == 120 ? 2 : 3;
        if (gain >= attendu) {
          verdict.gagne = true;
          return verdict;
        }
      }
    }
  return verdict;
}

// Every outcome of every shot of a catalogue, and there are many.
void verifier_catalogue(const Catalogue& cat, Camp camp) {
  int issues = 0;
  for (std::size_t r = 0; r < cat.racines.size(); ++r) {
    const motifs::Noeud& regle = cat.noeuds[cat.racines[r]];
    for (int o = 0; o < regle.nombre; ++o, ++issues) {
      const Verdict v = verifier(cat, static_cast<int>(r), o, camp);
      EXPECT_TRUE(v.trouve) << "shot " << r << " outcome " << o << ": no board selects it";
      EXPECT_TRUE(v.gagne) << "shot " << r << " outcome " << o << " does not win its material on " << v.position;
    }
  }
  EXPECT_GE(issues, 100);
}

TEST_F(Shots, EveryWhiteShotWinsWhatItClaims) { verifier_catalogue(motifs::coups_blancs(), BLANCS); }

TEST_F(Shots, EveryBlackShotWinsWhatItClaims) { verifier_catalogue(motifs::coups_noirs(), NOIRS); }

// The checker itself must be able to say no: a "shot" that wins nothing.
TEST_F(Shots, TheCheckerRejectsAFalseShot) {
  const motifs::Regle faux[] = {{"W22 B15 E18 [E14: 80]", motifs::Portee::LES_DEUX}};
  const Catalogue blancs = motifs::lire_regles(faux, 1, true, false);
  const Verdict v = verifier(blancs, 0, 0, BLANCS);
  EXPECT_TRUE(v.trouve);
  EXPECT_FALSE(v.gagne);
}

}  // namespace
