// corvane: the draughts program's window.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/panneau.h"
#include "ui/programme.h"

namespace {

// Quits the program once the widget it watches has been painted.
class FinApresDessin : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* objet, QEvent* e) override {
    if (e->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QObject::eventFilter(objet, e);
  }
};

QtMessageHandler gestionnaire_qt = nullptr;

// Until the application exists, a fatal message is Qt saying that it cannot
// open a window at all (no display, no platform plugin): said, and the
// program ends with a failure status instead of aborting with a core dump.
void avant_la_fenetre(QtMsgType genre, const QMessageLogContext& contexte, const QString& texte) {
  if (genre == QtFatalMsg) {
    std::fprintf(stderr, "corvane: cannot open the window: %s\n", texte.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
  }
  if (gestionnaire_qt != nullptr) gestionnaire_qt(genre, contexte, texte);
}

}  // namespace

int main(int argc, char** argv) {
  gestionnaire_qt = qInstallMessageHandler(avant_la_fenetre);
  QApplication application(argc, argv);
  qInstallMessageHandler(gestionnaire_qt);
  QApplication::setApplicationName("Corvane 3D Analyse");
  Fenetres fenetres;
  TForm1& form1 = fenetres.form1;
  // Without a window manager "maximised" means nothing: fill the screen
  // ourselves, and let a window manager maximise over it.
  if (const QScreen* ecran = QGuiApplication::primaryScreen()) form1.setGeometry(ecran->availableGeometry());
  form1.showMaximized();
  // "--quitter-a-l-intro": leave as soon as the introduction has been drawn,
  // so that the start-up time can be measured from outside.
  if (argc > 1 && std::strcmp(argv[1], "--quitter-a-l-intro") == 0 && form1.demarrage->Intro) {
    auto* filtre = new FinApresDessin(form1.demarrage->Intro);
    form1.demarrage->Intro->installEventFilter(filtre);
  }
  // "--quitter-apres=MS": close the window as a user would after MS
  // milliseconds, so that scripts can start and leave the program many times.
  constexpr const char* QUITTER_APRES = "--quitter-apres=";
  if (argc > 1 && std::strncmp(argv[1], QUITTER_APRES, std::strlen(QUITTER_APRES)) == 0) {
    const int ms = std::atoi(argv[1] + std::strlen(QUITTER_APRES));
    QTimer::singleShot(ms > 0 ? ms : 0, &form1, [&form1] { form1.close(); });
  }
  return QApplication::exec();
}
