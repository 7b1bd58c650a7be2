// What the window tests share: file dialogs answered with a chosen path
// (empty: cancelled) that keep the folders they were opened in and the
// messages shown; clicks where a user clicks.
#pragma once

#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "support/dossier_temporaire.h"
#include "ui/dialogues.h"
#include "ui/rendu.h"
#include "ui/scene.h"
#include "ui/tform1.h"

class DialoguesDeTest : public Dialogues {
 public:
  QString fichier_a_sauver(QWidget*, const QString& d, const QString&, const QString& f, const QString& e) override {
    dossiers << d;
    filtre = f + "|" + e;
    return reponse;
  }
  QString fichier_a_ouvrir(QWidget*, const QString& d, const QString& f) override {
    dossiers << d;
    filtre = f;
    return reponse;
  }
  // "title: text", and " (stop)" after an error.
  void message(QWidget*, const QString& texte, const QString& titre, Icone icone, const QString&) override {
    messages << titre + ": " + texte + (icone == Icone::Erreur ? " (stop)" : "");
  }
  QString reponse, filtre;
  QStringList dossiers, messages;
};

// Installs the dialogs for the whole test program and keeps them at hand.
inline DialoguesDeTest* installer_dialogues_de_test() {
  auto* d = new DialoguesDeTest;
  installer_dialogues(std::unique_ptr<Dialogues>(d));
  terminer_processus = [](int) {};
  return d;
}

inline QStringList lignes(const QListWidget* l) {
  QStringList t;
  for (int i = 0; i < l->count(); ++i) t << l->item(i)->text();
  return t;
}

inline void cliquer(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
inline void cliquer_rond(QRadioButton* r) { QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(8, r->height() / 2)); }

// Clicks the line of a list that reads `texte`.
inline bool cliquer_ligne(QListWidget* liste, const QString& texte) {
  const QList<QListWidgetItem*> l = liste->findItems(texte, Qt::MatchExactly);
  if (l.isEmpty()) return false;
  QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(l.first()).center());
  return true;
}

// Clicks square s of the 2D board where the user sees it.
inline void cliquer_case_2d(TForm1& f, Case s) {
  const QPointF p =
      f.scene->origine() + QPointF(cellule_2d(s, damier_inverse != 0) + QPoint(30, 30)) * f.scene->echelle();
  QTest::mouseClick(f.scene, Qt::LeftButton, {}, p.toPoint());
}
