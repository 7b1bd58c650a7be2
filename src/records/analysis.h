// The analysis of a game: the record replayed from its last position back to
// its first with the computer's root search on each, one line per move that
// compares the move played with the move the search prefers; the list the
// analysis window shows, its text file, and the game as PDN with the
// analysis in it. The window drives it one position at a time (or lets
// analyser_partie run the loop), repaints between positions, and stops it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/game.h"
#include "rules/board.h"
#include "search/scores.h"

// ---- constants ------------------------------------------------------------

constexpr int ECART_ETOILE = 100;             // internal points: a best move further above the move played earns "*"
constexpr int ECART_SCORES_DECISIFS = 60000;  // |s - p| from here on: two decisive scores, no star
constexpr std::int32_t BUDGET_ANALYSE_APPRENTISSAGE = 500;  // a learning run analyses with at least this budget
constexpr int NAG_MAUVAIS_COUP = 2;           // PDN "$2" ("?"): a starred move
constexpr int NAG_GAFFE = 4;                  // PDN "$4" ("??"): a starred move that threw away a win or two men
constexpr int ECART_GAFFE = 2 * VALEUR_PION;  // internal points: the move played this far below the best is "??"
inline constexpr const char* FICHIER_COUPS_CALCUL = "Bestmove.txt";  // "Editer coups" of the "Calcul" tab

// ---- types ----------------------------------------------------------------

// One analysed move: the values of its line.
struct CoupAnalyse {
  int index;              // record index of the position it was played from (it is ply index + 1)
  Camp camp;              // the side that played it
  Coup joue;              // the move played: origin, destination, nb_prises (no captured squares)
  Coup meilleur;          // the search's choice; the move played when it is the same or was not searched
  Score score_joue;       // internal, for `camp`: minus the score of the position it led to
  Score score_meilleur;   // internal, for `camp`: the score of the position it was played from
  bool etoile;            // the best move was clearly better
  std::vector<Coup> variante;  // a starred line's better play: the first two moves of the principal variation
  int numero() const { return index / 2 + 1; }
  int nag() const;        // 0, NAG_MAUVAIS_COUP or NAG_GAFFE
};

// The analysis texts of one language, catalogue forms with %1, %2 ...
struct FormatsAnalyse {
  std::string blancs;    // the line of a move of camp 1 (drawn white): number, played, score, best, score
  std::string noirs;     // the line of a move of camp 0 (drawn black)
  std::string legende;   // "+100 gagne un pion ; ..."
  std::string attente;   // "(ne pas prendre en compte ...) ... Analyse en cours"
  std::string meilleur;  // the PDN comment of a starred move: best move, its score
};

// The items of the menu "Analyse".
struct MenusAnalyse {
  bool Dbuteruneanalyse1, Arrtercettephase1, Terminerlanalyse1;
};

// ---- state ----------------------------------------------------------------

extern Score scores_analyse[TAILLE_PARTIE];     // best score of each analysed position, for its side to move
extern std::vector<CoupAnalyse> coups_analyses;  // the move lines' values, the first move first
extern std::vector<std::string> liste_analyse;  // the analysis window's list, top first: move lines, legend, waiting line
extern std::uint8_t analyse_ouverte;            // 1 from the start of an analysis to fin_analyse
extern std::uint8_t langue_analyse;             // language of the lines (0 French .. 5 Italian)

// ---- functions ------------------------------------------------------------

// The texts of `langue` (0 French .. 5 Italian) from the language tables.
FormatsAnalyse formats_analyse(int langue);

// The star: the best move more than ECART_ETOILE above the move played
// (internal scores, for the side that moved), unless both are decisive
// scores of opposite signs. A move played that scored above the search's
// choice (a search cut short) is no mistake and gets none.
bool etoile_analyse(Score score_joue, Score score_meilleur);

// The line of an analysed move in the language of `f`, with the square
// names in force: "%2d Blancs: joué : %s-%s; score : %2d; ...", scores
// halved; a starred line begins with "*" and ends " ->( 11-15 22-18 ....)".
std::string ligne_analyse(const CoupAnalyse& c, const FormatsAnalyse& f);

// The start (Analyser): false, changing nothing, when no move leads to the
// current ply or an analysis is open. Otherwise the analysis opens in `langue`: the game stops
// being rated, thinking on the opponent's time is switched off, the books
// too, and the search's memory is emptied (so the same game and settings
// always give the same lines); the board goes back one ply when a side has
// no piece left; the list holds the legend and the waiting line; the root
// search runs once on the position where the analysis begins.
bool debuter_analyse(int langue);
// Its two halves, for a window that shows the analysis open before the
// first search: everything but that search, then the search.
bool ouvrir_analyse(int langue);
void chercher_depart_analyse();

// One position of the loop: the search for its side to move, its move's
// line at the top of the list, its score in scores_analyse, then the board
// one ply back (repainted through placer_pions). Raising arret_calcul (the
// window's pause, "Suivant") cuts the running search short and the loop
// goes on with the next position. True while positions remain; when the
// loop ends (all done, or fin_analyse) the board is left on the position
// where it stopped and the level, books and option are given back.
bool analyser_position();

// The whole analysis: debuter_analyse, then analyser_position until it
// ends, calling `apres_position` after each position and letting the window
// system run between them. False when there was nothing to analyse.
bool analyser_partie(int langue, const std::function<void()>& apres_position = {});

// The record index of the next position to analyse; where the loop stopped
// once it has ended.
int demi_coup_analyse();

// The score the last analysis gave position k of the record, for its side
// to move, when it searched that position as the record holds it now.
std::optional<Score> score_analyse(int k);

// "Fin analyse": the loop stops (at once if a search runs: the pass ends
// with the best move found so far), thinking on the opponent's time gets
// back its state, the side to move is the one of the position shown, the
// computer's colour the same, and the human has the move. True when the
// panel "Apprendre ?" is to be shown (outside a learning session).
bool fin_analyse();

MenusAnalyse etat_menus_analyse();

// The move lines of the list (without the legend and the waiting line): what
// is saved and printed.
std::vector<std::string> lignes_coups_analyse();

// "Editer analyse": the move lines of the list, verbatim (UTF-8), each ended
// by CR LF, written safely. False when the file cannot be written.
bool sauver_analyse(const std::filesystem::path& fichier);

// "Editer coups": the lines of the "Calcul" tab's list into "Bestmove.txt"
// of `dossier`, each ended by CR LF, written safely.
bool sauver_coups_calcul(const std::filesystem::path& dossier, const std::vector<std::string>& lignes);

// The game record as PDN (records/pdn.h) with the analysis in it: each
// starred move followed by "$2" or "$4" and a comment in the analysis's
// language, "{meilleur : 11-15, +40}" (the better move in PDN squares, its
// score halved).
std::string ecrire_analyse_pdn(const std::string& nom_blanc, const std::string& nom_noir, int resultat,
                               const std::string& date);
