// Endgame databases: one offset per placement, the probe the material
// chooses, damaged files, and the built tables checked one ply deep, against
// an independent solution and against results of endgame theory.

#include <algorithm>
#include <map>

#include "knowledge/endgame_build.h"
#include "support/etat.h"
#include "support/positions.h"

namespace {

namespace fs = std::filesystem;
const fs::path BIN = CORVANE_BIN_DIR;

// Every legal placement of class k with white (the side to move) going
// toward 1..4: like pieces in increasing squares, no man on its crowning row.
template <class F>
void placements(int k, F&& f) {
  const ClasseBase& c = CLASSES_BASES[k];
  std::vector<Piece> pieces;
  pieces.insert(pieces.end(), c.pions_trait, PION_BLANC);
  pieces.insert(pieces.end(), c.dames_trait, DAME_BLANCHE);
  pieces.insert(pieces.end(), c.pions_autre, PION_NOIR);
  pieces.insert(pieces.end(), c.dames_autre, DAME_NOIRE);
  vider_damier();
  auto poser_piece = [&](auto&& soi, std::size_t i, int depuis) -> void {
    if (i == pieces.size()) return f();
    const Piece p = pieces[i];
    for (int s = (i > 0 && pieces[i - 1] == p) ? depuis : 1; s <= 32; ++s) {
      if (damier[s] != VIDE || (p == PION_BLANC && s <= 4) || (p == PION_NOIR && s >= 29)) continue;
      damier[s] = p;
      soi(soi, i + 1, s + 1);
      damier[s] = VIDE;
    }
  };
  poser_piece(poser_piece, 0, 1);
}

// The fixture puts back the tables and their flags after each test.
class Bases : public MoteurDossier {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(charger_bases(BIN), NB_BASES); }
};

// Each placement has an offset of its own: as many distinct offsets as placements.
TEST_F(Bases, EveryLegalPlacementHasItsOwnOffsetAndBlackReadsTheTurnedBoard) {
  std::mt19937 alea(5);
  for (int k = 0; k < NB_BASES; ++k) {
    const ClasseBase& c = CLASSES_BASES[k];
    std::vector<std::uint8_t> vu(c.taille, 0);
    std::uint32_t n = 0;
    placements(k, [&] {
      const std::int32_t i = indice_base(k, damier, BLANCS);
      ASSERT_GE(i, 0) << c.nom;
      ASSERT_LT(i, static_cast<std::int32_t>(c.taille)) << c.nom;
      ASSERT_EQ(vu[i], 0) << c.nom << " offset " << i << " twice";
      vu[i] = 1;
      ++n;
      if (alea() % 64 == 0) {  // the same position with black to move
        std::uint8_t garde[33];
        std::memcpy(garde, damier, 33);
        retourner();
        const std::int32_t j = indice_base(k, damier, NOIRS);
        if (c.pions_trait + c.pions_autre > 0)
          EXPECT_EQ(j, i) << c.nom;
        else  // kings alone are read unturned: the turned board holds the same outcome
          EXPECT_EQ(table_base(k)[j], table_base(k)[i]) << c.nom;
        EXPECT_EQ(classe_base(damier, NOIRS), k) << c.nom;
        std::memcpy(damier, garde, 33);
      }
    });
    EXPECT_EQ(n, c.taille - bilan_base(k).inutilises) << c.nom;
    EXPECT_GT(n, c.taille / 2) << c.nom;
  }
}

TEST_F(Bases, TheMaterialOnTheBoardChoosesTheProbe) {
  const std::pair<const char*, int> cas[] = {
      {"B:WK13:BK23", BASE_DOD},     {"B:WK13:B23", BASE_POD},         {"W:WK13:B23", BASE_DOP},
      {"W:WK8:B13,23", BASE_DOPP},   {"W:W8:BK13,23", BASE_POPD},      {"W:WK11,K13,K24:BK28", BASE_DDDOD},
      {"B:W11,13,K24:BK28", BASE_DOPPD},
  };
  for (const auto& [fen, classe] : cas) {
    SCOPED_TRACE(fen);
    poser_fen(fen);
    EXPECT_EQ(classe_base(damier, trait), classe);
    Score v = 0;
    ASSERT_TRUE(sonder_finale(trait, 1, v));
    EXPECT_EQ(v, sonder_base(classe, trait, 1));
    Score w = 0;
    ASSERT_TRUE(sonder_finale(adversaire(trait), 2, w));  // same node one ply down
    EXPECT_EQ(w, v > 0 ? -(v - 1) : v < 0 ? -(v + 1) : 0);  // seen from the other side, a ply later
  }
  Score v = 0;
  poser_fen("W:WK13:B26,27,28");  // three men: no table
  EXPECT_FALSE(sonder_finale(NOIRS, 1, v));
  poser_fen("B:WK12,K13:BK27,K28");  // two against two
  EXPECT_FALSE(sonder_finale(BLANCS, 1, v));
}

TEST_F(Bases, FilesThatAreMissingShortLongOrEmptyLeaveTheirClassUnusable) {
  std::mt19937 alea(99);
  int attendues = 0;
  for (int k = 0; k < NB_BASES; ++k) {
    const ClasseBase& c = CLASSES_BASES[k];
    const fs::path f = dossier / (std::string(c.nom) + ".bib");
    std::vector<char> octets(c.taille);
    for (char& b : octets) b = static_cast<char>(alea());
    switch (k % 5) {
      case 0: continue;  // missing
      case 1: octets.resize(c.taille - 1); break;
      case 2: octets.push_back(0); break;
      case 3: octets.clear(); break;
      case 4:  // random bytes of the right size, vouched for by the record below
        ++attendues;
        std::memcpy(table_base(k), octets.data(), c.taille);
        break;
    }
    std::ofstream(f, std::ios::binary).write(octets.data(), static_cast<std::streamsize>(octets.size()));
  }
  std::ofstream(dossier / FICHIER_SOMMES_BASES, std::ios::binary) << texte_sommes_bases();
  EXPECT_EQ(charger_bases(dossier), attendues);
  for (int k = 0; k < NB_BASES; ++k) {
    const ClasseBase& c = CLASSES_BASES[k];
    EXPECT_EQ(base_utilisable[k], k % 5 == 4) << c.nom;
    // Any position of the class: an unusable class answers SANS_BASE and the
    // search is told to go on; random bytes give some score, never a crash.
    int vus = 0;
    placements(k, [&] {
      if (++vus % 97 != 0) return;
      for (int ply : {1, 2, 33}) {
        const Camp camp = ply % 2 ? BLANCS : NOIRS;  // white moves at the node
        const Score v = sonder_base(k, camp, ply);
        Score w = 0;
        if (k % 5 == 4) ASSERT_TRUE(v != SANS_BASE && (v == 0 || v > 31000 || v < -31000)) << v;
        else ASSERT_TRUE(v == SANS_BASE && !sonder_finale(camp, ply, w)) << c.nom;
      }
    });
  }
  EXPECT_EQ(charger_bases(dossier / "absent"), 0);
  EXPECT_EQ(charger_bases(BIN), NB_BASES);
}

// A table of the right size and other bytes is not trusted: the record of
// checksums written with the tables must vouch for every one.
TEST_F(Bases, ATableThatDisagreesWithItsRecordedChecksumIsUnusable) {
  ASSERT_TRUE(ecrire_bases(dossier));
  EXPECT_EQ(charger_bases(dossier), NB_BASES);
  std::mt19937 alea(3);
  std::vector<char> octets(CLASSES_BASES[BASE_DDOD].taille);
  for (char& b : octets) b = static_cast<char>(alea());
  ::ecrire(dossier / "ddod.bib", std::string(octets.begin(), octets.end()));
  EXPECT_EQ(charger_bases(dossier), NB_BASES - 1);
  EXPECT_EQ(base_utilisable[BASE_DDOD], 0);
  poser_fen("B:WK10,K20:BK5");  // drawn; W, two kings against one, is to move at ply 2
  Score v = 0;
  EXPECT_FALSE(sonder_finale(BLANCS, 2, v)) << v;
  fs::remove(dossier / FICHIER_SOMMES_BASES);
  EXPECT_EQ(charger_bases(dossier), 0);  // nothing vouches for any table
}

// The tables are written as one set: when one cannot be put in place (a
// folder stands there), none of the old files is replaced.
TEST_F(Bases, AWriteThatFailsHalfWayLeavesTheOldFiles) {
  fs::create_directories(dossier / "doppd.bib");
  ::ecrire(dossier / "dod.bib", "old");
  EXPECT_FALSE(ecrire_bases(dossier));
  EXPECT_EQ(contenu(dossier / "dod.bib"), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 2);  // no temporary file left
}

TEST_F(Bases, TheBuiltTablesAgreeWithTheirSuccessorsOnePlyDeep) {
  std::string erreur;
  EXPECT_TRUE(verifier_bases(erreur)) << erreur;
}

TEST_F(Bases, TheCheckerFindsAWrongByteAndShowsThePosition) {
  poser_fen("B:W7:BK13,K23");
  std::int8_t& b = table_base(BASE_DDOP)[indice_base(BASE_DDOP, damier, BLANCS)];
  b = static_cast<std::int8_t>(b + 2);
  std::string erreur;
  EXPECT_FALSE(verifier_bases(erreur));
  EXPECT_NE(erreur.find("ddop"), std::string::npos) << erreur;
  EXPECT_NE(erreur.find("B:W7:BK13,K23"), std::string::npos) << erreur;

  charger_bases(BIN);
  table_base(BASE_POD)[0] = 1;  // offset 0 addresses no position
  EXPECT_FALSE(verifier_bases(erreur));
  EXPECT_NE(erreur.find("pod: offset 0"), std::string::npos) << erreur;
}

// An independent solution of every two-piece position by the reference rules,
// level by level: a loss when every move reaches a win, a win when some move reaches a loss.
TEST_F(Bases, TwoPieceTablesMatchAnIndependentSolution) {
  using Plateau = std::array<std::uint8_t, 33>;
  struct Noeud {
    std::vector<int> suites;  // -1: the move takes the last enemy piece
    int valeur = 0;
    bool connue = false;
  };
  std::map<std::pair<Plateau, Camp>, int> numero;
  std::vector<std::pair<Plateau, Camp>> positions;
  const Piece sortes[4] = {PION_BLANC, DAME_BLANCHE, PION_NOIR, DAME_NOIRE};
  for (int a = 1; a <= 32; ++a)
    for (int b = 1; b <= 32; ++b)
      for (int pa = 0; pa < 2; ++pa)
        for (int pb = 2; pb < 4; ++pb) {
          if (a == b || (sortes[pa] == PION_BLANC && a <= 4) || (sortes[pb] == PION_NOIR && b >= 29)) continue;
          Plateau p{};
          p[0] = HORS_DAMIER;
          p[a] = sortes[pa];
          p[b] = sortes[pb];
          for (Camp c : {BLANCS, NOIRS}) {
            numero[{p, c}] = static_cast<int>(positions.size());
            positions.push_back({p, c});
          }
        }
  std::vector<Noeud> noeuds(positions.size());
  for (std::size_t i = 0; i < positions.size(); ++i) {
    const auto& [p, c] = positions[i];
    for (const auto& m : reference::coups(p, c))
      noeuds[i].suites.push_back(std::get<2>(m).empty() ? numero.at({reference::jouer(p, m), adversaire(c)}) : -1);
  }
  for (int niveau = 1;; ++niveau) {
    std::vector<std::size_t> nouveaux;
    for (std::size_t i = 0; i < noeuds.size(); ++i) {
      if (noeuds[i].connue) continue;
      bool gagne = false, perd = niveau % 2 == 1;
      for (int s : noeuds[i].suites) {
        const bool perte_adverse = s < 0 ? niveau == 2 : noeuds[s].connue && noeuds[s].valeur == -(niveau - 1);
        gagne = gagne || (niveau % 2 == 0 && perte_adverse);
        perd = perd && s >= 0 && noeuds[s].connue && noeuds[s].valeur > 0 && noeuds[s].valeur < niveau;
      }
      if (gagne || perd) nouveaux.push_back(i);
    }
    if (nouveaux.empty()) break;
    for (std::size_t i : nouveaux) {
      noeuds[i].connue = true;
      noeuds[i].valeur = niveau % 2 == 0 ? niveau : -niveau;
    }
  }
  int gains = 0, pertes = 0;
  for (std::size_t i = 0; i < positions.size(); ++i) {
    const auto& [p, c] = positions[i];
    std::memcpy(damier, p.data(), 33);
    const int d = noeuds[i].valeur;
    const int attendu = d > 0 ? 32000 - d - 1 : d < 0 ? -32000 - d + 1 : 0;
    Score v = 0;
    ASSERT_TRUE(sonder_finale(c, 1, v));
    ASSERT_EQ(v, attendu) << "position " << i << " side " << int(c);
    gains += d > 0;
    pertes += d < 0;
  }
  EXPECT_GT(gains, 1000);
  EXPECT_GT(pertes, 500);
}

// A lone king holding the long diagonal with the move draws against three
// kings; off it, they win almost always, by a long technique; two kings win
// only by a quick shot.
const int DIAGONALE[8] = {29, 25, 22, 18, 15, 11, 8, 4};
bool sur_diagonale(int s) { return std::find(DIAGONALE, DIAGONALE + 8, s) != DIAGONALE + 8; }
bool dame_noire_sur_diagonale() {
  return std::any_of(DIAGONALE, DIAGONALE + 8, [](int s) { return damier[s] == DAME_NOIRE; });
}

TEST_F(Bases, ResultsOfEndgameTheoryForFlyingKings) {
  preparer_listes();
  prof_courante = 2;
  int positions = 0, nulles = 0;
  placements(BASE_DODDD, [&] {
    for (int s = 1; s <= 32; ++s)
      if (damier[s] == DAME_BLANCHE && !sur_diagonale(s)) return;
    recalculer_masques();
    const int n = lister_coups(BLANCS);
    if (dame_noire_sur_diagonale() || (n > 0 && listes_coups[2][0].nb_prises > 0)) return;  // or a capture is forced
    ++positions;
    nulles += table_base(BASE_DODDD)[indice_base(BASE_DODDD, damier, BLANCS)] == 0;
  });
  EXPECT_GT(positions, 10000);
  EXPECT_EQ(nulles, positions);
  positions = 0;
  int gains = 0, pertes = 0, plus_long = 0;
  placements(BASE_DDDOD, [&] {
    if (dame_noire_sur_diagonale()) return;
    const int d = table_base(BASE_DDDOD)[indice_base(BASE_DDDOD, damier, BLANCS)];
    ++positions;
    gains += d > 0;
    pertes += d < 0;
    plus_long = std::max(plus_long, d);
  });
  EXPECT_EQ(pertes, 0);
  EXPECT_GT(gains, positions * 99 / 100);
  EXPECT_GT(plus_long, 20);  // many plies deep
  const BilanBase b = bilan_base(BASE_DDOD);
  EXPECT_GT(b.nulles, b.gains);
  EXPECT_LE(b.plus_long_gain, 8);
  EXPECT_EQ(b.pertes, 0u);
}

}  // namespace
