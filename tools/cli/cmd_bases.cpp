// corvane-cli bases build|check|probe DIR: makes, re-verifies and reads the
// endgame databases.
#include <chrono>
#include <cstdio>

#include "cli.h"
#include "knowledge/endgame_build.h"
#include "knowledge/endgame.h"
#include "rules/board.h"

namespace {

void afficher_bilans() {
  std::printf("%-6s %8s %8s %8s %8s %9s %9s\n", "class", "wins", "draws", "losses", "unused", "max win", "max loss");
  for (int k = 0; k < NB_BASES; ++k) {
    const BilanBase b = bilan_base(k);
    std::printf("%-6s %8u %8u %8u %8u %9d %9d\n", CLASSES_BASES[k].nom, b.gains, b.nulles, b.pertes, b.inutilises,
                b.plus_long_gain, -b.plus_longue_perte);
  }
}

int construire(const std::string& dossier) {
  std::error_code ec;
  std::filesystem::create_directories(dossier, ec);
  const auto debut = std::chrono::steady_clock::now();
  std::string erreur;
  if (!construire_bases(erreur)) {
    std::fprintf(stderr, "corvane-cli bases build: %s\n", erreur.c_str());
    return SORTIE_ERREUR;
  }
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  if (!ecrire_bases(dossier)) {
    std::fprintf(stderr, "corvane-cli bases build: cannot write into %s\n", dossier.c_str());
    return SORTIE_ERREUR;
  }
  std::printf("solved 22 classes in %.2f s into %s\n", s, dossier.c_str());
  return SORTIE_OK;
}

int verifier(const std::string& dossier) {
  const int n = charger_bases(dossier);
  if (n != NB_BASES) {
    for (int k = 0; k < NB_BASES; ++k)
      if (!base_utilisable[k])
        std::fprintf(stderr, "corvane-cli bases check: %s.bib missing, not %u bytes or not as recorded in %s\n",
                     CLASSES_BASES[k].nom, CLASSES_BASES[k].taille, FICHIER_SOMMES_BASES);
    return SORTIE_ERREUR;
  }
  const auto debut = std::chrono::steady_clock::now();
  std::string erreur;
  if (!verifier_bases(erreur)) {
    std::fprintf(stderr, "corvane-cli bases check: inconsistent: %s\n", erreur.c_str());
    return SORTIE_ERREUR;
  }
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  afficher_bilans();
  std::printf("all 22 tables consistent (%.2f s)\n", s);
  return SORTIE_OK;
}

int sonder(const std::string& dossier, const std::string& fen) {
  if (!charger_position("bases", fen)) return SORTIE_USAGE;
  charger_bases(dossier);
  const int k = classe_base(damier, trait);
  if (k < 0) return erreur_usage("bases", "no table covers this material");
  const std::int32_t i = indice_base(k, damier, trait);
  if (!base_utilisable[k]) {
    std::fprintf(stderr, "corvane-cli bases probe: %s.bib is not usable\n", CLASSES_BASES[k].nom);
    return SORTIE_ERREUR;
  }
  const int d = table_base(k)[i];
  std::printf("class=%s offset=%d value=%d %s score=%d\n", CLASSES_BASES[k].nom, i, d,
              d > 0 ? "win" : d < 0 ? "loss" : "draw", sonder_base(k, trait, 1));
  return SORTIE_OK;
}

int executer(const std::vector<std::string>& args) {
  if (args.size() == 2 && args[0] == "build") return construire(args[1]);
  if (args.size() == 2 && args[0] == "check") return verifier(args[1]);
  if (args.size() == 3 && args[0] == "probe") return sonder(args[1], args[2]);
  return erreur_usage("bases", "usage: bases build DIR | bases check DIR | bases probe DIR FEN");
}

const Enregistrement enregistrement(
    {"bases", "make, check or read the endgame databases",
     "usage: corvane-cli bases build DIR\n"
     "       corvane-cli bases check DIR\n"
     "       corvane-cli bases probe DIR FEN\n"
     "build: solves every position of the 22 classes (at most four pieces) by retrograde\n"
     "  analysis and writes the 22 .bib files into DIR, with bases.sum, the checksum of each;\n"
     "  a table whose bytes do not give its recorded checksum is not used.\n"
     "check: loads the 22 files of DIR and re-derives every byte from the bytes of its\n"
     "  successors, one ply deep; prints wins/draws/losses per class, or the first\n"
     "  inconsistent position as FEN and exits 1.\n"
     "probe: the stored byte of a position and the search score it gives at ply 1.\n"
     "A byte is the outcome for the side to move in plies to the end plus one: +d wins,\n"
     "-d loses, 0 draws (and fills every offset that addresses no position).\n",
     executer});

}  // namespace
