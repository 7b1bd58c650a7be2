// corvane-cli keys FILE: writes the key file "hashkey33.dat".
#include <cstdio>

#include "cli.h"
#include "search/keys.h"

namespace {

int executer(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].empty()) return erreur_usage("keys", "usage: keys FILE");
  if (!ecrire_fichier_cles(args[0])) {
    std::fprintf(stderr, "corvane-cli keys: cannot write %s\n", args[0].c_str());
    return SORTIE_ERREUR;
  }
  return SORTIE_OK;
}

const Enregistrement enregistrement({"keys", "write the position key file",
                                     "usage: corvane-cli keys FILE\n"
                                     "Writes the 2 x 165 key words (1320 bytes, little-endian) that the program\n"
                                     "also has built in: the index words, then the check words.\n",
                                     executer});

}  // namespace
