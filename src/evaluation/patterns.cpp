// Reading the rule texts into masks and evaluating them on a board.
#include "evaluation/patterns.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "evaluation/evaluation.h"

namespace motifs {

namespace {

constexpr std::uint32_t bit(int s) { return 1u << (s - 1); }

// How the squares and colours of a written rule are turned before use.
struct Transformation {
  Case carte[33];
  bool inverse;  // colours exchanged (and the value's sign)
};

Transformation identite() {
  Transformation t{};
  for (int s = 0; s <= 32; ++s) t.carte[s] = static_cast<Case>(s);
  t.inverse = false;
  return t;
}

Transformation demi_tour() {
  Transformation t{};
  for (int s = 1; s <= 32; ++s) t.carte[s] = static_cast<Case>(33 - s);
  t.inverse = true;
  return t;
}

// Square at row r, file c, or 0 when that is no dark square of the board.
Case case_en(int r, int c) {
  if (r < 0 || r > 7 || c < 0 || c > 7 || (r + c) % 2 == 0) return 0;
  return static_cast<Case>(4 * r + c / 2 + 1);
}

// Shift by dr rows and dc files, after a left-right reflection when `miroir`.
Transformation deplacement(bool miroir, int dr, int dc) {
  Transformation t{};
  for (int s = 1; s <= 32; ++s) {
    const int c = colonne(static_cast<Case>(s));
    t.carte[s] = case_en(rangee(static_cast<Case>(s)) + dr, (miroir ? 7 - c : c) + dc);
  }
  t.inverse = false;
  return t;
}

constexpr std::uint16_t miroir_drapeaux(std::uint16_t d) {
  std::uint16_t r = d & ~(TRAIT_BLANC | TRAIT_NOIR | SANS_DAME_BLANCHE | SANS_DAME_NOIRE);
  if (d & TRAIT_BLANC) r |= TRAIT_NOIR;
  if (d & TRAIT_NOIR) r |= TRAIT_BLANC;
  if (d & SANS_DAME_BLANCHE) r |= SANS_DAME_NOIRE;
  if (d & SANS_DAME_NOIRE) r |= SANS_DAME_BLANCHE;
  return r;
}

class Lecteur {
 public:
  Lecteur(Catalogue& c, const Transformation& t, const char* texte) : cat_(c), t_(t), debut_(texte), p_(texte) {}

  // Reads one whole rule; false when it does not fit the board under the transformation.
  bool lire(Noeud& sortie) {
    sortie = regle();
    espaces();
    if (*p_ != '\0') erreur("text after the rule");
    return valide_ && !hors_couronne_;
  }

 private:
  Catalogue& cat_;
  const Transformation& t_;
  const char* debut_;
  const char* p_;
  bool valide_ = true;
  bool hors_couronne_ = false;  // the rule being read needs a crowning square that is not one

  [[noreturn]] void erreur(const char* quoi) {
    std::fprintf(stderr, "pattern rule \"%s\": %s at offset %d\n", debut_, quoi, static_cast<int>(p_ - debut_));
    std::abort();
  }

  void espaces() {
    while (*p_ == ' ') ++p_;
  }

  int nombre() {
    if (!std::isdigit(static_cast<unsigned char>(*p_)) && *p_ != '-') erreur("number expected");
    char* fin = nullptr;
    const long v = std::strtol(p_, &fin, 10);
    p_ = fin;
    return static_cast<int>(v);
  }

  std::uint32_t carre() {
    const int s = nombre();
    if (s < 1 || s > 32) erreur("square out of 1..32");
    const Case m = t_.carte[s];
    if (m == 0) {
      valide_ = false;
      return 0;
    }
    return bit(m);
  }

  bool mot(const char* m) {
    int i = 0;
    while (m[i] != '\0' && p_[i] == m[i]) ++i;
    if (m[i] != '\0') return false;
    p_ += i;
    return true;
  }

  // Conditions up to ':', a bracket, ',', '|' or the end.
  Condition conditions(bool dans_groupe) {
    Condition c;
    for (;;) {
      espaces();
      const char ch = *p_;
      if (ch == '\0' || ch == ':' || ch == '{' || ch == '[' || ch == ',' || ch == '}' || ch == ']' || ch == '|' ||
          ch == ')')
        break;
      if (ch == '(') {
        if (dans_groupe) erreur("nested group");
        ++p_;
        std::vector<Condition> groupe;
        for (;;) {
          groupe.push_back(conditions(true));
          espaces();
          if (*p_ == '|') {
            ++p_;
            continue;
          }
          if (*p_ != ')') erreur("')' expected");
          ++p_;
          break;
        }
        if (c.groupe >= 0) erreur("two groups in one condition");
        c.groupe = static_cast<std::int16_t>(cat_.alternatives.size());
        cat_.alternatives.push_back(std::move(groupe));
        continue;
      }
      std::uint16_t drapeau = 0;
      if (mot("tB")) drapeau = TRAIT_BLANC;
      else if (mot("tN")) drapeau = TRAIT_NOIR;
      else if (mot("p01")) drapeau = PHASE_01;
      else if (mot("p23")) drapeau = PHASE_23;
      else if (mot("p0")) drapeau = PHASE_0;
      else if (mot("p3")) drapeau = PHASE_3;
      else if (mot("nDB")) drapeau = SANS_DAME_BLANCHE;
      else if (mot("nDN")) drapeau = SANS_DAME_NOIRE;
      if (drapeau != 0) {
        c.drapeaux |= t_.inverse ? miroir_drapeaux(drapeau) : drapeau;
        continue;
      }
      ++p_;
      const std::uint32_t b = carre();
      const bool inv = t_.inverse;
      switch (ch) {
        case 'W': (inv ? c.pn : c.pb) |= b; break;
        case 'B': (inv ? c.pb : c.pn) |= b; break;
        case 'X': (inv ? c.xn : c.xb) |= b; break;
        case 'Y': (inv ? c.xb : c.xn) |= b; break;
        case 'w': (inv ? c.non_pn : c.non_pb) |= b; break;
        case 'b': (inv ? c.non_pb : c.non_pn) |= b; break;
        case 'x': (inv ? c.non_xn : c.non_xb) |= b; break;
        case 'y': (inv ? c.non_xb : c.non_xn) |= b; break;
        case 'E': c.vide |= b; break;
        case 'K':  // an empty square of the crowning row of the side the rule is for
          c.vide |= b;
          [[fallthrough]];
        case 'c':  // only: the square is on that crowning row
          if (b != 0 && (inv ? (b & 0xF0000000u) == 0 : (b & 0xFu) == 0)) hors_couronne_ = true;
          break;
        case 'O': c.occupe |= b; break;
        default: --p_; erreur("unknown condition");
      }
    }
    return c;
  }

  Noeud regle() {
    Noeud n;
    n.condition = conditions(false);
    espaces();
    if (*p_ == ':') {
      ++p_;
      espaces();
      const int v = nombre();
      n.valeur = static_cast<std::int16_t>(t_.inverse ? -v : v);
      espaces();
    }
    if (*p_ == '{' || *p_ == '[') {
      const char fin = *p_ == '{' ? '}' : ']';
      n.exclusif = *p_ == '[';
      ++p_;
      std::vector<Noeud> enfants;
      const bool hors_couronne = hors_couronne_;
      for (;;) {
        // A child that looks off the shifted board, or counts on a crowning
        // it does not give, is left out; the others still hold.
        const bool valide = valide_;
        valide_ = true;
        hors_couronne_ = false;
        const Noeud e = regle();
        if (valide_ && !hors_couronne_) enfants.push_back(e);
        valide_ = valide;
        hors_couronne_ = false;
        espaces();
        if (*p_ == ',') {
          ++p_;
          continue;
        }
        if (*p_ != fin) erreur("closing bracket expected");
        ++p_;
        break;
      }
      hors_couronne_ = hors_couronne;
      n.premier = static_cast<std::uint16_t>(cat_.noeuds.size());
      n.nombre = static_cast<std::uint16_t>(enfants.size());
      cat_.noeuds.insert(cat_.noeuds.end(), enfants.begin(), enfants.end());
    }
    return n;
  }
};

// A white man cannot stand on row 0 nor a black man on row 7: such images
// of a shot describe no position.
bool condition_possible(const Condition& c) { return (c.pb & 0xFu) == 0 && (c.pn & 0xF0000000u) == 0; }

bool noeud_possible(const Catalogue& cat, const Noeud& n) {
  if (!condition_possible(n.condition)) return false;
  for (int i = 0; i < n.nombre; ++i)
    if (!noeud_possible(cat, cat.noeuds[n.premier + i])) return false;
  return true;
}

void ajouter(Catalogue& cat, const Regle& r, const Transformation& t, bool deplacable) {
  const std::size_t n0 = cat.noeuds.size(), a0 = cat.alternatives.size();
  Noeud n;
  Lecteur l(cat, t, r.texte);
  if (l.lire(n) && (!deplacable || (noeud_possible(cat, n) && n.nombre > 0))) {
    cat.racines.push_back(static_cast<std::uint16_t>(cat.noeuds.size()));
    cat.noeuds.push_back(n);
  } else {
    cat.noeuds.resize(n0);
    cat.alternatives.resize(a0);
  }
}

int valeur_noeud(const Catalogue& cat, const Noeud& n, const Plateau& p) {
  int v = n.valeur;
  for (int i = 0; i < n.nombre; ++i) {
    if (!noeud_vrai(cat, n.premier + i, p)) continue;
    v += valeur_noeud(cat, cat.noeuds[n.premier + i], p);
    if (n.exclusif) break;
  }
  return v;
}

}  // namespace

Catalogue lire_regles(const Regle* regles, int nombre, bool blancs, bool noirs) {
  Catalogue cat;
  const Transformation id = identite(), dt = demi_tour();
  for (int i = 0; i < nombre; ++i) {
    const Regle& r = regles[i];
    const bool deplacable = r.portee == Portee::DEPLACABLE;
    const bool pour_blancs = r.portee != Portee::NOIRS_SEULS;
    const bool image_noire = r.portee == Portee::LES_DEUX || deplacable;
    if (blancs && pour_blancs) ajouter(cat, r, id, false);
    if (noirs && r.portee == Portee::NOIRS_SEULS) ajouter(cat, r, id, false);
    if (noirs && image_noire) ajouter(cat, r, dt, false);
    if (!deplacable) continue;
    // Every shift and reflection of the shot that keeps it on the board.
    for (int miroir = 0; miroir <= 1; ++miroir)
      for (int dr = -7; dr <= 7; ++dr)
        for (int dc = -7; dc <= 7; ++dc) {
          if (!miroir && dr == 0 && dc == 0) continue;
          Transformation t = deplacement(miroir != 0, dr, dc);
          if (blancs) ajouter(cat, r, t, true);
          if (noirs) {
            Transformation tn{};
            for (int s = 1; s <= 32; ++s) tn.carte[s] = t.carte[s] == 0 ? 0 : static_cast<Case>(33 - t.carte[s]);
            tn.inverse = true;
            ajouter(cat, r, tn, true);
          }
        }
  }
  for (const Noeud& n : cat.noeuds) {
    const Condition& c = n.condition;
    cat.filtres.push_back({c.pb | c.pn | c.xb | c.xn | c.occupe, c.vide});
  }
  for (std::uint16_t i : cat.racines) {
    const Condition& c = cat.noeuds[i].condition;
    cat.filtres_racines.pb.push_back(c.pb);
    cat.filtres_racines.pn.push_back(c.pn);
    cat.filtres_racines.vide.push_back(c.vide);
    cat.filtres_racines.plein.push_back(cat.filtres[i].plein);
  }
  FiltresRacines& fr = cat.filtres_racines;
  const std::size_t arrondi = (fr.pb.size() + 3) / 4 * 4;
  for (auto* v : {&fr.pb, &fr.pn, &fr.vide, &fr.plein}) v->resize(arrondi, 0);
  return cat;
}

Plateau lire_plateau(bool trait_blanc) {
  Plateau p;
  p.pb = masque_blancs & ~masque_dames;
  p.pn = masque_noirs & ~masque_dames;
  p.xb = masque_blancs;
  p.xn = masque_noirs;
  p.vide = ~(p.xb | p.xn);
  p.drapeaux = trait_blanc ? TRAIT_BLANC : TRAIT_NOIR;
  p.drapeaux |= phase_partie < 2 ? PHASE_01 : PHASE_23;
  if (phase_partie == 0) p.drapeaux |= PHASE_0;
  if (phase_partie == 3) p.drapeaux |= PHASE_3;
  if (nb_pieces[DAME_BLANCHE] == 0) p.drapeaux |= SANS_DAME_BLANCHE;
  if (nb_pieces[DAME_NOIRE] == 0) p.drapeaux |= SANS_DAME_NOIRE;
  return p;
}

namespace {

// Calls f(r) for every top-level rule r, in order, that passes the filter on
// its men and squares, until f returns true.
template <class F>
void pour_racines_possibles(const Catalogue& cat, const Plateau& p, F&& f) {
  const FiltresRacines& fr = cat.filtres_racines;
  const std::size_t n = cat.racines.size();
  const std::uint32_t plein = ~p.vide;
  for (std::size_t debut = 0; debut < n; debut += 64) {
    const std::size_t fin = n - debut < 64 ? n : debut + 64;
    std::uint64_t possibles = 0;
#ifdef __SSE2__
    // Four rules at a time; the arrays are padded to a multiple of four.
    const __m128i pb = _mm_set1_epi32(static_cast<int>(p.pb)), pn = _mm_set1_epi32(static_cast<int>(p.pn));
    const __m128i vide = _mm_set1_epi32(static_cast<int>(p.vide)), occ = _mm_set1_epi32(static_cast<int>(plein));
    const auto manque = [](__m128i a, const std::uint32_t* f) {
      const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(f));
      return _mm_xor_si128(_mm_and_si128(a, m), m);
    };
    for (std::size_t r = debut; r < fin; r += 4) {
      const __m128i m = _mm_or_si128(_mm_or_si128(manque(pb, fr.pb.data() + r), manque(pn, fr.pn.data() + r)),
                                     _mm_or_si128(manque(vide, fr.vide.data() + r), manque(occ, fr.plein.data() + r)));
      const int bits = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(m, _mm_setzero_si128())));
      possibles |= static_cast<std::uint64_t>(bits) << (r - debut);
    }
    if (fin - debut < 64) possibles &= (std::uint64_t{1} << (fin - debut)) - 1;
#else
    for (std::size_t r = debut; r < fin; ++r) {
      const std::uint32_t manque = ((p.pb & fr.pb[r]) ^ fr.pb[r]) | ((p.pn & fr.pn[r]) ^ fr.pn[r]) |
                                   ((p.vide & fr.vide[r]) ^ fr.vide[r]) | ((plein & fr.plein[r]) ^ fr.plein[r]);
      possibles |= static_cast<std::uint64_t>(manque == 0) << (r - debut);
    }
#endif
    for (; possibles != 0; possibles &= possibles - 1)
      if (f(debut + static_cast<std::size_t>(__builtin_ctzll(possibles)))) return;
  }
}

}  // namespace

int somme(const Catalogue& cat, const Plateau& p) {
  int s = 0;
  pour_racines_possibles(cat, p, [&](std::size_t r) {
    const std::uint16_t i = cat.racines[r];
    if (noeud_vrai(cat, i, p)) s += valeur_noeud(cat, cat.noeuds[i], p);
    return false;
  });
  return s;
}

int premier(const Catalogue& cat, const Plateau& p, int* regle) {
  int resultat = 0;
  pour_racines_possibles(cat, p, [&](std::size_t r) {
    if (!noeud_vrai(cat, cat.racines[r], p)) return false;
    const Noeud& n = cat.noeuds[cat.racines[r]];
    for (int i = 0; i < n.nombre; ++i) {
      if (!noeud_vrai(cat, n.premier + i, p)) continue;
      const int v = valeur_noeud(cat, cat.noeuds[n.premier + i], p);
      if (v != 0) {
        if (regle != nullptr) *regle = static_cast<int>(r);
        resultat = v;
        return true;
      }
      break;
    }
    return false;
  });
  return resultat;
}

}  // namespace motifs
