// Reading and writing the program's files: whole-file reads that never trust
// a file's size, writes that go to a temporary file first and are renamed
// over the target, and the program's directory with the user's folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// ---- constants ------------------------------------------------------------

// Where an installed program's data lie, from the folder of its executable
// (the build tells another layout than the usual one).
#ifndef CORVANE_DONNEES_INSTALLEES
#define CORVANE_DONNEES_INSTALLEES "../share/corvane"
#endif
inline constexpr const char* DOSSIER_DONNEES_INSTALLEES = CORVANE_DONNEES_INSTALLEES;

// The user's folder's name in their data folder.
inline constexpr const char* NOM_DOSSIER_UTILISATEUR = "corvane";

// ---- state ----------------------------------------------------------------

// The program's directory: where its shipped data files live, and where it
// writes its own unless the directory is split.
extern std::filesystem::path repertoire_depart;

// The user's folder of a split directory, where everything the program writes
// goes and where a user's file overrides the shipped one of the same name;
// empty when the program writes in repertoire_depart.
extern std::filesystem::path repertoire_utilisateur;

// Told of every whole-file read: the path and whether it could be read.
// Empty in the program; tests follow the order in which files are read.
extern std::function<void(const std::filesystem::path&, bool lu)> crochet_lecture_fichier;

// ---- functions ------------------------------------------------------------

// The program's folders for the running executable (fixer_repertoires).
void fixer_repertoire_depart(const std::filesystem::path& dossier_utilisateur = {});

// The program's folders for an executable in `dossier_executable`. An
// installed program (its data in DOSSIER_DONNEES_INSTALLEES beside that
// folder) reads them there and writes into `dossier_utilisateur`; so does a
// program whose own folder cannot be written. Otherwise it reads and writes
// in its own folder. An empty `dossier_utilisateur` stands for the usual one:
// $XDG_DATA_HOME/corvane, or ~/.local/share/corvane. The user's folder is
// created when it is used.
void fixer_repertoires(const std::filesystem::path& dossier_executable,
                       const std::filesystem::path& dossier_utilisateur = {});

// The usual user's folder: $XDG_DATA_HOME/corvane, or ~/.local/share/corvane.
std::filesystem::path dossier_utilisateur_usuel();

// The file `nom` of the subfolder `dossier` ("" for the folder itself) to be
// read: the user's own when it exists, else the shipped one. Names are
// matched without regard to case.
std::filesystem::path chemin_donnee(const std::string& dossier, const std::string& nom);

// The subfolder `dossier` ("" for the folder itself) of the folder the
// program writes in (repertoire_utilisateur, else repertoire_depart), made
// when missing; its name matched without regard to case.
std::filesystem::path dossier_ecriture(const std::string& dossier = "");

// The file `nom` of that subfolder, where the program writes it.
std::filesystem::path chemin_ecriture(const std::string& dossier, const std::string& nom);

// True when nothing at all stands at `chemin`, as before a first start; an
// entry that cannot even be looked at counts as there.
bool fichier_absent(const std::filesystem::path& chemin);

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

// An existing file the program ships or keeps for itself: anywhere in the
// program's data folder but its saved games ("Sauve"), and the program's own
// files of the user's folder ("last32.dam", the registry). A save from a
// dialog never replaces one.
bool fichier_du_programme(const std::filesystem::path& chemin);
