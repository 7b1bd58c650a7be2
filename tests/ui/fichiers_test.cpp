// Game files in the window, offscreen: a file of three games as text opened
// through the menu with the second one picked by clicks in the pick list,
// then written back as text and as PDN; a game saved and opened again
// through the menus with the file dialogs answered, a file that is no game
// refused, and the game of "Quitter" back in the next run once a theme is
// chosen; a first run without "last32.dam" says nothing, one that cannot be
// read is reported.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "game/end.h"
#include "game/levels.h"
#include "records/game_file.h"
#include "search/table.h"
#include "support/dossier_programme.h"
#include "support/fenetre.h"

namespace fs = std::filesystem;

namespace {

// `plies` random legal moves from the position on the board, shown in the
// window as after "Aller à la fin".
void jouer(TForm1& f, int plies, unsigned graine) {
  std::mt19937 aleas(graine);
  for (int h = 0; h < plies; ++h) jouer_et_enregistrer(static_cast<int>(aleas() % unsigned(coups_legaux(trait))));
  f.navigation->reconstruire_liste_coups();
  f.navigation->Aller_fin();
}

bool plateau_de(int ply) { return std::memcmp(damier + 1, partie[ply].position + 1, NB_CASES) == 0; }

}  // namespace

class Fichiers : public QObject {
  Q_OBJECT

  DossierProgramme programme_{CORVANE_BIN_DIR};
  DialoguesDeTest* dialogues_ = nullptr;

  std::string fichier(const char* nom) const { return (programme_.chemin / nom).string(); }
  void repondre(const char* nom) { dialogues_->reponse = QString::fromStdString(fichier(nom)); }

 private slots:
  void initTestCase() { dialogues_ = installer_dialogues_de_test(); }
  void init() { dialogues_->messages.clear(), dialogues_->dossiers.clear(); }

  void aGameIsPickedFromAFileOfThreeAndWrittenBackAsTextAndPdn() {
    auto f = programme_.demarrer(0);
    QVERIFY(f);
    ecrire(fichier("trois.txt"),
           "Un-Deux  2-0\r\nCorvane109\r\n 1.11-15 24-19  \r\n\r\n"
           "\xC9lise-Marc  1-1\r\n 1.11-15 22-18   2.15x22 26x17  \r\n\r\n"
           "Cinq-Six\r\n 1.12-16 \r\n");
    repondre("trois.txt");

    // Cancel first: nothing changes.
    bool vu = false;
    QTimer::singleShot(0, f.get(), [&] {
      vu = f->Panel2->isVisible();
      cliquer(f->fichiers->ListeCancel);
    });
    f->action("Ouvrirunfichiertexte1")->trigger();
    QVERIFY(vu);
    QVERIFY(!f->Panel2->isVisible());
    QCOMPARE(dernier_demi_coup, 0);

    // Then the second game, picked by clicks on its line and on OK.
    QStringList liste;
    QTimer::singleShot(0, f.get(), [&] {
      liste = lignes(f->fichiers->ListBox16);
      cliquer_ligne(f->fichiers->ListBox16, liste.value(1));
      cliquer(f->fichiers->ListeOK);
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
    QCOMPARE(contenu(fichier("ecrite.txt")), std::string("\xC9lise-Marc  1-1\r\nCorvane109\r\n 1.11-15 22-18   2.15x22 26x17  \r\n"));
    repondre("ecrite.pdn");
    f->action("CrerunfichierPDN1")->trigger();
    const std::string pdn = contenu(fichier("ecrite.pdn"));
    QVERIFY2(pdn.find("[Black \"\xC3\x89lise\"]\r\n[White \"Marc\"]") != std::string::npos &&
                 pdn.find("1. 11-15 22-18 2. 15x22 26x17 1-1") != std::string::npos, pdn.c_str());
    QVERIFY(dialogues_->messages.isEmpty());

    // A file with no game in it, empty or of prose, is said to be so, once,
    // and the game shown stays.
    for (const char* texte : {"", "Bonjour,\r\nvoici la liste des joueurs du club.\r\n"}) {
      ecrire(fichier("rien.txt"), texte);
      repondre("rien.txt");
      dialogues_->messages.clear();
      f->action("Ouvrirunfichiertexte1")->trigger();
      QCOMPARE(dialogues_->messages.size(), 1);
      QVERIFY2(dialogues_->messages[0].contains("aucune partie"), qPrintable(dialogues_->messages[0]));
      QCOMPARE(dernier_demi_coup, 4);
      QCOMPARE(lignes(f->ListBox1), QStringList({" 1.11-15 22-18", " 2.15x22 26x17"}));
    }
  }

  void aGameSavedAfterGoingBackOpensWholeAtThePlyShownAndTheLastGameComesBack() {
    fs::remove(programme_.chemin / FICHIER_DERNIERE_PARTIE);
    auto f = programme_.demarrer(0);
    QVERIFY(f);
    // The first run has no last game, and says nothing of it.
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
    jouer(*f, 20, 5);
    for (int i = 0; i < 10; ++i) cliquer(f->SpeedButton1);  // back to ply 10
    f->action("Niveau07")->trigger();
    const QStringList jouee = lignes(f->ListBox1);
    QCOMPARE(jouee.size(), 10);

    const fs::path sauve = programme_.chemin / "Sauve";
    dialogues_->reponse = QString::fromStdString((sauve / "vingt.dam").string());
    f->action("Sauver1")->trigger();
    QCOMPARE(dialogues_->dossiers, QStringList(QString::fromStdString(sauve.string())));  // made for the occasion
    QCOMPARE(dialogues_->filtre, QString("Fichiers Corvane (*.dam)|dam"));
    QCOMPARE(fs::file_size(sauve / "vingt.dam"), std::uintmax_t{TAILLE_FICHIER_PARTIE});

    // Another game, another level and language, then "Ouvrir".
    f->navigation->revenir_debut();
    jouer(*f, 3, 8);
    f->action("Niveau02")->trigger();
    f->demarrage->English1Click();
    taille_tables = 200;
    f->action("Ouvrir1")->trigger();
    QCOMPARE(lignes(f->ListBox1), jouee);
    QCOMPARE(f->ListBox1->currentRow(), 4);  // the line of ply 10
    QCOMPARE(int(nb_demi_coups), 10);
    QVERIFY(plateau_de(10) && std::memcmp(damier_sauve + 1, damier + 1, NB_CASES) == 0);
    QVERIFY(f->action("Niveau07")->isChecked() && !f->action("Niveau02")->isChecked());
    QVERIFY(f->action("English1")->isChecked());
    QCOMPARE(taille_tables, std::int16_t{200});  // the user's language and table size stay
    // The rest of the game is there to go to.
    cliquer(f->SpeedButton5);
    QVERIFY(plateau_de(20));

    // A file that is no game, and a cancelled dialog: nothing changes.
    ecrire(sauve / "court.dam", "not a game");
    dialogues_->reponse = QString::fromStdString((sauve / "court.dam").string());
    f->action("Ouvrir1")->trigger();
    QCOMPARE(dialogues_->messages, QStringList{"Error: Cannot open this file (stop)"});  // the language checked
    dialogues_->reponse.clear();
    f->action("Ouvrir1")->trigger();
    QCOMPARE(int(nb_demi_coups), 20);
    QCOMPARE(lignes(f->ListBox1), jouee);
    dialogues_->messages.clear();

    // "Quitter" writes the game; the next run shows the language at once,
    // the game once a theme is picked, with its level and table size.
    f->navigation->revenir_debut();
    jouer(*f, 7, 11);
    f->action("N150coupsen3mn1")->trigger();
    taille_tables = 700;
    f->demarrage->Portugues1Click();
    const QStringList derniere = lignes(f->ListBox1);
    f->action("Quitter1")->trigger();
    QCOMPARE(fs::file_size(programme_.chemin / FICHIER_DERNIERE_PARTIE), std::uintmax_t{TAILLE_FICHIER_PARTIE});
    f.reset();
    commencer_partie();
    choisir_niveau(5);
    langue_courante = 0;
    f = programme_.demarrer(-1);
    QVERIFY(f);
    QVERIFY(f->action("Portugues1")->isChecked());
    cliquer(f->demarrage->boutons_themes[1]);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(lignes(f->ListBox1), derniere);
    QCOMPARE(int(nb_demi_coups), 7);
    QVERIFY(plateau_de(7));
    QVERIFY(f->action("N150coupsen3mn1")->isChecked() && !f->action("Niveau05")->isChecked());
    QVERIFY(f->action("N10Mo1")->isChecked() && !f->action("N15Mo1")->isChecked());
    QCOMPARE(nb_entrees_table, entrees_pour(700));  // the tables were made at that size
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
  }

  // A "last32.dam" that is there but cannot be read, or holds no game, is
  // reported when the window comes up; the program starts all the same.
  void aLastGameThatIsThereButUnreadableIsReported() {
    const fs::path derniere = programme_.chemin / FICHIER_DERNIERE_PARTIE;
    fs::remove_all(derniere);
    fs::create_directory(derniere);  // no file to read, even for root
    auto f = programme_.demarrer(-1);
    QVERIFY(f);
    QCOMPARE(dialogues_->messages, QStringList{"Erreur: Impossible d'ouvrir ce fichier (stop)"});
    QVERIFY2(dialogues_->details.join('|').contains("last32.dam"), qPrintable(dialogues_->details.join('|')));
    f.reset();
    fs::remove(derniere);
    ecrire(derniere, "not a game");
    dialogues_->messages.clear();
    f = programme_.demarrer(1);
    QVERIFY(f);
    QCOMPARE(dialogues_->messages, QStringList{"Erreur: Impossible d'ouvrir ce fichier (stop)"});
    QCOMPARE(int(nb_demi_coups), 0);
    fs::remove(derniere);
  }
};

QTEST_MAIN(Fichiers)
#include "fichiers_test.moc"
