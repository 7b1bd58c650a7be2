// Around the game in the window: clocks and levels, moving through the
// record, the tab pages, the position set-up, and the panels they use.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <cstring>

#include "evaluation/evaluation.h"
#include "game/clocks.h"
#include "game/end.h"
#include "game/game.h"
#include "game/hooks.h"
#include "game/input.h"
#include "game/levels.h"
#include "knowledge/books.h"
#include "search/search.h"
#include "ui/composants.h"
#include "ui/images.h"
#include "ui/installation.h"
#include "ui/joueurs.h"
#include "ui/navigation.h"
#include "ui/legendes.h"
#include "ui/panneau.h"
#include "ui/rendu.h"
#include "ui/scene.h"
#include "ui/tform1.h"

// ---- the panels ---------------------------------------------------------------------

void TForm1::construire_nouvelle_partie() {
  Onglets_nouvelle = creer<QTabWidget>(Nouvelle_partie, "Onglets_nouvelle", 8, 8, 484, 344, 13);
  onglets_a_l_echelle(Onglets_nouvelle);
  auto* entrainement = new QWidget;
  entrainement->setObjectName("Entrainement");
  auto* match = new QWidget;
  match->setObjectName("Match1");
  auto* humain = new QWidget;
  humain->setObjectName("Humain");
  Onglets_nouvelle->addTab(entrainement, "");
  Onglets_nouvelle->addTab(match, "");
  Onglets_nouvelle->addTab(humain, "");

  auto* couleur = creer<QGroupBox>(entrainement, "Choixcouleur1", 16, 16, 200, 90, 13);
  Olvendar_blanc = creer<QRadioButton>(couleur, "Olvendar_blanc", 12, 26, 170, 24, 13);
  Olvendar_noir = creer<QRadioButton>(couleur, "Olvendar_noir", 12, 54, 170, 24, 13);
  Olvendar_noir->setChecked(true);
  texte(entrainement, "Label13", 240, 30, 200, 24);
  Joueur0 = creer<QLineEdit>(entrainement, "Joueur0", 240, 58, 200, 28, 13);
  Joueur0->setText("Mister X");
  BitBtn15 = creer<QPushButton>(entrainement, "BitBtn15", 120, 250, 110, 34, 13);
  Annule_nouveau = creer<QPushButton>(entrainement, "Annule_nouveau", 250, 250, 110, 34, 13);
  connect(BitBtn15, &QPushButton::clicked, this, &TForm1::BitBtn15Click);
  connect(Annule_nouveau, &QPushButton::clicked, this, &TForm1::Annule_nouveauClick);

  texte(humain, "Nom_blancs", 16, 8, 220, 24);
  Joueur2 = creer<QLineEdit>(humain, "Joueur2", 16, 34, 220, 28, 13);
  texte(humain, "Nom_noirs", 248, 8, 220, 24);
  Joueur3 = creer<QLineEdit>(humain, "Joueur3", 248, 34, 220, 28, 13);
  // Default names until the user gives others; each language writes its own.
  connect(Joueur2, &QLineEdit::textEdited, this, [this] { noms_humains_par_defaut[0] = false; });
  connect(Joueur3, &QLineEdit::textEdited, this, [this] { noms_humains_par_defaut[1] = false; });
  BitBtn17 = creer<QPushButton>(humain, "BitBtn17", 120, 250, 110, 34, 13);
  auto* annuler = creer<QPushButton>(humain, "BitBtn19", 250, 250, 110, 34, 13);
  connect(BitBtn17, &QPushButton::clicked, this, &TForm1::BitBtn17Click);
  connect(annuler, &QPushButton::clicked, this, &TForm1::Annule_nouveauClick);
  joueurs->construire_onglets_joueurs(entrainement, match, humain);
}

void TForm1::construire_panneaux_partie() {
  qui_gagne = texte(fin_de_parties, "qui_gagne", 10, 16, 380, 36, 18, Qt::AlignCenter);
  qui_gagne->setStyleSheet("font-weight: bold;");
  auto* resultat = creer<QWidget>(fin_de_parties, "Resultat", 10, 56, 380, 44);
  Resultat_blanc = texte(resultat, "Resultat_blanc", 0, 0, 380, 20, 12, Qt::AlignCenter);
  Resultat_noir = texte(resultat, "Resultat_noir", 0, 22, 380, 20, 12, Qt::AlignCenter);
  BitBtn13 = creer<QPushButton>(fin_de_parties, "BitBtn13", 160, 106, 80, 32, 13);
  connect(BitBtn13, &QPushButton::clicked, this, &TForm1::BitBtn13Click);

  texte(Match_nul, "Label_nul1", 10, 12, 380, 28, 16, Qt::AlignCenter);
  texte(Match_nul, "Label_nul2", 10, 42, 380, 24, 13, Qt::AlignCenter);
  BitBtn14 = creer<QPushButton>(Match_nul, "BitBtn14", 100, 82, 90, 32, 13);
  Annul_nul = creer<QPushButton>(Match_nul, "Annul_nul", 210, 82, 90, 32, 13);
  connect(BitBtn14, &QPushButton::clicked, this, &TForm1::BitBtn14Click);
  connect(Annul_nul, &QPushButton::clicked, this, &TForm1::Annul_nulClick);

  texte(Panel9, "Label_autre1", 14, 20, 110, 28);
  Nbminutes = creer<QLineEdit>(Panel9, "Nbminutes", 124, 20, 60, 28, 13);
  texte(Panel9, "Label_autre2", 192, 20, 100, 28);
  BitBtn24 = creer<QPushButton>(Panel9, "BitBtn24", 50, 64, 90, 32, 13);
  BitBtn25 = creer<QPushButton>(Panel9, "BitBtn25", 160, 64, 90, 32, 13);
  connect(BitBtn24, &QPushButton::clicked, this, &TForm1::BitBtn24Click);
  connect(BitBtn25, &QPushButton::clicked, this, &TForm1::BitBtn25Click);
  Nbminutes->setText("3");

  connect(Abandon, &Panneau::clique, this, &TForm1::AbandonClick);
  connect(Abandon1, &QPushButton::clicked, this, &TForm1::AbandonClick);
  connect(Abandon2, &QPushButton::clicked, this, &TForm1::AbandonClick);
  connect(Proposernul, &Panneau::clique, this, &TForm1::ProposernulClick);
  connect(Nulrefus, &Panneau::clique, this, &TForm1::ProposernulClick);
  connect(Panel13, &Panneau::clique, exercices, &CommandesExercices::Button1Click);
  connect(Panel14, &Panneau::clique, exercices, &CommandesExercices::Panel14Click);
  connect(Joue, &QPushButton::clicked, this, &TForm1::pause);
  connect(SpeedButton1, &QToolButton::clicked, navigation, &CommandesNavigation::reprise);
  connect(SpeedButton2, &QToolButton::clicked, navigation, &CommandesNavigation::avancer);
  connect(SpeedButton4, &QToolButton::clicked, navigation, &CommandesNavigation::revenir_debut);
  connect(SpeedButton5, &QToolButton::clicked, navigation, &CommandesNavigation::Aller_fin);
  connect(ListBox1, &QListWidget::itemDoubleClicked, navigation, &CommandesNavigation::revenir_n);
  connect(Onglet, &QTabWidget::currentChanged, this, [this](int) {
    if (changement_page_) return;
    changement_page_ = true;
    OngletChanging(page_onglet_);
    OngletChange();
    page_onglet_ = Onglet->currentIndex();
    changement_page_ = false;
  });
  connect(Timer1, &QTimer::timeout, this, &TForm1::ajouter_temps);
}

// ---- clocks -------------------------------------------------------------------------

void TForm1::afficher_horloge(Camp camp, std::int32_t secondes) {
  char m[12], s[4];
  texte_horloge(secondes, m, s);
  QLabel* const minutes[2][2] = {{minblanc, minblanc3d}, {minnoir, minnoir3d}};
  QLabel* const sec[2][2] = {{secblanc, secblanc3d}, {secnoir, secnoir3d}};
  for (int v = 0; v < 2; ++v) {
    minutes[camp][v]->setText(m);
    sec[camp][v]->setText(s);
  }
}

void TForm1::afficher_horloges() {
  afficher_horloge(BLANCS, temps_blancs);
  afficher_horloge(NOIRS, temps_noirs);
}

void TForm1::ajouter_temps() {
  if (partie_terminee() || (ordinateur_au_trait != 0 && !session.humain_contre_humain)) return;
  afficher_horloge(trait, temps_en_cours(trait));
}

void TForm1::controle_temps() {
  if (match_classe == 0) return;
  const std::int32_t points_humain = couleur_ordi == 1 ? points_blanc : points_noir;
  const int code = perte_au_temps(trait, points_humain, nb_demi_coups, temps_limite);
  if (code != 0) fin_de_partie(code);
}

void TForm1::Horlogeszro1Click() {
  remettre_horloges();
  match_classe = 0;
  demarrer_tours();
  afficher_horloges();
  montrer_session();
}

void TForm1::Pause2Click() {
  session.horloges_arretees = !session.horloges_arretees;
  montrer_session();
}

void TForm1::pause() { arret_calcul = 1; }

// ---- levels -------------------------------------------------------------------------

void TForm1::niveau_coche(int n) {
  choisir_niveau(n);
  const Niveau& l = n < NB_NIVEAUX ? NIVEAUX[n] : SPECIAUX[n - PREMIER_SPECIAL];
  minutes_autre = l.minutes;
  montrer_session();
}

void TForm1::Dbutant1Click() { niveau_coche(0); }
void TForm1::Niveau01Click() { niveau_coche(1); }
void TForm1::Niveau02Click() { niveau_coche(2); }
void TForm1::Niveau03Click() { niveau_coche(3); }
void TForm1::Niveau04Click() { niveau_coche(4); }
void TForm1::Niveau05Click() { niveau_coche(5); }
void TForm1::Niveau06Click() { niveau_coche(6); }
void TForm1::Niveau07Click() { niveau_coche(7); }
void TForm1::Niveau081Click() { niveau_coche(8); }
void TForm1::niveau1() { niveau_coche(PREMIER_SPECIAL + 0); }
void TForm1::niveau2() { niveau_coche(PREMIER_SPECIAL + 1); }
void TForm1::niveau3() { niveau_coche(PREMIER_SPECIAL + 2); }
void TForm1::niveau4() { niveau_coche(PREMIER_SPECIAL + 3); }
void TForm1::niveau5() { niveau_coche(PREMIER_SPECIAL + 4); }
void TForm1::niveau6() { niveau_coche(PREMIER_SPECIAL + 5); }
void TForm1::niveau7() { niveau_coche(PREMIER_SPECIAL + 6); }

void TForm1::N8Autre1Click() {
  Nbminutes->setText(QString::number(minutes_autre));
  Panel9->show();
  Panel9->raise();
  Nbminutes->setFocus();
}

void TForm1::BitBtn24Click() {
  bool ok = false;
  const int n = Nbminutes->text().trimmed().toInt(&ok);
  if (!ok || n <= 0 || n > MINUTES_AUTRE_MAX) return;  // the panel stays open
  Panel9->hide();
  choisir_niveau_autre(n);
  minutes_autre = n;
  montrer_session();
}

void TForm1::BitBtn25Click() {
  Panel9->hide();
  placer_pions();
}

// ---- the tab pages --------------------------------------------------------------------

void TForm1::OngletChanging(int page_quittee) {
  QWidget* quittee = Onglet->widget(page_quittee);
  if (installation_en_cours != 0) installation->Entrerpositionclick();
  if (ordinateur_au_trait != 0) {
    Onglet->setCurrentWidget(quittee == Calcul ? Calcul : Liste);
  }
}

void TForm1::OngletChange() {
  if (ordinateur_au_trait != 0 || match_classe != 0) {
    if (Onglet->currentWidget() != Calcul) Onglet->setCurrentWidget(Liste);
    return;
  }
  if (Onglet->currentWidget() == Probleme0) {
    bibliotheque_active = 0;
    installation->Entrerpositionclick();
  }
}
