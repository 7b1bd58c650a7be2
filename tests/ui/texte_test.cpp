// Games as text in the window, offscreen, over the program's own data: a
// file of three games opened through the menu with the second one picked
// by clicks in the pick list, then written back as text and as PDN through
// the menu.
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include "game/end.h"
#include "support/dossier_programme.h"
#include "support/fenetre.h"

class Texte : public QObject {
  Q_OBJECT

  DialoguesDeTest* dialogues_ = nullptr;
  QTemporaryDir dossier_;
  DossierProgramme programme_{CORVANE_BIN_DIR};

  std::string chemin(const char* nom) const { return dossier_.filePath(nom).toStdString(); }
  void repondre(const char* nom) { dialogues_->reponse = dossier_.filePath(nom); }

 private slots:
  void initTestCase() { dialogues_ = installer_dialogues_de_test(); }

  void aGameIsPickedFromAFileOfThreeAndWrittenBackAsTextAndPdn() {
    auto f = programme_.demarrer(0);
    QVERIFY(f);
    dialogues_->messages.clear();  // the first run's missing "last32.dam"
    ecrire(chemin("trois.txt"),
           "Un-Deux  2-0\r\nCorvane109\r\n 1.11-15 24-19  \r\n\r\n"
           "\xC9lise-Marc  1-1\r\n 1.11-15 22-18   2.15x22 26x17  \r\n\r\n"
           "Cinq-Six\r\n 1.12-16 \r\n");
    repondre("trois.txt");

    // Cancel first: nothing changes.
    bool vu = false;
    QTimer::singleShot(0, f.get(), [&] {
      vu = f->Panel2->isVisible();
      cliquer(f->ListeCancel);
    });
    f->action("Ouvrirunfichiertexte1")->trigger();
    QVERIFY(vu);
    QVERIFY(!f->Panel2->isVisible());
    QCOMPARE(dernier_demi_coup, 0);

    // Then the second game, picked by clicks on its line and on OK.
    QStringList liste;
    QTimer::singleShot(0, f.get(), [&] {
      liste = lignes(f->ListBox16);
      cliquer_ligne(f->ListBox16, liste.value(1));
      cliquer(f->ListeOK);
    });
    f->action("Ouvrirunfichiertexte1")->trigger();
    QCOMPARE(liste, QStringList({" 1: Un - Deux", QString::fromUtf8(" 2: Élise - Marc"), " 3: Cinq - Six"}));
    QVERIFY(!f->Panel2->isVisible());
    QCOMPARE(f->Nom_blanc->text(), QString::fromUtf8("Élise"));
    QCOMPARE(f->N3D->text(), "Marc : ");
    QCOMPARE(lignes(f->ListBox1), QStringList({" 1.11-15 22-18", " 2.15x22 26x17"}));
    QCOMPARE(dernier_demi_coup, 4);
    QCOMPARE(resultat_partie, PARTIE_NULLE);
    // 22-18, 11-15, 18x11, 7x16: on the board the user sees.
    for (const auto& [s, p] : {std::pair{22, VIDE}, {18, VIDE}, {11, VIDE}, {7, VIDE}, {16, PION_NOIR}})
      QCOMPARE(int(damier_sauve[s]), int(p));
    QCOMPARE(f->Nbpionsnoirs->text(), " 11");

    // Written back through the menu: the text file, then the PDN file.
    repondre("ecrite.txt");
    f->action("Crerunfichiertexte1")->trigger();
    QCOMPARE(contenu(chemin("ecrite.txt")), std::string("\xC9lise-Marc  1-1\r\nCorvane109\r\n 1.11-15 22-18   2.15x22 26x17  \r\n"));
    repondre("ecrite.pdn");
    f->action("CrerunfichierPDN1")->trigger();
    const std::string pdn = contenu(chemin("ecrite.pdn"));
    QVERIFY2(pdn.find("[Black \"\xC3\x89lise\"]\r\n[White \"Marc\"]\r\n[Result \"1-1\"]\r\n[GameType \"23\"]") !=
                 std::string::npos,
             pdn.c_str());
    QVERIFY2(pdn.find("1. 11-15 22-18 2. 15x22 26x17 1-1") != std::string::npos, pdn.c_str());
    QVERIFY(dialogues_->messages.isEmpty());
  }
};

QTEST_MAIN(Texte)
#include "texte_test.moc"
