#include "ui/formes.h"

#include "ui/legendes.h"

#include <algorithm>

namespace {
std::vector<QWidget*>& registre() {
  static std::vector<QWidget*> fenetres;
  return fenetres;
}
}  // namespace

const std::vector<QWidget*>& fenetres_secondaires() { return registre(); }

FenetreSecondaire::FenetreSecondaire(const char* nom, int largeur, int hauteur) : QWidget(nullptr, Qt::Window) {
  setObjectName(nom);
  resize(largeur, hauteur);
  appliquer_legendes(this, table_legendes(0));
  registre().push_back(this);
}

void FenetreSecondaire::montrer_langue(int langue) { appliquer_legendes(this, table_legendes(langue)); }

FenetreSecondaire::~FenetreSecondaire() {
  auto& r = registre();
  r.erase(std::remove(r.begin(), r.end(), this), r.end());
}
