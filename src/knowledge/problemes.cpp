#include "knowledge/problemes.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "game/game.h"
#include "records/game_file.h"
#include "rules/etat.h"

std::filesystem::path repertoire_problemes;
RechercheProblemes recherche_problemes;
std::uint8_t revoir = 0;
ExerciceOuvert exercice_ouvert;
ETAT_MOTEUR(repertoire_problemes, recherche_problemes, revoir, exercice_ouvert);

namespace {

std::string minuscules(std::string t) {
  for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return t;
}

bool meme_plateau(const std::uint8_t* a, const std::uint8_t* b) { return std::memcmp(a + 1, b + 1, NB_CASES) == 0; }

}  // namespace

void commencer_recherche_problemes(const std::filesystem::path& choisi) {
  repertoire_problemes = choisi.parent_path();
  recherche_problemes.noms = lister_exercices(repertoire_problemes);
  const std::string cherche = minuscules(choisi.lexically_normal().string());
  const auto& noms = recherche_problemes.noms;
  const auto it = std::find_if(noms.begin(), noms.end(), [&](const std::filesystem::path& p) {
    return minuscules(p.lexically_normal().string()) == cherche;
  });
  // Not in the folder's list: the enumeration ran to its end looking for it.
  recherche_problemes.courant = static_cast<int>(it - noms.begin());
}

std::optional<std::filesystem::path> probleme_suivant() {
  RechercheProblemes& r = recherche_problemes;
  const int n = static_cast<int>(r.noms.size());
  if (revoir != 0) {
    if (r.courant < 0 || r.courant >= n) return std::nullopt;
    return r.noms[static_cast<std::size_t>(r.courant)];
  }
  if (r.courant < 0 || r.courant + 1 >= n) return std::nullopt;
  ++r.courant;
  return r.noms[static_cast<std::size_t>(r.courant)];
}

bool ouvrir_exercice(const std::filesystem::path& chemin, std::string& raison) {
  std::optional<Exercice> e = lire_exercice(chemin, raison);
  if (!e) return false;
  // Entry 0's first byte holds the start index where other games keep their
  // last ply: the game ends there, its solution kept out of reach of
  // "Avancer coups".
  appliquer_partie(e->contenu);
  aller_au_demi_coup(e->debut);
  sans_anticipation = 1;
  ordinateur_au_trait = 0;
  case_depart_marquee = case_arrivee_marquee = 0;
  exercice_ouvert = {chemin, std::move(*e), EtapeExercice::AChercher, 0};
  return true;
}

void fermer_exercice() {
  exercice_ouvert = ExerciceOuvert{};
  recherche_problemes = RechercheProblemes{};
}

int plies_suivis(int h) {
  const ExerciceOuvert& o = exercice_ouvert;
  if (o.chemin.empty()) return -1;
  const int debut = o.exercice.debut;
  const int n = static_cast<int>(o.exercice.solution.size());
  if (h < debut || h > debut + n || h > dernier_demi_coup) return -1;
  // The solution's plies are those of the file: the record must hold the
  // same positions from the start on.
  for (int k = debut; k <= h; ++k)
    if (!meme_plateau(partie[k].position, o.exercice.contenu.partie[k].position)) return -1;
  return h - debut;
}

VerdictSolution juger_coup_joueur(const Coup& m) {
  const int joues = nb_demi_coups >= 1 ? plies_suivis(nb_demi_coups - 1) : -1;
  if (joues < 0) return {ResultatCoup::HorsSolution, std::nullopt};
  const VerdictSolution v = verifier_coup_exercice(exercice_ouvert.exercice.solution, joues, m);
  switch (v.resultat) {
    case ResultatCoup::Solution:
      exercice_ouvert.etape = EtapeExercice::BienJoue;
      break;
    case ResultatCoup::Reussi:
      exercice_ouvert.etape = EtapeExercice::Reussi;
      break;
    case ResultatCoup::Autre:
      exercice_ouvert.etape = EtapeExercice::Rate;
      break;
    case ResultatCoup::HorsSolution:
      break;
  }
  return v;
}

std::optional<CoupAMontrer> coup_a_montrer() {
  const ExerciceOuvert& o = exercice_ouvert;
  const std::vector<Coup>& solution = o.exercice.solution;
  if (o.chemin.empty() || solution.empty()) return std::nullopt;
  const int suivis = plies_suivis(nb_demi_coups);
  if (suivis < 0 || suivis >= static_cast<int>(solution.size())) return CoupAMontrer{true, solution.front(), 0};
  return CoupAMontrer{false, solution[static_cast<std::size_t>(suivis)], suivis};
}
