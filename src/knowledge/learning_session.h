// Learning from finished games: the final position of an analysed game
// learnt after the question "Apprendre ?", and the learning session, in
// which the computer plays itself, analyses each finished game with a
// longer budget and learns its final position, unattended.
//
// A session never opens a dialog once it runs: the lesson file it learns
// into is chosen once, when it starts (the window offers
// FICHIER_LECON_SESSION in "Parametres"). A lesson that is already there is
// loaded first, so that a session adds to it; a file there that is not a
// lesson, or a place that cannot be written, stops the session before its
// first game with the one error box. After each game whose final position
// is learnt the whole table is saved to that file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "rules/board.h"
#include "rules/fen.h"

// ---- constants ------------------------------------------------------------

constexpr int DEMI_COUPS_APPRENTISSAGE = 21;     // a shorter game is never learnt
constexpr int ECART_MATERIEL_APPRENTISSAGE = 3;  // 3 x men + kings: a side this far ahead is never learnt
constexpr std::int32_t BUDGET_SESSION = 500;     // a session thinks with at least this budget
inline constexpr const char* FICHIER_LECON_SESSION = "session.dal";  // a session's lesson unless another is chosen

// ---- types ----------------------------------------------------------------

enum class Apprentissage : std::uint8_t {
  Possible,       // the final position may be learnt
  PartieCourte,   // fewer than DEMI_COUPS_APPRENTISSAGE plies
  Desequilibree,  // a side ahead by ECART_MATERIEL_APPRENTISSAGE or more
  NonAnalysee,    // the analysis did not search the final position as it stands
};

struct ExamenFinPartie {
  Apprentissage verdict;
  Score score;         // the analysis's score of the final position, for its side to move (0 when not analysed)
  int demi_coups;      // plies of the game
  int ecart_materiel;  // 3 x men + kings of camp 0, less those of camp 1, in the final position
};

// One game of a session.
struct PartieSession {
  int numero = 0;        // from 1
  int demi_coups = 0;
  int resultat = 3;      // as resultat_partie
  bool coupee = false;   // stopped at ReglageSession::demi_coups_max
  Apprentissage verdict = Apprentissage::NonAnalysee;
  bool apprise = false;  // learnt and saved
  Score score = 0;       // the final position's score from the analysis
  Position finale{};     // the final position, its side to move
  Position avant{};      // the position one ply before it
};

struct ReglageSession {
  std::filesystem::path lecon;  // the lesson every learnt position is saved to
  int parties = 0;              // games to play; 0: until arreter_session
  int demi_coups_max = 0;       // a game is cut after this many plies and analysed; 0: played to its end
  int langue = 0;               // of the analysis lines
  std::function<void()> apres_coup;                        // after each move played and each position analysed
  std::function<void(const PartieSession&)> apres_partie;  // after each game
};

struct BilanSession {
  bool demarree = false;  // false: the lesson could not be read or written (the error box was shown)
  bool lecon_ecrite = true;  // every save after a learnt game succeeded
  int apprises = 0;
  std::vector<PartieSession> parties;
};

// The items of the menu "Apprentissage".
struct MenusSession {
  bool Lancerunesession1, Arrterlasession1;
};

// ---- functions ------------------------------------------------------------

// Before the lesson's name is asked (Apprendreposition1Click): the record
// to its end (on the board), both keys of the final position computed from
// scratch (1 added for white to move), and whether it may be learnt: at
// least 21 plies, material within 3 either way (counted on that position),
// and searched by the last analysis.
ExamenFinPartie examiner_fin_de_partie();

// The lesson's name confirmed: learns the final position with the
// analysis's score and saves the table as `fichier`. False when it may not
// be learnt (nothing written) or, after the error box, when the file cannot
// be written.
bool apprendre_fin_de_partie(const std::filesystem::path& fichier);

// Lancerunesession1Click: session_apprentissage = 1, the thinking budget at
// least BUDGET_SESSION, "Ordinateur contre ordinateur" checked and "Humain
// contre humain" not.
void lancer_session();

// Arrterlasession1Click: session_apprentissage = 0, "Ordinateur contre
// ordinateur" unchecked; a running search ends and the session stops after it.
void arreter_session();

MenusSession etat_menus_session();

// The session: lancer_session, the lesson loaded or created, then games
// from the starting position (the books, when active, vary them) until
// `parties` are played or arreter_session: each is analysed with at least
// BUDGET_ANALYSE_APPRENTISSAGE, its final position learnt when it may be
// and the table saved, and a new game set up. The window system runs
// throughout (through the search and between moves).
BilanSession jouer_session(const ReglageSession& r);
