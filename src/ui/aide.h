// The help window: the program's help pages in a text browser, opened at
// their contents, with back, forward and contents buttons.
#pragma once

#include <QWidget>
#include <filesystem>

class QTextBrowser;

class FenetreAide : public QWidget {
  Q_OBJECT
 public:
  explicit FenetreAide(QWidget* parent = nullptr);
  // Shows the page at its contents; false when the page cannot be read.
  bool ouvrir(const std::filesystem::path& page);
  QTextBrowser* navigateur() const { return navigateur_; }

 private:
  QTextBrowser* navigateur_;
};
