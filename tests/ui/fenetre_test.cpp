// The main window, offscreen, over a program folder of its own holding
// small pictures of known colours: start-up, the menu, the themes, the
// board's geometry, clicks through the stage's scale, turning, blind play,
// saving the picture, help, quitting and sound.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "game/game.h"
#include "records/files.h"
#include "rules/board.h"
#include "search/search.h"
#include "search/table.h"
#include "ui/aide.h"
#include "ui/dialogues.h"
#include "ui/formes.h"
#include "ui/panneau.h"
#include "ui/rendu.h"
#include "ui/scene.h"
#include "ui/son.h"
#include "ui/tform1.h"

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

// Records the messages instead of showing them, and answers save dialogs.
class DialoguesDeTest : public Dialogues {
 public:
  QString fichier_a_sauver(QWidget*, const QString&, const QString&, const QString&, const QString&) override {
    return reponse;
  }
  QString fichier_a_ouvrir(QWidget*, const QString&, const QString&) override { return reponse; }
  void message(QWidget*, const QString& texte, const QString&, Icone, const QString& detail) override {
    messages << texte + " " + detail;
  }
  QString reponse;
  QStringList messages;
};

}  // namespace

class Fenetre : public QObject {
  Q_OBJECT

 public:
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
    std::ofstream(d / "Corvane.html") << "<html><head><title>Guide</title></head><body>Sommaire</body></html>";
    std::ofstream(d / "Corvane_e.html") << "<html><head><title>Guide</title></head><body>Contents</body></html>";
  }

  // A window as the program makes it, over the folder.
  std::unique_ptr<TForm1> ouvrir(int largeur = 1200, int hauteur = 800) {
    auto f = std::make_unique<TForm1>();
    f->repertoire = dossier_;
    f->boucle_au_depart = false;
    f->duree_animation = 0;
    f->resize(largeur, hauteur);
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get())) return nullptr;
    f->FormActivate();
    return f;
  }

  std::unique_ptr<TForm1> demarrer(int theme) {
    auto f = ouvrir();
    f->choisir_theme_intro(theme);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return f;
  }

  static QRgb pixel(const QImage& toile, QPoint logique) { return toile.pixel(logique * ECHELLE_IMAGES); }

  // Names read since the journal was emptied, relative to the folder.
  QStringList lus;

 private slots:
  void initTestCase() {
    QVERIFY(dossier_temp_.isValid());
    dossier_ = dossier_temp_.path().toStdString();
    creer_dossier(dossier_);
    crochet_lecture_fichier = [this](const fs::path& p, bool) {
      lus << QString::fromStdString(p.lexically_relative(dossier_).generic_string());
    };
    installer_dialogues(std::unique_ptr<Dialogues>(dialogues_ = new DialoguesDeTest));
    terminer_processus = [this](int statut) { statut_fin_ = statut; };
  }

  void init() {
    intro_terminee = 0;
    langue_courante = 0;
    theme_courant = 0;
    damier_inverse = 0;
    numerotation_active = 0;
    ordinateur_au_trait = 1;
    match_classe = 0;
    clic_en_attente = 0;
    for (auto& g : images_3d)
      for (auto& i : g) i = QImage();
    for (auto& i : images_2d) i = QImage();
    choisir_noms_cases(false);
    std::filesystem::remove(dossier_ / "last32.dam");  // no test starts from another's game
    dialogues_->messages.clear();
    lus.clear();
  }

  void cleanup() { liberer_tables(); }

  void startUpReadsTheKnowledgeThenPicturesThenDatabasesAndShowsTheMenus() {
    auto f = ouvrir();
    for (QAction* a : f->menuBar()->actions()) QCOMPARE(a->isVisible(), a->menu()->objectName() == "Aide1");
    QVERIFY(f->Intro->isVisible());
    QVERIFY(!f->Panel6->isVisible());
    lus.clear();
    QTest::mouseClick(f->boutons_themes[0], Qt::LeftButton);
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
    QVERIFY(f->findChild<QWidget*>("Intro") == nullptr);
    QVERIFY(f->Panel6->isVisible() && f->Panel7->isVisible() && f->Onglet->isVisible());
    QVERIFY(f->action("Damier2D1")->isChecked() && !f->Panel10->isVisible());
    QVERIFY(f->action("Niveau05")->isChecked());
    QCOMPARE(f->Nom_noir->text(), QString("Corvane"));
    QCOMPARE(f->Nbpionsblancs->text(), QString(" 12"));
    QVERIFY2(dialogues_->messages.filter("Images").isEmpty(),  // every picture was found, whatever the case
             qPrintable(dialogues_->messages.join('|')));
  }

  void menuHoldsEveryItemWithItsHandlerSeparatorsAndChecks() {
    TForm1 f;
    QStringList lignes;
    std::function<void(QMenu*, const QString&)> parcourir = [&](QMenu* m, const QString& chemin) {
      for (QAction* a : m->actions()) {
        if (a->isSeparator()) {
          lignes << chemin + "—";
        } else if (a->menu()) {
          lignes << chemin + a->text() + " >";
          parcourir(a->menu(), chemin + a->text() + " > ");
        } else {
          lignes << chemin + a->text() + " = " + a->property("gestionnaire").toString() +
                        (a->isChecked() ? " *" : "") + (a->isVisible() ? "" : " (hidden)");
        }
      }
    };
    for (QAction* a : f.menuBar()->actions()) parcourir(a->menu(), a->text() + " > ");
    const QString attendu = QString::fromUtf8(
        "Fichier > Nouveau = Nouveau2Click|Fichier > Humain contre humain = Ordinateur|"
        "Fichier > Ordinateur contre ordinateur = Ordinateurcontreordinateur1Click|Fichier > —|"
        "Fichier > Sauver = save|Fichier > Ouvrir = ouvre|Fichier > —|"
        "Fichier > Leçons, exercices et problèmes = Problmes1Click|"
        "Fichier > Installer une position = Installeruneposition1Click|Fichier > —|"
        "Fichier > Imprimer = Imprimer1Click|Fichier > Créer un fichier texte = Crerunfichiertexte1Click|"
        "Fichier > Créer un fichier PDN = CrerunfichierPDN1Click|"
        "Fichier > Ouvrir un fichier texte = Ouvrirunfichiertexte1Click|"
        "Fichier > Ouvrir un fichier ZUV = OuvrirunfichierZUV1Click (hidden)|"
        "Fichier > Editer l'image (fichier Bitmap) = Editerlimagefichierbmp1Click|Fichier > —|"
        "Fichier > Quitter = quitter|"
        "Edition > Reprendre coups = reprise|Edition > Avancer coups = avancer|"
        "Edition > Revenir au début = revenir_debut|Edition > Aller à la fin = Aller_fin|"
        "Affichage > Damier 2D jaune = Damier2D1Click|Affichage > Classique = Damier3D1Click|"
        "Affichage > Copacabana = Damier3D4Click|Affichage > Nuit = Damier3D2Click|"
        "Affichage > Luxe = Damier3D3Click|Affichage > Ipanema = Damier3D5Click|"
        "Affichage > Inferno = Damier3D6Click|Affichage > Grand luxe = Damier3D7Click|"
        "Affichage > Salvador da Bahia = Damier3D8Click|Affichage > —|Affichage > Inverser damier = Inverser|"
        "Joueurs > Nouveau joueur = Match21Click|Joueurs > Effacer un joueur = Effacerunjoueur1Click|"
        "Joueurs > Inverser les joueurs = inverser_joueurs|Joueurs > Changer les noms = Changerlesnoms1Click|"
        "Niveau > 0 : Néophyte = Dbutant1Click|Niveau > 1 : Débutant = Niveau01Click|"
        "Niveau > 2 : Amateur = Niveau02Click|Niveau > 3 : Promotion = Niveau03Click|"
        "Niveau > 4 : Honneur = Niveau04Click|Niveau > 5 : Excellence = Niveau05Click|"
        "Niveau > 6 : Maître = Niveau06Click|Niveau > 7 : Grand Maître = Niveau07Click|"
        "Niveau > 8 : Grand Maître International = Niveau081Click|Niveau > —|Niveau > X : Spécial >|"
        "Niveau > X : Spécial > 1 : 30 coups en 3 mn = niveau1|Niveau > X : Spécial > 2 : 30 coups en 5 mn = niveau2|"
        "Niveau > X : Spécial > 3 : 30 coups en 10 mn = niveau3|"
        "Niveau > X : Spécial > 4 : 30 coups en 30 mn = niveau4|Niveau > X : Spécial > 5 : 30 coups en 1 h = niveau5|"
        "Niveau > X : Spécial > 6 : 30 coups en 2 h = niveau6|Niveau > X : Spécial > 7 : long, long = niveau7|"
        "Niveau > X : Spécial > Autre = N8Autre1Click|"
        "Paramétrage > Bibliothèques actives = Bibliothquesactives1Click *|"
        "Paramétrage > Changer bibliothèque ouvertures = Changerbibliothqueouvertures1Click|"
        "Paramétrage > Ouvertures pour les blancs = Ouverturespourlesblancs1Click|"
        "Paramétrage > Ouvertures pour les noirs = Ouverturespourlesnoirs1Click|Paramétrage > —|"
        "Paramétrage > Modifier les paramètres = Changer1Click|"
        "Paramétrage > Sauver les paramètres = Sauverlesparamtres1Click|"
        "Paramétrage > Charger des paramètres = Chargerdesparamtres1Click|"
        "Analyse > Débuter une analyse = Analyser|Analyse > Arrêter cette phase = pause|"
        "Analyse > Terminer l'analyse = Button4Click|"
        "Apprentissage > Lancer une session = Lancerunesession1Click|"
        "Apprentissage > Arrêter la session = Arrterlasession1Click|"
        "Apprentissage > Charger des leçons = Chargerdesleons1Click|"
        "Options > Numéroter les cases = numerotation|"
        "Options > Alphabetical number = Alphabeticalnumber1Click (hidden)|Options > Arrêt du calcul = pause|"
        "Options > Horloges à zéro = Horlogeszro1Click|Options > Pause = Pause2Click|Options > —|"
        "Options > Réflexion sur temps adverse = Rflexionsurtempsadverse1Click *|"
        "Options > Arret réflexion par clic souris = Arretrflexionparclicsouris1Click *|"
        "Options > Indication des mouvements = Indicationdesmouvements1Click *|"
        "Options > Décomposer les prises = Dcomposerlesprises1Click *|Options > —|Options > Sons >|"
        "Options > Sons > Bip à chaque coup = Bipchaquecoup2Click *|Options > Sons > Autres = Commentaires1Click *|"
        "Options > Jeu en aveugle = Jeuenaveugle1Click|Options > —|"
        "Options > Taille des tables de transposition >|"
        "Options > Taille des tables de transposition > 0 Mo = N0Mo1Click|"
        "Options > Taille des tables de transposition > 0,7 Mo = N07Mo1Click|"
        "Options > Taille des tables de transposition > 1,5Mo = N15Mo1Click *|"
        "Options > Taille des tables de transposition > 3Mo = N3Mo1Click|"
        "Options > Taille des tables de transposition > 5Mo = N5Mo1Click|"
        "Options > Taille des tables de transposition > 10Mo = N10Mo1Click|"
        "Options > Taille des tables de transposition > 15Mo = N15Mo2Click|"
        "Options > Taille des tables de transposition > 25Mo = N30Mo1Click|"
        "Aide > Documentation = Guide1Click|Aide > Règles = Rgles1Click|Aide > A propos... = Apropos1Click|"
        "Aide > —|Aide > Idioma/Langue/Language/Taal >|Aide > Idioma/Langue/Language/Taal > Portugues = Button2Click|"
        "Aide > Idioma/Langue/Language/Taal > Français = Button5Click *|"
        "Aide > Idioma/Langue/Language/Taal > English = Button6Click|"
        "Aide > Idioma/Langue/Language/Taal > Nederlands = Button7Click|"
        "Aide > Idioma/Langue/Language/Taal > Español = Button8Click|"
        "Aide > Idioma/Langue/Language/Taal > Italiano = Button1AClick");
    QCOMPARE(lignes.join('|'), attendu);
    // An item that can be chosen does what its handler says; the others
    // wait, disabled, for their features.
    for (QAction* a : f.findChildren<QAction*>())
      if (a->isEnabled() && !a->menu() && !a->isSeparator())
        QVERIFY2(f.metaObject()->indexOfSlot((a->property("gestionnaire").toString() + "()").toLatin1()) >= 0,
                 qPrintable(a->objectName()));
  }

  void themesReloadOnlyWhatChanges() {
    auto f = demarrer(2);
    QCOMPARE(int(theme_courant), 2);
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
    QCOMPARE(pixel(f->Image5->image(), {x3d[32] + 3, y3d[32] + 3}), couleur_3d(genre_image(PION_BLANC), 4, 32));
    QCOMPARE(pixel(f->Image5->image(), {700, 500}), couleur_scene(4));
    QCOMPARE(pixel(f->Image5->image(), {700, 10}), couleur_planche(4));
  }

  void aMissingBackgroundDisablesItsThemeAndTheIntroductionFallsBack() {
    const fs::path fond = dossier_ / "damier5.bmp";
    fs::rename(fond, dossier_ / "ailleurs.bmp");
    auto f = demarrer(5);
    fs::rename(dossier_ / "ailleurs.bmp", fond);
    QVERIFY(!f->action("Damier3D5")->isEnabled());
    QVERIFY(f->action("Damier3D6")->isEnabled());
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

  void squaresAreDrawnWhereTheBoardPutsThem() {
    QCOMPARE(cellule_2d(1, false), QPoint(79, 25));
    QCOMPARE(cellule_2d(1, true), QPoint(379, 445));
    QCOMPARE(cellule_2d(32, false), QPoint(379, 445));
    QCOMPARE(position_3d(32, false), QPoint(478, 370));
    QCOMPARE(position_3d(1, true), QPoint(478, 370));
    QCOMPARE(case_image_3d(1, true), 32);
    auto f = demarrer(1);
    f->afficher_case(1, DAME_NOIRE);
    QCOMPARE(pixel(f->scene->image(), {79 + 30, 25 + 30}), couleur_2d(genre_image(DAME_NOIRE)));
    QCOMPARE(pixel(f->Image5->image(), {197 + 3, 57 + 3}), couleur_3d(genre_image(DAME_NOIRE), 1, 1));
    f->Inverser();  // square 1's man now stands at the bottom right, in square 32's place
    QCOMPARE(pixel(f->scene->image(), {379 + 30, 445 + 30}), couleur_2d(genre_image(PION_NOIR)));
    QCOMPARE(pixel(f->Image5->image(), {478 + 3, 370 + 3}), couleur_3d(genre_image(PION_NOIR), 1, 32));
    f->encadrer_case(1, 0x00ffff);
    QCOMPARE(pixel(f->scene->image(), {379, 445}), qRgb(0, 255, 255));
    QCOMPARE(pixel(f->scene->image(), {379 + 1, 445 + 58}), qRgb(0, 255, 255));
    QCOMPARE(pixel(f->scene->image(), {379 + 2, 445 + 2}), couleur_2d(genre_image(PION_NOIR)));
    QCOMPARE(pixel(f->Image5->image(), {478 + 27, 370 + 27}), qRgb(0, 255, 255));
  }

  void clicksAreMappedBackThroughTheStagesScale() {
    auto f = demarrer(0);
    ordinateur_au_trait = 0;
    const double s = f->scene->echelle();
    QVERIFY(s > 1.2);
    const QPointF physique = f->scene->origine() + QPointF(100.5, 60.5) * s;
    QTest::mouseClick(f->scene, Qt::LeftButton, {}, physique.toPoint());
    QCOMPARE(clic_en_attente, 1);
    QCOMPARE(QPoint(clic_x, clic_y), QPoint(100, 60));

    f->Damier3D1Click();
    clic_en_attente = 0;
    const QPointF dans_image(f->Image5->width() * (x3d[32] + 10.5) / LARGEUR_IMAGE5,
                             f->Image5->height() * (y3d[32] + 10.5) / HAUTEUR_IMAGE5);
    QTest::mouseClick(f->Image5, Qt::LeftButton, {}, dans_image.toPoint());
    QCOMPARE(clic_en_attente, 1);
    // Into the 2D board's pixels: the cell of square 32.
    QCOMPARE((clic_x - 20) / 60 / 2 + 4 * ((clic_y - 20) / 60) + 1, 32);

    // A rated game cannot be interrupted while the computer thinks.
    clic_en_attente = 0;
    ordinateur_au_trait = 1;
    match_classe = 1;
    QTest::mouseClick(f->scene, Qt::LeftButton, {}, physique.toPoint());
    QCOMPARE(clic_en_attente, 0);
    match_classe = 0;
  }

  void turningTwiceGivesBackThePictureAndTheClockPlaces() {
    auto f = demarrer(3);
    const QImage plan = f->scene->image(), relief = f->Image5->image();
    f->Inverser();
    QCOMPARE(rect_logique(f->Panel6).y(), 428);
    QCOMPARE(rect_logique(f->Panel7).y(), 8);
    QCOMPARE(rect_logique(f->Horlogenoir3d).y(), 448);
    QCOMPARE(rect_logique(f->Horlogeblanc3d).y(), 56);
    QVERIFY(f->scene->image() != plan && f->Image5->image() != relief);
    f->Inverser();
    QVERIFY(f->scene->image() == plan);
    QVERIFY(f->Image5->image() == relief);
    QCOMPARE(rect_logique(f->Panel6).y(), 8);
    QCOMPARE(rect_logique(f->Horlogeblanc3d).y(), 448);
  }

  void namesBlindPlayAndSavingThePicture() {
    auto f = demarrer(1);
    const QPoint case22 = position_3d(22, false) + QPoint(20, 20);
    QCOMPARE(pixel(f->Image5->image(), case22), couleur_3d(genre_image(PION_BLANC), 1, 22));
    f->action("Jeuenaveugle1")->trigger();
    QVERIFY(f->action("Jeuenaveugle1")->isChecked());
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
    QCOMPARE(QString(noms_cases[1]), QString("b8"));
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
  }

  void helpOpensThePageOfTheCheckedLanguage() {
    auto f = ouvrir();
    dialogues_->messages.clear();  // no saved game in this folder
    f->action("Guide1")->trigger();
    QVERIFY(f->aide && f->aide->isVisible());
    QVERIFY(f->aide->navigateur()->source().toLocalFile().endsWith("/Corvane.html"));
    QTest::mouseClick(f->findChild<QPushButton*>("Button6"), Qt::LeftButton);  // English
    QVERIFY(f->action("English1")->isChecked() && !f->action("Franais1")->isChecked());
    QCOMPARE(f->windowTitle(), QString("Corvane 3D, the game"));
    QCOMPARE(f->findChild<QLabel*>("Nom_theme1")->text(), QString("Classic"));
    f->action("Guide1")->trigger();
    QVERIFY(f->aide->navigateur()->source().toLocalFile().endsWith("/Corvane_e.html"));
    f->action("Rgles1")->trigger();  // no rules page in this folder
    QCOMPARE(dialogues_->messages.size(), 1);
    QVERIFY(dialogues_->messages[0].startsWith("Impossible d'ouvrir ce fichier"));
  }

  void quitEndsTheProcessWithStatusZeroAndFreesTheTables() {
    auto f = demarrer(0);
    QVERIFY(table_transposition != nullptr);
    statut_fin_ = -1;
    f->action("Quitter1")->trigger();
    QCOMPARE(statut_fin_, 0);
    QVERIFY(table_transposition == nullptr);
    QCOMPARE(int(fin_programme), 1);
  }

  void soundsPlayToTheirEndOrNotAtAll() {
    // 0.05 s of a 440 Hz tone, 16-bit mono.
    QByteArray donnees;
    for (int i = 0; i < 1102; ++i) {
      const auto v = static_cast<std::int16_t>(8000 * std::sin(i * 2 * M_PI * 440 / 22050));
      donnees.append(static_cast<char>(v & 0xff)).append(static_cast<char>((v >> 8) & 0xff));
    }
    auto mot = [](QByteArray& b, std::uint32_t v, int n) {
      for (int i = 0; i < n; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    QByteArray wav("RIFF");
    mot(wav, 36 + donnees.size(), 4);
    wav.append("WAVEfmt ");
    mot(wav, 16, 4), mot(wav, 1, 2), mot(wav, 1, 2), mot(wav, 22050, 4), mot(wav, 44100, 4), mot(wav, 2, 2);
    mot(wav, 16, 2);
    wav.append("data");
    mot(wav, donnees.size(), 4);
    wav.append(donnees);
    const fs::path son = dossier_ / "son.wav";
    QFile f(QString::fromStdString(son.string()));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(wav);
    f.close();
    QVERIFY(jouer_wav(son, "null"));
    QVERIFY(!jouer_wav(son, "no_such_device"));
    QVERIFY(!jouer_wav(dossier_ / "Corvane.html", "null"));
    QVERIFY(!jouer_wav(dossier_ / "absent.wav", "null"));
  }

 private:
  QTemporaryDir dossier_temp_;
  fs::path dossier_;
  DialoguesDeTest* dialogues_ = nullptr;
  int statut_fin_ = -1;
};

int main(int argc, char** argv) {
  // Qt wants a private runtime folder.
  char modele[] = "/tmp/corvane-ui-XXXXXX";
  if (const char* d = mkdtemp(modele)) setenv("XDG_RUNTIME_DIR", d, 1);
  QApplication application(argc, argv);
  Fenetre tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "fenetre_test.moc"
