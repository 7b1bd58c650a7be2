// A program folder of its own for a window test: every entry of the
// program's directory linked from a temporary folder, so that what the
// window writes ("last32.dam", "Sauve", the player registry) stays out of the build and out of
// other tests running at the same time; and the window over it.
#pragma once

#include <QCoreApplication>
#include <QTest>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "ui/tform1.h"

// Shows window f as a new run over program folder d, activated, the game
// loop left to the test, without animations; past the introduction on
// board theme `theme` unless it is negative. False when it cannot be shown.
inline bool montrer(TForm1& f, const std::filesystem::path& d, int theme) {
  intro_terminee = 0;
  f.repertoire = d;
  f.boucle_au_depart = false;
  f.duree_animation = 0;
  f.resize(1200, 800);
  f.show();
  if (!QTest::qWaitForWindowExposed(&f)) return false;
  f.demarrage->FormActivate();
  if (theme >= 0) f.demarrage->choisir_theme_intro(theme);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return true;
}

// A fast level, without sounds, and without thinking on the human's time
// unless `anticipation`.
inline void jeu_rapide(TForm1& f, bool anticipation = false) {
  for (const char* nom : {"Niveau01", "Bipchaquecoup2", "Commentaires1"}) f.action(nom)->trigger();
  if (!anticipation) f.action("Rflexionsurtempsadverse1")->trigger();
}

class DossierProgramme {
 public:
  // Without the run's own files nor the entries named in `sans`.
  explicit DossierProgramme(const std::filesystem::path& source, std::set<std::string> sans = {}) {
    std::string modele = (std::filesystem::temp_directory_path() / "corvane-programme-XXXXXX").string();
    if (::mkdtemp(modele.data()) == nullptr) return;
    chemin = modele;
    sans.insert({"last32.dam", "Sauve", "joueurs.dat", "points.dat"});
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(source, ec))
      if (!sans.count(e.path().filename().string())) std::filesystem::create_symlink(e.path(), chemin / e.path().filename(), ec);
  }
  ~DossierProgramme() {
    std::error_code ec;
    if (!chemin.empty()) std::filesystem::remove_all(chemin, ec);  // the links, not what they point to
  }
  // A new run's window over the folder (see montrer); nullptr when it cannot be shown.
  std::unique_ptr<TForm1> demarrer(int theme) const {
    auto f = std::make_unique<TForm1>();
    return montrer(*f, chemin, theme) ? std::move(f) : nullptr;
  }
  // The same without the game a former run left, playing fast (see jeu_rapide).
  std::unique_ptr<TForm1> demarrer_rapide(int theme, bool anticipation = false) const {
    std::error_code ec;
    std::filesystem::remove(chemin / "last32.dam", ec);
    auto f = demarrer(theme);
    if (f) jeu_rapide(*f, anticipation);
    return f;
  }

  DossierProgramme(const DossierProgramme&) = delete;
  DossierProgramme& operator=(const DossierProgramme&) = delete;

  std::filesystem::path chemin;  // empty when it could not be made
};
