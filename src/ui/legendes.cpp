#include "ui/legendes.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>

namespace {

const char* const FICHIERS[NB_LANGUES] = {":/langues/francais.txt", ":/langues/anglais.txt",
                                          ":/langues/neerlandais.txt", ":/langues/portugais.txt",
                                          ":/langues/espagnol.txt", ":/langues/italien.txt"};

TableLegendes lire_table(const char* fichier) {
  TableLegendes table;
  QFile f(fichier);
  if (!f.open(QIODevice::ReadOnly)) return table;
  for (const QByteArray& brute : f.readAll().split('\n')) {
    const QString ligne = QString::fromUtf8(brute).trimmed();
    if (ligne.isEmpty() || ligne.startsWith('#')) continue;
    const qsizetype barre = ligne.indexOf('|');
    if (barre <= 0) continue;
    table.emplace_back(ligne.left(barre), ligne.mid(barre + 1));
  }
  return table;
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

const TableLegendes& table_legendes(int langue) {
  static TableLegendes tables[NB_LANGUES];
  static bool lues[NB_LANGUES] = {};
  if (langue < 0 || langue >= NB_LANGUES) langue = 0;
  if (!lues[langue]) {
    tables[langue] = lire_table(FICHIERS[langue]);
    lues[langue] = true;
  }
  return tables[langue];
}

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
