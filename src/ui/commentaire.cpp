#include "ui/commentaire.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

FenetreCommentaire::FenetreCommentaire(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("FenetreCommentaire");
  resize(520, 400);
  setStyleSheet("QPushButton { font-size: 15px; padding: 5px 12px; }");
  Titre_exercice = new QLabel(this);
  Titre_exercice->setObjectName("Titre_exercice");
  Titre_exercice->setStyleSheet("font-weight: bold; font-size: 17px;");
  Texte_commentaire = new QTextBrowser(this);
  Texte_commentaire->setObjectName("Texte_commentaire");
  Texte_commentaire->setStyleSheet("font-size: 16px;");
  Verdict_exercice = new QLabel(this);
  Verdict_exercice->setObjectName("Verdict_exercice");
  Verdict_exercice->setWordWrap(true);
  Verdict_exercice->setMinimumHeight(44);
  montrer_verdict(QString(), 0);
  Revoir_exercice = new QPushButton(this);
  Revoir_exercice->setObjectName("Revoir_exercice");
  Solution_exercice = new QPushButton(this);
  Solution_exercice->setObjectName("Solution_exercice");
  Suivant_exercice = new QPushButton(this);
  Suivant_exercice->setObjectName("Suivant_exercice");

  auto* boutons = new QHBoxLayout;
  boutons->addWidget(Revoir_exercice);
  boutons->addWidget(Solution_exercice);
  boutons->addStretch();
  boutons->addWidget(Suivant_exercice);
  auto* colonne = new QVBoxLayout(this);
  colonne->addWidget(Titre_exercice);
  colonne->addWidget(Texte_commentaire, 1);
  colonne->addWidget(Verdict_exercice);
  colonne->addLayout(boutons);
}

void FenetreCommentaire::montrer_verdict(const QString& texte, int ton) {
  static const char* const couleurs[4] = {"black", "rgb(0, 120, 0)", "rgb(190, 0, 0)", "rgb(0, 60, 160)"};
  if (ton < 0 || ton > 3) ton = 0;
  // Shown at every pass of the game loop: a style set again would repaint.
  if (ton != ton_) {
    ton_ = ton;
    Verdict_exercice->setStyleSheet(QString("font-weight: bold; font-size: 17px; color: %1;").arg(couleurs[ton]));
  }
  Verdict_exercice->setText(texte);
}

void FenetreCommentaire::montrer_texte(const QString& texte) {
  if (texte == texte_) return;  // the reader's place stays
  texte_ = texte;
  Texte_commentaire->setPlainText(texte);
}
