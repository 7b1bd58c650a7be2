#include "ui/scene.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <cmath>

namespace {

constexpr const char* PROP_RECT = "rect_logique";
constexpr const char* PROP_POLICE = "police_logique";
constexpr const char* PROP_ICONE = "icone_logique";

int arrondi(double v) { return static_cast<int>(std::lround(v)); }

// Half the font's size on each side of a tab's caption.
class StyleOnglets : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
    if (m == PM_TabBarTabHSpace && w != nullptr) return w->font().pixelSize() > 0 ? w->font().pixelSize() : 12;
    return QProxyStyle::pixelMetric(m, o, w);
  }
};

}  // namespace

void onglets_a_l_echelle(QTabWidget* onglets) {
  // One for every tab bar, going with the application.
  static StyleOnglets* style = [] {
    auto* s = new StyleOnglets;
    s->setParent(QCoreApplication::instance());
    return s;
  }();
  onglets->tabBar()->setStyle(style);
}

QImage nouvelle_toile(int largeur, int hauteur, QRgb fond) {
  QImage image(largeur * ECHELLE_IMAGES, hauteur * ECHELLE_IMAGES, QImage::Format_RGB32);
  image.setDevicePixelRatio(ECHELLE_IMAGES);
  image.fill(fond);
  return image;
}

Scene* scene_de(const QWidget* w) {
  for (const QWidget* p = w; p != nullptr; p = p->parentWidget())
    if (auto* s = qobject_cast<Scene*>(const_cast<QWidget*>(p))) return s;
  return nullptr;
}

void placer(QWidget* w, int x, int y, int largeur, int hauteur, int police) {
  placer(w, QRect(x, y, largeur, hauteur), police);
}

void placer(QWidget* w, const QRect& r, int police) {
  w->setProperty(PROP_RECT, r);
  if (police > 0) w->setProperty(PROP_POLICE, police);
  if (Scene* s = scene_de(w)) s->appliquer_a(w);
}

void deplacer(QWidget* w, int x, int y) {
  QRect r = rect_logique(w);
  r.moveTo(x, y);
  placer(w, r);
}

QRect rect_logique(const QWidget* w) { return w->property(PROP_RECT).toRect(); }

void taille_icone(QWidget* w, QSize logique) {
  w->setProperty(PROP_ICONE, logique);
  if (Scene* s = scene_de(w)) s->appliquer_a(w);
}

// ---- Toile ------------------------------------------------------------------

Toile::Toile(QWidget* parent, int largeur_logique, int hauteur_logique, QRgb fond)
    : QWidget(parent), largeur_(largeur_logique), hauteur_(hauteur_logique) {
  image_ = nouvelle_toile(largeur_logique, hauteur_logique, fond);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Toile::changee() {
  a_refaire_ = true;
  update();
}

QPoint Toile::vers_logique(QPoint p) const {
  const QRect z = zone();
  if (z.width() <= 0 || z.height() <= 0) return {};
  return {static_cast<int>(std::floor((p.x() - z.x()) * double(largeur_) / z.width())),
          static_cast<int>(std::floor((p.y() - z.y()) * double(hauteur_) / z.height()))};
}

void Toile::resizeEvent(QResizeEvent*) { a_refaire_ = true; }

void Toile::paintEvent(QPaintEvent*) {
  // The canvas is scaled once per change and kept at the screen's resolution.
  const QRect z = zone();
  const qreal dpr = devicePixelRatioF();
  const QSize taille(arrondi(z.width() * dpr), arrondi(z.height() * dpr));
  if (a_refaire_ || reduite_.size() != taille) {
    reduite_ = QPixmap::fromImage(image_.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    reduite_.setDevicePixelRatio(dpr);
    a_refaire_ = false;
  }
  QPainter p(this);
  if (z != rect()) {
    const QRegion autour = QRegion(rect()).subtracted(QRegion(z));
    for (const QRect& r : autour) p.fillRect(r, QColor(GRIS_ARGENT));
  }
  p.drawPixmap(z.topLeft(), reduite_);
  if (dessus) {
    p.translate(z.topLeft());
    p.scale(z.width() / double(largeur_), z.height() / double(hauteur_));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    dessus(p);
  }
}

void Toile::mousePressEvent(QMouseEvent* e) {
  if (appui) appui(vers_logique(e->position().toPoint()));
}

// ---- Scene ------------------------------------------------------------------

Scene::Scene(QWidget* parent) : Toile(parent, LARGEUR_SCENE, HAUTEUR_SCENE, GRIS_ARGENT) {
  setAutoFillBackground(false);
}

void Scene::appliquer_a(QWidget* w) {
  const QVariant v = w->property(PROP_RECT);
  if (v.isValid()) {
    const QRect r = v.toRect();
    // Edges are rounded, not sizes, so that neighbouring widgets tile exactly.
    const double s = echelle_;
    const bool sur_scene = w->parentWidget() == this;
    const double ox = sur_scene ? origine_.x() : 0, oy = sur_scene ? origine_.y() : 0;
    const int x0 = arrondi(ox + r.left() * s), y0 = arrondi(oy + r.top() * s);
    const int x1 = arrondi(ox + (r.left() + r.width()) * s), y1 = arrondi(oy + (r.top() + r.height()) * s);
    w->setGeometry(x0, y0, std::max(1, x1 - x0), std::max(1, y1 - y0));
  }
  const QVariant icone = w->property(PROP_ICONE);
  if (icone.isValid())
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      const QSize t = icone.toSize();
      b->setIconSize(QSize(std::max(1, arrondi(t.width() * echelle_)), std::max(1, arrondi(t.height() * echelle_))));
    }
  const QVariant police = w->property(PROP_POLICE);
  if (police.isValid()) {
    QFont f = w->font();
    f.setPixelSize(std::max(1, arrondi(police.toInt() * echelle_)));
    w->setFont(f);
  }
  // The style draws radio buttons and check boxes at one size whatever the
  // text's: they grow with the stage like their captions.
  if (qobject_cast<QRadioButton*>(w) != nullptr || qobject_cast<QCheckBox*>(w) != nullptr) {
    const int cote = std::max(13, arrondi(QFontMetrics(w->font()).ascent() * 0.9));
    w->setStyleSheet(QString("QRadioButton::indicator, QCheckBox::indicator { width: %1px; height: %1px; }").arg(cote));
  }
}

void Scene::appliquer_geometrie() {
  // Fonts of parents first, so that children that inherit them follow.
  for (QWidget* w : findChildren<QWidget*>()) appliquer_a(w);
}

void Scene::resizeEvent(QResizeEvent* e) {
  echelle_ = std::min(width() / double(LARGEUR_SCENE), height() / double(HAUTEUR_SCENE));
  origine_ = QPointF((width() - LARGEUR_SCENE * echelle_) / 2, (height() - HAUTEUR_UTILE * echelle_) / 2);
  QFont f = font();
  f.setPixelSize(std::max(1, arrondi(11 * echelle_)));
  setFont(f);
  appliquer_geometrie();
  Toile::resizeEvent(e);
  if (geometrie_changee) geometrie_changee();
}

QRect Scene::zone() const {
  const int x0 = arrondi(origine_.x()), y0 = arrondi(origine_.y());
  return QRect(x0, y0, arrondi(origine_.x() + LARGEUR_SCENE * echelle_) - x0,
               arrondi(origine_.y() + HAUTEUR_SCENE * echelle_) - y0);
}
