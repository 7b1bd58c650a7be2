// corvane: the draughts program's window.
#include <QApplication>
#include <QScreen>

#include "ui/formes.h"
#include "ui/tform1.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Corvane 3D Analyse");
  // The seven windows, in this order; only the main one is shown.
  TForm1 form1;
  TForm2 form2;
  TForm3 form3;
  TForm4 form4;
  TForm5 form5;
  TForm6 form6;
  TForm7 form7;
  // Without a window manager "maximised" means nothing: fill the screen
  // ourselves, and let a window manager maximise over it.
  if (const QScreen* ecran = QGuiApplication::primaryScreen()) form1.setGeometry(ecran->availableGeometry());
  form1.showMaximized();
  return QApplication::exec();
}
