// Making the window's components: each named as the window names it and
// placed at its logical place on the stage.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QRect>

#include "ui/panneau.h"
#include "ui/scene.h"

// A component of `parent` named `nom`, at its logical place when given one.
template <class T>
T* creer(QWidget* parent, const char* nom) {
  auto* w = new T(parent);
  w->setObjectName(nom);
  return w;
}

template <class T>
T* creer(QWidget* parent, const char* nom, int x, int y, int l, int h, int police = 0) {
  T* w = creer<T>(parent, nom);
  placer(w, x, y, l, h, police);
  return w;
}

template <class T>
T* composant(QWidget* parent, const char* nom, const QRect& r, int police = 13) {
  T* w = creer<T>(parent, nom);
  placer(w, r, police);
  return w;
}

inline QLabel* etiquette(QWidget* parent, const char* nom, const QString& texte, int x, int y, int l, int h,
                         int police = 0, Qt::Alignment alignement = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* e = creer<QLabel>(parent, nom, x, y, l, h, police);
  e->setText(texte);
  e->setAlignment(alignement);
  return e;
}

// A label without text yet, 13-pixel by default.
inline QLabel* texte(QWidget* parent, const char* nom, int x, int y, int l, int h, int police = 13,
                     Qt::Alignment alignement = Qt::AlignLeft | Qt::AlignVCenter) {
  return etiquette(parent, nom, QString(), x, y, l, h, police, alignement);
}

inline QPushButton* bouton(QWidget* parent, const char* nom, int x, int y, int l, int h) {
  return creer<QPushButton>(parent, nom, x, y, l, h);
}

inline Panneau* panneau(QWidget* parent, const char* nom, int x, int y, int l, int h, int police = 0,
                        Panneau::Bord bord = Panneau::Bord::Releve) {
  auto* p = new Panneau(parent, nom, bord);
  placer(p, x, y, l, h, police);
  return p;
}
