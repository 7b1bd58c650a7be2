#include "ui/legendes.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>

namespace {

const char* const FICHIERS[NB_LANGUES] = {":/langues/francais.txt", ":/langues/anglais.txt",
                                          ":/langues/neerlandais.txt", ":/langues/portugais.txt",
                                          ":/langues/espagnol.txt", ":/langues/italien.txt"};

// Qt's translations of its own texts, by language; English is Qt's own, and
// Portugal's Portuguese is not translated: Brazil's stands for it.
const char* const TRADUCTIONS_QT[NB_LANGUES] = {"qtbase_fr", nullptr, "qtbase_nl", "qtbase_pt_BR", "qtbase_es",
                                                "qtbase_it"};

// Catalogue keys start so, which no component name does.
const QString PREFIXE_CATALOGUE = QStringLiteral("msg.");

struct TextesLangue {
  TableLegendes legendes;
  Catalogue catalogue;
};

TextesLangue lire_textes(const char* fichier) {
  TextesLangue textes;
  QFile f(fichier);
  if (!f.open(QIODevice::ReadOnly)) return textes;
  for (const QByteArray& brute : f.readAll().split('\n')) {
    const QString ligne = QString::fromUtf8(brute).trimmed();
    if (ligne.isEmpty() || ligne.startsWith('#')) continue;
    const qsizetype barre = ligne.indexOf('|');
    if (barre <= 0) continue;
    const QString nom = ligne.left(barre);
    if (nom.startsWith(PREFIXE_CATALOGUE))
      textes.catalogue.insert(nom, ligne.mid(barre + 1));
    else
      textes.legendes.emplace_back(nom, ligne.mid(barre + 1));
  }
  return textes;
}

const TextesLangue& textes_langue(int langue) {
  static TextesLangue textes[NB_LANGUES];
  static bool lus[NB_LANGUES] = {};
  if (langue < 0 || langue >= NB_LANGUES) langue = 0;
  if (!lus[langue]) {
    textes[langue] = lire_textes(FICHIERS[langue]);
    lus[langue] = true;
  }
  return textes[langue];
}

// A tab page is the child of the tab widget's stack.
bool nommer_page(QWidget* page, const QString& texte) {
  auto* pile = qobject_cast<QStackedWidget*>(page->parentWidget());
  auto* onglets = pile ? qobject_cast<QTabWidget*>(pile->parentWidget()) : nullptr;
  if (onglets == nullptr) return false;
  onglets->setTabText(onglets->indexOf(page), texte);
  return true;
}

}  // namespace

const TableLegendes& table_legendes(int langue) { return textes_langue(langue).legendes; }

QString legende(int langue, const QString& composant) {
  for (const auto& [nom, texte] : table_legendes(langue))
    if (nom == composant) return texte;
  return {};
}

void appliquer_legendes(QWidget* fenetre, const TableLegendes& table) {
  for (const auto& [nom, texte] : table) {
    if (fenetre->objectName() == nom) {
      fenetre->setWindowTitle(texte);
      continue;
    }
    // The same caption may stand in several places (the credits of the
    // introduction and of the about panel).
    for (QObject* o : fenetre->findChildren<QObject*>(nom)) {
      if (auto* m = qobject_cast<QMenu*>(o)) {
        m->setTitle(texte);
      } else if (auto* a = qobject_cast<QAction*>(o)) {
        a->setText(texte);
      } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
        // Buttons that show a symbol carry their caption as a tip.
        if (b->property("legende_en_infobulle").toBool())
          b->setToolTip(texte);
        else
          b->setText(texte);
      } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
        g->setTitle(texte);
      } else if (auto* l = qobject_cast<QLabel*>(o)) {
        l->setText(texte);
      } else if (auto* w = qobject_cast<QWidget*>(o)) {
        if (w->isWindow())
          w->setWindowTitle(texte);
        else
          nommer_page(w, texte);
      }
    }
  }
}

const Catalogue& catalogue(int langue) { return textes_langue(langue).catalogue; }

QString texte_catalogue(int langue, const char* cle) {
  const QString nom = QString::fromUtf8(cle);
  for (int l : {langue, 0}) {
    const QString texte = catalogue(l).value(nom);
    if (!texte.isEmpty()) return texte;
  }
  return nom;
}

bool charger_traduction_qt(int langue) {
  static QTranslator* installee = nullptr;
  static int langue_installee = 1;  // Qt speaks English by itself
  if (langue < 0 || langue >= NB_LANGUES) langue = 0;
  // Each activation of the window applies the language again: the same one
  // is not read twice.
  if (langue == langue_installee) return installee != nullptr || TRADUCTIONS_QT[langue] == nullptr;
  langue_installee = langue;
  if (installee != nullptr) {
    QCoreApplication::removeTranslator(installee);
    delete installee;
    installee = nullptr;
  }
  if (TRADUCTIONS_QT[langue] == nullptr) return true;
  auto* t = new QTranslator;
  if (!t->load(TRADUCTIONS_QT[langue], QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete t;
    return false;
  }
  QCoreApplication::installTranslator(t);
  installee = t;
  return true;
}
