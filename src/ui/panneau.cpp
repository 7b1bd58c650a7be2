#include "ui/panneau.h"

#include <QMouseEvent>

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
