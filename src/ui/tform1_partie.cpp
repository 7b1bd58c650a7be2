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
#include "ui/images.h"
#include "ui/legendes.h"
#include "ui/panneau.h"
#include "ui/rendu.h"
#include "ui/scene.h"
#include "ui/tform1.h"

namespace {

template <class T>
T* creer(QWidget* parent, const char* nom, int x, int y, int l, int h, int police = 0) {
  auto* w = new T(parent);
  w->setObjectName(nom);
  placer(w, x, y, l, h, police);
  return w;
}

QLabel* texte(QWidget* parent, const char* nom, int x, int y, int l, int h, int police = 13,
              Qt::Alignment alignement = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* e = creer<QLabel>(parent, nom, x, y, l, h, police);
  e->setAlignment(alignement);
  return e;
}

// The toggles' texts, French to Italian.
const char* const ORDINATEUR_NOIR[6] = {"Ordinateur noir",   "Computer black",   "Computer zwart",
                                        "Computador pretas", "Ordenador negras", "Calcolatore nero"};
const char* const ORDINATEUR_BLANC[6] = {"Ordinateur blanc",   "Computer white",    "Computer wit",
                                         "Computador brancas", "Ordenador blancas", "Calcolatore blanco"};
const char* const JOUEUR_JOUE[6] = {"Joueur joue",   "Player's turn",   "Speler aan zet",
                                    "Jogador joga",  "Jugador juegue",  "Tocca al giocatore"};
const char* const ORDINATEUR_JOUE[6] = {"Ordinateur joue", "Computer's turn",  "Computer aan zet",
                                        "Computador joga", "Ordenador juegue", "Tocca al calcolatore"};

}  // namespace

// ---- the panels ---------------------------------------------------------------------

void TForm1::construire_nouvelle_partie() {
  Onglets_nouvelle = creer<QTabWidget>(Nouvelle_partie, "Onglets_nouvelle", 8, 8, 484, 344, 13);
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
  Joueur2->setText("Joueur 1");
  Joueur3->setText("Joueur 2");
  BitBtn17 = creer<QPushButton>(humain, "BitBtn17", 120, 250, 110, 34, 13);
  auto* annuler = creer<QPushButton>(humain, "BitBtn19", 250, 250, 110, 34, 13);
  connect(BitBtn17, &QPushButton::clicked, this, &TForm1::BitBtn17Click);
  connect(annuler, &QPushButton::clicked, this, &TForm1::Annule_nouveauClick);
  construire_onglets_joueurs(entrainement, match, humain);
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
  connect(Joue, &QPushButton::clicked, this, &TForm1::pause);
  connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::reprise);
  connect(SpeedButton2, &QToolButton::clicked, this, &TForm1::avancer);
  connect(SpeedButton4, &QToolButton::clicked, this, &TForm1::revenir_debut);
  connect(SpeedButton5, &QToolButton::clicked, this, &TForm1::Aller_fin);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TForm1::revenir_n);
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

void TForm1::construire_probleme() {
  struct Bouton {
    const char* nom;
    void (TForm1::*gestionnaire)();
    QToolButton** membre;
  };
  const Bouton boutons[5] = {{"SpeedButton10", &TForm1::SpeedButton10Click, &SpeedButton10},
                             {"SpeedButton11", &TForm1::SpeedButton11Click, &SpeedButton11},
                             {"SpeedButton12", &TForm1::SpeedButton12Click, &SpeedButton12},
                             {"SpeedButton13", &TForm1::SpeedButton13Click, &SpeedButton13},
                             {"SpeedButton14", &TForm1::SpeedButton14Click, &SpeedButton14}};
  for (int i = 0; i < 5; ++i) {
    QToolButton* b = creer<QToolButton>(Probleme, boutons[i].nom, 8 + 53 * i, 22, 50, 50);
    taille_icone(b, QSize(44, 44));
    connect(b, &QToolButton::clicked, this, boutons[i].gestionnaire);
    *boutons[i].membre = b;
  }
  Piontemoin = creer<QLabel>(Probleme, "Piontemoin", 8, 80, 50, 50);
  Piontemoin->setScaledContents(true);
  Piontemoin->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  vider1 = creer<QPushButton>(Probleme, "vider1", 66, 80, 203, 24, 12);
  remplir1 = creer<QPushButton>(Probleme, "remplir1", 66, 106, 203, 24, 12);
  Bas_Haut = creer<QPushButton>(Probleme, "Bas_Haut", 8, 138, 261, 26, 12);
  Couleurordi = creer<QPushButton>(Probleme, "Couleurordi", 8, 168, 261, 26, 12);
  Couleurjoue = creer<QPushButton>(Probleme, "Couleurjoue", 8, 198, 261, 26, 12);
  Blancs = creer<QLineEdit>(Probleme, "Blancs", 8, 232, 261, 24, 12);
  Noirs = creer<QLineEdit>(Probleme, "Noirs", 8, 260, 261, 24, 12);
  for (QLineEdit* e : {Blancs, Noirs}) e->setReadOnly(true);
  connect(vider1, &QPushButton::clicked, this, &TForm1::vider);
  connect(remplir1, &QPushButton::clicked, this, &TForm1::remplir);
  connect(Bas_Haut, &QPushButton::clicked, this, &TForm1::Change_dir);
  connect(Couleurordi, &QPushButton::clicked, this, &TForm1::Change_couleur);
  connect(Couleurjoue, &QPushButton::clicked, this, &TForm1::Couleur_joue);
  Probleme->hide();
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
  if (ordinateur_au_trait != 0 && !session.humain_contre_humain) return;
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
  for (QLabel* l : {minblanc, secblanc, minnoir, secnoir, minblanc3d, secblanc3d, minnoir3d, secnoir3d})
    l->setText("0");
  montrer_session();
}

void TForm1::Pause2Click() {
  if (Timer1->isActive()) {
    Timer1->stop();
    session.horloges_arretees = true;
  } else {
    demarrer_tours();
    Timer1->start();
    session.horloges_arretees = false;
  }
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
  if (!ok || n <= 0 || n > 100000) return;  // the panel stays open
  Panel9->hide();
  choisir_niveau_autre(n);
  minutes_autre = n;
  montrer_session();
}

void TForm1::BitBtn25Click() {
  Panel9->hide();
  placer_pions();
}

// ---- moving through the game -------------------------------------------------------------

void TForm1::aller_a(int demi_coup) {
  changer_partie([this, demi_coup] {
    aller_au_demi_coup(demi_coup);
    position_montree();
    sans_anticipation = 1;
    ordinateur_au_trait = 0;
  });
}

void TForm1::position_montree() {
  abandonner_saisie();
  demarrer_tours();
  ListBox1->setCurrentRow(nb_demi_coups / 2 - 1);
  afficher_horloges();
  afficher_nb_pieces();
  placer_pions();
  montrer_session();
}

void TForm1::reprise() {
  if (nb_demi_coups > 0) aller_a(nb_demi_coups - 1);
}

void TForm1::avancer() {
  if (nb_demi_coups >= dernier_demi_coup) return;
  match_classe = 0;
  aller_a(nb_demi_coups + 1);
}

void TForm1::revenir_debut() {
  match_classe = 0;
  aller_a(0);
}

void TForm1::Aller_fin() {
  match_classe = 0;
  aller_a(dernier_demi_coup);
}

void TForm1::revenir_n() {
  const int ligne = ListBox1->currentRow();
  if (ligne < 0) return;  // nothing chosen
  // The side to move stays: the ply keeps the parity of the current one,
  // and never goes past the end of the record.
  int h = nb_demi_coups % 2 == 0 ? 2 * ligne : 2 * ligne + 1;
  if (h > dernier_demi_coup) h = dernier_demi_coup - (dernier_demi_coup - h) % 2;
  if (h < 0 || h > dernier_demi_coup) return;
  aller_a(h);
}

void TForm1::OngletChanging(int page_quittee) {
  QWidget* quittee = Onglet->widget(page_quittee);
  if (installation_en_cours != 0) Entrerpositionclick();
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
    Entrerpositionclick();
  }
}

// ---- position set-up ----------------------------------------------------------------------

void TForm1::Installeruneposition1Click() {
  Damier2D1Click();
  Onglet->setCurrentWidget(Probleme0);
  if (installation_en_cours == 0) Entrerpositionclick();
}

void TForm1::Entrerpositionclick() {
  arret_calcul = 1;
  // The set-up begins or ends as it stands now, even when the change waits
  // for a search: asked twice, it is made once.
  const bool entrer = installation_en_cours == 0;
  changer_partie([this, entrer] {
    if (entrer != (installation_en_cours == 0)) return;
    entrer_ou_quitter_installation();
  });
}

void TForm1::entrer_ou_quitter_installation() {
  compter_pieces();
  char texte[48];
  std::snprintf(texte, sizeof texte, "Eval stat blacks:%4d", evaluer_statique(BLANCS) / 2);
  Blancs->setText(texte);
  std::snprintf(texte, sizeof texte, "Eval stat white:%4d", evaluer_statique(NOIRS) / 2);
  Noirs->setText(texte);
  if (installation_en_cours != 0) {
    installation_en_cours = 0;
    Probleme->hide();
    // Play goes on from the position now on the board; a changed position
    // or side to move starts a new record from it.
    std::memcpy(damier + 1, damier_sauve + 1, NB_CASES);
    recalculer_masques();
    if (std::memcmp(damier_a_l_entree_ + 1, damier_sauve + 1, NB_CASES) != 0 || trait != trait_a_l_entree_) {
      commencer_record();
      ListBox1->clear();
      case_depart_marquee = case_arrivee_marquee = 0;
    }
    sans_anticipation = 1;
  } else {
    std::memcpy(damier_a_l_entree_, damier_sauve, sizeof damier_a_l_entree_);
    trait_a_l_entree_ = trait;
    installation_en_cours = 1;
    abandonner_saisie();
    Probleme->show();
  }
  ordinateur_doit_jouer = 0;
  if (ordinateur_au_trait != 0) {
    ordinateur_au_trait = 0;
    Onglet->setCurrentWidget(Calcul);
    ordinateur_doit_jouer = 1;
  }
  montrer_session();
}

void TForm1::poser_piece(Case s) {
  damier[s] = damier_sauve[s] = static_cast<std::uint8_t>(piece_a_placer);
  recalculer_masques();
  afficher_case(s, piece_a_placer);
  afficher_nb_pieces();  // the counts follow the pieces placed
}

void TForm1::vider() {
  for (int s = 1; s <= NB_CASES; ++s) {
    damier[s] = damier_sauve[s] = VIDE;
    afficher_case(s, VIDE);
  }
  recalculer_masques();
}

void TForm1::Change_dir() { Inverser(); }

void TForm1::Change_couleur() {
  couleur_ordi = static_cast<std::uint8_t>(1 - couleur_ordi);
  trait = static_cast<Camp>(1 - couleur_ordi);
  montrer_session();
}

void TForm1::Couleur_joue() {
  ordinateur_au_trait = static_cast<std::uint8_t>(1 - ordinateur_au_trait);
  trait = adversaire(trait);
  montrer_session();
}

void TForm1::choisir_piece(int piece, const char* image) {
  piece_a_placer = piece;
  Piontemoin->setPixmap(QPixmap::fromImage(charger_image("Images1", image)));
}

void TForm1::SpeedButton10Click() { choisir_piece(PION_NOIR, "b48.Bmp"); }
void TForm1::SpeedButton11Click() { choisir_piece(DAME_NOIRE, "bd48.Bmp"); }
void TForm1::SpeedButton12Click() { choisir_piece(PION_BLANC, "n48.Bmp"); }
void TForm1::SpeedButton13Click() { choisir_piece(DAME_BLANCHE, "nd48.Bmp"); }
void TForm1::SpeedButton14Click() { choisir_piece(VIDE, "v48.Bmp"); }
