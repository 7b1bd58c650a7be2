// The engine as the benchmarks use it: started once, as the program starts
// it (tables, endgame databases, default parameters), errors kept silent.
#pragma once

#include "evaluation/evaluation.h"
#include "game/hooks.h"
#include "knowledge/endgame.h"
#include "records/files.h"
#include "search/table.h"

inline void demarrer_moteur_bench() {
  static bool fait = false;
  if (fait) return;
  fait = true;
  fixer_repertoire_depart();
  crochet_erreur = [](const std::string&, const std::string&) {};
  allouer_tables();
  charger_bases();
  bases_chargees = 1;
  charger_parametres_defaut();
}
