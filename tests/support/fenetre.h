// The main window over the program's own data (the build's bin folder),
// shown offscreen and past the introduction, without animations, for tests
// that drive it step by step.
#pragma once

#include <QCoreApplication>
#include <QTest>
#include <memory>

#include "ui/tform1.h"

inline std::unique_ptr<TForm1> fenetre_demarree(const char* dossier, int theme) {
  intro_terminee = 0;
  auto f = std::make_unique<TForm1>();
  f->repertoire = dossier;
  f->boucle_au_depart = false;
  f->duree_animation = 0;
  f->resize(1200, 800);
  f->show();
  if (!QTest::qWaitForWindowExposed(f.get())) return nullptr;
  f->FormActivate();
  f->choisir_theme_intro(theme);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return f;
}
