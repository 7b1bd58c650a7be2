#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli.h"

namespace {
std::vector<Commande>& commandes() {
  static std::vector<Commande> liste;
  return liste;
}

void usage_general(std::FILE* sortie) {
  std::fprintf(sortie, "usage: corvane-cli COMMAND [ARGS]\n\ncommands:\n");
  for (const Commande& c : commandes()) std::fprintf(sortie, "  %-8s %s\n", c.nom, c.resume);
  std::fprintf(sortie,
               "\nPositions are FEN as the board shows them: B moves first, squares numbered 1..32 as displayed,\n"
               "e.g. \"%s\".\n'corvane-cli COMMAND --help' tells more.\n",
               FEN_DEPART);
}
}  // namespace

Enregistrement::Enregistrement(const Commande& c) { commandes().push_back(c); }

int erreur_usage(const char* commande, const std::string& message) {
  std::fprintf(stderr, "corvane-cli %s: %s\n", commande, message.c_str());
  return SORTIE_USAGE;
}

bool charger_position(const char* commande, const std::string& texte) {
  Position pos;
  std::string erreur;
  if (!lire_fen(texte, pos, erreur)) {
    erreur_usage(commande, "bad position: " + erreur);
    return false;
  }
  placer_position(pos);
  return true;
}

bool lire_entier(const std::string& texte, long min, long max, long& valeur) {
  if (texte.empty()) return false;
  char* fin = nullptr;
  errno = 0;
  const long v = std::strtol(texte.c_str(), &fin, 10);
  if (errno != 0 || *fin != '\0' || v < min || v > max) return false;
  valeur = v;
  return true;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    usage_general(stderr);
    return SORTIE_USAGE;
  }
  const std::string nom = argv[1];
  if (nom == "--help" || nom == "-h" || nom == "help") {
    usage_general(stdout);
    return SORTIE_OK;
  }
  for (const Commande& c : commandes()) {
    if (nom != c.nom) continue;
    std::vector<std::string> args(argv + 2, argv + argc);
    for (const std::string& a : args)
      if (a == "--help" || a == "-h") {
        std::fputs(c.aide, stdout);
        return SORTIE_OK;
      }
    return c.executer(args);
  }
  std::fprintf(stderr, "corvane-cli: unknown command \"%s\"\n", nom.c_str());
  usage_general(stderr);
  return SORTIE_USAGE;
}
