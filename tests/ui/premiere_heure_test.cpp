// What a new player meets in the first hour, offscreen, by clicks: the
// clocks after the end of a game, a finished game opened then set up, the
// draw offer refused, "Nouveau" cancelled, the clocks of a set-up and of
// "Quitter", the search display of a new game, the help window, what the
// text format cannot hold and the program's own files, a parameter box that
// holds no number, and the stage centred on what it shows.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>

#include "game/clocks.h"
#include "game/end.h"
#include "game/hooks.h"
#include "records/game_file.h"
#include "support/dossier_programme.h"
#include "support/fenetre.h"
#include "support/positions.h"
#include "ui/aide.h"
#include "ui/tform5.h"

namespace fs = std::filesystem;

namespace {

// The clock a side shows, in both views: "m:ss" of the 2D panel and of the
// 3D board, which must agree.
QString horloge_montree(const TForm1& f, Camp camp) {
  const QString d2 = (camp == BLANCS ? f.minblanc : f.minnoir)->text() + ":" +
                     (camp == BLANCS ? f.secblanc : f.secnoir)->text();
  const QString d3 = (camp == BLANCS ? f.minblanc3d : f.minnoir3d)->text() + ":" +
                     (camp == BLANCS ? f.secblanc3d : f.secnoir3d)->text();
  return d2 == d3 ? d2 : d2 + " / " + d3;
}

// A click on square s as the game loop takes it, then the computer's answer.
void jouer_clic(TForm1& f, Case s) {
  cliquer_et_traiter(f, s);
  if (ordinateur_au_trait != 0 && installation_en_cours == 0) f.tour_ordinateur();
}

}  // namespace

class PremiereHeure : public QObject {
  Q_OBJECT

  DossierProgramme programme_{CORVANE_BIN_DIR};
  DialoguesDeTest* dialogues_ = nullptr;
  std::int64_t maintenant_ = 1'000'000;  // the clock every reading of the program sees

  std::unique_ptr<TForm1> demarrer(int theme) {
    auto f = programme_.demarrer_rapide(theme);
    dialogues_->messages.clear();
    return f;
  }
  // Time goes by for the program: `secondes` later, and the clocks' timer ticks.
  void attendre(TForm1& f, int secondes) {
    maintenant_ += 1000LL * secondes;
    if (f.Timer1->isActive()) f.ajouter_temps();
  }
  // A game file written in the program's folder and opened by "Ouvrir".
  void ouvrir(TForm1& f, const ContenuPartie& c, const char* nom) {
    const std::vector<std::uint8_t> octets = encoder_partie(c);
    ecrire(programme_.chemin / nom, std::string(octets.begin(), octets.end()));
    dialogues_->repondre(programme_.chemin / nom);
    f.action("Ouvrir1")->trigger();
  }

 private slots:
  void initTestCase() {
    dialogues_ = installer_dialogues_de_test();
    crochet_horloge_ms = [this] { return maintenant_; };
  }
  void init() { dialogues_->messages.clear(); }

  // A game won by a click, then a finished game opened: the clocks stand
  // still and show the times at the end; a new game sets them going again.
  void theClocksStopWhenTheGameEndsAndAFinishedGameShowsItsTimes() {
    auto f = demarrer(0);
    QVERIFY(f);
    // Camp 0 (the human) takes the computer's last man, after 25 seconds.
    poser({{18, PION_BLANC}, {14, PION_NOIR}}, BLANCS);
    commencer_partie();
    temps_blancs = 61;
    temps_noirs = 42;
    enregistrer_demi_coup(0, 0, 0);
    resultat_partie = SANS_RESULTAT;
    ouvrir(*f, partie_courante(0), "gagnee.dam");
    QVERIFY(f->Timer1->isActive());
    attendre(*f, 25);
    QCOMPARE(horloge_montree(*f, BLANCS), QString("1:26"));
    jouer_clic(*f, 18);  // the only move: played at once, and the computer has none
    QCOMPARE(int(nb_demi_coups), 1);
    QVERIFY(f->fin_de_parties->isVisible());
    QVERIFY(!f->Timer1->isActive());
    // The won game offers no draw any more, and the offer cannot replace its result.
    const int gagnee = resultat_partie;
    QVERIFY(gagnee != SANS_RESULTAT && gagnee != PARTIE_NULLE);
    QVERIFY(f->Proposernul->isHidden());
    score_racine = 0;  // an offer the computer would take in a game still going
    reflexion_anticipee = 0;
    f->ProposernulClick();
    QCOMPARE(resultat_partie, gagnee);
    QVERIFY(!f->Nulrefus->isVisible());
    attendre(*f, 200);
    QCOMPARE(horloge_montree(*f, BLANCS), QString("1:26"));
    QCOMPARE(horloge_montree(*f, NOIRS), QString("0:42"));

    // Saved and opened again, it keeps its result and its clocks' times.
    dialogues_->repondre(programme_.chemin / "Sauve" / "fin.dam");
    f->action("Sauver1")->trigger();
    f->action("Nouveau2")->trigger();
    cliquer(f->BitBtn15);
    QVERIFY(f->Timer1->isActive());
    QVERIFY(!f->Proposernul->isHidden());
    QCOMPARE(horloge_montree(*f, BLANCS), QString("0:00"));  // empty clocks read minutes and two digits
    f->action("Ouvrir1")->trigger();
    QVERIFY(partie_terminee());
    QVERIFY(!f->Timer1->isActive());
    attendre(*f, 300);
    QCOMPARE(horloge_montree(*f, BLANCS), QString("1:26"));
    // Its PDN carries the result.
    dialogues_->repondre(programme_.chemin / "Sauve" / "fin.pdn");
    f->action("CrerunfichierPDN1")->trigger();
    const std::string pdn = contenu(programme_.chemin / "Sauve" / "fin.pdn");
    QVERIFY2(pdn.find("[Result \"2-0\"]") != std::string::npos || pdn.find("[Result \"0-2\"]") != std::string::npos,
             pdn.c_str());
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
  }

  // A finished game whose side to move was the computer's, set up: the panel
  // gives the computer the other side, the player's man can be taken up and
  // played, and the computer answers.
  void aSetUpAfterAFinishedGameGivesThePlayerTheSideToMove() {
    auto f = demarrer(0);
    QVERIFY(f);
    position_initiale();
    commencer_partie();
    std::mt19937 aleas(6);
    for (int h = 0; h < 5; ++h) jouer_et_enregistrer(static_cast<int>(aleas() % unsigned(coups_legaux(trait))));
    for (int h = 0; h <= 5; ++h) partie[h].couleur_ordi = 1;  // the computer played camp 1, now to move
    resultat_partie = BLANCS_GAGNENT;                         // the human won on time
    ouvrir(*f, partie_courante(0), "finie.dam");
    QCOMPARE(int(trait), int(NOIRS));
    f->action("Installeruneposition1")->trigger();
    QVERIFY(installation_en_cours != 0);
    QCOMPARE(f->installation->Couleurordi->text(), QString("Ordinateur noir"));  // camp 0, drawn black
    QCOMPARE(f->installation->Couleurjoue->text(), QString("Joueur joue"));
    QTabBar* onglets = f->Onglet->tabBar();
    QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(0).center());
    QCOMPARE(installation_en_cours, std::uint8_t(0));
    QCOMPARE(dernier_demi_coup, 5);  // nothing was changed: the record stays

    Joueur j{*f};
    j.limite = 7;  // the player's move and the computer's answer
    const QString e = j.jouer();
    QVERIFY2(e.isEmpty(), qPrintable(e));
    QCOMPARE(int(nb_demi_coups), 7);
    QVERIFY(partie[6].depart != 0 && est_noir(partie[5].position[partie[6].depart]));  // the player moved camp 1
    QVERIFY(!est_noir(partie[6].position[partie[7].depart]));                          // the computer camp 0
  }

  // The draw offer refused shows "Nul refusé" until the next click on the board.
  void aRefusedDrawOfferIsShown() {
    auto f = demarrer(1);
    QVERIFY(f);
    QTest::mouseClick(f->Proposernul, Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(f->Nulrefus->isVisible());
    QCOMPARE(clic_en_attente, 0);  // the offer was no click on the board
  }

  // "Nouveau" then "Annuler": the game and its move list stay; the new game
  // starts with an empty search display.
  void aCancelledNewGameLeavesTheGameAndANewOneClearsTheSearchDisplay() {
    auto f = demarrer(0);
    QVERIFY(f);
    for (int h = 0; h < 4; ++h) jouer_et_enregistrer(0);
    f->navigation->reconstruire_liste_coups();
    const QStringList liste = lignes(f->ListBox1);
    f->ListBox2->addItem("Profondeur :     9");
    f->ListBox5->addItem("11-15 :    12");
    f->action("Nouveau2")->trigger();
    cliquer(f->Annule_nouveau);
    QCOMPARE(lignes(f->ListBox1), liste);
    QCOMPARE(int(nb_demi_coups), 4);
    f->action("Nouveau2")->trigger();
    cliquer(f->BitBtn15);
    QCOMPARE(f->ListBox1->count(), 0);
    QCOMPARE(f->ListBox2->count(), 0);
    QCOMPARE(f->ListBox5->count(), 0);
  }

  // A set-up that changes the position starts a game at 0:00, which stepping
  // back keeps; "Quitter" keeps the time spent on the move in progress.
  void aSetUpStartsItsClocksAndQuittingKeepsTheMoveInProgress() {
    auto f = demarrer(0);
    QVERIFY(f);
    for (int h = 0; h < 6; ++h) {
      attendre(*f, 26);
      horloge(trait) = temps_en_cours(trait);
      jouer_et_enregistrer(0);
    }
    f->navigation->Aller_fin();
    QVERIFY(temps_blancs > 0 && temps_noirs > 0);
    f->action("Installeruneposition1")->trigger();
    cliquer(f->installation->SpeedButton11);  // a king where there was none
    jouer_clic(*f, 1);
    QTabBar* onglets = f->Onglet->tabBar();
    QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(0).center());
    QCOMPARE(dernier_demi_coup, 0);
    QCOMPARE(horloge_montree(*f, BLANCS), QString("0:00"));
    QCOMPARE(horloge_montree(*f, NOIRS), QString("0:00"));
    Joueur j{*f};
    j.limite = 2;
    QVERIFY(j.jouer().isEmpty());
    cliquer(f->SpeedButton4);  // back to the set-up position
    QCOMPARE(horloge_montree(*f, BLANCS), QString("0:00"));
    QCOMPARE(horloge_montree(*f, NOIRS), QString("0:00"));

    // 95 seconds into a move, "Quitter"; the next run shows them.
    cliquer(f->SpeedButton5);
    const Camp a_jouer = trait;
    const std::int32_t avant = horloge(a_jouer);
    attendre(*f, 95);
    f->demarrage->quitter();
    f.reset();
    commencer_partie();
    f = programme_.demarrer(1);
    QVERIFY(f);
    QCOMPARE(horloge(a_jouer), avant + 95);
  }

  // The help window: a window of its own that fits the screen, closed by its
  // button or by Escape.
  void theHelpWindowFitsTheScreenAndCloses() {
    auto f = demarrer(0);
    QVERIFY(f);
    f->action("Rgles1")->trigger();
    FenetreAide* aide = f->demarrage->aide;
    QVERIFY(aide && aide->isVisible());
    const QRect ecran = aide->screen()->availableGeometry();
    QVERIFY2(ecran.contains(aide->frameGeometry()) || ecran.contains(aide->geometry()),
             qPrintable(QString("%1x%2").arg(aide->width()).arg(aide->height())));
    QVERIFY(aide->windowFlags() & Qt::WindowCloseButtonHint);
    QTest::keyClick(aide, Qt::Key_Escape);
    QVERIFY(!aide->isVisible());
    f->action("Guide1")->trigger();
    QVERIFY(aide->isVisible());
    cliquer(aide->findChild<QPushButton*>("Fermer"));
    QVERIFY(!aide->isVisible());
  }

  // What the text format cannot hold is said, with PDN offered, and nothing
  // written; a save never replaces a file the program ships; games are saved
  // in "Sauve".
  void theTextFormatSaysWhatItCannotHoldAndTheProgramsFilesStay() {
    auto f = demarrer(0);
    QVERIFY(f);
    poser({{1, PION_NOIR}, {32, PION_BLANC}}, BLANCS);
    commencer_partie();
    dialogues_->repondre(programme_.chemin / "Sauve" / "posee.txt");
    f->action("Crerunfichiertexte1")->trigger();
    QCOMPARE(dialogues_->messages.size(), 1);
    QVERIFY2(dialogues_->messages[0].contains("PDN"), qPrintable(dialogues_->messages[0]));
    QVERIFY(!fs::exists(programme_.chemin / "Sauve" / "posee.txt"));
    dialogues_->messages.clear();

    position_initiale();
    commencer_partie();
    f->nommer("Jean-Pierre", "Anne");
    f->action("Crerunfichiertexte1")->trigger();
    QCOMPARE(dialogues_->messages.size(), 1);
    QVERIFY2(dialogues_->messages[0].contains("Jean-Pierre"), qPrintable(dialogues_->messages[0]));
    dialogues_->messages.clear();

    f->nommer("Jean", "Anne");
    const fs::path apercu = programme_.chemin / "apercu1.bmp";
    const auto taille = fs::file_size(apercu);
    dialogues_->repondre(apercu);
    dialogues_->dossiers.clear();
    f->action("Editerlimagefichierbmp1")->trigger();
    QCOMPARE(dialogues_->messages.size(), 1);
    QCOMPARE(fs::file_size(apercu), taille);
    QVERIFY(dialogues_->dossiers.value(0).endsWith("Sauve"));
    dialogues_->messages.clear();
    dialogues_->repondre(programme_.chemin / "Sauve" / "jean.txt");
    f->action("Crerunfichiertexte1")->trigger();
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
    QVERIFY(fs::exists(programme_.chemin / "Sauve" / "jean.txt"));
  }

  // A parameter box that holds no number from -128 to 127 is named and
  // nothing is applied.
  void aParameterBoxWithoutANumberIsRefused() {
    auto f = demarrer(0);
    QVERIFY(f);
    f->action("Changerlesparamtres1")->trigger();
    TForm5* e = f->editeurs->editeur_parametres();
    const std::int8_t avant = tables_cases[1][14], seuil = phase0_bas;
    QLineEdit* boite = e->cases[1][14];
    boite->setText("abc");
    e->phases[0]->setText("20");
    cliquer(e->parametreOK);
    QCOMPARE(dialogues_->messages.size(), 1);
    QVERIFY2(dialogues_->messages[0].contains(", case 14"), qPrintable(dialogues_->messages[0]));
    QVERIFY(e->isVisible());
    QCOMPARE(tables_cases[1][14], avant);
    QCOMPARE(phase0_bas, seuil);
    boite->setText("300");
    cliquer(e->parametreOK);
    QCOMPARE(dialogues_->messages.size(), 2);
    boite->setText(" -7 ");
    cliquer(e->parametreOK);
    QVERIFY(!e->isVisible());
    QCOMPARE(int(tables_cases[1][14]), -7);
    QCOMPARE(int(phase0_bas), 20);
  }

  // The stage stands in the middle of the window: as much room above the
  // board as below the end-of-game line, which stays inside the window.
  void theStageIsCentredOnWhatItShows() {
    auto f = demarrer(1);
    QVERIFY(f);
    f->resize(1600, 700);
    QCoreApplication::processEvents();
    const QRect notice = f->plateau->Fin_partie->geometry();
    const int dessus = f->Panel10->geometry().top(), dessous = f->scene->height() - (notice.bottom() + 1);
    QVERIFY2(std::abs(dessus - dessous) <= 2, qPrintable(QString("%1 above, %2 below").arg(dessus).arg(dessous)));
  }
};

QTEST_MAIN(PremiereHeure)
#include "premiere_heure_test.moc"
