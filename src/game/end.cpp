#include "game/end.h"

#include "game/clocks.h"
#include "game/game.h"
#include "rules/etat.h"
#include "rules/moves.h"

FinMontree fin_montree;
ETAT_MOTEUR(fin_montree);

namespace {

// The result won by the computer's side, and by the human's.
int gain_ordinateur(std::uint8_t couleur_ordi) { return couleur_ordi == 0 ? BLANCS_GAGNENT : NOIRS_GAGNENT; }
int gain_humain(std::uint8_t couleur_ordi) { return couleur_ordi == 0 ? NOIRS_GAGNENT : BLANCS_GAGNENT; }

}  // namespace

AnnonceFin annonce_fin(int code, const ContexteFin& c) {
  AnnonceFin a{SANS_RESULTAT, nullptr, "", nullptr};
  int r = -1;
  nb_coups_trait = coups_legaux(BLANCS);
  if (nb_coups_trait == 0) {
    r = NOIRS_GAGNENT;
  } else {
    nb_coups_trait = coups_legaux(NOIRS);
    if (nb_coups_trait == 0) r = BLANCS_GAGNENT;
  }
  if (r >= 0) {
    a.resultat = r;
    if (c.match_classe != 0) {
      a.cle = "msg.fin.gagne";
      a.nom = r == BLANCS_GAGNENT ? c.nom_blanc : c.nom_noir;
    } else if (c.humain_contre_humain) {
      // Camp 0 is drawn black.
      a.cle = r == BLANCS_GAGNENT ? "msg.fin.noirs_gagnent" : "msg.fin.blancs_gagnent";
    } else if (r == gain_ordinateur(c.couleur_ordi)) {
      a.cle = "msg.fin.ordinateur_gagne";
      a.son = "Perdu.wav";
    } else {
      a.cle = "msg.fin.vous_gagnez";
      a.son = "gagne.wav";
    }
  }
  switch (code) {
    case FIN_NULLE:
      a = {PARTIE_NULLE, "msg.fin.nul", "", nullptr};
      break;
    case CODE_TEMPS_HUMAIN:
      a = {gain_ordinateur(c.couleur_ordi), "msg.fin.temps_ordinateur", "", "Perdu.wav"};
      break;
    case CODE_TEMPS_ORDINATEUR:
      a = {gain_humain(c.couleur_ordi), "msg.fin.temps_joueur", "", "gagne.wav"};
      break;
    case FIN_ABANDON:
      a = {gain_ordinateur(c.couleur_ordi), "msg.fin.abandon", "", "Perdu.wav"};
      break;
    default:
      break;
  }
  return a;
}

bool nul_accepte(int score, bool anticipee, int pieces) {
  if (pieces >= PIECES_NUL_PROPOSE) return false;
  return anticipee ? score >= 0 : score <= 0;
}

bool partie_terminee() { return resultat_partie != SANS_RESULTAT; }

int somme_nb_pieces() { return nb_pieces[PION_BLANC] + nb_pieces[DAME_BLANCHE] + nb_pieces[PION_NOIR] + nb_pieces[DAME_NOIRE]; }
int somme_nb_dames() { return nb_pieces[DAME_BLANCHE] + nb_pieces[DAME_NOIRE]; }

bool offre_nul_ordinateur(int score) {
  if (somme_nb_pieces() >= PIECES_OFFRE_NUL || somme_nb_dames() == 0) return false;
  int captures = 10;  // too early in the game to tell: no offer
  if (nb_demi_coups > SANS_PRISE_OFFRE) {
    captures = 0;
    for (int i = 0; i < SANS_PRISE_OFFRE; ++i)
      if (partie[nb_demi_coups - i].nb_prises != 0) ++captures;
  }
  return captures == 0 && score > -SCORE_OFFRE_NUL && score < SCORE_OFFRE_NUL;
}

void noter_fin(int code, int resultat) {
  if (resultat == SANS_RESULTAT) return;
  fin_montree = {true, resultat, code};
}

void oublier_fin() { fin_montree = FinMontree{}; }
