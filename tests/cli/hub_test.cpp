// corvane-cli hub driven as a draughts GUI drives an engine: a whole game
// against a random mover, stop during an analysis, and the protocol's
// errors. The engine library keeps the board on this side.

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "rules/board.h"
#include "rules/fen.h"
#include "rules/moves.h"
#include "support/etat.h"

namespace {

using Horloge = std::chrono::steady_clock;

// The engine as a child process, spoken to line by line.
class MoteurHub {
 public:
  MoteurHub() {
    int vers[2], depuis[2];
    if (pipe(vers) != 0 || pipe(depuis) != 0) throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ == 0) {
      dup2(vers[0], STDIN_FILENO);
      dup2(depuis[1], STDOUT_FILENO);
      close(vers[1]);
      close(depuis[0]);
      const std::string cli = std::string(CORVANE_BIN_DIR) + "/corvane-cli";
      execl(cli.c_str(), cli.c_str(), "hub", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(vers[0]);
    close(depuis[1]);
    entree_ = vers[1];
    sortie_ = depuis[0];
  }
  ~MoteurHub() {
    if (entree_ >= 0) close(entree_);
    if (pid_ > 0 && !fini_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    close(sortie_);
  }

  void envoyer(const std::string& ligne) {
    const std::string l = ligne + "\n";
    ASSERT_EQ(write(entree_, l.data(), l.size()), static_cast<ssize_t>(l.size()));
  }

  // The next line, or "" after `delai_ms` without one (or at the end).
  std::string ligne(int delai_ms = 20000) {
    const auto limite = Horloge::now() + std::chrono::milliseconds(delai_ms);
    for (;;) {
      const std::size_t fin = tampon_.find('\n');
      if (fin != std::string::npos) {
        std::string l = tampon_.substr(0, fin);
        tampon_.erase(0, fin + 1);
        return l;
      }
      const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(limite - Horloge::now()).count();
      pollfd p{sortie_, POLLIN, 0};
      if (reste <= 0 || poll(&p, 1, static_cast<int>(reste)) <= 0) return "";
      char t[4096];
      const ssize_t n = read(sortie_, t, sizeof t);
      if (n <= 0) return "";
      tampon_.append(t, static_cast<std::size_t>(n));
    }
  }

  // Lines up to the first that begins with `debut`, which is last.
  std::vector<std::string> jusqu_a(const std::string& debut, int delai_ms = 20000) {
    std::vector<std::string> lignes;
    for (;;) {
      lignes.push_back(ligne(delai_ms));
      if (lignes.back().empty() || lignes.back().rfind(debut, 0) == 0) return lignes;
    }
  }

  // Closes the engine's input; its exit status, -1 if it does not end in time.
  int fermer() {
    close(entree_);
    entree_ = -1;
    for (int i = 0; i < 500; ++i) {
      int statut = 0;
      if (waitpid(pid_, &statut, WNOHANG) == pid_) {
        fini_ = true;
        return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
      }
      usleep(10000);
    }
    return -1;
  }

  void demarrer() {
    envoyer("hub");
    const std::vector<std::string> presentation = jusqu_a("wait");
    ASSERT_EQ(presentation.back(), "wait");
    EXPECT_EQ(presentation.front().rfind("id name=Corvane ", 0), 0u) << presentation.front();
    EXPECT_NE(std::find(presentation.begin(), presentation.end(),
                        "param name=variant value=pool type=enum values=\"pool\""),
              presentation.end());
    envoyer("set-param name=variant value=pool");
    envoyer("init");
    ASSERT_EQ(ligne(), "ready");
  }

 private:
  pid_t pid_ = -1;
  int entree_ = -1, sortie_ = -1;
  bool fini_ = false;
  std::string tampon_;
};

// A position as the pos command writes it: side, then squares 1..32 of our numbering.
std::string texte_position() {
  std::string s(1, trait == BLANCS ? 'B' : 'W');
  for (int n = 1; n <= NB_CASES; ++n) {
    const Piece p = damier[NB_CASES + 1 - n];
    s += p == PION_BLANC ? 'b' : p == DAME_BLANCHE ? 'B' : p == PION_NOIR ? 'w' : p == DAME_NOIRE ? 'W' : 'e';
  }
  return s;
}

std::string numero(Case k) { return std::to_string(NB_CASES + 1 - k); }

// The legal move (in list 1) a move of the protocol names: origin,
// destination, and the captured squares in any order; -1 when none or more
// than one.
int coup_du_texte(const std::string& texte) {
  std::vector<int> n;
  for (std::size_t i = 0; i < texte.size();) {
    std::size_t fin = texte.find_first_of("-x", i);
    if (fin == std::string::npos) fin = texte.size();
    n.push_back(std::stoi(texte.substr(i, fin - i)));
    i = fin + 1;
  }
  if (n.size() < 2) return -1;
  std::uint32_t prises = 0;
  for (std::size_t j = 2; j < n.size(); ++j) prises |= bit_case(static_cast<Case>(NB_CASES + 1 - n[j]));
  const int total = coups_legaux(trait);
  int trouve = -1;
  for (int i = 0; i < total; ++i) {
    const Coup& m = listes_coups[1][i];
    if (numero(m.depart) != std::to_string(n[0]) || numero(m.arrivee) != std::to_string(n[1]) ||
        masque_prises(m) != prises)
      continue;
    if (trouve >= 0 && !(meme_coup(m, listes_coups[1][trouve]))) return -1;
    trouve = i;
  }
  return trouve;
}

// A move as a GUI may write it: captured squares in an order of its own.
std::string ecrire_coup(const Coup& m, std::mt19937& hasard) {
  std::string s = numero(m.depart) + (m.nb_prises ? "x" : "-") + numero(m.arrivee);
  std::vector<Case> prises(m.prises + 1, m.prises + 1 + m.nb_prises);
  std::shuffle(prises.begin(), prises.end(), hasard);
  for (const Case k : prises) s.append("x").append(numero(k));
  return s;
}

using Hub = Moteur;

}  // namespace

TEST_F(Hub, PlaysAWholeGameAgainstARandomMover) {
  MoteurHub moteur;
  moteur.demarrer();
  moteur.envoyer("new-game");
  moteur.envoyer("level depth=5");
  std::mt19937 hasard(2027);
  position_initiale();
  const std::string depart = texte_position();
  std::string joues;
  int coups_moteur = 0, infos = 0;
  for (int h = 0; h < 160; ++h) {
    const int n = coups_legaux(trait);
    if (n == 0) break;
    Coup m;
    if (trait == BLANCS) {
      // The engine plays the side that moves first, told the whole game each time.
      moteur.envoyer("pos pos=" + depart + (joues.empty() ? "" : " moves=\"" + joues + "\""));
      moteur.envoyer("go think");
      const std::vector<std::string> lignes = moteur.jusqu_a("done");
      const std::string& fin = lignes.back();
      ASSERT_EQ(fin.rfind("done move=", 0), 0u) << "ply " << h << ": " << fin;
      for (const std::string& l : lignes) infos += l.rfind("info ", 0) == 0;
      const std::string coup = fin.substr(10, fin.find(' ', 10) - 10);
      const int i = coup_du_texte(coup);
      ASSERT_GE(i, 0) << "ply " << h << ": " << coup << " is not one legal move of " << ecrire_fen(position_courante());
      m = listes_coups[1][i];
      ++coups_moteur;
    } else {
      m = listes_coups[1][hasard() % static_cast<unsigned>(n)];
    }
    if (!joues.empty()) joues += ' ';
    joues += ecrire_coup(m, hasard);
    jouer_coup(m);
  }
  EXPECT_GT(coups_moteur, 10);
  EXPECT_GT(infos, coups_moteur);  // the search reports as it goes
  // A random mover loses to the engine.
  EXPECT_EQ(coups_legaux(trait), 0) << ecrire_fen(position_courante());
  EXPECT_EQ(trait, NOIRS);
  moteur.envoyer("quit");
  EXPECT_EQ(moteur.fermer(), 0);
}

// Stop ends an analysis that would go on for ever with its best move so far.
// How fast it answers is measured by scripts/hub-stop.sh, not here.
TEST_F(Hub, StopEndsAnAnalysisWithItsMove) {
  MoteurHub moteur;
  moteur.demarrer();
  moteur.envoyer("pos pos=Bbbbbbbbbbbbbeeeeeeeewwwwwwwwwwww moves=\"11-15 23-19 8-11\"");
  for (int essai = 0; essai < 3; ++essai) {
    SCOPED_TRACE(essai);
    moteur.envoyer("go analyze");
    ASSERT_EQ(moteur.ligne().rfind("info ", 0), 0u);
    // An analysis goes on until stopped, answering ping as it goes.
    usleep(300000);
    moteur.envoyer("ping");
    std::vector<std::string> lignes = moteur.jusqu_a("pong", 2000);
    ASSERT_EQ(lignes.back(), "pong");
    for (const std::string& l : lignes) ASSERT_EQ(l.rfind("done", 0), std::string::npos) << l;
    usleep(50000);  // deep in the search again, not just out of the pong
    moteur.envoyer("stop");
    lignes = moteur.jusqu_a("done", 2000);
    ASSERT_EQ(lignes.back().rfind("done move=", 0), 0u) << lignes.back();
  }
  // Closing the input ends the engine.
  EXPECT_EQ(moteur.fermer(), 0);
}

TEST_F(Hub, WhatCannotBeReadIsAnsweredWithAnErrorAndTheEngineGoesOn) {
  MoteurHub moteur;
  moteur.envoyer("go think");
  EXPECT_EQ(moteur.ligne(), "error message=\"go before init\"");
  moteur.demarrer();
  const std::pair<const char*, const char*> cas[] = {
      {"pos pos=Bbbb", "error message=\"bad position: pos= takes W or B and 32 squares\""},
      {"pos pos=Bbbbbbbbbbbbbeeeeeeeewwwwwwwwwwwb", "error message=\"bad position: a man of B stands on its crowning row "
                                                  "(square 32)\""},
      {"pos pos=Bbbbbbbbbbbbbeeeeeeeewwwwwwwwwwww moves=\"11-15 11-15\"", "error message=\"'11-15' is not a legal move\""},
      {"level depth=99", "error message=\"level depth= takes 1..30\""},
      {"set-param name=variant value=russian", "error message=\"variant 'russian' is not played here: only pool\""},
      {"pos pos=\"Bbbb", "error message=\"unterminated quote after pos=\""},
  };
  for (const auto& [ligne, reponse] : cas) {
    moteur.envoyer("unknown-command of=a later version");  // passed over
    moteur.envoyer(ligne);
    EXPECT_EQ(moteur.ligne(), reponse) << ligne;
  }
  // The position before the faulty lines is still the one searched: the start.
  moteur.envoyer("level nodes=20000");
  moteur.envoyer("go think");
  const std::string fin = moteur.jusqu_a("done").back();
  position_initiale();
  EXPECT_GE(coup_du_texte(fin.substr(10, fin.find(' ', 10) - 10)), 0) << fin;
  moteur.envoyer("ping");
  EXPECT_EQ(moteur.ligne(), "pong");
  moteur.envoyer("quit");
  EXPECT_EQ(moteur.fermer(), 0);
}
