// The engine keeps its state in globals, each registered where it is
// defined: EtatMoteur keeps them all when made and puts them back when it
// goes, so that nothing one test changes reaches the next. Fixtures derive
// from Moteur: `using Captures = Moteur;`.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "evaluation/evaluation.h"
#include "game/clocks.h"
#include "game/game.h"
#include "game/hooks.h"
#include "game/levels.h"
#include "knowledge/books.h"
#include "knowledge/endgame.h"
#include "knowledge/learning.h"
#include "records/files.h"
#include "records/game_file.h"
#include "rules/board.h"
#include "rules/etat.h"
#include "search/keys.h"
#include "search/ordering.h"
#include "search/root.h"
#include "search/search.h"
#include "search/table.h"
#include "support/dossier_temporaire.h"

// The whole engine state, kept when made and put back when it goes.
class EtatMoteur {
 public:
  ~EtatMoteur() { etat_.restaurer(); }

 private:
  InstantaneMoteur etat_;
};

class Moteur : public ::testing::Test {
  EtatMoteur etat_;
};

// The same with a folder of its own and the error messages the engine gave.
class MoteurDossier : public Moteur {
 protected:
  MoteurDossier() {
    crochet_erreur = [this](const std::string& texte, const std::string& titre) { erreurs.emplace_back(texte, titre); };
  }
  std::filesystem::path ecrire(const std::string& nom, const std::vector<std::uint8_t>& octets) const {
    ::ecrire(dossier / nom, std::string(octets.begin(), octets.end()));
    return dossier / nom;
  }
  DossierTemporaire temp;
  const std::filesystem::path dossier = temp.chemin;
  std::vector<std::pair<std::string, std::string>> erreurs;
};
