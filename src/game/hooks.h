// The few places where the engine reaches the application. The window layer
// installs them at start-up; tests leave them empty or put their own.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// ---- state ----------------------------------------------------------------

// Lets the window system dispatch pending messages (the search calls it
// every 5001 nodes, the game loop every pass).
extern std::function<void()> crochet_pompe_messages;

// Shows a message box: text and caption ("Impossible d'ouvrir ce fichier", "Erreur").
extern std::function<void(const std::string& texte, const std::string& titre)> crochet_erreur;

// Writes line `ligne` of a search list box: `liste` LISTE_RECHERCHE is the
// search panel (ListBox2), LISTE_RACINE the root-move list (ListBox5). A
// negative line empties it.
constexpr int LISTE_RECHERCHE = 2;
constexpr int LISTE_RACINE = 5;
extern std::function<void(int liste, int ligne, const std::string& texte)> crochet_affichage_recherche;

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
void afficher_ligne_recherche(int liste, int ligne, const std::string& texte);
std::int64_t horloge_ms();
std::int32_t heure_en_secondes();  // whole seconds of horloge_ms
void afficher_case(int case_, int piece);
void placer_pions();
void encadrer_case(int case_, std::uint32_t couleur);
void jouer_son(const std::string& fichier);
