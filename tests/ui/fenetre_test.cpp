// The main window, offscreen, over a program folder of its own holding
// small pictures of known colours: start-up and help, the menu, the themes,
// the board's geometry, clicks through the stage's scale, turning, blind
// play, saving the picture, quitting and sound.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>

#include "records/files.h"
#include "search/table.h"
#include "support/dossier_programme.h"
#include "support/fenetre.h"
#include "ui/aide.h"
#include "ui/formes.h"
#include "ui/menus.h"
#include "ui/son.h"

namespace fs = std::filesystem;

namespace {

// Colours that tell the pictures apart.
QRgb couleur_2d(int genre) { return qRgb(30 + 40 * genre, 200, 10); }
QRgb couleur_3d(int genre, int repertoire, int s) { return qRgb(20 + 40 * genre, 20 * repertoire, 7 * s); }
QRgb couleur_scene(int theme) { return qRgb(10 * theme, 5, 250); }
QRgb couleur_planche(int theme) { return qRgb(10 * theme, 250, 5); }

void ecrire_image(const fs::path& chemin, int l, int h, QRgb c) {
  QImage image(l, h, QImage::Format_RGB32);
  image.fill(c);
  fs::create_directories(chemin.parent_path());
  QVERIFY(image.save(QString::fromStdString(chemin.string()), "BMP"));
}

QRgb pixel(const QImage& toile, QPoint logique) { return toile.pixel(logique * ECHELLE_IMAGES); }

}  // namespace

class Fenetre : public QObject {
  Q_OBJECT

  QTemporaryDir dossier_temp_;
  fs::path dossier_;
  DialoguesDeTest* dialogues_ = nullptr;
  int statut_fin_ = -1;
  QStringList lus;  // names read since the journal was emptied, relative to the folder

  // A program folder with every picture, some named in other cases than
  // the program asks for.
  void creer_dossier(const fs::path& d) {
    const char* noms_2d[NB_GENRES_IMAGE] = {"1pva.bmp", "1PBA.bmp", "1dba.bmp", "1pna.bmp", "1dna.BMP"};
    for (int g = 0; g < NB_GENRES_IMAGE; ++g) ecrire_image(d / "Images1" / noms_2d[g], 120, 120, couleur_2d(g));
    ecrire_image(d / "Images1" / "1cache.bmp", 120, 120, qRgb(255, 255, 200));
    for (int t = 1; t <= 8; ++t) {
      ecrire_image(d / ("damier" + std::to_string(t) + ".bmp"), 157, 104, couleur_scene(t));
      ecrire_image(d / ("damier" + std::to_string(t) + "w.bmp"), 157, 80, couleur_planche(t));
    }
    const char* prefixes[NB_GENRES_IMAGE] = {"pv", "pb", "db", "pn", "dn"};
    for (int t : {1, 3, 4, 5, 6, 7, 8}) {
      const std::string dossier = t == 3 ? "images3" : "Images" + std::to_string(t);
      for (int s = 1; s <= 32; ++s)
        for (int g = 0; g < NB_GENRES_IMAGE; ++g)
          ecrire_image(d / dossier / (prefixes[g] + std::to_string(t) + "_" + std::to_string(s) + ".bmp"), 80, 64,
                       couleur_3d(g, t, s));
    }
    for (const char* page : {"Corvane.html", "Corvane_e.html"})
      ecrire(d / page, "<html><head><title>Guide</title></head><body>Sommaire</body></html>");
  }

  std::unique_ptr<TForm1> demarrer(int theme) {
    auto f = std::make_unique<TForm1>();
    return montrer(*f, dossier_, theme) ? std::move(f) : nullptr;
  }

 private slots:
  void initTestCase() {
    QVERIFY(dossier_temp_.isValid());
    dossier_ = dossier_temp_.path().toStdString();
    creer_dossier(dossier_);
    crochet_lecture_fichier = [this](const fs::path& p, bool) {
      lus << QString::fromStdString(p.lexically_relative(dossier_).generic_string());
    };
    dialogues_ = installer_dialogues_de_test();
    terminer_processus = [this](int statut) { statut_fin_ = statut; };
  }

  void init() {
    langue_courante = theme_courant = damier_inverse = numerotation_active = 0;
    ordinateur_au_trait = 1;
    for (auto& g : images_3d)
      for (auto& i : g) i = QImage();
    for (auto& i : images_2d) i = QImage();
    choisir_noms_cases(false);
    fs::remove(dossier_ / "last32.dam");  // no test starts from another's game
    dialogues_->messages.clear(), dialogues_->details.clear(), lus.clear();
  }

  void cleanup() { liberer_tables(); }

  void helpFollowsTheLanguageThenStartUpReadsTheKnowledgePicturesAndDatabases() {
    auto f = demarrer(-1);
    QVERIFY(f);
    for (QAction* a : f->menuBar()->actions()) QCOMPARE(a->isVisible(), a->menu()->objectName() == "Aide1");
    QVERIFY(f->demarrage->Intro->isVisible() && !f->Panel6->isVisible());
    cliquer(f->findChild<QPushButton*>("Button6"));  // English
    dialogues_->messages.clear();
    f->action("Rgles1")->trigger();  // no rules page in this folder: said in the checked language
    QCOMPARE(dialogues_->messages, QStringList("Error: Cannot open this file (stop)"));

    lus.clear();
    cliquer(f->demarrage->boutons_themes[0]);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QStringList ordre = {"hashkey33.dat", "ouvert_b.ouv", "ouvert_n.ouv", "pool.dat",
                               "Parametres/defaut.par", "Images1/1pva.bmp", "Images1/1PBA.bmp", "dod.bib"};
    qsizetype avant = -1;
    for (const QString& nom : ordre) {
      const qsizetype i = lus.indexOf(nom);
      QVERIFY2(i > avant, qPrintable(nom + " read out of order: " + lus.join(' ')));
      avant = i;
    }
    for (QAction* a : f->menuBar()->actions()) QVERIFY(a->isVisible());
    QVERIFY(f->Panel6->isVisible() && f->Panel7->isVisible() && f->Onglet->isVisible());
    QVERIFY(f->action("Damier2D1")->isChecked() && !f->Panel10->isVisible());
    QCOMPARE(f->Nbpionsblancs->text(), QString(" 12"));
    QVERIFY2(dialogues_->details.filter("Images").isEmpty(),  // every picture was found, whatever the case
             qPrintable(dialogues_->details.join('|')));
  }

  void everyMenuRowIsBuiltAndItsItemsCallTheirHandlers() {
    TForm1 f;
    for (const EntreeMenu& e : table_menus()) {
      if (e.genre != GenreMenu::Article) continue;
      QAction* a = f.action(e.nom);
      QVERIFY2(a && f.menu(e.parent)->actions().contains(a) && !a->text().isEmpty(), e.nom);
      // An item that can be chosen does what its handler says; the others
      // wait, disabled, for their features (a hidden one is disabled too),
      // or for an analysis or a session to stop.
      const bool attend = QStringList{"Arrtercettephase1", "Terminerlanalyse1", "Arrterlasession1"}.contains(e.nom);
      QVERIFY2(a->isChecked() == e.coche && a->isVisible() == e.visible &&
                   a->isEnabled() == (e.construit && e.visible && !attend),
               e.nom);
      if (e.construit) QVERIFY2(f.gestionnaire(e.gestionnaire) != nullptr, e.nom);
    }
    QCOMPARE(f.action("N7longlong1")->text(), QString("7 : long, long"));
    QCOMPARE(f.menu("XSpecial1")->title(), QString::fromUtf8("X : Spécial"));
  }

  void themesReloadOnlyWhatChanges() {
    auto f = demarrer(2);
    QVERIFY(f);
    lus.clear();
    f->Damier3D1Click();  // "Classique" after "Nuit": the same squares
    QCOMPARE(lus, QStringList({"damier1w.bmp", "damier1.bmp"}));
    QVERIFY(f->action("Damier3D1")->isChecked() && !f->action("Damier3D2")->isChecked());
    for (int essai = 0; essai < 2; ++essai) {  // themes 4 to 8 reload both parts every time
      lus.clear();
      f->Damier3D4Click();
      QCOMPARE(lus.filter("Images4/").size(), 160);
      QCOMPARE(lus.filter("damier4").size(), 2);
    }
    QCOMPARE(pixel(f->Image5->image(), position_3d(1, false) + QPoint(3, 3)), couleur_3d(genre_image(PION_NOIR), 4, 1));
    QCOMPARE(pixel(f->Image5->image(), {700, 500}), couleur_scene(4));
    QCOMPARE(pixel(f->Image5->image(), {700, 10}), couleur_planche(4));
  }

  void aMissingBackgroundDisablesItsThemeAndTheIntroductionFallsBack() {
    const fs::path fond = dossier_ / "damier5.bmp";
    fs::rename(fond, dossier_ / "ailleurs.bmp");
    auto f = demarrer(5);
    fs::rename(dossier_ / "ailleurs.bmp", fond);
    QVERIFY(f);
    QVERIFY(!f->action("Damier3D5")->isEnabled() && f->action("Damier3D6")->isEnabled());
    QCOMPARE(int(theme_courant), 1);
    dialogues_->messages.clear();
    // A square picture missing from a theme leaves the board as it was.
    const fs::path c = dossier_ / "Images6" / "dn6_17.bmp";
    fs::rename(c, dossier_ / "ailleurs.bmp");
    f->Damier3D6Click();
    fs::rename(dossier_ / "ailleurs.bmp", c);
    QCOMPARE(dialogues_->messages.size(), 1);
    QCOMPARE(int(theme_courant), 1);
    QVERIFY(f->action("Damier3D1")->isChecked() && !f->action("Damier3D6")->isChecked());
  }

  void squaresAndClicksFollowTheScaleAndTheTurnedBoard() {
    auto f = demarrer(1);
    QVERIFY(f);
    ordinateur_au_trait = 0;
    const QImage plan = f->scene->image(), relief = f->Image5->image();
    const QList<QWidget*> places = {f->Panel6, f->Panel7, f->Horlogeblanc3d, f->Horlogenoir3d};
    const auto hauteurs = [&] {
      QList<int> y;
      for (QWidget* w : places) y << rect_logique(w).y();
      return y;
    };
    const QList<int> avant = hauteurs();
    // Turned, square 1's man stands in square 32's place, in the picture of
    // that place; the players' panels and clocks change places.
    f->Inverser();
    QCOMPARE(hauteurs(), (QList<int>{avant[1], avant[0], avant[3], avant[2]}));
    QCOMPARE(pixel(f->scene->image(), cellule_2d(32, false) + QPoint(30, 30)), couleur_2d(genre_image(PION_NOIR)));
    QCOMPARE(pixel(f->Image5->image(), position_3d(32, false) + QPoint(3, 3)), couleur_3d(genre_image(PION_NOIR), 1, 32));
    // A frame stands over the square's picture, in its perspective, the
    // pictures themselves untouched.
    const QImage sans_cadre = f->Image5->image();
    f->encadrer_case(1, 0x00ffff);
    const QPolygonF contour = contour_3d(1, true, 0.03);
    const QPointF bord = (contour[2] + contour[3]) / 2;
    const QImage vu = f->Image5->grab().toImage();
    QCOMPARE(vu.pixel(int(bord.x() * vu.width() / LARGEUR_IMAGE5), int(bord.y() * vu.height() / HAUTEUR_IMAGE5)),
             qRgb(0, 255, 255));
    QVERIFY(f->Image5->image() == sans_cadre);
    // A click lands on the square shown under it, through the stage's
    // scale, on either board.
    QVERIFY(f->scene->echelle() > 1.2);
    for (bool relief_vu : {false, true}) {
      relief_vu ? f->Damier3D1Click() : f->Damier2D1Click();
      QCOMPARE(f->Panel10->isVisible(), relief_vu);
      clic_en_attente = 0;
      cliquer_case(*f, 7);
      QCOMPARE(clic_en_attente, 1);
      QCOMPARE(33 - ((clic_x - 20) / 60 / 2 + 4 * ((clic_y - 20) / 60) + 1), 7);
    }
    f->Inverser();
    QCOMPARE(hauteurs(), avant);
    QVERIFY(f->Image5->image() == relief);
    f->Damier2D1Click();
    QVERIFY(f->scene->image() == plan);

    // A rated game cannot be interrupted while the computer thinks.
    clic_en_attente = 0;
    ordinateur_au_trait = match_classe = 1;
    cliquer_case(*f, 7);
    QCOMPARE(clic_en_attente, 0);
    match_classe = 0;
  }

  void blindPlayNamesSavingThePictureSoundsAndQuitting() {
    auto f = demarrer(1);
    QVERIFY(f);
    const QPoint case22 = position_3d(22, false) + QPoint(20, 20);
    QCOMPARE(pixel(f->Image5->image(), case22), couleur_3d(genre_image(PION_BLANC), 1, 22));
    f->action("Jeuenaveugle1")->trigger();
    QVERIFY(!f->action("Arretrflexionparclicsouris1")->isChecked());
    QCOMPARE(pixel(f->Image5->image(), case22), couleur_planche(1));
    f->afficher_case(22, DAME_BLANCHE);  // nothing shows in blind play
    QCOMPARE(pixel(f->Image5->image(), case22), couleur_planche(1));
    f->action("Jeuenaveugle1")->trigger();
    QCOMPARE(pixel(f->Image5->image(), case22), couleur_3d(genre_image(PION_BLANC), 1, 22));

    f->action("Numroterlescase1")->trigger();
    QVERIFY(f->action("Alphabeticalnumber1")->isVisible());
    const QImage numerote = f->scene->image();
    f->action("Alphabeticalnumber1")->trigger();
    QVERIFY(f->scene->image() != numerote);
    f->action("Numroterlescase1")->trigger();
    QVERIFY(!f->action("Alphabeticalnumber1")->isVisible());

    const QString chemin = QString::fromStdString((dossier_ / "photo.bmp").string());
    dialogues_->reponse = chemin;
    f->action("Editerlimagefichierbmp1")->trigger();
    dialogues_->reponse.clear();
    QImage lue(chemin);
    QCOMPARE(lue.size(), f->Image5->image().size());
    QCOMPARE(lue.pixel(case22 * 2), f->Image5->image().pixel(case22 * 2));
    for (const auto& e : fs::directory_iterator(dossier_))
      QVERIFY2(e.path().string().find(".tmp") == std::string::npos, e.path().c_str());

    // Sounds play to their end, or not at all.
    const fs::path son = fs::path(CORVANE_BIN_DIR) / "son.wav";
    QVERIFY(jouer_wav(son, "null") && !jouer_wav(son, "no_such_device"));
    QVERIFY(!jouer_wav(dossier_ / "Corvane.html", "null") && !jouer_wav(dossier_ / "absent.wav", "null"));

    // "Quitter" ends the process with status 0 and frees the tables.
    QVERIFY(table_transposition != nullptr);
    f->action("Quitter1")->trigger();
    QCOMPARE(statut_fin_, 0);
    QVERIFY(table_transposition == nullptr);
    QCOMPARE(int(fin_programme), 1);
  }
};

QTEST_MAIN(Fenetre)

#include "fenetre_test.moc"
