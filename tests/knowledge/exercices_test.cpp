// Exercises: the shipped set proved again, the commentary files in several
// languages, the solution check, and the proof search against a plain
// minimax.

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "knowledge/exercices.h"
#include "knowledge/preuve.h"
#include "support/etat.h"
#include "support/positions.h"

namespace {

namespace fs = std::filesystem;
const fs::path BIN = CORVANE_BIN_DIR;
const fs::path PROBLEMES = BIN / DOSSIER_PROBLEMES;
// What the generator proved, written beside the build by it.
const fs::path PREUVES = BIN.parent_path() / "preuves_exercices.txt";

#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t ECHANTILLON = 8;  // the sanitizer build proves every 8th exercise again
#else
constexpr std::size_t ECHANTILLON = 1;  // the others all of them
#endif

struct Preuve {
  std::string fichier, groupe;
  int profondeur, longueur, gain;
  std::string premier, fen;
};

std::vector<Preuve> lire_preuves() {
  std::vector<Preuve> preuves;
  std::ifstream f(PREUVES);
  std::string ligne;
  while (std::getline(f, ligne)) {
    if (ligne.empty() || ligne[0] == '#') continue;
    std::istringstream l(ligne);
    Preuve p;
    l >> p.fichier >> p.groupe >> p.profondeur >> p.longueur >> p.gain >> p.premier >> p.fen;
    if (l) preuves.push_back(p);
  }
  return preuves;
}

std::vector<std::uint8_t> octets(const std::string& texte) { return {texte.begin(), texte.end()}; }

std::string texte(const std::string& contenu, std::uint8_t langue) {
  const std::vector<std::uint8_t> o = octets(contenu);
  return texte_commentaire(o.data(), o.size(), langue);
}

class Exercices : public MoteurDossier {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(charger_bases(BIN), NB_BASES); }
  void SetUp() override {
    preuves = lire_preuves();
    ASSERT_GE(preuves.size(), 60u) << PREUVES;
  }
  Exercice lire(const std::string& nom) {
    std::string raison;
    std::optional<Exercice> e = lire_exercice(PROBLEMES / nom, raison);
    EXPECT_TRUE(e) << nom << ": " << raison;
    return e.value_or(Exercice{});
  }
  std::vector<Preuve> preuves;
};

// ---- the shipped set ---------------------------------------------------------

TEST_F(Exercices, EveryExerciseOpensAtTheProvedPositionWithItsSolutionAndCommentary) {
  std::map<std::string, int> par_groupe;
  std::vector<std::string> listes;
  for (const Preuve& p : preuves) {
    SCOPED_TRACE(p.fichier);
    ++par_groupe[p.groupe];
    listes.push_back(p.fichier);
    listes.push_back(p.fichier + "t");
    const Exercice e = lire(p.fichier);
    ASSERT_FALSE(HasFailure());
    // Entry 0 holds the start index, the file opens there, the side to move
    // being the player's.
    EXPECT_EQ(e.contenu.nb_demi_coups, e.debut);
    Position attendue;
    std::string erreur;
    ASSERT_TRUE(lire_fen(p.fen, attendue, erreur)) << erreur;
    EXPECT_EQ(std::memcmp(e.contenu.partie[e.debut].position + 1, attendue.cases + 1, NB_CASES), 0);
    EXPECT_EQ(e.trait_debut, attendue.trait);
    // Every recorded ply of the solution is a legal move reaching the
    // position its entry holds, and nothing else is recorded after them.
    EXPECT_EQ(static_cast<int>(e.solution.size()), p.longueur);
    ASSERT_FALSE(e.solution.empty());
    EXPECT_EQ(notation_coup(e.solution[0]), p.premier);
    const int apres = e.debut + static_cast<int>(e.solution.size()) + 1;
    EXPECT_EQ(e.contenu.partie[apres].depart, 0);
    // The commentary: French and English, the task naming the side to move
    // as the board draws it, the solution after a blank line.
    const std::string fr = lire_commentaire(PROBLEMES / p.fichier, 0);
    const std::string en = lire_commentaire(PROBLEMES / p.fichier, 1);
    EXPECT_EQ(fr.rfind(e.trait_debut == BLANCS ? "Les noirs jouent" : "Les blancs jouent", 0), 0u) << fr;
    EXPECT_EQ(en.rfind(e.trait_debut == BLANCS ? "Black to play" : "White to play", 0), 0u) << en;
    const std::size_t blanc = fr.find("\n\n");
    ASSERT_NE(blanc, std::string::npos);
    EXPECT_EQ(fr.find("Solution"), fr.find("Solution : ", blanc)) << "the solution is told before the blank line";
    EXPECT_NE(fr.find(p.premier, blanc), std::string::npos);
  }
  EXPECT_GE(par_groupe["coups"], 20);
  EXPECT_GE(par_groupe["finales"], 20);
  EXPECT_GE(par_groupe["pieges"], 20);
  // The folder holds these files and no other, and "Suivant ->" goes
  // through them in the order of the list: groups of rising difficulty,
  // each from the easiest.
  std::vector<std::string> dossier;
  for (const auto& f : fs::directory_iterator(PROBLEMES)) dossier.push_back(f.path().filename().string());
  std::sort(dossier.begin(), dossier.end());
  EXPECT_EQ(dossier, listes);
  std::vector<std::string> ordre;
  for (const fs::path& f : lister_exercices(PROBLEMES)) ordre.push_back(f.filename().string());
  std::vector<std::string> attendu;
  for (const Preuve& p : preuves) attendu.push_back(p.fichier);
  EXPECT_EQ(ordre, attendu);
}

TEST_F(Exercices, TheFolderListsGameFilesByNameWhateverTheCaseOfTheirExtension) {
  for (const char* nom : {"b.dam", "a.DAM", "c.damt", "b.dam.txt", "d.da"}) ::ecrire(dossier / nom, "x");
  fs::create_directory(dossier / "e.dam");
  const std::vector<fs::path> liste = lister_exercices(dossier);
  ASSERT_EQ(liste.size(), 2u);
  EXPECT_EQ(liste[0].filename(), "a.DAM");
  EXPECT_EQ(liste[1].filename(), "b.dam");
  EXPECT_TRUE(lister_exercices(dossier / "absent").empty());
}

TEST_F(Exercices, TheFirstMoveIsStillTheOnlyOneThatWinsAtTheProofDepth) {
  for (std::size_t i = 0; i < preuves.size(); i += ECHANTILLON) {
    const Preuve& p = preuves[i];
    SCOPED_TRACE(p.fichier);
    const Exercice e = lire(p.fichier);
    ASSERT_FALSE(e.solution.empty());
    poser_fen(p.fen.c_str());
    const Camp camp = trait;
    if (p.profondeur == 0) {
      // Endings: the databases give the win, as the search's probe reads
      // it too, and exactly one move keeps it.
      EXPECT_EQ(issue_base(damier, camp), p.gain);
      EXPECT_EQ(sonder_base(classe_base(damier, camp), camp, 1), SCORE_INFINI - p.gain - 1);
      const std::vector<CoupValeur> issues = issues_coups_base(camp).value();
      std::vector<Coup> gagnants;
      for (const CoupValeur& c : issues)
        if (c.valeur < 0) gagnants.push_back(c.coup);
      ASSERT_EQ(gagnants.size(), 1u);
      EXPECT_TRUE(meme_position_atteinte(gagnants[0], e.solution[0]));
    } else {
      // Shots and traps: the material the proof search finds at its depth,
      // and the one move that reaches it.
      const int avant = materiel_preuve(camp);
      const PreuveGain g = prouver_gain(camp, p.profondeur, 12);
      EXPECT_EQ(g.valeur, avant + p.gain);
      ASSERT_EQ(g.gagnants.size(), 1u);
      EXPECT_TRUE(meme_position_atteinte(g.gagnants[0], e.solution[0]));
      EXPECT_LE(p.longueur + 6, p.profondeur) << "proved well beyond the solution";
    }
  }
}

// ---- the solution check --------------------------------------------------------

TEST_F(Exercices, TheRecordedMovesAreAcceptedWithTheirRepliesAndAnyOtherMoveRefused) {
  // The longest solution of the set.
  const auto p = std::max_element(preuves.begin(), preuves.end(),
                                  [](const Preuve& a, const Preuve& b) { return a.longueur < b.longueur; });
  const Exercice e = lire(p->fichier);
  const std::vector<Coup>& s = e.solution;
  ASSERT_GE(s.size(), 3u);
  for (std::size_t j = 0; j < s.size(); j += 2) {
    const VerdictSolution v = verifier_coup_exercice(s, static_cast<int>(j), s[j]);
    EXPECT_EQ(v.resultat, j + 2 >= s.size() ? ResultatCoup::Reussi : ResultatCoup::Solution) << j;
    ASSERT_EQ(v.reponse.has_value(), j + 1 < s.size()) << j;
    if (v.reponse) {
      EXPECT_TRUE(meme_position_atteinte(*v.reponse, s[j + 1]));
    }
  }
  // Any other legal move at the start is not the solution.
  poser_fen(p->fen.c_str());
  const std::vector<Coup> coups = coups_distincts(trait);
  ASSERT_GE(coups.size(), 2u);
  for (const Coup& m : coups) {
    if (!meme_position_atteinte(m, s[0])) {
      EXPECT_EQ(verifier_coup_exercice(s, 0, m).resultat, ResultatCoup::Autre) << notation_coup(m);
    }
  }
  // The reply's turn, and beyond the solution, there is nothing to check.
  EXPECT_EQ(verifier_coup_exercice(s, 1, s[1]).resultat, ResultatCoup::HorsSolution);
  EXPECT_EQ(verifier_coup_exercice(s, static_cast<int>(s.size()), s[0]).resultat, ResultatCoup::HorsSolution);
  EXPECT_EQ(verifier_coup_exercice({}, 0, s[0]).resultat, ResultatCoup::HorsSolution);
}

TEST_F(Exercices, ACaptureTakingTheSamePiecesInAnotherOrderIsTheSameMove) {
  // A king may take the same two pieces in either order and end on the same
  // square; taking one of them only is another move.
  Coup a{29, 10, 2, {0, 25, 18}, 0}, b{29, 10, 2, {0, 18, 25}, 0}, c{29, 10, 1, {0, 25}, 0};
  EXPECT_EQ(verifier_coup_exercice({a}, 0, b).resultat, ResultatCoup::Reussi);
  EXPECT_EQ(verifier_coup_exercice({a}, 0, c).resultat, ResultatCoup::Autre);
}

TEST_F(Exercices, TheSolutionEndsAtTheFirstEntryThatIsNoLegalMove) {
  const Preuve& p = *std::find_if(preuves.begin(), preuves.end(), [](const Preuve& q) { return q.longueur >= 3; });
  const Exercice e = lire(p.fichier);
  ContenuPartie c = e.contenu;
  // A move the side to move has not, then a legal move that does not reach
  // the position its entry holds.
  for (int cas = 0; cas < 2; ++cas) {
    c = e.contenu;
    EntreePartie& deuxieme = c.partie[e.debut + 2];
    if (cas == 0) deuxieme.arrivee = deuxieme.depart;
    else deuxieme.position[deuxieme.arrivee] = VIDE;
    EXPECT_EQ(solution_enregistree(c.partie, e.debut, e.trait_debut).size(), 1u) << cas;
  }
  // A game the program saved after going back to ply 10 of 20 keeps 20, its
  // last ply, in entry 0: as an exercise it starts there, nothing after it.
  position_initiale();
  commencer_partie();
  std::mt19937 alea(3);
  for (int k = 0; k < 20; ++k) jouer_et_enregistrer(static_cast<int>(alea() % coups_legaux(trait)));
  aller_au_demi_coup(10);
  ASSERT_TRUE(ecrire_partie(dossier / "partie.dam", 0));
  std::string raison;
  const std::optional<Exercice> sauvee = lire_exercice(dossier / "partie.dam", raison);
  ASSERT_TRUE(sauvee) << raison;
  EXPECT_EQ(sauvee->debut, 20);
  EXPECT_TRUE(sauvee->solution.empty());
  EXPECT_EQ(sauvee->trait_debut, trait_au_demi_coup(20));
  // What is no game file is no exercise.
  ::ecrire(dossier / "court.dam", "abc");
  EXPECT_FALSE(lire_exercice(dossier / "court.dam", raison));
  EXPECT_FALSE(lire_exercice(dossier / "absent.dam", raison));
}

// ---- commentary files ------------------------------------------------------------

TEST(Commentaires, TheCheckedLanguageIsShownElseFrench) {
  const std::string fichier =
      "Notes for the translators.\r\n"
      "[fr]\r\n\r\nLes noirs jouent et gagnent un pion.\r\nÀ chercher : 22-18.\r\n\r\nSolution : 22-18\r\n\r\n"
      "[en]\r\nBlack to play and win a man.\r\n"
      "[de]\r\nSchwarz zieht.\r\n"
      " [it] \r\nIl nero muove.\r\n";
  EXPECT_EQ(texte(fichier, 0), "Les noirs jouent et gagnent un pion.\nÀ chercher : 22-18.\n\nSolution : 22-18");
  EXPECT_EQ(texte(fichier, 1), "Black to play and win a man.");
  EXPECT_EQ(texte(fichier, 5), "Il nero muove.");
  EXPECT_EQ(texte(fichier, 2), texte(fichier, 0));  // no Dutch: French
  EXPECT_EQ(texte(fichier, 9), texte(fichier, 0));
  // An empty section counts as missing.
  EXPECT_EQ(texte("[fr]\nUn.\n[en]\n\n", 1), "Un.");
  // A text without language lines is French, whatever the language.
  EXPECT_EQ(texte("Les noirs jouent.\n", 1), "Les noirs jouent.");
  // No French and not the language asked: nothing.
  EXPECT_EQ(texte("[en]\nBlack to play.\n", 3), "");
}

TEST(Commentaires, Latin1TextIsReadAndBinaryBytesAreNoText) {
  const std::string latin1 = "Les noirs gagnent \xE0 coup s\xFBr.";
  EXPECT_EQ(texte(latin1, 0), "Les noirs gagnent à coup sûr.");
  EXPECT_EQ(texte("\xEF\xBB\xBF[en]\nKing\n", 1), "King");  // a byte-order mark is passed over
  EXPECT_EQ(texte(std::string("[fr]\nUn\0deux\n", 12), 0), "");
  std::mt19937 alea(7);
  std::string bruit(500, ' ');
  for (char& c : bruit) c = static_cast<char>(alea());
  EXPECT_EQ(texte(bruit, 0), "");
  EXPECT_EQ(texte_commentaire(nullptr, 0, 0), "");
}

TEST_F(Exercices, AMissingUnreadableOrOverlongCommentaryFileLeavesNothing) {
  const fs::path exercice = dossier / "x.dam";
  EXPECT_EQ(chemin_commentaire(exercice), dossier / "x.damt");
  EXPECT_EQ(lire_commentaire(exercice, 0), "");
  fs::create_directory(dossier / "x.damt");
  EXPECT_EQ(lire_commentaire(exercice, 0), "");
  fs::remove(dossier / "x.damt");
  ::ecrire(dossier / "x.damt", "[fr]\n" + std::string(TAILLE_MAX_COMMENTAIRE, 'a'));
  EXPECT_EQ(lire_commentaire(exercice, 0), "");
  ::ecrire(dossier / "x.damt", "[fr]\nUn\n[en]\nOne\n");
  EXPECT_EQ(lire_commentaire(exercice, 1), "One");
}

// ---- the proof search --------------------------------------------------------------

// Material minimax without a table, captures played out at the horizon.
int minimax(Camp camp, int profondeur, int ply) {
  prof_courante = static_cast<std::int8_t>(ply);
  const int n = lister_coups(camp);
  if (n == 0) return -(PREUVE_GAGNE - ply);
  if (ply >= PLY_MAX_PREUVE || (profondeur <= 0 && listes_coups[ply][0].nb_prises == 0)) return materiel_preuve(camp);
  std::vector<Coup> coups(listes_coups[ply], listes_coups[ply] + n);
  int meilleur = -PREUVE_GAGNE - 1;
  for (const Coup& m : coups) {
    const auto garde = plateau();
    const std::uint32_t b = masque_blancs, no = masque_noirs, d = masque_dames;
    jouer_preuve(m);
    meilleur = std::max(meilleur, -minimax(adversaire(camp), profondeur - 1, ply + 1));
    std::memcpy(damier, garde.data(), 33);
    masque_blancs = b;
    masque_noirs = no;
    masque_dames = d;
  }
  return meilleur;
}

TEST_F(Exercices, TheProofSearchAgreesWithAPlainMinimaxWhateverItsTableHolds) {
  std::mt19937 alea(11);
  int positions = 0;
  for (int partie = 0; partie < 12; ++partie) {
    position_initiale();
    recalculer_masques();
    Camp camp = BLANCS;
    for (int ply = 0; ply < 70; ++ply) {
      const std::vector<Coup> coups = coups_distincts(camp);
      if (coups.empty()) break;
      if (ply % 7 == 3) {
        ++positions;
        const int profondeur = 3 + static_cast<int>(alea() % 3);
        const int v = minimax(camp, profondeur, 1);
        SCOPED_TRACE(ecrire_fen(position_courante()) + " depth " + std::to_string(profondeur));
        // Windows in a random order, the table kept between them: each
        // answer is the value inside the window, a bound beyond it.
        vider_table_preuve();
        for (int k = 0; k < 6; ++k) {
          const int a = v + static_cast<int>(alea() % 7) - 3, b = a + 1 + static_cast<int>(alea() % 3);
          const int r = chercher_preuve(camp, profondeur, a, b);
          if (v <= a) {
            EXPECT_TRUE(v <= r && r <= a) << r << " in " << a << ".." << b << " for " << v;
          } else if (v >= b) {
            EXPECT_TRUE(b <= r && r <= v) << r << " in " << a << ".." << b << " for " << v;
          } else {
            EXPECT_EQ(r, v) << a << ".." << b;
          }
        }
        EXPECT_EQ(chercher_preuve(camp, profondeur, -PREUVE_GAGNE - 1, PREUVE_GAGNE + 1), v);
      }
      jouer_preuve(coups[alea() % coups.size()]);
      camp = adversaire(camp);
    }
  }
  EXPECT_GT(positions, 80);
}

}  // namespace
