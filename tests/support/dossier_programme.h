// A program folder of its own for a window test: every entry of the
// program's directory linked from a temporary folder, so that what the
// window writes ("last32.dam", "Sauve") stays out of the build and out of
// other tests running at the same time.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

class DossierProgramme {
 public:
  explicit DossierProgramme(const std::filesystem::path& source) {
    std::string modele = (std::filesystem::temp_directory_path() / "corvane-programme-XXXXXX").string();
    if (::mkdtemp(modele.data()) == nullptr) return;
    chemin = modele;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(source, ec)) {
      const std::string nom = e.path().filename().string();
      if (nom == "last32.dam" || nom == "Sauve") continue;
      std::filesystem::create_symlink(e.path(), chemin / nom, ec);
    }
  }
  ~DossierProgramme() {
    std::error_code ec;
    if (!chemin.empty()) std::filesystem::remove_all(chemin, ec);  // the links, not what they point to
  }
  DossierProgramme(const DossierProgramme&) = delete;
  DossierProgramme& operator=(const DossierProgramme&) = delete;

  std::filesystem::path chemin;  // empty when it could not be made
};
