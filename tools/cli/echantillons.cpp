#include "echantillons.h"

#include <cstring>
#include <random>
#include <vector>

#include "rules/board.h"
#include "rules/fen.h"
#include "rules/generation.h"
#include "rules/moves.h"
#include "rules/notation.h"

const char* const STYLES_ECHANTILLON = "pool, algebraic, plain, russian, brazilian";

namespace {

const char* const NOMS_POOL[] = {"Ren\xC3\xA9 Dub\xC3\xA9", "Walter Hellman", "Marion Tinsley", "Ann Lee",
                                 "J\xC3\xBCrgen M\xC3\xBCller", "Zo\xC3\xAB"};
const char* const NOMS_RUSSES[] = {"\xD0\x9F\xD1\x91\xD1\x82\xD1\x80 \xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2",
                                   "\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0 \xD0\xA9\xD1\x83\xD0\xBA\xD0\xB8\xD0\xBD\xD0\xB0",
                                   "\xD0\x98\xD0\xB3\xD0\xBE\xD1\x80\xD1\x8C \xD0\x9A\xD0\xBE\xD1\x80\xD0\xBE\xD0\xBB\xD1\x91\xD0\xB2",
                                   "\xCE\x9D\xCE\xAF\xCE\xBA\xCE\xBF\xCF\x82 \xCE\x94\xCE\xB7\xCE\xBC\xCE\xB7\xCF\x84\xCF\x81\xCE\xAF\xCE\xBF\xCF\x85"};
const char* const NOMS_BRESILIENS[] = {"Jo\xC3\xA3o Concei\xC3\xA7\xC3\xA3o", "Ana Lu\xC3\xADsa", "S\xC3\xA9rgio",
                                       "\xC5\x81ukasz Wi\xC5\x9Bniewski"};

struct Style {
  const char* nom;
  const char* type;  // GameType tag, nullptr: none
  Numerotation num;
  char prise;           // capture separator
  const char* fin;      // line end
  bool majorite;        // only the largest captures, as Brazilian rules want
  bool chemins;         // captures always with every landing square
  const char* resultats[3];  // White won, draw, Black won
  const char* const* noms;
  int nb_noms;
  bool point_fen;  // the FEN ends with a dot
};

const Style STYLES[] = {
    {"pool", "23", NUMEROTATION_POOL, 'x', "\n", false, false, {"2-0", "1-1", "0-2"}, NOMS_POOL, 6, false},
    {"algebraic", "23,W,8,8,A0,0", NUMEROTATION_ALGEBRIQUE, 'x', "\r\n", false, false, {"1-0", "1/2-1/2", "0-1"},
     NOMS_POOL, 6, false},
    {"plain", nullptr, NUMEROTATION_ALGEBRIQUE, ':', "\r\n", false, true, {"2-0", "1-1", "0-2"}, NOMS_RUSSES, 4, true},
    {"russian", "25", NUMEROTATION_ALGEBRIQUE, ':', "\r\n", false, false, {"2-0", "1-1", "0-2"}, NOMS_RUSSES, 4,
     true},
    {"brazilian", "26", NUMEROTATION_ALGEBRIQUE, 'x', "\n", true, false, {"1-0", "1/2-1/2", "0-1"},
     NOMS_BRESILIENS, 4, false},
};

const char* const MARQUES[] = {"!", "?", "!!", "??", "!?", "?!"};

class Redacteur {
 public:
  Redacteur(const Style& s, std::uint32_t graine) : s_(s), hasard_(graine) {}

  Echantillon ecrire(int parties) {
    Echantillon e;
    for (int g = 0; g < parties; ++g) e.demi_coups += partie(g);
    e.texte = std::move(texte_);
    e.parties = parties;
    return e;
  }

 private:
  const Style& s_;
  std::mt19937 hasard_;
  std::string texte_, ligne_;

  int au_hasard(int n) { return static_cast<int>(hasard_() % static_cast<unsigned>(n)); }

  void mot(const std::string& m) {
    if (!ligne_.empty() && ligne_.size() + 1 + m.size() > 72) {
      texte_ += ligne_ + s_.fin;
      ligne_.clear();
    }
    ligne_ += (ligne_.empty() ? "" : " ") + m;
  }

  void etiquette(const char* nom, const std::string& valeur) {
    texte_ += std::string("[") + nom + " \"" + valeur + "\"]" + s_.fin;
  }

  // Move m of list 1 as written: captures with every landing square when
  // the style wants it, when another capture between the same squares takes
  // other pieces, and now and then anyway. List 1 is used up afterwards.
  std::string ecrire_coup(const Coup& m, int n) {
    const Numerotation& num = s_.num;
    std::string simple = nom_de_case(num, m.depart) + (m.nb_prises ? s_.prise : '-') + nom_de_case(num, m.arrivee);
    if (m.nb_prises < 2) return simple;
    bool ambigu = false;
    for (int i = 0; i < n; ++i) {
      const Coup& a = listes_coups[1][i];
      ambigu = ambigu || (a.depart == m.depart && a.arrivee == m.arrivee && masque_prises(a) != masque_prises(m));
    }
    if (!ambigu && !s_.chemins && au_hasard(3) != 0) return simple;
    if (decomposer_prise(m.depart, m.arrivee, m.prises + 1, m.nb_prises) == PRISE_INTROUVABLE) return simple;
    std::string s = nom_de_case(num, m.depart);
    for (int k = 1; k <= m.nb_prises; ++k) s += s_.prise + nom_de_case(num, escales[1][k]);
    return s;
  }

  // One random game; its plies.
  int partie(int g) {
    position_initiale();
    trait = BLANCS;
    bool fen = false;
    if (au_hasard(5) == 0) {
      for (int h = 6 + au_hasard(15); h > 0; --h) {
        const int n = coups_legaux(trait);
        if (n == 0) break;
        jouer_coup(listes_coups[1][au_hasard(n)]);
      }
      fen = true;
    }
    const Position depart = position_courante();
    const int longueur = 20 + au_hasard(150);
    std::vector<std::string> coups;
    std::vector<std::string> notes(1);  // what follows each move: marks, comments, variations
    int gagnant = -1;
    const Camp premier = trait;
    for (int h = 0; h < longueur; ++h) {
      int n = coups_legaux(trait);
      if (n == 0) {
        gagnant = adversaire(trait);
        break;
      }
      // Brazilian rules: the capture that takes the most pieces.
      std::vector<int> permis;
      int plus = 0;
      for (int i = 0; i < n; ++i) plus = std::max<int>(plus, listes_coups[1][i].nb_prises);
      for (int i = 0; i < n; ++i)
        if (!s_.majorite || listes_coups[1][i].nb_prises == plus) permis.push_back(i);
      const Coup m = listes_coups[1][permis[au_hasard(static_cast<int>(permis.size()))]];
      const Coup autre = listes_coups[1][au_hasard(n)];
      std::string note;
      const int d = au_hasard(40);
      if (d < 3) {
        note = MARQUES[au_hasard(6)];
      } else if (d < 5) {
        note = " $" + std::to_string(1 + au_hasard(6));
      } else if (d == 5) {
        note = " {a note, (with brackets) and 1-0 inside}";
      } else if (d == 6) {
        note = " ({another line} " + nom_de_case(s_.num, autre.depart) + (autre.nb_prises ? s_.prise : '-') +
               nom_de_case(s_.num, autre.arrivee) + " (and 1. 11-15 deeper))";
      }
      coups.push_back(ecrire_coup(m, n));
      notes.push_back(note);
      jouer_coup(m);
    }
    // Tags: the first mover is White or Black as the style names it.
    const int a = au_hasard(s_.nb_noms), b = (a + 1 + au_hasard(s_.nb_noms - 1)) % s_.nb_noms;
    const char lettre0 = lettre_camp(s_.num, BLANCS);
    const char* resultat = gagnant < 0 ? (au_hasard(2) ? "*" : s_.resultats[1])
                           : lettre_camp(s_.num, static_cast<Camp>(gagnant)) == 'W' ? s_.resultats[0]
                                                                                    : s_.resultats[2];
    etiquette("Event", "Sample " + std::to_string(g + 1));
    etiquette("Date", "2025.0" + std::to_string(1 + g % 9) + ".1" + std::to_string(g % 10));
    etiquette(lettre0 == 'W' ? "White" : "Black", s_.noms[a]);
    etiquette(lettre0 == 'W' ? "Black" : "White", s_.noms[b]);
    etiquette("Result", resultat);
    if (s_.type) etiquette("GameType", s_.type);
    if (fen) etiquette("FEN", ecrire_fen(depart, s_.num) + (s_.point_fen ? "." : ""));
    texte_ += s_.fin;
    // Moves with their numbers; after a comment the other side's move is numbered "n...".
    for (std::size_t h = 0; h < coups.size(); ++h) {
      const int q = static_cast<int>(h) + (premier == BLANCS ? 0 : 1);
      std::string m;
      if (q % 2 == 0)
        m = std::to_string(q / 2 + 1) + ". ";
      else if (h == 0 || !notes[h].empty())
        m = std::to_string(q / 2 + 1) + "... ";
      const std::string& note = notes[h + 1];
      mot(m + coups[h] + (note.empty() || note[0] == ' ' ? "" : note));
      if (!note.empty() && note[0] == ' ') mot(note.substr(1));
    }
    mot(resultat);
    texte_ += ligne_ + s_.fin + s_.fin;
    ligne_.clear();
    return static_cast<int>(coups.size());
  }
};

}  // namespace

Echantillon ecrire_echantillon(const std::string& style, int parties, std::uint32_t graine) {
  for (const Style& s : STYLES)
    if (style == s.nom) return Redacteur(s, graine).ecrire(parties);
  return {};
}
