// The root driver: the computer's move for one side, iterative deepening
// inside a time budget, the search display and the repetition test.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/hooks.h"
#include "rules/board.h"
#include "search/scores.h"

// ---- constants ------------------------------------------------------------

constexpr int FENETRE_ASPIRATION = 250;  // half-width of the root window around the last score
constexpr int PROF_LIMITE = 30;          // deepest iteration
constexpr std::uint8_t CHOIX_AUCUN = 100;   // choisir_coup: nothing to search
constexpr std::uint8_t CHOIX_UNIQUE = 254;  // choisir_coup: one legal move, not searched

// ---- types ----------------------------------------------------------------

// Where the computer's move came from.
enum class OrigineCoup : std::uint8_t {
  Recherche,  // the search chose it
  Force,      // the only legal move, played without a search
  Livre,      // the opening book
  Aucun,      // nothing to play: no piece or no legal move
};

// The answer of one root search.
struct ResultatRecherche {
  OrigineCoup origine = OrigineCoup::Aucun;
  int index = -1;     // the move's index in list 1; -1 with OrigineCoup::Aucun
  Coup coup{};        // the move (empty with OrigineCoup::Aucun)
  Score score = 0;    // score_racine as the search left it, for the side searched
  int profondeur = 0;           // last depth begun
  std::uint32_t noeuds = 0;
  std::int64_t millisecondes = 0;
  bool interrompue = false;     // stopped by arret_calcul before its own end
  bool annulee = false;         // stopped with calcul_annule: the game moved, the move is void
  std::vector<Coup> variante;   // the principal variation, the move first
  bool joue() const { return origine != OrigineCoup::Aucun; }
};

// ---- state ----------------------------------------------------------------

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
extern Score score_coup_enregistre;       // analysis: score given to the recorded move at the root
extern std::int32_t profondeur_imposee;   // tools and tests: stop after this depth (0: the level decides)

// ---- functions ------------------------------------------------------------

// The computer's move for `camp` in the game position, as a value.
ResultatRecherche rechercher_coup(Camp camp);

// The same search, answered as an index in list 1 (0..69), CHOIX_AUCUN or
// CHOIX_UNIQUE.
std::uint8_t choisir_coup(Camp camp);

// The time budget of a search: temps_par_coup, temps_max_coup and
// temps_limite_total from the level, temps_deja_utilise and nb_demi_coups.
void calculer_budget_temps();

// Rewrites the search panel (list 2) with the state of the running search.
void afficher_recherche(Score score);

// The search panel's lines for a state of the search, in the language of
// the formats given (printf formats with one number each: %d, or %u for
// the nodes and the speed).
struct FormatsRecherche {
  const char* profondeur;    // "Profondeur : %5d"
  const char* noeuds;        // "Noeuds : %8u"
  const char* temps;         // "Temps : %6d s"
  const char* vitesse;       // "Noeuds/s : %8u"
  const char* sans_vitesse;  // "Noeuds/s : //"
  const char* score;         // "Score : %5d"
  const char* coups;         // "Coups : %3d"
};
std::vector<std::string> lignes_recherche(const EtatRecherche& e, const FormatsRecherche& f);

// The principal variation as the search panel writes it, two half-moves a
// line: "11-15 , 22-18" ("11 - 15 , 22 - 18"), the last line maybe one.
std::vector<std::string> lignes_variante(const Coup* variante, int longueur);

// Line of a root move in the root-move list: "11-15 :    12" or, while the
// move is being searched, "11-15 :    12 ?<---".
std::string ligne_coup_racine(const Coup& m, int score, bool en_cours);

// The root move (origin, destination) would repeat the game record's last
// four half-moves: a draw by repetition.
bool repetition_racine(Case depart, Case arrivee);
