// corvane-shots DIR: builds the real main window offscreen at 1920 x 1080
// and writes pictures of named states, to look at what users see.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "game/clocks.h"
#include "game/end.h"
#include "game/game.h"
#include "game/input.h"
#include "knowledge/exercices.h"
#include "knowledge/preuve.h"
#include "knowledge/problemes.h"
#include "game/marks.h"
#include "players/registry.h"
#include "records/files.h"
#include "records/analysis.h"
#include "records/game_file.h"
#include "records/pdn.h"
#include "search/root.h"
#include "records/text_games.h"
#include "rules/board.h"
#include "rules/fen.h"
#include "rules/moves.h"
#include "support/clics.h"
#include "ui/aide.h"
#include "ui/commentaire.h"
#include "ui/dialogues.h"
#include "ui/legendes.h"
#include "ui/panneau.h"
#include "ui/programme.h"
#include "ui/rendu.h"

namespace {

// A game of 60 plies (the analysis benchmark's), names on the sheet.
constexpr const char* PARTIE_ANALYSEE =
    "[Black \"Anna\"]\n[White \"Bruno\"]\n[GameType \"23\"]\n\n"
    "1. 12-16 24-19 2. 16-20 19-16 3. 11-15 16-12 4. 15-19 23x16 5. 20x11 28-24 6. 9-14 22-18 "
    "7. 14x23 26x19 8. 5-9 31-26 9. 9-13 25-22 10. 1-5 26-23 11. 11-15 30-25 12. 8-11 19-16 "
    "13. 11x20 22-17 14. 13x22 25x11 15. 7x16 12x19 16. 4-8 29-25 17. 8-11 21-17 18. 3-7 19-16 "
    "19. 10-15 16-12 20. 6-10 23-19 21. 15-18 17-13 22. 2-6 32-28 23. 11-16 19-15 24. 18x11 12x19 "
    "25. 10-14 25-22 26. 14-17 22-18 27. 17-21 19-15 28. 11-16 18-14 29. 16-19 14-10 30. 7x14 15-11 *\n";

// A middle game with kings of both colours.
constexpr const char* POSITION = "W:W14,18,21,K24,27,28,30:B2,K6,7,11,15,20,K29";

void poser(const char* fen) {
  Position pos;
  std::string erreur;
  if (!lire_fen(fen, pos, erreur)) {
    std::fprintf(stderr, "bad position: %s\n", erreur.c_str());
    std::exit(1);
  }
  placer_position(pos);
  std::copy(std::begin(damier), std::end(damier), std::begin(damier_sauve));
}

// A game in Cyrillic names as a federation's page gives it (algebraic,
// White first), and a Russian game whose second move crowns a man in the
// middle of a capture and goes on capturing with it.
constexpr const char* PARTIE_CYRILLIQUE =
    "[Event \"\xD0\x9A\xD1\x83\xD0\xB1\xD0\xBE\xD0\xBA\"]\r\n"
    "[White \"\xD0\x9F\xD1\x91\xD1\x82\xD1\x80 \xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2\"]\r\n"
    "[Black \"\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0 \xD0\xA1\xD0\xBC\xD0\xB8\xD1\x80\xD0\xBD\xD0\xBE\xD0\xB2\xD0\xB0\"]\r\n"
    "[Result \"*\"]\r\n\r\n"
    "1. c3-d4 f6-e5 2. d4xf6 g7xe5 3. b2-c3 h6-g5 4. c3-d4 e5xc3 5. d2xb4 *\r\n";
constexpr const char* PARTIE_RUSSE =
    "[GameType \"25\"]\r\n[White \"\xD0\xA1\xD0\xB5\xD1\x80\xD0\xB3\xD0\xB5\xD0\xB9\"]\r\n"
    "[Black \"\xD0\x9C\xD0\xB8\xD1\x85\xD0\xB0\xD0\xB8\xD0\xBB\"]\r\n"
    "[FEN \"W:Wf6,a1,c3,e3:Bd8,b6,h8\"]\r\n\r\n"
    "1. a1-b2 d8-e7 2. f6:d8:a5 h8-g7 *\r\n";

// Messages printed as DialoguesSansFenetre prints them, the last one kept
// to be pictured.
class MessagesGardes : public DialoguesSansFenetre {
 public:
  void message(QWidget* parent, const QString& texte, const QString& titre, Icone icone, const QString& detail) override {
    DialoguesSansFenetre::message(parent, texte, titre, icone, detail);
    dernier = {texte, titre, icone, detail};
  }
  struct Message {
    QString texte, titre;
    Icone icone = Icone::Information;
    QString detail;
  };
  std::optional<Message> dernier;
};

// Answers the open dialog with one file.
class OuvrirUnFichier : public DialoguesSansFenetre {
 public:
  explicit OuvrirUnFichier(QString f) : fichier(std::move(f)) {}
  QString fichier_a_ouvrir(QWidget*, const QString&, const QString&) override { return fichier; }
  QString fichier;
};

// A saved game of 40 plies, saved when it had been taken back to ply 21.
QString partie_sauvee(const QString& dossier) {
  position_initiale();
  nommer_joueur(nom_joueur_blanc, "H\xe9l\xe8ne");
  nommer_joueur(nom_joueur_noir, "Corvane");
  commencer_partie();
  unsigned graine = 12345;
  for (int h = 0; h < 40; ++h) {
    const int n = coups_legaux(trait);
    if (n == 0) break;
    graine = graine * 1103515245u + 12345u;
    horloge(trait) += 4 + static_cast<int>(graine >> 28);
    jouer_et_enregistrer(static_cast<int>((graine >> 16) % static_cast<unsigned>(n)));
  }
  nb_demi_coups = 21;
  trait = NOIRS;
  const QString fichier = dossier + "/partie.dam";
  if (!ecrire_partie(fichier.toStdString(), 0)) std::exit(1);
  return fichier;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: corvane-shots DIR\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QString dossier = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(dossier);
  terminer_processus = [](int) {};
  auto* messages = new MessagesGardes;
  installer_dialogues(std::unique_ptr<Dialogues>(messages));

  Fenetres fenetres;
  TForm1& form1 = fenetres.form1;
  form1.boucle_au_depart = false;
  form1.duree_animation = 0;
  form1.resize(1920, 1080);
  form1.show();
  if (!QTest::qWaitForWindowExposed(&form1)) return 1;
  form1.demarrage->FormActivate();
  int n = 0;
  auto photo = [&](const char* nom, QWidget* fenetre = nullptr) {
    QApplication::processEvents();
    const QString fichier = QString("%1/%2-%3.png").arg(dossier).arg(++n, 2, 10, QChar('0')).arg(nom);
    if (!(fenetre ? fenetre : &form1)->grab().save(fichier)) {
      std::fprintf(stderr, "cannot write %s\n", fichier.toLocal8Bit().constData());
      std::exit(1);
    }
    std::printf("%s\n", fichier.toLocal8Bit().constData());
  };

  photo("introduction");
  // The introduction in each language, through its buttons; French again after.
  const char* const langues[6] = {"fr", "en", "nl", "pt", "es", "it"};
  const char* const boutons_langues[6] = {"Button5", "Button6", "Button7", "Button2", "Button8", "Button1A"};
  for (int l : {1, 2, 3, 4, 5, 0}) {
    form1.findChild<QPushButton*>(boutons_langues[l])->click();
    if (l != 0) photo((std::string("introduction-") + langues[l]).c_str());
  }
  form1.demarrage->choisir_theme_intro(0);
  photo("2d-start");
  poser(POSITION);
  form1.numerotation();
  form1.placer_pions();
  photo("2d-names");
  form1.Inverser();
  photo("2d-names-turned");
  form1.Inverser();
  form1.numerotation();
  const char* themes[8] = {"classique", "nuit", "luxe", "death-valley", "key-west", "hawai", "grand-luxe",
                           "mississipi-river"};
  void (TForm1::*gestionnaires[8])() = {&TForm1::Damier3D1Click, &TForm1::Damier3D2Click, &TForm1::Damier3D3Click,
                                        &TForm1::Damier3D4Click, &TForm1::Damier3D5Click, &TForm1::Damier3D6Click,
                                        &TForm1::Damier3D7Click, &TForm1::Damier3D8Click};
  for (int t = 0; t < 8; ++t) {
    (form1.*gestionnaires[t])();
    photo((std::string("3d-") + themes[t]).c_str());
  }
  form1.Inverser();
  photo("3d-mississipi-river-turned");
  form1.Inverser();
  form1.Damier3D1Click();
  // The side to move plays its first legal move, framed as the computer's
  // last move is: the destination in aqua, the origin in silver.
  coups_legaux(trait);
  const Coup joue = listes_coups[1][0];
  jouer_coup(joue);
  std::copy(std::begin(damier), std::end(damier), std::begin(damier_sauve));
  auto encadrer = [&] {
    form1.placer_pions();
    form1.encadrer_case(joue.arrivee, 0x00ffff);
    form1.encadrer_case(joue.depart, 0xc0c0c0);
  };
  encadrer();
  photo("3d-framed-move");
  form1.Damier2D1Click();
  encadrer();
  photo("2d-framed-move");
  form1.demarrage->Apropos1Click();
  photo("about");
  form1.demarrage->BitBtn6Click();

  // Play: a king's capture being entered (its paths part after the first
  // capture: blue landing squares, magenta destinations), in 2D and 3D.
  poser("B:W9,10,14,24,25:B3,K13,26");
  form1.afficher_nb_pieces();
  ordinateur_au_trait = 0;
  auto cliquer_2d = [&](int s) { form1.clic1(60 * colonne(s) + 50, 60 * rangee(s) + 55); };
  form1.Damier3D1Click();
  cliquer_2d(20);
  photo("3d-capture-entry");
  abandonner_saisie();
  form1.Damier2D1Click();
  cliquer_2d(20);
  photo("2d-capture-entry");
  abandonner_saisie();
  for (QWidget* l : std::initializer_list<QWidget*>{form1.Label29, form1.Label30, form1.Label31}) l->hide();

  // What the board tells the player. A man with two moves taken up (red, its
  // destinations magenta) in two 3D themes and in 2D, the player's panels lit.
  poser("B:W17,21,22,23,25,26,27,29,30,31,32:B1,2,3,4,6,7,9,10,11,13");
  form1.afficher_nb_pieces();
  form1.montrer_session();
  const Case homme = 33 - 10;  // shown as 10
  for (void (TForm1::*theme)() : {&TForm1::Damier3D1Click, &TForm1::Damier3D4Click, &TForm1::Damier2D1Click}) {
    (form1.*theme)();
    cliquer_2d(homme);
    photo(theme == &TForm1::Damier2D1Click ? "2d-selection" : theme == &TForm1::Damier3D1Click ? "3d-selection-classique"
                                                                                              : "3d-selection-death-valley");
    cliquer_2d(homme);  // put down again
  }
  // The hint for that position, in 3D.
  form1.Damier3D1Click();
  form1.plateau->Conseil1Click();
  photo("3d-hint");
  effacer_marques_coup();
  // A capture to make: the two men that can capture are marked as the turn begins.
  poser("B:W17,18,19,21,26,27,30,31,32:B1,2,3,5,6,10,14,15,12");
  form1.placer_pions();
  form1.actualiser_prises_obligatoires();
  photo("3d-compulsory-capture");
  form1.Damier2D1Click();
  photo("2d-compulsory-capture");
  // The computer's only move takes two men: its squares framed, the men it
  // took shown faintly where they stood.
  poser("W:W28,29,31,32,25,22:B24,16,7,3,1,2,5,9,6,11");
  form1.placer_pions();
  form1.actualiser_prises_obligatoires();
  ordinateur_au_trait = 1;
  form1.tour_ordinateur();
  form1.actualiser_prises_obligatoires();
  form1.montrer_session();
  photo("2d-computer-move");
  form1.Damier3D1Click();
  photo("3d-computer-move");
  // Two players; black's capture takes white's last man: the end stays on
  // the board once its panel is closed, the list's last line with the result.
  form1.Ordinateur();
  nommer_joueur(nom_joueur_blanc, "Anna");
  nommer_joueur(nom_joueur_noir, "Bruno");
  poser("B:W18:B14,1,5,9");
  commencer_partie();
  form1.ListBox1->clear();
  form1.placer_pions();
  ordinateur_au_trait = 0;
  cliquer_2d(33 - 14);
  form1.BitBtn13Click();
  photo("3d-game-won-after-dialog");
  form1.Ordinateur();
  nommer_joueur(nom_joueur_blanc, "Inconnu");
  commencer_partie();
  form1.ListBox1->clear();
  cases_devant_prendre = 0;
  // A game in progress with both clocks running, then the computer's draw
  // offer, the result panel, and the set-up tab.
  poser(POSITION);
  resultat_partie = SANS_RESULTAT;  // the game won above is over: this one goes on
  temps_blancs = 754;
  temps_noirs = 1029;
  form1.montrer_session();
  form1.afficher_horloges();
  form1.afficher_nb_pieces();
  form1.placer_pions();
  form1.ListBox1->addItem(" 1.22-17 11-15");
  form1.ListBox1->addItem(" 2.17-13  9-14");
  photo("2d-game-clocks");
  form1.Damier3D7Click();
  photo("3d-game-clocks");
  form1.Match_nul->show();
  form1.Match_nul->raise();
  photo("draw-offer");
  form1.Annul_nulClick();
  // The player's offer, refused by a computer that stands better.
  score_racine = 400;
  reflexion_anticipee = 0;
  form1.ProposernulClick();
  photo("draw-refused");
  form1.AbandonClick();
  photo("result");
  form1.BitBtn13Click();
  photo("result-after-dialog");
  // A saved game just opened: its whole move list, the position of the ply
  // it was saved at.
  installer_dialogues(std::make_unique<OuvrirUnFichier>(partie_sauvee(QDir::tempPath())));
  form1.Damier2D1Click();
  form1.action("Ouvrir1")->trigger();
  messages = new MessagesGardes;
  installer_dialogues(std::unique_ptr<Dialogues>(messages));
  photo("2d-game-opened");
  form1.Damier3D1Click();
  photo("3d-game-opened");
  // The same on a smaller screen: the move list keeps to the band beside the board.
  form1.resize(1366, 768);
  photo("3d-game-opened-1366");
  // A screen without a band beside the stage: the list stands over the
  // picture, right of the board.
  form1.resize(1280, 1024);
  photo("3d-game-opened-1280x1024");
  form1.resize(1920, 1080);
  // The pick list of a text file holding several games.
  const std::vector<PartieLue> parties = lire_parties_texte(
      "Durand-Lef\xE8vre  2-0\r\n 1.11-15 24-19\r\n\r\nMartin-Nguyen  1-1\r\n 1.10-14 23-18\r\n\r\n"
      "Rossi-Dupont\r\n 1.09-13 22-17\r\n\r\nCorvane-\xC9lodie  0-2\r\n 1.12-16 21-17\r\n");
  form1.fichiers->ListBox16->clear();
  for (std::size_t i = 0; i < parties.size(); ++i)
    form1.fichiers->ListBox16->addItem(QString::fromStdString(ligne_choix_partie(static_cast<int>(i) + 1, parties[i])));
  form1.fichiers->ListBox16->setCurrentRow(1);
  form1.Panel2->show();
  form1.Panel2->raise();
  photo("pick-list");
  form1.Panel2->hide();
  form1.installation->Installeruneposition1Click();
  form1.installation->SpeedButton13Click();
  photo("set-up");
  form1.installation->Entrerpositionclick();
  form1.Onglet->setCurrentWidget(form1.Liste);

  // The players, over a registry of a folder of its own: the Match tab with
  // the registry's lists, a new player, and a rated game's result.
  QTemporaryDir dossier_registre;
  const std::filesystem::path dossier_programme = repertoire_depart;
  repertoire_depart = dossier_registre.path().toStdString();
  ecrire_registre(repertoire_depart, {{"Corvane", "Anna", "Bruno", "Chlo\xe9", "Denis"},
                                      {"2050", "1686", "1600", "1823", "1700"}});
  form1.Nouveau2Click();
  form1.Onglets_nouvelle->setCurrentIndex(1);
  form1.joueurs->ListBox9->setCurrentRow(3);
  form1.joueurs->ListBox9Click();
  photo("new-game-match");
  form1.Annule_nouveauClick();
  form1.joueurs->Match21Click();
  form1.joueurs->Joueur->setText("Emile");
  photo("new-player");
  form1.joueurs->OClick();
  form1.Nouveau2Click();
  form1.Onglets_nouvelle->setCurrentIndex(1);
  form1.joueurs->ListBox9->setCurrentRow(3);
  form1.joueurs->ListBox9Click();
  form1.joueurs->BitBtn16Click();
  form1.AbandonClick();
  photo("result-rated");
  form1.BitBtn13Click();
  repertoire_depart = dossier_programme;

  // An exercise of the program's folder opened from "Leçons, exercices et
  // problèmes" on the 3D board, its commentary window beside it as the
  // desktop shows them; solved by clicks on its solution's moves; then seen
  // again ("Revoir coup") and tried with another move.
  auto photo_exercice = [&](const char* nom) {
    form1.montrer_session();  // as the game loop shows it at its next pass
    QApplication::processEvents();
    QPixmap image = form1.grab();
    FenetreCommentaire* c = form1.exercices->commentaire;
    if (c && c->isVisible()) {
      const QPixmap fenetre = c->grab();
      QPainter peintre(&image);
      // Where the window stands over the main one.
      const QPoint coin = c->geometry().topLeft() - form1.mapToGlobal(QPoint(0, 0));
      peintre.fillRect(QRect(coin - QPoint(2, 2), fenetre.size() + QSize(4, 4)), QColor(60, 60, 60));
      peintre.drawPixmap(coin, fenetre);
    }
    const QString fichier = QString("%1/%2-%3.png").arg(dossier).arg(++n, 2, 10, QChar('0')).arg(nom);
    if (!image.save(fichier)) {
      std::fprintf(stderr, "cannot write %s\n", fichier.toLocal8Bit().constData());
      std::exit(1);
    }
    std::printf("%s\n", fichier.toLocal8Bit().constData());
  };
  // A move entered as a user clicks it, square by square.
  auto cliquer_coup = [&](const Coup& m) {
    coups_legaux(trait);
    const std::vector<Case> chemin = chemin_du_coup(m);
    const int ply = nb_demi_coups;
    for (int i = 0; i < 20 && nb_demi_coups == ply; ++i) {
      const QPoint centre = cellule_2d(prochain_clic(m, chemin, false), damier_inverse != 0) + QPoint(30, 30);
      form1.clic1(centre.x(), centre.y());
    }
  };
  std::filesystem::path exercice;
  for (const std::filesystem::path& p : lister_exercices(chemin_donnee("", DOSSIER_PROBLEMES))) {
    std::string raison;
    const std::optional<Exercice> e = lire_exercice(p, raison);
    if (exercice.empty() && p.filename().string().rfind("1-coup", 0) == 0 && e && e->solution.size() >= 3) exercice = p;
  }
  if (!exercice.empty()) {
    if (damier_inverse != 0) form1.Inverser();
    form1.Damier3D1Click();
    installer_dialogues(std::make_unique<OuvrirUnFichier>(QString::fromStdString(exercice.string())));
    form1.action("Problmes1")->trigger();
    messages = new MessagesGardes;
    installer_dialogues(std::unique_ptr<Dialogues>(messages));
    photo_exercice("exercise-opened");
    const std::vector<Coup> solution = exercice_ouvert.exercice.solution;
    for (std::size_t k = 0; k < solution.size(); k += 2) cliquer_coup(solution[k]);
    photo_exercice("exercise-solved");
    form1.exercices->Panel14Click();
    const int nb = coups_legaux(trait);
    for (int i = 0; i < nb; ++i)
      if (!meme_position_atteinte(listes_coups[1][i], solution[0])) {
        const Coup autre = listes_coups[1][i];
        cliquer_coup(autre);
        break;
      }
    photo_exercice("exercise-wrong");
    form1.exercices->commentaire->hide();
    ordinateur_au_trait = 0;
  }
  // A window of its own, at a size.
  auto photo_fenetre = [&](QWidget* w, int largeur, int hauteur, const char* nom) {
    w->resize(largeur, hauteur);
    photo(nom, w);
  };
  // The two opening-book editors over the books the program ships, a line
  // being written and selected.
  EditeurOuvertures* const editeurs[2] = {&fenetres.form2, &fenetres.form3};
  const char* const noms_editeurs[2] = {"book-editor-white", "book-editor-black"};
  for (int i = 0; i < 2; ++i) {
    EditeurOuvertures* e = editeurs[i];
    e->ouvrir(&form1);
    e->showNormal();  // the offscreen screen is small: the size of a maximised window on a 1080p screen
    const int rang = std::min(3, e->Liste_Ouvertures->count() - 1);
    if (rang >= 0) {
      e->Liste_Ouvertures->setCurrentRow(rang);
      e->Liste_OuverturesClick();
    }
    photo_fenetre(e, 1920, 1080, noms_editeurs[i]);
    e->BitBtn2Click();
  }
  // The help window, at the contents of the rules and of the guide.
  auto photo_aide = [&](void (CommandesDemarrage::*ouvrir)(), const char* nom) {
    (form1.demarrage->*ouvrir)();
    if (form1.demarrage->aide) photo_fenetre(form1.demarrage->aide, 1000, 800, nom);
  };
  photo_aide(&CommandesDemarrage::Rgles1Click, "help-rules");
  photo_aide(&CommandesDemarrage::Guide1Click, "help-guide");
  // The parameter editor, filled from the parameters in force, on a large
  // screen and on a small one.
  form1.editeurs->Changer1Click();
  fenetres.form5.showNormal();  // offscreen, maximised is the small screen's size
  for (QSize taille : {QSize(1920, 1080), QSize(1366, 768)}) {
    fenetres.form5.setGeometry(QRect(QPoint(0, 0), taille));
    photo(taille.width() > 1400 ? "parameters" : "parameters-small", &fenetres.form5);
  }
  form1.editeurs->parametrecancelClick();

  // The analysis of a 60-ply game at level 1: the window beside the board
  // halfway through (the graph filling in from the end), then done with a
  // starred line chosen, the panel "Apprendre ?", and both printouts as PDF.
  const std::vector<PartieLue> analysee = lire_parties_pdn(PARTIE_ANALYSEE);
  rejouer_partie(analysee[0], 1, true);
  aller_au_demi_coup(dernier_demi_coup);
  form1.navigation->reconstruire_liste_coups();
  form1.navigation->position_montree();
  form1.Niveau01Click();
  TForm4& analyse = fenetres.form4;
  auto photo_analyse = [&](const char* nom) {
    // The screen as the user sees it: the analysis window over the main one.
    QApplication::processEvents();
    QImage ecran = form1.grab().toImage();
    {
      QPainter p(&ecran);
      p.drawPixmap(analyse.geometry().topLeft() - form1.mapToGlobal(QPoint(0, 0)), analyse.grab());
    }
    const QString fichier = QString("%1/%2-%3.png").arg(dossier).arg(++n, 2, 10, QChar('0')).arg(nom);
    if (!ecran.save(fichier)) std::exit(1);
    std::printf("%s\n", fichier.toLocal8Bit().constData());
    photo((std::string(nom) + "-window").c_str(), &analyse);
  };
  debuter_analyse(0);
  for (int i = 0; i < 34; ++i) analyser_position();
  form1.analyse->montrer_fenetre();
  form1.analyse->montrer_analyse();
  form1.montrer_session();
  photo_analyse("analysis-running");
  while (analyser_position()) {
  }
  form1.navigation->position_montree();
  form1.analyse->montrer_analyse();
  form1.analyse->montrer_ligne(57);
  form1.analyse->fenetre_analyse()->ListBox1->setCurrentRow(57);
  photo_analyse("analysis-done");
  auto imprimer = [&](bool lignes_analyse, const char* nom) {
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    imprimante.setPageMargins(QMarginsF(18, 15, 15, 12), QPageLayout::Millimeter);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    const QString fichier = QString("%1/%2.pdf").arg(dossier, nom);
    imprimante.setOutputFileName(fichier);
    if (!form1.impression->imprimer(imprimante, lignes_analyse)) std::exit(1);
    std::printf("%s\n", fichier.toLocal8Bit().constData());
  };
  imprimer(false, "printed-game");
  imprimer(true, "printed-analysis");
  form1.analyse->Button4Click();
  photo("learn-panel");
  form1.apprentissage->Learn_noClick();

  // Each language through the menu: the 3D board with its panels during a
  // game, the 2D board with the search display and the set-up tab, the new
  // game's panel, the result of a rated game, a message box and a file dialog.
  const char* const articles_langues[6] = {"Franais1",   "English1", "Nederlands1",
                                           "Portugues1", "Espanol1", "Italiano1"};
  poser(POSITION);
  nb_demi_coups = 37;
  temps_blancs = 754;
  temps_noirs = 1029;
  form1.afficher_horloges();
  form1.afficher_nb_pieces();
  // The search display of a search that has gone nine plies deep.
  coups_legaux(trait);
  const Coup variante[1] = {listes_coups[1][0]};
  montrer_etat_recherche({9, 1234567, true, 12, -35, 19, variante, 1});
  // A folder of saved games for the file dialog.
  QTemporaryDir sauvegardes;
  for (const char* nom : {"Finale.dam", "Ouverture.dam", "Partie du club.dam"})
    QFile::copy(QDir::tempPath() + "/partie.dam", sauvegardes.filePath(nom));
  for (int l = 0; l < 6; ++l) {
    const std::string suffixe = std::string("-") + langues[l];
    auto nom = [&](const char* etat) { return std::string(etat) + suffixe; };
    form1.action(articles_langues[l])->trigger();
    form1.Damier3D1Click();
    form1.Proposernul->show();
    form1.Nulrefus->hide();
    photo(nom("3d-board").c_str());
    form1.Damier2D1Click();
    ordinateur_au_trait = 0;  // the human's turn: every tab may be chosen
    form1.Onglet->setCurrentWidget(form1.Calcul);
    photo(nom("2d-search").c_str());
    form1.installation->Installeruneposition1Click();
    photo(nom("2d-set-up").c_str());
    form1.installation->Entrerpositionclick();
    form1.Onglet->setCurrentWidget(form1.Liste);
    form1.Nouveau2Click();
    form1.Onglets_nouvelle->setCurrentIndex(0);
    photo(nom("new-game").c_str());
    form1.Onglets_nouvelle->setCurrentIndex(2);
    photo(nom("new-game-humans").c_str());
    form1.Annule_nouveauClick();
    form1.resultat_montre = {"msg.fin.temps_ordinateur", "", TForm1::ResultatMontre::Passage{"Corvane", 2050, 2062},
                             TForm1::ResultatMontre::Passage{"Chlo\u00e9", 1823, 1811}};
    form1.montrer_session();
    form1.fin_de_parties->show();
    form1.fin_de_parties->raise();
    photo(nom("result-rated").c_str());
    form1.BitBtn13Click();
    const auto boite = boite_message(&form1, texte_catalogue(l, "msg.impossible_ouvrir"),
                                     texte_catalogue(l, "msg.erreur"), Dialogues::Icone::Erreur,
                                     QString::fromStdString((std::filesystem::path(dossier.toStdString()) / "Sauve" /
                                                             "partie.dam").string()));
    boite->show();
    photo(nom("message").c_str(), boite.get());
    boite->close();
    QFileDialog fichiers(&form1, QString(), sauvegardes.path(), texte_catalogue(l, "msg.filtre.parties"));
    fichiers.setOption(QFileDialog::DontUseNativeDialog);
    fichiers.resize(760, 480);
    fichiers.show();
    photo(nom("file-dialog").c_str(), &fichiers);
    fichiers.close();
    // The parameter editor on a small screen.
    form1.editeurs->Changer1Click();
    fenetres.form5.showNormal();
    fenetres.form5.setGeometry(QRect(0, 0, 1366, 768));
    photo(nom("parameters-small").c_str(), &fenetres.form5);
    form1.editeurs->parametrecancelClick();
  }
  // The analysis window in each language: the last sixteen plies of the
  // analysed game, its lines and graph composed in that language.
  for (int l = 0; l < 6; ++l) {
    form1.action(articles_langues[l])->trigger();
    rejouer_partie(analysee[0], 1, true);
    aller_au_demi_coup(16);
    form1.navigation->reconstruire_liste_coups();
    form1.navigation->position_montree();
    debuter_analyse(l);
    while (analyser_position()) {
    }
    form1.navigation->position_montree();
    form1.analyse->montrer_fenetre();
    form1.analyse->montrer_analyse();
    form1.montrer_session();
    photo_analyse((std::string("analysis-") + langues[l]).c_str());
    form1.analyse->Button4Click();
    form1.apprentissage->Learn_noClick();
  }


  // Copy and paste, in French: a position pasted from a page in algebraic
  // squares, a game with Cyrillic names on both boards, and the message of
  // a Russian game stopped at a move our rules refuse.
  form1.action("Franais1")->trigger();
  messages->dernier.reset();
  QGuiApplication::clipboard()->setText("W:Wa1,c1,e1,b2,d2,f2,a3,c3,Kh4,e5:Bb6,d6,h6,a7,c7,e7,g7,b8,Kd8,h8.");
  form1.action("Coller1")->trigger();
  photo("pasted-position");
  QGuiApplication::clipboard()->setText(QString::fromUtf8(PARTIE_CYRILLIQUE));
  form1.action("Coller1")->trigger();
  photo("pasted-game-cyrillic-2d");
  form1.Damier3D1Click();
  photo("pasted-game-cyrillic-3d");
  form1.Damier2D1Click();
  QGuiApplication::clipboard()->setText(QString::fromUtf8(PARTIE_RUSSE));
  form1.action("Coller1")->trigger();
  photo("pasted-russian-game-stopped");
  if (!messages->dernier) {
    std::fprintf(stderr, "the Russian game did not stop\n");
    return 1;
  }
  const auto arret = boite_message(&form1, messages->dernier->texte, messages->dernier->titre,
                                   messages->dernier->icone, messages->dernier->detail);
  arret->show();
  photo("pasted-russian-game-message", arret.get());
  arret->close();
  QGuiApplication::clipboard()->setText("Bonjour, voici ma partie d'hier soir.");
  messages->dernier.reset();
  form1.action("Coller1")->trigger();
  if (!messages->dernier) return 1;
  const auto rien = boite_message(&form1, messages->dernier->texte, messages->dernier->titre,
                                  messages->dernier->icone, messages->dernier->detail);
  rien->show();
  photo("paste-nothing-message", rien.get());
  rien->close();
  return 0;
}
