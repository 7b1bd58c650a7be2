#include "game/session.h"

#include "game/end.h"
#include "game/game.h"
#include "knowledge/learning.h"
#include "knowledge/learning_session.h"
#include "records/analysis.h"
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
  // From "Débuter une analyse" to "Fin analyse" the analysis owns the game
  // (the game loop waits for it); its loop replays the record.
  const bool analyse = analyse_ouverte != 0;
  const bool apprentissage = session_apprentissage != 0;
  // What would put another game on the board, or play into this one.
  const bool autre_partie = !calcul && !analyse && !apprentissage;
  EtatCommandes e{};
  // Between two moves of a game between computers the file menu stays open,
  // so that the user can stop it.
  e.Fichier1 = !en_match && (!calcul || session.ordinateur_contre_ordinateur);
  e.Nouveau2 = e.Humaincontrehumain1 = e.Ouvrir1 = autre_partie;
  e.Sauver1 = e.Imprimer1 = !calcul && !apprentissage;
  e.Quitter1 = !calcul;
  e.Installeruneposition1 = e.Ouvrirunfichiertexte1 = !analyse && !apprentissage;
  e.Edition1 = !calcul && !apprentissage;
  // A rated game gives nothing out to be studied elsewhere while it runs,
  // and a paste puts another game on the board as an opened file does.
  e.Copierlaposition1 = e.Copierlapartie1 = !en_match && e.Edition1;
  e.Coller1 = !en_match && autre_partie && e.Installeruneposition1;
  e.Joueurs1 = e.Probleme = !en_match && autre_partie;
  e.Analyse2 = !en_match && !calcul && !apprentissage;
  e.Ouvertures1 = !en_match && autre_partie && installation_en_cours == 0;
  e.Niveau1 = (!en_match || nb_demi_coups <= 10) && !apprentissage;
  e.Rflexionsurtempsadverse1 = e.Horlogeszro1 = e.Pause1 = e.Arretrflexionparclicsouris1 = !en_match;
  // A rated game's result is played, not edited: its moves cannot be taken
  // back or replayed, by the menu or by the buttons. The analysis moves
  // through the record as the user asks; a session's games are its own.
  e.navigation = !en_match && !apprentissage;
  // A game that has its result cannot be drawn afterwards.
  e.Proposernul = !calcul && !partie_terminee();
  e.resignation_visible = match_classe != 0;
  // A rated game is played without help.
  e.Conseil1 = match_classe == 0 && !calcul && installation_en_cours == 0 && !session.ordinateur_contre_ordinateur;

  const MenusAnalyse a = etat_menus_analyse();
  e.Dbuteruneanalyse1 = a.Dbuteruneanalyse1;
  e.Arrtercettephase1 = a.Arrtercettephase1;
  e.Terminerlanalyse1 = a.Terminerlanalyse1;
  const MenusSession m = etat_menus_session();
  e.Apprentissage1 = !en_match;
  e.Lancerunesession1 = m.Lancerunesession1 && !calcul && analyse_ouverte == 0;
  e.Arrterlasession1 = m.Arrterlasession1;
  // A session saves the table it learns into after every game.
  e.Chargerdesleons1 = !apprentissage;
  return e;
}

void reinitialiser_session() {
  session = Session{};
  langue_courante = 0;
  damier_inverse = 0;
  numerotation_active = 0;
}
