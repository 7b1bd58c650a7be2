// Setting up the engine for search tests: tables, databases and parameters
// from the program's directory, no book, no display, a clock that tests set.
#pragma once

#include "support/etat.h"
#include "support/positions.h"

namespace recherche_test {

// Tables and databases loaded once, before the first test copies the state;
// each test starts from the default parameters and an empty table.
class Recherche : public Moteur {
 protected:
  static void SetUpTestSuite() {
    static bool fait = false;
    if (fait) return;
    fait = true;
    repertoire_depart = CORVANE_BIN_DIR;
    allouer_tables();
    charger_bases(std::filesystem::path(CORVANE_BIN_DIR));
    bases_chargees = 1;
  }
  void SetUp() override {
    charger_parametres(std::filesystem::path(CORVANE_BIN_DIR) / "Parametres" / "defaut.par");
    bibliotheque_active = 0;
    vider_tables();
  }
};

// Forgets what one search leaves to the next: root order, last score, the
// evaluation's variant flags, the transposition table.
inline void oublier_recherches() {
  variante1 = variante2 = 0;
  std::memset(coups_racine, 0, sizeof coups_racine);
  nb_coups_racine = 0;
  score_racine = 0;
  vider_tables();
}

// A new game record starting from the position on the board.
inline void nouvelle_partie() {
  std::memset(partie, 0, sizeof partie);
  nb_demi_coups = 0;
  dernier_demi_coup = 0;
  std::memcpy(partie[0].position, damier, sizeof partie[0].position);
}

inline void placer(const char* fen) {
  poser_fen(fen);
  nouvelle_partie();
}

// The side to move's choice at a fixed depth, time unlimited, empty table.
inline std::uint8_t chercher_profondeur(int profondeur) {
  jouer_sans_limite();
  profondeur_imposee = profondeur;
  vider_tables();
  const std::uint8_t choix = choisir_coup(trait);
  profondeur_imposee = 0;
  return choix;
}

// "11-15" of the chosen move (list 1 after the search).
inline std::string texte_coup_choisi(std::uint8_t choix) {
  if (choix == CHOIX_AUCUN) return "none";
  return notation_coup(listes_coups[1][choix == CHOIX_UNIQUE ? 0 : choix]);
}

}  // namespace recherche_test
