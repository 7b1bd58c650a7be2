// corvane-cli game show FILE | convert IN OUT: game files by their extension.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "cli.h"
#include "game/game.h"
#include "game/levels.h"
#include "records/game_file.h"
#include "search/table.h"

namespace {

const char* const NOMS_LANGUES[6] = {"French", "English", "Dutch", "Portuguese", "Spanish", "Italian"};

// The language a game file carried, or the one written into a new one.
std::uint8_t langue_fichier = 0;

// A format reads a file into the game record (partie, dernier_demi_coup,
// nb_demi_coups, trait) or writes one from it; false with the reason.
struct FormatPartie {
  const char* extension;
  bool (*lire)(const std::string& chemin, std::string& raison);
  bool (*ecrire)(const std::string& chemin, std::string& raison);
  bool reglages;  // the file carries the level, the language and the table size
};

bool lire_dam(const std::string& chemin, std::string& raison) {
  if (!lire_partie(chemin, langue_fichier, raison)) return false;
  dernier_demi_coup = partie[0].position[0];
  partie[0].position[0] = HORS_DAMIER;
  return true;
}

bool ecrire_dam(const std::string& chemin, std::string& raison) {
  if (ecrire_partie(chemin, langue_fichier)) return true;
  raison = "cannot be written";
  return false;
}

const FormatPartie FORMATS[] = {
    {".dam", lire_dam, ecrire_dam, true},
    {".txt", nullptr, nullptr, false},
    {".pdn", nullptr, nullptr, false},
};

// The format of a file name, or nullptr after reporting the fault.
const FormatPartie* format_de(const std::string& chemin, bool ecriture) {
  std::string extension = std::filesystem::path(chemin).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const FormatPartie& f : FORMATS) {
    if (extension != f.extension) continue;
    if ((ecriture ? f.ecrire : f.lire) != nullptr) return &f;
    erreur_usage("game", chemin + ": unsupported format " + extension);
    return nullptr;
  }
  erreur_usage("game", chemin + ": unknown format \"" + extension + "\"");
  return nullptr;
}

bool lire_jeu(const std::string& chemin, const FormatPartie*& format) {
  format = format_de(chemin, false);
  if (format == nullptr) return false;
  std::string raison;
  if (format->lire(chemin, raison)) return true;
  erreur_usage("game", chemin + ": " + raison);
  return false;
}

int montrer(const std::string& chemin) {
  const FormatPartie* format = nullptr;
  if (!lire_jeu(chemin, format)) return SORTIE_USAGE;
  for (const std::string& l : lignes_liste_coups(partie, dernier_demi_coup)) std::printf("%s\n", l.c_str());
  Position pos;
  std::memcpy(pos.cases, partie[nb_demi_coups].position, sizeof pos.cases);
  pos.trait = trait;
  std::printf("ply %d of %d\nFEN %s\n", nb_demi_coups, dernier_demi_coup, ecrire_fen(pos).c_str());
  if (format->reglages)
    std::printf("level %d, thinking %d s, allowance %d s, other %d min, tables %d, %s\n", niveau, budget_reflexion,
                temps_limite, minutes_autre, taille_tables, NOMS_LANGUES[langue_fichier]);
  return SORTIE_OK;
}

int convertir(const std::string& entree, const std::string& sortie) {
  const FormatPartie* format = nullptr;
  if (!lire_jeu(entree, format)) return SORTIE_USAGE;
  const FormatPartie* cible = format_de(sortie, true);
  if (cible == nullptr) return SORTIE_USAGE;
  std::string raison;
  if (cible->ecrire(sortie, raison)) return SORTIE_OK;
  std::fprintf(stderr, "corvane-cli game: %s: %s\n", sortie.c_str(), raison.c_str());
  return SORTIE_ERREUR;
}

int executer(const std::vector<std::string>& args) {
  if (args.size() == 2 && args[0] == "show") return montrer(args[1]);
  if (args.size() == 3 && args[0] == "convert") return convertir(args[1], args[2]);
  return erreur_usage("game", "expected 'show FILE' or 'convert IN OUT'");
}

const Enregistrement enregistrement({"game", "show or convert a game file",
                                     "usage: corvane-cli game show FILE\n"
                                     "       corvane-cli game convert IN OUT\n"
                                     "show: the move list as the window shows it, the ply shown and the FEN of its\n"
                                     "position, and for a .dam file the settings it carries (level, thinking time,\n"
                                     "clock allowance, minutes of the custom level, table size, language).\n"
                                     "convert: reads IN and writes OUT, each in the format of its extension (.dam).\n"
                                     "A file that cannot be read or is no game ends with status 2.\n",
                                     executer});
}  // namespace
