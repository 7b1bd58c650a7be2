// The stage: every rectangle and drawing coordinate of the window is a
// logical unit of an 812 x 586 stage. The stage is scaled uniformly to fill
// the window and centred on the silver background; painting and clicks go
// through that one scale, so the board arithmetic stays in logical units.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <functional>

class QPainter;

class QTabWidget;

// ---- constants ------------------------------------------------------------

constexpr int LARGEUR_SCENE = 812;
constexpr int HAUTEUR_SCENE = 586;
// Nothing stands below this on the stage (the end-of-game line ends there):
// the stage is centred on what it shows, not on its empty lower edge.
constexpr int HAUTEUR_UTILE = 582;
constexpr int ECHELLE_IMAGES = 2;  // pictures and canvases are made at twice the logical size
constexpr QRgb GRIS_ARGENT = qRgb(192, 192, 192);

// ---- functions ------------------------------------------------------------

// Gives w its logical rectangle, in its parent's logical coordinates, and
// the logical pixel size of its font (0 keeps the inherited one).
void placer(QWidget* w, int x, int y, int largeur, int hauteur, int police = 0);
void placer(QWidget* w, const QRect& r, int police = 0);
void deplacer(QWidget* w, int x, int y);  // new logical top-left, same size
QRect rect_logique(const QWidget* w);
void taille_icone(QWidget* bouton, QSize logique);  // the logical size of a button's icon
// A tab widget of the stage whose tabs' side padding scales with their font,
// as everything else on the stage does (the style's is a fixed pixel count).
void onglets_a_l_echelle(QTabWidget* onglets);

// A canvas of logical size l x h, stored at twice that size and filled.
QImage nouvelle_toile(int largeur, int hauteur, QRgb fond);

// ---- types ----------------------------------------------------------------

// A widget that shows a canvas (a QImage with device pixel ratio 2) scaled
// to its own size, and reports mouse presses in the canvas' logical units.
class Toile : public QWidget {
  Q_OBJECT
 public:
  Toile(QWidget* parent, int largeur_logique, int hauteur_logique, QRgb fond);
  QImage& image() { return image_; }
  void changee();  // the canvas was drawn on: show it again
  QPoint vers_logique(QPoint physique) const;
  std::function<void(QPoint logique)> appui;  // mouse pressed on the canvas
  // Drawn over the canvas at every paint, in the canvas' logical units: what
  // is shown for a while over the pictures (the marks on the board).
  std::function<void(QPainter&)> dessus;

 protected:
  virtual QRect zone() const { return rect(); }  // where the canvas is shown
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  QImage image_;
  QPixmap reduite_;  // the canvas at the widget's size, made on demand
  bool a_refaire_ = true;
  int largeur_, hauteur_;
};

// The main window's stage: the silver background, the window canvas (the
// 2D board) and the logical geometry of every widget placed on it.
class Scene : public Toile {
  Q_OBJECT
 public:
  explicit Scene(QWidget* parent);
  double echelle() const { return echelle_; }
  QPointF origine() const { return origine_; }
  void appliquer_geometrie();  // places every logical widget at the current scale
  void appliquer_a(QWidget* w);
  // Called once the scale has changed, for what is placed by other rules
  // than the stage's (the bands a wide window leaves beside the stage).
  std::function<void()> geometrie_changee;

 protected:
  QRect zone() const override;
  void resizeEvent(QResizeEvent*) override;

 private:
  double echelle_ = 1.0;
  QPointF origine_;
};

Scene* scene_de(const QWidget* w);  // the stage a widget stands on, if any
