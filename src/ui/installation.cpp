#include "ui/installation.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <cstring>

#include "evaluation/evaluation.h"
#include "game/clocks.h"
#include "game/game.h"
#include "game/input.h"
#include "game/installation.h"
#include "search/search.h"
#include "ui/composants.h"
#include "ui/images.h"
#include "ui/legendes.h"
#include "ui/panneau.h"
#include "ui/scene.h"
#include "ui/tform1.h"

void CommandesInstallation::construire_probleme() {
  struct Bouton {
    const char* nom;
    void (CommandesInstallation::*gestionnaire)();
    QToolButton** membre;
  };
  const Bouton boutons[5] = {{"SpeedButton10", &CommandesInstallation::SpeedButton10Click, &SpeedButton10},
                             {"SpeedButton11", &CommandesInstallation::SpeedButton11Click, &SpeedButton11},
                             {"SpeedButton12", &CommandesInstallation::SpeedButton12Click, &SpeedButton12},
                             {"SpeedButton13", &CommandesInstallation::SpeedButton13Click, &SpeedButton13},
                             {"SpeedButton14", &CommandesInstallation::SpeedButton14Click, &SpeedButton14}};
  for (int i = 0; i < 5; ++i) {
    QToolButton* b = creer<QToolButton>(f.Probleme, boutons[i].nom, 8 + 53 * i, 22, 50, 50);
    taille_icone(b, QSize(44, 44));
    connect(b, &QToolButton::clicked, this, boutons[i].gestionnaire);
    *boutons[i].membre = b;
  }
  Piontemoin = creer<QLabel>(f.Probleme, "Piontemoin", 8, 80, 50, 50);
  Piontemoin->setScaledContents(true);
  Piontemoin->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  vider1 = creer<QPushButton>(f.Probleme, "vider1", 66, 80, 203, 24, 12);
  remplir1 = creer<QPushButton>(f.Probleme, "remplir1", 66, 106, 203, 24, 12);
  Bas_Haut = creer<QPushButton>(f.Probleme, "Bas_Haut", 8, 138, 261, 26, 12);
  Couleurordi = creer<QPushButton>(f.Probleme, "Couleurordi", 8, 168, 261, 26, 12);
  Couleurjoue = creer<QPushButton>(f.Probleme, "Couleurjoue", 8, 198, 261, 26, 12);
  Blancs = creer<QLineEdit>(f.Probleme, "Blancs", 8, 232, 261, 24, 12);
  Noirs = creer<QLineEdit>(f.Probleme, "Noirs", 8, 260, 261, 24, 12);
  for (QLineEdit* e : {Blancs, Noirs}) e->setReadOnly(true);
  connect(vider1, &QPushButton::clicked, this, &CommandesInstallation::vider);
  connect(remplir1, &QPushButton::clicked, this, &CommandesInstallation::remplir);
  connect(Bas_Haut, &QPushButton::clicked, this, &CommandesInstallation::Change_dir);
  connect(Couleurordi, &QPushButton::clicked, this, &CommandesInstallation::Change_couleur);
  connect(Couleurjoue, &QPushButton::clicked, this, &CommandesInstallation::Couleur_joue);
  f.Probleme->hide();
}


// ---- position set-up ----------------------------------------------------------------------

void CommandesInstallation::Installeruneposition1Click() {
  f.Damier2D1Click();
  f.Onglet->setCurrentWidget(f.Probleme0);
  if (installation_en_cours == 0) Entrerpositionclick();
}

void CommandesInstallation::Entrerpositionclick() {
  arret_calcul = 1;
  // The set-up begins or ends as it stands now, even when the change waits
  // for a search: asked twice, it is made once.
  const bool entrer = installation_en_cours == 0;
  f.changer_partie([this, entrer] {
    if (entrer != (installation_en_cours == 0)) return;
    entrer_ou_quitter_installation();
  });
}

void CommandesInstallation::entrer_ou_quitter_installation() {
  compter_pieces();
  // Camp 0 is drawn black; montrer_session writes the scores.
  evaluations = {evaluer_statique(BLANCS) / 2, evaluer_statique(NOIRS) / 2};
  if (installation_en_cours != 0) {
    f.Probleme->hide();
    if (terminer_installation()) {
      f.ListBox1->clear();
      demarrer_tours();
      f.afficher_horloges();
    }
  } else {
    commencer_installation();
    f.Probleme->show();
  }
  ordinateur_doit_jouer = 0;
  if (ordinateur_au_trait != 0) {
    ordinateur_au_trait = 0;
    f.Onglet->setCurrentWidget(f.Calcul);
    ordinateur_doit_jouer = 1;
  }
  f.montrer_session();
}

void CommandesInstallation::installer_position(const Position& p) {
  arret_calcul = 1;
  f.changer_partie([this, p] {
    if (installation_en_cours == 0) commencer_installation();
    poser_position_installation(p);
    entrer_ou_quitter_installation();
    // The set-up drew each piece as it was placed: this one draws them all.
    for (QWidget* w : std::initializer_list<QWidget*>{f.fin_de_parties, f.Match_nul, f.Zut, f.Nulrefus}) w->hide();
    f.placer_pions();
    f.afficher_nb_pieces();
  });
}

void CommandesInstallation::montrer_evaluations(int langue) {
  if (!evaluations) return;
  Blancs->setText(texte_catalogue(langue, "msg.eval_stat_noirs").arg(evaluations->first, 4));
  Noirs->setText(texte_catalogue(langue, "msg.eval_stat_blancs").arg(evaluations->second, 4));
}

void CommandesInstallation::poser_piece(Case s) {
  poser_piece_installation(s, static_cast<Piece>(piece_a_placer));
  f.afficher_case(s, piece_a_placer);
  f.afficher_nb_pieces();  // the counts follow the pieces placed
}

void CommandesInstallation::vider() {
  vider_installation();
  for (int s = 1; s <= NB_CASES; ++s) f.afficher_case(s, VIDE);
}

void CommandesInstallation::Change_dir() { f.Inverser(); }

void CommandesInstallation::Change_couleur() {
  changer_couleur_ordinateur();
  f.montrer_session();
}

void CommandesInstallation::Couleur_joue() {
  changer_trait_installation();
  f.montrer_session();
}

void CommandesInstallation::choisir_piece(int piece, const char* image) {
  piece_a_placer = piece;
  Piontemoin->setPixmap(QPixmap::fromImage(charger_image("Images1", image)));
}

void CommandesInstallation::SpeedButton10Click() { choisir_piece(PION_NOIR, "b48.Bmp"); }
void CommandesInstallation::SpeedButton11Click() { choisir_piece(DAME_NOIRE, "bd48.Bmp"); }
void CommandesInstallation::SpeedButton12Click() { choisir_piece(PION_BLANC, "n48.Bmp"); }
void CommandesInstallation::SpeedButton13Click() { choisir_piece(DAME_BLANCHE, "nd48.Bmp"); }
void CommandesInstallation::SpeedButton14Click() { choisir_piece(VIDE, "v48.Bmp"); }

void CommandesInstallation::remplir() {
  arret_calcul = 1;
  f.changer_partie([this] {
    damier_inverse = 0;
    deplacer(f.Panel6, 512, 8);
    deplacer(f.Panel7, 512, 428);
    deplacer(f.Horlogenoir3d, 712, 56);
    deplacer(f.Horlogeblanc3d, 712, 448);
    position_initiale();
    sauver_position();
    case_depart_marquee = case_arrivee_marquee = 0;
    ordinateur_au_trait = 0;
    match_classe = 0;
    commencer_partie();
    demarrer_tours();
    f.afficher_horloges();
    abandonner_saisie();
    f.ListBox1->clear();
    f.placer_pions();
    f.afficher_nb_pieces();
    f.montrer_session();
  });
}
