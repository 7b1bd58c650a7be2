// The player registry: two parallel text files beside the program, the
// names in "joueurs.dat" and the ratings in "points.dat", one entry a line
// and nothing but the position tying a name to its rating. Entry 0 is the
// computer itself.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// ---- constants ------------------------------------------------------------

inline constexpr const char* FICHIER_JOUEURS = "joueurs.dat";
inline constexpr const char* FICHIER_POINTS = "points.dat";
inline constexpr const char* NOM_ORDINATEUR = "Corvane";
constexpr std::int32_t CLASSEMENT_ORDINATEUR = 2050;  // the computer's rating in a new registry and after a reset
constexpr int LONGUEUR_NOM_JOUEUR = 19;               // characters a player's name holds (one byte each)
constexpr std::size_t TAILLE_REGISTRE_LUE = 16u << 20;  // bytes read of each file (about a million players)

// ---- types ----------------------------------------------------------------

// Both files' lines, as 8-bit Latin-1 text, entry by entry.
struct Registre {
  std::vector<std::string> noms;
  std::vector<std::string> points;
  bool entier = true;  // false: read from a file too long to read whole, never to be written back
};

struct LectureRegistre {
  Registre registre;          // as many ratings as names
  bool nouveau = false;       // no names (no file, or an empty one): the computer's entry alone
  int points_manquants = 0;   // names past the end of points.dat, their ratings read as 0
  bool incomplet = false;     // a file is there but was not read whole: too long, or unreadable
};

// ---- functions ------------------------------------------------------------

// The lines of a text, ended by CR LF, a lone CR or a lone LF; a last line
// without an ending counts when it is not empty.
std::vector<std::string> lignes_texte(const std::vector<std::uint8_t>& octets);
// The lines, each ended by CR LF.
std::string texte_lignes(const std::vector<std::string>& lignes);

// The leading decimal integer of a rating line (blanks before it skipped,
// anything after it ignored), 0 without digits; at most 999999999.
std::int32_t valeur_classement(const std::string& ligne);
// A new player's capital, right-aligned in four characters ("%4d").
std::string texte_capital(std::int32_t points);

// Reads both files of the registry in `dossier`, whole. Missing ratings read
// as 0 (and are counted); ratings beyond the last name are dropped. A file
// longer than TAILLE_REGISTRE_LUE is read up to there, and one that is there
// but cannot be read counts as empty: either way the registry is marked as
// not whole (incomplet, and entier false in the registry).
LectureRegistre lire_registre(const std::filesystem::path& dossier);

// Writes both files as one set: either both are replaced or neither is.
// False, nothing written, for a registry that was not read whole: writing it
// back would lose the players beyond what was read.
bool ecrire_registre(const std::filesystem::path& dossier, const Registre& r);

// A new player at the end, with his capital; no check for a name already there.
void ajouter_joueur(Registre& r, const std::string& nom, std::int32_t capital);
// Deletes entry `indice` from both lists; false, nothing changed, for the
// computer's entry, nothing chosen (< 0) or an entry past the end.
bool effacer_joueur(Registre& r, int indice);
// Entry `indice` takes the rating `points` in plain decimal; false, nothing
// changed, when there is no such entry.
bool inscrire_classement(Registre& r, int indice, std::int32_t points);
