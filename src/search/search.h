// State of the alpha-beta search that move ordering reads: killer moves,
// last-best moves, the principal variation and the root-move table, plus the
// counters that move application keeps for the search.
#pragma once

#include <cstdint>
#include <string>

#include "rules/board.h"
#include "search/scores.h"

// ---- types ----------------------------------------------------------------

struct CoupTueur {  // a quiet move that caused a cutoff, with its score
  Case depart;
  Case arrivee;
  Score score;
};

struct CoupBref {  // origin and destination only
  Case depart;
  Case arrivee;
};

struct CoupRacine {  // a root move and its score from the previous iteration
  Case depart;
  Case arrivee;
  Score score;
};

// ---- state ----------------------------------------------------------------

extern Camp camp_racine;   // side the search chooses a move for
extern Camp camp_adverse;  // the other side
extern std::int32_t prof_max;  // nominal depth of the current iteration (0: no search)

extern CoupTueur tueurs[NB_LISTES][2];       // two killers per ply, best first
extern CoupBref derniers_meilleurs[NB_LISTES];  // last move that raised alpha per ply
extern Coup variante[NB_LISTES][NB_LISTES];  // triangular principal variation
extern CoupRacine coups_racine[MAX_COUPS];   // root moves of the previous iteration
extern std::uint8_t nb_coups_racine;
extern std::uint8_t suivre_variante;  // next node tries the principal variation first

extern std::int32_t bilan_materiel;            // material won by the root side (man 1, king 3)
extern std::uint8_t prises_forcees[NB_LISTES]; // capture nodes on the path up to each ply
extern std::int32_t ajustement_prof;           // root-move depth adjustment: 0, -1, -2
extern std::int16_t extension_promotion;       // 2 after a crowning near the horizon, then 1

// ---- functions ------------------------------------------------------------

// Empties both killer tables and the last-best table: killer scores start at
// -32000 on odd plies (the root side keeps maxima) and 32000 on even plies.
void effacer_tueurs();

// Orders the first `nombre` moves of list prof_courante by the killers and
// last-best moves of this ply and of plies 2, 4 and 6 away; a hint move noted
// 255 stays first. Notes are 0 again afterwards.
void ordonner_par_tueurs(int nombre, bool liste_prises);

// ===========================================================================
// Alpha-beta search and root driver
// ===========================================================================

// ---- constants ------------------------------------------------------------

constexpr int RECONNU_GAGNANT = 30000;      // reconnaitre_gain_dames: the ending is won
constexpr int FENETRE_ASPIRATION = 250;     // half-width of the root window around the last score
constexpr int INTERVALLE_SONDAGE = 5001;    // nodes of chercher_max between clock reads
constexpr int PROF_LIMITE = 30;             // deepest iteration
constexpr int PLY_STATIQUE = 32;            // nodes deeper than this are evaluated at once
constexpr std::int32_t BUDGET_ILLIMITE = 32000;  // budget_reflexion: no time limit
constexpr std::int32_t TEMPS_SANS_LIMITE = 3200000;
constexpr std::uint8_t CHOIX_AUCUN = 100;   // choisir_coup: nothing to search
constexpr std::uint8_t CHOIX_UNIQUE = 254;  // choisir_coup: one legal move, not searched

// ---- types ----------------------------------------------------------------

// What a node (and the root, before each iteration) saves and puts back:
// moves are taken back by copying, never by an inverse move.
struct EtatNoeud {
  std::uint8_t cases[33];
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

extern Piece pion_camp, dame_camp;        // piece codes of camp_racine
extern Piece pion_adverse, dame_adverse;  // piece codes of camp_adverse
extern std::uint32_t nb_noeuds;           // nodes visited by this search
extern std::uint8_t arret_calcul;         // stop request: end the search with what it has
extern std::uint8_t calcul_annule;        // with arret_calcul: the result is useless, return 0
extern std::uint8_t coups_calmes;         // consecutive quiet moves on the current path
extern std::int32_t pion_avance_camp;     // root side's move being searched is an advanced man's
extern std::int32_t pion_avance_adverse;  // same for the opponent's move being searched
extern std::uint8_t meilleur_coup_racine;  // best root move of this iteration, index in list 1 (255: none yet)
extern std::uint32_t compteur_sondage;     // nodes of chercher_max since the clock was last read
extern Score score_coup_enregistre;        // analysis: score given to the recorded move at the root
extern std::uint8_t apprises_presentes;     // some learnt position has a score: probe them

// Clocks and level, kept here as plain state until the game control owns them.
extern std::int32_t temps_blancs, temps_noirs;  // seconds used by camp 0 and camp 1
extern std::int32_t budget_reflexion;  // thinking budget for 30 moves; 1..5: fixed depth 2..6
extern std::int32_t temps_limite;      // clock allowance for 30 moves

extern std::int32_t debut_reflexion;     // clock reading at which the side's clock read 0
extern std::int32_t temps_deja_utilise;  // side's clock at the start (after: at the end)
extern std::int32_t temps_par_coup;      // soft budget: no new iteration beyond it
extern std::int32_t temps_max_coup;      // hard budget: the running search stops beyond it
extern std::int32_t temps_limite_total;  // hard limit on the side's whole clock
extern Score score_racine;               // score of the last completed iteration, kept between searches
extern std::int32_t score_statique_racine;  // static score of the root, full window
extern std::uint8_t instabilite;         // consecutive aspiration failures (1: a repeated depth failed again)
extern std::int32_t reflexion_anticipee;  // 1 while thinking on the opponent's time
extern std::uint8_t analyse_en_cours;     // 1 while the analysis replays a game
extern std::int32_t coup_depart_analyse;  // analysis: recorded moves before this ply take -score_racine
extern std::int32_t profondeur_imposee;   // tools and tests: stop after this depth (0: the level decides)

// ---- functions ------------------------------------------------------------

// Saves and puts back the board, piece counts, incremental evaluation terms,
// path counters and position keys.
void sauver_etat(EtatNoeud& e);
void restaurer_etat(const EtatNoeud& e);

// The node functions: scores from camp_racine's point of view, ply >= 1.
Score chercher_max(Score alpha, Score beta, int ply);
Score chercher_min(Score alpha, Score beta, int ply);

// The computer's move for `camp` in the game position: index in list 1
// (0..69), CHOIX_AUCUN or CHOIX_UNIQUE.
std::uint8_t choisir_coup(Camp camp);

// The time budget of a search: temps_par_coup, temps_max_coup and
// temps_limite_total from the level, temps_deja_utilise and nb_demi_coups.
void calculer_budget_temps();

// Rewrites the search panel (list 2) with the state of the running search.
void afficher_recherche(Score score);

// Line of a root move in the root-move list: "11-15 :    12" or, while the
// move is being searched, "11-15 :    12 ?<---".
std::string ligne_coup_racine(const Coup& m, int score, bool en_cours);

// 30000 when the ending of the kings of `camp_dames` against `n` enemy men
// is recognised as won for the kings, else 0.
int reconnaitre_gain_dames(int n, Camp camp_dames);

// The root move (origin, destination) would repeat the game record's last
// four half-moves: a draw by repetition.
bool repetition_racine(Case depart, Case arrivee);

// After an iteration: killers of each ply from the principal variation.
void semer_tueurs(Score v);

// ---- read by the evaluation -------------------------------------------------

// Code of the piece the root move being searched moves (set at ply 1).
extern Piece piece_jouee_racine;

// ===========================================================================
// Transposition table and position keys (functions in search/table.h)
// ===========================================================================

constexpr int NB_MOTS_CLES = 165;  // words per key table, addressed piece code * 32 + square

struct EntreeTable;

extern std::uint32_t cles_index[NB_MOTS_CLES];  // key words choosing the slot
extern std::uint32_t cles_verif[NB_MOTS_CLES];  // key words checked in the slot
extern std::uint32_t cle_index;  // xor of cles_index over the pieces of damier, kept by faire_coup
extern std::uint32_t cle_verif;  // xor of cles_verif likewise
extern std::int16_t taille_tables;   // menu setting: 1310 slots per unit (0 read as 100)
extern std::int8_t decalage_tables;  // table depth offset: probes while ply - offset < 18 (17)
extern EntreeTable* table_transposition;  // nb_entrees_table slots, allocated by allouer_tables
extern std::uint32_t nb_entrees_table;
