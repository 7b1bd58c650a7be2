#include "records/analysis.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "evaluation/evaluation.h"
#include "game/catalogue.h"
#include "game/clocks.h"
#include "game/hooks.h"
#include "game/levels.h"
#include "game/session.h"
#include "knowledge/books.h"
#include "knowledge/learning.h"
#include "records/files.h"
#include "rules/etat.h"
#include "records/pdn.h"
#include "records/pdn_annotations.h"
#include "rules/moves.h"
#include "search/ordering.h"
#include "search/root.h"
#include "search/search.h"
#include "search/table.h"

Score scores_analyse[TAILLE_PARTIE];
std::vector<CoupAnalyse> coups_analyses;
std::vector<std::string> liste_analyse;
std::uint8_t analyse_ouverte = 0;
std::uint8_t langue_analyse = 0;
ETAT_MOTEUR(scores_analyse, coups_analyses, liste_analyse, analyse_ouverte, langue_analyse);

namespace {

constexpr int LARGEUR_NOMBRE = 2;  // the numbers of a line are written "%2d"
constexpr Score SCORE_SANS_COUP = static_cast<Score>(-(SCORE_INFINI - 1));  // no move: lost, inside the window

// The loop between two positions, and what the analysis gives back at its end.
struct Boucle {
  int k = 0;        // record index of the next position
  int n = -1;       // positions left, less one
  Score p = 0;      // the previous position's score: the position after the move, for the side to move there
  bool en_passe = false;       // a position is being analysed (its search may be running)
  bool conclue = true;         // the loop has ended and given back what it took
  bool fin_demandee = false;   // fin_analyse came while a position was being analysed
  bool reflexion = true;       // "Réflexion sur temps adverse" as it was
  std::uint8_t bibliotheque = 0;
  std::int32_t budget = 0;
  bool budget_releve = false;
};
Boucle boucle;

// The positions the last analysis searched, by record index: the board
// with the side to move in place of entry 0 (empty: not searched).
std::vector<std::uint8_t> positions_analysees[TAILLE_PARTIE];

Coup coup_de(Case depart, Case arrivee, int nb_prises) {
  Coup c{};
  c.depart = depart;
  c.arrivee = arrivee;
  c.nb_prises = static_cast<std::uint8_t>(nb_prises);
  return c;
}

int pieces_de(Camp camp) {
  return camp == BLANCS ? nb_pieces[PION_BLANC] + nb_pieces[DAME_BLANCHE] : nb_pieces[PION_NOIR] + nb_pieces[DAME_NOIRE];
}

// What one search leaves to the next: the analysis starts without it, so
// that its lines depend on the game and the settings only.
void oublier_recherches() {
  vider_tables();
  std::memset(coups_racine, 0, sizeof coups_racine);
  nb_coups_racine = 0;
  score_racine = 0;
  variante1 = variante2 = 0;
}

// The search of the position on the board for its side to move, the clocks
// at zero.
ResultatRecherche chercher_position() {
  remettre_horloges();
  calcul_annule = 0;
  return rechercher_coup(trait);
}

// The end of the loop: the board on the position where it stopped; the
// books and the level as they were.
void conclure() {
  if (boucle.conclue) return;
  boucle.conclue = true;
  analyse_en_cours = 0;
  aller_au_demi_coup(boucle.k);
  placer_pions();
  bibliotheque_active = boucle.bibliotheque;
  if (boucle.budget_releve) budget_reflexion = boucle.budget;
  boucle.budget_releve = false;
}

// What "Fin analyse" does to the game: the position shown is the game's,
// with its side to move, which the human plays.
void rendre_partie() {
  conclure();
  session.reflexion_sur_temps_adverse = boucle.reflexion;
  couleur_ordi = trait;
  ordinateur_au_trait = 0;
  sans_anticipation = 1;
}

std::string nom_case_pdn(Case k) { return std::to_string(NB_CASES + 1 - k); }

}  // namespace

int CoupAnalyse::nag() const {
  if (!etoile) return 0;
  const bool gain_perdu = score_meilleur > SCORE_DECISIF && score_joue <= SCORE_DECISIF;
  return gain_perdu || score_meilleur - score_joue >= ECART_GAFFE ? NAG_GAFFE : NAG_MAUVAIS_COUP;
}

bool etoile_analyse(Score score_joue, Score score_meilleur) {
  const int s = score_meilleur, p = -score_joue;
  return s + p > ECART_ETOILE && std::abs(s - p) < ECART_SCORES_DECISIFS;
}

FormatsAnalyse formats_analyse(int langue) {
  return {texte_langue(langue, "msg.analyse.blancs"), texte_langue(langue, "msg.analyse.noirs"),
          texte_langue(langue, "msg.analyse.legende"), texte_langue(langue, "msg.analyse.attente"),
          texte_langue(langue, "msg.analyse.meilleur")};
}

std::string ligne_analyse(const CoupAnalyse& c, const FormatsAnalyse& f) {
  // The board draws camp 1 white: its moves are the white lines.
  const std::string& forme = c.camp == NOIRS ? f.blancs : f.noirs;
  std::string s = remplir_texte(
      forme, {nombre_aligne(c.numero(), LARGEUR_NOMBRE), noms_cases[c.joue.depart], noms_cases[c.joue.arrivee],
              nombre_aligne(score_affiche(c.score_joue), LARGEUR_NOMBRE), noms_cases[c.meilleur.depart],
              noms_cases[c.meilleur.arrivee], nombre_aligne(score_affiche(c.score_meilleur), LARGEUR_NOMBRE)});
  if (!c.etoile) return s;
  s = "*" + s + " ->(";
  for (const Coup& m : c.variante) s += std::string(" ") + noms_cases[m.depart] + "-" + noms_cases[m.arrivee];
  return s + " ....)";
}

bool ouvrir_analyse(int langue) {
  if (nb_demi_coups == 0 || analyse_ouverte != 0 || !boucle.conclue) return false;
  arret_calcul = 1;
  boucle = Boucle{};
  boucle.conclue = false;
  // A learning run analyses with a longer budget than it may play with.
  boucle.budget = budget_reflexion;
  if (session_apprentissage != 0 && budget_reflexion < BUDGET_ANALYSE_APPRENTISSAGE) {
    budget_reflexion = BUDGET_ANALYSE_APPRENTISSAGE;
    boucle.budget_releve = true;
  }
  match_classe = 0;
  boucle.reflexion = session.reflexion_sur_temps_adverse;
  session.reflexion_sur_temps_adverse = false;
  // A book move would be played without a score: the analysis searches.
  boucle.bibliotheque = bibliotheque_active;
  bibliotheque_active = 0;
  analyse_ouverte = 1;
  langue_analyse = static_cast<std::uint8_t>(std::clamp(langue, 0, 5));

  coups_analyses.clear();
  std::fill(std::begin(scores_analyse), std::end(scores_analyse), Score{0});
  for (auto& b : positions_analysees) b.clear();
  const FormatsAnalyse f = formats_analyse(langue_analyse);
  liste_analyse = {f.legende, f.attente};

  // The record's position, whatever was on the board; before the final
  // capture when a side has nothing left.
  aller_au_demi_coup(nb_demi_coups);
  compter_pieces();
  if (pieces_de(BLANCS) == 0 || pieces_de(NOIRS) == 0) {
    aller_au_demi_coup(nb_demi_coups - 1);
    compter_pieces();
  }
  placer_pions();
  analyse_en_cours = 1;
  coup_depart_analyse = nb_demi_coups;
  boucle.k = boucle.n = nb_demi_coups;
  oublier_recherches();
  return true;
}

void chercher_depart_analyse() {
  boucle.en_passe = true;
  chercher_position();
  boucle.en_passe = false;
  if (boucle.fin_demandee) rendre_partie();
}

bool debuter_analyse(int langue) {
  if (!ouvrir_analyse(langue)) return false;
  chercher_depart_analyse();
  return true;
}

bool analyser_position() {
  if (boucle.conclue) return false;
  if (analyse_en_cours == 0 || boucle.n < 0) {
    conclure();
    return false;
  }
  const int k = boucle.k;
  aller_au_demi_coup(k);  // the window may have shown another position meanwhile
  const Camp camp = trait;
  Score p = boucle.p;
  // The move played from here is not searched: it takes the score its
  // position had, seen from this side.
  score_racine = p;
  boucle.en_passe = true;
  const ResultatRecherche r = chercher_position();
  boucle.en_passe = false;
  // The game was moved under the search: this position is searched again.
  if (r.annulee && !boucle.fin_demandee && analyse_en_cours != 0) return true;

  Score s = r.score;
  // A forced move, or a search stopped before its first depth: the move
  // played keeps its score.
  const bool cherche = r.origine == OrigineCoup::Recherche && !r.annulee && !(r.interrompue && r.profondeur <= 1);
  if (!r.joue()) {
    compter_pieces();
    s = pieces_de(camp) == 0 || coups_legaux(camp) == 0 ? SCORE_SANS_COUP : static_cast<Score>(-SCORE_SANS_COUP);
  } else if (!cherche || s == SCORE_INFINI + 1) {
    s = static_cast<Score>(-p);
  }

  const bool joue_ici = k < coup_depart_analyse && k + 1 < TAILLE_PARTIE && partie[k + 1].depart != 0;
  if (joue_ici) {
    const EntreePartie& e = partie[k + 1];
    CoupAnalyse c{};
    c.index = k;
    c.camp = camp;
    c.joue = coup_de(e.depart, e.arrivee, e.nb_prises);
    c.meilleur = cherche && r.coup.depart != 0 ? r.coup : c.joue;
    if (c.meilleur.depart == c.joue.depart && c.meilleur.arrivee == c.joue.arrivee) p = static_cast<Score>(-s);
    c.score_joue = static_cast<Score>(-p);
    c.score_meilleur = s;
    c.etoile = etoile_analyse(c.score_joue, s);
    if (c.etoile) {
      c.variante.assign(r.variante.begin(), r.variante.begin() + std::min<std::size_t>(2, r.variante.size()));
      if (c.variante.empty()) c.variante.push_back(c.meilleur);
    }
    liste_analyse.insert(liste_analyse.begin(), ligne_analyse(c, formats_analyse(langue_analyse)));
    coups_analyses.insert(coups_analyses.begin(), std::move(c));
  }

  scores_analyse[k] = s;
  positions_analysees[k].assign(partie[k].position, partie[k].position + sizeof partie[k].position);
  positions_analysees[k][0] = camp;  // the side to move, where the record keeps nothing
  boucle.p = s;
  score_racine = s;
  --boucle.n;
  if (k > 0) --boucle.k;
  aller_au_demi_coup(boucle.k);
  placer_pions();
  if (boucle.fin_demandee) {
    rendre_partie();
    return false;
  }
  if (analyse_en_cours == 0 || boucle.n < 0) {
    conclure();
    return false;
  }
  return true;
}

bool analyser_partie(int langue, const std::function<void()>& apres_position) {
  if (!debuter_analyse(langue)) return false;
  for (;;) {
    const bool encore = analyser_position();
    if (apres_position) apres_position();
    if (!encore) break;
    pomper_messages();
  }
  return true;
}

int demi_coup_analyse() { return boucle.k; }

std::optional<Score> score_analyse(int k) {
  if (k < 0 || k >= TAILLE_PARTIE || k > dernier_demi_coup) return std::nullopt;
  const std::vector<std::uint8_t>& b = positions_analysees[k];
  if (b.size() != sizeof partie[k].position || b[0] != trait_au_demi_coup(k) ||
      std::memcmp(b.data() + 1, partie[k].position + 1, NB_CASES) != 0)
    return std::nullopt;
  return scores_analyse[k];
}

bool fin_analyse() {
  analyse_en_cours = 0;
  arret_calcul = 1;
  if (analyse_ouverte != 0) {
    analyse_ouverte = 0;
    // A search running below this call ends first; its pass gives the game back.
    if (boucle.en_passe)
      boucle.fin_demandee = true;
    else
      rendre_partie();
  }
  return session_apprentissage == 0;
}

MenusAnalyse etat_menus_analyse() {
  const bool ouverte = analyse_ouverte != 0;
  return {!ouverte, ouverte, ouverte};
}

std::vector<std::string> lignes_coups_analyse() {
  const std::size_t n = std::min(coups_analyses.size(), liste_analyse.size());
  return {liste_analyse.begin(), liste_analyse.begin() + static_cast<std::ptrdiff_t>(n)};
}

bool sauver_analyse(const std::filesystem::path& fichier) {
  std::string texte;
  for (const std::string& l : lignes_coups_analyse()) texte += l + "\r\n";
  return ecrire_fichier_sur(fichier, texte);
}

bool sauver_coups_calcul(const std::filesystem::path& dossier, const std::vector<std::string>& lignes) {
  std::string texte;
  for (const std::string& l : lignes) texte += l + "\r\n";
  return ecrire_fichier_sur(dossier / FICHIER_COUPS_CALCUL, texte);
}

std::string ecrire_analyse_pdn(const std::string& nom_blanc, const std::string& nom_noir, int resultat,
                               const std::string& date) {
  const FormatsAnalyse f = formats_analyse(langue_analyse);
  std::vector<AnnotationPdn> notes;
  for (const CoupAnalyse& c : coups_analyses) {
    if (!c.etoile) continue;
    const Coup& m = c.meilleur;
    const std::string coup = nom_case_pdn(m.depart) + (m.nb_prises != 0 ? "x" : "-") + nom_case_pdn(m.arrivee);
    const int score = score_affiche(c.score_meilleur);
    std::string texte_score = score > 0 ? "+" : "";
    texte_score += std::to_string(score);
    notes.push_back({c.index + 1, c.nag(), remplir_texte(f.meilleur, {coup, texte_score})});
  }
  return annoter_partie_pdn(ecrire_partie_pdn(nom_blanc, nom_noir, resultat, date), notes);
}
