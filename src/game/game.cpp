#include "game/game.h"

#include <cstring>

#include "game/clocks.h"
#include "game/end.h"
#include "game/marks.h"
#include "rules/etat.h"
#include "rules/moves.h"

EntreePartie partie[TAILLE_PARTIE];
std::uint8_t nb_demi_coups = 0;
std::int32_t dernier_demi_coup = 0;

std::uint8_t damier_sauve[33];
std::uint8_t ordinateur_au_trait = 1;
std::uint8_t contre_ordinateur = 1;
std::uint8_t match_classe = 0;
std::uint8_t couleur_ordi = 1;
std::uint8_t installation_en_cours = 0;
std::uint8_t fin_programme = 0;
std::int32_t clic_en_attente = 0, clic_x = 0, clic_y = 0;
std::uint8_t case_depart_marquee = 0, case_arrivee_marquee = 0;
Camp trait_depart = BLANCS;
Camp trait_fin = BLANCS;
std::uint8_t ordinateur_doit_jouer = 0;
std::int16_t coup_choisi = 100;
std::uint8_t nb_coups_trait = 0;
std::uint8_t sans_anticipation = 0;
std::int32_t pieces_par_demi_coup[256] = {};
std::int32_t resultat_partie = 3;
char nom_joueur_blanc[LONGUEUR_NOM] = "Inconnu";
char nom_joueur_noir[LONGUEUR_NOM] = "Corvane";
std::string nom_complet_blanc, nom_complet_noir;
std::int32_t points_blanc = 1500, points_noir = 1500;
ETAT_MOTEUR(partie, nb_demi_coups, dernier_demi_coup, damier_sauve, ordinateur_au_trait, contre_ordinateur, match_classe,
            couleur_ordi, installation_en_cours, fin_programme, clic_en_attente, clic_x, clic_y, case_depart_marquee,
            case_arrivee_marquee, trait_depart, trait_fin, ordinateur_doit_jouer, coup_choisi, nb_coups_trait,
            sans_anticipation, pieces_par_demi_coup, resultat_partie, nom_joueur_blanc, nom_joueur_noir, points_blanc,
            points_noir);
ETAT_MOTEUR(nom_complet_blanc, nom_complet_noir);

void enregistrer_demi_coup(std::uint8_t nb_prises, Case depart, Case arrivee) {
  EntreePartie& e = partie[nb_demi_coups];
  std::memset(&e, 0, sizeof e);
  std::memcpy(e.position, damier, sizeof e.position);
  e.nb_prises = nb_prises;
  e.depart = depart;
  e.arrivee = arrivee;
  e.temps_blancs = temps_blancs;
  e.temps_noirs = temps_noirs;
  std::memcpy(e.nom_blancs, nom_joueur_blanc, LONGUEUR_NOM);
  std::memcpy(e.nom_noirs, nom_joueur_noir, LONGUEUR_NOM);
  e.couleur_ordi = couleur_ordi;
}


void nommer_joueur(char (&nom)[LONGUEUR_NOM], const char* texte) {
  std::strncpy(nom, texte, LONGUEUR_NOM - 1);
  nom[LONGUEUR_NOM - 1] = 0;
}

std::string nom_du_champ(const char (&champ)[LONGUEUR_NOM]) {
  std::size_t n = 0;
  while (n < LONGUEUR_NOM - 1 && champ[n] != 0) ++n;
  return std::string(champ, n);
}

void installer_nouvelle_partie() {
  position_initiale();
  std::memcpy(damier_sauve, damier, sizeof damier_sauve);
  case_depart_marquee = case_arrivee_marquee = 0;
  ordinateur_au_trait = 0;
  match_classe = 0;
  sans_anticipation = 1;
  commencer_partie();
}

void commencer_partie() {
  std::memset(partie, 0, sizeof partie);
  nom_complet_blanc.clear();
  nom_complet_noir.clear();
  remettre_horloges();
  commencer_record();
}

void commencer_record() {
  nb_demi_coups = 0;
  dernier_demi_coup = 0;
  effacer_marques_coup();
  oublier_fin();
  trait_depart = trait_fin = trait;
  damier[0] = HORS_DAMIER;
  enregistrer_demi_coup(0, 0, 0);
}

void jouer_et_enregistrer(const Coup& m) {
  // The marks spoke of the position before; a game played on after its end
  // is no longer over.
  effacer_marques_coup();
  oublier_fin();
  jouer_coup(m);
  // The game goes on: a result was the end of the record this move replaces.
  resultat_partie = SANS_RESULTAT;
  trait_fin = trait;
  ++nb_demi_coups;
  dernier_demi_coup = nb_demi_coups;
  enregistrer_demi_coup(m.nb_prises, m.depart, m.arrivee);
}

void jouer_et_enregistrer(int index) { jouer_et_enregistrer(Coup(listes_coups[1][index])); }

void sauver_position() {
  damier[0] = HORS_DAMIER;
  std::memcpy(damier_sauve, damier, sizeof damier_sauve);
}

void reprendre_position() {
  std::memcpy(damier + 1, damier_sauve + 1, NB_CASES);
  damier[0] = damier_sauve[0] = HORS_DAMIER;
  recalculer_masques();
}

void noter_temps_en_cours() {
  horloge(trait) = temps_en_cours(trait);
  partie[nb_demi_coups].temps_blancs = temps_blancs;
  partie[nb_demi_coups].temps_noirs = temps_noirs;
}

Camp trait_au_demi_coup(int k) { return k % 2 == 0 ? trait_depart : adversaire(trait_depart); }

void aller_au_demi_coup(int k) {
  if (k < 0) k = 0;
  if (k > dernier_demi_coup) k = dernier_demi_coup;
  nb_demi_coups = static_cast<std::uint8_t>(k);
  effacer_marques_coup();
  EntreePartie& e = partie[k];
  std::memcpy(damier + 1, e.position + 1, NB_CASES);
  damier[0] = HORS_DAMIER;
  recalculer_masques();
  std::memcpy(damier_sauve, damier, sizeof damier_sauve);
  trait = trait_au_demi_coup(k);
  temps_blancs = temps_affiche_blancs = e.temps_blancs;
  temps_noirs = temps_affiche_noirs = e.temps_noirs;
  couleur_ordi = e.couleur_ordi;
  std::memcpy(e.nom_blancs, nom_joueur_blanc, LONGUEUR_NOM);
  std::memcpy(e.nom_noirs, nom_joueur_noir, LONGUEUR_NOM);
}

bool nul_entre_ordinateurs(const std::int32_t* pieces, int demi_coup, int score) {
  return demi_coup > SEUIL_NUL && pieces[demi_coup] == pieces[demi_coup - RECUL_NUL] && score > -SCORE_NUL &&
         score < SCORE_NUL;
}
