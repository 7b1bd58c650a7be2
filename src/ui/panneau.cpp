#include "ui/panneau.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

Panneau::Panneau(QWidget* parent, const char* nom, Bord bord) : QLabel(parent) {
  setObjectName(nom);
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(bord != Bord::Aucun);
  if (bord == Bord::Releve) setFrameStyle(QFrame::Panel | QFrame::Raised);
  if (bord == Bord::Creuse) setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
}

void Panneau::mousePressEvent(QMouseEvent* e) {
  // The click is the panel's: passed on, it would reach the stage under it
  // as a click on the board (and hide the "Nul refusé" it has just shown).
  e->accept();
  if (e->button() == Qt::LeftButton) emit clique();
}

void Panneau::elider(QWidget* voisin) {
  elider_ = true;
  voisin_ = voisin;
  update();
}

void Panneau::paintEvent(QPaintEvent* e) {
  if (!elider_) {
    QLabel::paintEvent(e);
    return;
  }
  QPainter p(this);
  drawFrame(&p);
  QRect r = contentsRect().adjusted(std::max(0, indent()), 0, 0, 0);
  if (voisin_ != nullptr && voisin_->isVisible()) {
    int gauche = voisin_->geometry().left();
    const auto* l = qobject_cast<const QLabel*>(voisin_);
    if (l != nullptr && (l->alignment() & Qt::AlignRight))
      gauche = l->geometry().right() - l->fontMetrics().horizontalAdvance(l->text() + ' ');
    r.setRight(std::min(r.right(), gauche - 1));
  }
  p.setPen(palette().color(foregroundRole()));
  p.drawText(r, static_cast<int>(alignment()), fontMetrics().elidedText(text(), Qt::ElideRight, r.width()));
}
