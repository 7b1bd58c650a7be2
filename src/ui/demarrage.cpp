#include "ui/demarrage.h"

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
#include "ui/composants.h"
#include "ui/formes.h"
#include "ui/images.h"
#include "ui/legendes.h"
#include "ui/panneau.h"
#include "ui/rendu.h"
#include "ui/scene.h"
#include "ui/fichiers.h"
#include "ui/installation.h"
#include "ui/tform1.h"

namespace {

// The four translated theme names of the introduction: themes 1, 2, 3, 7.
const char* const NOMS_TRADUITS[4] = {"msg.theme.classique", "msg.theme.nuit", "msg.theme.luxe",
                                      "msg.theme.grand_luxe"};
// Themes 4, 5, 6 and 8 carry these names in every language.
const char* const NOMS_FIXES[4] = {"Death Valley", "Key West", "Hawaï", "Mississipi River"};
const char* const VERSION = "Version 7.00";

// Help pages by language: the user guide and the rules, each language its
// own pages (Spanish rules and the Italian pages too, now that they are written).
const char* const PAGES_GUIDE[NB_LANGUES] = {"Corvane.html",   "Corvane_e.html",  "Corvane_nl.html",
                                             "Corvane_p.html", "Corvane_es.html", "Corvane_it.html"};
const char* const PAGES_REGLES[NB_LANGUES] = {"Rcorvane_f.html", "Rcorvane_e.html",  "Rcorvane_nl.html",
                                              "Rcorvane_p.html", "Rcorvane_es.html", "Rcorvane_it.html"};


bool fichier_lisible(const std::filesystem::path& p) {
  std::error_code ec;
  return std::filesystem::is_regular_file(p, ec) && ::access(p.c_str(), R_OK) == 0;
}

}  // namespace

// ---- activation and the introduction ----------------------------------------

void CommandesDemarrage::construire_apropos() {
  Panel8 = panneau(f.scene, "Panel8", 206, 120, 400, 290);
  Titre_apropos = etiquette(Panel8, "Titre_apropos", "", 0, 22, 400, 44, 30, Qt::AlignCenter);
  Titre_apropos->setStyleSheet("font-weight: bold;");
  Version_apropos = etiquette(Panel8, "Version_apropos", "", 0, 72, 400, 24, 15, Qt::AlignCenter);
  for (int i = 1; i <= 4; ++i) {
    const QByteArray nom = "Credits" + QByteArray::number(i);
    etiquette(Panel8, nom.constData(), "", 16, 106 + 26 * (i - 1) + (i == 4) * 8,
              368, 24, 13, Qt::AlignCenter);
  }
  auto* ok = bouton(Panel8, "BitBtn6", 160, 240, 80, 32);
  connect(ok, &QPushButton::clicked, this, &CommandesDemarrage::BitBtn6Click);
  Panel8->hide();
}

void CommandesDemarrage::construire_intro() {
  Intro = panneau(f.scene, "Intro", 32, 8, 737, 489);
  auto* titre = etiquette(Intro, "Titre_intro", "CORVANE 3D", 20, 18, 300, 56, 38);
  titre->setStyleSheet("font-weight: bold; color: rgb(110, 40, 20);");
  Version_intro = etiquette(Intro, "Version_intro", "Version 7.00", 22, 76, 300, 24, 15);
  for (int i = 1; i <= 4; ++i) {
    const QByteArray nom = "Credits" + QByteArray::number(i);
    etiquette(Intro, nom.constData(), "", 22, 112 + 22 * (i - 1) + (i == 4) * 10, 314, 22, 12);
  }
  etiquette(Intro, "Intro_langue", "", 22, 214, 300, 22, 13);
  struct Langue {
    const char* nom;
    const char* texte;
    void (CommandesDemarrage::*gestionnaire)();
  };
  const Langue langues[6] = {{"Button5", "Français", &CommandesDemarrage::Button5Click},
                             {"Button6", "English", &CommandesDemarrage::Button6Click},
                             {"Button7", "Nederlands", &CommandesDemarrage::Button7Click},
                             {"Button2", "Portugues", &CommandesDemarrage::Button2Click},
                             {"Button8", "Español", &CommandesDemarrage::Button8Click},
                             {"Button1A", "Italiano", &CommandesDemarrage::Button1AClick}};
  for (int i = 0; i < 6; ++i) {
    QPushButton* b = bouton(Intro, langues[i].nom, 22 + 150 * (i % 2), 242 + 38 * (i / 2), 140, 32);
    b->setText(QString::fromUtf8(langues[i].texte));
    connect(b, &QPushButton::clicked, this, langues[i].gestionnaire);
  }
  etiquette(Intro, "Intro_damier", "", 340, 16, 380, 22, 13);
  // Theme buttons in the introduction's order; the 2D board comes last.
  const int ordre[9] = {1, 2, 3, 4, 5, 6, 7, 8, 0};
  // The previews are read with the other pictures, once the program's
  // folder is known.
  const char* apercus[9] = {"apercu2d.bmp", "apercu1.bmp", "apercu2.bmp", "apercu3.bmp", "apercu4.bmp",
                            "apercu5.bmp",  "apercu6.bmp", "apercu7.bmp", "apercu8.bmp"};
  for (int i = 0; i < 9; ++i) {
    const int theme = ordre[i];
    const int x = 340 + 128 * (i % 3), y = 44 + 146 * (i / 3);
    const QByteArray nom = "Theme" + QByteArray::number(theme);
    auto* b = creer<QToolButton>(Intro, nom.constData());
    placer(b, x, y, 122, 86);
    b->setProperty("apercu", apercus[theme]);
    taille_icone(b, QSize(114, 76));
    b->setAutoRaise(false);
    connect(b, &QToolButton::clicked, this, [this, theme] { choisir_theme_intro(theme); });
    boutons_themes[theme] = b;
    const QByteArray nom_etiquette = "Nom_theme" + QByteArray::number(theme);
    noms_themes[theme] = etiquette(Intro, nom_etiquette.constData(), "", x, y + 88, 122, 22, 13, Qt::AlignCenter);
  }
  Intro->raise();
}


void CommandesDemarrage::choisir_repertoire() {
  if (f.repertoire.empty()) {
    // An installed program keeps the user's files in the user's data folder.
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    fixer_repertoire_depart(donnees.isEmpty() ? std::filesystem::path()
                                              : std::filesystem::path(donnees.toStdString()) / NOM_DOSSIER_UTILISATEUR);
  } else {
    repertoire_depart = f.repertoire;
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

void CommandesDemarrage::charger_images_formulaire() {
  // The form's piece pictures, exchanged when play begins.
  f.Image3->setPixmap(sans_fond(charger_image("Images1", "icone_blanc.bmp")));
  f.Image4->setPixmap(sans_fond(charger_image("Images1", "icone_noir.bmp")));
  for (QToolButton* b : boutons_themes)
    if (b) b->setIcon(QPixmap::fromImage(charger_image("", b->property("apercu").toString().toStdString())));
  // The set-up's piece buttons.
  const std::pair<QToolButton*, const char*> pieces[5] = {
      {f.installation->SpeedButton10, "b48.Bmp"}, {f.installation->SpeedButton11, "bd48.Bmp"},
      {f.installation->SpeedButton12, "n48.Bmp"}, {f.installation->SpeedButton13, "nd48.Bmp"},
      {f.installation->SpeedButton14, "v48.Bmp"}};
  for (const auto& [bouton, image] : pieces) bouton->setIcon(QPixmap::fromImage(charger_image("Images1", image)));
}

void CommandesDemarrage::FormActivate() {
  if (intro_terminee == 0 && !images_formulaire_lues_) {
    choisir_repertoire();
    charger_images_formulaire();
    images_formulaire_lues_ = true;
    f.fichiers->lire_reglages_derniere_partie();
  }
  const int langue = langue_affichee();
  changement_complet(langue);
}

void CommandesDemarrage::choisir_theme_intro(int theme) {
  if (intro_terminee != 0) return;
  if (theme >= 3 && !f.themes_lisibles_[theme]) theme = 1;  // checked again once start-up has looked
  Introduction();
  if (theme >= 3 && !f.themes_lisibles_[theme]) theme = 1;
  f.charger_theme(theme);
  // Without the classic pictures the 3D board cannot be shown: play in 2D.
  const bool theme_3d_choisi = theme != 0;
  if (theme != 0 && theme_courant == 0) f.charger_theme(0);
  Intro->deleteLater();
  Intro = nullptr;
  boutons_themes.fill(nullptr);
  noms_themes.fill(nullptr);
  if (theme_3d_choisi) f.fichiers->reprendre_derniere_partie();  // the 2D board starts a new game
  f.montrer_session();  // the clocks start unless the game is over
  if (f.boucle_au_depart) f.boucle_de_jeu();
}

void CommandesDemarrage::Introduction() {
  intro_terminee = 1;
  Titre_apropos->setText("CORVANE 3D");
  const QPixmap blanc = f.Image3->pixmap();
  f.Image3->setPixmap(f.Image4->pixmap());
  f.Image4->setPixmap(blanc);
  Version_apropos->setText(VERSION);
  if (Version_intro) Version_intro->setText(VERSION);

  f.Panel10->show();
  choisir_repertoire();
  // Themes 3 to 8 need their own background.
  for (int theme = 3; theme <= NB_THEMES; ++theme)
    f.themes_lisibles_[theme] = fichier_lisible(chemin_donnee("", "damier" + std::to_string(theme) + ".bmp"));
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
    f.erreur_fichier(QString::fromStdString(chemin_donnee("Images1", manquant.toStdString()).string()));
  theme_courant = 0;

  for (QWidget* w : std::initializer_list<QWidget*>{f.Panel6, f.Panel7, f.ListBox1, f.ListBox2, f.Joue, f.Onglet}) w->show();
  const Menus& m = f.menus;
  for (QMenu* menu : {m.Fichier1, m.Edition1, m.Affichage1, m.Joueurs1, m.Niveau1, m.Ouvertures1, m.Analyse2,
                      m.Apprentissage1, m.Options1})
    menu->menuAction()->setVisible(true);

  f.installation->remplir();

  // Game defaults: level 5, a training game against the computer, which
  // plays camp 1.
  temps_blancs = temps_noirs = 0;
  f.afficher_horloges();
  choisir_niveau(5);
  couleur_ordi = 1;
  nommer_joueur(nom_joueur_noir, NOM_ORDINATEUR);
  nommer_joueur(nom_joueur_blanc, NOM_INCONNU);
  f.Onglet->setCurrentWidget(f.Liste);
  match_classe = 0;
  f.montrer_session();

  vider_tables();
  charger_bases();
  fin_programme = 0;
}


// ---- languages ----------------------------------------------------------------

void CommandesDemarrage::changement_legendes(int langue) {
  langue_courante = static_cast<std::uint8_t>(langue);
  charger_traduction_qt(langue);
  appliquer_legendes(&f, table_legendes(langue));
  for (QWidget* fenetre : fenetres_secondaires())
    if (auto* s = qobject_cast<FenetreSecondaire*>(fenetre)) s->montrer_langue(langue);
  // The captions the tables set, then what the state composes over them.
  f.montrer_langue();
}

void CommandesDemarrage::changement_complet(int langue) {
  langue_courante = static_cast<std::uint8_t>(langue);
  const int themes_fixes[4] = {4, 5, 6, 8};
  for (int i = 0; i < 4; ++i) {
    f.menus.themes()[themes_fixes[i]]->setText(QString::fromUtf8(NOMS_FIXES[i]));
    if (noms_themes[themes_fixes[i]]) noms_themes[themes_fixes[i]]->setText(QString::fromUtf8(NOMS_FIXES[i]));
  }
  Titre_apropos->setText("CORVANE 3D");
  f.setWindowTitle(texte_catalogue(langue, "msg.titre_fenetre"));
  const int themes_traduits[4] = {1, 2, 3, 7};
  for (int i = 0; i < 4; ++i)
    if (noms_themes[themes_traduits[i]])
      noms_themes[themes_traduits[i]]->setText(texte_catalogue(langue, NOMS_TRADUITS[i]));
  if (noms_themes[0]) noms_themes[0]->setText(texte_catalogue(langue, "msg.theme.damier_2d"));
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

void CommandesDemarrage::Button5Click() { changement_complet(0); }
void CommandesDemarrage::Button6Click() { changement_complet(1); }
void CommandesDemarrage::Button7Click() { changement_complet(2); }
void CommandesDemarrage::Button2Click() { changement_complet(3); }
void CommandesDemarrage::Button8Click() { changement_complet(4); }
void CommandesDemarrage::Button1AClick() { changement_complet(5); }
void CommandesDemarrage::Franais1Click() { changement_legendes(0); }
void CommandesDemarrage::English1Click() { changement_legendes(1); }
void CommandesDemarrage::Nederlands1Click() { changement_legendes(2); }
void CommandesDemarrage::Portugues1Click() { changement_legendes(3); }
void CommandesDemarrage::Espanol1Click() { changement_legendes(4); }
void CommandesDemarrage::Italiano1Click() { changement_legendes(5); }


// ---- help and about -----------------------------------------------------------

void CommandesDemarrage::afficher_aide(const char* const pages[NB_LANGUES]) {
  // A language whose pages are not written yet reads the English ones, then the French.
  const int langue = f.langue_cochee();
  std::filesystem::path page;
  for (const char* nom : {pages[langue], pages[1], pages[0]}) {
    page = chemin_donnee("", nom);
    if (fichier_lisible(page)) break;
  }
  if (aide == nullptr) aide = new FenetreAide(&f);
  if (!aide->ouvrir(page)) {
    f.erreur_fichier(QString::fromStdString(page.string()));
    return;
  }
  aide->show();
  aide->raise();
  aide->activateWindow();
}

void CommandesDemarrage::Guide1Click() { afficher_aide(PAGES_GUIDE); }
void CommandesDemarrage::Rgles1Click() { afficher_aide(PAGES_REGLES); }

void CommandesDemarrage::Apropos1Click() {
  Panel8->show();
  Panel8->raise();
}

void CommandesDemarrage::BitBtn6Click() {
  Panel8->hide();
  f.placer_pions();
}

// ---- shut-down ------------------------------------------------------------------

void CommandesDemarrage::liberer_et_terminer() {
  vider_tables();
  fin_programme = 1;
  liberer_tables();
  ouvertures_blancs.clear();
  ouvertures_noirs.clear();
  terminer_processus(0);
}

void CommandesDemarrage::quitter() {
  arret_calcul = 1;
  f.changer_partie([this] {
    // A half-entered move is dropped; the game is kept for the next start.
    reprendre_position();
    // The move in progress keeps the time spent on it.
    if (f.Timer1->isActive()) noter_temps_en_cours();
    f.fichiers->ecrire_derniere_partie();
    fin_programme = 1;
    // The game loop ends the program at the end of its pass.
    if (!f.boucle_en_cours()) liberer_et_terminer();
  });
}

void CommandesDemarrage::exiter() {
  // During a rated game the window closes the toolkit's way, without this.
  if (match_classe != 0) return;
  arret_calcul = 1;
  liberer_et_terminer();
}
