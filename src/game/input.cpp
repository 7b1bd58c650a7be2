#include "game/input.h"

#include <cstring>

#include "game/clocks.h"
#include "game/game.h"
#include "game/hooks.h"
#include "rules/etat.h"
#include "rules/generation.h"
#include "rules/moves.h"

std::int16_t piece_en_main = 0;
std::uint8_t chemin_saisi[MAX_PRISES] = {};
std::uint8_t nb_escales_saisies = 0;
std::uint8_t marques_cases[33] = {};
std::uint8_t ambiguite = 0;
std::uint8_t nb_prises_courant = 0;
CoupSaisi coup_saisi{};
Case case_clic_superflu = 0;
std::int64_t fin_clic_superflu = 0;
ETAT_MOTEUR(piece_en_main, chemin_saisi, nb_escales_saisies, marques_cases, ambiguite, nb_prises_courant, coup_saisi,
            case_clic_superflu, fin_clic_superflu);

namespace {

// Landing square j of move i of list 1 (0 beyond its last capture).
Case escale(int i, int j) {
  const Coup& m = listes_coups[1][i];
  if (m.nb_prises == 0) return j == 1 ? m.arrivee : 0;
  return j <= m.nb_prises ? escales[i + 1][j] : 0;
}

// Move i follows the landing squares entered so far, chemin_saisi[1..m].
bool suit_le_chemin(int i, int m) {
  for (int j = 1; j <= m; ++j)
    if (escale(i, j) != chemin_saisi[j]) return false;
  return true;
}

void effacer_marques() { std::memset(marques_cases, 0, sizeof marques_cases); }

// Empty squares drawn again: their frames go.
void redessiner_cases_vides() {
  for (int c = 1; c <= NB_CASES; ++c)
    if (damier[c] == VIDE) afficher_case(c, VIDE);
}

void encadrer_marques(std::uint8_t marque, std::uint32_t couleur) {
  for (int c = 1; c <= NB_CASES; ++c)
    if (marques_cases[c] == marque) encadrer_case(c, couleur);
}

bool selectionner(Case s, ResultatSaisie& r) {
  nb_coups_trait = coups_legaux(trait);
  r.prise_obligatoire = nb_coups_trait > 0 && listes_coups[1][0].nb_prises > 0;
  bool origine = false;
  for (int i = 0; i < nb_coups_trait; ++i) origine = origine || listes_coups[1][i].depart == s;
  if (!origine) return false;
  nb_coups_trait = coups_piece(s, trait);
  nb_prises_courant = 0;
  for (int i = 0; i < nb_coups_trait; ++i)
    if (listes_coups[1][i].nb_prises > nb_prises_courant) nb_prises_courant = listes_coups[1][i].nb_prises;
  encadrer_case(s, COULEUR_SELECTION);
  std::memset(chemin_saisi, 0, sizeof chemin_saisi);
  effacer_marques();
  ambiguite = 0;
  nb_escales_saisies = 0;
  chemin_saisi[0] = s;
  piece_en_main = damier[s];
  return true;
}

// The complete move: the first of list 1 that follows the whole path.
void completer(Case origine) {
  int i = 0;
  for (; i < nb_coups_trait; ++i) {
    const Coup& m = listes_coups[1][i];
    const int k = m.nb_prises == 0 ? 1 : m.nb_prises;
    if (suit_le_chemin(i, k) && (m.nb_prises == 0 || m.nb_prises <= nb_escales_saisies)) break;
  }
  if (i == nb_coups_trait) i = 0;  // cannot happen: the path was built from these moves
  const Coup& m = listes_coups[1][i];
  coup_saisi = CoupSaisi{};
  coup_saisi.depart = origine;
  coup_saisi.arrivee = m.arrivee;
  coup_saisi.piece = static_cast<Piece>(piece_en_main);
  coup_saisi.nb_prises = m.nb_prises;
  for (int j = 1; j <= m.nb_prises; ++j) {
    coup_saisi.escales[j] = escale(i, j);
    coup_saisi.prises[j] = m.prises[j];
  }
  nb_prises_courant = m.nb_prises;
}

EtatSaisie saisir_prise(Case s) {
  if (marques_cases[s] != 0) {
    ++nb_escales_saisies;
    if (nb_escales_saisies < nb_prises_courant && marques_cases[s] != MARQUE_DESTINATION) {
      effacer_marques();
      redessiner_cases_vides();
    }
    chemin_saisi[nb_escales_saisies] = s;
  }
  if (marques_cases[s] != MARQUE_DESTINATION) {
    int candidats[MAX_COUPS];
    int n = 0;
    for (int i = 0; i < nb_coups_trait; ++i)
      if (suit_le_chemin(i, nb_escales_saisies)) candidats[n++] = i;
    ambiguite = 0;
    for (int j = nb_escales_saisies + 1; n > 0 && j <= nb_prises_courant; ++j) {
      const Case premiere = escale(candidats[0], j);
      marques_cases[premiere] = MARQUE_ESCALE;
      for (int c = 1; c < n; ++c) {
        const Case e = escale(candidats[c], j), avant = escale(candidats[c - 1], j);
        if (e != avant) {
          marques_cases[e] = marques_cases[avant] = MARQUE_ESCALE;
          ambiguite = 1;
        }
      }
      if (ambiguite == 0) {
        ++nb_escales_saisies;
        if (nb_escales_saisies < nb_prises_courant) marques_cases[premiere] = 0;
        chemin_saisi[nb_escales_saisies] = premiere;
        s = premiere;
        continue;
      }
      marques_cases[0] = 0;  // a shorter capture has no landing square here
      encadrer_marques(MARQUE_ESCALE, COULEUR_ESCALE);
      bool destinations_distinctes = true;
      for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
          if (listes_coups[1][candidats[a]].arrivee == listes_coups[1][candidats[b]].arrivee)
            destinations_distinctes = false;
      if (destinations_distinctes) {
        for (int c = 0; c < n; ++c) marques_cases[listes_coups[1][candidats[c]].arrivee] = MARQUE_DESTINATION;
        encadrer_marques(MARQUE_DESTINATION, COULEUR_DESTINATION);
      }
      break;
    }
  }
  const bool complet = (nb_escales_saisies >= nb_prises_courant && marques_cases[s] != 0) ||
                       marques_cases[s] == MARQUE_DESTINATION;
  if (!complet) return EtatSaisie::Attente;
  if (marques_cases[s] == MARQUE_DESTINATION) {
    // The final square clicked: the first move ending there that follows
    // the landing squares chosen before it.
    const int m = nb_escales_saisies - 1;
    for (int i = 0; i < nb_coups_trait; ++i)
      if (listes_coups[1][i].arrivee == s && suit_le_chemin(i, m)) {
        nb_prises_courant = listes_coups[1][i].nb_prises;
        for (int j = 1; j <= nb_prises_courant; ++j) chemin_saisi[j] = escale(i, j);
        nb_escales_saisies = nb_prises_courant;
        break;
      }
  }
  completer(chemin_saisi[0]);
  return EtatSaisie::Termine;
}

EtatSaisie saisir_calme(Case s) {
  if (nb_escales_saisies == 0) {
    nb_escales_saisies = 1;
    for (int i = 0; i < nb_coups_trait; ++i) marques_cases[listes_coups[1][i].arrivee] = MARQUE_ESCALE;
    ambiguite = nb_coups_trait > 1;
    if (ambiguite == 0) {
      nb_escales_saisies = 2;
      s = listes_coups[1][0].arrivee;
    } else {
      encadrer_marques(MARQUE_ESCALE, COULEUR_DESTINATION);
      return EtatSaisie::Attente;
    }
  }
  if (marques_cases[s] == 0) return EtatSaisie::Attente;
  chemin_saisi[1] = s;
  nb_escales_saisies = 1;
  completer(chemin_saisi[0]);
  return EtatSaisie::Termine;
}

}  // namespace

void abandonner_saisie() {
  piece_en_main = 0;
  nb_escales_saisies = 0;
  effacer_marques();
}

ResultatSaisie saisir_case(Case s) {
  ResultatSaisie r{EtatSaisie::Ignore, false};
  if (s < 1 || s > NB_CASES) return r;
  if (piece_en_main != 0 && s == chemin_saisi[0] && marques_cases[s] == 0) {
    afficher_case(s, piece_en_main);
    abandonner_saisie();
    redessiner_cases_vides();
    r.etat = EtatSaisie::Deselection;
    return r;
  }
  const bool selection = piece_en_main == 0;
  if (selection && !selectionner(s, r)) return r;
  if (nb_prises_courant > 0 && nb_escales_saisies <= nb_prises_courant)
    r.etat = saisir_prise(s);
  else if (nb_prises_courant == 0)
    r.etat = saisir_calme(s);
  else
    r.etat = EtatSaisie::Attente;
  if (selection && r.etat == EtatSaisie::Termine) {
    case_clic_superflu = coup_saisi.arrivee;
    fin_clic_superflu = 0;
  }
  return r;
}

Case case_du_clic(int x, int y, bool inverse) {
  // Divisions truncate toward zero, as the board's clicks always have.
  const int c = (x - 20) / 60, r = (y - 20) / 60;
  if (c < 0 || c >= 8 || r < 0 || r >= 8 || (c + r) % 2 == 0) return 0;
  const int s = c / 2 + 4 * r + 1;
  return static_cast<Case>(inverse ? 33 - s : s);
}

bool clic_superflu(Case s) {
  const Case destination = case_clic_superflu;
  if (destination == 0) return false;
  const bool encore = fin_clic_superflu == 0 || horloge_ms() < fin_clic_superflu;
  case_clic_superflu = 0;
  return encore && s == destination;
}

void armer_clic_superflu() {
  if (case_clic_superflu != 0 && fin_clic_superflu == 0) fin_clic_superflu = horloge_ms() + DELAI_CLIC_SUPERFLU_MS;
}

Coup coup_de_la_saisie(const CoupSaisi& c) {
  Coup m{};
  m.depart = c.depart;
  m.arrivee = c.arrivee;
  m.nb_prises = c.nb_prises;
  for (int j = 1; j <= c.nb_prises; ++j) m.prises[j] = c.prises[j];
  return m;
}

void terminer_coup_humain() {
  const CoupSaisi& c = coup_saisi;
  const Camp joueur = trait;
  horloge(joueur) = temps_affiche(joueur);
  jouer_et_enregistrer(coup_de_la_saisie(c));
  std::memcpy(damier_sauve, damier, sizeof damier_sauve);
  afficher_case(c.arrivee, damier[c.arrivee]);
  redessiner_cases_vides();
  abandonner_saisie();
}
