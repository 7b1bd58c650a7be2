#include "ui/plateau.h"

#include <QBoxLayout>
#include <QListView>
#include <QListWidget>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <utility>

#include "game/end.h"
#include "game/game.h"
#include "game/input.h"
#include "game/marks.h"
#include "game/session.h"
#include "game/turn.h"
#include "search/search.h"
#include "ui/composants.h"
#include "ui/legendes.h"
#include "ui/navigation.h"
#include "ui/panneau.h"
#include "ui/scene.h"
#include "ui/tform1.h"

namespace {

constexpr QRgb COULEUR_AU_TRAIT = qRgb(255, 212, 84);  // the side to move's panels
// The move list beside the stage wants this much room (physical pixels),
// a line of moves at the smallest readable size; otherwise it stands over
// the picture, right of the board, between the two clocks.
constexpr int BANDE_MINIMALE = 130;
constexpr int POLICE_MINIMALE = 10;
const QRect LISTE_SUR_L_IMAGE(646, 92, 146, 350);  // stage units

// The side to move's panels are lit; the others take their parent's colours.
void allumer(QWidget* w, bool au_trait) {
  const QVariant avant = w->property("au_trait");
  if (avant.isValid() && avant.toBool() == au_trait) return;
  w->setProperty("au_trait", au_trait);
  QPalette p;
  if (au_trait) p.setColor(QPalette::Window, QColor(COULEUR_AU_TRAIT));
  w->setPalette(p);
}

}  // namespace

void CommandesPlateau::construire() {
  Coups3d = creer<QWidget>(f.scene, "Coups3d");
  Coups3d->setAutoFillBackground(true);
  QPalette argent = Coups3d->palette();
  argent.setColor(QPalette::Window, GRIS_ARGENT);
  Coups3d->setPalette(argent);
  auto* colonne = new QVBoxLayout(Coups3d);
  colonne->setContentsMargins(4, 4, 4, 4);
  colonne->setSpacing(4);
  // The same lines and the same current line as the list of the tab
  // "Coups joués": one model, one selection, two views.
  ListeCoups3d = creer<QListView>(Coups3d, "ListeCoups3d");
  ListeCoups3d->setModel(f.ListBox1->model());
  ListeCoups3d->setSelectionModel(f.ListBox1->selectionModel());
  ListeCoups3d->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The keys stay with the board: Left, Right, Home and End move through the game.
  ListeCoups3d->setFocusPolicy(Qt::NoFocus);
  ListeCoups3d->setStyleSheet(f.ListBox1->styleSheet());
  colonne->addWidget(ListeCoups3d, 1);
  connect(ListeCoups3d, &QListView::doubleClicked, f.navigation, &CommandesNavigation::revenir_n);
  auto* rangee = new QHBoxLayout;
  rangee->setSpacing(4);
  auto bouton_nav = [&](const char* nom, QStyle::StandardPixmap icone, void (CommandesNavigation::*action)()) {
    auto* b = creer<QToolButton>(Coups3d, nom);
    b->setIcon(f.style()->standardIcon(icone));
    b->setProperty("legende_en_infobulle", true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(b, &QToolButton::clicked, f.navigation, action);
    rangee->addWidget(b);
    return b;
  };
  Debut3d = bouton_nav("Debut3d", QStyle::SP_MediaSkipBackward, &CommandesNavigation::revenir_debut);
  Recul3d = bouton_nav("Recul3d", QStyle::SP_MediaSeekBackward, &CommandesNavigation::reprise);
  Avance3d = bouton_nav("Avance3d", QStyle::SP_MediaSeekForward, &CommandesNavigation::avancer);
  Fin3d = bouton_nav("Fin3d", QStyle::SP_MediaSkipForward, &CommandesNavigation::Aller_fin);
  colonne->addLayout(rangee);
  Coups3d->hide();

  Fin_partie = panneau(f.scene, "Fin_partie", 20, 554, 772, 28, 15);
  Fin_partie->setStyleSheet("font-weight: bold; color: rgb(120, 20, 10);");
  Fin_partie->hide();

  f.scene->geometrie_changee = [this] { placer_liste(); };
}

void CommandesPlateau::placer_liste() {
  if (Coups3d == nullptr) return;
  const Scene* sc = f.scene;
  const double e = sc->echelle();
  const QPointF o = sc->origine();
  // The band a wide window leaves right of the stage, from the 3D board's edge.
  const int gauche = static_cast<int>(o.x() + (rect_logique(f.Panel10).right() + 5) * e);
  const int bande = sc->width() - gauche - 8;
  // A line of the list holds 15 characters of a fixed width (about 0.6 of
  // the size each) beside a scroll bar.
  const int police_bande = std::min(static_cast<int>(12 * e), (bande - 30) / 10);
  liste_dans_la_bande_ = police_bande >= POLICE_MINIMALE && bande >= BANDE_MINIMALE;
  int police;
  if (liste_dans_la_bande_) {
    police = police_bande;
    Coups3d->setGeometry(gauche, static_cast<int>(o.y()), std::min(bande, 40 * police), static_cast<int>(521 * e));
  } else {
    police = std::max(POLICE_MINIMALE, static_cast<int>(11 * e));
    const QRect& r = LISTE_SUR_L_IMAGE;
    Coups3d->setGeometry(static_cast<int>(o.x() + r.x() * e), static_cast<int>(o.y() + r.y() * e),
                         static_cast<int>(r.width() * e), static_cast<int>(r.height() * e));
  }
  QFont fixe(QStringLiteral("DejaVu Sans Mono"));
  fixe.setStyleHint(QFont::TypeWriter);
  fixe.setPixelSize(police);
  ListeCoups3d->setFont(fixe);
  for (QToolButton* b : {Debut3d, Recul3d, Avance3d, Fin3d}) {
    b->setIconSize(QSize(police + 4, police + 4));
    b->setMinimumHeight(police * 2);
  }
}

QString CommandesPlateau::texte_fin() const {
  if (!fin_montree.terminee) return {};
  const int l = f.langue_cochee();
  if (fin_montree.resultat == PARTIE_NULLE) return texte_catalogue(l, "msg.plateau.fin.nulle");
  const Camp gagnant = fin_montree.resultat == BLANCS_GAGNENT ? BLANCS : NOIRS;
  const char* cle = fin_montree.code == FIN_ABANDON                                        ? "msg.plateau.fin.abandon"
                    : fin_montree.code == FIN_SANS_COUP_HUMAIN || fin_montree.code == FIN_SANS_COUP_ORDINATEUR
                        ? "msg.plateau.fin.sans_coup"
                        : "msg.plateau.fin.temps";
  return texte_catalogue(l, cle).arg(TForm1::nom_montre(gagnant), TForm1::nom_montre(adversaire(gagnant)));
}

void CommandesPlateau::montrer() {
  if (Coups3d == nullptr) return;
  // Whose turn it is, while a game is being played.
  const bool en_jeu = intro_terminee != 0 && installation_en_cours == 0 && !fin_montree.terminee;
  const std::pair<QWidget*, Camp> panneaux[] = {{f.Panel7, BLANCS}, {f.B3D, BLANCS}, {f.Horlogeblanc3d, BLANCS},
                                                {f.Panel6, NOIRS},  {f.N3D, NOIRS}, {f.Horlogenoir3d, NOIRS}};
  for (const auto& [w, camp] : panneaux) allumer(w, en_jeu && trait == camp);
  const bool relief = session.vue > VUE_2D && intro_terminee != 0;
  if (relief && !Coups3d->isVisible()) placer_liste();
  Coups3d->setVisible(relief);
  for (QToolButton* b : {Debut3d, Recul3d, Avance3d, Fin3d}) b->setEnabled(etat_commandes().navigation);
  const QString fin = texte_fin();
  Fin_partie->setText(fin);
  Fin_partie->setVisible(!fin.isEmpty());
}

void CommandesPlateau::Conseil1Click() {
  if (!etat_commandes().Conseil1) return;
  // Searched once nothing else searches on the board (thinking on the
  // human's time stops first).
  f.changer_partie([this] {
    const bool humain = (ordinateur_au_trait == 0 || session.humain_contre_humain) && installation_en_cours == 0 &&
                        ordinateur_doit_jouer == 0 && !partie_pleine();
    if (!humain) return;
    if (piece_en_main != 0) {
      abandonner_saisie();
      f.placer_pions();
    }
    reprendre_position();
    calcul_annule = 0;
    f.recherche_en_cours = 1;
    const ResultatRecherche r = chercher_conseil(trait);
    f.recherche_en_cours = 0;
    // A click or a move through the game meanwhile: the hint is for no one.
    if (r.joue() && !r.annulee && !r.interrompue) montrer_conseil(r.coup);
    f.marques_changees();
  });
}
