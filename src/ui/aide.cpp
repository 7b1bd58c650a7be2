#include "ui/aide.h"

#include <QFileInfo>
#include <algorithm>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

FenetreAide::FenetreAide(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("FenetreAide");
  // A window of its own that the user moves, resizes and closes, never
  // larger than the screen it opens on.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  const QScreen* ecran = parent != nullptr && parent->screen() != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  const QRect disponible = ecran != nullptr ? ecran->availableGeometry() : QRect(0, 0, 1024, 768);
  QRect cadre(0, 0, std::min(820, disponible.width() * 9 / 10), std::min(900, disponible.height() * 9 / 10));
  cadre.moveCenter(disponible.center());
  setGeometry(cadre);
  navigateur_ = new QTextBrowser(this);
  navigateur_->setOpenExternalLinks(false);
  auto* retour = new QPushButton(QString::fromUtf8("◀"), this);
  auto* suivant = new QPushButton(QString::fromUtf8("▶"), this);
  auto* sommaire = new QPushButton(QString::fromUtf8("⌂"), this);
  fermer_ = new QPushButton(QString::fromUtf8("✕"), this);
  fermer_->setObjectName("Fermer");
  connect(fermer_, &QPushButton::clicked, this, &QWidget::close);
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
  boutons->addWidget(fermer_);
  auto* colonne = new QVBoxLayout(this);
  colonne->addLayout(boutons);
  colonne->addWidget(navigateur_);
}

void FenetreAide::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(e);
}

bool FenetreAide::ouvrir(const std::filesystem::path& page) {
  const QFileInfo info(QString::fromStdString(page.string()));
  if (!info.isFile() || !info.isReadable()) return false;
  navigateur_->clearHistory();
  navigateur_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
  navigateur_->moveCursor(QTextCursor::Start);
  return true;
}
