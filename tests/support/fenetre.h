// The main window as the window's tests start it: over a program folder,
// past the introduction on a board theme, without animations, the game loop
// left to the test.
#pragma once

#include <QCoreApplication>
#include <QTest>
#include <filesystem>
#include <memory>

#include "ui/tform1.h"

inline std::unique_ptr<TForm1> fenetre_demarree(const std::filesystem::path& dossier, int theme) {
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
