// The few places where the engine reaches the application. The window layer
// installs them at start-up; tests leave them empty or put their own.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "rules/board.h"

// ---- types ----------------------------------------------------------------

// What the running search has reached, for the search panel (ListBox2).
struct EtatRecherche {
  int profondeur;          // prof_max
  std::uint32_t noeuds;
  bool chronometre;        // false while thinking on the opponent's time: no time, no speed
  std::int32_t secondes;   // spent on this move
  int score;               // as shown: 1/100 of a man
  int numero_coup;         // the move being played
  const Coup* variante;    // the principal variation, its first move first
  int longueur_variante;
};

// One line of the root-move list (ListBox5): move `index` of the root with
// its shown score, `en_cours` while it is being searched. Index -1 empties
// the list.
struct LigneRacine {
  int index;
  Coup coup;
  int score;
  bool en_cours;
};

// ---- state ----------------------------------------------------------------

// Lets the window system dispatch pending messages (the search calls it
// every 5001 nodes, the game loop every pass).
extern std::function<void()> crochet_pompe_messages;

// Shows a message box: its text and caption as catalogue keys
// ("msg.impossible_ouvrir", "msg.erreur"), which the window writes in its language.
extern std::function<void(const std::string& texte, const std::string& titre)> crochet_erreur;

// The search display: the panel's state and the root-move list's lines, as
// values; the window writes them in its language.
extern std::function<void(const EtatRecherche&)> crochet_etat_recherche;
extern std::function<void(const LigneRacine&)> crochet_ligne_racine;

// Milliseconds from an arbitrary origin; replaced by tests to control time.
extern std::function<std::int64_t()> crochet_horloge_ms;

// Square display: draw one square with a piece code (0 draws it empty),
// repaint the whole board, frame a square in a colour (0xRRGGBB).
extern std::function<void(int case_, int piece)> crochet_afficher_case;
extern std::function<void()> crochet_placer_pions;
extern std::function<void(int case_, std::uint32_t couleur)> crochet_encadrer_case;

// Plays a sound file of the program's directory ("son.wav") to its end.
extern std::function<void(const std::string& fichier)> crochet_son;

// ---- functions ------------------------------------------------------------

void pomper_messages();
void signaler_erreur(const std::string& texte, const std::string& titre);
bool affichage_recherche_actif();  // a display hook is installed: worth building its values
void montrer_etat_recherche(const EtatRecherche& e);
void montrer_ligne_racine(const LigneRacine& l);
std::int64_t horloge_ms();
std::int32_t heure_en_secondes();  // whole seconds of horloge_ms
void afficher_case(int case_, int piece);
void placer_pions();
void encadrer_case(int case_, std::uint32_t couleur);
void jouer_son(const std::string& fichier);
