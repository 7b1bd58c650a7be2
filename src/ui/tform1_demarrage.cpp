// Start-up, languages, help, about and shut-down of the main window.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QBitmap>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <unistd.h>

#include "evaluation/evaluation.h"
#include "game/clocks.h"
#include "game/game.h"
#include "game/input.h"
#include "game/levels.h"
#include "knowledge/books.h"
#include "knowledge/endgame.h"
#include "knowledge/learning.h"
#include "players/ratings.h"
#include "players/registry.h"
#include "records/files.h"
#include "rules/board.h"
#include "rules/notation.h"
#include "search/search.h"
#include "search/table.h"
#include "ui/aide.h"
#include "ui/formes.h"
#include "ui/images.h"
#include "ui/legendes.h"
#include "ui/panneau.h"
#include "ui/rendu.h"
#include "ui/scene.h"
#include "ui/tform1.h"

namespace {

// Texts that each language switch sets, in the order French, English,
// Dutch, Portuguese, Spanish, Italian.
const char* const TITRES_FENETRE[NB_LANGUES] = {"Corvane 3D, le jeu",   "Corvane 3D, the game",
                                                "Corvane 3D, the game", "Corvane 3D, o jogo",
                                                "Corvane 3D, el juego", "Corvane 3D, il gioco"};
// The four translated theme names of the introduction: themes 1, 2, 3, 7.
const char* const NOMS_TRADUITS[NB_LANGUES][4] = {{"Classique", "Nuit", "Luxe", "Grand luxe"},
                                                  {"Classic", "Night", "DeLuxe", "DeLuxe++"},
                                                  {"Classic", "Night", "DeLuxe", "DeLuxe++"},
                                                  {"Clássico", "Noite", "Luxo", "Luxo++"},
                                                  {"Clásico", "Noche", "Lujo", "Gran lujo"},
                                                  {"Classico", "Notte", "DeLuxe", "DeLuxe++"}};
const char* const NOM_2D[NB_LANGUES] = {"Damier 2D",    "2D board",   "2D bord",
                                        "Tabuleiro 2D", "Tablero 2D", "Damiera 2D"};
// Themes 4, 5, 6 and 8 carry these names in every language.
const char* const NOMS_FIXES[4] = {"Death Valley", "Key West", "Hawaï", "Mississipi River"};
const char* const VERSION = "Version 7.00";

// Help pages by language: the user guide and the rules.
const char* const PAGES_GUIDE[NB_LANGUES] = {"Corvane.html",   "Corvane_e.html",  "Corvane_nl.html",
                                             "Corvane_p.html", "Corvane_es.html", "Corvane_e.html"};
const char* const PAGES_REGLES[NB_LANGUES] = {"Rcorvane_f.html", "Rcorvane_e.html",  "Rcorvane_nl.html",
                                              "Rcorvane_p.html", "Rcorvane_e.html", "Rcorvane_e.html"};


bool fichier_lisible(const std::filesystem::path& p) {
  std::error_code ec;
  return std::filesystem::is_regular_file(p, ec) && ::access(p.c_str(), R_OK) == 0;
}

}  // namespace

// ---- activation and the introduction ----------------------------------------

void TForm1::choisir_repertoire() {
  if (repertoire.empty()) {
    // An installed program keeps the user's files in the user's data folder.
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    fixer_repertoire_depart(donnees.isEmpty() ? std::filesystem::path()
                                              : std::filesystem::path(donnees.toStdString()) / NOM_DOSSIER_UTILISATEUR);
  } else {
    repertoire_depart = repertoire;
    repertoire_utilisateur.clear();
  }
}

namespace {

// A piece picture on the colour of its corners, shown on a panel of any
// colour: the corner colour becomes transparent.
QPixmap sans_fond(const QImage& image) {
  if (image.isNull()) return {};
  QPixmap p = QPixmap::fromImage(image);
  p.setMask(QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, 0), Qt::MaskInColor)));
  return p;
}

}  // namespace

void TForm1::charger_images_formulaire() {
  // The form's piece pictures, exchanged when play begins.
  Image3->setPixmap(sans_fond(charger_image("Images1", "icone_blanc.bmp")));
  Image4->setPixmap(sans_fond(charger_image("Images1", "icone_noir.bmp")));
  for (QToolButton* b : boutons_themes)
    if (b) b->setIcon(QPixmap::fromImage(charger_image("", b->property("apercu").toString().toStdString())));
  // The set-up's piece buttons.
  const std::pair<QToolButton*, const char*> pieces[5] = {
      {SpeedButton10, "b48.Bmp"}, {SpeedButton11, "bd48.Bmp"}, {SpeedButton12, "n48.Bmp"},
      {SpeedButton13, "nd48.Bmp"}, {SpeedButton14, "v48.Bmp"}};
  for (const auto& [bouton, image] : pieces) bouton->setIcon(QPixmap::fromImage(charger_image("Images1", image)));
}

void TForm1::FormActivate() {
  if (intro_terminee == 0 && !images_formulaire_lues) {
    choisir_repertoire();
    charger_images_formulaire();
    images_formulaire_lues = true;
    lire_reglages_derniere_partie();
  }
  const int langue = langue_courante < NB_LANGUES ? langue_courante : 0;
  changement_complet(langue);
}

void TForm1::choisir_theme_intro(int theme) {
  if (intro_terminee != 0) return;
  if (theme >= 3 && !themes_lisibles_[theme]) theme = 1;  // checked again once start-up has looked
  Introduction();
  if (theme >= 3 && !themes_lisibles_[theme]) theme = 1;
  charger_theme(theme);
  // Without the classic pictures the 3D board cannot be shown: play in 2D.
  const bool theme_3d_choisi = theme != 0;
  if (theme != 0 && theme_courant == 0) charger_theme(0);
  Intro->deleteLater();
  Intro = nullptr;
  boutons_themes.fill(nullptr);
  noms_themes.fill(nullptr);
  if (theme_3d_choisi) reprendre_derniere_partie();  // the 2D board starts a new game
  demarrer_tours();
  Timer1->start();
  if (boucle_au_depart) boucle_de_jeu();
}

void TForm1::Introduction() {
  intro_terminee = 1;
  Titre_apropos->setText("CORVANE 3D");
  const QPixmap blanc = Image3->pixmap();
  Image3->setPixmap(Image4->pixmap());
  Image4->setPixmap(blanc);
  Version_apropos->setText(VERSION);
  if (Version_intro) Version_intro->setText(VERSION);

  Panel10->show();
  choisir_repertoire();
  // Themes 3 to 8 need their own background.
  for (int theme = 3; theme <= NB_THEMES; ++theme)
    themes_lisibles_[theme] = fichier_lisible(chemin_donnee("", "damier" + std::to_string(theme) + ".bmp"));
  if (Intro) Intro->hide();

  allouer_tables();
  charger_bibliotheques();
  charger_pool(chemin_donnee("", FICHIER_POOL).parent_path());
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  charger_parametres_defaut();

  // The 2D cells; a missing picture is replaced by a plain drawn cell.
  const char* fichiers_2d[NB_GENRES_IMAGE] = {"1pva.bmp", "1pba.BMP", "1dba.bmp", "1pna.bmp", "1dna.bmp"};
  QString manquant;
  for (int genre = 0; genre < NB_GENRES_IMAGE; ++genre) {
    images_2d[genre] = charger_image("Images1", fichiers_2d[genre], COTE_CASE_2D);
    if (images_2d[genre].isNull()) {
      images_2d[genre] = cellule_de_secours(genre);
      manquant = fichiers_2d[genre];
    }
  }
  cache_2d = charger_image("Images1", "1cache.BMP", COTE_CASE_2D);
  if (cache_2d.isNull()) {
    cache_2d = cellule_de_secours(-1);
    manquant = "1cache.BMP";
  }
  if (!manquant.isEmpty())
    erreur_fichier(QString::fromStdString(chemin_donnee("Images1", manquant.toStdString()).string()));
  theme_courant = 0;

  for (QWidget* w : std::initializer_list<QWidget*>{Panel6, Panel7, ListBox1, ListBox2, Joue, Onglet}) w->show();
  for (const char* nom : {"Fichier1", "Edition1", "Affichage1", "Joueurs1", "Niveau1", "Ouvertures1", "Analyse2",
                          "Apprentissage1", "Options1"})
    menu(nom)->menuAction()->setVisible(true);

  remplir();

  // Game defaults: level 5, a training game against the computer, which
  // plays camp 1.
  temps_blancs = temps_noirs = 0;
  for (QLabel* l : {minblanc, secblanc, minnoir, secnoir, minblanc3d, secblanc3d, minnoir3d, secnoir3d})
    l->setText("0");
  choisir_niveau(5);
  couleur_ordi = 1;
  nommer_joueur(nom_joueur_noir, NOM_ORDINATEUR);
  nommer_joueur(nom_joueur_blanc, NOM_INCONNU);
  Onglet->setCurrentWidget(Liste);
  match_classe = 0;
  montrer_session();

  vider_tables();
  charger_bases();
  fin_programme = 0;
}

void TForm1::remplir() {
  arret_calcul = 1;
  changer_partie([this] {
    damier_inverse = 0;
    deplacer(Panel6, 512, 8);
    deplacer(Panel7, 512, 428);
    deplacer(Horlogenoir3d, 712, 56);
    deplacer(Horlogeblanc3d, 712, 448);
    position_initiale();
    std::copy(std::begin(damier), std::end(damier), std::begin(damier_sauve));
    case_depart_marquee = case_arrivee_marquee = 0;
    ordinateur_au_trait = 0;
    match_classe = 0;
    commencer_partie();
    demarrer_tours();
    for (QLabel* l : {minblanc, secblanc, minnoir, secnoir, minblanc3d, secblanc3d, minnoir3d, secnoir3d})
      l->setText("0");
    abandonner_saisie();
    ListBox1->clear();
    placer_pions();
    afficher_nb_pieces();
    montrer_session();
  });
}

void TForm1::afficher_nb_pieces() {
  const QString blancs = QString::fromStdString(texte_nb_pieces(nb_pieces_blanches()));
  const QString noirs = QString::fromStdString(texte_nb_pieces(nb_pieces_noires()));
  Nbpionsblancs->setText(blancs);
  Nbb3d->setText(blancs);
  Nbpionsnoirs->setText(noirs);
  Nbn3d->setText(noirs);
}

// ---- languages ----------------------------------------------------------------

void TForm1::changement_legendes(int langue) {
  langue_courante = static_cast<std::uint8_t>(langue);
  appliquer_legendes(this, table_legendes(langue));
  for (QWidget* fenetre : fenetres_secondaires()) appliquer_legendes(fenetre, table_legendes(langue));
  // The captions the tables set, then what the state composes over them.
  montrer_session();
}

void TForm1::changement_complet(int langue) {
  langue_courante = static_cast<std::uint8_t>(langue);
  const int themes_fixes[4] = {4, 5, 6, 8};
  for (int i = 0; i < 4; ++i) {
    menus.themes()[themes_fixes[i]]->setText(QString::fromUtf8(NOMS_FIXES[i]));
    if (noms_themes[themes_fixes[i]]) noms_themes[themes_fixes[i]]->setText(QString::fromUtf8(NOMS_FIXES[i]));
  }
  Titre_apropos->setText("CORVANE 3D");
  setWindowTitle(QString::fromUtf8(TITRES_FENETRE[langue]));
  const int themes_traduits[4] = {1, 2, 3, 7};
  for (int i = 0; i < 4; ++i)
    if (noms_themes[themes_traduits[i]])
      noms_themes[themes_traduits[i]]->setText(QString::fromUtf8(NOMS_TRADUITS[langue][i]));
  if (noms_themes[0]) noms_themes[0]->setText(QString::fromUtf8(NOM_2D[langue]));
  if (intro_terminee == 0 && Intro) {
    Version_intro->setText(VERSION);
    // Credits and prompts exist in the languages whose caption tables exist.
    for (const char* nom : {"Credits1", "Credits2", "Credits3", "Credits4", "Intro_langue", "Intro_damier"}) {
      const QString texte = legende(langue, nom);
      if (!texte.isEmpty()) Intro->findChild<QLabel*>(nom)->setText(texte);
    }
  }
  changement_legendes(langue);
}

void TForm1::Button5Click() { changement_complet(0); }
void TForm1::Button6Click() { changement_complet(1); }
void TForm1::Button7Click() { changement_complet(2); }
void TForm1::Button2Click() { changement_complet(3); }
void TForm1::Button8Click() { changement_complet(4); }
void TForm1::Button1AClick() { changement_complet(5); }
void TForm1::Franais1Click() { changement_legendes(0); }
void TForm1::English1Click() { changement_legendes(1); }
void TForm1::Nederlands1Click() { changement_legendes(2); }
void TForm1::Portugues1Click() { changement_legendes(3); }
void TForm1::Espanol1Click() { changement_legendes(4); }
void TForm1::Italiano1Click() { changement_legendes(5); }

int TForm1::langue_cochee() const { return langue_courante < NB_LANGUES ? langue_courante : 0; }

// ---- help and about -----------------------------------------------------------

void TForm1::afficher_aide(const char* const pages[NB_LANGUES]) {
  // A language whose pages are not written yet reads the English ones, then the French.
  const int langue = langue_cochee();
  std::filesystem::path page;
  for (const char* nom : {pages[langue], pages[1], pages[0]}) {
    page = chemin_donnee("", nom);
    if (fichier_lisible(page)) break;
  }
  if (aide == nullptr) aide = new FenetreAide(this);
  if (!aide->ouvrir(page)) {
    erreur_fichier(QString::fromStdString(page.string()));
    return;
  }
  aide->show();
  aide->raise();
  aide->activateWindow();
}

void TForm1::Guide1Click() { afficher_aide(PAGES_GUIDE); }
void TForm1::Rgles1Click() { afficher_aide(PAGES_REGLES); }

void TForm1::Apropos1Click() {
  Panel8->show();
  Panel8->raise();
}

void TForm1::BitBtn6Click() {
  Panel8->hide();
  placer_pions();
}

// ---- shut-down ------------------------------------------------------------------

void TForm1::liberer_et_terminer() {
  vider_tables();
  fin_programme = 1;
  liberer_tables();
  ouvertures_blancs.clear();
  ouvertures_noirs.clear();
  terminer_processus(0);
}

void TForm1::quitter() {
  arret_calcul = 1;
  changer_partie([this] {
    // A half-entered move is dropped; the game is kept for the next start.
    std::copy(std::begin(damier_sauve), std::end(damier_sauve), std::begin(damier));
    damier[0] = HORS_DAMIER;
    recalculer_masques();
    ecrire_derniere_partie();
    fin_programme = 1;
    // The game loop ends the program at the end of its pass.
    if (boucle_en_cours_ == 0) liberer_et_terminer();
  });
}

void TForm1::exiter() {
  // During a rated game the window closes the toolkit's way, without this.
  if (match_classe != 0) return;
  arret_calcul = 1;
  liberer_et_terminer();
}
