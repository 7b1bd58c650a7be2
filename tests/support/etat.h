// The engine keeps its state in globals: EtatMoteur copies them when made and
// puts them back when it goes, so that nothing one test changes reaches the
// next. Fixtures derive from Moteur: `using Captures = Moteur;`.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <type_traits>
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
#include "search/keys.h"
#include "search/ordering.h"
#include "search/root.h"
#include "search/search.h"
#include "search/table.h"
#include "support/dossier_temporaire.h"

class EtatMoteur {
 public:
  EtatMoteur() {
    // board and move counts (every generation rewrites the moves), record, level, clocks
    garder(damier, trait, nb_coups, prof_courante, nb_pieces, derniere_arrivee, noms_cases);
    garder(partie, nb_demi_coups, dernier_demi_coup, budget_reflexion, temps_limite, niveau, temps_blancs);
    garder(temps_noirs, minutes_autre, debut_tour_blancs, debut_tour_noirs, temps_affiche_blancs, temps_affiche_noirs);
    // the search and its root, the evaluation's parameters and what a search prepares from
    // them, books, endgame databases, learnt positions, the hooks into the application
    garder(camp_racine, prof_max, arret_calcul, calcul_annule, bilan_materiel, prises_forcees, ajustement_prof);
    garder(extension_promotion, piece_jouee_racine, apprises_presentes, profondeur_imposee, analyse_en_cours);
    garder(reflexion_anticipee, coup_depart_analyse, score_racine, temps_deja_utilise, tueurs, derniers_meilleurs);
    garder(coups_racine, nb_coups_racine, suivre_variante, conseil_depart, conseil_arrivee);
    garder(tables_cases, phase0_bas, phase1_bas, phase2_bas, temps_avance, cases_v1_blancs, cases_v2_blancs);
    garder(cases_v1_noirs, cases_v2_noirs, parametres_bruts, variante1, variante2, phase_partie, table_cases);
    garder(table_dames, ouvertures_blancs, ouvertures_noirs, bibliotheque_active, bases_finales, base_utilisable);
    garder(bases_chargees, session_apprentissage, repertoire_depart, repertoire_utilisateur, crochet_pompe_messages);
    garder(crochet_erreur);
    garder(crochet_etat_recherche, crochet_ligne_racine, crochet_horloge_ms, crochet_afficher_case, crochet_placer_pions);
    garder(crochet_encadrer_case, crochet_son);
    // the transposition table's size (its contents are emptied afterwards)
    garder(taille_tables, decalage_tables);
    entrees_ = table_transposition == nullptr ? 0 : nb_entrees_table;
    if (table_apprise != nullptr) apprises_.assign(table_apprise, table_apprise + NB_APPRISES);
    std::memcpy(mots_, cles_index, sizeof cles_index);
    std::memcpy(mots_ + NB_MOTS_CLES, cles_verif, sizeof cles_verif);
  }
  ~EtatMoteur() {
    for (auto r = retours_.rbegin(); r != retours_.rend(); ++r) (*r)();
    if (entrees_ != 0 && (table_transposition == nullptr || nb_entrees_table != entrees_)) redimensionner_tables();
    vider_tables();
    if (apprises_.empty()) {
      liberer_table_apprise();
    } else {
      if (table_apprise == nullptr) allouer_table_apprise();
      std::copy(apprises_.begin(), apprises_.end(), table_apprise);
    }
    std::memcpy(cles_index, mots_, sizeof cles_index);  // after any resize, which draws new words
    std::memcpy(cles_verif, mots_ + NB_MOTS_CLES, sizeof cles_verif);
  }
  EtatMoteur(const EtatMoteur&) = delete;
  EtatMoteur& operator=(const EtatMoteur&) = delete;

 private:
  template <class... T>
  void garder(T&... v) {
    (garder_un(v), ...);
  }
  template <class T>
  void garder_un(T& v) {
    if constexpr (std::is_trivially_copyable_v<T>) {
      std::vector<unsigned char> octets(sizeof v);
      std::memcpy(octets.data(), &v, sizeof v);
      retours_.push_back([&v, octets] { std::memcpy(&v, octets.data(), sizeof v); });
    } else {
      retours_.push_back([&v, copie = v] { v = copie; });
    }
  }

  std::vector<std::function<void()>> retours_;
  std::uint32_t entrees_ = 0;
  std::vector<EntreeApprise> apprises_;
  std::uint32_t mots_[2 * NB_MOTS_CLES];
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
