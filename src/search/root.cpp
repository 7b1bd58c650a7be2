// The root driver: iterative deepening with an aspiration window inside the
// time budget, the book at the root, the search display and the repetition
// test against the game record.
#include "search/root.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "evaluation/evaluation.h"
#include "game/clocks.h"
#include "game/game.h"
#include "game/hooks.h"
#include "game/levels.h"
#include "knowledge/books.h"
#include "knowledge/learning.h"
#include "rules/etat.h"
#include "rules/generation.h"
#include "search/keys.h"
#include "search/ordering.h"
#include "search/search.h"

std::int32_t debut_reflexion = 0;
std::int32_t temps_deja_utilise = 0;
std::int32_t temps_par_coup = 0;
std::int32_t temps_max_coup = 0;
std::int32_t temps_limite_total = 0;
Score score_racine = 0;
std::int32_t score_statique_racine = 0;
std::uint8_t instabilite = 0;
std::int32_t reflexion_anticipee = 0;
std::uint8_t analyse_en_cours = 0;
std::int32_t coup_depart_analyse = 0;
Score score_coup_enregistre = 0;
std::int32_t profondeur_imposee = 0;
ETAT_MOTEUR(debut_reflexion, temps_deja_utilise, temps_par_coup, temps_max_coup, temps_limite_total, score_racine,
            score_statique_racine, instabilite, reflexion_anticipee, analyse_en_cours, coup_depart_analyse,
            score_coup_enregistre, profondeur_imposee);

namespace {

// The time budget: the level's budget covers the first DEMI_COUPS_CONTROLE
// half-moves, then half of it each further DEMI_COUPS_BLOC.
constexpr int DEMI_COUPS_CONTROLE = 60;
constexpr int DEMI_COUPS_BLOC = 30;
constexpr int PART_SURE_NUM = 9, PART_SURE_DEN = 10;  // a move plans on 9/10 of its share
constexpr std::int32_t BUDGET_SANS_SECONDE = 30;      // a budget whose moves may get no second
constexpr std::int32_t DIVISEUR_PLANCHER = 90;        // a move gets at least budget/90 while the clock allows it
constexpr std::int32_t DIVISEUR_PLAFOND = 10;         // and at most budget/10
constexpr std::int32_t DIVISEUR_ANALYSE = 30;         // each move of an analysis gets budget/30
constexpr std::int32_t FACTEUR_MAX_COUP = 5;          // the hard limit of a move is 5 times its share
constexpr int PLIS_AVANT_REPETITION = 5;              // a record this short holds no cycle

// The root position, put back before every iteration.
void restaurer_racine(const EtatNoeud& e) {
  restaurer_etat(e);
  prof_courante = 1;
}

// Seconds spent on this move so far.
std::int32_t temps_du_coup() { return heure_en_secondes() - debut_reflexion - temps_deja_utilise; }

// The book's moves that are legal here, as indices of list 1; one of them
// at random, or -1.
int coup_de_bibliotheque(int n) {
  const int h = nb_demi_coups;
  const bool complet = nb_pieces[PION_BLANC] == 12 && nb_pieces[PION_NOIR] == 12;
  if (bibliotheque_active == 0 || !((h < 3 && complet) || (h > 2 && h < MAX_DEMI_COUPS_OUVERTURE))) return -1;
  consulter_bibliotheque();
  int choix[MAX_COUPS];
  int k = 0;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < nb_coups_bibliotheque; ++j)
      if (listes_coups[1][i].depart == coups_bibliotheque[j].depart &&
          listes_coups[1][i].arrivee == coups_bibliotheque[j].arrivee && k < MAX_COUPS)
        choix[k++] = i;
  return k > 0 ? choix[std::rand() % k] : -1;
}

// The levels of fixed depth: budgets 1..5 stop after depths 2..6.
bool profondeur_du_niveau() { return budget_reflexion >= 1 && budget_reflexion <= 5 && prof_max == budget_reflexion + 1; }

}  // namespace

void calculer_budget_temps() {
  const int h = nb_demi_coups;
  const std::int32_t t = budget_reflexion;
  const std::int32_t t2 = temps_limite;
  std::int32_t par_coup;
  if (analyse_en_cours == 0) {
    if (h < DEMI_COUPS_CONTROLE) {
      par_coup = (t - temps_deja_utilise) / (DEMI_COUPS_CONTROLE - h);
    } else {
      // Blocks of DEMI_COUPS_BLOC half-moves: by the end of block q+1 the
      // side may have spent (q+1) half-budgets.
      const int q = h / DEMI_COUPS_BLOC;
      par_coup = ((q + 1) * t / 2 - temps_deja_utilise) / ((q + 1) * DEMI_COUPS_BLOC - h);
    }
    par_coup = par_coup * PART_SURE_NUM / PART_SURE_DEN;
    if (par_coup < 1 && t != BUDGET_SANS_SECONDE) par_coup = 1;
    const std::int32_t plancher = t / DIVISEUR_PLANCHER;
    if (plancher > par_coup && plancher + temps_deja_utilise < t2) par_coup = plancher;
  } else {
    par_coup = t / DIVISEUR_ANALYSE;
  }
  if (par_coup > t / DIVISEUR_PLAFOND) par_coup = t / DIVISEUR_PLAFOND;
  temps_par_coup = par_coup;
  temps_max_coup = FACTEUR_MAX_COUP * par_coup;
  temps_limite_total = h < DEMI_COUPS_CONTROLE ? t2 : (h + 1) * t2 / DEMI_COUPS_CONTROLE;
  if (t == BUDGET_ILLIMITE || reflexion_anticipee != 0) temps_par_coup = temps_max_coup = TEMPS_SANS_LIMITE;
}

bool repetition_racine(Case depart, Case arrivee) {
  const int h = nb_demi_coups;
  if (h <= PLIS_AVANT_REPETITION || h >= TAILLE_PARTIE) return false;
  const EntreePartie& meme_camp = partie[h - 3];
  if (meme_camp.depart != depart || meme_camp.arrivee != arrivee) return false;
  auto pareil = [](const EntreePartie& a, const EntreePartie& b) {
    return a.depart == b.depart && (a.nb_prises != 0) == (b.nb_prises != 0);
  };
  return pareil(partie[h], partie[h - 4]) && pareil(partie[h - 1], partie[h - 5]);
}

std::string ligne_coup_racine(const Coup& m, int score, bool en_cours) {
  char texte[48];
  std::snprintf(texte, sizeof texte, m.nb_prises != 0 ? "%sx%s : %5d" : "%s-%s : %5d", noms_cases[m.depart],
                noms_cases[m.arrivee], score);
  std::string s = texte;
  if (en_cours) s += " ?<---";
  return s;
}

std::vector<std::string> lignes_variante(const Coup* v, int longueur) {
  std::vector<std::string> lignes;
  char texte[48];
  auto moitie = [&](const Coup& c) {
    return std::string(noms_cases[c.depart]) + (c.nb_prises != 0 ? " x " : " - ") + noms_cases[c.arrivee];
  };
  for (int p = 0; p < longueur; p += 2) {
    if (p + 1 >= longueur) {
      lignes.push_back(moitie(v[p]));
      break;
    }
    std::snprintf(texte, sizeof texte, "%s , %s", moitie(v[p]).c_str(), moitie(v[p + 1]).c_str());
    lignes.push_back(texte);
  }
  return lignes;
}

std::vector<std::string> lignes_recherche(const EtatRecherche& e, const FormatsRecherche& f) {
  std::vector<std::string> lignes;
  char texte[96];
  auto ajouter = [&](const char* format, long long valeur) {
    std::snprintf(texte, sizeof texte, format, static_cast<int>(valeur));
    lignes.push_back(texte);
  };
  ajouter(f.profondeur, e.profondeur);
  std::snprintf(texte, sizeof texte, f.noeuds, e.noeuds);
  lignes.push_back(texte);
  if (e.chronometre) {
    ajouter(f.temps, e.secondes);
    if (e.secondes > 0) {
      std::snprintf(texte, sizeof texte, f.vitesse, static_cast<unsigned>(e.noeuds / static_cast<unsigned>(e.secondes)));
      lignes.push_back(texte);
    } else {
      lignes.push_back(f.sans_vitesse);
    }
  }
  ajouter(f.score, e.score);
  ajouter(f.coups, e.numero_coup);
  for (std::string& l : lignes_variante(e.variante, e.longueur_variante)) lignes.push_back(std::move(l));
  return lignes;
}

namespace {

// Row 1 of the triangular variation: its length, the moves from entry 1.
int longueur_variante() {
  int n = 0;
  while (n + 1 < PLY_STATIQUE + 1 && variante[1][n + 1].depart != 0) ++n;
  return n;
}

}  // namespace

void afficher_recherche(Score score) {
  std::int32_t secondes = 0;
  if (reflexion_anticipee == 0) {
    const std::int32_t total = heure_en_secondes() - debut_reflexion;
    horloge(camp_racine) = total;
    secondes = total - temps_deja_utilise;
  }
  if (!crochet_etat_recherche) return;  // nothing shows it
  montrer_etat_recherche({prof_max, nb_noeuds, reflexion_anticipee == 0, secondes, score_affiche(score),
                          (nb_demi_coups + 2) / 2, &variante[1][1], longueur_variante()});
}

namespace {

// The root search. Returns the index in list 1 of the move to play (or
// CHOIX_AUCUN, CHOIX_UNIQUE) and says whether it came from the book.
std::uint8_t chercher_racine(Camp camp, bool& livre_joue) {
  damier[0] = HORS_DAMIER;
  recalculer_masques();
  preparer_listes();
  if (reflexion_anticipee == 0) {
    debut_reflexion = heure_en_secondes() - horloge(camp);
    temps_deja_utilise = horloge(camp);
  }
  calculer_cles();
  effacer_tueurs();
  calculer_budget_temps();
  apprises_presentes = 0;
  for (std::uint32_t k = 0; table_apprise != nullptr && k < NB_APPRISES && apprises_presentes == 0; ++k)
    if (table_apprise[k].score != 0) apprises_presentes = 1;

  meilleur_coup_racine = 255;
  std::memset(variante, 0, sizeof variante);
  nb_noeuds = 0;
  compter_pieces();
  preparer_evaluation(camp);
  if (nb_pieces[PION_BLANC] + nb_pieces[DAME_BLANCHE] == 0 || nb_pieces[PION_NOIR] + nb_pieces[DAME_NOIRE] == 0)
    return CHOIX_AUCUN;

  std::memset(prises_forcees, 0, sizeof prises_forcees);
  camp_racine = camp;
  camp_adverse = adversaire(camp);
  arret_calcul = 0;
  prof_courante = 1;
  coups_calmes = 0;
  instabilite = 0;
  bilan_materiel = 0;
  ajustement_prof = 0;
  extension_promotion = 0;
  suivre_variante = 0;
  conseil_depart = conseil_arrivee = 0;
  score_statique_racine = evaluer_position(camp, -SCORE_INFINI, SCORE_INFINI);

  const int n = generer_coups(camp);
  if (n == 0) return CHOIX_AUCUN;
  const int h = nb_demi_coups;
  if (n == 1 && !(analyse_en_cours != 0 && h == coup_depart_analyse)) {
    if (analyse_en_cours != 0) score_racine = SCORE_INFINI + 1;
    if (reflexion_anticipee == 0) return CHOIX_UNIQUE;
  }
  const int livre = coup_de_bibliotheque(n);
  if (livre >= 0) {
    livre_joue = true;
    return static_cast<std::uint8_t>(livre);
  }

  const bool noir = camp == NOIRS;
  pion_camp = noir ? PION_NOIR : PION_BLANC;
  dame_camp = noir ? DAME_NOIRE : DAME_BLANCHE;
  pion_adverse = noir ? PION_BLANC : PION_NOIR;
  dame_adverse = noir ? DAME_BLANCHE : DAME_NOIRE;
  EtatNoeud racine;
  sauver_etat(racine);
  if (crochet_ligne_racine) montrer_ligne_racine({-1, Coup{}, 0, false});
  score_coup_enregistre = static_cast<Score>(-score_racine);

  Score alpha = -SCORE_INFINI, beta = SCORE_INFINI;
  bool reprise = false;  // this iteration repeats a depth after an aspiration failure
  std::uint8_t meilleur = 0;  // index in list 1 of the move to play
  for (prof_max = 1; prof_max <= PROF_LIMITE; ++prof_max) {
    restaurer_racine(racine);
    ajustement_prof = 0;
    bilan_materiel = 0;
    compteur_sondage = 0;
    meilleur_coup_racine = 255;

    Score v = chercher_max(alpha, beta, 1);

    suivre_variante = 1;
    restaurer_racine(racine);

    // The aspiration window: a failure repeats the depth with the window
    // opened on that side; a second failure in a row goes on deeper with
    // the full window.
    if (reprise && (v <= alpha || v >= beta)) {
      instabilite = 1;
      alpha = -SCORE_INFINI;
      beta = SCORE_INFINI;
      reprise = false;
    } else if (v > alpha && v < beta) {
      instabilite = 0;
      if (v > -SCORE_RECHERCHE) alpha = static_cast<Score>(v - FENETRE_ASPIRATION);
      if (v < SCORE_RECHERCHE) beta = static_cast<Score>(v + FENETRE_ASPIRATION);
      reprise = false;
    } else if (v <= alpha) {
      --prof_max;
      instabilite = v > -SCORE_DECISIF ? static_cast<std::uint8_t>(instabilite + 1) : 0;
      alpha = -SCORE_INFINI;
      beta = static_cast<Score>(v + FENETRE_ASPIRATION);
      reprise = true;
    } else {
      --prof_max;
      instabilite = v < SCORE_DECISIF ? static_cast<std::uint8_t>(instabilite + 1) : 0;
      alpha = static_cast<Score>(v - FENETRE_ASPIRATION);
      beta = SCORE_INFINI;
      reprise = true;
    }
    // The list is ordered by the last iteration, its best first: without a
    // best move of its own, an iteration keeps that one.
    meilleur = meilleur_coup_racine != 255 ? meilleur_coup_racine : 0;
    if (arret_calcul != 0) v = calcul_annule != 0 ? 0 : score_racine;
    score_racine = v;
    if (reflexion_anticipee != 0) afficher_recherche(v);

    semer_tueurs(v);
    pomper_messages();

    const bool en_direct = reflexion_anticipee == 0;
    bool fin = false;
    if (arret_calcul != 0) {
      if (en_direct) temps_deja_utilise = heure_en_secondes() - debut_reflexion;
      return calcul_annule != 0 ? 0 : meilleur;
    }
    if (en_direct && temps_du_coup() > temps_par_coup && instabilite != 1 && prof_max > 5) fin = true;
    if (en_direct && profondeur_du_niveau()) fin = true;
    if (profondeur_imposee > 0 && prof_max >= profondeur_imposee) fin = true;
    if (en_direct && v > SCORE_DECISIF && instabilite != 1) fin = true;
    if (analyse_en_cours != 0 && v < -SCORE_DECISIF && instabilite != 1) fin = true;
    if (fin) {
      if (en_direct) temps_deja_utilise = heure_en_secondes() - debut_reflexion;
      return meilleur;
    }
  }
  return meilleur;
}

}  // namespace

std::uint8_t choisir_coup(Camp camp) {
  bool livre = false;
  return chercher_racine(camp, livre);
}

ResultatRecherche rechercher_coup(Camp camp) {
  const std::int64_t debut = horloge_ms();
  bool livre = false;
  const std::uint8_t choix = chercher_racine(camp, livre);
  ResultatRecherche r;
  r.millisecondes = horloge_ms() - debut;
  r.score = score_racine;
  r.noeuds = nb_noeuds;
  if (choix == CHOIX_AUCUN) return r;
  r.index = choix == CHOIX_UNIQUE ? 0 : choix;
  r.coup = listes_coups[1][r.index];
  r.origine = choix == CHOIX_UNIQUE ? OrigineCoup::Force : livre ? OrigineCoup::Livre : OrigineCoup::Recherche;
  if (r.origine != OrigineCoup::Recherche) return r;
  r.profondeur = prof_max;
  r.interrompue = arret_calcul != 0;
  r.annulee = calcul_annule != 0;
  const int n = longueur_variante();
  r.variante.assign(&variante[1][1], &variante[1][1] + n);
  return r;
}
