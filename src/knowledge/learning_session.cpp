#include "knowledge/learning_session.h"

#include <cstdlib>
#include <cstring>

#include "game/clocks.h"
#include "game/end.h"
#include "game/game.h"
#include "game/hooks.h"
#include "game/levels.h"
#include "game/session.h"
#include "game/turn.h"
#include "knowledge/learning.h"
#include "records/analysis.h"
#include "records/files.h"
#include "rules/moves.h"
#include "search/keys.h"
#include "search/root.h"
#include "search/search.h"

namespace {

constexpr const char* IMPOSSIBLE_OUVRIR = "msg.impossible_ouvrir";  // "Impossible d'ouvrir ce fichier"

Position position_du_record(int k) {
  Position p{};
  std::memcpy(p.cases, partie[k].position, sizeof p.cases);
  p.cases[0] = 0;
  p.trait = trait_au_demi_coup(k);
  return p;
}

// The computer's move for the side to move, played into the game; false
// when the session was stopped during the search (nothing is played).
bool jouer_un_coup() {
  const Camp camp = trait;
  ordinateur_au_trait = 1;
  couleur_ordi = camp;
  reflexion_anticipee = 0;
  std::int32_t& h = horloge(camp);
  const std::int32_t avant = h;
  const std::int32_t debut = heure_en_secondes();
  const ChoixOrdinateur choix = choix_ordinateur(camp, niveau == 0);
  h = avant + secondes_depuis(debut);
  if (session_apprentissage == 0 || choix.annule || choix.coup >= CHOIX_AUCUN) return false;
  const Coup m = listes_coups[1][choix.coup];
  jouer_coup_ordinateur(m, somme_nb_pieces());
  placer_pions();
  return true;
}

// One game from the starting position, to its end or to the cut.
void jouer_partie(const ReglageSession& r, PartieSession& p) {
  installer_nouvelle_partie();
  std::fill(std::begin(pieces_par_demi_coup), std::end(pieces_par_demi_coup), 0);
  placer_pions();
  resultat_partie = SANS_RESULTAT;
  for (;;) {
    if (session_apprentissage == 0) return;
    if (r.demi_coups_max > 0 && nb_demi_coups >= r.demi_coups_max) {
      p.coupee = true;
      return;
    }
    if (coups_legaux(trait) == 0) {
      resultat_partie = trait == BLANCS ? NOIRS_GAGNENT : BLANCS_GAGNENT;
      return;
    }
    if (partie_pleine()) {
      resultat_partie = PARTIE_NULLE;
      return;
    }
    if (!jouer_un_coup()) return;
    if (r.apres_coup) r.apres_coup();
    if (nul_ordinateur_contre_ordinateur(score_racine)) {
      resultat_partie = PARTIE_NULLE;
      return;
    }
    pomper_messages();
  }
}

}  // namespace

ExamenFinPartie examiner_fin_de_partie() {
  aller_au_demi_coup(dernier_demi_coup);
  compter_pieces();
  calculer_cles();
  cle_index = cle_apprise(cle_index, trait);
  ExamenFinPartie e{};
  e.demi_coups = nb_demi_coups;
  e.ecart_materiel = 3 * nb_pieces[PION_BLANC] + nb_pieces[DAME_BLANCHE] - 3 * nb_pieces[PION_NOIR] -
                     nb_pieces[DAME_NOIRE];
  const std::optional<Score> score = score_analyse(nb_demi_coups);
  e.score = score.value_or(0);
  if (e.demi_coups < DEMI_COUPS_APPRENTISSAGE)
    e.verdict = Apprentissage::PartieCourte;
  else if (std::abs(e.ecart_materiel) >= ECART_MATERIEL_APPRENTISSAGE)
    e.verdict = Apprentissage::Desequilibree;
  else if (!score)
    e.verdict = Apprentissage::NonAnalysee;
  else
    e.verdict = Apprentissage::Possible;
  return e;
}

bool apprendre_fin_de_partie(const std::filesystem::path& fichier) {
  const ExamenFinPartie e = examiner_fin_de_partie();
  return e.verdict == Apprentissage::Possible && apprendre_position(fichier, e.score);
}

void lancer_session() {
  session_apprentissage = 1;
  if (budget_reflexion < BUDGET_SESSION) budget_reflexion = BUDGET_SESSION;
  session.ordinateur_contre_ordinateur = true;
  session.humain_contre_humain = false;
}

void arreter_session() {
  session_apprentissage = 0;
  session.ordinateur_contre_ordinateur = false;
  arret_calcul = 1;
}

MenusSession etat_menus_session() {
  const bool active = session_apprentissage != 0;
  return {!active, active};
}

BilanSession jouer_session(const ReglageSession& r) {
  BilanSession bilan;
  // Every question is asked before the first game: a lesson already there
  // is continued, and the place must take the table.
  std::error_code ec;
  if (std::filesystem::exists(r.lecon, ec) && !charger_lecons(r.lecon)) return bilan;
  if (!sauver_table_apprise(r.lecon)) {
    signaler_erreur(IMPOSSIBLE_OUVRIR, "msg.erreur");
    return bilan;
  }
  bilan.demarree = true;
  lancer_session();

  while (session_apprentissage != 0 && (r.parties == 0 || static_cast<int>(bilan.parties.size()) < r.parties)) {
    PartieSession p;
    p.numero = static_cast<int>(bilan.parties.size()) + 1;
    jouer_partie(r, p);
    if (session_apprentissage == 0) break;
    p.demi_coups = nb_demi_coups;
    p.resultat = resultat_partie;

    // The analysis of a learning run: no window waits for "Fin analyse".
    analyser_partie(r.langue, [&r] {
      if (session_apprentissage == 0) fin_analyse();
      if (r.apres_coup) r.apres_coup();
    });
    fin_analyse();
    if (session_apprentissage == 0) break;

    const ExamenFinPartie e = examiner_fin_de_partie();
    p.verdict = e.verdict;
    p.score = e.score;
    p.finale = position_du_record(nb_demi_coups);
    if (nb_demi_coups > 0) p.avant = position_du_record(nb_demi_coups - 1);
    if (e.verdict == Apprentissage::Possible) {
      // A slot holding a decided score keeps it; the lesson is saved all the same.
      const bool retenue = retenir_position(e.score);
      if (!sauver_table_apprise(r.lecon)) bilan.lecon_ecrite = false;
      p.apprise = retenue && bilan.lecon_ecrite;
      if (p.apprise) ++bilan.apprises;
    }
    bilan.parties.push_back(p);
    if (r.apres_partie) r.apres_partie(p);
  }
  if (session_apprentissage != 0) arreter_session();
  return bilan;
}
