// Game files read back as written; files no game can make are refused and
// leave the game as it was.

#include "records/game_file.h"
#include "support/etat.h"
#include "support/positions.h"

namespace {

class GameFiles : public MoteurDossier {
 protected:
  std::filesystem::path chemin(const char* nom) const { return dossier / nom; }

  // A game of `plies` random legal moves from the start, players named.
  static void jouer_partie(int plies, unsigned graine = 7) {
    position_initiale();
    nommer_joueur(nom_joueur_blanc, "H\xe9l\xe8ne");
    nommer_joueur(nom_joueur_noir, "Corvane");
    commencer_partie();
    std::mt19937 aleas(graine);
    for (int h = 0; h < plies; ++h) {
      const int n = coups_legaux(trait);
      ASSERT_GT(n, 0);
      temps_blancs += 3;
      temps_noirs += 5;
      jouer_et_enregistrer(static_cast<int>(aleas() % static_cast<unsigned>(n)));
    }
  }
};

}  // namespace

TEST_F(GameFiles, SavedAfterGoingBackTheWholeGameAndItsSettingsComeBackByteForByte) {
  jouer_partie(20);
  // Back to ply 10: the file keeps the whole game and the ply shown.
  nb_demi_coups = 10;
  trait = BLANCS;
  minutes_autre = 7;
  taille_tables = 350;
  choisir_niveau(PREMIER_SPECIAL + 2);
  const std::vector<std::string> lignes = lignes_liste_coups(partie, 20);
  EntreePartie jouee[TAILLE_PARTIE];
  std::memcpy(jouee, partie, sizeof partie);

  ASSERT_TRUE(ecrire_partie(chemin("a.dam"), 4));
  const std::string premier = contenu(chemin("a.dam"));
  ASSERT_EQ(premier.size(), TAILLE_FICHIER_PARTIE);

  // Another game and other settings, then the file again.
  jouer_partie(3, 99);
  minutes_autre = 1;
  taille_tables = 100;
  choisir_niveau(1);
  std::uint8_t langue = 0;
  std::string raison;
  ASSERT_TRUE(lire_partie(chemin("a.dam"), langue, raison)) << raison;
  EXPECT_EQ(nb_demi_coups, 10);
  EXPECT_EQ(dernier_demi_coup, 20);
  EXPECT_EQ(langue, 4);
  EXPECT_EQ(minutes_autre, 7);
  EXPECT_EQ(taille_tables, 350);
  EXPECT_EQ(niveau, PREMIER_SPECIAL + 2);
  EXPECT_EQ(budget_reflexion, SPECIAUX[2].budget);
  EXPECT_EQ(temps_limite, SPECIAUX[2].limite);
  for (int h = 1; h <= 20; ++h) {
    EXPECT_EQ(std::memcmp(partie[h].position + 1, jouee[h].position + 1, 32), 0) << "ply " << h;
    EXPECT_EQ(partie[h].temps_noirs, jouee[h].temps_noirs);
    EXPECT_STREQ(partie[h].nom_blancs, "H\xe9l\xe8ne");
  }
  EXPECT_EQ(lignes_liste_coups(partie, dernier_demi_coup), lignes);

  ASSERT_TRUE(ecrire_partie(chemin("b.dam"), langue));
  EXPECT_EQ(contenu(chemin("b.dam")), premier);
}

// A set-up position (a man on its crowning row, the second side to move), a full
// record of 254 plies, and a file without settings (level 5, English).
TEST_F(GameFiles, GamesTheProgramCanRecordAreAccepted) {
  poser({{2, PION_BLANC}, {3, DAME_NOIRE}, {30, PION_NOIR}}, NOIRS);
  commencer_partie();
  ASSERT_TRUE(ecrire_partie(chemin("installee.dam"), 0));
  std::uint8_t langue = 9;
  std::string raison;
  ASSERT_TRUE(lire_partie(chemin("installee.dam"), langue, raison)) << raison;
  EXPECT_EQ(trait, NOIRS);
  EXPECT_EQ(partie[0].position[2], PION_BLANC);
  jouer_partie(1);
  for (int h = 2; h <= DERNIER_DEMI_COUP; ++h) partie[h] = partie[1];
  dernier_demi_coup = nb_demi_coups = DERNIER_DEMI_COUP;
  ASSERT_TRUE(ecrire_partie(chemin("pleine.dam"), 5));
  ASSERT_TRUE(lire_partie(chemin("pleine.dam"), langue, raison)) << raison;
  EXPECT_EQ(dernier_demi_coup, DERNIER_DEMI_COUP);
  EXPECT_EQ(langue, 5);
  EXPECT_EQ(lignes_liste_coups(partie, DERNIER_DEMI_COUP).size(), 127u);
  jouer_partie(4);
  dernier_demi_coup = 4;
  ContenuPartie c = partie_courante(0);
  c.reglages = {0, 0, 0, 0, 0, 0};
  ecrire("ancien.dam", encoder_partie(c));
  choisir_niveau(8);
  ASSERT_TRUE(lire_partie(chemin("ancien.dam"), langue, raison)) << raison;
  EXPECT_EQ(niveau, 5);
  EXPECT_EQ(temps_limite, 178);
  EXPECT_EQ(budget_reflexion, 160);
  EXPECT_EQ(minutes_autre, 3);
  EXPECT_EQ(langue, 1);
  EXPECT_EQ(taille_tables, 0);
}

TEST_F(GameFiles, RefusedFilesLeaveTheGameAsItWas) {
  jouer_partie(12);
  dernier_demi_coup = 12;
  const auto bon = encoder_partie(partie_courante(2));
  jouer_partie(5, 3);
  minutes_autre = 11;
  choisir_niveau(7);
  struct Cas {
    const char* nom;
    std::function<void(std::vector<std::uint8_t>&)> abimer;
    const char* raison;
  };
  const Cas cas[] = {
      {"truncated", [](auto& o) { o.pop_back(); }, "22441 bytes"},
      {"empty", [](auto& o) { o.clear(); }, "0 bytes"},
      {"extended", [](auto& o) { o.push_back(0); }, "22443 bytes"},
      {"much longer", [](auto& o) { o.resize(30000, 1); }, "longer than"},
      {"piece code", [](auto& o) { o[88 * 3 + 17] = 5; }, "piece code 5"},
      {"square", [](auto& o) { o[88 * 6 + 35] = 33; }, "square"},
      {"current ply past the last", [](auto& o) { o[POSITION_NB_DEMI_COUPS] = 13; }, "current ply"},
      {"last ply past the record", [](auto& o) { o[0] = 255; }, "last ply"},
      {"ply without squares", [](auto& o) { o[88 * 4 + 34] = 0; }, "ply 4"},
      {"side to move", [](auto& o) { o[POSITION_TRAIT] = 2; }, "side to move"},
      {"language", [](auto& o) { o[POSITION_LANGUE] = 6; }, "language"},
      {"level", [](auto& o) { o[POSITION_NIVEAU] = 9; }, "level"},
  };
  EntreePartie avant[TAILLE_PARTIE];
  std::memcpy(avant, partie, sizeof partie);
  for (const Cas& c : cas) {
    auto o = bon;
    c.abimer(o);
    ecrire("abime.dam", o);
    std::uint8_t langue = 3;
    std::string raison;
    EXPECT_FALSE(lire_partie(chemin("abime.dam"), langue, raison)) << c.nom;
    EXPECT_NE(raison.find(c.raison), std::string::npos) << c.nom << ": " << raison;
    EXPECT_EQ(std::memcmp(partie, avant, sizeof partie), 0) << c.nom;
    EXPECT_EQ(nb_demi_coups, 5) << c.nom;
    EXPECT_EQ(langue, 3) << c.nom;
    EXPECT_EQ(minutes_autre, 11) << c.nom;
    EXPECT_EQ(niveau, 7) << c.nom;
  }
  std::uint8_t langue = 0;
  std::string raison;
  EXPECT_FALSE(lire_partie(chemin("absent.dam"), langue, raison));
  EXPECT_FALSE(ecrire_partie(dossier / "absent" / "x.dam", 0));
}

TEST_F(GameFiles, AnyBytesAreReadWithoutHarm) {
  jouer_partie(30);
  dernier_demi_coup = 30;
  const auto bon = encoder_partie(partie_courante(1));
  std::mt19937 aleas(2024);
  int acceptes = 0;
  auto essayer = [&](const std::vector<std::uint8_t>& o) {
    ContenuPartie c;
    std::string raison;
    if (!decoder_partie(o.data(), o.size(), c, raison)) {
      EXPECT_FALSE(raison.empty());
      return;
    }
    ++acceptes;
    const int dernier = c.partie[0].position[0];
    ASSERT_LE(dernier, DERNIER_DEMI_COUP);
    ASSERT_LE(c.nb_demi_coups, dernier);
    ASSERT_LE(c.trait, 1);
    ASSERT_LT(c.reglages.langue, 6);
    lignes_liste_coups(c.partie, dernier);
    // What was accepted is written back as a file that reads the same.
    ContenuPartie relu;
    const auto encore = encoder_partie(c);
    ASSERT_TRUE(decoder_partie(encore.data(), encore.size(), relu, raison)) << raison;
    ASSERT_EQ(encoder_partie(relu), encore);
  };
  // Zeros longer than a file; good files cut at every length in steps.
  essayer(std::vector<std::uint8_t>(std::size_t{2} << 15, 0));
  for (std::size_t n = 0; n < TAILLE_FICHIER_PARTIE; n += 193) essayer({bon.begin(), bon.begin() + n});
  // Random bytes, and a good file with a few bytes changed.
  for (int i = 0; i < 100; ++i) {
    std::vector<std::uint8_t> o(TAILLE_FICHIER_PARTIE);
    for (auto& b : o) b = static_cast<std::uint8_t>(aleas() % (i % 2 ? 256 : 5));
    essayer(o);
  }
  for (int i = 0; i < 800; ++i) {
    auto o = bon;
    for (int k = 1 + i % 4; k > 0; --k) o[aleas() % o.size()] = static_cast<std::uint8_t>(aleas());
    essayer(o);
  }
  EXPECT_GT(acceptes, 100);
}
