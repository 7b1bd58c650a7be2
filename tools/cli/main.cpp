#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli.h"
#include "records/files.h"
#include "records/text_games.h"

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

bool lire_partie_de_texte(const std::string& chemin, int numero, std::string& raison) {
  const auto octets = lire_fichier(chemin);
  if (!octets) {
    raison = "cannot be read";
    return false;
  }
  const std::string_view texte(reinterpret_cast<const char*>(octets->data()), octets->size());
  const std::vector<PartieLue> parties = lire_parties(texte, chemin);
  if (numero < 1 || numero > static_cast<int>(parties.size())) {
    raison = "has " + std::to_string(parties.size()) + " game(s), no game " + std::to_string(numero);
    return false;
  }
  const PartieLue& partie = parties[static_cast<std::size_t>(numero) - 1];
  const bool pdn = est_pdn(texte, chemin);
  // Prose reads as a text game of nothing: that is no game read. (In PDN a
  // word that is no move stops the game, with its own reason.)
  if (!pdn && partie_vide(partie)) {
    raison = "holds no game (no move, no position, no result)";
    return false;
  }
  const ArretRejeu arret = rejouer_partie(partie, numero, pdn);
  if (arret.arrete) {
    raison = texte_arret(arret, 1);
    return false;
  }
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
