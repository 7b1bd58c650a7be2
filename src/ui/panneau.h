// A panel with a caption, as the window's panels and clickable labels are:
// a framed label that may hold other widgets and reports clicks.
#pragma once

#include <QLabel>

class Panneau : public QLabel {
  Q_OBJECT
 public:
  enum class Bord { Aucun, Releve, Creuse };
  Panneau(QWidget* parent, const char* nom, Bord bord = Bord::Releve);
  // The caption is cut with an ellipsis where it would run past the right
  // edge, or under the child `voisin` (a count beside a name), rather than
  // clipped through a letter: for captions of any length, such as names. A
  // right-aligned neighbour leaves its empty left part to the caption.
  void elider(QWidget* voisin = nullptr);

 signals:
  void clique();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void paintEvent(QPaintEvent* e) override;  // the caption cut to fit, when elider() asked for it

 private:
  bool elider_ = false;
  QWidget* voisin_ = nullptr;
};
