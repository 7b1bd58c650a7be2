// The transposition table on its own: what a probe finds, how each node kind
// uses an entry for either root colour, and which store replaces which entry.

#include <sys/resource.h>
#include <unistd.h>

#include "support/etat.h"
#include "support/positions.h"

namespace {

class Table : public Moteur {
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
  static void placer(const char* fen) {
    poser_fen(fen);
    calculer_cles();
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
  static Lecture lire(bool max, Camp c, int ply, Score alpha, Score beta) {
    camp_racine = c;
    Lecture l{UsageTable::RIEN, alpha, beta, 0};
    l.usage = max ? consulter_table_max(ply, l.alpha, l.beta, l.score) : consulter_table_min(ply, l.alpha, l.beta, l.score);
    return l;
  }
};

}  // namespace

TEST_F(Table, AnEntryIsFoundOnlyForItsPositionAbsolutePlyAndHorizon) {
  stocker(BLANCS, 8, 150, 5, TYPE_MIN_EXACT);  // half-move 10, ply 5, horizon 18
  ASSERT_NE(sonder_table(5), nullptr);
  EXPECT_EQ(sonder_table(5)->depart, 22);
  EXPECT_EQ(sonder_table(7), nullptr);  // another absolute ply
  prof_max = 9;
  EXPECT_EQ(sonder_table(5), nullptr);  // searched less deep than the current horizon
  prof_max = 7;
  EXPECT_NE(sonder_table(5), nullptr);
  nb_demi_coups = 12;  // two half-moves later the same node is at ply 3
  prof_max = 6;
  EXPECT_EQ(sonder_table(5), nullptr);
  ASSERT_NE(sonder_table(3), nullptr);
  EXPECT_EQ(lire(false, BLANCS, 3, -500, 500).score, 150);
  prof_max = 7;  // horizon 19 now: the entry is too shallow
  EXPECT_EQ(sonder_table(3), nullptr);
  placer("B:W21-31:B1-12");  // another position
  prof_max = 6;
  EXPECT_EQ(sonder_table(3), nullptr);
}

// An exact or decisive entry serves its own node kind for its own colour, and
// negated the other node kind for the other colour (a max node there is a
// min node here).
TEST_F(Table, ExactAndDecisiveEntriesServeTheirNodeKindOrTheOtherColoursNegated) {
  for (Camp c : {BLANCS, NOIRS})
    for (const auto& [type, de_max] : {std::pair{TYPE_MAX_EXACT, true}, {TYPE_MAX_DECISIF, true},
                                       {TYPE_MIN_EXACT, false}, {TYPE_MIN_DECISIF, false}})
      for (const bool autre : {false, true}) {
        SCOPED_TRACE(std::to_string(c) + " type " + std::to_string(type) + (autre ? " other colour" : ""));
        vider_tables();
        stocker(autre ? adversaire(c) : c, 8, 250, 5, type);
        const bool noeud_max = de_max != autre;
        EXPECT_EQ(lire(noeud_max, c, 5, -500, 500).usage, UsageTable::SCORE);
        EXPECT_EQ(lire(noeud_max, c, 5, -500, 500).score, autre ? -250 : 250);
        EXPECT_EQ(lire(!noeud_max, c, 5, -500, 500).usage, UsageTable::RIEN);
      }
}

// A bound either decides the node or moves one side of its window and hands
// over its move as the hint.
TEST_F(Table, BoundsCutOrMoveTheWindowAndGiveTheHintMove) {
  struct Cas {
    bool noeud_max, autre_couleur;
    int type;
    Score stocke;   // as stored; this search reads 100
    bool minorant;  // raises alpha (else lowers beta)
  };
  const Cas cas[] = {
      {true, false, TYPE_MAX_MINORANT, 100, true},   {true, false, TYPE_MAX_MAJORANT, 100, false},
      {true, true, TYPE_MIN_MAJORANT, -100, true},   {true, true, TYPE_MIN_MINORANT, -100, false},
      {false, false, TYPE_MIN_MAJORANT, 100, false}, {false, false, TYPE_MIN_MINORANT, 100, true},
      {false, true, TYPE_MAX_MINORANT, -100, false}, {false, true, TYPE_MAX_MAJORANT, -100, true},
  };
  for (Camp c : {BLANCS, NOIRS}) {
    for (const Cas& k : cas) {
      SCOPED_TRACE(std::string(k.noeud_max ? "max" : "min") + " type " + std::to_string(k.type) +
                   (k.autre_couleur ? " other colour" : "") + " root " + std::to_string(c));
      vider_tables();
      stocker(k.autre_couleur ? adversaire(c) : c, 8, k.stocke, 6, k.type, 23, 19);
      const Lecture coupe = k.minorant ? lire(k.noeud_max, c, 6, 0, 90) : lire(k.noeud_max, c, 6, 110, 300);
      EXPECT_EQ(coupe.usage, UsageTable::SCORE);  // beyond the window on the bound's side
      EXPECT_EQ(coupe.score, 100);
      conseil_depart = conseil_arrivee = 0;
      const Lecture dedans = lire(k.noeud_max, c, 6, 50, 150);  // inside: that side becomes the bound
      EXPECT_EQ(dedans.usage, UsageTable::FENETRE);
      EXPECT_EQ(k.minorant ? dedans.alpha : dedans.beta, 100);
      EXPECT_EQ(k.minorant ? dedans.beta : dedans.alpha, k.minorant ? 150 : 50);
      EXPECT_EQ(conseil_depart, 23);
      EXPECT_EQ(conseil_arrivee, 19);
    }
  }
}

// The replacement rules: stores one after another into one slot, and the
// score the slot holds after each.
TEST_F(Table, WhichStoreReplacesWhichEntry) {
  struct Pas {
    Camp c;
    int prof, score, ply, type, demi_coups, garde;
  };
  const std::vector<std::vector<Pas>> suites = {
      // an empty slot or a decisive result is always written
      {{BLANCS, 20, 11, 6, TYPE_MAX_EXACT, 10, 11}, {BLANCS, 2, 31990, 9, TYPE_MAX_DECISIF, 10, 31990}},
      // a decisive entry gives way only to another game stage: 17 plies of horizon away, or later in the game
      {{BLANCS, 8, -31990, 6, TYPE_MIN_DECISIF, 10, -31990}, {BLANCS, 24, 5, 6, TYPE_MAX_EXACT, 10, -31990},
       {BLANCS, 25, 5, 6, TYPE_MAX_EXACT, 10, 5}},
      {{BLANCS, 8, 31000, 6, TYPE_MAX_DECISIF, 40, 31000}, {BLANCS, 8, 3, 6, TYPE_MAX_MINORANT, 10, 3}},
      // the same kind nearer the root replaces even when shallower
      {{BLANCS, 8, 1, 8, TYPE_MAX_MINORANT, 10, 1}, {BLANCS, 7, 2, 10, TYPE_MAX_MINORANT, 10, 1},
       {BLANCS, 7, 2, 10, TYPE_MAX_MAJORANT, 10, 1}, {BLANCS, 7, 3, 6, TYPE_MAX_MINORANT, 10, 3}},
      // a deeper result replaces any entry that is not decisive; as deep, an exact entry stays
      {{BLANCS, 8, 1, 6, TYPE_MAX_EXACT, 10, 1}, {BLANCS, 8, 2, 6, TYPE_MAX_MAJORANT, 10, 1},
       {BLANCS, 9, 3, 6, TYPE_MAX_MAJORANT, 10, 3}},
      // a bound gives way to as deep a result, or to an exact one a ply shallower
      {{BLANCS, 8, 1, 6, TYPE_MIN_MAJORANT, 10, 1}, {BLANCS, 8, 2, 6, TYPE_MAX_MAJORANT, 10, 2},
       {BLANCS, 7, 3, 6, TYPE_MAX_MINORANT, 10, 2}, {BLANCS, 6, 4, 6, TYPE_MIN_EXACT, 10, 2},
       {BLANCS, 7, 5, 6, TYPE_MIN_EXACT, 10, 5}, {NOIRS, 7, 6, 6, TYPE_MAX_MINORANT, 10, 5}},
  };
  for (std::size_t i = 0; i < suites.size(); ++i) {
    vider_tables();
    for (std::size_t j = 0; j < suites[i].size(); ++j) {
      const Pas& p = suites[i][j];
      nb_demi_coups = static_cast<std::uint8_t>(p.demi_coups);
      stocker(p.c, p.prof, p.score, p.ply, p.type);
      EXPECT_EQ(case_courante().score, p.garde) << "sequence " << i << " store " << j;
    }
  }
}

TEST_F(Table, NothingIsStoredWithThreePiecesAndEmptyingOrResizingLeaveEverySlotEmpty) {
  placer("B:W5,K20:B25");
  stocker(BLANCS, 8, 9, 6, TYPE_MAX_EXACT);
  EXPECT_EQ(case_courante().type, TYPE_VIDE);
  placer("B:W5,K20:B25,26");
  stocker(BLANCS, 8, 9, 6, TYPE_MAX_EXACT);
  EXPECT_EQ(case_courante().type, TYPE_MAX_EXACT);
  vider_tables();
  EXPECT_EQ(sonder_table(6), nullptr);
  stocker(BLANCS, 8, 9, 6, TYPE_MAX_EXACT);
  choisir_taille_tables(1);
  EXPECT_EQ(nb_entrees_table, 65500u);
  for (std::uint32_t i = 0; i < nb_entrees_table; ++i) ASSERT_EQ(table_transposition[i].type, TYPE_VIDE);
  for (int c = PION_BLANC; c <= DAME_NOIRE; ++c)  // new index words, each a slot of the new table
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

TEST_F(Table, NoMemoryEndsTheProgramWithStatusOne) {
  EXPECT_EXIT(allouer_sans_memoire(), ::testing::ExitedWithCode(1), "Erreur allocation Hash tables");
}
#endif
