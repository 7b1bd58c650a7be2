#include "game/levels.h"
#include "rules/etat.h"

const Niveau NIVEAUX[NB_NIVEAUX] = {
    {"0 : Néophyte", 5, 58, 1},      {"1 : Débutant", 2, 58, 1},         {"2 : Amateur", 5, 158, 1},
    {"3 : Promotion", 6, 358, 1},    {"4 : Honneur", 10, 600, 1},        {"5 : Excellence", 160, 178, 3},
    {"6 : Maître", 270, 298, 5},     {"7 : Grand Maître", 540, 598, 10}, {"8 : Grand Maître International", 1680, 1798, 30},
};

const Niveau SPECIAUX[NB_SPECIAUX] = {
    {"1 : 30 coups en 3 mn", 160, 178, 3},     {"2 : 30 coups en 5 mn", 270, 298, 5},
    {"3 : 30 coups en 10 mn", 540, 598, 10},   {"4 : 30 coups en 30 mn", 1680, 1798, 30},
    {"5 : 30 coups en 1 h", 3360, 3598, 60},   {"6 : 30 coups en 2 h", 6700, 7198, 120},
    {"7 : long, long", 320000, 319998, 500},
};

std::int32_t budget_reflexion = NIVEAUX[5].budget;
std::int32_t temps_limite = NIVEAUX[5].limite;
std::uint8_t niveau = 5;
std::int32_t minutes_autre = 3;
ETAT_MOTEUR(budget_reflexion, temps_limite, niveau, minutes_autre);

void choisir_niveau(int n) {
  const Niveau& l = n < NB_NIVEAUX ? NIVEAUX[n] : SPECIAUX[n - PREMIER_SPECIAL];
  budget_reflexion = l.budget;
  temps_limite = l.limite;
  niveau = static_cast<std::uint8_t>(n);
}

void choisir_niveau_autre(std::int32_t minutes) {
  budget_reflexion = BUDGET_PAR_MINUTE * minutes;
  temps_limite = LIMITE_PAR_MINUTE * minutes - MARGE_LIMITE;
  niveau = NIVEAU_AUTRE;
}

void jouer_sans_limite() {
  budget_reflexion = BUDGET_ILLIMITE;
  temps_limite = TEMPS_SANS_LIMITE;
}
