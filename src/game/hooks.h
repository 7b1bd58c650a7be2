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

// Writes line `ligne` of a search list box: `liste` 2 is the search panel
// (ListBox2), 5 the root-move list (ListBox5). A negative line empties it.
extern std::function<void(int liste, int ligne, const std::string& texte)> crochet_affichage_recherche;

// Milliseconds from an arbitrary origin; replaced by tests to control time.
extern std::function<std::int64_t()> crochet_horloge_ms;

// ---- functions ------------------------------------------------------------

void pomper_messages();
void signaler_erreur(const std::string& texte, const std::string& titre);
void afficher_ligne_recherche(int liste, int ligne, const std::string& texte);
std::int64_t horloge_ms();
std::int32_t heure_en_secondes();  // whole seconds of horloge_ms
