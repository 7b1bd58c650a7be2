// Move ordering: the first order of each node's moves, the killer moves and
// last-best moves of the search, and the killers seeded from the principal
// variation after each iteration.
#include "search/ordering.h"

#include "rules/etat.h"
#include "rules/generation.h"
#include "search/search.h"

CoupTueur tueurs[NB_LISTES][2];
CoupBref derniers_meilleurs[NB_LISTES];
Coup variante[NB_LISTES][NB_LISTES];
CoupRacine coups_racine[MAX_COUPS];
std::uint8_t nb_coups_racine = 0;
std::uint8_t suivre_variante = 0;
Case conseil_depart = 0, conseil_arrivee = 0;
ETAT_MOTEUR(tueurs, derniers_meilleurs, variante, coups_racine, nb_coups_racine, suivre_variante, conseil_depart,
            conseil_arrivee);

void effacer_tueurs() {
  for (int p = 0; p < NB_LISTES; ++p) {
    const Score vide = (p % 2 == 1) ? -SCORE_INFINI : SCORE_INFINI;
    tueurs[p][0] = {0, 0, vide};
    tueurs[p][1] = {0, 0, vide};
    derniers_meilleurs[p] = {0, 0};
  }
}

void trier_coups(int nombre) {
  Coup* liste = listes_coups[prof_courante];
  for (int i = 1; i < nombre; ++i) {
    const Coup c = liste[i];
    int j = i;
    while (j > 0 && liste[j - 1].note < c.note) {
      liste[j] = liste[j - 1];
      --j;
    }
    liste[j] = c;
  }
}

namespace {

bool correspond(const Coup& c, Case depart, Case arrivee) {
  return depart != 0 && c.depart == depart && c.arrivee == arrivee;
}

void ordonner_prises(int n) {
  const int p = prof_courante;
  Coup* liste = listes_coups[p];
  if (suivre_variante && n > 1) {
    const Coup& v = variante[1][p];
    for (int i = 0; i < n; ++i) {
      Coup& c = liste[i];
      c.note = static_cast<std::int16_t>(NOTE_ORDRE - i);
      bool meme = c.depart == v.depart && c.arrivee == v.arrivee;
      for (int j = 1; meme && j < c.nb_prises; ++j) meme = c.prises[j] == v.prises[j];
      if (meme) c.note = NOTE_VARIANTE;
    }
    trier_coups(n);
  } else if (n > 1 && p < prof_max - HORIZON_SANS_TRI) {
    ordonner_par_tueurs(n, true);
  }
}

void ordonner_calmes(int n) {
  const int p = prof_courante;
  Coup* liste = listes_coups[p];
  const bool loin_horizon = p < prof_max - HORIZON_SANS_TRI;
  if (conseil_depart != 0 && loin_horizon)
    for (int i = 0; i < n; ++i)
      if (liste[i].depart == conseil_depart && liste[i].arrivee == conseil_arrivee) liste[i].note = NOTE_CONSEIL;
  if (p > 1 && n > 1 && loin_horizon) {
    ordonner_par_tueurs(n, false);
    return;
  }
  if (p != 1) return;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < nb_coups_racine; ++j)
      if (coups_racine[j].depart == liste[i].depart && coups_racine[j].arrivee == liste[i].arrivee)
        liste[i].note = static_cast<std::int16_t>(coups_racine[j].score - i);
  trier_coups(n);
}

}  // namespace

std::uint8_t generer_coups(Camp camp) {
  const int n = lister_coups(camp);
  if (n > 0 && listes_coups[prof_courante][0].nb_prises != 0)
    ordonner_prises(n);
  else
    ordonner_calmes(n);
  return static_cast<std::uint8_t>(n);
}

void ordonner_par_tueurs(int nombre, bool liste_prises) {
  const int p = prof_courante;
  Coup* liste = listes_coups[p];
  bool apparie = false;
  bool conseil_vu = false;
  for (int o = 0; o <= 6 && !apparie && !conseil_vu; o += 2) {
    if (p - o <= 0 || p + o >= NB_LISTES) break;
    const CoupTueur& t1 = tueurs[p - o][0];
    if (t1.depart == 0) continue;
    const CoupTueur& t2 = tueurs[p - o][1];
    const CoupBref& mb = derniers_meilleurs[p + o];
    bool t1_pris = false, t2_pris = false;
    for (int i = 0; i < nombre; ++i) {
      Coup& c = liste[i];
      if (c.note == NOTE_CONSEIL) {  // the table's hint move keeps its place
        conseil_vu = true;
        continue;
      }
      c.note = static_cast<std::int16_t>(NOTE_ORDRE - i);
      if (!liste_prises && !t1_pris && correspond(c, t1.depart, t1.arrivee)) {
        c.note = NOTE_TUEUR;
        t1_pris = apparie = true;
      } else if (!t2_pris && correspond(c, t2.depart, t2.arrivee)) {
        c.note = NOTE_SECOND_TUEUR;
        t2_pris = apparie = true;
      } else if (correspond(c, mb.depart, mb.arrivee)) {
        c.note = static_cast<std::int16_t>(NOTE_DERNIER_MEILLEUR - i);
        apparie = true;
      }
    }
  }
  trier_coups(nombre);
  for (int i = 0; i < nombre; ++i) liste[i].note = 0;
}

void semer_tueurs(Score v) {
  const int r = prof_max;
  int p = 1;
  for (; p <= r && p < NB_LISTES && variante[1][p].depart != 0; ++p) {
    const Coup& m = variante[1][p];
    const Score neutre = (p % 2 == 1) ? -SCORE_INFINI : SCORE_INFINI;
    if (m.nb_prises != 0) {
      tueurs[p][0] = {0, 0, neutre};
    } else {
      const int s = (p % 2 == 1) ? v - MARGE_TUEUR_SEME : v + MARGE_TUEUR_SEME;
      tueurs[p][0] = {m.depart, m.arrivee, static_cast<Score>(s)};
    }
    tueurs[p][1] = {0, 0, neutre};
  }
  for (; p < NB_LISTES; ++p) {
    const Score neutre = (p % 2 == 1) ? -SCORE_INFINI : SCORE_INFINI;
    tueurs[p][0] = {0, 0, neutre};
    tueurs[p][1] = {0, 0, neutre};
  }
}
