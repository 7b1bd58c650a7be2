// Position keys: the key file, and their update by faire_coup.

#include <algorithm>

#include "support/etat.h"
#include "support/positions.h"

namespace {

namespace fs = std::filesystem;

using KeyFile = MoteurDossier;
using PositionKeys = Moteur;

std::vector<std::uint32_t> mots(const std::uint32_t* index, const std::uint32_t* verif) {
  std::vector<std::uint32_t> m(index, index + NB_MOTS_CLES);
  m.insert(m.end(), verif, verif + NB_MOTS_CLES);
  return m;
}
std::vector<std::uint32_t> mots_courants() { return mots(cles_index, cles_verif); }

// A key file of other words, all different: byte i is 7i + 3, changed by the
// quarter-kilobyte it lies in so that word k + 64 differs from word k.
std::vector<std::uint8_t> autres_mots() {
  std::vector<std::uint8_t> octets(1320);
  for (std::size_t i = 0; i < octets.size(); ++i) octets[i] = static_cast<std::uint8_t>((i * 7 + 3) ^ (i >> 8));
  return octets;
}

std::vector<std::uint32_t> mots_integres() {
  std::uint32_t a[NB_MOTS_CLES], b[NB_MOTS_CLES];
  cles_integrees(a, b);
  return mots(a, b);
}

}  // namespace

// The built-in words are distinct and not zero; the build writes them little-endian.
TEST_F(KeyFile, TheBuildWritesTheBuiltInWordsLittleEndian) {
  const auto octets = lire_fichier(fs::path(CORVANE_BIN_DIR) / "hashkey33.dat");
  ASSERT_TRUE(octets.has_value());
  ASSERT_EQ(octets->size(), 1320u);
  const auto mots = mots_integres();
  for (int k = 0; k < 2 * NB_MOTS_CLES; ++k) {
    const std::uint8_t* p = octets->data() + 4 * k;
    const std::uint32_t w = p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t{p[3]} << 24;
    ASSERT_EQ(w, mots[k]) << "word " << k;
  }
  EXPECT_TRUE(charger_cles(fs::path(CORVANE_BIN_DIR) / "hashkey33.dat"));
  EXPECT_EQ(mots_courants(), mots);
  auto tries = mots;
  std::sort(tries.begin(), tries.end());
  EXPECT_NE(tries.front(), 0u);
  EXPECT_EQ(std::adjacent_find(tries.begin(), tries.end()), tries.end());
}

// A file of other words replaces both tables in order. A missing, short or
// long file, all 0x00 or 0xFF (every position the same key), a word that a
// board reads at zero or twice in one table: the built-in words stay.
TEST_F(KeyFile, OnlyAFileOfUsableWordsReplacesTheBuiltInOnes) {
  const auto autres = autres_mots();
  ASSERT_TRUE(charger_cles(ecrire("k.dat", autres)));
  EXPECT_EQ(cles_index[0], 0x18110A03u);  // bytes 3, 10, 17, 24
  EXPECT_EQ(cles_verif[0], autres[660] | autres[661] << 8 | autres[662] << 16 | std::uint32_t{autres[663]} << 24);
  auto court = autres, long_ = autres, zero = autres, double_ = autres, inutilise = autres;
  court.pop_back();
  long_.push_back(0xCD);
  std::fill_n(zero.begin() + 4 * (165 + 33), 4, 0);                     // check word of code 1 on square 1
  std::copy_n(double_.begin() + 4 * 40, 4, double_.begin() + 4 * 150);  // two index words alike
  using Octets = std::vector<std::uint8_t>;
  for (const Octets& faux : {court, long_, Octets{}, Octets(1320, 0x00), Octets(1320, 0xFF), zero, double_}) {
    ASSERT_TRUE(charger_cles(ecrire("ok.dat", autres)));
    EXPECT_FALSE(charger_cles(ecrire("faux.dat", faux))) << faux.size();
    EXPECT_EQ(mots_courants(), mots_integres()) << faux.size();
  }
  EXPECT_FALSE(charger_cles(dossier / "none.dat"));
  std::fill_n(inutilise.begin(), 4, 0);  // index word 0: no piece reads it
  EXPECT_TRUE(charger_cles(ecrire("inutilise.dat", inutilise)));
}

// A write goes through a temporary file of its own: another "<target>.tmp"
// is left alone, and an empty name writes nothing (nor touches "./.tmp").
TEST_F(KeyFile, WritingSparesOtherTemporaryFilesAndRefusesAnEmptyName) {
  ecrire("hashkey33.dat.tmp", {1, 2, 3});
  ecrire(".tmp", {4});
  ASSERT_TRUE(ecrire_fichier_cles(dossier / "hashkey33.dat"));
  EXPECT_EQ(fs::file_size(dossier / "hashkey33.dat"), 1320u);
  EXPECT_EQ(lire_fichier(dossier / "hashkey33.dat.tmp"), std::vector<std::uint8_t>({1, 2, 3}));
  const fs::path ici = fs::current_path();
  fs::current_path(dossier);
  EXPECT_FALSE(ecrire_fichier_cles(""));
  fs::current_path(ici);
  EXPECT_EQ(lire_fichier(dossier / ".tmp"), std::vector<std::uint8_t>({4}));
  EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 3);  // nothing left behind
}

// Every move of random games, captures and crownings included, leaves the
// keys equal to those computed from scratch.
TEST_F(PositionKeys, FaireCoupKeepsThemUpToDate) {
  const char* departs[] = {
      FEN_DEPART,
      "B:W18,19,K30:B14,15,23,K2",     // kings and men with captures about
      "B:W6,7,10:B26,27,K31",          // men about to crown, some by capture
      "W:W5,6,14,15:BK20,27,28",       // black to move, a king with many captures
  };
  std::mt19937 alea(1234);
  int coups = 0, prises = 0, couronnements = 0;
  for (const char* fen : departs) {
    for (int partie = 0; partie < 30; ++partie) {
      poser_fen(fen);
      preparer_listes();
      calculer_cles();
      camp_racine = trait;
      const auto compter = [&](const Coup& m, bool couronne) {
        ++coups;
        prises += m.nb_prises > 0;
        couronnements += couronne;
      };
      partie_par_faire_coup(alea, trait, compter, [&] {
        std::uint32_t a = 0, b = 0;
        cles_de(damier, a, b);
        ASSERT_EQ(cle_index, a) << fen << " move " << coups;
        ASSERT_EQ(cle_verif, b) << fen << " move " << coups;
      });
    }
  }
  EXPECT_GT(prises, 100);
  EXPECT_GT(couronnements, 10);
  EXPECT_GT(coups, 1000);
}
