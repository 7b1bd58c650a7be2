// Parameter files, the edit-box conversion, the readable form and the shipped file.

#include <string>

#include "support/etat.h"

namespace fs = std::filesystem;

namespace {

class Parametres : public MoteurDossier {
 protected:
  void SetUp() override {
    std::memset(parametres_bruts, 0, sizeof parametres_bruts);
    bruts_vers_parametres();
  }
  static std::vector<std::uint8_t> motif(std::size_t n, int graine) {
    std::vector<std::uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>(i * 7 + graine);
    return v;
  }
};

// Each field at its offset; a short file changes its own bytes only, a long one is
// read up to the size, an empty one changes nothing; a save keeps the bytes past the fields.
TEST_F(Parametres, FieldsAtTheirOffsetsFilesOfAnyLengthAndSaving) {
  const auto octets = motif(TAILLE_PARAMETRES, 3);
  ASSERT_TRUE(charger_parametres(ecrire("a.par", octets)));
  const std::pair<std::int8_t*, int> champs[] = {
      {&tables_cases[0][0], 0},    {&tables_cases[0][32], 32},  {&tables_cases[3][1], 100}, {&tables_cases[7][32], 263},
      {&phase0_bas, 264},          {&phase1_bas, 265},          {&phase2_bas, 266},         {&cases_v1_blancs[0], 267},
      {&cases_v2_blancs[6], 280},  {&cases_v1_noirs[0], 281},   {&cases_v2_noirs[6], 294},  {&temps_avance[0], 295},
      {&temps_avance[7], 302}};
  for (const auto& [champ, decalage] : champs) EXPECT_EQ(*champ, static_cast<std::int8_t>(octets[decalage])) << decalage;
  const auto dix = motif(10, 50);
  ASSERT_TRUE(charger_parametres(ecrire("dix.par", dix)));
  EXPECT_EQ(tables_cases[0][9], static_cast<std::int8_t>(dix[9]));
  EXPECT_EQ(tables_cases[0][10], static_cast<std::int8_t>(octets[10]));
  EXPECT_EQ(0, std::memcmp(parametres_bruts + 10, octets.data() + 10, TAILLE_PARAMETRES - 10));
  const auto long_ = motif(5000, 9);
  ASSERT_TRUE(charger_parametres(ecrire("long.par", long_)));
  EXPECT_EQ(0, std::memcmp(parametres_bruts, long_.data(), TAILLE_PARAMETRES));
  EXPECT_EQ(temps_avance[7], static_cast<std::int8_t>(long_[302]));
  phase1_bas = 42;
  tables_cases[2][17] = -9;
  ASSERT_TRUE(sauver_parametres(dossier / "b.par"));
  std::vector<std::uint8_t> attendu(long_.begin(), long_.begin() + TAILLE_PARAMETRES);
  attendu[265] = 42;
  attendu[66 + 17] = static_cast<std::uint8_t>(-9);
  EXPECT_EQ(contenu(dossier / "b.par"), std::string(attendu.begin(), attendu.end()));
  EXPECT_FALSE(fs::exists(dossier / "b.par.tmp"));
  ASSERT_TRUE(charger_parametres(ecrire("vide.par", {})));
  EXPECT_EQ(phase1_bas, 42);
  EXPECT_TRUE(erreurs.empty());
}

TEST_F(Parametres, AMissingFileOrAFailedSaveIsReportedAndChangesNothing) {
  ASSERT_TRUE(charger_parametres(ecrire("a.par", motif(TAILLE_PARAMETRES, 2))));
  const std::int8_t avant = tables_cases[4][4];
  EXPECT_FALSE(charger_parametres(dossier / "absent.par"));
  EXPECT_EQ(tables_cases[4][4], avant);
  EXPECT_FALSE(sauver_parametres(dossier / "pas_de_dossier" / "x.par"));
  const std::pair<std::string, std::string> message{"msg.impossible_ouvrir", "msg.erreur"};
  EXPECT_EQ(erreurs, (std::vector{message, message}));
}

TEST(SaisieParametre, FollowsTheDecimalConversionOfTheCLibraryToEightBits) {
  const std::pair<const char*, int> cas[] = {
      {"12abc", 12}, {"-5", -5},    {"", 0},   {"300", 44}, {"  +7", 7}, {"\t-128", -128},
      {"128", -128}, {"-300", -44}, {"abc", 0}, {"- 5", 0},  {"99999999999999999999", -1}};  // 10^20 - 1 is 255 mod 256
  for (const auto& [texte, valeur] : cas) EXPECT_EQ(valeur_saisie(texte), valeur) << texte;
}

TEST_F(Parametres, TheReadableFormRoundTripsAndFaultsAreNamed) {
  std::string erreur;
  std::string texte = "phase0_bas 20 phase1_bas 14 phase2_bas 8\n";
  for (int t = 0; t < 8; ++t) {
    texte += "table " + std::to_string(t) + "\n";
    for (int k = 1; k <= 32; ++k) texte += std::to_string((t * 32 + k) % 100 - 50) + " ";
  }
  ASSERT_TRUE(lire_parametres_texte(texte + "# comment\ntemps_avance 1 2 3 4 5 6 7 8", erreur)) << erreur;
  EXPECT_EQ(tables_cases[5][32], (5 * 32 + 32) % 100 - 50);
  EXPECT_EQ(temps_avance[7], 8);
  const std::string ecrit = ecrire_parametres_texte();
  std::memset(tables_cases, 0, sizeof tables_cases);
  ASSERT_TRUE(lire_parametres_texte(ecrit, erreur)) << erreur;
  EXPECT_EQ(tables_cases[5][32], (5 * 32 + 32) % 100 - 50);

  EXPECT_FALSE(lire_parametres_texte(texte + "vitesse 3", erreur));
  EXPECT_NE(erreur.find("vitesse"), std::string::npos);
  EXPECT_FALSE(lire_parametres_texte("phase0_bas 200", erreur));
  EXPECT_FALSE(lire_parametres_texte("phase0_bas 20", erreur));
  EXPECT_NE(erreur.find("table 0"), std::string::npos);
  EXPECT_FALSE(lire_parametres_texte("table 1 1 2 3", erreur));
}

// What the program writes, a file or the readable form, reads back as the
// same set: every value from -128 to 127, side by side in the tables.
TEST_F(Parametres, WhatIsWrittenReadsBackTheSame) {
  std::vector<std::int8_t*> champs;
  for (auto& table : tables_cases)
    for (int k = 1; k <= 32; ++k) champs.push_back(&table[k]);
  for (std::int8_t* v : {&phase0_bas, &phase1_bas, &phase2_bas}) champs.push_back(v);
  for (std::int8_t* t : {cases_v1_blancs, cases_v2_blancs, cases_v1_noirs, cases_v2_noirs})
    for (int k = 0; k < 7; ++k) champs.push_back(&t[k]);
  for (auto& v : temps_avance) champs.push_back(&v);
  for (std::size_t i = 0; i < champs.size(); ++i) *champs[i] = static_cast<std::int8_t>(i * 37 % 256 - 128);
  std::vector<std::int8_t> valeurs;
  for (const std::int8_t* v : champs) valeurs.push_back(*v);
  const auto relu = [&] {
    std::vector<std::int8_t> v;
    for (const std::int8_t* c : champs) v.push_back(*c);
    return v;
  };

  ASSERT_TRUE(sauver_parametres(dossier / "a.par"));
  const std::string texte = ecrire_parametres_texte();
  for (std::int8_t* v : champs) *v = 0;
  ASSERT_TRUE(charger_parametres(dossier / "a.par"));
  EXPECT_EQ(relu(), valeurs);
  for (std::int8_t* v : champs) *v = 0;
  std::string erreur;
  ASSERT_TRUE(lire_parametres_texte(texte, erreur)) << erreur << "\n" << texte;
  EXPECT_EQ(relu(), valeurs);
}

// The build writes Parametres/defaut.par from data/parametres/defaut.txt.
TEST_F(Parametres, TheShippedFileIsTheReadableSourceBuilt) {
  const fs::path par = chemin_sans_casse(CORVANE_BIN_DIR, "Parametres") / "defaut.par";
  const auto octets = lire_fichier(par);
  ASSERT_TRUE(octets.has_value()) << par;
  ASSERT_EQ(octets->size(), static_cast<std::size_t>(TAILLE_PARAMETRES));
  const auto source = lire_fichier(fs::path(CORVANE_SOURCE_DIR) / "data/parametres/defaut.txt");
  ASSERT_TRUE(source.has_value());
  std::string erreur;
  ASSERT_TRUE(lire_parametres_texte(std::string(source->begin(), source->end()), erreur)) << erreur;
  parametres_vers_bruts();
  EXPECT_EQ(0, std::memcmp(parametres_bruts, octets->data(), CHAMPS_PARAMETRES));
  // Sensible values: phases in decreasing order, no man value on a crowning row.
  EXPECT_GT(phase0_bas, phase1_bas);
  EXPECT_GT(phase1_bas, phase2_bas);
  for (int t = 0; t < NB_TABLES_CASES; ++t)
    for (int k = 29; k <= 32; ++k) EXPECT_EQ(tables_cases[t][k], 0) << t << " " << k;
}

}  // namespace
