// corvane-cli params build SOURCE OUT | show FILE: the evaluation parameter
// files, made from their readable form and shown in it.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli.h"
#include "evaluation/evaluation.h"
#include "game/hooks.h"
#include "records/files.h"

namespace {

int construire(const std::string& source, const std::string& sortie) {
  const auto texte = lire_fichier(source, 1u << 20);
  if (!texte) return erreur_usage("params", "cannot read " + source);
  // A file built from scratch carries zeros in its unused bytes.
  std::memset(parametres_bruts, 0, sizeof parametres_bruts);
  std::string erreur;
  if (!lire_parametres_texte(std::string(texte->begin(), texte->end()), erreur))
    return erreur_usage("params", source + ": " + erreur);
  if (!sauver_parametres(sortie)) {
    std::fprintf(stderr, "corvane-cli params: cannot write %s\n", sortie.c_str());
    return SORTIE_ERREUR;
  }
  return SORTIE_OK;
}

int montrer(const std::string& fichier) {
  bool ouvert = true;
  crochet_erreur = [&](const std::string&, const std::string&) { ouvert = false; };
  charger_parametres(fichier);
  if (!ouvert) return erreur_usage("params", "cannot open " + fichier);
  std::fputs(ecrire_parametres_texte().c_str(), stdout);
  return SORTIE_OK;
}

int executer(const std::vector<std::string>& args) {
  if (args.size() == 3 && args[0] == "build") return construire(args[1], args[2]);
  if (args.size() == 2 && args[0] == "show") return montrer(args[1]);
  return erreur_usage("params", "usage: params build SOURCE OUT | params show FILE");
}

const Enregistrement enregistrement(
    {"params", "build or show an evaluation parameter file (.par)",
     "usage: corvane-cli params build SOURCE OUT\n"
     "       corvane-cli params show FILE\n"
     "build reads the readable form (data/parametres/defaut.txt shows it: fields by name,\n"
     "'table N' followed by 32 values in black's orientation, '#' comments) and writes\n"
     "the 1162-byte parameter file OUT. show prints a parameter file in the readable form.\n",
     executer});

}  // namespace
