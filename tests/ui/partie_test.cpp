// Whole games in the window, offscreen, through the game loop and real mouse
// clicks on the boards: a player that clicks its moves square by square as
// a user would, against the computer (taking moves back on the way) and
// against another human, on the 2D board and on a turned 3D board; a click
// while the computer thinks; a position set up by hand and played from, with
// a click made while its capture is shown jump by jump.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "game/levels.h"
#include "knowledge/books.h"
#include "support/dossier_programme.h"
#include "support/fenetre.h"
#include "ui/panneau.h"

namespace {

bool plateau_de(int ply) { return std::memcmp(damier + 1, partie[ply].position + 1, 32) == 0; }

// Calls `quand` before each event the application delivers.
struct Espion : QObject {
  std::function<void()> quand;
  bool eventFilter(QObject*, QEvent*) override {
    quand();
    return false;
  }
};

}  // namespace

class Partie : public QObject {
  Q_OBJECT

  // A fast game past the introduction, thinking on the human's time.
  std::unique_ptr<TForm1> demarrer(int theme) { return programme_.demarrer_rapide(theme, true); }

  DossierProgramme programme_{CORVANE_BIN_DIR};

 private slots:
  void initTestCase() { installer_dialogues_de_test(); }

  void wholeGamesByClicksAgainstTheComputer_data() {
    QTest::addColumn<int>("theme");
    QTest::addColumn<bool>("ordinateur_noir");
    QTest::newRow("2D board, the human moves first") << 0 << false;
    QTest::newRow("3D board turned, the computer moves first") << 4 << true;
  }
  void wholeGamesByClicksAgainstTheComputer() {
    QFETCH(int, theme);
    QFETCH(bool, ordinateur_noir);
    auto f = demarrer(theme);
    QVERIFY(f);
    Joueur j{*f};
    bool commence = false, repris = false;
    j.action = [&] {
      if (!std::exchange(commence, true)) {
        // "Nouveau", then the training tab with the computer's colour on screen.
        f->action("Nouveau2")->trigger();
        cliquer_rond(ordinateur_noir ? f->Olvendar_noir : f->Olvendar_blanc);
        cliquer(f->BitBtn15);
        return true;
      }
      if (nb_demi_coups < 6 || !j.humain_au_trait() || std::exchange(repris, true)) return false;
      // Two moves back, one forward, one back: the game is kept whole, and
      // the human's new move there replaces the rest.
      const int h = nb_demi_coups;
      cliquer(f->SpeedButton1);
      cliquer(f->SpeedButton1);
      if (nb_demi_coups != h - 2 || !plateau_de(h - 2) || ordinateur_au_trait != 0)
        j.echec("two moves back is not the position two moves before with the human to move");
      cliquer(f->SpeedButton2);
      if (nb_demi_coups != h - 1 || !plateau_de(h - 1)) j.echec("forward is not the next ply");
      cliquer(f->SpeedButton1);
      if (dernier_demi_coup != h) j.echec("moving through the game changed its end");
      return true;
    };
    const QString e = j.jouer();
    QVERIFY2(e.isEmpty(), qPrintable(e));
    QVERIFY(repris);
    QCOMPARE(damier_inverse != 0, ordinateur_noir);
    QVERIFY(j.coups > 5);
    QCOMPARE(f->ListBox1->count(), (nb_demi_coups + 1) / 2);
    // A random player loses against the computer, which then says so.
    QVERIFY(f->fin_de_parties->isVisible());
    QCOMPARE(f->qui_gagne->text(), QString::fromUtf8("Désolé, CORVANE a gagné"));
    QCOMPARE(resultat_partie, ordinateur_noir ? 2 : 0);
  }

  void aClickWhileTheComputerThinksStopsItAndCountsAfterItsMove() {
    auto f = demarrer(0);
    QVERIFY(f);
    f->action("N8Autre1")->trigger();
    f->Nbminutes->setText("5");
    cliquer(f->BitBtn24);
    QCOMPARE(niveau, NIVEAU_AUTRE);
    bibliotheque_active = 0;  // a book move is played without thinking
    Joueur j{*f};
    j.limite = 4;
    j.verifier_avis = false;  // its own click may raise the notice
    Case visee = 0;
    QTimer pendant;
    pendant.setInterval(5);
    QObject::connect(&pendant, &QTimer::timeout, [&] {
      if (visee != 0 || f->recherche_en_cours == 0 || reflexion_anticipee != 0) return;
      // One of the human's pieces that can move now.
      const Camp humain = adversaire(trait);
      for (int s = 32; s >= 1 && visee == 0; --s)
        if (damier_sauve[s] != VIDE && (humain == BLANCS) == est_blanc(damier_sauve[s])) visee = static_cast<Case>(s);
      cliquer_case(*f, visee);
    });
    pendant.start();
    bool verifie = false;
    j.action = [&] {
      if (visee == 0 || verifie || !j.humain_au_trait()) return false;
      // The computer has moved; the stored click was then processed: the
      // piece is taken up if it can move in the new position.
      verifie = true;
      bool mobile = false;
      std::memcpy(damier + 1, damier_sauve + 1, 32);
      const int n = coups_legaux(trait);
      for (int i = 0; i < n; ++i) mobile = mobile || listes_coups[1][i].depart == visee;
      if (mobile != (piece_en_main != 0 && chemin_saisi[0] == visee)) j.echec("the click was not processed after the move");
      if (piece_en_main != 0) cliquer_case(*f, visee);  // put it down again
      return true;
    };
    const QString e = j.jouer();
    QVERIFY2(e.isEmpty(), qPrintable(e));
    QVERIFY(verifie);
  }

  void aPositionSetUpByHandIsPlayedFrom() {
    auto f = demarrer(0);
    QVERIFY(f);
    // The set-up, one user action per turn of the loop (the loop places the
    // pieces clicked): a white king on 20, white men, black men, one placed
    // and emptied again.
    QTabBar* onglets = f->Onglet->tabBar();
    std::vector<std::function<void()>> etapes = {[&] { f->action("Installeruneposition1")->trigger(); },
                                                 [&] { cliquer(f->installation->vider1); }};
    const std::pair<QToolButton*, std::vector<Case>> poses[] = {
        {f->installation->SpeedButton13, {20}}, {f->installation->SpeedButton12, {30, 7, 28}}, {f->installation->SpeedButton10, {24, 23, 19, 9, 8}},
        {f->installation->SpeedButton14, {28}}};
    for (const auto& [bouton, cases] : poses) {
      etapes.push_back([b = bouton] { cliquer(b); });
      for (Case s : cases) etapes.push_back([&f, s] { cliquer_case(*f, s); });
    }
    etapes.push_back([&] { QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(0).center()); });
    std::size_t etape = 0;
    bool pendant = false, verifie = false, clic_parasite = false;
    Joueur j{*f};
    j.limite = 2;
    // While the king's capture is shown jump by jump (it is entered, the
    // ply is not yet recorded), the user clicks the man on 30. That click
    // belongs to no move: after the computer's reply the man is not in hand.
    Espion espion;
    espion.quand = [&] {
      if (clic_parasite || etape < etapes.size() || nb_demi_coups != 0 || coup_saisi.depart != 20) return;
      clic_parasite = true;
      cliquer_case(*f, 30);
    };
    qApp->installEventFilter(&espion);
    j.action = [&] {
      if (etape < etapes.size()) {
        etapes[etape++]();
        pendant = pendant || installation_en_cours != 0;
        return true;
      }
      if (std::exchange(verifie, true)) return false;
      if (installation_en_cours != 0 || damier[20] != DAME_BLANCHE || damier[28] != VIDE || nb_demi_coups != 0 ||
          !f->installation->Blancs->text().startsWith("Eval stat blacks:"))
        j.echec("the set-up position is not the one played from");
      j.coups = 1;  // odd: the capture is entered by its landing squares
      return false;
    };
    const QString e = j.jouer();
    QVERIFY2(e.isEmpty(), qPrintable(e));
    qApp->removeEventFilter(&espion);
    QVERIFY(pendant);
    QCOMPARE(partie[1].depart, Case(20));
    QCOMPARE(int(partie[1].nb_prises), 3);
    QVERIFY(clic_parasite);
    std::memcpy(damier + 1, partie[2].position + 1, 32);
    bool mobile = false;  // kept, the click would have taken the man up
    for (int i = 0, n = coups_legaux(BLANCS); i < n; ++i) mobile = mobile || listes_coups[1][i].depart == 30;
    QVERIFY(mobile);
    QCOMPARE(int(piece_en_main), 0);
  }

  void humanAgainstHumanToTheEnd() {
    auto f = demarrer(3);
    QVERIFY(f);
    Joueur j{*f};
    bool fait = false;
    j.action = [&] {
      if (std::exchange(fait, true)) return false;
      f->action("Nouveau2")->trigger();
      f->Onglets_nouvelle->setCurrentIndex(2);
      cliquer(f->BitBtn17);
      return true;
    };
    const QString e = j.jouer();
    QVERIFY2(e.isEmpty(), qPrintable(e));
    QVERIFY(f->action("Humaincontrehumain1")->isChecked());
    QCOMPARE(f->ListBox1->count(), (nb_demi_coups + 1) / 2);
    QVERIFY(f->fin_de_parties->isVisible());
    std::memcpy(damier + 1, damier_sauve + 1, 32);
    const int blancs = coups_legaux(BLANCS), noirs = coups_legaux(NOIRS);
    // Camp 0 is black on screen: its loss reads "White wins".
    QVERIFY(partie_pleine() || blancs == 0 || noirs == 0);
    QCOMPARE(f->qui_gagne->text(), partie_pleine() ? "Match nul !" : blancs == 0 ? "White wins" : "Black wins");
  }
};

QTEST_MAIN(Partie)
#include "partie_test.moc"
