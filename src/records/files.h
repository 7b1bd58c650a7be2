// Reading and writing the program's files: whole-file reads that never trust
// a file's size, writes that go to a temporary file first and are renamed
// over the target, and the program's directory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// ---- state ----------------------------------------------------------------

// The program's directory: where its data files live and where it writes its own.
extern std::filesystem::path repertoire_depart;

// Told of every whole-file read: the path and whether it could be read.
// Empty in the program; tests follow the order in which files are read.
extern std::function<void(const std::filesystem::path&, bool lu)> crochet_lecture_fichier;

// ---- functions ------------------------------------------------------------

// Sets repertoire_depart to the folder of the running executable.
void fixer_repertoire_depart();

// Whole file, at most `maximum` bytes read (a longer file is cut there and
// `trop_long` set); nullopt when it cannot be opened or read, or is not a
// regular file (a pipe, a device or a folder is refused without waiting on it).
std::optional<std::vector<std::uint8_t>> lire_fichier(const std::filesystem::path& chemin,
                                                      std::size_t maximum = 64u << 20,
                                                      bool* trop_long = nullptr);

// Writes to a temporary file of its own in the same folder ("<target>.tmp"
// followed by the process and a count), flushes it to disk, then renames it
// over the target: a crash leaves the old file or the new one. False for a
// name without a file name ("" or "folder/").
bool ecrire_fichier_sur(const std::filesystem::path& chemin, const void* donnees, std::size_t taille);
bool ecrire_fichier_sur(const std::filesystem::path& chemin, const std::string& texte);

// A set of files written together: every one goes to its temporary file
// first, and only when all are written, and no folder stands in the place of
// a target, are they renamed over their targets; otherwise no target is
// touched. (A rename failing after others have succeeded is not undone.)
struct FichierAEcrire {
  std::filesystem::path chemin;
  const void* donnees;
  std::size_t taille;
};
bool ecrire_fichiers_sur(const std::vector<FichierAEcrire>& fichiers);

// The entry `nom` of folder `dossier`, its name matched without regard to
// case ("parametres" finds "Parametres"); dossier / nom when none exists.
std::filesystem::path chemin_sans_casse(const std::filesystem::path& dossier, const std::string& nom);
