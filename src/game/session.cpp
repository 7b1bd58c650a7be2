#include "game/session.h"

#include "game/game.h"
#include "rules/etat.h"

Session session;
std::uint8_t langue_courante = 0;
std::uint8_t damier_inverse = 0;
std::uint8_t numerotation_active = 0;
ETAT_MOTEUR(session, langue_courante, damier_inverse, numerotation_active);

ModePartie mode_partie() {
  if (match_classe != 0) return ModePartie::Match;
  if (session.ordinateur_contre_ordinateur) return ModePartie::OrdinateurContreOrdinateur;
  if (session.humain_contre_humain) return ModePartie::HumainContreHumain;
  return ModePartie::Entrainement;
}

EtatCommandes etat_commandes() {
  const bool en_match = match_classe == 1;
  const bool calcul = session.ordinateur_reflechit;
  EtatCommandes e{};
  // Between two moves of a game between computers the file menu stays open,
  // so that the user can stop it.
  e.Fichier1 = !en_match && (!calcul || session.ordinateur_contre_ordinateur);
  e.Nouveau2 = e.Humaincontrehumain1 = e.Sauver1 = e.Ouvrir1 = e.Imprimer1 = e.Quitter1 = !calcul;
  e.Edition1 = !calcul;
  e.Joueurs1 = e.Analyse2 = e.Probleme = !en_match && !calcul;
  e.Ouvertures1 = !en_match && !calcul && installation_en_cours == 0;
  e.Niveau1 = !en_match || nb_demi_coups <= 10;
  e.Rflexionsurtempsadverse1 = e.Horlogeszro1 = e.Pause1 = e.Arretrflexionparclicsouris1 = !en_match;
  // A rated game's result is played, not edited: its moves cannot be taken
  // back or replayed, by the menu or by the buttons.
  e.navigation = !en_match;
  e.Proposernul = !calcul;
  e.resignation_visible = match_classe != 0;
  // A rated game is played without help.
  e.Conseil1 = match_classe == 0 && !calcul && installation_en_cours == 0 && !session.ordinateur_contre_ordinateur;
  return e;
}

void reinitialiser_session() {
  session = Session{};
  langue_courante = 0;
  damier_inverse = 0;
  numerotation_active = 0;
}
