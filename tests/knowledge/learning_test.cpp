// Learnt positions: slots, protected verdicts, the file image, damaged files.
#include <sys/stat.h>
#include <unistd.h>

#include "support/etat.h"
#include "support/positions.h"

namespace {

namespace fs = std::filesystem;

class Apprises : public MoteurDossier {
 protected:
  void SetUp() override { ASSERT_TRUE(allouer_table_apprise()); }

  // Learns `score` for the keys (first key with the 1 for white to move).
  bool apprendre(std::uint32_t cle, std::uint32_t verif, Score score, const std::string& nom = "l.dal") {
    cle_index = cle;
    cle_verif = verif;
    return apprendre_position(dossier / nom, score);
  }

  static std::vector<std::uint8_t> aleatoires(std::size_t n, unsigned graine) {
    std::mt19937 alea(graine);
    std::vector<std::uint8_t> v(n);
    for (auto& b : v) b = static_cast<std::uint8_t>(alea());
    return v;
  }
};

TEST_F(Apprises, ALearntScoreIsFoundForItsPositionAndSideToMoveOnly) {
  poser_fen("B:W18,19,K30:B14,15,23,K2");
  calculer_cles();
  const std::uint32_t cle = cle_index, verif = cle_verif;
  ASSERT_TRUE(apprendre(cle_apprise(cle, BLANCS), verif, 420));
  const EntreeApprise* e = sonder_apprises(cle_apprise(cle, BLANCS), verif);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->score, 420);
  EXPECT_EQ(sonder_apprises(cle_apprise(cle, NOIRS), verif), nullptr);  // the other side to move
  poser_fen("B:W18,19,K30:B14,23,K2");  // another position
  calculer_cles();
  EXPECT_EQ(sonder_apprises(cle_apprise(cle_index, BLANCS), cle_verif), nullptr);
  EXPECT_TRUE(erreurs.empty());
}

// Learning replaces what a slot holds, a score of zero included, unless the
// slot holds a decided score.
TEST_F(Apprises, TheLaterLearntStaysUnlessTheSlotHoldsADecidedScore) {
  const std::uint32_t a = 5000, b = 5000 + 3 * NB_APPRISES;  // one slot
  ASSERT_EQ(case_apprise(a), case_apprise(b));
  const std::tuple<Score, Score, bool> cas[] = {
      {300, -200, true}, {500, 0, true}, {29999, -29999, true},
      {30000, 100, false}, {-30000, 100, false}, {31500, 100, false}};
  for (const auto& [premier, second, remplace] : cas) {
    table_apprise[case_apprise(a)] = {};
    ASSERT_TRUE(apprendre(a, 0xAAAA, premier));
    ASSERT_TRUE(apprendre(b, 0xBBBB, second));
    const EntreeApprise* e = sonder_apprises(remplace ? b : a, remplace ? 0xBBBB : 0xAAAA);
    ASSERT_NE(e, nullptr) << premier;
    EXPECT_EQ(e->score, remplace ? second : premier);
    EXPECT_EQ(sonder_apprises(remplace ? a : b, remplace ? 0xAAAA : 0xBBBB), nullptr) << premier;
  }
}

// The lesson file is the table's image as loaded, the learnt slot changed, little-endian.
TEST_F(Apprises, ALessonIsTheWholeTableWithOnlyTheLearntSlotChanged) {
  auto image = aleatoires(TAILLE_FICHIER_APPRIS, 7);
  for (std::size_t o = 5; o < image.size(); o += 8)  // scores within +-16383, which loading keeps as they are
    image[o] = static_cast<std::uint8_t>(static_cast<std::int8_t>(image[o]) / 2);
  ASSERT_TRUE(charger_lecons(ecrire("in.dal", image)));
  std::uint32_t cle = 1;
  while (true) {  // a slot whose score the random bytes left unprotected
    const std::uint8_t* r = image.data() + 8 * case_apprise(cle);
    const int s = static_cast<std::int16_t>(r[4] | r[5] << 8);
    if (s > -30000 && s < 30000) break;
    ++cle;
  }
  ASSERT_TRUE(apprendre(cle, 0x01020304u, -2, "out.dal"));
  const auto sortie = lire_fichier(dossier / "out.dal");
  ASSERT_TRUE(sortie.has_value());
  ASSERT_EQ(sortie->size(), 1048568u);
  const std::size_t o = 8 * case_apprise(cle);
  const std::vector<std::uint8_t> attendu = {0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, image[o + 6], image[o + 7]};
  EXPECT_EQ(std::vector<std::uint8_t>(sortie->begin() + static_cast<long>(o), sortie->begin() + static_cast<long>(o) + 8),
            attendu);
  for (std::size_t i = 0; i < image.size(); ++i) {
    if (i >= o && i < o + 8) continue;
    ASSERT_EQ((*sortie)[i], image[i]) << "byte " << i;
  }

  // An empty table saves as a full image too.
  allouer_table_apprise();
  ASSERT_TRUE(apprendre(3, 3, 3, "small.dal"));
  EXPECT_EQ(fs::file_size(dossier / "small.dal"), 1048568u);
}

// A pool that is not an image leaves an empty table; missing, it says nothing.
// Scores no search gives are brought inside its window: -32768 would wrap when
// negated, and beyond +-32000 the root's window is left.
TEST_F(Apprises, PoolFilesThatAreNotAnImageLeaveAnEmptyTableAndScoresAreBroughtInsideTheWindow) {
  const auto image = aleatoires(TAILLE_FICHIER_APPRIS, 11);
  for (std::size_t taille : {std::size_t{0}, TAILLE_FICHIER_APPRIS - 1, TAILLE_FICHIER_APPRIS + 1}) {
    ASSERT_TRUE(charger_lecons(ecrire("full.dal", image)));  // something learnt before
    auto octets = image;
    octets.resize(taille, 0x55);
    ecrire("pool.dat", octets);
    EXPECT_FALSE(charger_pool(dossier)) << taille;
    for (std::uint32_t i = 0; i < NB_APPRISES; ++i)
      ASSERT_TRUE(table_apprise[i].verif == 0 && table_apprise[i].score == 0) << taille;
  }
  fs::remove(dossier / "pool.dat");
  EXPECT_FALSE(charger_pool(dossier));
  EXPECT_TRUE(erreurs.empty());
  const std::vector<std::pair<int, int>> lu_attendu = {
      {-32768, -31999}, {32767, 31999}, {32001, 31999}, {-32001, -31999}, {31999, 31999}, {-31999, -31999}, {5, 5}};
  std::vector<std::uint8_t> bornes(TAILLE_FICHIER_APPRIS, 0);
  for (std::size_t i = 0; i < lu_attendu.size(); ++i) {
    std::uint8_t* r = bornes.data() + 8 * (i + 1);  // slot i + 1 holds the position of check key i + 1
    r[0] = static_cast<std::uint8_t>(i + 1);
    r[4] = static_cast<std::uint8_t>(lu_attendu[i].first);
    r[5] = static_cast<std::uint8_t>(lu_attendu[i].first >> 8);
  }
  ecrire("pool.dat", bornes);
  ASSERT_TRUE(charger_pool(dossier));
  for (std::uint32_t i = 0; i < lu_attendu.size(); ++i) {
    const EntreeApprise* e = sonder_apprises(i + 1, i + 1);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->score, lu_attendu[i].second) << lu_attendu[i].first;
  }
}

TEST_F(Apprises, ALessonThatCannotBeReadOrWrittenIsReportedAndChangesNothing) {
  ASSERT_TRUE(apprendre(42, 4242, 17));
  ecrire("short.dal", std::vector<std::uint8_t>(1000, 1));
  EXPECT_FALSE(charger_lecons(dossier / "short.dal"));
  EXPECT_FALSE(charger_lecons(dossier / "missing.dal"));
  EXPECT_FALSE(apprendre(1, 1, 5, "no-such-folder/x.dal"));
  const std::pair<std::string, std::string> message{"msg.impossible_ouvrir", "msg.erreur"};
  EXPECT_EQ(erreurs, (std::vector{message, message, message}));
  ASSERT_NE(sonder_apprises(42, 4242), nullptr);
  EXPECT_EQ(sonder_apprises(42, 4242)->score, 17);
  liberer_table_apprise();  // without the table nothing is found, nothing crashes
  EXPECT_EQ(sonder_apprises(42, 4242), nullptr);
  EXPECT_FALSE(charger_pool("."));
}

// A pipe or a folder in place of a data file counts as missing: no loader
// waits on a pipe that nobody writes, none takes a folder for an empty file.
TEST_F(Apprises, APipeOrAFolderInPlaceOfADataFileCountsAsMissing) {
  ::alarm(30);  // a loader that blocks ends the test instead of hanging it
  const char* noms[] = {"hashkey33.dat", "dod.bib", "ouvert_b.ouv", "defaut.par", FICHIER_POOL};
  for (const bool tube : {true, false}) {
    for (const char* nom : noms)
      ASSERT_TRUE(tube ? ::mkfifo((dossier / nom).c_str(), 0600) == 0 : fs::create_directory(dossier / nom)) << nom;
    EXPECT_FALSE(charger_cles(dossier / "hashkey33.dat"));
    EXPECT_EQ(charger_bases(dossier), 0);
    std::vector<std::string> lignes;
    EXPECT_FALSE(charger_ouvertures(dossier / "ouvert_b.ouv", lignes));
    EXPECT_FALSE(charger_parametres(dossier / "defaut.par"));
    EXPECT_FALSE(charger_pool(dossier));
    for (const char* nom : noms) fs::remove(dossier / nom);
  }
  ::alarm(0);
  EXPECT_EQ(erreurs.size(), 2u);  // the parameter file, each time
}

}  // namespace
