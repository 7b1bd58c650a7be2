// The player registry files and the rating update of rated games.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "game/end.h"
#include "players/ratings.h"
#include "players/registry.h"
#include "support/dossier_temporaire.h"

namespace fs = std::filesystem;

namespace {

class Registry : public ::testing::Test {
 protected:
  DossierTemporaire temp;
  fs::path dossier = temp.chemin;
  std::string lire(const char* nom) const { return contenu(dossier / nom); }
  void ecrire(const char* nom, const std::string& texte) const { ::ecrire(dossier / nom, texte); }
};

}  // namespace

TEST(Ratings, TheUpdateFollowsTheExamplesOfEveryResult) {
  struct Cas {
    std::int32_t w, n;
    int resultat;
    std::int32_t nouveau_w, nouveau_n;
  };
  const Cas cas[] = {
      {1600, 1600, BLANCS_GAGNENT, 1605, 1595},
      {1600, 1600, PARTIE_NULLE, 1600, 1600},
      {1600, 1600, NOIRS_GAGNENT, 1595, 1605},
      // The human on camp 0 at 1800 against the computer at 2050.
      {1800, 2050, BLANCS_GAGNENT, 1822, 2028},
      {1800, 2050, NOIRS_GAGNENT, 1789, 2061},
      {1800, 2050, PARTIE_NULLE, 1825, 2025},
      // The computer on camp 0 at 2050 against the human at 1800.
      {2050, 1800, BLANCS_GAGNENT, 2062, 1788},
      {2050, 1800, NOIRS_GAGNENT, 2026, 1824},
      {2050, 1800, PARTIE_NULLE, 2025, 1825},
  };
  for (const Cas& c : cas) {
    const Classements r = nouveaux_classements(c.w, c.n, c.resultat);
    EXPECT_EQ(r.blanc, c.nouveau_w) << c.w << " against " << c.n << ", result " << c.resultat;
    EXPECT_EQ(r.noir, c.nouveau_n) << c.w << " against " << c.n << ", result " << c.resultat;
  }
  // A rating read as 0 divides nothing by zero; it stays within the range.
  const Classements zero = nouveaux_classements(0, 2050, BLANCS_GAGNENT);
  EXPECT_EQ(zero.blanc, CLASSEMENT_MAX);
  EXPECT_EQ(zero.noir, CLASSEMENT_MIN);
}

TEST(Ratings, TheHumansEntryIsTheSelectedOneElseThePreviousHumans) {
  auto egal = [](IndicesMatch a, IndicesMatch b) { return a.blanc == b.blanc && a.noir == b.noir; };
  // The computer on camp 1, the human's line chosen.
  EXPECT_TRUE(egal(indices_match(3, false, {0, 0}), {3, 0}));
  // Nothing chosen, or the computer's own line: the previous human, who had
  // camp 0 before and has camp 1 now, or the same camp again.
  EXPECT_TRUE(egal(indices_match(-1, true, {3, 0}), {0, 3}));
  EXPECT_TRUE(egal(indices_match(0, false, {0, 3}), {3, 0}));
  EXPECT_TRUE(egal(indices_match(-1, false, {3, 0}), {3, 0}));
  EXPECT_TRUE(egal(indices_match(2, true, {3, 0}), {0, 2}));
  // No rated game before and nothing chosen: the computer's own entry.
  EXPECT_TRUE(egal(indices_match(-1, false, {0, 0}), {0, 0}));
}

TEST(RatingLines, TheLeadingNumberIsReadElseZero) {
  EXPECT_EQ(valeur_classement("  1822 points"), 1822);
  EXPECT_EQ(valeur_classement("abc 12"), 0);
  EXPECT_EQ(valeur_classement("99999999999999"), 999999999);
}

TEST_F(Registry, ALongerRatingsFileIsCutToTheNames) {
  // Lines end in any way; a short ratings file is the window test's. A
  // longer one loses its extra lines; the next write makes both agree.
  ecrire("joueurs.dat", "Corvane\nRen\xe9\rBob\r\n");  // Latin-1 bytes go through as they are
  ecrire("points.dat", "2050\r\n1600\r\n1700\r\n1800\r\n");
  const LectureRegistre l = lire_registre(dossier);
  EXPECT_EQ(l.points_manquants, 0);
  ASSERT_TRUE(ecrire_registre(dossier, l.registre));
  EXPECT_EQ(lire("joueurs.dat"), "Corvane\r\nRen\xe9\r\nBob\r\n");
  EXPECT_EQ(lire("points.dat"), "2050\r\n1600\r\n1700\r\n");
}

TEST_F(Registry, AFailedWriteChangesNeitherFile) {
  Registre r = lire_registre(dossier).registre;
  ajouter_joueur(r, "Anna", 1700);
  ASSERT_TRUE(ecrire_registre(dossier, r));
  const std::string noms = lire("joueurs.dat"), points = lire("points.dat");
  ajouter_joueur(r, "Bob", 1600);
  // A folder where one of the targets stands: the other is not replaced either.
  for (const char* bloque : {"points.dat", "joueurs.dat"}) {
    const fs::path cible = dossier / bloque;
    const fs::path garde = dossier / "garde";
    fs::rename(cible, garde);
    fs::create_directory(cible);
    EXPECT_FALSE(ecrire_registre(dossier, r)) << bloque;
    fs::remove(cible);
    fs::rename(garde, cible);
    EXPECT_EQ(lire("joueurs.dat"), noms) << bloque;
    EXPECT_EQ(lire("points.dat"), points) << bloque;
  }
  // No temporary file is left behind.
  int fichiers = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dossier)) ++fichiers;
  EXPECT_EQ(fichiers, 2);
}

TEST_F(Registry, ALongRegistryIsReadWholeAndNoPlayerIsLost) {
  // 70,000 players make files well over a mebibyte.
  Registre r = lire_registre(dossier).registre;
  for (int i = 1; i < 70000; ++i) ajouter_joueur(r, "Joueur num\xe9ro " + std::to_string(i), 1600 + i % 400);
  ASSERT_TRUE(ecrire_registre(dossier, r));
  ASSERT_GT(lire("joueurs.dat").size(), std::size_t{1} << 20);
  LectureRegistre l = lire_registre(dossier);
  ASSERT_EQ(l.registre.noms.size(), 70000u);
  EXPECT_EQ(l.registre.noms.back(), "Joueur num\xe9ro 69999");
  EXPECT_EQ(valeur_classement(l.registre.points.back()), 1600 + 69999 % 400);
  EXPECT_EQ(l.points_manquants, 0);
  // A deletion writes back every other player.
  ASSERT_TRUE(effacer_joueur(l.registre, 1));
  ASSERT_TRUE(ecrire_registre(dossier, l.registre));
  l = lire_registre(dossier);
  ASSERT_EQ(l.registre.noms.size(), 69999u);
  EXPECT_EQ(l.registre.noms[1], "Joueur num\xe9ro 2");
  EXPECT_EQ(l.registre.noms.back(), "Joueur num\xe9ro 69999");
}

TEST_F(Registry, AFileTooLongToReadIsNeverWrittenBack) {
  ecrire("points.dat", "2050\r\n");
  ecrire("joueurs.dat", "Corvane\r\n");
  fs::resize_file(dossier / "joueurs.dat", TAILLE_REGISTRE_LUE + 1);  // the rest reads as zero bytes
  LectureRegistre l = lire_registre(dossier);
  EXPECT_TRUE(l.incomplet);
  ajouter_joueur(l.registre, "Anna", 1700);
  EXPECT_FALSE(ecrire_registre(dossier, l.registre));
  EXPECT_EQ(fs::file_size(dossier / "joueurs.dat"), TAILLE_REGISTRE_LUE + 1);
  EXPECT_EQ(lire("points.dat"), "2050\r\n");
  // A names file that is there but cannot be read (a pipe here) is not an
  // empty registry to start anew over it.
  fs::remove(dossier / "joueurs.dat");
  ASSERT_EQ(::mkfifo((dossier / "joueurs.dat").c_str(), 0600), 0);
  l = lire_registre(dossier);
  EXPECT_TRUE(l.incomplet);
  ajouter_joueur(l.registre, "Anna", 1700);
  EXPECT_FALSE(ecrire_registre(dossier, l.registre));
  EXPECT_TRUE(fs::is_fifo(dossier / "joueurs.dat"));
  EXPECT_EQ(lire("points.dat"), "2050\r\n");
}

// What the program writes it reads back: names of 19 characters with
// accents (Latin-1), a blank inside or at either end, an empty one last;
// new players' padded ratings and rewritten plain ones.
TEST_F(Registry, WhatIsWrittenReadsBackTheSame) {
  Registre r = lire_registre(dossier).registre;
  for (const char* nom : {"\xC9lo\xEFse de la Montag", " Anne ", "Jean-Fran\xE7ois Dupuy", "1. Inconnu", ""})
    ajouter_joueur(r, nom, 1600);
  ASSERT_TRUE(inscrire_classement(r, 2, 1822));
  ASSERT_TRUE(inscrire_classement(r, 0, 2028));
  ASSERT_TRUE(ecrire_registre(dossier, r));
  const LectureRegistre l = lire_registre(dossier);
  EXPECT_FALSE(l.nouveau);
  EXPECT_EQ(l.points_manquants, 0);
  EXPECT_EQ(l.registre.noms, r.noms);
  EXPECT_EQ(l.registre.points, r.points);
  EXPECT_EQ(l.registre.points[1], "1600");
  EXPECT_EQ(valeur_classement(l.registre.points[2]), 1822);
}
