// The engine's state is kept and put back whole: every global the engine
// library defines is registered, and putting it back undoes a test's changes.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "support/etat.h"
#include "game/input.h"
#include "game/session.h"

namespace {

// The writable globals the engine library defines (nm's B and D symbols),
// constant tables aside.
std::set<std::string> globaux_de_la_bibliotheque() {
  std::set<std::string> noms;
  const std::string commande = std::string("nm -C --defined-only '") + CORVANE_ENGINE_LIB + "' 2>/dev/null";
  FILE* p = popen(commande.c_str(), "r");
  if (p == nullptr) return noms;
  char ligne[512];
  while (std::fgets(ligne, sizeof ligne, p) != nullptr) {
    std::istringstream l(ligne);
    std::string adresse, genre, nom;
    if (!(l >> adresse >> genre >> nom) || (genre != "B" && genre != "D")) continue;
    if (nom.rfind("__", 0) == 0) continue;  // the compiler's and the sanitizers' own (__odr_asan.*)
    nom = nom.substr(0, nom.find('['));  // [abi:cxx11]
    noms.insert(nom);
  }
  pclose(p);
  for (const char* constante : {"NIVEAUX", "SPECIAUX", "TABLES_LANGUES"}) noms.erase(constante);
  return noms;
}

// The names the engine's sources register.
std::set<std::string> globaux_enregistres() {
  std::set<std::string> noms;
  const std::regex macro(R"(ETAT_MOTEUR\(([^;]*)\);)");
  const std::regex appel(R"(enregistrer_etat_(?:special|ordre)\(\s*(?:\d+,\s*)?"([^"]*)\")");
  const std::regex nom(R"([A-Za-z_][A-Za-z_0-9]*)");
  for (const auto& f : std::filesystem::recursive_directory_iterator(std::filesystem::path(CORVANE_SOURCE_DIR) / "src")) {
    if (f.path().extension() != ".cpp") continue;
    std::ifstream in(f.path());
    const std::string texte((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const std::regex* r : {&macro, &appel})
      for (std::sregex_iterator m(texte.begin(), texte.end(), *r), fin; m != fin; ++m) {
        const std::string liste = (*m)[1];
        for (std::sregex_iterator n(liste.begin(), liste.end(), nom); n != fin; ++n) noms.insert(n->str());
      }
  }
  noms.erase("define");  // the macro's own definition
  return noms;
}

}  // namespace

TEST(EtatDuMoteur, EveryGlobalOfTheEngineIsRegisteredAndNothingElse) {
  const std::set<std::string> definis = globaux_de_la_bibliotheque(), enregistres = globaux_enregistres();
  ASSERT_GT(definis.size(), 100u) << "nm read nothing from " << CORVANE_ENGINE_LIB;
  for (const std::string& n : definis) EXPECT_TRUE(enregistres.count(n)) << n << " is not registered";
  for (const std::string& n : enregistres) EXPECT_TRUE(definis.count(n)) << n << " is registered but not defined";
}

// What the fixture used to miss comes back too.
TEST(EtatDuMoteur, PuttingTheStateBackUndoesEveryChange) {
  position_initiale();
  std::memcpy(damier_sauve, damier, sizeof damier_sauve);
  const std::uint32_t masque = masque_blancs;
  const int ply = nb_demi_coups;
  {
    EtatMoteur etat;
    damier_sauve[5] = VIDE;
    damier[24] = DAME_NOIRE;
    recalculer_masques();
    match_classe = 1;
    couleur_ordi = static_cast<std::uint8_t>(1 - couleur_ordi);
    resultat_partie = 0;
    trait_fin = trait_depart = NOIRS;
    coup_saisi.depart = 9;
    session.humain_contre_humain = true;
    ordinateur_au_trait = 1;
    nb_demi_coups = 77;
    niveau = 8;
  }
  EXPECT_EQ(damier_sauve[5], PION_NOIR);
  EXPECT_EQ(damier[24], PION_BLANC);
  EXPECT_EQ(masque_blancs, masque);
  EXPECT_EQ(match_classe, 0);
  EXPECT_EQ(couleur_ordi, 1);
  EXPECT_EQ(resultat_partie, 3);
  EXPECT_EQ(trait_fin, BLANCS);
  EXPECT_EQ(trait_depart, BLANCS);
  EXPECT_EQ(coup_saisi.depart, 0);
  EXPECT_FALSE(session.humain_contre_humain);
  EXPECT_EQ(nb_demi_coups, ply);
  EXPECT_EQ(niveau, 5);
}
