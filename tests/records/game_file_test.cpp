// Game files read back as written; files no game can make are refused and
// leave the game as it was.

#include <limits>

#include "game/end.h"
#include "records/game_file.h"
#include "support/etat.h"
#include "support/positions.h"

namespace {

void poser32(std::vector<std::uint8_t>& o, std::size_t position, std::int32_t v) {
  std::memcpy(&o[position], &v, sizeof v);
}

class GameFiles : public MoteurDossier {
 protected:
  std::filesystem::path chemin(const char* nom) const { return dossier / nom; }
  // Reads a game file into the game, said to succeed; the language it gives.
  static int relire(const std::filesystem::path& p) {
    std::uint8_t langue = 9;
    std::string raison;
    EXPECT_TRUE(lire_partie(p, langue, raison)) << raison;
    return langue;
  }

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
  const int langue = relire(chemin("a.dam"));
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
  EXPECT_EQ(relire(chemin("installee.dam")), 0);
  EXPECT_EQ(trait, NOIRS);
  EXPECT_EQ(partie[0].position[2], PION_BLANC);
  jouer_partie(1);
  for (int h = 2; h <= DERNIER_DEMI_COUP; ++h) partie[h] = partie[1];
  dernier_demi_coup = nb_demi_coups = DERNIER_DEMI_COUP;
  ASSERT_TRUE(ecrire_partie(chemin("pleine.dam"), 5));
  EXPECT_EQ(relire(chemin("pleine.dam")), 5);
  EXPECT_EQ(dernier_demi_coup, DERNIER_DEMI_COUP);
  EXPECT_EQ(lignes_liste_coups(partie, DERNIER_DEMI_COUP).size(), 127u);
  jouer_partie(4);
  dernier_demi_coup = 4;
  ContenuPartie c = partie_courante(0);
  c.reglages = {0, 0, 0, 0, 0, 0};
  ecrire("ancien.dam", encoder_partie(c));
  choisir_niveau(8);
  EXPECT_EQ(relire(chemin("ancien.dam")), 1);
  EXPECT_EQ(niveau, 5);
  EXPECT_EQ(temps_limite, 178);
  EXPECT_EQ(budget_reflexion, 160);
  EXPECT_EQ(minutes_autre, 3);
  EXPECT_EQ(taille_tables, 0);
}

// A finished game keeps its result: a won, drawn or lost game read back
// says so, whatever the game in memory said before.
TEST_F(GameFiles, TheResultIsKeptWithTheGame) {
  jouer_partie(14);
  dernier_demi_coup = 14;
  nb_demi_coups = 9;  // saved after going back: the result is the game's
  trait = NOIRS;
  for (const int resultat : {NOIRS_GAGNENT, PARTIE_NULLE, BLANCS_GAGNENT, SANS_RESULTAT}) {
    resultat_partie = resultat;
    ASSERT_TRUE(ecrire_partie(chemin("r.dam"), 1));
    resultat_partie = resultat == PARTIE_NULLE ? SANS_RESULTAT : PARTIE_NULLE;
    relire(chemin("r.dam"));
    EXPECT_EQ(resultat_partie, resultat);
    EXPECT_EQ(partie_courante(1).resultat, resultat);
  }
}

// Files written before the result was kept: the final position tells it
// when it decides the game, the side to move there having no move; a full
// record is a draw; otherwise no result.
TEST_F(GameFiles, AnOlderFileTakesItsResultFromTheFinalPosition) {
  struct Cas {
    const char* fen;
    int resultat;
  };
  const Cas cas[] = {
      {"B:W18:B14", SANS_RESULTAT},     // camp 0 to move has moves
      {"B:W29,30:B25", NOIRS_GAGNENT},  // camp 0 to move, its only man blocked
      {"W:W:B1", BLANCS_GAGNENT},       // camp 1 to move has no piece left
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.fen);
    poser_fen(c.fen);
    commencer_partie();
    std::vector<std::uint8_t> o = encoder_partie(partie_courante(1));
    o[POSITION_RESULTAT] = 0;  // as older files
    resultat_partie = PARTIE_NULLE;
    relire(ecrire("ancien.dam", o));
    EXPECT_EQ(resultat_partie, c.resultat);
  }
  // A full record, the side to move still able to move, after a step back.
  jouer_partie(1);
  for (int h = 2; h <= DERNIER_DEMI_COUP; ++h) partie[h] = partie[1];
  dernier_demi_coup = DERNIER_DEMI_COUP;
  nb_demi_coups = 253;
  trait = BLANCS;
  std::vector<std::uint8_t> o = encoder_partie(partie_courante(1));
  o[POSITION_RESULTAT] = 0;
  relire(ecrire("plein.dam", o));
  EXPECT_EQ(resultat_partie, PARTIE_NULLE);
}

// Other programs, or damage, may leave a name field without its zero: the
// name is the field's first 19 bytes, at every ply up to the last entry.
TEST_F(GameFiles, ANameFieldWithoutItsZeroReadsAsItsFirst19Bytes) {
  jouer_partie(6);
  dernier_demi_coup = 6;
  std::vector<std::uint8_t> o = encoder_partie(partie_courante(1));
  for (int k = 0; k < TAILLE_PARTIE; ++k) {
    std::memset(&o[k * TAILLE_ENTREE + offsetof(EntreePartie, nom_blancs)], 'B', LONGUEUR_NOM);
    std::memset(&o[k * TAILLE_ENTREE + offsetof(EntreePartie, nom_noirs)], 'N', LONGUEUR_NOM);
    o[k * TAILLE_ENTREE + offsetof(EntreePartie, couleur_ordi)] = 'x';
  }
  relire(ecrire("noms.dam", o));
  for (int k : {0, 6, DERNIER_DEMI_COUP}) {
    EXPECT_EQ(nom_du_champ(partie[k].nom_blancs), std::string(19, 'B')) << k;
    EXPECT_EQ(nom_du_champ(partie[k].nom_noirs), std::string(19, 'N')) << k;
    EXPECT_EQ(std::strlen(partie[k].nom_noirs), 19u) << k;
  }
  // A field in memory is read within its bytes too.
  std::memset(partie[3].nom_noirs, 'Z', LONGUEUR_NOM);
  EXPECT_EQ(nom_du_champ(partie[3].nom_noirs), std::string(19, 'Z'));
  std::strcpy(partie[3].nom_noirs, "Zo\xeb");
  EXPECT_EQ(nom_du_champ(partie[3].nom_noirs), "Zo\xeb");
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
      // More than any level gives: the time budget would overflow.
      {"huge thinking time", [](auto& o) { poser32(o, POSITION_BUDGET, 2'000'000'000); }, "thinking time"},
      {"huge allowance", [](auto& o) { poser32(o, POSITION_LIMITE, 100'000'000); }, "allowance"},
      {"thinking time past the largest level", [](auto& o) { poser32(o, POSITION_BUDGET, BUDGET_MAX + 1); }, "thinking time"},
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

// The longest level the program offers is read back; a clock no game can
// reach, or below zero, is bounded (the game is kept, its times stay usable).
TEST_F(GameFiles, TheLongestLevelIsReadAndClocksAreBounded) {
  jouer_partie(8);
  dernier_demi_coup = 8;
  choisir_niveau_autre(MINUTES_AUTRE_MAX);
  std::vector<std::uint8_t> o = encoder_partie(partie_courante(1));
  poser32(o, 3 * TAILLE_ENTREE + offsetof(EntreePartie, temps_blancs), std::numeric_limits<std::int32_t>::max());
  poser32(o, 5 * TAILLE_ENTREE + offsetof(EntreePartie, temps_noirs), std::numeric_limits<std::int32_t>::min());
  choisir_niveau(5);
  relire(ecrire("long.dam", o));
  EXPECT_EQ(niveau, NIVEAU_AUTRE);
  EXPECT_EQ(budget_reflexion, BUDGET_MAX);
  EXPECT_EQ(temps_limite, LIMITE_MAX);
  EXPECT_EQ(partie[3].temps_blancs, HORLOGE_MAX);
  EXPECT_EQ(partie[5].temps_noirs, 0);
  EXPECT_EQ(partie[4].temps_blancs, 12);  // the clocks of the game are kept
  EXPECT_EQ(partie[4].temps_noirs, 20);
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
    ASSERT_LE(c.reglages.budget_reflexion, BUDGET_MAX);
    ASSERT_LE(c.reglages.temps_limite, LIMITE_MAX);
    for (const EntreePartie& e : c.partie) {
      ASSERT_TRUE(e.temps_blancs >= 0 && e.temps_blancs <= HORLOGE_MAX);
      ASSERT_TRUE(e.temps_noirs >= 0 && e.temps_noirs <= HORLOGE_MAX);
    }
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
