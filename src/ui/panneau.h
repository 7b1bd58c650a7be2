// A panel with a caption, as the window's panels and clickable labels are:
// a framed label that may hold other widgets and reports clicks.
#pragma once

#include <QLabel>

class Panneau : public QLabel {
  Q_OBJECT
 public:
  enum class Bord { Aucun, Releve, Creuse };
  Panneau(QWidget* parent, const char* nom, Bord bord = Bord::Releve);

 signals:
  void clique();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
};
