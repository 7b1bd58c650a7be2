#include "records/files.h"
#include "rules/etat.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

std::filesystem::path repertoire_depart = ".";
std::filesystem::path repertoire_utilisateur;
std::function<void(const std::filesystem::path&, bool)> crochet_lecture_fichier;
ETAT_MOTEUR(repertoire_depart, repertoire_utilisateur, crochet_lecture_fichier);

void fixer_repertoire_depart(const std::filesystem::path& dossier_utilisateur) {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  fixer_repertoires(ec ? std::filesystem::current_path(ec) : exe.parent_path(), dossier_utilisateur);
}

std::filesystem::path dossier_utilisateur_usuel() {
  // The XDG rule: a relative XDG_DATA_HOME is to be ignored.
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') return std::filesystem::path(xdg) / NOM_DOSSIER_UTILISATEUR;
  const char* home = std::getenv("HOME");
  std::filesystem::path maison = home != nullptr && home[0] != '\0' ? home : "";
  if (maison.empty())
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) maison = pw->pw_dir;
  return maison / ".local" / "share" / NOM_DOSSIER_UTILISATEUR;
}

void fixer_repertoires(const std::filesystem::path& dossier_executable,
                       const std::filesystem::path& dossier_utilisateur) {
  std::error_code ec;
  const std::filesystem::path installees = (dossier_executable / DOSSIER_DONNEES_INSTALLEES).lexically_normal();
  // An installed program's folders are shared by every user (and root may
  // write anywhere): its data are never written over, whoever runs it.
  const bool installe = std::filesystem::is_directory(installees, ec);
  repertoire_depart = installe ? installees : dossier_executable;
  repertoire_utilisateur.clear();
  if (installe || ::access(dossier_executable.c_str(), W_OK) != 0) {
    repertoire_utilisateur = dossier_utilisateur.empty() ? dossier_utilisateur_usuel() : dossier_utilisateur;
    std::filesystem::create_directories(repertoire_utilisateur, ec);
  }
}

std::filesystem::path chemin_donnee(const std::string& dossier, const std::string& nom) {
  auto dans = [&](const std::filesystem::path& racine) {
    return chemin_sans_casse(dossier.empty() ? racine : chemin_sans_casse(racine, dossier), nom);
  };
  if (!repertoire_utilisateur.empty()) {
    std::error_code ec;
    const std::filesystem::path propre = dans(repertoire_utilisateur);
    if (std::filesystem::exists(propre, ec)) return propre;
  }
  return dans(repertoire_depart);
}

std::filesystem::path dossier_ecriture(const std::string& dossier) {
  const std::filesystem::path racine = repertoire_utilisateur.empty() ? repertoire_depart : repertoire_utilisateur;
  const std::filesystem::path d = dossier.empty() ? racine : chemin_sans_casse(racine, dossier);
  std::error_code ec;
  std::filesystem::create_directories(d, ec);
  return d;
}

std::filesystem::path chemin_ecriture(const std::string& dossier, const std::string& nom) {
  return chemin_sans_casse(dossier_ecriture(dossier), nom);
}

bool fichier_absent(const std::filesystem::path& chemin) {
  std::error_code ec;
  return std::filesystem::symlink_status(chemin, ec).type() == std::filesystem::file_type::not_found;
}

std::optional<std::vector<std::uint8_t>> lire_fichier(const std::filesystem::path& chemin, std::size_t maximum,
                                                      bool* trop_long) {
  // Only a regular file is read: a pipe, a device or a folder counts as
  // missing. It is looked at before it is opened, and the open does not wait
  // for a writer, in case something else was put there in between.
  const auto echec = [&chemin]() -> std::optional<std::vector<std::uint8_t>> {
    if (crochet_lecture_fichier) crochet_lecture_fichier(chemin, false);
    return std::nullopt;
  };
  struct stat etat;
  if (::stat(chemin.c_str(), &etat) != 0 || !S_ISREG(etat.st_mode)) return echec();
  const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return echec();
  if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
    ::close(fd);
    return echec();
  }
  if (crochet_lecture_fichier) crochet_lecture_fichier(chemin, true);
  std::vector<std::uint8_t> octets;
  std::uint8_t tampon[65536];
  bool coupe = false, erreur = false;
  for (;;) {
    const ssize_t lus = ::read(fd, tampon, sizeof tampon);
    if (lus < 0 && errno == EINTR) continue;
    if (lus <= 0) {
      erreur = lus < 0;
      break;
    }
    const auto n = static_cast<std::size_t>(lus);
    const std::size_t place = maximum - octets.size();
    octets.insert(octets.end(), tampon, tampon + std::min(n, place));
    if (n > place) {
      coupe = true;
      break;
    }
  }
  ::close(fd);
  if (erreur) return std::nullopt;
  if (trop_long != nullptr) *trop_long = coupe;
  return octets;
}

namespace {

// Writes the bytes to a new file beside `chemin` that nothing else uses
// ("<target>.tmp<pid>-<n>", created exclusively) and flushes it to disk.
// False, with nothing left behind, when it cannot.
bool ecrire_temporaire(const std::filesystem::path& chemin, const void* donnees, std::size_t taille,
                       std::filesystem::path& temporaire) {
  static unsigned compteur = 0;
  int fd = -1;
  for (int essai = 0; fd < 0 && essai < 100; ++essai) {
    temporaire = chemin;
    temporaire += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(compteur++);
    fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  const auto* p = static_cast<const std::uint8_t*>(donnees);
  std::size_t reste = taille;
  bool ok = true;
  while (ok && reste > 0) {
    const ssize_t n = ::write(fd, p, reste);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) {
      p += n;
      reste -= static_cast<std::size_t>(n);
    }
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (!ok) std::remove(temporaire.c_str());
  return ok;
}

}  // namespace

bool ecrire_fichiers_sur(const std::vector<FichierAEcrire>& fichiers) {
  for (const FichierAEcrire& f : fichiers) {
    std::error_code ec;
    if (f.chemin.filename().empty() || std::filesystem::is_directory(std::filesystem::symlink_status(f.chemin, ec)))
      return false;  // no file to replace there
  }
  std::vector<std::filesystem::path> temporaires;
  auto effacer = [&](std::size_t depuis) {
    for (std::size_t i = depuis; i < temporaires.size(); ++i) std::remove(temporaires[i].c_str());
    return false;
  };
  for (const FichierAEcrire& f : fichiers) {
    std::filesystem::path t;
    if (!ecrire_temporaire(f.chemin, f.donnees, f.taille, t)) return effacer(0);
    temporaires.push_back(t);
  }
  for (std::size_t i = 0; i < fichiers.size(); ++i)
    if (std::rename(temporaires[i].c_str(), fichiers[i].chemin.c_str()) != 0) return effacer(i);
  return true;
}

bool ecrire_fichier_sur(const std::filesystem::path& chemin, const void* donnees, std::size_t taille) {
  return ecrire_fichiers_sur({{chemin, donnees, taille}});
}

bool ecrire_fichier_sur(const std::filesystem::path& chemin, const std::string& texte) {
  return ecrire_fichier_sur(chemin, texte.data(), texte.size());
}

std::filesystem::path chemin_sans_casse(const std::filesystem::path& dossier, const std::string& nom) {
  auto minuscules = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  std::error_code ec;
  if (std::filesystem::exists(dossier / nom, ec)) return dossier / nom;
  const std::string cherche = minuscules(nom);
  for (const auto& entree : std::filesystem::directory_iterator(dossier, ec))
    if (minuscules(entree.path().filename().string()) == cherche) return entree.path();
  return dossier / nom;
}

bool fichier_du_programme(const std::filesystem::path& chemin) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::exists(chemin, ec)) return false;
  // Where the path stands, links not followed: the program's folder may be
  // made of links to the files it ships.
  const fs::path cible = fs::absolute(chemin, ec).lexically_normal();
  const auto dans = [&](const fs::path& dossier) {
    if (dossier.empty()) return false;
    const fs::path d = fs::absolute(dossier, ec).lexically_normal();
    const auto [fin, _] = std::mismatch(d.begin(), d.end(), cible.begin(), cible.end());
    return fin == d.end();
  };
  const std::string nom = cible.filename().string();
  for (const char* propre : {"last32.dam", "joueurs.dat", "points.dat"})
    if (nom == propre) return true;
  if (!dans(repertoire_depart)) return false;
  // The user's saved games may live there when the program's folder is the
  // one it writes in.
  return !dans(chemin_sans_casse(repertoire_depart, "Sauve"));
}
