// The transposition table on its own: sizes, what a probe finds, how each
// node kind uses an entry for either root colour, and which store replaces
// which entry.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <string>

#include "game/game.h"
#include "rules/fen.h"
#include "rules/generation.h"
#include "search/keys.h"
#include "search/ordering.h"
#include "search/search.h"
#include "search/table.h"

namespace {

void placer(const char* fen) {
  Position pos;
  std::string erreur;
  ASSERT_TRUE(lire_fen(fen, pos, erreur)) << erreur;
  placer_position(pos);
  compter_pieces();
  calculer_cles();
}

class Table : public ::testing::Test {
 protected:
  void SetUp() override {
    taille_tables = 10;
    decalage_tables = 2;
    allouer_tables();
    placer(FEN_DEPART);
    nb_demi_coups = 10;
    prof_max = 8;
    camp_racine = BLANCS;
  }
  void TearDown() override {
    liberer_tables();
    taille_tables = TAILLE_TABLES_DEFAUT;
    decalage_tables = DECALAGE_TABLES_DEFAUT;
    nb_demi_coups = 0;
    prof_max = 0;
    camp_racine = BLANCS;
    charger_cles("absent");  // built-in words again after a resize
  }

  static const EntreeTable& case_courante() { return table_transposition[cle_index % nb_entrees_table]; }

  // Stores as a search for root colour `c` with depth `prof`.
  static void stocker(Camp c, int prof, Score score, int ply, int type_base, Case depart = 22, Case arrivee = 18) {
    camp_racine = c;
    prof_max = prof;
    stocker_table(score, ply, static_cast<std::uint8_t>(type_base + c), depart, arrivee);
  }

  struct Lecture {
    UsageTable usage;
    Score alpha, beta, score;
  };
  static Lecture lire_max(Camp c, int ply, Score alpha, Score beta) {
    camp_racine = c;
    Lecture l{UsageTable::RIEN, alpha, beta, 0};
    l.usage = consulter_table_max(ply, l.alpha, l.beta, l.score);
    return l;
  }
  static Lecture lire_min(Camp c, int ply, Score alpha, Score beta) {
    camp_racine = c;
    Lecture l{UsageTable::RIEN, alpha, beta, 0};
    l.usage = consulter_table_min(ply, l.alpha, l.beta, l.score);
    return l;
  }
};

TEST(TableSizes, EachMenuChoiceGivesItsSlotsOffsetAndBytes) {
  for (int i = 0; i < 8; ++i) {
    const ChoixTaille& c = CHOIX_TAILLES[i];
    choisir_taille_tables(i);
    EXPECT_EQ(taille_tables, c.taille) << c.legende;
    EXPECT_EQ(decalage_tables, c.decalage) << c.legende;
    EXPECT_EQ(nb_entrees_table, static_cast<std::uint32_t>(c.entrees)) << c.legende;
    EXPECT_EQ(std::int64_t{c.taille} * OCTETS_PAR_CENT / 100, c.octets) << c.legende;
    EXPECT_GE(c.octets, c.entrees * static_cast<std::int64_t>(sizeof(EntreeTable))) << c.legende;
  }
  EXPECT_EQ(entrees_pour(0), 131000u);  // a setting of 0 is read as 100
  liberer_tables();
  taille_tables = TAILLE_TABLES_DEFAUT;
  decalage_tables = DECALAGE_TABLES_DEFAUT;
  charger_cles("absent");
}

TEST_F(Table, AnExactEntryIsFoundOnlyAtItsPlyAndHorizon) {
  stocker(BLANCS, 8, 150, 5, TYPE_MAX_EXACT);
  ASSERT_NE(sonder_table(5), nullptr);
  EXPECT_EQ(sonder_table(5)->depart, 22);
  EXPECT_EQ(sonder_table(7), nullptr);  // another absolute ply
  prof_max = 9;
  EXPECT_EQ(sonder_table(5), nullptr);  // searched less deep than the current horizon
  prof_max = 7;
  EXPECT_NE(sonder_table(5), nullptr);
  placer("B:W21-31:B1-12");  // another position
  EXPECT_EQ(sonder_table(5), nullptr);
}

TEST_F(Table, AnEntryFromHalfMoveTenPlyFiveIsFoundAtHalfMoveTwelvePlyThree) {
  stocker(BLANCS, 8, 40, 5, TYPE_MIN_EXACT);  // horizon 18
  nb_demi_coups = 12;
  prof_max = 6;
  EXPECT_EQ(sonder_table(5), nullptr);
  ASSERT_NE(sonder_table(3), nullptr);
  EXPECT_EQ(lire_min(BLANCS, 3, -100, 100).score, 40);
  prof_max = 7;  // horizon 19 now: the entry is too shallow
  EXPECT_EQ(sonder_table(3), nullptr);
}

TEST_F(Table, ExactAndDecisiveEntriesReturnTheirScoreToTheirOwnNodeKind) {
  for (Camp c : {BLANCS, NOIRS}) {
    stocker(c, 8, 120, 5, TYPE_MAX_EXACT);
    EXPECT_EQ(lire_max(c, 5, -500, 500).usage, UsageTable::SCORE);
    EXPECT_EQ(lire_max(c, 5, -500, 500).score, 120);
    EXPECT_EQ(lire_min(c, 5, -500, 500).usage, UsageTable::RIEN);  // a max node's entry
    stocker(c, 8, 31000, 5, TYPE_MIN_DECISIF);
    EXPECT_EQ(lire_min(c, 5, -500, 500).score, 31000);
    EXPECT_EQ(lire_max(c, 5, -500, 500).usage, UsageTable::RIEN);
    vider_tables();
  }
}

// An entry of a search for one colour serves a search for the other colour,
// negated, at a node where the same side moves: a max node there is a min
// node here.
TEST_F(Table, TheOtherColoursEntriesAreReadNegatedByTheOtherNodeKind) {
  for (Camp c : {BLANCS, NOIRS}) {
    const Camp autre = adversaire(c);
    const std::pair<int, bool> cas[] = {{TYPE_MAX_EXACT, true}, {TYPE_MAX_DECISIF, true},
                                        {TYPE_MIN_EXACT, false}, {TYPE_MIN_DECISIF, false}};
    for (const auto& [type, de_max] : cas) {
      vider_tables();
      stocker(autre, 8, 250, 5, type);
      const Lecture l = de_max ? lire_min(c, 5, -500, 500) : lire_max(c, 5, -500, 500);
      EXPECT_EQ(l.usage, UsageTable::SCORE) << int(c) << " type " << type;
      EXPECT_EQ(l.score, -250) << int(c) << " type " << type;
      const Lecture meme = de_max ? lire_max(c, 5, -500, 500) : lire_min(c, 5, -500, 500);
      EXPECT_EQ(meme.usage, UsageTable::RIEN) << int(c) << " type " << type;
    }
  }
}

// A bound either decides the node or moves one side of its window and hands
// over its move as the hint.
TEST_F(Table, BoundsCutOrMoveTheWindowAndGiveTheHintMove) {
  struct Cas {
    bool noeud_max;
    bool autre_couleur;
    int type;
    Score stocke;    // as stored
    Score vu;        // as this search reads it
    bool minorant;   // raises alpha (else lowers beta)
  };
  const Cas cas[] = {
      {true, false, TYPE_MAX_MINORANT, 100, 100, true},   {true, false, TYPE_MAX_MAJORANT, 100, 100, false},
      {true, true, TYPE_MIN_MAJORANT, -100, 100, true},   {true, true, TYPE_MIN_MINORANT, -100, 100, false},
      {false, false, TYPE_MIN_MAJORANT, 100, 100, false}, {false, false, TYPE_MIN_MINORANT, 100, 100, true},
      {false, true, TYPE_MAX_MINORANT, -100, 100, false}, {false, true, TYPE_MAX_MAJORANT, -100, 100, true},
  };
  for (Camp c : {BLANCS, NOIRS}) {
    for (const Cas& k : cas) {
      const std::string nom = std::string(k.noeud_max ? "max" : "min") + " type " + std::to_string(k.type) +
                              (k.autre_couleur ? " other colour" : "") + " root " + std::to_string(c);
      auto lire = [&](Score a, Score b) { return k.noeud_max ? lire_max(c, 6, a, b) : lire_min(c, 6, a, b); };
      vider_tables();
      stocker(k.autre_couleur ? adversaire(c) : c, 8, k.stocke, 6, k.type, 23, 19);
      // Beyond the window on the bound's side: the node is decided.
      const Lecture coupe = k.minorant ? lire(0, 90) : lire(110, 300);
      EXPECT_EQ(coupe.usage, UsageTable::SCORE) << nom;
      EXPECT_EQ(coupe.score, k.vu) << nom;
      // Inside the window: that side of the window becomes the bound.
      conseil_depart = conseil_arrivee = 0;
      const Lecture dedans = lire(50, 150);
      EXPECT_EQ(dedans.usage, UsageTable::FENETRE) << nom;
      EXPECT_EQ(k.minorant ? dedans.alpha : dedans.beta, k.vu) << nom;
      EXPECT_EQ(k.minorant ? dedans.beta : dedans.alpha, k.minorant ? 150 : 50) << nom;
      EXPECT_EQ(conseil_depart, 23) << nom;
      EXPECT_EQ(conseil_arrivee, 19) << nom;
    }
  }
}

TEST_F(Table, ProbesKeepToThePlyLimitsOfEachNodeKind) {
  for (int ply = 1; ply <= 25; ++ply) {
    vider_tables();
    stocker(BLANCS, 30, 7, ply, TYPE_MAX_EXACT);
    conseil_depart = 9;
    const bool max_actif = ply >= 4 && ply <= 19;
    EXPECT_EQ(lire_max(BLANCS, ply, -50, 50).usage == UsageTable::SCORE, max_actif) << ply;
    EXPECT_EQ(conseil_depart == 0, max_actif) << "hint cleared within the limits only, ply " << ply;
    vider_tables();
    stocker(BLANCS, 30, 7, ply, TYPE_MIN_EXACT);
    EXPECT_EQ(lire_min(BLANCS, ply, -50, 50).usage == UsageTable::SCORE, ply >= 3 && ply <= 18) << ply;
  }
}

TEST_F(Table, WithTheSmallestSizeTheTableServesDownToPlyThirteenAndTwelve) {
  choisir_taille_tables(0);
  calculer_cles();  // the resize drew new index words
  for (int ply = 3; ply <= 16; ++ply) {
    vider_tables();
    stocker(BLANCS, 30, 7, ply, TYPE_MAX_EXACT);
    EXPECT_EQ(lire_max(BLANCS, ply, -50, 50).usage == UsageTable::SCORE, ply >= 4 && ply <= 13) << ply;
    vider_tables();
    stocker(BLANCS, 30, 7, ply, TYPE_MIN_EXACT);
    EXPECT_EQ(lire_min(BLANCS, ply, -50, 50).usage == UsageTable::SCORE, ply <= 12) << ply;
  }
}

TEST_F(Table, UnknownTypesAreIgnored) {
  for (int type : {7, 50, 57, 99, 102, 149, 152, 200}) {
    vider_tables();
    camp_racine = BLANCS;
    stocker_table(5, 6, static_cast<std::uint8_t>(type), 22, 18);
    ASSERT_NE(sonder_table(6), nullptr) << type;
    EXPECT_EQ(lire_max(BLANCS, 6, -50, 50).usage, UsageTable::RIEN) << type;
    EXPECT_EQ(lire_min(BLANCS, 6, -50, 50).usage, UsageTable::RIEN) << type;
    EXPECT_EQ(lire_max(NOIRS, 6, -50, 50).usage, UsageTable::RIEN) << type;
    EXPECT_EQ(lire_min(NOIRS, 6, -50, 50).usage, UsageTable::RIEN) << type;
  }
}

// The replacement rules, each seen from the slot's entry.
TEST_F(Table, AnEmptySlotOrADecisiveResultIsAlwaysWritten) {
  stocker(BLANCS, 20, 11, 6, TYPE_MAX_EXACT);
  EXPECT_EQ(case_courante().score, 11);
  stocker(BLANCS, 2, 31990, 9, TYPE_MAX_DECISIF);  // far shallower, but decisive
  EXPECT_EQ(case_courante().score, 31990);
  EXPECT_EQ(case_courante().horizon, 12);
}

TEST_F(Table, ADecisiveEntryGivesWayOnlyToAnotherGameStage) {
  stocker(BLANCS, 8, -31990, 6, TYPE_MIN_DECISIF);  // horizon 18
  stocker(BLANCS, 24, 5, 6, TYPE_MAX_EXACT);       // horizon 34: 16 away
  EXPECT_EQ(case_courante().score, -31990);
  stocker(BLANCS, 25, 5, 6, TYPE_MAX_EXACT);  // horizon 35: 17 away
  EXPECT_EQ(case_courante().score, 5);

  vider_tables();
  nb_demi_coups = 40;
  stocker(BLANCS, 8, 31000, 6, TYPE_MAX_DECISIF);  // horizon 48
  nb_demi_coups = 10;
  stocker(BLANCS, 8, 3, 6, TYPE_MAX_MINORANT);  // horizon 18: an entry from much later in the game
  EXPECT_EQ(case_courante().score, 3);
}

TEST_F(Table, TheSameKindNearerTheRootReplacesEvenWhenShallower) {
  stocker(BLANCS, 8, 1, 8, TYPE_MAX_MINORANT);  // P 18, horizon 18
  stocker(BLANCS, 7, 2, 10, TYPE_MAX_MINORANT);  // farther from the root, shallower
  EXPECT_EQ(case_courante().score, 1);
  stocker(BLANCS, 7, 2, 10, TYPE_MAX_MAJORANT);  // another bound one ply shallower
  EXPECT_EQ(case_courante().score, 1);
  stocker(BLANCS, 7, 3, 6, TYPE_MAX_MINORANT);  // same kind, nearer the root
  EXPECT_EQ(case_courante().score, 3);
  EXPECT_EQ(case_courante().ply_absolu, 16);
}

TEST_F(Table, ADeeperResultReplacesAnyNonDecisiveEntry) {
  stocker(BLANCS, 8, 1, 6, TYPE_MAX_EXACT);
  stocker(BLANCS, 8, 2, 6, TYPE_MAX_MAJORANT);  // as deep: an exact entry stays
  EXPECT_EQ(case_courante().score, 1);
  stocker(BLANCS, 9, 3, 6, TYPE_MAX_MAJORANT);  // deeper
  EXPECT_EQ(case_courante().score, 3);
  EXPECT_EQ(case_courante().horizon, 19);
}

TEST_F(Table, ABoundGivesWayToAsDeepAResultOrToAnExactOneAPlyShallower) {
  stocker(BLANCS, 8, 1, 6, TYPE_MIN_MAJORANT);  // horizon 18
  stocker(BLANCS, 8, 2, 6, TYPE_MAX_MAJORANT);
  EXPECT_EQ(case_courante().score, 2);
  stocker(BLANCS, 7, 3, 6, TYPE_MAX_MINORANT);  // a bound a ply shallower
  EXPECT_EQ(case_courante().score, 2);
  stocker(BLANCS, 6, 4, 6, TYPE_MIN_EXACT);  // exact but two plies shallower
  EXPECT_EQ(case_courante().score, 2);
  stocker(BLANCS, 7, 5, 6, TYPE_MIN_EXACT);  // exact, a ply shallower
  EXPECT_EQ(case_courante().score, 5);
  stocker(NOIRS, 7, 6, 6, TYPE_MAX_MINORANT);  // a bound as deep as the exact entry now held
  EXPECT_EQ(case_courante().score, 5);
}

TEST_F(Table, NothingIsStoredWithThreePiecesOrPastHorizon254) {
  placer("B:W5,K20:B25");
  stocker(BLANCS, 8, 9, 6, TYPE_MAX_EXACT);
  EXPECT_EQ(case_courante().type, TYPE_VIDE);
  placer("B:W5,K20:B25,26");
  stocker(BLANCS, 8, 9, 6, TYPE_MAX_EXACT);
  EXPECT_EQ(case_courante().type, TYPE_MAX_EXACT);

  vider_tables();
  nb_demi_coups = 250;
  stocker(BLANCS, 5, 9, 6, TYPE_MAX_EXACT);
  EXPECT_EQ(case_courante().type, TYPE_VIDE);
  stocker(BLANCS, 4, 9, 6, TYPE_MAX_EXACT);  // horizon 254
  EXPECT_EQ(case_courante().horizon, 254);
  EXPECT_EQ(case_courante().ply_absolu, 0);  // 256 wraps, as the probe computes it
  EXPECT_NE(sonder_table(6), nullptr);
}

TEST_F(Table, EmptyingAndResizingLeaveEverySlotEmpty) {
  stocker(BLANCS, 8, 9, 6, TYPE_MAX_EXACT);
  vider_tables();
  EXPECT_EQ(sonder_table(6), nullptr);
  stocker(BLANCS, 8, 9, 6, TYPE_MAX_EXACT);
  choisir_taille_tables(1);
  EXPECT_EQ(nb_entrees_table, 65500u);
  for (std::uint32_t i = 0; i < nb_entrees_table; ++i) ASSERT_EQ(table_transposition[i].type, TYPE_VIDE);
  // New index words, each a slot of the new table.
  for (int c = PION_BLANC; c <= DAME_NOIRE; ++c)
    for (int s = 0; s <= 32; ++s) EXPECT_LT(cles_index[c * 32 + s], 65500u);
  calculer_cles();
  prof_max = 8;
  stocker(BLANCS, 8, 9, 6, TYPE_MAX_EXACT);
  EXPECT_NE(sonder_table(6), nullptr);
}

#if !defined(__SANITIZE_ADDRESS__)
void allouer_sans_memoire() {
  dup2(2, 1);  // the message goes to standard output
  const rlimit limite{256u << 20, 256u << 20};
  setrlimit(RLIMIT_AS, &limite);
  taille_tables = 32000;  // half a gigabyte
  allouer_tables();
}

TEST(TableAllocation, NoMemoryEndsTheProgramWithStatusOne) {
  EXPECT_EXIT(allouer_sans_memoire(), ::testing::ExitedWithCode(1), "Erreur allocation Hash tables");
}
#endif

}  // namespace
