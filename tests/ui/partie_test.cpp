// Whole games in the window, offscreen, through the game loop and real mouse
// clicks on the boards: a player that clicks its moves square by square as
// a user would, against the computer and against another human, on the 2D
// board and on a turned 3D board; a click while the computer thinks;
// taking moves back; a position set up by hand and played from.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstring>
#include <functional>
#include <random>

#include "game/game.h"
#include "game/input.h"
#include "game/levels.h"
#include "knowledge/books.h"
#include "rules/moves.h"
#include "rules/notation.h"
#include "search/root.h"
#include "search/search.h"
#include "support/clics.h"
#include "support/fenetre.h"
#include "ui/dialogues.h"
#include "ui/panneau.h"
#include "ui/rendu.h"
#include "ui/scene.h"
#include "ui/tform1.h"

namespace {

// Clicks on square s where the user sees it: the 2D board or the 3D picture.
void cliquer_case(TForm1& f, Case s) {
  const bool inverse = damier_inverse != 0;
  if (f.Panel10->isVisible()) {
    const QPoint l = position_3d(s, inverse) + QPoint(30, 30);
    const QPointF p(f.Image5->width() * (l.x() + 0.5) / LARGEUR_IMAGE5,
                    f.Image5->height() * (l.y() + 0.5) / HAUTEUR_IMAGE5);
    QTest::mouseClick(f.Image5, Qt::LeftButton, {}, p.toPoint());
  } else {
    const QPointF p = f.scene->origine() + QPointF(cellule_2d(s, inverse) + QPoint(30, 30)) * f.scene->echelle();
    QTest::mouseClick(f.scene, Qt::LeftButton, {}, p.toPoint());
  }
}

void cliquer(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

// The board a legal move of the position on damier leads to.
std::array<std::uint8_t, 33> apres(const Coup& m) {
  std::array<std::uint8_t, 33> b;
  std::memcpy(b.data(), damier, 33);
  const Piece p = b[m.depart];
  b[m.depart] = VIDE;
  for (int k = 1; k <= m.nb_prises; ++k) b[m.prises[k]] = VIDE;
  b[m.arrivee] = couronner(p, m.arrivee);
  return b;
}

// A user at the board: when a human is to move it chooses a legal move and
// clicks it in, square by square, by the final square or by the landing
// squares in turn; it checks the board after each of its moves.
struct Joueur {
  explicit Joueur(TForm1& fenetre) : f(fenetre) {}
  TForm1& f;
  std::mt19937 aleas{3};
  int limite = DERNIER_DEMI_COUP;  // quit the program at this ply
  std::function<bool()> action;     // called at every turn of the loop; true: it acted, no move this time
  QString erreur;
  int coups = 0, clics = 0;
  bool verifier_avis = true;  // the capture notice goes once a move is made

  bool en_cours = false;
  Coup m{};
  std::vector<Case> chemin;
  std::array<std::uint8_t, 33> attendu{};
  int ply_avant = 0;

  bool humain_au_trait() const {
    return (ordinateur_au_trait == 0 || f.action("Humaincontrehumain1")->isChecked()) && installation_en_cours == 0;
  }

  void echec(const QString& e) {
    if (erreur.isEmpty()) erreur = e;
    f.quitter();
  }

  // A click that selects nothing: a light square of the 2D board, or beside
  // the squares of the 3D picture. It stops the thinking on the human's time.
  void cliquer_ailleurs() {
    if (f.Panel10->isVisible())
      QTest::mouseClick(f.Image5, Qt::LeftButton, {}, QPoint(3, 3));
    else
      QTest::mouseClick(f.scene, Qt::LeftButton, {},
                        (f.scene->origine() + QPointF(50, 55) * f.scene->echelle()).toPoint());
  }

  void tour() {
    if (fin_programme != 0 || clic_en_attente != 0) return;
    if (f.recherche_en_cours != 0) {
      // Thinking on the human's time: the user's click stops it.
      if (reflexion_anticipee != 0 && humain_au_trait()) {
        if (en_cours && nb_demi_coups == ply_avant)
          cliquer_case(f, prochain_clic(m, chemin, coups % 2 == 0));
        else
          cliquer_ailleurs();
      }
      return;
    }
    if (f.fin_de_parties->isVisible() || nb_demi_coups >= limite) {
      f.quitter();
      return;
    }
    if (action && action()) return;
    if (!humain_au_trait()) return;
    if (en_cours) {
      if (nb_demi_coups == ply_avant) {
        if (++clics > 20) return echec("the move " + QString::fromStdString(notation_coup(m)) + " was not taken");
        cliquer_case(f, prochain_clic(m, chemin, coups % 2 == 0));
        return;
      }
      en_cours = false;
      // (The computer may have answered already.)
      for (int s = 1; s <= 32; ++s)
        if (partie[ply_avant + 1].position[s] != attendu[s]) return echec("the board after the move differs");
      // (Unless the user has already clicked for the next move.)
      if (verifier_avis && piece_en_main == 0 && f.Label29->isVisible())
        return echec("the capture notice outlived its move");
      ++coups;
      return;
    }
    if (std::memcmp(damier + 1, damier_sauve + 1, 32) != 0) return echec("a half-made move is left on the board");
    const int n = coups_legaux(trait);
    if (n == 0) return;
    m = listes_coups[1][aleas() % n];
    attendu = apres(m);
    chemin = chemin_du_coup(m);
    ply_avant = nb_demi_coups;
    clics = 0;
    en_cours = true;
    cliquer_case(f, m.depart);
  }

  // Runs the game loop, with this player at the board, until it quits.
  void jouer() {
    QTimer minuterie;
    minuterie.setInterval(1);
    // Each turn runs from a timer of its own: a turn that starts a nested
    // game loop (a new game with the computer to move) leaves this one free.
    QObject::connect(&minuterie, &QTimer::timeout, [this] { QTimer::singleShot(0, [this] { tour(); }); });
    minuterie.start();
    f.boucle_de_jeu();
  }
};

// Every ply of the record is a legal move of the position before it.
QString verifier_partie() {
  Camp camp = BLANCS;
  for (int h = 1; h <= nb_demi_coups; ++h) {
    std::memcpy(damier + 1, partie[h - 1].position + 1, 32);
    const int n = coups_legaux(camp);
    bool trouve = false;
    for (int i = 0; i < n && !trouve; ++i) {
      const Coup& m = listes_coups[1][i];
      const auto b = apres(m);
      trouve = m.depart == partie[h].depart && m.arrivee == partie[h].arrivee &&
               std::memcmp(b.data() + 1, partie[h].position + 1, 32) == 0;
    }
    if (!trouve) return QString("ply %1 is not a legal move").arg(h);
    camp = adversaire(camp);
  }
  return {};
}

}  // namespace

class Partie : public QObject {
  Q_OBJECT

  // The window over the program's own data, past the introduction, at a
  // fast level, without sounds or animations.
  std::unique_ptr<TForm1> demarrer(int theme) {
    auto f = fenetre_demarree(CORVANE_BIN_DIR, theme);
    if (!f) return nullptr;
    f->action("Niveau01")->trigger();
    for (const char* son : {"Bipchaquecoup2", "Commentaires1"}) f->action(son)->trigger();
    return f;
  }

  // "Nouveau", then the training tab with the computer's colour on screen.
  static void nouvelle_partie(TForm1& f, bool ordinateur_noir) {
    f.action("Nouveau2")->trigger();
    QRadioButton* couleur = ordinateur_noir ? f.Olvendar_noir : f.Olvendar_blanc;
    QTest::mouseClick(couleur, Qt::LeftButton, {}, QPoint(8, couleur->height() / 2));  // on its dot
    cliquer(f.BitBtn15);
  }

 private slots:
  void initTestCase() {
    terminer_processus = [](int) {};
    installer_dialogues(std::make_unique<DialoguesSansFenetre>());
  }

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
    bool commence = false;
    j.action = [&] {
      if (commence) return false;
      commence = true;
      nouvelle_partie(*f, ordinateur_noir);
      return true;
    };
    j.jouer();
    QVERIFY2(j.erreur.isEmpty(), qPrintable(j.erreur));
    QCOMPARE(damier_inverse != 0, ordinateur_noir);
    QCOMPARE(couleur_ordi, ordinateur_noir ? 0 : 1);
    QVERIFY(j.coups > 5);
    QVERIFY2(verifier_partie().isEmpty(), qPrintable(verifier_partie()));
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
      const Case s = visee;
      bool mobile = false;
      std::memcpy(damier + 1, damier_sauve + 1, 32);
      const int n = coups_legaux(trait);
      for (int i = 0; i < n; ++i) mobile = mobile || listes_coups[1][i].depart == s;
      if (mobile != (piece_en_main != 0 && chemin_saisi[0] == s)) j.echec("the click was not processed after the move");
      if (piece_en_main != 0) cliquer_case(*f, s);  // put it down again
      return true;
    };
    j.jouer();
    QVERIFY2(j.erreur.isEmpty(), qPrintable(j.erreur));
    QVERIFY(visee != 0);
    QVERIFY(verifie);
    QVERIFY2(verifier_partie().isEmpty(), qPrintable(verifier_partie()));
  }

  void takingBackAndReplayingThenANewMove() {
    auto f = demarrer(1);
    QVERIFY(f);
    Joueur j{*f};
    bool fait = false;
    j.action = [&] {
      if (fait || nb_demi_coups < 6 || !j.humain_au_trait()) return false;
      fait = true;
      cliquer(f->SpeedButton1);
      cliquer(f->SpeedButton1);
      if (nb_demi_coups != 4 || std::memcmp(damier + 1, partie[4].position + 1, 32) != 0 || trait != BLANCS ||
          ordinateur_au_trait != 0)
        j.echec("two moves back is not the position of ply 4 with the human to move");
      cliquer(f->SpeedButton2);
      if (nb_demi_coups != 5 || std::memcmp(damier + 1, partie[5].position + 1, 32) != 0)
        j.echec("forward is not ply 5");
      cliquer(f->SpeedButton1);
      if (dernier_demi_coup != 6) j.echec("moving through the game changed its end");
      j.limite = 6;  // a new move of the human, and the computer's answer
      return true;
    };
    j.jouer();
    QVERIFY2(j.erreur.isEmpty(), qPrintable(j.erreur));
    QVERIFY(fait);
    QCOMPARE(nb_demi_coups, 6);
    QCOMPARE(dernier_demi_coup, 6);
    QCOMPARE(f->ListBox1->count(), 3);
    QVERIFY2(verifier_partie().isEmpty(), qPrintable(verifier_partie()));
  }

  void aPositionSetUpByHandIsPlayedFrom() {
    auto f = demarrer(0);
    QVERIFY(f);
    // The set-up, one user action per turn of the loop (the loop places the
    // pieces clicked).
    QTabBar* onglets = f->Onglet->tabBar();
    std::vector<std::function<void()>> etapes = {
        [&] { f->action("Installeruneposition1")->trigger(); },
        [&] { cliquer(f->vider1); },
        [&] { cliquer(f->SpeedButton13); },
        [&] { cliquer_case(*f, 20); },
        [&] { cliquer(f->SpeedButton12); },
    };
    for (Case s : {30, 7, 28}) etapes.push_back([&f, s] { cliquer_case(*f, s); });
    etapes.push_back([&] { cliquer(f->SpeedButton10); });
    for (Case s : {24, 23, 19, 9, 8}) etapes.push_back([&f, s] { cliquer_case(*f, s); });
    etapes.push_back([&] { cliquer(f->SpeedButton14); });
    etapes.push_back([&] { cliquer_case(*f, 28); });  // the empty-square button empties it again
    etapes.push_back([&] { QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(0).center()); });
    std::size_t etape = 0;
    bool pendant = false, verifie = false;
    Joueur j{*f};
    j.limite = 2;
    j.action = [&] {
      if (etape < etapes.size()) {
        etapes[etape++]();
        pendant = pendant || installation_en_cours != 0;
        return true;
      }
      if (!verifie) {
        verifie = true;
        if (installation_en_cours != 0 || damier[20] != DAME_BLANCHE || damier[28] != VIDE || nb_demi_coups != 0 ||
            !f->Blancs->text().startsWith("Eval stat blacks:"))
          j.echec("the set-up position is not the one played from");
        j.coups = 1;  // odd: the capture is entered by its landing squares
      }
      return false;
    };
    j.jouer();
    QVERIFY2(j.erreur.isEmpty(), qPrintable(j.erreur));
    QVERIFY(pendant);
    QCOMPARE(partie[1].depart, Case(20));
    QCOMPARE(int(partie[1].nb_prises), 3);
    QVERIFY2(verifier_partie().isEmpty(), qPrintable(verifier_partie()));
  }

  void humanAgainstHumanToTheEnd() {
    auto f = demarrer(3);
    QVERIFY(f);
    Joueur j{*f};
    bool commence = false;
    j.action = [&] {
      if (commence) return false;
      commence = true;
      f->action("Nouveau2")->trigger();
      f->Onglets_nouvelle->setCurrentIndex(2);
      cliquer(f->BitBtn17);
      return true;
    };
    j.jouer();
    QVERIFY2(j.erreur.isEmpty(), qPrintable(j.erreur));
    QVERIFY(f->action("Humaincontrehumain1")->isChecked());
    QVERIFY(f->fin_de_parties->isVisible());
    QVERIFY2(verifier_partie().isEmpty(), qPrintable(verifier_partie()));
    std::memcpy(damier + 1, damier_sauve + 1, 32);
    const int blancs = coups_legaux(BLANCS), noirs = coups_legaux(NOIRS);
    // Camp 0 is black on screen: its loss reads "White wins".
    const QString attendu = partie_pleine() ? "Match nul !" : blancs == 0 ? "White wins" : "Black wins";
    QVERIFY(partie_pleine() || blancs == 0 || noirs == 0);
    QCOMPARE(f->qui_gagne->text(), attendu);
  }
};

QTEST_MAIN(Partie)
#include "partie_test.moc"
