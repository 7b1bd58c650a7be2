// The help window: the program's help pages in a text browser, opened at
// their contents, with back, forward, contents and close buttons.
#pragma once

#include <QWidget>
#include <filesystem>

class QPushButton;
class QTextBrowser;

class FenetreAide : public QWidget {
  Q_OBJECT
 public:
  explicit FenetreAide(QWidget* parent = nullptr);
  // Shows the page at its contents; false when the page cannot be read.
  bool ouvrir(const std::filesystem::path& page);
  QTextBrowser* navigateur() const { return navigateur_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;  // Escape closes it

 private:
  QTextBrowser* navigateur_;
  QPushButton* fermer_;
};
