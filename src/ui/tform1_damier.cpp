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
#include "game/input.h"
#include "game/marks.h"
#include "knowledge/learning.h"
#include "records/analysis.h"
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
  cadres[s] = Cadre{};  // drawn again, the square loses its frame
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
  // The human's squares always show in 3D, the computer's only with
  // "Indication des mouvements".
  cadres[s] = {couleur, session.indication_mouvements || ordinateur_au_trait == 0};
  marques_changees();
}

void TForm1::marques_changees() {
  scene->update();
  Image5->update();
}

namespace {

// Frames at the squares' edges (the move being entered, the last move) and
// inside them (the pieces that must capture, the hint), so that a square may
// carry both.
constexpr double RETRAIT_INTERIEUR_2D = 5.5;  // logical pixels inside the cell's edge
constexpr double RETRAIT_3D = 0.03, RETRAIT_INTERIEUR_3D = 0.11;  // shares of a square
constexpr double OPACITE_PRISE = 0.45;  // a taken piece shows faintly where it stood, crossed out
constexpr QRgb ROUGE_PRISE = qRgb(210, 0, 0);

QPen plume(std::uint32_t couleur, double epaisseur) {
  return QPen(QColor(QRgb(0xff000000u | couleur)), epaisseur, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// The marks a square carries besides the frames of the move being entered.
struct MarquesCase {
  std::uint32_t bord = 0, interieur = 0;  // frame colours (0: none)
  int prise = VIDE;                        // a piece the last move took here
};

MarquesCase marques_de(int s, bool dernier_coup, bool pieces) {
  MarquesCase m;
  if (dernier_coup) {
    if (s == case_arrivee_marquee) m.bord = COULEUR_ARRIVEE;
    if (s == case_depart_marquee) m.bord = COULEUR_DEPART;
    for (int k = 0; k < nb_prises_marquees; ++k)
      if (prises_marquees[k].case_ == s && pieces) m.prise = prises_marquees[k].piece;
  }
  if (pieces && case_marquee(cases_devant_prendre, s)) m.interieur = COULEUR_PRISE_OBLIGATOIRE;
  if (conseil_montre != 0) {
    bool sur_le_chemin = s == coup_conseille.depart;
    for (int j = 1; j < MAX_PRISES && escales_conseil[j] != 0; ++j) sur_le_chemin = sur_le_chemin || escales_conseil[j] == s;
    if (sur_le_chemin) m.interieur = COULEUR_CONSEIL;
  }
  return m;
}

}  // namespace

void TForm1::dessiner_marques(QPainter& p, bool relief) {
  const bool inverse = damier_inverse != 0;
  // The 3D board shows the computer's marks with "Indication des mouvements"
  // only, and in blind play nothing that tells where pieces stand.
  const bool dernier_coup = !relief || session.indication_mouvements;
  const bool pieces = !relief || !session.jeu_en_aveugle;
  for (int s = 1; s <= 32; ++s) {
    const MarquesCase m = marques_de(s, dernier_coup, pieces);
    const Cadre& c = cadres[s];
    const std::uint32_t bord = c.couleur != 0 && (!relief || c.en_relief) ? c.couleur : m.bord;
    if (m.prise == VIDE && bord == 0 && m.interieur == 0) continue;
    if (!relief) {
      const QPointF cellule = cellule_2d(s, inverse);
      if (m.prise != VIDE) {
        p.setOpacity(OPACITE_PRISE);
        p.drawImage(QRectF(cellule, QSizeF(COTE_CASE_2D, COTE_CASE_2D)), images_2d[genre_image(m.prise)]);
        p.setOpacity(1);
        p.setPen(plume(ROUGE_PRISE, 3));
        p.drawLine(cellule + QPointF(18, 18), cellule + QPointF(42, 42));
        p.drawLine(cellule + QPointF(42, 18), cellule + QPointF(18, 42));
      }
      p.setBrush(Qt::NoBrush);
      if (bord != 0) {
        // Two pixels just inside the cell's edges, as the board always framed.
        p.setPen(plume(bord, 2));
        p.drawRect(QRectF(cellule + QPointF(1, 1), QSizeF(COTE_CASE_2D - 2, COTE_CASE_2D - 2)));
      }
      if (m.interieur != 0) {
        const double r = RETRAIT_INTERIEUR_2D;
        p.setPen(plume(m.interieur, 3));
        p.drawRect(QRectF(cellule + QPointF(r, r), QSizeF(COTE_CASE_2D - 2 * r, COTE_CASE_2D - 2 * r)));
      }
    } else {
      const int k = case_image_3d(s, inverse);
      if (m.prise != VIDE && !images_3d[genre_image(m.prise)][k].isNull()) {
        const QImage& image = images_3d[genre_image(m.prise)][k];
        p.setOpacity(OPACITE_PRISE);
        p.drawImage(QRectF(position_3d(s, inverse), image.deviceIndependentSize()), image);
        p.setOpacity(1);
        // The cross lies on the square, in its perspective.
        const QPolygonF c = contour_3d(s, inverse, 0.3);
        p.setPen(plume(ROUGE_PRISE, 3));
        p.drawLine(c[0], c[2]);
        p.drawLine(c[1], c[3]);
      }
      p.setBrush(Qt::NoBrush);
      if (bord != 0) {
        p.setPen(plume(bord, 3));
        p.drawPolygon(contour_3d(s, inverse, RETRAIT_3D));
      }
      if (m.interieur != 0) {
        p.setPen(plume(m.interieur, 3.5));
        p.drawPolygon(contour_3d(s, inverse, RETRAIT_INTERIEUR_3D));
      }
    }
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
  // The analysis and a learning session own the board: a click would cut
  // their search and then play into the record they replay.
  if (analyse_ouverte != 0 || session_apprentissage != 0) return;
  // The click meant as the destination of a move already played: it stops
  // no search and starts no move.
  if (installation_en_cours == 0 && clic_superflu(case_du_clic(x, y, damier_inverse != 0))) return;
  clic_en_attente = 1;
  clic_x = x;
  clic_y = y;
  arret_calcul = 1;
}

void TForm1::DamierImage1Click(int x, int y) {
  if (ordinateur_au_trait != 0 && match_classe != 0) return;
  if (ordinateur_au_trait != 0 && !session.arret_par_clic) return;
  if (analyse_ouverte != 0 || session_apprentissage != 0) return;
  // The slot under the click, by the 3D positions (the last hit wins).
  int k = 0;
  for (int r = 0; r < 8; ++r)
    if (y3d[4 * r + 1] < y && y < y3d[4 * r + 1] + 60)
      for (int j = 4 * r + 1; j <= 4 * r + 4; ++j)
        if (x3d[j] < x && x < x3d[j] + 60) k = j;
  // Into the 2D board's pixels, inside slot k's square (no square for k = 0).
  const int r = (k - 1) / 4, p = (k - 1) % 4;
  const int x2d = 115 * (p + 1) - (r % 2 != 0 ? 58 : 0), y2d = 58 * r + 58;
  if (installation_en_cours == 0 && clic_superflu(case_du_clic(x2d, y2d, damier_inverse != 0))) return;
  clic_en_attente = 1;
  clic_x = x2d;
  clic_y = y2d;
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
