#include "ui/tform4.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "game/session.h"
#include "records/analysis.h"
#include "ui/analyse.h"
#include "ui/impression.h"
#include "ui/legendes.h"
#include "ui/scene.h"
#include "ui/tform1.h"

namespace {

const QColor FOND_GRAPHE(232, 228, 216);
const QColor AVANCE_PREMIER(45, 45, 45, 170);    // the first side's pieces are drawn black
const QColor AVANCE_SECOND(255, 255, 255, 235);  // the second side's white
const QColor COULEUR_COURBE(30, 60, 140);
const QColor COULEUR_GAFFE(205, 25, 25);
const QColor COULEUR_MAUVAIS(240, 145, 0);

// Move numbers along the bottom: every `pas` moves, no more than about a dozen.
int pas_numeros(int coups) {
  for (int pas : {1, 2, 5, 10, 20, 50})
    if (coups / pas <= 12) return pas;
  return 100;
}

}  // namespace

// ---- the graph ------------------------------------------------------------------

GrapheAnalyse::GrapheAnalyse(QWidget* parent) : QWidget(parent) {
  setObjectName("Graphe");
  setMinimumHeight(120);
  setCursor(Qt::PointingHandCursor);
}

void GrapheAnalyse::montrer(std::vector<PointCourbe> points, int dernier, int courant, const QString& legende) {
  points_ = std::move(points);
  dernier_ = std::max(0, dernier);
  courant_ = courant;
  legende_ = legende;
  update();
}

QRectF GrapheAnalyse::zone() const {
  const QFontMetricsF fm(font());
  const double gauche = fm.horizontalAdvance("+3") + fm.height();
  const double haut = fm.height() * 1.7, bas = fm.height() * 1.5;
  return QRectF(gauche, haut, std::max(1.0, width() - gauche - fm.height() * 0.8),
                std::max(1.0, height() - haut - bas));
}

double GrapheAnalyse::x_de(int demi_coup) const {
  const QRectF z = zone();
  return dernier_ > 0 ? z.left() + z.width() * demi_coup / dernier_ : z.center().x();
}

double GrapheAnalyse::y_de(int score) const {
  const QRectF z = zone();
  return z.center().y() - score * (z.height() / 2) / BORNE_COURBE;
}

QPoint GrapheAnalyse::centre_point(int demi_coup) const {
  for (const PointCourbe& p : points_)
    if (p.demi_coup == demi_coup) return QPointF(x_de(p.demi_coup), y_de(p.score)).toPoint();
  return {};
}

void GrapheAnalyse::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QFontMetricsF fm(font());
  const double s = std::max(1.0, fm.height() / 16.0);  // lines thicken with the text
  p.fillRect(rect(), palette().window());
  const QRectF z = zone();
  p.fillRect(z, FOND_GRAPHE);

  // A line for every man, the even score stronger, labelled in men.
  for (int m = -BORNE_COURBE / VALEUR_PION; m <= BORNE_COURBE / VALEUR_PION; ++m) {
    const double y = y_de(m * VALEUR_PION);
    p.setPen(m == 0 ? QPen(QColor(110, 110, 110), 1.5 * s) : QPen(QColor(175, 170, 158), s, Qt::DashLine));
    p.drawLine(QPointF(z.left(), y), QPointF(z.right(), y));
    p.setPen(palette().windowText().color());
    const QString t = m > 0 ? "+" + QString::number(m) : QString::number(m);
    p.drawText(QRectF(0, y - fm.height() / 2, z.left() - fm.height() * 0.4, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, t);
  }
  // Full-move numbers along the bottom.
  const int coups = dernier_ / 2 + 1;
  const int pas = pas_numeros(coups);
  for (int n = 1; n <= coups; n += (n == 1 && pas > 1 ? pas - 1 : pas)) {
    const double x = x_de(2 * (n - 1));
    p.setPen(QPen(QColor(175, 170, 158), s * 0.6));
    p.drawLine(QPointF(x, z.bottom()), QPointF(x, z.bottom() + fm.height() * 0.25));
    p.setPen(palette().windowText().color());
    p.drawText(QRectF(x - fm.height() * 2, z.bottom() + fm.height() * 0.25, fm.height() * 4, fm.height()),
               Qt::AlignHCenter | Qt::AlignTop, QString::number(n));
  }
  p.drawText(QRectF(z.left(), 0, z.width(), z.top()), Qt::AlignLeft | Qt::AlignVCenter, legende_);

  // The ply on the board.
  if (courant_ >= 0 && courant_ <= dernier_) {
    p.setPen(QPen(QColor(60, 120, 220, 150), 2 * s));
    p.drawLine(QPointF(x_de(courant_), z.top()), QPointF(x_de(courant_), z.bottom()));
  }
  if (points_.empty()) return;

  // The advantage as a filled area: dark where the first side leads, white
  // where the second does.
  QPolygonF courbe;
  for (const PointCourbe& q : points_) courbe << QPointF(x_de(q.demi_coup), y_de(q.score));
  QPolygonF aire = courbe;
  aire << QPointF(courbe.back().x(), y_de(0)) << QPointF(courbe.front().x(), y_de(0));
  const double zero = y_de(0);
  p.setPen(Qt::NoPen);
  p.save();
  p.setClipRect(QRectF(z.left(), z.top(), z.width(), zero - z.top()));
  p.setBrush(AVANCE_PREMIER);
  p.drawPolygon(aire);
  p.restore();
  p.save();
  p.setClipRect(QRectF(z.left(), zero, z.width(), z.bottom() - zero));
  p.setBrush(AVANCE_SECOND);
  p.drawPolygon(aire);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(COULEUR_COURBE, 2 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(courbe);

  // The points: a won or lost position as a triangle on the edge, a starred
  // move as a larger disc, red when it threw away a win or two men.
  for (const PointCourbe& q : points_) {
    const QPointF c(x_de(q.demi_coup), y_de(q.score));
    if (q.decisif) {
      const double h = 5 * s, d = q.score > 0 ? -1 : 1;
      p.setPen(Qt::NoPen);
      p.setBrush(COULEUR_COURBE);
      p.drawPolygon(QPolygonF({c + QPointF(-h, -d * h * 0.2), c + QPointF(h, -d * h * 0.2), c + QPointF(0, d * h)}));
    } else {
      p.setPen(Qt::NoPen);
      p.setBrush(COULEUR_COURBE);
      p.drawEllipse(c, 2.2 * s, 2.2 * s);
    }
    if (q.nag != 0) {
      p.setPen(QPen(Qt::black, s));
      p.setBrush(q.nag == NAG_GAFFE ? COULEUR_GAFFE : COULEUR_MAUVAIS);
      const double r = (q.nag == NAG_GAFFE ? 6.0 : 5.0) * s;
      p.drawEllipse(c, r, r);
    }
  }
}

void GrapheAnalyse::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || points_.empty()) return;
  // The nearest analysed position along the moves.
  const double x = e->position().x();
  const PointCourbe* choisi = &points_.front();
  for (const PointCourbe& q : points_)
    if (std::abs(x_de(q.demi_coup) - x) < std::abs(x_de(choisi->demi_coup) - x)) choisi = &q;
  emit demi_coup_choisi(choisi->demi_coup);
}

// ---- the window -----------------------------------------------------------------

TForm4::TForm4() : FenetreSecondaire("TForm4", 593, 520) {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* v = new QVBoxLayout(this);
  ListBox1 = new QListWidget;
  ListBox1->setObjectName("ListBox1");
  // Starred lines carry the better play: wrapped rather than cut.
  ListBox1->setWordWrap(true);
  ListBox1->setResizeMode(QListView::Adjust);
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Graphe = new GrapheAnalyse;
  v->addWidget(ListBox1, 3);
  v->addWidget(Graphe, 2);
  auto* boutons = new QHBoxLayout;
  auto bouton = [&](QPushButton*& b, const char* nom, const char* texte) {
    b = new QPushButton(QString::fromUtf8(texte));
    b->setObjectName(nom);
    boutons->addWidget(b);
  };
  bouton(Suivant_analyse, "Suivant_analyse", "Suivant");
  bouton(Editer_analyse, "Editer_analyse", "Editer analyse");
  bouton(Imprimer_analyse, "Imprimer_analyse", "Imprimer analyse");
  bouton(Pdn_analyse, "Pdn_analyse", "PDN annoté");
  bouton(Fin_analyse, "Fin_analyse", "Fin analyse");
  v->addLayout(boutons);
  connect(Suivant_analyse, &QPushButton::clicked, this, &TForm4::BitBtn1Click);
  connect(Editer_analyse, &QPushButton::clicked, this, &TForm4::BitBtn2Click);
  connect(Imprimer_analyse, &QPushButton::clicked, this, &TForm4::BitBtn3Click);
  connect(Fin_analyse, &QPushButton::clicked, this, &TForm4::BitBtn4Click);
  connect(Pdn_analyse, &QPushButton::clicked, this, &TForm4::BitBtn5Click);
  // The captions in the language in force, for a window made after a switch.
  appliquer_legendes(this, table_legendes(langue_affichee()));
}

void TForm4::placer_pres_de(TForm1& f) {
  const double e = std::max(0.5, f.scene->echelle());
  QFont police = font();
  police.setPixelSize(std::clamp(static_cast<int>(std::lround(8.5 * e)), 11, 24));
  setFont(police);
  QFont liste("DejaVu Sans Mono");
  liste.setStyleHint(QFont::Monospace);
  liste.setPixelSize(std::clamp(static_cast<int>(std::lround(9.5 * e)), 11, 26));
  ListBox1->setFont(liste);
  Graphe->setFont(police);

  // Right of the board (which ends at logical x 510), over the side panels,
  // nearly as tall as the main window.
  const QPoint coin = f.scene->mapToGlobal(QPointF(f.scene->origine().x() + 516 * e, 0).toPoint());
  const QPoint fenetre = f.mapToGlobal(QPoint(0, 0));
  const int droite = fenetre.x() + f.width();
  const int largeur = std::max(560, droite - coin.x() - 8);
  const int hauteur = std::max(420, static_cast<int>(f.height() * 0.92));
  setGeometry(std::min(coin.x(), droite - largeur), fenetre.y() + (f.height() - hauteur) / 2, largeur, hauteur);
}

void TForm4::BitBtn1Click() {
  if (principale) principale->pause();
}

void TForm4::BitBtn2Click() {
  if (principale) principale->analyse->Button3Click();
}

void TForm4::BitBtn3Click() {
  if (principale) principale->impression->Button3aClick();
}

void TForm4::BitBtn4Click() {
  if (principale) principale->analyse->Button4Click();
}

void TForm4::BitBtn5Click() {
  if (principale) principale->analyse->ecrire_pdn_analyse();
}

void TForm4::closeEvent(QCloseEvent* e) {
  if (principale && analyse_ouverte != 0) principale->analyse->Button4Click();
  e->accept();
}
