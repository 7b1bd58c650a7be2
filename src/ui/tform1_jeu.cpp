// The game in the window: the central loop, the computer's turn, the
// human's clicks, the end of a game, draws and resigning, the new game.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstring>

#include "game/clocks.h"
#include "game/end.h"
#include "game/game.h"
#include "game/hooks.h"
#include "game/input.h"
#include "game/levels.h"
#include "game/marks.h"
#include "game/turn.h"
#include "players/registry.h"
#include "records/text_games.h"
#include "rules/generation.h"
#include "rules/moves.h"
#include "records/analysis.h"
#include "rules/notation.h"
#include "search/root.h"
#include "search/search.h"
#include "ui/dialogues.h"
#include "ui/demarrage.h"
#include "ui/exercices.h"
#include "ui/installation.h"
#include "ui/joueurs.h"
#include "ui/legendes.h"
#include "ui/navigation.h"
#include "ui/panneau.h"
#include "ui/rendu.h"
#include "ui/scene.h"
#include "ui/tform1.h"

namespace {

constexpr int CLIGNOTEMENTS = 10;

}  // namespace

void TForm1::attendre_ms(int ms, bool pomper) {
  if (pomper) QCoreApplication::processEvents(QEventLoop::AllEvents);
  const int d = ms * duree_animation / 100;
  if (d > 0) QThread::msleep(static_cast<unsigned long>(d));
}

// ---- the central loop ---------------------------------------------------------

void TForm1::boucle_de_jeu() {
  ++boucle_en_cours_;
  bool anticipation_faite = false;
  calcul_annule = 0;
  clic_en_attente = 0;
  while (fin_programme == 0) {
    if (ordinateur_doit_jouer != 0) ordinateur_au_trait = 1;
    if (ordinateur_au_trait != 0) montrer_avis_prise(false);
    if (session.ordinateur_contre_ordinateur) ordinateur_au_trait = 1;
    montrer_session();
    actualiser_prises_obligatoires();

    // Read before and after the window's events, which may change them.
    const auto tour_humain = [] {
      return (ordinateur_au_trait == 0 || session.humain_contre_humain) && ordinateur_doit_jouer == 0;
    };
    const auto anticiper = [&] {
      return session.reflexion_sur_temps_adverse && sans_anticipation == 0 && analyse_en_cours == 0 &&
             !anticipation_faite && !partie_pleine() && clic_en_attente == 0;
    };
    // Nothing to do until the user acts: sleep until the next event (the
    // clock's timer included) instead of spinning. While the analysis
    // window is open the game waits for it to end.
    const bool etude = analyse_ouverte != 0;
    const bool attendre = clic_en_attente == 0 && changements_.empty() &&
                          (installation_en_cours != 0 || etude || (tour_humain() && !anticiper()));
    QCoreApplication::processEvents(attendre ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
    if (fin_programme != 0) break;
    executer_changements();

    if (installation_en_cours == 0 && analyse_ouverte == 0) {
      if (tour_humain()) {
        arret_calcul = 0;
        if (session.humain_contre_humain) sauver_position();
        if (anticiper()) {
          reflexion_anticipee = 1;
          if (!session.humain_contre_humain) reprendre_position();
          // Thinking ahead lasts no longer than the computer's own move
          // would: then the program rests until the human acts.
          recherche_en_cours = 1;
          fin_anticipation_->start(1000 * std::max(1, budget_reflexion / 30));
          coup_choisi = choisir_coup(trait);
          fin_anticipation_->stop();
          recherche_en_cours = 0;
          anticipation_faite = true;
          executer_changements();
        }
      } else {
        sauver_position();
        reflexion_anticipee = 0;
        tour_ordinateur();
        anticipation_faite = false;
      }
    }
    ordinateur_doit_jouer = 0;
    if (clic_en_attente != 0) {
      clic_en_attente = 0;
      // The human has begun the move: no thinking ahead for the rest of it.
      if (ordinateur_au_trait == 0) anticipation_faite = true;
      clic1(clic_x, clic_y);
    }
  }
  // Shut-down: the tables go, then the process (tests only come back).
  demarrage->liberer_et_terminer();
  --boucle_en_cours_;
}

void TForm1::changer_partie(std::function<void()> changement) {
  if (recherche_en_cours == 0 && coup_en_cours_ == 0) {
    changement();
    return;
  }
  // The search's board is not the game's: stop it, forget its move, and
  // make the change once it has returned.
  arret_calcul = 1;
  calcul_annule = 1;
  changements_.push_back(std::move(changement));
}

void TForm1::executer_changements() {
  while (!changements_.empty() && recherche_en_cours == 0 && coup_en_cours_ == 0) {
    std::function<void()> c = std::move(changements_.front());
    changements_.erase(changements_.begin());
    c();
  }
}

// ---- the computer's turn --------------------------------------------------------

void TForm1::animer_prise(const Case* escales_, int n, Case arrivee, int piece) {
  for (int i = 1; i < n; ++i) {
    afficher_case(escales_[i], piece);
    attendre_ms(500, true);
    afficher_case(escales_[i], VIDE);
  }
  afficher_case(arrivee, piece);
  attendre_ms(500, true);
}

void TForm1::tour_ordinateur() {
  // The marks of the previous move (and a hint) go.
  effacer_marques_coup();
  marques_changees();
  calcul_annule = 0;
  reflexion_anticipee = 0;
  afficher_nb_pieces();
  controle_temps();
  if (partie_pleine()) {
    ordinateur_au_trait = 0;
    return;
  }

  ordinateur_au_trait = 1;
  couleur_ordi = trait == NOIRS ? 1 : 0;
  session.ordinateur_reflechit = true;
  montrer_session();
  recherche_en_cours = 1;
  const ChoixOrdinateur choix = choix_ordinateur(trait, niveau == 0);
  recherche_en_cours = 0;
  session.ordinateur_reflechit = false;
  montrer_session();
  const int pieces_racine = somme_nb_pieces();

  if (choix.annule) {
    // The user changed the game while the computer thought: its move is
    // dropped and the change is made now.
    ordinateur_au_trait = 0;
    executer_changements();
    return;
  }
  coup_choisi = choix.coup;
  Zut->setVisible(choix.zut);
  if (offre_nul_ordinateur(score_racine)) {
    Match_nul->show();
    Match_nul->raise();
  } else {
    Match_nul->hide();
  }

  if (coup_choisi < CHOIX_AUCUN) {
    const Coup m = listes_coups[1][coup_choisi];
    {
      // The window breathes while the move is shown: changes wait for it.
      const Occupation pendant(*this);
      montrer_coup_ordinateur(m);
      controle_temps();
      navigation->supprimer_lignes_reprises();
      jouer_coup_ordinateur(m, pieces_racine);
    }
    navigation->ecrire_liste_coups(m.arrivee);
    marques_changees();  // its squares and the pieces it took
    debut_tour(trait) = heure_en_secondes();
  } else {
    sans_anticipation = 0;
    nb_coups_trait = coups_legaux(trait);
    sauver_position();
    ordinateur_au_trait = 0;
  }
  afficher_nb_pieces();
  if (nb_coups_trait == 0) fin_de_partie(FIN_SANS_COUP_ORDINATEUR);
  if (partie_pleine()) fin_de_partie(FIN_NULLE);
  if (session.bip) jouer_son("son.wav");
  if (session.ordinateur_contre_ordinateur && nul_ordinateur_contre_ordinateur(score_racine)) fin_de_partie(FIN_NULLE);
  // The reply is on the board: a click meant for a move played at once
  // counts as such a little longer.
  armer_clic_superflu();
  montrer_session();  // the other side's turn
  executer_changements();
}

void TForm1::montrer_coup_ordinateur(const Coup& m) {
  // Drawn only: the move enters the game once shown.
  const Case o = m.depart, d = m.arrivee;
  const int n = m.nb_prises;
  const Piece p = damier[o];
  Case chemin[MAX_PRISES] = {};
  if (n > 1) {
    const std::uint8_t i = decomposer_prise(o, d, m.prises + 1, n);
    if (i != PRISE_INTROUVABLE) std::memcpy(chemin + 1, escales[1] + 1, n);
  }
  for (int k = 0; k < CLIGNOTEMENTS; ++k) {
    attendre_ms(10, false);
    afficher_case(o, p);
    attendre_ms(10, true);
    afficher_case(o, VIDE);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  afficher_case(o, VIDE);
  if (n > 1 && session.decomposer_prises) animer_prise(chemin, n, d, p);
  for (int k = 1; k <= n; ++k) afficher_case(m.prises[k], VIDE);
  afficher_case(d, couronner(p, d));
}

void TForm1::afficher_nb_pieces() {
  const QString blancs = QString::fromStdString(texte_nb_pieces(nb_pieces_blanches()));
  const QString noirs = QString::fromStdString(texte_nb_pieces(nb_pieces_noires()));
  Nbpionsblancs->setText(blancs);
  Nbb3d->setText(blancs);
  Nbpionsnoirs->setText(noirs);
  Nbn3d->setText(noirs);
}

int TForm1::langue_cochee() const { return langue_affichee(); }

// ---- the human's clicks -----------------------------------------------------------

void TForm1::actualiser_prises_obligatoires() {
  // Counted on the game's position, never under a search or a piece in hand
  // (both use the move list).
  if (recherche_en_cours != 0 || coup_en_cours_ != 0 || piece_en_main != 0) return;
  const bool humain = (ordinateur_au_trait == 0 || session.humain_contre_humain) && ordinateur_doit_jouer == 0 &&
                      !session.ordinateur_contre_ordinateur && installation_en_cours == 0 && intro_terminee != 0 &&
                      !fin_montree.terminee;
  const std::uint32_t cases = humain ? pieces_devant_prendre(damier_sauve, trait) : 0;
  if (cases == cases_devant_prendre) return;
  cases_devant_prendre = cases;
  marques_changees();
}

void TForm1::montrer_avis_prise(bool visible) {
  for (QLabel* l : {Label29, Label31, Label30}) l->setVisible(visible);
}

void TForm1::clic1(int x, int y) {
  const int c = (x - 20) / 60, r = (y - 20) / 60;
  Nulrefus->hide();
  if (piece_en_main == 0) afficher_nb_pieces();
  if (ordinateur_au_trait != 0 && installation_en_cours == 0) return;
  int s = c / 2 + 4 * r + 1;
  if (damier_inverse != 0) s = 33 - s;
  if (s <= 0 || s > NB_CASES) return;
  if (session.jeu_en_aveugle) placer_pions();
  // Only the playable squares count, for the set-up as for a move: a click
  // on a light square would otherwise land on its neighbour.
  if (c < 0 || c >= 8 || r < 0 || r >= 8 || (c + r) % 2 == 0) return;
  if (installation_en_cours != 0) {
    installation->poser_piece(static_cast<Case>(s));
    return;
  }
  if (!session.humain_contre_humain) reprendre_position();
  arret_calcul = 1;
  if (session.horloges_arretees) {
    session.horloges_arretees = false;  // a click sets stopped clocks going again
    montrer_session();
  }
  if (partie_pleine()) return;  // the record is full: the game is over
  const ResultatSaisie res = saisir_case(static_cast<Case>(s));
  if (res.prise_obligatoire) montrer_avis_prise(true);
  if (res.etat != EtatSaisie::Termine) return;
  // The notice was for this move; the next side's is shown when it tries.
  montrer_avis_prise(false);

  {
    // The window breathes while a capture is shown: changes wait for it.
    const Occupation pendant(*this);
    if (coup_saisi.nb_prises > 1 && session.decomposer_prises) {
      afficher_case(coup_saisi.depart, VIDE);
      animer_prise(coup_saisi.escales, coup_saisi.nb_prises, coup_saisi.arrivee, coup_saisi.piece);
      // A click while the capture is shown belongs to no move: kept, it would
      // count as the next side's first click (and show it a wrong notice).
      clic_en_attente = 0;
    }
    navigation->supprimer_lignes_reprises();
    terminer_coup_humain();  // the mover's clock takes its shown value
  }
  navigation->ecrire_liste_coups(coup_saisi.arrivee);
  // A move of an exercise's solution is answered by the recorded reply, not searched.
  const bool exercice_repond = exercices->coup_du_joueur(coup_de_la_saisie(coup_saisi));
  if (contre_ordinateur != 0 && !session.humain_contre_humain && !exercice_repond) {
    ordinateur_au_trait = 1;
    debut_tour(trait) = heure_en_secondes();  // the computer's turn begins
  } else {
    debut_tour(trait) = heure_en_secondes();
    afficher_nb_pieces();
    nb_coups_trait = coups_legaux(trait);
    if (nb_coups_trait == 0) fin_de_partie(FIN_SANS_COUP_HUMAIN);
    armer_clic_superflu();
  }
  if (partie_pleine()) fin_de_partie(FIN_NULLE);
  montrer_session();  // the other side's turn
  executer_changements();
}

// ---- end of game, draws, resigning -----------------------------------------------------

void TForm1::fin_de_partie(int code) {
  if (match_classe == 5) return;
  // The clocks stop at the end: the side to move keeps the time it had used.
  if (Timer1->isActive()) horloge(trait) = temps_en_cours(trait);
  const ContexteFin contexte{match_classe, session.humain_contre_humain, couleur_ordi,
                             nom_montre(BLANCS).toStdString(), nom_montre(NOIRS).toStdString()};
  const AnnonceFin a = annonce_fin(code, contexte);
  noter_fin(code, a.resultat);  // kept on the board once the panel is closed
  // Nobody out of moves: the panel keeps what it said.
  if (a.cle != nullptr) resultat_montre = {a.cle, QString::fromStdString(a.nom), {}, {}};
  if (a.son != nullptr && session.commentaires) jouer_son(a.son);
  fin_de_parties->show();
  fin_de_parties->raise();
  if (match_classe == 0) {
    resultat_montre.blanc.reset();
    resultat_montre.noir.reset();
  } else {
    joueurs->mise_a_jour_classement(a.resultat);
  }
  session.ordinateur_contre_ordinateur = false;
  resultat_partie = a.resultat;
  afficher_horloges();
  navigation->montrer_resultat();
  actualiser_prises_obligatoires();
  montrer_session();
}

void TForm1::AbandonClick() {
  const int l = langue_cochee();
  if (!dialogues().question(this, texte_catalogue(l, "msg.plateau.abandon.question"),
                            texte_catalogue(l, "msg.plateau.abandon.titre")))
    return;
  arret_calcul = 1;
  fin_de_partie(FIN_ABANDON);
  match_classe = 0;
  montrer_session();
}

void TForm1::ProposernulClick() {
  if (!etat_commandes().Proposernul) return;
  if (nul_accepte(score_racine, reflexion_anticipee != 0, somme_nb_pieces())) {
    Nulrefus->hide();
    fin_de_partie(FIN_NULLE);
  } else {
    Nulrefus->show();
    Nulrefus->raise();
  }
}

void TForm1::BitBtn13Click() {
  fin_de_parties->hide();
  placer_pions();
}

void TForm1::BitBtn14Click() {
  Match_nul->hide();
  fin_de_partie(FIN_NULLE);
}

void TForm1::Annul_nulClick() { Match_nul->hide(); }

// ---- game modes and the new game ------------------------------------------------------

void TForm1::Ordinateur() {
  contre_ordinateur = static_cast<std::uint8_t>(1 - contre_ordinateur);
  session.humain_contre_humain = !session.humain_contre_humain;
  // The names say who plays: two players, or the computer on its side again.
  QString noms[2] = {nom_montre(BLANCS), nom_montre(NOIRS)};
  if (session.humain_contre_humain) {
    for (int camp = 0; camp < 2; ++camp)
      if (noms[camp] == NOM_ORDINATEUR)
        noms[camp] = texte_catalogue(langue_cochee(), "msg.joueurs.defaut").arg(camp + 1);
  } else {
    noms[couleur_ordi == 1 ? NOIRS : BLANCS] = NOM_ORDINATEUR;
  }
  // Into the names and the current entry's names only: a search on the
  // human's time may be using the board.
  nommer(noms[BLANCS], noms[NOIRS]);
  std::memcpy(partie[nb_demi_coups].nom_blancs, nom_joueur_blanc, LONGUEUR_NOM);
  std::memcpy(partie[nb_demi_coups].nom_noirs, nom_joueur_noir, LONGUEUR_NOM);
  montrer_session();
}

void TForm1::Ordinateurcontreordinateur1Click() {
  session.ordinateur_contre_ordinateur = !session.ordinateur_contre_ordinateur;
  session.humain_contre_humain = false;
  montrer_session();
}

void TForm1::Nouveau2Click() {
  arret_calcul = 1;
  resultat_partie = SANS_RESULTAT;
  Onglets_nouvelle->setCurrentIndex(0);
  Nouvelle_partie->show();
  Nouvelle_partie->raise();
  installation_en_cours = 0;
  exercices->fermer();  // "Suivant ->" and "Revoir coup" go
  joueurs->charger_listes_joueurs();
}

void TForm1::nouvelle_partie_installer() {
  abandonner_saisie();
  resultat_partie = SANS_RESULTAT;
  // The search display starts empty with the new game.
  ListBox2->clear();
  ListBox5->clear();
  if (damier_inverse != 0) Inverser();
  installer_nouvelle_partie();
  demarrer_tours();
  afficher_horloges();
  arret_calcul = 1;
  ListBox1->clear();
  for (QWidget* w : std::initializer_list<QWidget*>{fin_de_parties, Match_nul, Zut, Nulrefus}) w->hide();
  montrer_avis_prise(false);
  placer_pions();
  afficher_nb_pieces();
}

void TForm1::nommer(const QString& blanc, const QString& noir) {
  // The record keeps Latin-1 (a name in another script transliterated); the
  // name as typed is kept beside it and shown while the game is open.
  const auto un = [](char (&nom)[LONGUEUR_NOM], std::string& complet, const QString& texte) {
    complet = texte.toStdString();
    nommer_joueur(nom, nom_en_latin1(complet, LONGUEUR_NOM_JOUEUR).c_str());
  };
  un(nom_joueur_blanc, nom_complet_blanc, blanc);
  un(nom_joueur_noir, nom_complet_noir, noir);
  montrer_session();
}

void TForm1::nommer_joueurs(const QString& blanc, const QString& noir) {
  nommer(blanc, noir);
  enregistrer_demi_coup(partie[nb_demi_coups].nb_prises, partie[nb_demi_coups].depart, partie[nb_demi_coups].arrivee);
}

void TForm1::BitBtn15Click() {
  const QString joueur = Joueur0->text();
  const bool ordinateur_noir = Olvendar_noir->isChecked();
  changer_partie([this, joueur, ordinateur_noir] { partie_contre_ordinateur(joueur, ordinateur_noir, false); });
}

void TForm1::partie_contre_ordinateur(const QString& joueur, bool ordinateur_noir, bool classee) {
  Nouvelle_partie->hide();
  nouvelle_partie_installer();
  Horlogeszro1Click();
  contre_ordinateur = 1;
  session.humain_contre_humain = false;
  // The human cannot stop the computer's thinking in a rated game.
  session.arret_par_clic = !classee;
  match_classe = classee ? 1 : 0;
  couleur_ordi = 1;  // camp 1, unless the exchange below gives it camp 0
  if (ordinateur_noir)
    nommer_joueurs(NOM_ORDINATEUR, joueur);
  else
    nommer_joueurs(joueur, NOM_ORDINATEUR);
  // Corvane against "Corvane": the computer plays both sides.
  session.ordinateur_contre_ordinateur = joueur == NOM_ORDINATEUR;
  reprendre_position();
  if (ordinateur_noir) {
    // On screen the computer's black pieces move first: it plays camp 0.
    Inverser();
    inverser_joueurs1();
  }
  montrer_session();
}

void TForm1::BitBtn17Click() {
  const QString blanc = Joueur2->text(), noir = Joueur3->text();
  if (blanc.isEmpty() || noir.isEmpty() || blanc == noir) return;
  if (joueurs->ordinateur_choisi()) return;
  changer_partie([this, blanc, noir] {
    Nouvelle_partie->hide();
    session.humain_contre_humain = true;
    session.ordinateur_contre_ordinateur = false;
    contre_ordinateur = 0;
    session.arret_par_clic = true;
    nouvelle_partie_installer();
    Horlogeszro1Click();
    match_classe = 0;
    nommer_joueurs(blanc, noir);
    reprendre_position();
    montrer_session();
  });
}

void TForm1::Annule_nouveauClick() {
  Nouvelle_partie->hide();
  placer_pions();
}

void TForm1::inverser_joueurs1() {
  // The running game loop gives the computer the move at its next pass.
  couleur_ordi = static_cast<std::uint8_t>(1 - couleur_ordi);
  reprendre_position();
  ordinateur_au_trait = 1;
  montrer_session();
}

void TForm1::inverser_joueurs() {
  changer_partie([this] {
    match_classe = 0;  // the game stops being rated
    inverser_joueurs1();
  });
}
