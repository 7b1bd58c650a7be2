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
#include <string>

#include "ui/tform1.h"

class DossierProgramme {
 public:
  explicit DossierProgramme(const std::filesystem::path& source) {
    std::string modele = (std::filesystem::temp_directory_path() / "corvane-programme-XXXXXX").string();
    if (::mkdtemp(modele.data()) == nullptr) return;
    chemin = modele;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(source, ec)) {
      const std::string nom = e.path().filename().string();
      if (nom == "last32.dam" || nom == "Sauve" || nom == "joueurs.dat" || nom == "points.dat") continue;
      std::filesystem::create_symlink(e.path(), chemin / nom, ec);
    }
  }
  ~DossierProgramme() {
    std::error_code ec;
    if (!chemin.empty()) std::filesystem::remove_all(chemin, ec);  // the links, not what they point to
  }
  // A new run's window over the folder, shown and activated, the game loop
  // left to the test, without animations; nullptr when it cannot be shown.
  std::unique_ptr<TForm1> ouvrir_fenetre() const {
    intro_terminee = 0;
    auto f = std::make_unique<TForm1>();
    f->repertoire = chemin;
    f->boucle_au_depart = false;
    f->duree_animation = 0;
    f->resize(1200, 800);
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get())) return nullptr;
    f->FormActivate();
    return f;
  }

  // The same, past the introduction on board theme `theme`.
  std::unique_ptr<TForm1> demarrer(int theme) const {
    auto f = ouvrir_fenetre();
    if (!f) return nullptr;
    f->choisir_theme_intro(theme);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return f;
  }

  DossierProgramme(const DossierProgramme&) = delete;
  DossierProgramme& operator=(const DossierProgramme&) = delete;

  std::filesystem::path chemin;  // empty when it could not be made
};
