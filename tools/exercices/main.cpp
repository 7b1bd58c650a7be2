// corvane-exercices [--textes FILE] [--preuves FILE] DIR: makes the exercises
// of the program's "Problemes" folder in DIR, from games the engine plays
// against itself, the opening books and the endgame databases found in DIR,
// each proved, with its commentary; and lists how each was proved.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <regex>
#include <set>

#include "generateur.h"
#include "knowledge/books.h"
#include "knowledge/endgame.h"
#include "knowledge/exercices.h"
#include "knowledge/preuve.h"
#include "records/files.h"
#include "rules/notation.h"

namespace {

namespace fs = std::filesystem;

// How many of each group: at least 60 together.
constexpr int NB_COUPS = 24;
constexpr int NB_FINALES = 22;  // as many as the quotas of finales.cpp
constexpr int NB_PIEGES = 20;

struct GroupeFichiers {
  Groupe groupe;
  const char* nom;    // in the file names: "1-coup-01.dam"
  const char* liste;  // in the list of proofs
};
constexpr GroupeFichiers GROUPES[] = {
    {Groupe::Coups, "1-coup", "coups"},
    {Groupe::Finales, "2-finale", "finales"},
    {Groupe::Pieges, "3-piege", "pieges"},
};

const GroupeFichiers& groupe_fichiers(Groupe g) {
  for (const GroupeFichiers& f : GROUPES)
    if (f.groupe == g) return f;
  return GROUPES[0];
}

int echec(const std::string& message) {
  std::fprintf(stderr, "corvane-exercices: %s\n", message.c_str());
  return 1;
}

// Easier first: how far the player must see, then the solution's length.
long difficulte(const ExerciceGenere& e) {
  if (e.finale) return static_cast<long>(e.finale->solution.size()) * 1000 + e.finale->issue;
  return static_cast<long>(e.coup->vu_a) * 1000 + static_cast<long>(e.coup->solution.size()) * 10 + e.coup->donnes;
}

}  // namespace

int main(int argc, char** argv) {
  fs::path textes_chemin = fs::path(CORVANE_SOURCE_DIR) / "data" / "exercices" / "textes.txt";
  fs::path preuves_chemin;
  fs::path dossier;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::printf(
          "usage: corvane-exercices [--textes FILE] [--preuves FILE] DIR\n"
          "Writes the exercises into DIR/Problemes: shots found in the engine's games, endings of the\n"
          "endgame databases of DIR, traps after the opening books of DIR; each a game file (.dam)\n"
          "with its commentary (.damt). --textes names the commentary texts (data/exercices/textes.txt),\n"
          "--preuves a file that lists each exercise with its start position and its proof.\n");
      return 0;
    }
    if ((a == "--textes" || a == "--preuves") && i + 1 < argc) {
      (a == "--textes" ? textes_chemin : preuves_chemin) = argv[++i];
    } else if (!a.empty() && a[0] != '-' && dossier.empty()) {
      dossier = a;
    } else {
      std::fprintf(stderr, "corvane-exercices: bad argument \"%s\" (--help tells more)\n", a.c_str());
      return 2;
    }
  }
  if (dossier.empty()) return echec("no program directory given");

  const auto debut = std::chrono::steady_clock::now();
  if (charger_bases(dossier) != NB_BASES) return echec("the endgame databases of " + dossier.string() + " are needed");
  bases_chargees = 1;
  std::vector<std::string> blancs, noirs;
  charger_ouvertures(dossier / FICHIER_OUVERTURES_BLANCS, blancs);
  charger_ouvertures(dossier / FICHIER_OUVERTURES_NOIRS, noirs);
  std::set<std::string> uniques(blancs.begin(), blancs.end());
  uniques.insert(noirs.begin(), noirs.end());
  std::vector<std::string> lignes;
  for (const std::string& l : uniques)
    if (!ligne_blanche(l)) lignes.push_back(l);
  if (lignes.empty()) return echec("the opening books of " + dossier.string() + " are needed");
  Textes textes;
  std::string erreur;
  if (!lire_textes(textes_chemin, textes, erreur)) return echec(erreur);

  // Each group with the time it took.
  double secondes[3];
  auto chrono = [](auto&& f, double& s) {
    const auto d = std::chrono::steady_clock::now();
    auto r = f();
    s = std::chrono::duration<double>(std::chrono::steady_clock::now() - d).count();
    return r;
  };
  std::vector<ExerciceGenere> groupes[3];
  groupes[0] = chrono([&] { return trouver_coups(lignes, NB_COUPS); }, secondes[0]);
  groupes[1] = chrono([&] { return trouver_finales(NB_FINALES); }, secondes[1]);
  groupes[2] = chrono([&] { return trouver_pieges(lignes, NB_PIEGES); }, secondes[2]);
  const int voulus[3] = {NB_COUPS, NB_FINALES, NB_PIEGES};
  for (int g = 0; g < 3; ++g)
    if (static_cast<int>(groupes[g].size()) < voulus[g])
      return echec(std::string("only ") + std::to_string(groupes[g].size()) + " exercises of " + GROUPES[g].liste);

  // Names in the order of difficulty; the files and the list of proofs.
  std::vector<std::vector<std::uint8_t>> contenus;
  std::vector<std::string> noms;
  std::string preuves =
      "# Each exercise: file, group, proof depth in plies (0: the endgame databases), solution plies,\n"
      "# what was proved (material won, man 1 king 3; for endings the databases' distance of the win),\n"
      "# first move, start position (FEN, the side to move first).\n";
  for (auto& groupe : groupes) {
    std::stable_sort(groupe.begin(), groupe.end(),
                     [](const ExerciceGenere& a, const ExerciceGenere& b) { return difficulte(a) < difficulte(b); });
    int numero = 0;
    for (ExerciceGenere& e : groupe) {
      char nom[32];
      std::snprintf(nom, sizeof nom, "%s-%02d.dam", groupe_fichiers(e.groupe).nom, ++numero);
      e.nom = nom;
      contenus.push_back(fichier_exercice(e));
      const std::string c = commentaire(e, textes);
      contenus.emplace_back(c.begin(), c.end());
      noms.push_back(e.nom);
      noms.push_back(e.nom + SUFFIXE_COMMENTAIRE);
      const std::vector<Coup>& solution = e.finale ? e.finale->solution : e.coup->solution;
      preuves += e.nom + " " + groupe_fichiers(e.groupe).liste + " " +
                 std::to_string(e.finale ? 0 : e.coup->profondeur) + " " + std::to_string(solution.size()) + " " +
                 std::to_string(e.finale ? e.finale->issue : e.coup->gain) + " " + notation_coup(solution[0]) + " " +
                 ecrire_fen(position_exercice(e)) + "\n";
    }
  }

  const fs::path problemes = dossier / DOSSIER_PROBLEMES;
  std::error_code ec;
  fs::create_directories(problemes, ec);
  std::vector<FichierAEcrire> fichiers;
  for (std::size_t i = 0; i < noms.size(); ++i)
    fichiers.push_back({problemes / noms[i], contenus[i].data(), contenus[i].size()});
  if (!ecrire_fichiers_sur(fichiers)) return echec("cannot write into " + problemes.string());
  // Exercises of an earlier run that this one did not make again.
  const std::regex genere("[123]-(coup|finale|piege)-[0-9]+\\.damt?");
  const std::set<std::string> faits(noms.begin(), noms.end());
  for (const auto& f : fs::directory_iterator(problemes, ec)) {
    const std::string n = f.path().filename().string();
    if (std::regex_match(n, genere) && !faits.count(n)) fs::remove(f.path(), ec);
  }
  if (!preuves_chemin.empty() && !ecrire_fichier_sur(preuves_chemin, preuves))
    return echec("cannot write " + preuves_chemin.string());

  const double total = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  std::printf("corvane-exercices: %zu shots (%.1f s), %zu endings (%.1f s), %zu traps (%.1f s) in %s; "
              "%.1f s, %llu nodes\n",
              groupes[0].size(), secondes[0], groupes[1].size(), secondes[1], groupes[2].size(), secondes[2],
              problemes.string().c_str(), total, static_cast<unsigned long long>(noeuds_preuve()));
  return 0;
}
