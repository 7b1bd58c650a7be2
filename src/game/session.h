// The session: what the user chose for the game and how it is shown (the
// mode, the options, the language, the view), with the commands the game
// gives and takes. The window draws every check mark, enabled state and
// caption from it and never reads them back to decide anything.
#pragma once

#include <cstdint>

// ---- constants ------------------------------------------------------------

constexpr int NB_LANGUES_SESSION = 6;  // French, English, Dutch, Portuguese, Spanish, Italian
constexpr int VUE_2D = 0;              // session.vue: the 2D board; 1..8 the 3D themes
constexpr int AVANT_INTRODUCTION = -1;  // session.vue before a board is chosen

// ---- types ----------------------------------------------------------------

// The game's mode as the user sees it.
enum class ModePartie : std::uint8_t {
  Entrainement,                // a human against the computer, unrated
  HumainContreHumain,          // two humans on one board
  OrdinateurContreOrdinateur,  // the computer plays both sides
  Match,                       // a rated game against the computer
};

struct Session {
  // The two mode items of the "Fichier" menu.
  bool humain_contre_humain = false;          // Humaincontrehumain1
  bool ordinateur_contre_ordinateur = false;  // Ordinateurcontreordinateur1
  // The options the game reads.
  bool reflexion_sur_temps_adverse = true;  // Rflexionsurtempsadverse1
  bool arret_par_clic = true;               // Arretrflexionparclicsouris1
  bool indication_mouvements = true;        // Indicationdesmouvements1
  bool decomposer_prises = true;            // Dcomposerlesprises1
  bool bip = true;                          // Bipchaquecoup2
  bool commentaires = true;                 // Commentaires1
  bool jeu_en_aveugle = false;              // Jeuenaveugle1
  bool noms_algebriques = false;            // Alphabeticalnumber1
  bool horloges_arretees = false;           // Pause2: the clock timer is stopped
  // The board shown: VUE_2D or a 3D theme 1..8, AVANT_INTRODUCTION at first.
  int vue = AVANT_INTRODUCTION;
  // The computer searches for its own move (not on the opponent's time).
  bool ordinateur_reflechit = false;
};

// Enabled states of the commands the game gives and takes: the menus and
// items by their component names, the set-up group, the draw offer and the
// buttons that move through the record.
struct EtatCommandes {
  bool Fichier1, Nouveau2, Humaincontrehumain1, Sauver1, Ouvrir1, Imprimer1, Quitter1;
  bool Edition1, Joueurs1, Niveau1, Ouvertures1, Analyse2;
  bool Rflexionsurtempsadverse1, Horlogeszro1, Pause1, Arretrflexionparclicsouris1;
  bool navigation;  // Reprendrecoups1, Avancercoups1, Reveniraudbut1, Allerlafin1 and their buttons
  bool Probleme;    // the set-up group
  bool Proposernul;
  bool resignation_visible;  // Abandon, Abandon1, Abandon2
  bool Conseil1;             // the engine's hint for the human
  // The items that put another game on the board without a panel first.
  bool Installeruneposition1, Ouvrirunfichiertexte1;
  // Copy and paste in "Edition": the position and the game go out, a
  // position or a game comes in.
  bool Copierlaposition1, Copierlapartie1, Coller1;
  // The menus "Analyse" and "Apprentissage".
  bool Dbuteruneanalyse1, Arrtercettephase1, Terminerlanalyse1;
  bool Apprentissage1, Lancerunesession1, Arrterlasession1, Chargerdesleons1;
};

// ---- state ----------------------------------------------------------------

extern Session session;
extern std::uint8_t langue_courante;      // 0 French, 1 English, 2 Dutch, 3 Portuguese, 4 Spanish, 5 Italian
extern std::uint8_t damier_inverse;       // 1 while the board is turned
extern std::uint8_t numerotation_active;  // 1 while square names are shown

// ---- functions ------------------------------------------------------------

// The language the window speaks: langue_courante, French for any value
// beyond the six.
inline int langue_affichee() { return langue_courante < NB_LANGUES_SESSION ? langue_courante : 0; }

// The mode the game is played in, from match_classe and the mode items.
ModePartie mode_partie();

// The commands' states for the game as it stands. A rated game in progress
// takes away everything that would edit its result (the record's moves, the
// clocks, the files); the computer's own search takes away what would
// change the game under it. An open analysis replays the record and a
// learning session plays games of its own: neither lets another game be put
// under it, and a session keeps the record to itself.
EtatCommandes etat_commandes();

// Back to the state of a program just started.
void reinitialiser_session();
