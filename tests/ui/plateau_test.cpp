// What the board tells the player, seen on the screen through real clicks
// over the program's own pictures: the marks of a move being entered framed
// on their squares in every 3D theme and in 2D, and gone once the move is
// over; the computer's last move and the pieces it took; the pieces that must
// capture as the turn begins; the side to move lit; the hint; the end of a
// game kept on the board; the click meant for a move already played.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>
#include <cmath>

#include "game/end.h"
#include "game/input.h"
#include "game/marks.h"
#include "game/turn.h"
#include "knowledge/books.h"
#include "rules/fen.h"
#include "search/search.h"
#include "search/table.h"
#include "support/dossier_programme.h"
#include "support/fenetre.h"
#include "ui/legendes.h"
#include "ui/plateau.h"

namespace {

constexpr QRgb ROUGE = qRgb(255, 0, 0), MAGENTA = qRgb(255, 0, 255), BLEU = qRgb(0, 0, 255);
constexpr QRgb AQUA = COULEUR_ARRIVEE | 0xff000000u, ARGENT = COULEUR_DEPART | 0xff000000u;
constexpr QRgb ORANGE = COULEUR_PRISE_OBLIGATOIRE | 0xff000000u, VERT = COULEUR_CONSEIL | 0xff000000u;

// The game position from a FEN as the board shows it, the human to move
// against the computer.
void poser(TForm1& f, const char* fen) {
  Position pos;
  std::string erreur;
  QVERIFY2(lire_fen(fen, pos, erreur), erreur.c_str());
  placer_position(pos);
  commencer_record();
  sauver_position();
  ordinateur_au_trait = 0;
  couleur_ordi = trait == BLANCS ? 1 : 0;
  f.placer_pions();
}

// A square as the board numbers it on screen.
Case vue(int numero) { return static_cast<Case>(33 - numero); }

bool proche(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) < 50 && std::abs(qGreen(a) - qGreen(b)) < 50 && std::abs(qBlue(a) - qBlue(b)) < 50;
}

QString rgb(QRgb c) { return QString("rgb(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)); }

// The colour the screen shows at a logical point of the 3D picture.
QRgb sur_le_relief(TForm1& f, QPointF logique) {
  const QImage vu = f.Image5->grab().toImage();
  return vu.pixel(static_cast<int>(logique.x() * vu.width() / LARGEUR_IMAGE5),
                  static_cast<int>(logique.y() * vu.height() / HAUTEUR_IMAGE5));
}

// ... and at a logical point of the stage (the 2D board).
QRgb sur_la_scene(TForm1& f, QPointF logique) {
  const QImage vu = f.scene->grab().toImage();
  const QPointF p = f.scene->origine() + logique * f.scene->echelle();
  return vu.pixel(static_cast<int>(p.x()), static_cast<int>(p.y()));
}

// Where a square's frame runs: the middle of its near edge, on the 3D board
// (its outline in the pictures' perspective) and on the 2D board.
QPointF bord_3d(Case s, double retrait = 0.03) {
  const QPolygonF c = contour_3d(s, damier_inverse != 0, retrait);
  return (c[2] + c[3]) / 2;
}
QPointF bord_2d(Case s) { return QPointF(cellule_2d(s, damier_inverse != 0)) + QPointF(30, 59); }
QPointF interieur_2d(Case s) { return QPointF(cellule_2d(s, damier_inverse != 0)) + QPointF(30, 54.5); }
// The middle of a square on the 3D board.
QPointF centre_3d(Case s) {
  const QPolygonF c = contour_3d(s, damier_inverse != 0, 0);
  return (c[0] + c[1] + c[2] + c[3]) / 4;
}

// The colour of a panel away from its text.
QRgb fond(QWidget* w) { return w->grab().toImage().pixel(4, w->height() / 2); }

}  // namespace

class Plateau : public QObject {
  Q_OBJECT

  std::unique_ptr<TForm1> demarrer(int theme) { return programme_.demarrer_rapide(theme); }

  DossierProgramme programme_{CORVANE_BIN_DIR};
  DialoguesDeTest* dialogues_ = nullptr;

 private slots:
  void initTestCase() { dialogues_ = installer_dialogues_de_test(); }

  void theMarksOfAMoveBeingEnteredAreFramedOnTheirSquaresInEveryTheme() {
    auto f = demarrer(1);
    QVERIFY(f);
    const char* const themes[9] = {"Damier2D1", "Damier3D1", "Damier3D2", "Damier3D3", "Damier3D4",
                                   "Damier3D5", "Damier3D6", "Damier3D7", "Damier3D8"};
    const Case homme = vue(10), gauche = vue(14), droite = vue(15);
    for (int theme = 0; theme <= 8; ++theme) {
      for (bool tourne : {false, true}) {
        if (tourne && theme != 4) continue;  // one theme turned
        QTest::qWait(0);
        f->action(themes[theme])->trigger();
        if (tourne) f->Inverser();
        const QString ou = QString("%1%2").arg(themes[theme], tourne ? " turned" : "");
        poser(*f, "B:W17,21,22,23,25,26,27,29,30,31,32:B1,2,3,4,6,7,9,10,11,13");
        const auto couleur = [&](Case s) {
          return theme == 0 ? sur_la_scene(*f, bord_2d(s)) : sur_le_relief(*f, bord_3d(s));
        };
        const QRgb avant = couleur(homme);
        // The man with two moves, taken up: red, its two destinations magenta.
        cliquer_et_traiter(*f, homme);
        QCOMPARE(int(piece_en_main), int(damier[homme]));
        QVERIFY2(proche(couleur(homme), ROUGE), qPrintable(ou + ": " + rgb(couleur(homme))));
        QVERIFY2(proche(couleur(gauche), MAGENTA) && proche(couleur(droite), MAGENTA), qPrintable(ou));
        QVERIFY2(!proche(avant, ROUGE), qPrintable(ou));
        // Put down again: not a mark is left.
        cliquer_et_traiter(*f, homme);
        QCOMPARE(int(piece_en_main), 0);
        for (Case s : {homme, gauche, droite})
          QVERIFY2(!proche(couleur(s), ROUGE) && !proche(couleur(s), MAGENTA), qPrintable(ou));
        // Played: the marks go with the move.
        cliquer_et_traiter(*f, homme);
        cliquer_et_traiter(*f, droite);
        QCOMPARE(int(partie[1].arrivee), int(droite));
        for (Case s : {homme, gauche, droite})
          QVERIFY2(!proche(couleur(s), ROUGE) && !proche(couleur(s), MAGENTA), qPrintable(ou));
        if (tourne) f->Inverser();
      }
    }
    // A king's capture whose paths part: its landing squares to choose blue.
    f->action("Damier3D1")->trigger();
    poser(*f, "B:W9,10,14,24,25:B3,K13,26");
    cliquer_et_traiter(*f, vue(13));
    int bleus = 0;
    for (int s = 1; s <= 32; ++s) bleus += marques_cases[s] == MARQUE_ESCALE && proche(sur_le_relief(*f, bord_3d(s)), BLEU);
    QCOMPARE(bleus, 2);
  }

  void theComputersLastMoveAndThePiecesItTookStayMarkedUntilTheNextMove() {
    auto f = demarrer(1);
    QVERIFY(f);
    // The computer's only move takes two men.
    poser(*f, "W:W28,29,31,32,25,22:B24,16,7,3,1,2,5,9,6,11");
    const Case prise = vue(24);
    const QRgb homme = sur_le_relief(*f, centre_3d(prise));  // a man stands there yet
    ordinateur_au_trait = 1;
    f->tour_ordinateur();
    QCOMPARE(int(nb_demi_coups), 1);
    const Case depart = vue(28), arrivee = vue(12);
    QVERIFY2(proche(sur_le_relief(*f, bord_3d(arrivee)), AQUA), qPrintable(rgb(sur_le_relief(*f, bord_3d(arrivee)))));
    QVERIFY(proche(sur_le_relief(*f, bord_3d(depart)), ARGENT));
    QCOMPARE(int(nb_prises_marquees), 2);
    // Where a man was taken, it shows faintly (below: neither the man nor the empty square).
    const QRgb fantome = sur_le_relief(*f, centre_3d(prise));
    QVERIFY(fantome != homme);
    // The 2D board shows them as well.
    f->action("Damier2D1")->trigger();
    QVERIFY(proche(sur_la_scene(*f, bord_2d(arrivee)), AQUA));
    QVERIFY(proche(sur_la_scene(*f, bord_2d(depart)), ARGENT));
    // "Indication des mouvements" off: the 3D board keeps the computer's
    // marks to itself; the 2D board shows them all the same.
    f->action("Indicationdesmouvements1")->trigger();
    QVERIFY(proche(sur_la_scene(*f, bord_2d(arrivee)), AQUA));
    f->action("Damier3D1")->trigger();
    QVERIFY(!proche(sur_le_relief(*f, bord_3d(arrivee)), AQUA));
    f->action("Indicationdesmouvements1")->trigger();
    QVERIFY(proche(sur_le_relief(*f, bord_3d(arrivee)), AQUA));
    // The human's move ends them.
    const int n = coups_legaux(trait);
    QVERIFY(n > 0);
    Coup m = listes_coups[1][0];
    for (int i = 0; i < n; ++i)
      if (listes_coups[1][i].arrivee != prise) m = listes_coups[1][i];
    cliquer_coup(*f, m);
    QCOMPARE(int(nb_demi_coups), 2);
    QVERIFY(!proche(sur_le_relief(*f, bord_3d(arrivee)), AQUA));
    QVERIFY(!proche(sur_le_relief(*f, bord_3d(depart)), ARGENT));
    const QRgb vide = sur_le_relief(*f, centre_3d(prise));
    QVERIFY(fantome != vide);
    QCOMPARE(int(nb_prises_marquees), 0);
  }

  void thePiecesThatMustCaptureAreMarkedAsTheTurnBegins() {
    auto f = demarrer(0);
    QVERIFY(f);
    // Two players; black's quiet move gives white two captures to choose from.
    f->action("Humaincontrehumain1")->trigger();
    poser(*f, "B:W17,18,30,31:B1,5,10");
    cliquer_et_traiter(*f, vue(10));  // 10-14 or 10-15
    cliquer_et_traiter(*f, vue(14));
    QCOMPARE(int(nb_demi_coups), 1);
    QCOMPARE(cases_devant_prendre, 0u);
    // The game loop's next pass: the turn begins.
    bool vu = false;
    QTimer::singleShot(0, f.get(), [&] {
      vu = cases_devant_prendre == ((1u << (vue(17) - 1)) | (1u << (vue(18) - 1)));
      f->demarrage->quitter();
    });
    f->boucle_de_jeu();
    QVERIFY(vu);
    for (Case s : {vue(17), vue(18)})
      QVERIFY2(proche(sur_la_scene(*f, interieur_2d(s)), ORANGE), qPrintable(rgb(sur_la_scene(*f, interieur_2d(s)))));
    QVERIFY(!proche(sur_la_scene(*f, interieur_2d(vue(30))), ORANGE));
  }

  void theSideToMoveIsLitAndTwoPlayersAreNamed() {
    auto f = demarrer(1);
    QVERIFY(f);
    const QRgb allume = qRgb(255, 212, 84);
    f->action("Nouveau2")->trigger();
    f->Onglets_nouvelle->setCurrentIndex(2);
    f->Joueur2->setText("Anna");
    f->Joueur3->setText("Bruno");
    cliquer(f->BitBtn17);
    QCOMPARE(f->Panel11->text(), legende(0, "Humain"));
    QCOMPARE(f->Nom_blanc->text(), QString("Anna"));
    QCOMPARE(f->N3D->text(), QString("Bruno : "));
    // Black on screen (camp 0) moves first: its panels are lit, in both views.
    for (QWidget* w : std::initializer_list<QWidget*>{f->B3D, f->Horlogeblanc3d}) QCOMPARE(fond(w), allume);
    for (QWidget* w : std::initializer_list<QWidget*>{f->N3D, f->Horlogenoir3d}) QVERIFY(fond(w) != allume);
    const int n = coups_legaux(trait);
    QVERIFY(n > 0);
    const Coup m = listes_coups[1][0];
    cliquer_coup(*f, m);
    QCOMPARE(int(trait), int(NOIRS));
    QCOMPARE(fond(f->Horlogenoir3d), allume);
    QVERIFY(fond(f->Horlogeblanc3d) != allume);
    f->action("Damier2D1")->trigger();
    QCOMPARE(fond(f->Panel6), allume);
    QVERIFY(fond(f->Panel7) != allume);
    // Against the computer the menu's "Humain contre humain" names two players.
    f->Ordinateur();
    nommer_joueur(nom_joueur_blanc, "Anna");
    f->Ordinateur();
    f->montrer_session();
    QVERIFY(f->action("Humaincontrehumain1")->isChecked());
    QVERIFY(f->Nom_noir->text() != "Corvane" && f->Nom_blanc->text() == "Anna");
    QCOMPARE(f->Panel11->text(), legende(0, "Humain"));
  }

  void theHintIsTheEnginesMoveFramedInItsOwnColour() {
    auto f = demarrer(1);
    QVERIFY(f);
    poser(*f, "B:W17,21,22,23,25,26,27,29,30,31,32:B1,2,3,4,6,7,9,10,11,13");
    vider_tables();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QTest::keyClick(f.get(), Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(int(conseil_montre), 1);
    const Coup conseil = coup_conseille;
    bool legal = false;
    for (int i = 0, n = coups_legaux(trait); i < n; ++i) legal = legal || meme_coup(listes_coups[1][i], conseil);
    QVERIFY(legal);
    for (Case s : {conseil.depart, conseil.arrivee})
      QVERIFY2(proche(sur_le_relief(*f, bord_3d(s, 0.11)), VERT), qPrintable(rgb(sur_le_relief(*f, bord_3d(s, 0.11)))));
    // Played, it goes.
    cliquer_coup(*f, conseil);
    QCOMPARE(int(conseil_montre), 0);
    QVERIFY(!proche(sur_le_relief(*f, bord_3d(conseil.arrivee, 0.11)), VERT));
    // Not in a rated game.
    match_classe = 1;
    f->montrer_session();
    QVERIFY(!f->action("Conseil1")->isEnabled());
    match_classe = 0;
  }

  void theEndOfAGameStaysOnTheBoardAfterTheDialog() {
    auto f = demarrer(1);
    QVERIFY(f);
    f->action("Humaincontrehumain1")->trigger();
    nommer_joueur(nom_joueur_blanc, "Anna");
    nommer_joueur(nom_joueur_noir, "Bruno");
    // Black's capture leaves white without a piece.
    poser(*f, "B:W18:B14,1");
    cliquer_et_traiter(*f, vue(14));
    QVERIFY(f->fin_de_parties->isVisible());
    cliquer(f->BitBtn13);
    QVERIFY(!f->fin_de_parties->isVisible());
    QVERIFY(f->plateau->Fin_partie->isVisible());
    QCOMPARE(f->plateau->Fin_partie->text(), QString("Anna gagne : Bruno ne peut plus jouer"));
    QVERIFY2(f->ListBox1->item(f->ListBox1->count() - 1)->text().endsWith("  0-2"),
             qPrintable(f->ListBox1->item(f->ListBox1->count() - 1)->text()));
    // The 3D board's list is the same list.
    QCOMPARE(f->plateau->ListeCoups3d->model()->rowCount(), f->ListBox1->count());
    // Looking back keeps it; a new game ends it.
    cliquer(f->SpeedButton1);
    QVERIFY(f->plateau->Fin_partie->isVisible());
    f->action("Nouveau2")->trigger();
    f->Onglets_nouvelle->setCurrentIndex(2);
    f->Joueur2->setText(QString::fromUtf8("Анна"));  // typed in another script: kept whole on screen
    f->Joueur3->setText("Bruno");
    cliquer(f->BitBtn17);
    QVERIFY(!f->plateau->Fin_partie->isVisible());
    QCOMPARE(std::string(nom_joueur_blanc), std::string("Anna"));  // the record's Latin-1
    QCOMPARE(f->Nom_blanc->toolTip(), QString::fromUtf8("Анна"));

    // Resigning a rated game against the computer asks first; "no" leaves
    // the game as it was.
    const int n = coups_legaux(trait);
    QVERIFY(n > 0);
    const Coup m = listes_coups[1][0];
    cliquer_coup(*f, m);
    f->action("Humaincontrehumain1")->trigger();
    couleur_ordi = 1;
    nommer_joueur(nom_joueur_noir, "Corvane");
    match_classe = 1;
    f->montrer_session();
    QVERIFY(f->Abandon->isVisible());
    dialogues_->oui = false;
    cliquer(f->Abandon);
    QCOMPARE(dialogues_->questions.size(), 1);
    QVERIFY(!f->fin_de_parties->isVisible() && match_classe == 1);
    dialogues_->oui = true;
    cliquer(f->Abandon);
    QVERIFY(f->fin_de_parties->isVisible());
    cliquer(f->BitBtn13);
    QCOMPARE(f->plateau->Fin_partie->text(), QString::fromUtf8("Corvane gagne : Анна abandonne"));
    QVERIFY(f->ListBox1->item(0)->text().endsWith("  2-0"));
  }

  void aClickMeantForAMovePlayedAtOnceIsDropped() {
    auto f = demarrer(1);
    QVERIFY(f);
    std::int64_t maintenant = 1000000;
    crochet_horloge_ms = [&] { return maintenant; };
    for (int cas = 0; cas < 3; ++cas) {
      // The man on 5 has one move, played on the click that takes it up.
      poser(*f, "B:W30:B5");
      const Case depart = vue(5), arrivee = vue(9);
      cliquer_et_traiter(*f, depart);
      QCOMPARE(int(nb_demi_coups), 1);
      QCOMPARE(int(ordinateur_au_trait), 1);
      if (cas == 0) {
        // Clicked while the computer is to move: no stop, no click kept.
        arret_calcul = 0;
        cliquer_case(*f, arrivee);
        QCOMPARE(clic_en_attente, 0);
        QCOMPARE(int(arret_calcul), 0);
      }
      f->tour_ordinateur();
      QCOMPARE(int(nb_demi_coups), 2);
      if (cas == 1) {
        // Just after the reply: dropped too.
        maintenant += DELAI_CLIC_SUPERFLU_MS / 2;
        cliquer_case(*f, arrivee);
        QCOMPARE(clic_en_attente, 0);
      }
      if (cas == 2) maintenant += DELAI_CLIC_SUPERFLU_MS + 1;  // long after: the click is the player's own
      // The next click on the man is a move of its own: it takes it up.
      cliquer_et_traiter(*f, arrivee);
      QCOMPARE(int(piece_en_main), int(damier_sauve[arrivee]));
      QCOMPARE(int(nb_demi_coups), 2);
      cliquer_et_traiter(*f, arrivee);
    }
    crochet_horloge_ms = nullptr;
  }

  void theMoveListStandsBesideThe3DBoardWhereTheScreenHasRoom() {
    auto f = demarrer(1);
    QVERIFY(f);
    poser(*f, "B:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12");
    for (int h = 0; h < 6; ++h) {
      coups_legaux(trait);
      jouer_et_enregistrer(0);
    }
    f->navigation->reconstruire_liste_coups();
    QWidget* liste = f->plateau->Coups3d;
    for (QSize taille : {QSize(1920, 1080), QSize(1366, 768), QSize(1024, 768)}) {
      f->resize(taille);
      QTest::qWait(0);
      QVERIFY(liste->isVisible());
      const QRect ou = liste->geometry(), relief(f->Image5->mapTo(f->scene, QPoint()), f->Image5->size());
      const bool large = f->scene->width() - relief.right() > 150;
      // Beside the picture when there is room, over its right edge otherwise; always on screen.
      QVERIFY2(f->scene->rect().contains(ou), qPrintable(QString("%1x%2").arg(taille.width()).arg(taille.height())));
      QCOMPARE(ou.left() >= relief.right(), large);
    }
    // The keys move through the game: the current line follows.
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QCOMPARE(f->ListBox1->currentRow(), 2);
    QTest::keyClick(f.get(), Qt::Key_Left);
    QCOMPARE(int(nb_demi_coups), 5);
    QCOMPARE(f->plateau->ListeCoups3d->currentIndex().row(), 2);
    QTest::keyClick(f.get(), Qt::Key_Home);
    QCOMPARE(int(nb_demi_coups), 0);
    QTest::keyClick(f.get(), Qt::Key_End);
    QCOMPARE(int(nb_demi_coups), 6);
    QTest::keyClick(f.get(), Qt::Key_Left);
    QTest::keyClick(f.get(), Qt::Key_Left);
    QCOMPARE(f->plateau->ListeCoups3d->currentIndex().row(), 1);
    QTest::keyClick(f.get(), Qt::Key_Right);
    QCOMPARE(int(nb_demi_coups), 5);
    // Its buttons too.
    cliquer(f->plateau->Debut3d);
    QCOMPARE(int(nb_demi_coups), 0);
    cliquer(f->plateau->Fin3d);
    QCOMPARE(int(nb_demi_coups), 6);
    // A name being typed keeps its keys.
    f->action("Nouveau2")->trigger();
    f->Joueur0->setText("Anna");
    f->Joueur0->setFocus();
    QTest::keyClick(f->Joueur0, Qt::Key_Home);
    QTest::keyClick(f->Joueur0, Qt::Key_Right);
    QCOMPARE(f->Joueur0->cursorPosition(), 1);
    QCOMPARE(int(nb_demi_coups), 6);
    cliquer(f->Annule_nouveau);
    // Not on the 2D board, which has its own.
    f->action("Damier2D1")->trigger();
    QVERIFY(!liste->isVisible());
  }
};

QTEST_MAIN(Plateau)
#include "plateau_test.moc"
