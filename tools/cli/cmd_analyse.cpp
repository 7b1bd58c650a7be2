// corvane-cli analyse FILE: the analysis of a game as the analysis window
// makes it, printed as its move lines, and optionally the game as PDN with
// the analysis in it.
#include <cstdio>
#include <string>

#include "cli.h"
#include "game/game.h"
#include "game/hooks.h"
#include "game/levels.h"
#include "moteur.h"
#include "records/analysis.h"
#include "records/files.h"
#include "records/game_file.h"
#include "records/text_games.h"
#include "search/root.h"

namespace {

const char* const CODES_LANGUES[6] = {"fr", "en", "nl", "pt", "es", "it"};

bool extension_dam(const std::string& chemin) {
  if (chemin.size() < 4) return false;
  std::string e = chemin.substr(chemin.size() - 4);
  for (char& c : e) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return e == ".dam";
}

// Game `numero` of the file into the record; false with the reason.
bool lire_jeu(const std::string& chemin, int numero, std::string& raison) {
  if (extension_dam(chemin)) {
    std::uint8_t langue = 0;
    return lire_partie(chemin, langue, raison);
  }
  return lire_partie_de_texte(chemin, numero, raison);
}

int executer(const std::vector<std::string>& args) {
  Reglage reglage;
  long numero = 1, langue = 0;
  std::string fichier, pdn;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string erreur;
    const std::string& a = args[i];
    const bool valeur = i + 1 < args.size();
    if (lire_reglage(args, i, "--", reglage, erreur)) {
      if (!erreur.empty()) return erreur_usage("analyse", erreur);
    } else if (a == "--game") {
      if (!valeur || !lire_entier(args[i + 1], 1, 100000, numero))
        return erreur_usage("analyse", "--game expects a game number from 1");
      ++i;
    } else if (a == "--pdn") {
      if (!valeur) return erreur_usage("analyse", "--pdn needs a file name");
      pdn = args[++i];
    } else if (a == "--language") {
      langue = -1;
      for (int l = 0; valeur && l < 6; ++l)
        if (args[i + 1] == CODES_LANGUES[l]) langue = l;
      if (langue < 0) return erreur_usage("analyse", "--language takes fr, en, nl, pt, es or it");
      ++i;
    } else if (!a.empty() && a[0] == '-') {
      return erreur_usage("analyse", "unknown option " + a);
    } else if (fichier.empty()) {
      fichier = a;
    } else {
      return erreur_usage("analyse", "more than one game file given");
    }
  }
  if (fichier.empty()) return erreur_usage("analyse", "expected a game file (see --help)");

  demarrer_moteur();
  std::string raison;
  if (!lire_jeu(fichier, static_cast<int>(numero), raison)) return erreur_usage("analyse", fichier + ": " + raison);
  // The whole game is analysed, from its last ply.
  aller_au_demi_coup(dernier_demi_coup);
  if (!appliquer_reglage(reglage)) return erreur_usage("analyse", "cannot read parameter file " + reglage.parametres);
  if (!analyser_partie(static_cast<int>(langue))) return erreur_usage("analyse", fichier + ": the game has no move");
  fin_analyse();

  for (const std::string& l : lignes_coups_analyse()) std::printf("%s\n", l.c_str());
  if (!pdn.empty() && !ecrire_fichier_sur(pdn, ecrire_analyse_pdn(nom_joueur_blanc, nom_joueur_noir, resultat_partie, "")))
    return erreur_usage("analyse", pdn + ": cannot be written");
  return SORTIE_OK;
}

const Enregistrement enregistrement(
    {"analyse", "the analysis of a game, move by move",
     "usage: corvane-cli analyse FILE [--game N] [--level L | --depth D] [--params FILE]\n"
     "                           [--language fr|en|nl|pt|es|it] [--pdn OUT]\n"
     "Replays the game of FILE (.dam, the program's text format or PDN; --game N takes game N\n"
     "of a file of several, default 1) from its last position to its first, searches each\n"
     "position as the analysis window does, and prints one line per move, the first move\n"
     "first: the move played and its score, the move the search prefers and its score (+100\n"
     "is a man won). A line starting with \"*\" had a much better move; the start of the better\n"
     "play follows it. The lines are those \"Editer analyse\" saves, in the language chosen\n"
     "(default fr, the program's first language).\n"
     "  --depth D     each position searched D plies deep, no time limit (default 10)\n"
     "  --level L     each position searched as at level L of the menu (0..8): a thirtieth of\n"
     "                its thinking budget, or its fixed depth for the levels 0..2\n"
     "  --params F    evaluation parameter file instead of Parametres/defaut.par\n"
     "  --pdn OUT     also writes the game as PDN with the analysis in it: each starred move\n"
     "                followed by $2 (\"?\"), or $4 (\"??\") when it threw away a win or lost\n"
     "                two men or more against the best move, and a comment naming the better\n"
     "                move and its score, e.g. {meilleur : 11-15, +40}\n"
     "A file that cannot be read, a move that is not legal, a game without a move or a PDN\n"
     "file that cannot be written ends with status 2 and one line naming the fault.\n",
     executer});

}  // namespace
