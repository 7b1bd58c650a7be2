#include "game/hooks.h"
#include "rules/etat.h"

#include <chrono>

std::function<void()> crochet_pompe_messages;
std::function<void(const std::string&, const std::string&)> crochet_erreur;
std::function<void(const EtatRecherche&)> crochet_etat_recherche;
std::function<void(const LigneRacine&)> crochet_ligne_racine;
std::function<std::int64_t()> crochet_horloge_ms;
std::function<void(int, int)> crochet_afficher_case;
std::function<void()> crochet_placer_pions;
std::function<void(int, std::uint32_t)> crochet_encadrer_case;
std::function<void(const std::string&)> crochet_son;
ETAT_MOTEUR(crochet_pompe_messages, crochet_erreur, crochet_etat_recherche, crochet_ligne_racine, crochet_horloge_ms,
            crochet_afficher_case, crochet_placer_pions, crochet_encadrer_case, crochet_son);

void pomper_messages() {
  if (crochet_pompe_messages) crochet_pompe_messages();
}

void signaler_erreur(const std::string& texte, const std::string& titre) {
  if (crochet_erreur) crochet_erreur(texte, titre);
}

bool affichage_recherche_actif() { return crochet_etat_recherche || crochet_ligne_racine; }

void montrer_etat_recherche(const EtatRecherche& e) {
  if (crochet_etat_recherche) crochet_etat_recherche(e);
}

void montrer_ligne_racine(const LigneRacine& l) {
  if (crochet_ligne_racine) crochet_ligne_racine(l);
}

std::int64_t horloge_ms() {
  if (crochet_horloge_ms) return crochet_horloge_ms();
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int32_t heure_en_secondes() { return static_cast<std::int32_t>(horloge_ms() / 1000); }

void afficher_case(int case_, int piece) {
  if (crochet_afficher_case) crochet_afficher_case(case_, piece);
}

void placer_pions() {
  if (crochet_placer_pions) crochet_placer_pions();
}

void encadrer_case(int case_, std::uint32_t couleur) {
  if (crochet_encadrer_case) crochet_encadrer_case(case_, couleur);
}

void jouer_son(const std::string& fichier) {
  if (crochet_son) crochet_son(fichier);
}
