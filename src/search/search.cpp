// The node functions chercher_max and chercher_min, one template for both,
// and the recogniser of won king-against-men endings.
#include "search/search.h"

#include <cstring>

#include "evaluation/evaluation.h"
#include "game/clocks.h"
#include "game/game.h"
#include "game/hooks.h"
#include "knowledge/endgame.h"
#include "knowledge/learning.h"
#include "rules/etat.h"
#include "rules/generation.h"
#include "rules/moves.h"
#include "search/keys.h"
#include "search/ordering.h"
#include "search/root.h"
#include "search/table.h"

Camp camp_racine = BLANCS;
Camp camp_adverse = NOIRS;
std::int32_t prof_max = 0;
Piece pion_camp = PION_BLANC, dame_camp = DAME_BLANCHE;
Piece pion_adverse = PION_NOIR, dame_adverse = DAME_NOIRE;
std::uint32_t nb_noeuds = 0;
std::uint8_t arret_calcul = 0;
std::uint8_t calcul_annule = 0;
std::uint8_t coups_calmes = 0;
std::int32_t pion_avance_camp = 0;
std::int32_t pion_avance_adverse = 0;
std::uint8_t meilleur_coup_racine = 255;
std::uint32_t compteur_sondage = 0;
std::uint8_t apprises_presentes = 1;
std::int32_t bilan_materiel = 0;
std::uint8_t prises_forcees[NB_LISTES];
std::int32_t ajustement_prof = 0;
std::int16_t extension_promotion = 0;
Piece piece_jouee_racine = VIDE;
ETAT_MOTEUR(camp_racine, camp_adverse, prof_max, pion_camp, dame_camp, pion_adverse, dame_adverse, nb_noeuds,
            arret_calcul, calcul_annule, coups_calmes, pion_avance_camp, pion_avance_adverse, meilleur_coup_racine,
            compteur_sondage, apprises_presentes, bilan_materiel, prises_forcees, ajustement_prof,
            extension_promotion, piece_jouee_racine);

void sauver_etat(EtatNoeud& e) {
  std::memcpy(e.cases, damier, sizeof e.cases);
  e.blancs = masque_blancs;
  e.noirs = masque_noirs;
  e.dames = masque_dames;
  std::memcpy(e.pieces, nb_pieces, sizeof e.pieces);
  e.positionnel = score_positionnel;
  e.tempo = avance_tempo;
  e.calmes = coups_calmes;
  e.ajustement = ajustement_prof;
  e.bilan = bilan_materiel;
  e.index = cle_index;
  e.verif = cle_verif;
  e.extension = extension_promotion;
}

void restaurer_etat(const EtatNoeud& e) {
  std::memcpy(damier, e.cases, sizeof e.cases);
  masque_blancs = e.blancs;
  masque_noirs = e.noirs;
  masque_dames = e.dames;
  std::memcpy(nb_pieces, e.pieces, sizeof e.pieces);
  score_positionnel = e.positionnel;
  avance_tempo = e.tempo;
  coups_calmes = e.calmes;
  ajustement_prof = e.ajustement;
  bilan_materiel = e.bilan;
  cle_index = e.index;
  cle_verif = e.verif;
  extension_promotion = e.extension;
}

namespace {
constexpr int BILAN_EQUILIBRE = 4;      // the crowning side is up at most this: a balanced ending
constexpr int HORIZON_PROMOTION = 2;    // a first king this near the depth extends the line
constexpr std::int16_t PLIS_PROMOTION = 2;  // by this many plies
}  // namespace

void faire_coup(int index) {
  const Coup& m = listes_coups[prof_courante][index];
  const Piece p = damier[m.depart];
  const Piece couronne = couronner(p, m.arrivee);
  const bool racine_blanche = camp_racine != NOIRS;

  cle_index ^= cles_index[p * 32 + m.depart] ^ cles_index[couronne * 32 + m.arrivee];
  cle_verif ^= cles_verif[p * 32 + m.depart] ^ cles_verif[couronne * 32 + m.arrivee];
  evaluation_deplacement(p, m.depart, m.arrivee, est_blanc(p) == racine_blanche);
  for (int k = 1; k <= m.nb_prises; ++k) {
    const Case s = m.prises[k];
    const Piece q = damier[s];
    cle_index ^= cles_index[q * 32 + s];
    cle_verif ^= cles_verif[q * 32 + s];
    evaluation_prise(q, s, est_blanc(q) == racine_blanche);
    const int valeur = est_dame(q) ? BILAN_DAME : BILAN_PION;
    bilan_materiel += (est_blanc(q) != racine_blanche) ? valeur : -valeur;
  }
  precharger_table(cle_index);
  const bool premiere_dame = nb_pieces[couronne] == 0;
  appliquer_coup(m);

  if (couronne != p) {
    const bool blanc = p == PION_BLANC;
    evaluation_promotion(p, m.arrivee, blanc == racine_blanche);
    const int gain = BILAN_DAME - BILAN_PION;
    bilan_materiel += (blanc == racine_blanche) ? gain : -gain;
    // A first king near the horizon in a balanced ending: look two plies further.
    const bool equilibre = blanc ? (bilan_materiel >= 0 && bilan_materiel <= BILAN_EQUILIBRE)
                                 : (bilan_materiel >= -BILAN_EQUILIBRE && bilan_materiel <= 0);
    if (premiere_dame && equilibre &&
        prof_courante - prises_forcees[prof_courante] - ajustement_prof > prof_max - HORIZON_PROMOTION)
      extension_promotion = PLIS_PROMOTION;
  }
}

namespace {

// Diagonals of the board as the recogniser reads them, with file f = 1 (a)
// .. 8 (h) and rank r = 1..8 of each square (square 1 is b8, 32 is g1).
constexpr int fichier(int k) { return colonne(static_cast<Case>(k)) + 1; }
constexpr int rang(int k) { return 8 - rangee(static_cast<Case>(k)); }

// Parallel to a1-h8: 1 at b8-a7, 4 the long diagonal, 7 at g1-h2.
constexpr int diag_montante(int k) { return 4 + (fichier(k) - rang(k)) / 2; }
// Parallel to a7-g1: 1 at a1, 4 at a7-g1, 8 at h8.
constexpr int diag_descendante(int k) { return (fichier(k) + rang(k)) / 2; }

static_assert(diag_montante(1) == 1 && diag_montante(5) == 1 && diag_montante(4) == 4 && diag_montante(29) == 4 &&
              diag_montante(32) == 7 && diag_montante(28) == 7);
static_assert(diag_descendante(29) == 1 && diag_descendante(5) == 4 && diag_descendante(32) == 4 &&
              diag_descendante(1) == 5 && diag_descendante(28) == 5 && diag_descendante(4) == 8);

// The recogniser reads the board from the side of white kings; black kings
// are handled on the board turned half a turn with the colours exchanged.
struct Vue {
  Piece c[33];
  bool blanc(int k) const { return c[k] == PION_BLANC || c[k] == DAME_BLANCHE; }
  bool vide(int k) const { return c[k] == VIDE; }
};

bool sans_voisin_blanc(const Vue& v, int k) {
  for (int d = 0; d < 4; ++d) {
    const Case n = voisins[d][k];
    if (n != 0 && v.blanc(n)) return false;
  }
  return true;
}

bool dame_tient(const Vue& v, int a, int b) {
  return (v.c[a] == DAME_BLANCHE && v.vide(b)) || (v.c[b] == DAME_BLANCHE && v.vide(a));
}

// The three patterns of a won ending for white kings against n black men.
int motifs_dames_blanches(const Vue& v, int n) {
  auto toutes = [&](auto condition_noir, auto condition_blanc) {
    for (int k = 1; k <= NB_CASES; ++k) {
      if (v.c[k] == PION_NOIR && !condition_noir(k)) return 0;
      if (v.c[k] == PION_BLANC && !condition_blanc(k)) return 0;
    }
    return RECONNU_GAGNANT;
  };
  // A: the king holds the diagonal b8-h2, the black men are penned in the
  // corner beyond it.
  if (dame_tient(v, 1, 28) && n <= 3)
    return toutes(
        [&](int k) {
          return diag_descendante(k) >= 6 && !(k == 4 && v.vide(8) && !v.vide(11)) && sans_voisin_blanc(v, k);
        },
        [](int k) { return diag_descendante(k) <= 4; });
  // B: the king holds d8-h4.
  if (dame_tient(v, 2, 20) && n <= 4)
    return toutes([&](int k) { return diag_descendante(k) >= 7 && sans_voisin_blanc(v, k); },
                  [](int k) { return diag_descendante(k) <= 5; });
  // C: the king holds f8-a3, the black men are on the two short diagonals.
  if (dame_tient(v, 3, 21) && n <= 4 && (v.vide(2) || n == 3))
    return toutes([&](int k) { return diag_montante(k) <= 2 && sans_voisin_blanc(v, k); },
                  [](int k) { return diag_montante(k) >= 4; });
  return 0;
}

constexpr Piece couleur_inverse(Piece p) {
  switch (p) {
    case PION_BLANC: return PION_NOIR;
    case DAME_BLANCHE: return DAME_NOIRE;
    case PION_NOIR: return PION_BLANC;
    case DAME_NOIRE: return DAME_BLANCHE;
    default: return VIDE;
  }
}

}  // namespace

int reconnaitre_gain_dames(int n, Camp camp_dames) {
  // Every pattern needs a king on one end of its diagonal: b8 h2, d8 h4, f8 a3.
  static constexpr Case BOUTS[6] = {1, 28, 2, 20, 3, 21};
  const Piece dame = camp_dames == NOIRS ? DAME_NOIRE : DAME_BLANCHE;
  bool bout_tenu = false;
  for (Case b : BOUTS) bout_tenu |= damier[camp_dames == NOIRS ? NB_CASES + 1 - b : b] == dame;
  if (!bout_tenu) return 0;
  Vue v;
  v.c[0] = HORS_DAMIER;
  for (int k = 1; k <= NB_CASES; ++k)
    v.c[k] = camp_dames == NOIRS ? couleur_inverse(damier[NB_CASES + 1 - k]) : damier[k];
  return motifs_dames_blanches(v, n);
}

namespace {

// Margins of the node, in score units.
constexpr int MARGE_RACINE_INITIALE = 500;  // root moves start this far below the window
constexpr int MARGE_REDUCTION = 200;        // a root move this far below the best is searched a ply shallower
constexpr int MARGE_REDUCTION_TOUS = 150;   // the best this far above both earlier scores: all the others are
constexpr int BONUS_RACINE_MIEUX = 200;     // next iteration's order: a new best root move ranks high,
constexpr int MALUS_RACINE_PIRE = 300;      // a worse one low,
constexpr int MALUS_RACINE_EGAL = 200;      // an equal one between
constexpr int PIONS_RECONNUS = 7;           // the recogniser reads endings of kings against fewer men
constexpr int PIECES_PARESSE = 6;           // lazy pruning only with more pieces than this
constexpr int HORIZON_PARESSE = 4;          // and, short of long quiet lines, this near the depth

inline int total_pieces() { return nb_pieces[1] + nb_pieces[2] + nb_pieces[3] + nb_pieces[4]; }

// Every 5001 nodes: the clock of the side thinking, the hard limits, and the
// window system's messages (the user's stop requests arrive there).
void sonder_horloge() {
  if (reflexion_anticipee == 0) {
    const std::int32_t total = heure_en_secondes() - debut_reflexion;
    if (total - temps_deja_utilise > temps_max_coup || total > temps_limite_total) arret_calcul = 1;
    horloge(camp_racine) = total;
  }
  pomper_messages();
}

// Node of the side `camp` that moves at this ply; its pieces' codes.
template <bool MAX>
struct Cote {
  static Camp camp() { return MAX ? camp_racine : camp_adverse; }
  static Piece pion() { return MAX ? pion_camp : pion_adverse; }
  static Piece pion_ennemi() { return MAX ? pion_adverse : pion_camp; }
  static Piece dame_ennemie() { return MAX ? dame_adverse : dame_camp; }
  // `a` is better than `b` for the side moving here.
  static bool meilleur(int a, int b) { return MAX ? a > b : a < b; }
};

// The principal variation: move m becomes the head of row p, followed by
// the line found below it.
void mettre_variante(int p, const Coup& m) {
  Coup* ligne = variante[p];
  ligne[p] = m;
  int k = p + 1;
  for (; k < NB_LISTES && variante[p + 1][k].depart != 0; ++k) ligne[k] = variante[p + 1][k];
  if (k < NB_LISTES) ligne[k].depart = 0;
  if (p + 1 < NB_LISTES) variante[p + 1][p + 1].depart = 0;
}

// A quiet move that caused a cutoff at ply p enters the killers: on odd
// plies a higher score ranks first, on even plies a lower one.
void noter_tueur(int p, const Coup& m, Score v) {
  CoupTueur* t = tueurs[p];
  if (t[0].depart == m.depart && t[0].arrivee == m.arrivee) return;
  const bool impair = p % 2 == 1;
  auto mieux = [&](Score a, Score b) { return impair ? a > b : a < b; };
  if (mieux(v, t[0].score)) {
    t[1] = t[0];
    t[0] = {m.depart, m.arrivee, v};
  } else if (mieux(v, t[1].score)) {
    t[1] = {m.depart, m.arrivee, v};
  }
}

void noter_dernier_meilleur(int p, const Coup& m) {
  if (tueurs[p][0].depart == m.depart && tueurs[p][0].arrivee == m.arrivee) return;
  derniers_meilleurs[p] = {m.depart, m.arrivee};
}

// A man moving onto one of the 12 squares nearest its crowning row, once the
// opening is over.
inline bool coup_pion_avance(Piece p, Case arrivee) {
  if (phase_partie == 0) return false;
  return (p == PION_BLANC && arrivee <= 12) || (p == PION_NOIR && arrivee >= 21);
}

template <bool MAX>
Score chercher(Score alpha, Score beta, int ply);

// Four pieces or fewer: the endgame databases; kings against a few men,
// recognised as won. True with the score in `v` when either knows it.
bool sonder_finales(int ply, Score& v) {
  if (ply >= 2 && total_pieces() <= 4) {
    if (bases_chargees == 0) {
      bases_chargees = 1;
      charger_bases();
    }
    if (sonder_finale(camp_racine, ply, v)) return true;
  }
  if (ply >= 3 && total_pieces() > 3) {
    const Score gain_blancs = camp_racine == BLANCS ? SCORE_GAIN_DAMES : -SCORE_GAIN_DAMES;
    if (nb_pieces[DAME_BLANCHE] > 0 && nb_pieces[DAME_NOIRE] == 0 && nb_pieces[PION_NOIR] < PIONS_RECONNUS) {
      if (reconnaitre_gain_dames(nb_pieces[PION_NOIR], BLANCS) == RECONNU_GAGNANT) {
        v = gain_blancs;
        return true;
      }
    } else if (nb_pieces[DAME_NOIRE] > 0 && nb_pieces[DAME_BLANCHE] == 0 && nb_pieces[PION_BLANC] < PIONS_RECONNUS) {
      if (reconnaitre_gain_dames(nb_pieces[PION_BLANC], NOIRS) == RECONNU_GAGNANT) {
        v = static_cast<Score>(-gain_blancs);
        return true;
      }
    }
  }
  return false;
}

// The transposition table: true with a known score in `v`; otherwise the
// window may come back narrower and the hint move set.
template <bool MAX>
bool sonder_table(int ply, Score& alpha, Score& beta, Score& v) {
  const UsageTable u = MAX ? consulter_table_max(ply, alpha, beta, v) : consulter_table_min(ply, alpha, beta, v);
  return u == UsageTable::SCORE;
}

// Learnt positions, scored for the side to move there (an empty table
// answers nothing, and is not read; the root is never answered).
template <bool MAX>
bool sonder_positions_apprises(int ply, Score& v) {
  if (apprises_presentes == 0 || (MAX && ply < 2)) return false;
  const EntreeApprise* e = sonder_apprises(cle_apprise(cle_index, Cote<MAX>::camp()), cle_verif);
  if (e == nullptr || e->score == 0) return false;
  v = MAX ? e->score : static_cast<Score>(-e->score);
  return true;
}

// The moves of the node; at the root they also start the root-move table,
// each scored just below the window.
template <bool MAX>
int generer_noeud(int ply, Score alpha) {
  const int n = generer_coups(Cote<MAX>::camp());
  if (MAX && ply == 1) {
    const Coup* liste = listes_coups[1];
    const Score depart = alpha > -SCORE_DECISIF ? static_cast<Score>(alpha - MARGE_RACINE_INITIALE) : -SCORE_INFINI;
    for (int i = 0; i < n; ++i) coups_racine[i] = {liste[i].depart, liste[i].arrivee, depart};
    nb_coups_racine = static_cast<std::uint8_t>(n);
  }
  return n;
}

// The horizon, unless a capture is pending: captures are followed to a
// quiet position without counting against the depth. Whether they are
// pending is read from the list (a capture list starts with a capture); the
// generator's running capture count says nothing once the generation is over.
bool au_horizon(int ply, bool prises) {
  return !prises && ply - prises_forcees[ply - 1] - ajustement_prof - extension_promotion > prof_max;
}

// Root move i, before it is searched: shown as being searched, and its depth
// adjusted. A move that scored far below the best last time is searched a
// ply shallower; when the best already beats both the static score and the
// last iteration well, all the others are.
void preparer_coup_racine(int i, const Coup& m, Score best, Score v) {
  if (crochet_ligne_racine) montrer_ligne_racine({i, m, score_affiche(i == 0 ? score_racine : v), true});
  const int note = m.note;
  if (note > -SCORE_INFINI && note < SCORE_INFINI && best > -SCORE_INFINI - 1 && best < SCORE_INFINI + 1) {
    ajustement_prof = note < best - MARGE_REDUCTION ? -1 : 0;
    if (best > score_statique_racine + MARGE_REDUCTION_TOUS && best > score_racine + MARGE_REDUCTION_TOUS &&
        best > VALEUR_PION)
      ajustement_prof = -2;
  }
}

// The path counters a move changes before it is played.
template <bool MAX>
void avant_coup(int ply, const Coup& m) {
  if (MAX && ply == 1) piece_jouee_racine = damier[m.depart];
  coups_calmes = m.nb_prises != 0 ? 0 : static_cast<std::uint8_t>(coups_calmes + 1);
  extension_promotion = extension_promotion == PLIS_PROMOTION ? 1 : 0;
  (MAX ? pion_avance_camp : pion_avance_adverse) = coup_pion_avance(damier[m.depart], m.arrivee) ? 1 : 0;
}

// Forward pruning of long quiet lines when material is down, after the move
// is played: the node gives up, the move is scored statically, or it is searched.
enum class Paresse : std::uint8_t { CHERCHER, ESTIMER, ABANDONNER };

template <bool MAX>
Paresse elagage_paresseux(int ply) {
  if (total_pieces() <= PIECES_PARESSE || coups_calmes <= 1) return Paresse::CHERCHER;
  const int perte = MAX ? -bilan_materiel : bilan_materiel;  // material the side moving here is down
  const int avance = MAX ? pion_avance_camp : pion_avance_adverse;
  const int d = ply - prises_forcees[ply] - ajustement_prof - avance - extension_promotion;
  if (perte > 0 && pion_avance_camp == 0 && pion_avance_adverse == 0 && coups_calmes > prof_max / 2)
    return Paresse::ESTIMER;
  if (d <= prof_max - HORIZON_PARESSE) return Paresse::CHERCHER;
  if (perte > 3) return Paresse::ABANDONNER;
  const bool estimer = perte == 3 || (perte == 2 && d > prof_max - 2) || (perte == 1 && d > prof_max - 1);
  return estimer ? Paresse::ESTIMER : Paresse::CHERCHER;
}

// The other side has nothing left after move i: won for the side moving here.
template <bool MAX>
Score sans_adversaire(int ply, int i, const Coup& m) {
  if (!MAX) return static_cast<Score>(-SCORE_INFINI + ply);
  if (ply == 1) {
    meilleur_coup_racine = static_cast<std::uint8_t>(i);
    variante[1][1] = m;
    variante[1][2].depart = 0;
  }
  return static_cast<Score>(SCORE_INFINI - ply);
}

// The child of move i: the first move with the whole window, the others with
// a null window and a re-search when they fall inside it. In an analysis the
// recorded move keeps the score it was given.
template <bool MAX>
Score chercher_enfant(Score alpha, Score beta, int ply, int i, const Coup& m) {
  if (MAX && ply == 1 && analyse_en_cours != 0 && nb_demi_coups < coup_depart_analyse &&
      nb_demi_coups + 1 < TAILLE_PARTIE && m.depart == partie[nb_demi_coups + 1].depart &&
      m.arrivee == partie[nb_demi_coups + 1].arrivee)
    return score_coup_enregistre;
  if (i == 0) return chercher<!MAX>(alpha, beta, ply + 1);
  const auto dedans = [&](Score v) { return v > alpha && v < beta && v > -SCORE_RECHERCHE && v < SCORE_RECHERCHE; };
  if constexpr (MAX) {
    const Score v = chercher<false>(alpha, static_cast<Score>(alpha + 1), ply + 1);
    return dedans(v) ? chercher<false>(static_cast<Score>(v - 1), beta, ply + 1) : v;
  } else {
    const Score v = chercher<true>(static_cast<Score>(beta - 1), beta, ply + 1);
    return dedans(v) ? chercher<true>(alpha, static_cast<Score>(v + 1), ply + 1) : v;
  }
}

// Root move i after its search: a move that closes a cycle of the game
// record is a draw; its score orders the next iteration. Returns its score.
Score apres_coup_racine(int i, const Coup& m, Score v, Score best) {
  if (v > -SCORE_DECISIF && v < SCORE_DECISIF && repetition_racine(m.depart, m.arrivee)) v = 0;
  const int r = v > best ? v + 2 * i + BONUS_RACINE_MIEUX : (v < best ? v - MALUS_RACINE_PIRE : v - MALUS_RACINE_EGAL);
  coups_racine[i].score = static_cast<Score>(r);
  return v;
}

// A cutoff by quiet or capture move m with score v: the killers, and the
// table as a bound (or as decisive).
template <bool MAX>
void noter_coupure(int ply, int n, bool prises, const Coup& m, Score v) {
  if (n > 1 && !prises) noter_tueur(ply, m, v);
  if (!(MAX ? table_active_max(ply) : table_active_min(ply))) return;
  const bool decisif = MAX ? v > SCORE_DECISIF : v < -SCORE_DECISIF;
  const std::uint8_t type =
      MAX ? (decisif ? TYPE_MAX_DECISIF : TYPE_MAX_MINORANT) : (decisif ? TYPE_MIN_DECISIF : TYPE_MIN_MAJORANT);
  stocker_table(v, ply, static_cast<std::uint8_t>(type + camp_racine), m.depart, m.arrivee);
}

// The node's result into the table, exact when it rose above the window's
// near bound (as the table narrowed it), else a bound. Only a result short
// of the far bound is stored: one that reached it here can only come from
// lazily scored moves, and is neither exact nor a bound of the kind stored
// at a cutoff. Testing the ply against that bound instead would refuse
// stores for no reason whenever the window lies near zero.
template <bool MAX>
void stocker_noeud(int ply, Score best, Score alpha, Score beta, Score alpha_entree, Score beta_entree,
                   Case depart, Case arrivee) {
  if (!(MAX ? table_active_max(ply) : table_active_min(ply)) || arret_calcul != 0 ||
      ply >= prises_forcees[ply - 1] + prof_max + ajustement_prof || !(MAX ? best < beta : best > alpha))
    return;
  const std::uint8_t c = camp_racine;
  const bool gagne = MAX ? best > SCORE_DECISIF : best < -SCORE_DECISIF;
  const bool perdu = MAX ? best < -SCORE_DECISIF : best > SCORE_DECISIF;
  const std::uint8_t decisif = MAX ? TYPE_MAX_DECISIF : TYPE_MIN_DECISIF;
  if (Cote<MAX>::meilleur(best, MAX ? alpha_entree : beta_entree)) {
    const std::uint8_t type = gagne ? decisif : (MAX ? TYPE_MAX_EXACT : TYPE_MIN_EXACT);
    stocker_table(best, ply, static_cast<std::uint8_t>(type + c), depart, arrivee);
  } else {
    if (perdu) stocker_table(best, ply, static_cast<std::uint8_t>(decisif + c), depart, arrivee);
    stocker_table(best, ply, static_cast<std::uint8_t>((MAX ? TYPE_MAX_MAJORANT : TYPE_MIN_MINORANT) + c), depart,
                  arrivee);
  }
}

template <bool MAX>
Score chercher(Score alpha, Score beta, const int ply) {
  using C = Cote<MAX>;
  Score best = MAX ? -SCORE_INFINI : SCORE_INFINI;

  // The node; the clock and the messages every INTERVALLE_SONDAGE nodes of chercher_max.
  ++nb_noeuds;
  if (MAX && ++compteur_sondage >= static_cast<std::uint32_t>(INTERVALLE_SONDAGE)) {
    compteur_sondage = 0;
    sonder_horloge();
  }

  // What the knowledge and the table already know.
  Score connu;
  if (sonder_finales(ply, connu) || sonder_table<MAX>(ply, alpha, beta, connu) ||
      sonder_positions_apprises<MAX>(ply, connu))
    return connu;

  prof_courante = static_cast<std::int8_t>(ply);
  if (ply > PLY_STATIQUE) return evaluer_position(camp_racine, alpha, beta);
  const int n = generer_noeud<MAX>(ply, alpha);
  const Coup* const liste = listes_coups[ply];
  const bool prises = n > 0 && liste[0].nb_prises != 0;
  if (au_horizon(ply, prises)) return evaluer_position(camp_racine, alpha, beta);
  // No move: lost for the side to move.
  if (n == 0) return MAX ? static_cast<Score>(-SCORE_INFINI + ply) : static_cast<Score>(SCORE_INFINI - ply);
  prises_forcees[ply] = static_cast<std::uint8_t>(prises_forcees[ply - 1] + (prises ? 1 : 0));

  // The move loop; every move is taken back by putting the node's state back.
  EtatNoeud sauve;
  sauver_etat(sauve);
  const Score alpha_entree = alpha, beta_entree = beta;
  Case meilleur_depart = 0, meilleur_arrivee = 0;
  Score v = 0;
  for (int i = 0; i < n; ++i) {
    const Coup& m = liste[i];
    if (MAX && ply == 1 && arret_calcul == 0) preparer_coup_racine(i, m, best, v);
    if (arret_calcul != 0) return calcul_annule != 0 ? 0 : evaluer_position(camp_racine, alpha, beta);
    avant_coup<MAX>(ply, m);
    faire_coup(i);

    const Paresse paresse = elagage_paresseux<MAX>(ply);
    if (paresse == Paresse::ABANDONNER) return evaluer_position(camp_racine, alpha, beta);
    if (paresse == Paresse::ESTIMER) {
      const Score e = evaluer_position(camp_racine, alpha, beta);
      if (C::meilleur(e, best)) best = e;
      restaurer_etat(sauve);
      prof_courante = static_cast<std::int8_t>(ply);
      if (i == n - 1) return best;
      continue;
    }
    if (nb_pieces[C::pion_ennemi()] + nb_pieces[C::dame_ennemie()] == 0) return sans_adversaire<MAX>(ply, i, m);

    v = chercher_enfant<MAX>(alpha, beta, ply, i, m);
    suivre_variante = 0;
    if (MAX && ply == 1) v = apres_coup_racine(i, m, v, best);
    restaurer_etat(sauve);
    prof_courante = static_cast<std::int8_t>(ply);

    if (C::meilleur(v, best) && arret_calcul == 0) {
      best = v;
      meilleur_depart = m.depart;
      meilleur_arrivee = m.arrivee;
      mettre_variante(ply, m);
      if (MAX && ply == 1) meilleur_coup_racine = static_cast<std::uint8_t>(i);
    }
    if (MAX && ply == 1 && arret_calcul == 0) {
      afficher_recherche(best);
      if (crochet_ligne_racine) montrer_ligne_racine({i, m, score_affiche(v), false});
    }
    if (C::meilleur(v, MAX ? alpha : beta)) {
      if (MAX && ply == 1 && arret_calcul == 0) meilleur_coup_racine = static_cast<std::uint8_t>(i);
      const bool coupure = MAX ? v >= beta : v <= alpha;
      if (coupure && arret_calcul == 0 && (MAX ? v > -SCORE_DECISIF : v < SCORE_DECISIF)) {
        noter_coupure<MAX>(ply, n, prises, m, v);
        return v;
      }
      (MAX ? alpha : beta) = v;
      if (n > 1) noter_dernier_meilleur(ply, m);
    }
    if (ply + 1 < NB_LISTES) variante[ply + 1][ply + 1].depart = 0;
  }

  stocker_noeud<MAX>(ply, best, alpha, beta, alpha_entree, beta_entree, meilleur_depart, meilleur_arrivee);
  return best;
}

}  // namespace

Score chercher_max(Score alpha, Score beta, int ply) { return chercher<true>(alpha, beta, ply); }
Score chercher_min(Score alpha, Score beta, int ply) { return chercher<false>(alpha, beta, ply); }
