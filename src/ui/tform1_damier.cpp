// The board on screen: the 2D board on the window canvas, the 3D picture
// Image5 in eight themes, turning, square names, blind play, the clicks on
// both boards and the options read by the game.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

#include "game/game.h"
#include "records/files.h"
#include "rules/board.h"
#include "search/search.h"
#include "ui/dialogues.h"
#include "ui/images.h"
#include "ui/legendes.h"
#include "ui/panneau.h"
#include "ui/rendu.h"
#include "ui/scene.h"
#include "ui/tform1.h"

namespace {

const char* const PREFIXES_3D[NB_GENRES_IMAGE] = {"pv", "pb", "db", "pn", "dn"};

// The folder of a theme's square pictures: "Nuit" shares "Images1".
int repertoire_du_theme(int theme) { return theme <= 2 ? 1 : theme; }

using JeuCases = std::array<std::array<QImage, 33>, NB_GENRES_IMAGE>;

// The square pictures of a folder; the name of the first missing one otherwise.
bool lire_cases_3d(int repertoire, JeuCases& jeu, std::string& manquant) {
  const std::string dossier = "Images" + std::to_string(repertoire);
  for (int s = 1; s <= 32; ++s)
    for (int genre = 0; genre < NB_GENRES_IMAGE; ++genre) {
      const std::string nom = PREFIXES_3D[genre] + std::to_string(repertoire) + "_" + std::to_string(s) + ".bmp";
      jeu[genre][s] = charger_image(dossier, nom);
      if (jeu[genre][s].isNull()) {
        manquant = chemin_donnee(dossier, nom).string();
        return false;
      }
    }
  return true;
}

bool lire_fond(int theme, QImage& scene, QImage& planche, std::string& manquant) {
  const std::string nom = "damier" + std::to_string(theme);
  planche = charger_image("", nom + "w.bmp", LARGEUR_IMAGE5);
  scene = charger_image("", nom + ".bmp", LARGEUR_IMAGE5);
  if (planche.isNull()) manquant = chemin_donnee("", nom + "w.bmp").string();
  if (scene.isNull()) manquant = chemin_donnee("", nom + ".bmp").string();
  return !planche.isNull() && !scene.isNull();
}

// Square names are written on a small silver tag, in black.
void ecrire_nom(QImage& toile, QPoint en, int s) {
  QPainter p(&toile);
  QFont f("DejaVu Sans");
  f.setPixelSize(10);
  p.setFont(f);
  const QString nom = QString::fromLatin1(noms_cases[s]);
  const QRect boite = p.fontMetrics().boundingRect(nom).adjusted(-2, 0, 2, 0);
  const QRect tag(en, QSize(boite.width(), boite.height()));
  p.fillRect(tag, QColor(GRIS_ARGENT));
  p.setPen(Qt::black);
  p.drawText(tag, Qt::AlignCenter, nom);
}

}  // namespace

QAction* TForm1::action_theme(int theme) const { return menus.themes()[theme]; }

void TForm1::erreur_fichier(const QString& chemin) {
  dialogues().message(this, texte_catalogue(langue_cochee(), "msg.impossible_ouvrir"),
                      texte_catalogue(langue_cochee(), "msg.erreur"), Dialogues::Icone::Erreur, chemin);
}

// ---- drawing ------------------------------------------------------------------

void TForm1::placer_pions() {
  if (images_2d[0].isNull()) return;  // nothing to draw before start-up
  QImage& toile = scene->image();
  {
    QPainter p(&toile);
    if (intro_terminee != 0) {
      p.setPen(Qt::white);
      p.drawPolyline(QPolygonF({{7.5, 7.5}, {509.5, 7.5}, {509.5, 509.5}, {7.5, 509.5}, {7.5, 7.5}}));
      p.setPen(QColor(128, 128, 128));
      p.drawPolyline(QPolygonF({{6.5, 6.5}, {508.5, 6.5}, {508.5, 508.5}, {6.5, 508.5}, {6.5, 6.5}}));
    }
    for (int i = 1; i <= 32; ++i) {
      const int r = (i - 1) / 4, c = (i - 1) % 4;
      p.drawImage(QPoint(120 * c + 60 * (r % 2) + 19, 60 * r + 25), cache_2d);
    }
  }
  for (int i = 1; i <= 32; ++i) afficher_case(i, damier_sauve[i]);
  scene->changee();
}

void TForm1::afficher_case(int s, int piece) {
  if (s < 1 || s > 32) return;
  const int genre = genre_image(piece);
  const bool inverse = damier_inverse != 0;
  if (!images_2d[genre].isNull()) {
    const QPoint cellule = cellule_2d(s, inverse);
    {
      QPainter p(&scene->image());
      p.drawImage(cellule, images_2d[genre]);
    }
    if (numerotation_active) ecrire_nom(scene->image(), cellule + QPoint(0, 47), s);
    scene->changee();
  }
  // In blind play the 3D picture keeps its empty board.
  const QImage& image = images_3d[genre][case_image_3d(s, inverse)];
  if (!image.isNull() && !session.jeu_en_aveugle) {
    const QPoint en = position_3d(s, inverse);
    {
      QPainter p(&Image5->image());
      p.drawImage(en, image);
    }
    if (numerotation_active) ecrire_nom(Image5->image(), en, s);
    Image5->changee();
  }
}

void TForm1::encadrer_case(int s, std::uint32_t couleur) {
  if (s < 1 || s > 32) return;
  const bool inverse = damier_inverse != 0;
  const QColor c(QRgb(0xff000000u | couleur));
  const QPoint cellule = cellule_2d(s, inverse);
  {
    // Two nested one-pixel frames just inside the cell's edges.
    QPainter p(&scene->image());
    for (int bord = 0; bord < 2; ++bord) {
      const QRect r(cellule.x() + bord, cellule.y() + bord, 60 - 2 * bord, 60 - 2 * bord);
      p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
      p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
      p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
      p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
    }
  }
  scene->changee();
  if (session.indication_mouvements || ordinateur_au_trait == 0) {
    const QPoint en = position_3d(s, inverse);
    QPainter p(&Image5->image());
    p.fillRect(QRect(en.x() + 25, en.y() + 25, 6, 6), c);
    Image5->changee();
  }
}

void TForm1::dessiner_fond_3d() {
  QPainter p(&Image5->image());
  p.fillRect(QRect(0, 0, LARGEUR_IMAGE5, HAUTEUR_IMAGE5), QColor(GRIS_ARGENT));
  if (!image_fond_3d_.isNull()) p.drawImage(0, 0, image_fond_3d_);
  if (!fond_theme.isNull()) p.drawImage(0, 0, fond_theme);
  p.end();
  Image5->changee();
}

// ---- themes -------------------------------------------------------------------

void TForm1::charger_theme(int theme) {
  using Gestionnaire = void (TForm1::*)();
  static const Gestionnaire gestionnaires[9] = {
      &TForm1::Damier2D1Click, &TForm1::Damier3D1Click, &TForm1::Damier3D2Click,
      &TForm1::Damier3D3Click, &TForm1::Damier3D4Click, &TForm1::Damier3D5Click,
      &TForm1::Damier3D6Click, &TForm1::Damier3D7Click, &TForm1::Damier3D8Click};
  (this->*gestionnaires[theme])();
}

bool TForm1::theme_3d(int theme) {
  // What each theme reloads: "Classique" and "Nuit" share their square
  // pictures, so moving between them reads only the other background.
  bool cases = true, fond = true;
  if (theme <= 2) {
    cases = theme_courant > 2 || theme_courant == 0;
    fond = theme_courant != theme;
  } else if (theme == 3) {
    cases = fond = theme_courant != 3;
  }
  // Everything is read before anything changes: a missing picture leaves
  // the board as it was.
  JeuCases jeu;
  QImage scene_fond, planche;
  std::string manquant;
  if ((cases && !lire_cases_3d(repertoire_du_theme(theme), jeu, manquant)) ||
      (fond && !lire_fond(theme, scene_fond, planche, manquant))) {
    erreur_fichier(QString::fromStdString(manquant));
    return false;
  }
  Panel10->show();
  session.vue = theme;
  montrer_session();
  if (cases)
    for (int genre = 0; genre < NB_GENRES_IMAGE; ++genre)
      for (int s = 1; s <= 32; ++s) images_3d[genre][s] = std::move(jeu[genre][s]);
  if (fond) {
    image_fond_3d_ = std::move(scene_fond);
    fond_theme = std::move(planche);
  }
  dessiner_fond_3d();
  placer_pions();
  theme_courant = static_cast<std::int8_t>(theme);
  return true;
}

void TForm1::Damier3D1Click() { theme_3d(1); }
void TForm1::Damier3D2Click() { theme_3d(2); }
void TForm1::Damier3D3Click() { theme_3d(3); }
void TForm1::Damier3D4Click() { theme_3d(4); }
void TForm1::Damier3D5Click() { theme_3d(5); }
void TForm1::Damier3D6Click() { theme_3d(6); }
void TForm1::Damier3D7Click() { theme_3d(7); }
void TForm1::Damier3D8Click() { theme_3d(8); }

void TForm1::Damier2D1Click() {
  // Leaving themes 3 to 8 puts the classic pictures back, ready for 3D.
  if (theme_courant > 2) {
    JeuCases jeu;
    QImage scene_fond, planche;
    std::string manquant;
    if (lire_cases_3d(1, jeu, manquant) && lire_fond(1, scene_fond, planche, manquant)) {
      for (int genre = 0; genre < NB_GENRES_IMAGE; ++genre)
        for (int s = 1; s <= 32; ++s) images_3d[genre][s] = std::move(jeu[genre][s]);
      image_fond_3d_ = std::move(scene_fond);
      fond_theme = std::move(planche);
      dessiner_fond_3d();
      theme_courant = 1;
    }
  }
  Panel10->hide();
  session.vue = VUE_2D;
  montrer_session();
  placer_pions();
}

// ---- turning, names, blind play -------------------------------

void TForm1::Inverser() {
  damier_inverse = static_cast<std::uint8_t>(1 - damier_inverse);
  montrer_session();
  placer_pions();
  echange_horloges();
  afficher_nb_pieces();
}

void TForm1::echange_horloges() {
  for (QWidget* p : std::initializer_list<QWidget*>{Panel6, Panel7})
    deplacer(p, rect_logique(p).x(), rect_logique(p).y() == 8 ? 428 : 8);
  for (QWidget* h : std::initializer_list<QWidget*>{Horlogeblanc3d, Horlogenoir3d})
    deplacer(h, rect_logique(h).x(), rect_logique(h).y() == 56 ? 448 : 56);
}

void TForm1::numerotation() {
  numerotation_active = static_cast<std::uint8_t>(1 - numerotation_active);
  montrer_session();
  placer_pions();
}

void TForm1::Alphabeticalnumber1Click() {
  session.noms_algebriques = !session.noms_algebriques;
  choisir_noms_cases(session.noms_algebriques);
  montrer_session();
  placer_pions();
}

void TForm1::Jeuenaveugle1Click() {
  session.jeu_en_aveugle = !session.jeu_en_aveugle;
  if (session.jeu_en_aveugle) {
    dessiner_fond_3d();
    session.arret_par_clic = false;
  } else {
    placer_pions();
  }
  montrer_session();
}

// ---- clicks -------------------------------------------------------------------

void TForm1::clic(int x, int y) {
  // A rated game cannot be interrupted while the computer thinks.
  if (ordinateur_au_trait != 0 && match_classe != 0) return;
  Learn->hide();
  if (ordinateur_au_trait != 0 && !session.arret_par_clic) return;
  clic_en_attente = 1;
  clic_x = x;
  clic_y = y;
  arret_calcul = 1;
}

void TForm1::DamierImage1Click(int x, int y) {
  if (ordinateur_au_trait != 0 && match_classe != 0) return;
  if (ordinateur_au_trait != 0 && !session.arret_par_clic) return;
  // The slot under the click, by the 3D positions (the last hit wins).
  int k = 0;
  for (int r = 0; r < 8; ++r)
    if (y3d[4 * r + 1] < y && y < y3d[4 * r + 1] + 60)
      for (int j = 4 * r + 1; j <= 4 * r + 4; ++j)
        if (x3d[j] < x && x < x3d[j] + 60) k = j;
  // Into the 2D board's pixels, inside slot k's square (no square for k = 0).
  const int r = (k - 1) / 4, p = (k - 1) % 4;
  clic_en_attente = 1;
  clic_x = 115 * (p + 1) - (r % 2 != 0 ? 58 : 0);
  clic_y = 58 * r + 58;
  arret_calcul = 1;
}

// ---- options the game reads ---------------------------------------------------------

void TForm1::basculer(bool& option) {
  option = !option;
  montrer_session();
}

void TForm1::Rflexionsurtempsadverse1Click() { basculer(session.reflexion_sur_temps_adverse); }
void TForm1::Arretrflexionparclicsouris1Click() { basculer(session.arret_par_clic); }
void TForm1::Indicationdesmouvements1Click() { basculer(session.indication_mouvements); }
void TForm1::Dcomposerlesprises1Click() { basculer(session.decomposer_prises); }
void TForm1::Bipchaquecoup2Click() { basculer(session.bip); }
void TForm1::Commentaires1Click() { basculer(session.commentaires); }
