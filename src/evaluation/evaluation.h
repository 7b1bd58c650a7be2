// The static evaluation and its tunable parameter set: material with a king
// value that follows the phase, per-square tables kept up to date move by
// move, tempo, zones, hand-written pattern terms, a lazy exit and a few king
// endings. Scores are in 1/200 of a man, seen from the side `cote`.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "rules/board.h"
#include "search/scores.h"

// ---- constants ------------------------------------------------------------

constexpr int TAILLE_PARAMETRES = 1162;    // bytes of a .par file
constexpr int CHAMPS_PARAMETRES = 303;     // bytes of it that hold fields
constexpr int NB_TABLES_CASES = 8;

// Indexes of tables_cases (and of the matching temps_avance weight).
constexpr int TABLE_DEBUT = 0, TABLE_MILIEU = 1, TABLE_PREFINALE = 2, TABLE_FINALE = 3;
constexpr int TABLE_DEBUT_V1 = 4, TABLE_MILIEU_V1 = 5, TABLE_DEBUT_V2 = 6, TABLE_MILIEU_V2 = 7;

extern const std::int8_t rangee_tempo[33];   // row counted from black's back row
extern const std::int8_t zone_case[33];      // quarter of the board in black's orientation, 0 = crowning row
extern const std::int8_t centre_case[33];    // centrality of the square's file
extern const std::int8_t interieur[33];      // 1 off the edges and the two back rows
extern const std::int8_t dames_finale[33];   // king table of the two-kings-plus-men endings
extern const std::int8_t diagonale[33];      // diagonal number along directions 1/2; 4 is the long one

// ---- state: the parameter set ----------------------------------------------

extern std::int8_t tables_cases[NB_TABLES_CASES][33];  // man value per square, black's orientation
extern std::int8_t phase0_bas;                         // opening while more men than this
extern std::int8_t phase1_bas;                         // middle game while more than this
extern std::int8_t phase2_bas;                         // pre-ending while more; ending at or below
extern std::int8_t cases_v1_blancs[7];                 // variant 1: squares expected to hold a white man
extern std::int8_t cases_v2_blancs[7];
extern std::int8_t cases_v1_noirs[7];                  // variant 1: squares expected to hold a black man
extern std::int8_t cases_v2_noirs[7];
extern std::int8_t temps_avance[8];                    // tempo weights, one per table situation
extern std::uint8_t parametres_bruts[TAILLE_PARAMETRES];  // image of the last file loaded or saved

// ---- state: prepared at the root, kept during the search ---------------------

extern std::int32_t valeur_dame;      // value of a king, set by every evaluation
extern std::int8_t phase_partie;      // 0 opening, 1 middle game, 2 pre-ending, 3 ending
extern std::uint8_t variante1;        // opening variant flags (0/1)
extern std::uint8_t variante2;
extern std::int8_t table_cases[33];   // men table in force for this search
extern std::int8_t table_dames[33];   // king table in force, not mirrored
extern std::int32_t score_positionnel;  // table sum, root side's view, updated by faire_coup
extern std::int32_t avance_tempo;       // rows advanced beyond the opponent, root side's view
extern std::int8_t zones_camp[5];       // root side's men per zone 1..4 of its own orientation
extern std::int8_t centre_camp;         // their file centrality
extern std::int8_t zones_adverse[5];    // the same for the other side
extern std::int8_t centre_adverse;

// ---- functions: parameters -----------------------------------------------------

// Loads a .par file; a short file fills only the start of parametres_bruts.
// An unopenable file is reported ("msg.impossible_ouvrir", "msg.erreur")
// and changes nothing. Returns whether the file was read.
bool charger_parametres(const std::filesystem::path& chemin);

// Writes the parameter set (1162 bytes) safely; reports a failure like loading.
bool sauver_parametres(const std::filesystem::path& chemin);

// Loads "defaut.par" of the "Parametres" folder: the user's own, else the shipped one.
bool charger_parametres_defaut();

// Copies the fields between the parameter set and parametres_bruts.
void parametres_vers_bruts();
void bruts_vers_parametres();

// Reads the readable form of a parameter set ("name values...", "table N"
// and 32 values, '#' comments) into the set; false with `erreur` on a fault.
bool lire_parametres_texte(const std::string& texte, std::string& erreur);
std::string ecrire_parametres_texte();  // the set in that form

// Decimal text of an edit box as a parameter byte: leading blanks skipped,
// optional sign, digits up to the first other character (none: 0), low 8 bits.
std::int8_t valeur_saisie(const std::string& texte);

// The text of an edit box as a parameter value: blanks around it, an
// optional sign and digits only, -128..127. False for anything else (the
// box is then refused rather than read as a wrong number).
bool lire_valeur_parametre(const std::string& texte, std::int8_t& valeur);

// ---- functions: evaluation --------------------------------------------------------

// Root preparation for `cote` (nb_pieces recounted): phase, table, variants,
// and the from-scratch sums.
void preparer_evaluation(Camp cote);
std::int32_t calculer_positionnel(Camp cote);   // rebuilds table_dames, returns the table sum
std::int32_t calculer_temps_avance(Camp cote);  // row balance of the men
void calculer_zones(Camp cote);                 // fills the zone counts

// The evaluation of the board for `cote` inside the window alpha..beta.
Score evaluer_position(Camp cote, Score alpha, Score beta);

// Evaluation of the board outside a search: recomputes everything for `cote`
// at ply 2 with the full window.
Score evaluer_statique(Camp cote);

// Pattern terms, white's gain positive, returned from `cote`'s view.
int terme_surete_pions(Camp cote);
int terme_pions_echappes(Camp cote);
int terme_motifs_positionnels(Camp cote);
int terme_coups_tactiques(Camp cote);
int terme_trois_dames(Camp fort);  // kings of `fort` against the enemy man's file

// ---- incremental updates made by faire_coup ---------------------------------------
// `racine`: the piece belongs to the side the search runs for.

inline int index_table(Piece p, Case s) { return p == PION_BLANC ? 33 - s : s; }

// Piece p goes from `depart` to `arrivee` (before any crowning).
inline void evaluation_deplacement(Piece p, Case depart, Case arrivee, bool racine) {
  int d, t = 0;
  if (est_dame(p)) {
    d = table_dames[arrivee] - table_dames[depart];
  } else {
    const int a = index_table(p, arrivee), b = index_table(p, depart);
    d = table_cases[a] - table_cases[b];
    t = rangee_tempo[a] - rangee_tempo[b];
  }
  score_positionnel += racine ? d : -d;
  avance_tempo += racine ? t : -t;
}

// Piece q is captured on s.
inline void evaluation_prise(Piece q, Case s, bool racine) {
  int d, t = 0;
  if (est_dame(q)) {
    d = table_dames[s];
  } else {
    const int a = index_table(q, s);
    d = table_cases[a];
    t = rangee_tempo[a];
  }
  score_positionnel -= racine ? d : -d;
  avance_tempo -= racine ? t : -t;
}

// The man p on s becomes a king.
inline void evaluation_promotion(Piece p, Case s, bool racine) {
  const int a = index_table(p, s);
  const int d = table_dames[s] - table_cases[a];
  const int t = rangee_tempo[a];
  score_positionnel += racine ? d : -d;
  avance_tempo -= racine ? t : -t;
}
