// corvane-cli eval [FEN]: the static evaluation of a position for both sides.
#include <cstdio>

#include "cli.h"
#include "evaluation/evaluation.h"
#include "game/hooks.h"
#include "records/files.h"

namespace {

int executer(const std::vector<std::string>& args) {
  if (args.size() > 1) return erreur_usage("eval", "usage: eval [FEN]");
  if (!charger_position("eval", args.empty() ? FEN_DEPART : args[0])) return SORTIE_USAGE;
  fixer_repertoire_depart();
  bool charge = true;
  crochet_erreur = [&](const std::string&, const std::string&) { charge = false; };
  charger_parametres_defaut();
  if (!charge) std::fprintf(stderr, "corvane-cli eval: no Parametres/defaut.par, all parameters are 0\n");
  compter_pieces();
  // As the main window shows it: in 1/100 of a man, camp 0 first.
  const int noirs = score_affiche(evaluer_statique(BLANCS));
  const int blancs = score_affiche(evaluer_statique(NOIRS));
  std::printf("Eval stat blacks:%4d\n", noirs);
  std::printf("Eval stat white:%4d\n", blancs);
  return SORTIE_OK;
}

const Enregistrement enregistrement(
    {"eval", "static evaluation of a position for both sides",
     "usage: corvane-cli eval [FEN]\n"
     "Prints the static evaluation of the position (the start position without FEN) with the\n"
     "parameters of Parametres/defaut.par (the user's own, else the program's), in 1/100 of a man:\n"
     "  \"Eval stat blacks:%4d\" for the side that moves first (drawn with the black pieces),\n"
     "  \"Eval stat white:%4d\" for the other side.\n",
     executer});

}  // namespace
