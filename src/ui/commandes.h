// A group of the main window's handlers: those of one of its panels or
// menus, with the components they own. Each group is a child of the window
// and reaches the rest of it through `f`.
#pragma once

#include <QObject>

class TForm1;

class Commandes : public QObject {
 protected:
  explicit Commandes(TForm1& fenetre);
  TForm1& f;
};
