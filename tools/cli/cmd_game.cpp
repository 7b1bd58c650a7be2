// corvane-cli game show FILE | convert IN OUT | check FILE | sample OUT: game
// files by their extension, and files of random games to read.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "cli.h"
#include "echantillons.h"
#include "game/game.h"
#include "game/levels.h"
#include "records/files.h"
#include "records/game_file.h"
#include "records/pdn.h"
#include "records/text_games.h"
#include "search/table.h"

namespace {

const char* const NOMS_LANGUES[6] = {"French", "English", "Dutch", "Portuguese", "Spanish", "Italian"};

// The language a game file carried, or the one written into a new one.
std::uint8_t langue_fichier = 0;

// The game of a text or PDN file to take, from 1 ("--game N").
int numero_partie = 1;

// PDN is written in algebraic notation ("--algebraic").
bool pdn_algebrique = false;

// A format reads a file into the game record (partie, dernier_demi_coup,
// nb_demi_coups, trait) or writes one from it; false with the reason.
struct FormatPartie {
  const char* extension;
  bool (*lire)(const std::string& chemin, std::string& raison);
  bool (*ecrire)(const std::string& chemin, std::string& raison);
  bool reglages;  // the file carries the level, the language and the table size
};

// A .dam file's names are all in its record.
bool lire_dam(const std::string& chemin, std::string& raison) {
  nom_complet_blanc.clear();
  nom_complet_noir.clear();
  return lire_partie(chemin, langue_fichier, raison);
}

bool ecrire_dam(const std::string& chemin, std::string& raison) {
  if (ecrire_partie(chemin, langue_fichier)) return true;
  raison = "cannot be written";
  return false;
}

// Game `numero_partie` of a text or PDN file, replayed into the record; a
// PDN game stops at a move that is not legal, and that is a fault.
bool lire_texte(const std::string& chemin, std::string& raison) {
  return lire_partie_de_texte(chemin, numero_partie, raison);
}

// The names the record carries at the ply shown.
std::string nom_blanc() { return nom_du_champ(partie[nb_demi_coups].nom_blancs); }
std::string nom_noir() { return nom_du_champ(partie[nb_demi_coups].nom_noirs); }

bool ecrire_texte(const std::string& chemin, const std::string& texte, std::string& raison) {
  if (ecrire_fichier_sur(chemin, texte)) return true;
  raison = "cannot be written";
  return false;
}

bool ecrire_txt(const std::string& chemin, std::string& raison) {
  RefusTexte refus = RefusTexte::Aucun;
  const std::string texte = ecrire_texte_partie(nom_blanc(), nom_noir(), resultat_partie, &refus);
  switch (refus) {
    case RefusTexte::Aucun:
      return ecrire_texte(chemin, texte, raison);
    case RefusTexte::PositionPosee:
      raison = "the text format cannot hold a game from a set-up position: write it as PDN (.pdn)";
      break;
    case RefusTexte::NomBlanc:
    case RefusTexte::NomNoir:
      raison = "the text format cannot hold the name \"" +
               latin1_en_utf8(refus == RefusTexte::NomBlanc ? nom_blanc() : nom_noir()) +
               "\" as it is: write the game as PDN (.pdn)";
      break;
  }
  return false;
}

// The full names of a game read from PDN go back into PDN.
bool ecrire_pdn(const std::string& chemin, std::string& raison) {
  OptionsPdn options;
  options.algebrique = pdn_algebrique;
  options.nom_complet_blanc = nom_complet_blanc;
  options.nom_complet_noir = nom_complet_noir;
  return ecrire_texte(chemin, ecrire_partie_pdn(nom_blanc(), nom_noir(), resultat_partie, "", options), raison);
}

const FormatPartie FORMATS[] = {
    {".dam", lire_dam, ecrire_dam, true},
    {".txt", lire_texte, ecrire_txt, false},
    {".pdn", lire_texte, ecrire_pdn, false},
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

// Every game of a text or PDN file replayed: the games that stop are named,
// then the count of games read to their end.
int verifier(const std::string& chemin) {
  const auto octets = lire_fichier(chemin);
  if (!octets) return erreur_usage("game", chemin + ": cannot be read");
  const std::string_view texte(reinterpret_cast<const char*>(octets->data()), octets->size());
  const std::vector<PartieLue> parties = lire_parties(texte, chemin);
  if (parties.empty()) return erreur_usage("game", chemin + ": no game in it");
  const bool pdn = est_pdn(texte, chemin);
  int completes = 0;
  long plis = 0;
  for (std::size_t g = 0; g < parties.size(); ++g) {
    const ArretRejeu a = rejouer_partie(parties[g], static_cast<int>(g) + 1, pdn);
    if (a.arrete) {
      std::printf("%s\n", texte_arret(a, 1).c_str());
    } else {
      ++completes;
      plis += dernier_demi_coup;
    }
  }
  std::printf("%zu games, %d read to the end, %ld plies\n", parties.size(), completes, plis);
  return completes == static_cast<int>(parties.size()) ? SORTIE_OK : SORTIE_USAGE;
}

int echantillon(const std::vector<std::string>& args) {
  std::string style = "pool";
  long parties = 300, graine = 1;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string valeur = i + 1 < args.size() ? args[i + 1] : "";
    if (args[i] == "--style") {
      style = valeur;
    } else if (args[i] == "--games") {
      if (!lire_entier(valeur, 1, 100000, parties)) return erreur_usage("game", "--games takes 1..100000");
    } else if (args[i] == "--seed") {
      if (!lire_entier(valeur, 0, 4294967295L, graine)) return erreur_usage("game", "--seed takes 0..4294967295");
    } else {
      return erreur_usage("game", "unknown option " + args[i]);
    }
    ++i;
  }
  const Echantillon e = ecrire_echantillon(style, static_cast<int>(parties), static_cast<std::uint32_t>(graine));
  if (e.parties == 0) return erreur_usage("game", "unknown style \"" + style + "\" (" + STYLES_ECHANTILLON + ")");
  if (!ecrire_fichier_sur(args[0], e.texte)) {
    std::fprintf(stderr, "corvane-cli game: %s: cannot be written\n", args[0].c_str());
    return SORTIE_ERREUR;
  }
  std::printf("%d games, %ld plies\n", e.parties, e.demi_coups);
  return SORTIE_OK;
}

int executer(const std::vector<std::string>& arguments) {
  std::vector<std::string> args = arguments;
  if (!args.empty() && args[0] == "sample") {
    if (args.size() < 2) return erreur_usage("game", "expected 'sample OUT [--style S] [--games N] [--seed S]'");
    return echantillon(std::vector<std::string>(args.begin() + 1, args.end()));
  }
  for (auto a = args.begin(); a != args.end(); ++a)
    if (*a == "--algebraic") {
      pdn_algebrique = true;
      args.erase(a);
      break;
    }
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--game") continue;
    const std::string n = i + 1 < args.size() ? args[i + 1] : "";
    if (n.empty() || n.size() > 4 || n.find_first_not_of("0123456789") != std::string::npos || std::stoi(n) < 1)
      return erreur_usage("game", "--game expects a game number from 1");
    numero_partie = std::stoi(n);
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    break;
  }
  if (args.size() == 2 && args[0] == "show") return montrer(args[1]);
  if (args.size() == 3 && args[0] == "convert") return convertir(args[1], args[2]);
  if (args.size() == 2 && args[0] == "check") return verifier(args[1]);
  return erreur_usage("game", "expected 'show FILE', 'convert IN OUT', 'check FILE' or 'sample OUT'");
}

const Enregistrement enregistrement({"game", "show or convert a game file",
                                     "usage: corvane-cli game show FILE [--game N]\n"
                                     "       corvane-cli game convert IN OUT [--game N] [--algebraic]\n"
                                     "       corvane-cli game check FILE\n"
                                     "       corvane-cli game sample OUT [--style S] [--games N] [--seed S]\n"
                                     "show: the move list as the window shows it, the ply shown and the FEN of its\n"
                                     "position, and for a .dam file the settings it carries (level, thinking time,\n"
                                     "clock allowance, minutes of the custom level, table size, language).\n"
                                     "convert: reads IN and writes OUT, each in the format of its extension (.dam,\n"
                                     ".txt for the program's text format, .pdn for PDN 3.0). PDN is written in\n"
                                     "numbers with GameType \"23,B,8,8,N1,0\", or with --algebraic in squares a1..h8\n"
                                     "with GameType \"23,W,8,8,A0,0\" (the side that moves first is then White).\n"
                                     "The text format holds no starting position, and names only as far as its\n"
                                     "header can part them (no \"1.\", no \"-\" in the first name...): such a game\n"
                                     "is not written as .txt (status 1); write it as .pdn.\n"
                                     "--game N takes game N of a text or PDN file of several games (default 1).\n"
                                     "PDN is read in numeric or algebraic notation, pool checkers (GameType 23),\n"
                                     "Russian (25) or Brazilian (26) draughts, the last two replayed under our rules;\n"
                                     "a PDN game is refused at a move that is not legal here, that is ambiguous or\n"
                                     "that is no move, naming the game, the move number and the move as written.\n"
                                     "check: replays every game of a text or PDN file, names those that stop and\n"
                                     "counts the games read to their end (status 2 when one stops).\n"
                                     "sample: writes N random legal games (default 300) in the style of other\n"
                                     "programs' PDN: pool, algebraic, plain (no GameType), russian, brazilian.\n"
                                     "A file that cannot be read or is no game ends with status 2.\n",
                                     executer});
}  // namespace
