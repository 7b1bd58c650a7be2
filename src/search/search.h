// The alpha-beta node functions, the search's make-move and the state they
// share along the path: what a node saves and puts back, the path counters
// and the stop requests.
#pragma once

#include <cstdint>

#include "rules/board.h"
#include "search/scores.h"

// ---- constants ------------------------------------------------------------

constexpr int RECONNU_GAGNANT = SCORE_DECISIF;  // reconnaitre_gain_dames: the ending is won
constexpr int INTERVALLE_SONDAGE = 5001;  // nodes of chercher_max between clock reads
constexpr int PLY_STATIQUE = 32;          // nodes deeper than this are evaluated at once
constexpr int BILAN_PION = 1;             // bilan_materiel counts a man 1 and a king 3
constexpr int BILAN_DAME = 3;

// ---- types ----------------------------------------------------------------

// What a node (and the root, before each iteration) saves and puts back:
// moves are taken back by copying, never by an inverse move.
struct EtatNoeud {
  std::uint8_t cases[33];
  std::uint32_t blancs, noirs, dames;  // the board's masks
  std::uint8_t pieces[5];
  std::int32_t positionnel;
  std::int32_t tempo;
  std::uint8_t calmes;
  std::int32_t ajustement;
  std::int32_t bilan;
  std::uint32_t index, verif;
  std::int16_t extension;
};

// ---- state ----------------------------------------------------------------

extern Camp camp_racine;       // side the search chooses a move for
extern Camp camp_adverse;      // the other side
extern std::int32_t prof_max;  // nominal depth of the current iteration (0: no search)
extern Piece pion_camp, dame_camp;        // piece codes of camp_racine
extern Piece pion_adverse, dame_adverse;  // piece codes of camp_adverse

extern std::uint32_t nb_noeuds;         // nodes visited by this search
extern std::uint32_t compteur_sondage;  // nodes of chercher_max since the clock was last read
extern std::uint8_t arret_calcul;       // stop request: end the search with what it has
extern std::uint8_t calcul_annule;      // with arret_calcul: the result is useless, return 0

extern std::int32_t bilan_materiel;             // material won by the root side (man 1, king 3)
extern std::uint8_t prises_forcees[NB_LISTES];  // capture nodes on the path up to each ply
extern std::int32_t ajustement_prof;            // root-move depth adjustment: 0, -1, -2
extern std::int16_t extension_promotion;        // 2 after a crowning near the horizon, then 1
extern std::uint8_t coups_calmes;               // consecutive quiet moves on the current path
extern std::int32_t pion_avance_camp;     // root side's move being searched is an advanced man's
extern std::int32_t pion_avance_adverse;  // same for the opponent's move being searched
extern std::uint8_t apprises_presentes;   // some learnt position has a score: probe them
extern std::uint8_t meilleur_coup_racine;  // best root move of this iteration, index in list 1 (255: none yet)

// Read by the evaluation: code of the piece the root move being searched
// moves (set at ply 1).
extern Piece piece_jouee_racine;

// ---- functions ------------------------------------------------------------

// Saves and puts back the board, piece counts, incremental evaluation terms,
// path counters and position keys.
void sauver_etat(EtatNoeud& e);
void restaurer_etat(const EtatNoeud& e);

// Plays move `index` of list prof_courante inside the search: the board and
// piece counts (appliquer_coup), the position keys, the incremental
// evaluation, the material balance and the crowning extension.
void faire_coup(int index);

// The node functions: scores from camp_racine's point of view, ply >= 1.
Score chercher_max(Score alpha, Score beta, int ply);
Score chercher_min(Score alpha, Score beta, int ply);

// 30000 when the ending of the kings of `camp_dames` against `n` enemy men
// is recognised as won for the kings, else 0.
int reconnaitre_gain_dames(int n, Camp camp_dames);
