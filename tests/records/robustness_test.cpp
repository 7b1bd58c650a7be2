// Both readers and the replay over files cut, lengthened, mutated and random:
// nothing may crash (the sanitizer build runs this), all stays within bounds.

#include <cstdio>

#include "records/pdn.h"
#include "records/text_games.h"
#include "records_support.h"
#include "support/etat.h"

using Robustesse = Moteur;

namespace {

// Bounds every parsed game keeps, whatever the input.
void verifier(const std::vector<PartieLue>& parties, bool texte) {
  for (const PartieLue& p : parties) {
    ASSERT_LT(p.nom_blanc.size(), static_cast<std::size_t>(LONGUEUR_NOM));
    ASSERT_LT(p.nom_noir.size(), static_cast<std::size_t>(LONGUEUR_NOM));
    ASSERT_TRUE(p.resultat >= 0 && p.resultat <= 3);
    if (texte) {
      ASSERT_LE(p.coups.size(), static_cast<std::size_t>(MAX_COUPS_LUS));
    }
    for (const CoupLu& c : p.coups) {
      ASSERT_LE(c.depart, NB_CASES);
      ASSERT_LE(c.arrivee, NB_CASES);
      for (const Case k : c.escales) ASSERT_LE(k, NB_CASES);
    }
  }
}

// Reads with both readers and replays the first games both ways.
void lire_et_rejouer(const std::string& octets) {
  for (const bool texte : {true, false}) {
    const std::vector<PartieLue> p = texte ? lire_parties_texte(octets) : lire_parties_pdn(octets);
    verifier(p, texte);
    for (std::size_t g = 0; g < p.size() && g < 3; ++g) {
      rejouer_partie(p[g], static_cast<int>(g + 1), !texte);
      ASSERT_LE(dernier_demi_coup, DERNIER_DEMI_COUP);
      ASSERT_EQ(nb_demi_coups, dernier_demi_coup);
    }
  }
}

}  // namespace

TEST_F(Robustesse, CutLengthenedMutatedAndRandomFilesAreReadWithoutHarm) {
  std::mt19937 hasard(99);
  // Samples: games of both kinds written by the program, and by hand.
  std::vector<std::string> modeles;
  std::string pdn, texte;
  for (int g = 0; g < 3; ++g) {
    position_initiale();
    partie_aleatoire(hasard, 80);
    pdn += ecrire_partie_pdn("A\xE9", "B", resultat_partie, "", g == 1);
    texte += ecrire_texte_partie("A", "B\xE9", resultat_partie) + "\r\n";
  }
  modeles.push_back(pdn);
  modeles.push_back(texte);
  modeles.push_back(
      "[Black \"x\\\"y\"]\n[FEN \"W:WK4,K29:B1-3\"]\n{c (d} 1... 29x22x15 (2. 4-8 {e} (3. 1-5)) 2. 1-6! $2 1/2-1/2\n");

  const std::string speciaux = "[]{}()\"\\.-x:;%$*!?0123456789 \r\n\t\xC3\xA9\xEF\xBB\xBF";
  int cas = 0;
  for (const std::string& m : modeles) {
    // Cut at every length (in steps on long samples).
    const std::size_t pas = std::max<std::size_t>(1, m.size() / 400);
    for (std::size_t n = 0; n <= m.size(); n += pas, ++cas) lire_et_rejouer(m.substr(0, n));
    // Lengthened: repeated, followed by noise, or by a long run of one byte.
    lire_et_rejouer(m + m + m), ++cas;
    lire_et_rejouer(m + std::string(70000, 'x')), ++cas;
    lire_et_rejouer(std::string(70000, '-') + m), ++cas;
    for (int k = 0; k < 300; ++k, ++cas) {
      std::string s = m;
      const int changements = 1 + static_cast<int>(hasard() % 8);
      for (int c = 0; c < changements && !s.empty(); ++c) {
        const std::size_t i = hasard() % s.size();
        switch (hasard() % 4) {
          case 0: s[i] = static_cast<char>(hasard()); break;
          case 1: s[i] = speciaux[hasard() % speciaux.size()]; break;
          case 2: s.insert(i, 1, speciaux[hasard() % speciaux.size()]); break;
          default: s.erase(i, 1 + hasard() % 8); break;
        }
      }
      lire_et_rejouer(s);
    }
  }
  for (int k = 0; k < 200; ++k, ++cas) {
    std::string s(hasard() % 3000, ' ');
    for (char& c : s) c = k % 2 ? static_cast<char>(hasard()) : speciaux[hasard() % speciaux.size()];
    lire_et_rejouer(s);
  }
  std::printf("%d files, each through both readers\n", cas);
}
