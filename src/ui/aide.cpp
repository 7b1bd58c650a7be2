#include "ui/aide.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

FenetreAide::FenetreAide(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("FenetreAide");
  resize(820, 900);
  navigateur_ = new QTextBrowser(this);
  navigateur_->setOpenExternalLinks(false);
  auto* retour = new QPushButton(QString::fromUtf8("◀"), this);
  auto* suivant = new QPushButton(QString::fromUtf8("▶"), this);
  auto* sommaire = new QPushButton(QString::fromUtf8("⌂"), this);
  retour->setObjectName("Retour");
  suivant->setObjectName("Suivant");
  sommaire->setObjectName("Sommaire");
  connect(retour, &QPushButton::clicked, navigateur_, &QTextBrowser::backward);
  connect(suivant, &QPushButton::clicked, navigateur_, &QTextBrowser::forward);
  connect(sommaire, &QPushButton::clicked, navigateur_, &QTextBrowser::home);
  connect(navigateur_, &QTextBrowser::backwardAvailable, retour, &QPushButton::setEnabled);
  connect(navigateur_, &QTextBrowser::forwardAvailable, suivant, &QPushButton::setEnabled);
  connect(navigateur_, &QTextBrowser::sourceChanged, this,
          [this] { setWindowTitle(navigateur_->documentTitle()); });
  retour->setEnabled(false);
  suivant->setEnabled(false);
  auto* boutons = new QHBoxLayout;
  boutons->addWidget(retour);
  boutons->addWidget(suivant);
  boutons->addWidget(sommaire);
  boutons->addStretch();
  auto* colonne = new QVBoxLayout(this);
  colonne->addLayout(boutons);
  colonne->addWidget(navigateur_);
}

bool FenetreAide::ouvrir(const std::filesystem::path& page) {
  const QFileInfo info(QString::fromStdString(page.string()));
  if (!info.isFile() || !info.isReadable()) return false;
  navigateur_->clearHistory();
  navigateur_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
  navigateur_->moveCursor(QTextCursor::Start);
  return true;
}
