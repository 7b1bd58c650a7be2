// A fresh folder for a test's files, removed with all it holds when the
// object goes; and files read and written whole.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

struct DossierTemporaire {
  std::filesystem::path chemin;  // empty when it could not be made
  DossierTemporaire() {
    std::string modele = (std::filesystem::temp_directory_path() / "corvane-test-XXXXXX").string();
    if (::mkdtemp(modele.data()) != nullptr) chemin = modele;
  }
  ~DossierTemporaire() {
    std::error_code ec;
    if (!chemin.empty()) std::filesystem::remove_all(chemin, ec);
  }
  DossierTemporaire(const DossierTemporaire&) = delete;
  DossierTemporaire& operator=(const DossierTemporaire&) = delete;
};

inline std::string contenu(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}
inline void ecrire(const std::filesystem::path& p, const std::string& octets) {
  std::ofstream(p, std::ios::binary) << octets;
}
