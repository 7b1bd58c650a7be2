#include "game/game.h"

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
