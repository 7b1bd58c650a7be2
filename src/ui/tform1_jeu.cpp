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
#include "game/turn.h"
#include "rules/generation.h"
#include "rules/moves.h"
#include "rules/notation.h"
#include "search/root.h"
#include "search/search.h"
#include "ui/legendes.h"
#include "ui/panneau.h"
#include "ui/rendu.h"
#include "ui/scene.h"
#include "ui/tform1.h"

namespace {

constexpr std::uint32_t COULEUR_ARRIVEE = 0x00FFFF;  // aqua
constexpr std::uint32_t COULEUR_DEPART = 0xC0C0C0;   // silver
constexpr int CLIGNOTEMENTS = 10;

// The training word of the mode banner, by language.
const char* const MOT_ENTRAINEMENT[6] = {"Entraînement", "Training", "Training", "Treino", "Entrenamiento",
                                         "Allenamento"};

// Menus the loop gives and takes during a rated game.
const char* const MENUS_MATCH[] = {"Fichier1", "Joueurs1", "Analyse2", "Ouvertures1"};
const char* const ARTICLES_MATCH[] = {"Rflexionsurtempsadverse1", "Horlogeszro1", "Pause1", "Reprendrecoups1",
                                      "Avancercoups1", "Reveniraudbut1", "Allerlafin1",
                                      "Arretrflexionparclicsouris1"};

// Items taken from the user during the computer's turn.
const char* const ARTICLES_TOUR[] = {"Nouveau2", "Humaincontrehumain1", "Sauver1", "Ouvrir1", "Imprimer1", "Quitter1"};

void copier_damier(std::uint8_t* vers, const std::uint8_t* depuis) {
  std::memcpy(vers + 1, depuis + 1, NB_CASES);
}

}  // namespace

bool TForm1::humain_contre_humain() const { return action("Humaincontrehumain1")->isChecked(); }

void TForm1::attendre_ms(int ms, bool pomper) {
  if (pomper) QCoreApplication::processEvents(QEventLoop::AllEvents);
  const int d = ms * duree_animation / 100;
  if (d > 0) QThread::msleep(static_cast<unsigned long>(d));
}

// ---- the central loop ---------------------------------------------------------

void TForm1::etat_menus_boucle() {
  if (match_classe != 0) {
    Panel11->setText("Match");
    for (QWidget* w : std::initializer_list<QWidget*>{Abandon, Abandon1, Abandon2}) w->show();
  } else {
    for (QWidget* w : std::initializer_list<QWidget*>{Abandon, Abandon1, Abandon2}) w->hide();
    if (!humain_contre_humain()) Panel11->setText(QString::fromUtf8(MOT_ENTRAINEMENT[langue_cochee()]));
  }
  const bool en_match = match_classe == 1;
  for (const char* nom : MENUS_MATCH) menu(nom)->setEnabled(!en_match);
  for (const char* nom : ARTICLES_MATCH) action(nom)->setEnabled(!en_match);
  Probleme->setEnabled(!en_match);
  menu("Edition1")->setEnabled(true);
  menu("Niveau1")->setEnabled(!en_match || nb_demi_coups <= 10);
  if (!en_match) action("Numroterlescase1")->setEnabled(true);
  Proposernul->setEnabled(true);
  afficher_numero_coup();
}

void TForm1::afficher_numero_coup() { Nbcoups3d->setText("Coups : " + QString::number(nb_demi_coups / 2 + 1)); }

void TForm1::boucle_de_jeu() {
  ++boucle_en_cours_;
  bool anticipation_faite = false;
  calcul_annule = 0;
  clic_en_attente = 0;
  while (fin_programme == 0) {
    if (ordinateur_doit_jouer != 0) ordinateur_au_trait = 1;
    if (ordinateur_au_trait != 0)
      for (QLabel* l : {Label29, Label31, Label30}) l->hide();
    if (action("Ordinateurcontreordinateur1")->isChecked()) ordinateur_au_trait = 1;
    etat_menus_boucle();

    // Read before and after the window's events, which may change them.
    const auto tour_humain = [this] {
      return (ordinateur_au_trait == 0 || humain_contre_humain()) && ordinateur_doit_jouer == 0;
    };
    const auto anticiper = [&] {
      return action("Rflexionsurtempsadverse1")->isChecked() && sans_anticipation == 0 && analyse_en_cours == 0 &&
             !anticipation_faite && !partie_pleine() && clic_en_attente == 0;
    };
    // Nothing to do until the user acts: sleep until the next event (the
    // clock's timer included) instead of spinning.
    const bool attendre = clic_en_attente == 0 && (installation_en_cours != 0 || (tour_humain() && !anticiper()));
    QCoreApplication::processEvents(attendre ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
    if (fin_programme != 0) break;

    if (installation_en_cours == 0) {
      if (tour_humain()) {
        arret_calcul = 0;
        if (humain_contre_humain()) copier_damier(damier_sauve, damier);
        if (anticiper()) {
          reflexion_anticipee = 1;
          if (!humain_contre_humain()) copier_damier(damier, damier_sauve);
          damier_sauve[0] = HORS_DAMIER;
          const unsigned g = generation_position_;
          // Thinking ahead lasts no longer than the computer's own move
          // would: then the program rests until the human acts.
          recherche_en_cours = 1;
          fin_anticipation_->start(1000 * std::max(1, budget_reflexion / 30));
          coup_choisi = choisir_coup(trait);
          fin_anticipation_->stop();
          recherche_en_cours = 0;
          if (g != generation_position_) copier_damier(damier, damier_sauve);
          anticipation_faite = true;
        }
      } else {
        copier_damier(damier_sauve, damier);
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
  liberer_et_terminer();
  --boucle_en_cours_;
}

// ---- the computer's turn --------------------------------------------------------

void TForm1::supprimer_lignes_reprises() {
  // Moves had been taken back: the lines past the current ply go.
  const int garder = (nb_demi_coups + 1) / 2;
  while (ListBox1->count() > garder) delete ListBox1->takeItem(ListBox1->count() - 1);
}

void TForm1::ecrire_liste_coups(int arrivee) {
  const int h = nb_demi_coups;
  const EntreePartie& e = partie[h];
  const EntreePartie& avant = partie[h > 0 ? h - 1 : 0];
  const LigneListe l = ligne_liste_coups(h, dernier_demi_coup, {e.depart, static_cast<Case>(arrivee), e.nb_prises > 0},
                                         {avant.depart, avant.arrivee, avant.nb_prises > 0});
  if (l.vider_avant) ListBox1->clear();
  const QString texte = QString::fromStdString(l.texte);
  if (l.index < ListBox1->count())
    ListBox1->item(l.index)->setText(texte);
  else
    ListBox1->addItem(texte);
  ListBox1->scrollToBottom();
}

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
  const bool vue_2d = action("Damier2D1")->isChecked();
  if (case_depart_marquee != 0 && case_arrivee_marquee != 0 && (!action("Jeuenaveugle1")->isChecked() || vue_2d)) {
    afficher_case(case_depart_marquee, damier[case_depart_marquee]);
    afficher_case(case_arrivee_marquee, damier[case_arrivee_marquee]);
  }
  calcul_annule = 0;
  reflexion_anticipee = 0;
  afficher_nb_pieces();
  controle_temps();
  if (partie_pleine()) {
    ordinateur_au_trait = 0;
    return;
  }

  ordinateur_au_trait = 1;
  const bool entre_ordinateurs = action("Ordinateurcontreordinateur1")->isChecked();
  for (const char* nom : ARTICLES_TOUR) action(nom)->setEnabled(false);
  if (!entre_ordinateurs) menu("Fichier1")->setEnabled(false);
  for (const char* nom : {"Edition1", "Joueurs1", "Ouvertures1", "Analyse2"}) menu(nom)->setEnabled(false);
  Probleme->setEnabled(false);
  Proposernul->setEnabled(false);
  setCursor(Qt::WaitCursor);
  Image5->setCursor(Qt::WaitCursor);

  couleur_ordi = trait == NOIRS ? 1 : 0;
  montrer_couleur_ordi();
  const unsigned g = generation_position_;
  recherche_en_cours = 1;
  const ChoixOrdinateur choix = choix_ordinateur(trait, action("Dbutant1")->isChecked());
  recherche_en_cours = 0;
  const int pieces_racine = somme_nb_pieces();

  for (const char* nom : ARTICLES_TOUR) action(nom)->setEnabled(true);
  for (const char* nom : {"Edition1", "Ouvertures1"}) menu(nom)->setEnabled(true);
  action("Numroterlescase1")->setEnabled(true);
  menu("Fichier1")->setEnabled(!action("Ordinateurcontreordinateur1")->isChecked() && match_classe == 0);
  menu("Joueurs1")->setEnabled(match_classe == 0);
  menu("Analyse2")->setEnabled(match_classe == 0);
  Probleme->setEnabled(match_classe == 0);
  setCursor(Qt::ArrowCursor);
  Image5->setCursor(Qt::ArrowCursor);

  if (choix.annule || g != generation_position_) {
    // The game moved while the computer thought: its move is dropped and
    // the position the user chose stays.
    copier_damier(damier, damier_sauve);
    ordinateur_au_trait = 0;
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
    Coup m = listes_coups[1][coup_choisi];
    const Case o = m.depart, d = m.arrivee;
    const int n = m.nb_prises;
    Piece p = damier[o];
    Case chemin[MAX_PRISES] = {};
    if (n > 1) {
      const std::uint8_t i = decomposer_prise(o, d, m.prises + 1, n);
      if (i != PRISE_INTROUVABLE) std::memcpy(chemin + 1, escales[1] + 1, n);
    }
    damier[o] = VIDE;
    for (int k = 0; k < CLIGNOTEMENTS; ++k) {
      attendre_ms(10, false);
      afficher_case(o, p);
      attendre_ms(10, true);
      afficher_case(o, VIDE);
      QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    afficher_case(o, VIDE);
    if (n > 1 && action("Dcomposerlesprises1")->isChecked()) animer_prise(chemin, n, d, p);
    for (int k = 1; k <= n; ++k) {
      damier[m.prises[k]] = VIDE;
      afficher_case(m.prises[k], VIDE);
    }
    p = couronner(p, d);
    afficher_case(d, p);
    damier[d] = p;
    recalculer_masques();
    afficher_nb_pieces();
    controle_temps();
    supprimer_lignes_reprises();
    noter_coup_ordinateur(m, pieces_racine);
    ecrire_liste_coups(d);
    encadrer_case(d, COULEUR_ARRIVEE);
    encadrer_case(o, COULEUR_DEPART);
    case_depart_marquee = o;
    case_arrivee_marquee = d;
    debut_tour(trait) = heure_en_secondes();
  } else {
    sans_anticipation = 0;
    nb_coups_trait = coups_legaux(trait);
    copier_damier(damier_sauve, damier);
    ordinateur_au_trait = 0;
  }
  afficher_nb_pieces();
  if (nb_coups_trait == 0) fin_de_partie(FIN_SANS_COUP_ORDINATEUR);
  if (partie_pleine()) fin_de_partie(FIN_NULLE);
  if (action("Bipchaquecoup2")->isChecked()) jouer_son("son.wav");
  if (action("Ordinateurcontreordinateur1")->isChecked() && nul_ordinateur_contre_ordinateur(score_racine))
    fin_de_partie(FIN_NULLE);
}

// ---- the human's clicks -----------------------------------------------------------

void TForm1::clic1(int x, int y) {
  const int c = (x - 20) / 60, r = (y - 20) / 60;
  Nulrefus->hide();
  if (piece_en_main == 0) afficher_nb_pieces();
  if (ordinateur_au_trait != 0 && installation_en_cours == 0) return;
  damier[0] = HORS_DAMIER;
  int s = c / 2 + 4 * r + 1;
  if (damier_inverse != 0) s = 33 - s;
  if (s <= 0 || s > NB_CASES) return;
  if (action("Jeuenaveugle1")->isChecked()) placer_pions();
  // Only the playable squares count, for the set-up as for a move: a click
  // on a light square would otherwise land on its neighbour.
  if (c < 0 || c >= 8 || r < 0 || r >= 8 || (c + r) % 2 == 0) return;
  if (installation_en_cours != 0) {
    damier[s] = damier_sauve[s] = static_cast<std::uint8_t>(piece_a_placer);
    recalculer_masques();
    afficher_case(s, piece_a_placer);
    afficher_nb_pieces();  // the counts follow the pieces placed
    position_changee();
    return;
  }
  if (!humain_contre_humain()) copier_damier(damier, damier_sauve);
  arret_calcul = 1;
  if (!Timer1->isActive()) {
    demarrer_tours();
    Timer1->start();
    action("Pause2")->setChecked(false);
  }
  if (partie_pleine()) return;  // the record is full: the game is over
  const ResultatSaisie res = saisir_case(static_cast<Case>(s));
  if (res.prise_obligatoire)
    for (QLabel* l : {Label29, Label31, Label30}) l->show();
  if (res.etat != EtatSaisie::Termine) return;
  // The notice was for this move; the next side's is shown when it tries.
  for (QLabel* l : {Label29, Label31, Label30}) l->hide();

  if (coup_saisi.nb_prises > 1 && action("Dcomposerlesprises1")->isChecked()) {
    afficher_case(coup_saisi.depart, VIDE);
    animer_prise(coup_saisi.escales, coup_saisi.nb_prises, coup_saisi.arrivee, coup_saisi.piece);
    // A click while the capture is shown belongs to no move: kept, it would
    // count as the next side's first click (and show it a wrong notice).
    clic_en_attente = 0;
  }
  supprimer_lignes_reprises();
  terminer_coup_humain();  // the mover's clock takes its shown value
  ecrire_liste_coups(coup_saisi.arrivee);
  if (contre_ordinateur != 0 && !humain_contre_humain()) {
    ordinateur_au_trait = 1;
  } else {
    debut_tour(trait) = heure_en_secondes();
    afficher_nb_pieces();
    nb_coups_trait = coups_legaux(trait);
    if (nb_coups_trait == 0) fin_de_partie(FIN_SANS_COUP_HUMAIN);
  }
  if (partie_pleine()) fin_de_partie(FIN_NULLE);
}

// ---- end of game, draws, resigning -----------------------------------------------------

void TForm1::fin_de_partie(int code) {
  if (match_classe == 5) return;
  const ContexteFin contexte{match_classe, humain_contre_humain(), couleur_ordi, Nom_blanc->text().toStdString(),
                             Nom_noir->text().toStdString()};
  const AnnonceFin a = annonce_fin(code, contexte);
  if (!a.message.empty()) qui_gagne->setText(QString::fromStdString(a.message));
  if (a.son != nullptr && action("Commentaires1")->isChecked()) jouer_son(a.son);
  fin_de_parties->show();
  fin_de_parties->raise();
  if (match_classe == 0) {
    Resultat_blanc->clear();
    Resultat_noir->clear();
  } else {
    mise_a_jour_classement(a.resultat);
  }
  for (const char* nom : {"Fichier1", "Edition1", "Joueurs1", "Niveau1", "Ouvertures1", "Analyse2"})
    menu(nom)->setEnabled(true);
  for (const char* nom :
       {"Numroterlescase1", "Reprendrecoups1", "Avancercoups1", "Reveniraudbut1", "Allerlafin1"})
    action(nom)->setEnabled(true);
  Probleme->setEnabled(true);
  if (action("Ordinateurcontreordinateur1")->isChecked()) action("Ordinateurcontreordinateur1")->setChecked(false);
  action("Arretrflexionparclicsouris1")->setEnabled(true);
  resultat_partie = a.resultat;
}

void TForm1::AbandonClick() {
  arret_calcul = 1;
  fin_de_partie(FIN_ABANDON);
  match_classe = 0;
}

void TForm1::ProposernulClick() {
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
  QAction* a = action("Humaincontrehumain1");
  a->setChecked(!a->isChecked());
}

void TForm1::Ordinateurcontreordinateur1Click() {
  QAction* a = action("Ordinateurcontreordinateur1");
  a->setChecked(!a->isChecked());
  action("Humaincontrehumain1")->setChecked(false);
}

void TForm1::Nouveau2Click() {
  arret_calcul = 1;
  resultat_partie = SANS_RESULTAT;
  Onglets_nouvelle->setCurrentIndex(0);
  Nouvelle_partie->show();
  Nouvelle_partie->raise();
  installation_en_cours = 0;
  Panel13->hide();
  Panel14->hide();
  ListBox1->clear();
  charger_listes_joueurs();
}

void TForm1::nouvelle_partie_installer() {
  abandonner_saisie();
  if (damier_inverse != 0) Inverser();
  installer_nouvelle_partie();
  position_changee();
  demarrer_tours();
  afficher_horloges();
  arret_calcul = 1;
  damier[0] = HORS_DAMIER;
  ListBox1->clear();
  for (QWidget* w : std::initializer_list<QWidget*>{fin_de_parties, Match_nul, Zut, Nulrefus, Label29, Label30, Label31})
    w->hide();
  placer_pions();
  afficher_nb_pieces();
}

void TForm1::nommer_joueurs(const QString& blanc, const QString& noir) {
  montrer_noms(blanc, noir);
  enregistrer_demi_coup(partie[nb_demi_coups].nb_prises, partie[nb_demi_coups].depart, partie[nb_demi_coups].arrivee);
}

void TForm1::BitBtn15Click() { partie_contre_ordinateur(Joueur0->text(), Olvendar_noir->isChecked(), false); }

void TForm1::partie_contre_ordinateur(const QString& joueur, bool ordinateur_noir, bool classee) {
  Nouvelle_partie->hide();
  nouvelle_partie_installer();
  Horlogeszro1Click();
  contre_ordinateur = 1;
  action("Humaincontrehumain1")->setChecked(false);
  action("Ordinateurcontreordinateur1")->setChecked(false);
  // The human cannot stop the computer's thinking in a rated game.
  action("Arretrflexionparclicsouris1")->setChecked(!classee);
  action("Arretrflexionparclicsouris1")->setEnabled(!classee);
  match_classe = classee ? 1 : 0;
  couleur_ordi = 1;  // camp 1, unless the exchange below gives it camp 0
  if (ordinateur_noir)
    nommer_joueurs("Corvane", joueur);
  else
    nommer_joueurs(joueur, "Corvane");
  // Corvane against "Corvane": the computer plays both sides.
  if (B3D->text() == "Corvane : " && N3D->text() == "Corvane : ")
    action("Ordinateurcontreordinateur1")->setChecked(true);
  copier_damier(damier, damier_sauve);
  if (ordinateur_noir) {
    // On screen the computer's black pieces move first: it plays camp 0.
    Inverser();
    inverser_joueurs1();
  } else {
    montrer_couleur_ordi();
  }
}

void TForm1::BitBtn17Click() {
  const QString blanc = Joueur2->text(), noir = Joueur3->text();
  if (blanc.isEmpty() || noir.isEmpty() || blanc == noir) return;
  if (ordinateur_choisi()) return;
  Nouvelle_partie->hide();
  action("Humaincontrehumain1")->setChecked(true);
  action("Ordinateurcontreordinateur1")->setChecked(false);
  contre_ordinateur = 0;
  action("Arretrflexionparclicsouris1")->setChecked(true);
  nouvelle_partie_installer();
  Horlogeszro1Click();
  match_classe = 0;
  nommer_joueurs(blanc, noir);
  Panel11->setText(legende(langue_cochee(), "Humain"));
  copier_damier(damier, damier_sauve);
}

void TForm1::Annule_nouveauClick() {
  Nouvelle_partie->hide();
  placer_pions();
}

void TForm1::inverser_joueurs1() {
  couleur_ordi = static_cast<std::uint8_t>(1 - couleur_ordi);
  montrer_couleur_ordi();
  copier_damier(damier, damier_sauve);
  ordinateur_au_trait = 1;
  if (boucle_en_cours_) boucle_de_jeu();
}

void TForm1::inverser_joueurs() {
  match_classe = 0;  // the game stops being rated
  inverser_joueurs1();
}
