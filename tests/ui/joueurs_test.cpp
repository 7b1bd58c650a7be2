// The player registry in the window, offscreen, over a program folder whose
// data are the program's own but whose registry files are the test's: a new
// player made through its panel plays a rated match through the Match tab to
// its end, the ratings are written, and the player is deleted again; a
// registry with a short ratings file; renaming.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "support/dossier_programme.h"
#include "support/fenetre.h"

namespace fs = std::filesystem;

namespace {

// Types a text key by key, accented letters too.
void taper(QWidget* w, const QString& texte) {
  for (QChar c : texte) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

}  // namespace

class Joueurs : public QObject {
  Q_OBJECT

  DossierProgramme programme_{CORVANE_BIN_DIR};  // the registry files are the test's own
  DialoguesDeTest* dialogues_ = nullptr;

  std::string lire(const char* nom) const { return contenu(programme_.chemin / nom); }

  // A fast game on the 2D board.
  std::unique_ptr<TForm1> demarrer() { return programme_.demarrer_rapide(0); }

 private slots:
  void initTestCase() { dialogues_ = installer_dialogues_de_test(); }

  void aNewPlayerPlaysARatedMatchToItsEndAndIsDeleted() {
    auto f = demarrer();
    QVERIFY(f);

    // A new player, in a registry that does not exist yet.
    f->action("Match21")->trigger();
    cliquer(f->joueurs->BitBtn7);  // no name: refused
    QVERIFY(f->Nouveau_joueur->isVisible());
    taper(f->joueurs->Joueur, QString::fromUtf8("Anna€"));  // the files' 8-bit text has no euro
    QCOMPARE(f->joueurs->Joueur->text(), QString("Anna"));
    cliquer_rond(f->joueurs->K1700);
    cliquer(f->joueurs->BitBtn7);
    QVERIFY(!f->Nouveau_joueur->isVisible());
    QCOMPARE(lire("joueurs.dat"), std::string("Corvane\r\nAnna\r\n"));
    QCOMPARE(lire("points.dat"), std::string("2050\r\n1700\r\n"));

    // The rated match: Anna chosen in the Match tab, the computer black on
    // screen, so it moves first. She plays two moves and resigns.
    Joueur j{*f};
    bool commence = false, en_match = false;
    j.action = [&] {
      if (!std::exchange(commence, true)) {
        f->action("Nouveau2")->trigger();
        QTabBar* onglets = f->Onglets_nouvelle->tabBar();
        QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(1).center());
        if (!cliquer_ligne(f->joueurs->ListBox9, "Anna") || f->joueurs->Joueur1->text() != "Anna" || f->joueurs->ListBox14->item(1)->text() != "1700")
          j.echec("Anna and her rating are not in the Match tab");
        cliquer_rond(f->joueurs->Olvendar_noir1);
        cliquer(f->joueurs->BitBtn16);  // the computer's first move runs in a loop of its own
        return true;
      }
      if (ordinateur_au_trait != 0) return false;
      if (!std::exchange(en_match, true) &&
          (match_classe != 1 || f->Panel11->text() != "Match" || f->action("Arretrflexionparclicsouris1")->isEnabled() ||
           f->Nom_blanc->text() != "Corvane" || f->Nom_noir->text() != "Anna" || nb_demi_coups != 1))
        j.echec("the rated match did not start as chosen");
      // A rated game's result is played, not edited: the buttons under the
      // move list take nothing back.
      if (en_match && nb_demi_coups == 1) {
        cliquer(f->SpeedButton1);
        cliquer(f->SpeedButton4);
        if (nb_demi_coups != 1 || f->SpeedButton1->isEnabled() || f->SpeedButton5->isEnabled())
          j.echec("a move of the rated game was taken back");
      }
      if (j.coups < 2) return false;
      cliquer(f->Abandon1);
      return true;
    };
    const QString e = j.jouer();
    QVERIFY2(e.isEmpty(), qPrintable(e));
    QCOMPARE(nb_demi_coups, 5);  // the computer's three moves, hers two

    // Her resignation wins the game for the computer on camp 0: 2050
    // against 1700, the ratio applied three times.
    QVERIFY(f->fin_de_parties->isVisible());
    QCOMPARE(f->qui_gagne->text(), QString::fromUtf8("Vous abandonnez, gain CORVANE"));
    QVERIFY(!f->Timer1->isActive());  // the clocks stand still once the game has its result
    QCOMPARE(f->Resultat_blanc->text(), QString::fromUtf8("Corvane passe de 2050 à 2064"));
    QCOMPARE(f->Resultat_noir->text(), QString::fromUtf8("Anna passe de 1700 à 1686"));
    QCOMPARE(match_classe, 0);
    QVERIFY(f->action("Arretrflexionparclicsouris1")->isEnabled());
    QCOMPARE(lire("joueurs.dat"), std::string("Corvane\r\nAnna\r\n"));
    QCOMPARE(lire("points.dat"), std::string("2064\r\n1686\r\n"));

    // Deleting: the computer's entry is refused, Anna goes with her rating.
    f->action("Effacerunjoueur1")->trigger();
    for (const char* nom : {"Corvane", "Anna"}) {
      QVERIFY(f->Efface_j->isVisible() && cliquer_ligne(f->joueurs->ListBox15, nom));
      cliquer(f->joueurs->BitBtn20);
    }
    QVERIFY(!f->Efface_j->isVisible());
    QCOMPARE(lire("joueurs.dat"), std::string("Corvane\r\n"));
    QCOMPARE(lire("points.dat"), std::string("2064\r\n"));
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('\n')));
  }

  void aShortRatingsFileIsReportedAndTwoHumansAreRenamed() {
    ecrire(programme_.chemin / "joueurs.dat", "Corvane\r\nAnna\r\nBruno\r\n");
    ecrire(programme_.chemin / "points.dat", "2050\r\n1700\r\n");
    auto f = demarrer();
    QVERIFY(f);
    f->action("Nouveau2")->trigger();
    QVERIFY(dialogues_->messages.size() == 1 && dialogues_->messages[0].contains("points.dat"));
    // The computer's entry is no human: two humans with it are refused.
    f->Onglets_nouvelle->setCurrentIndex(2);
    QVERIFY(cliquer_ligne(f->joueurs->ListBox10, "Corvane"));
    QVERIFY(cliquer_ligne(f->joueurs->ListBox11, "Bruno"));
    cliquer(f->BitBtn17);
    QVERIFY(f->Nouvelle_partie->isVisible());
    QVERIFY(cliquer_ligne(f->joueurs->ListBox10, "Anna"));
    cliquer(f->BitBtn17);
    QVERIFY(!f->Nouvelle_partie->isVisible());

    // Renaming: camp 0 is drawn black, its name stands in the row "Noirs :";
    // a name holds 19 characters.
    f->action("Changerlesnoms1")->trigger();
    f->joueurs->Edit2->clear();
    taper(f->joueurs->Edit2, QString::fromUtf8("Éloïse de la Montagne"));
    cliquer(f->joueurs->OKjoueur);
    QCOMPARE(f->N3D->text(), QString::fromUtf8("Éloïse de la Montag : "));
    QCOMPARE(QByteArray(partie[nb_demi_coups].nom_noirs), QString::fromUtf8("Éloïse de la Montag").toLatin1());
  }
};

QTEST_MAIN(Joueurs)
#include "joueurs_test.moc"
