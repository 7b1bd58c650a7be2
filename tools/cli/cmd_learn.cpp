// corvane-cli learn: a learning session, unattended, with its figures.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "cli.h"
#include "game/catalogue.h"
#include "game/hooks.h"
#include "knowledge/books.h"
#include "knowledge/learning.h"
#include "knowledge/learning_session.h"
#include "moteur.h"
#include "search/root.h"

namespace {

const char* texte_verdict(const PartieSession& p) {
  if (p.apprise) return p.score != 0 ? "learnt" : "learnt as 0 (nothing to use)";
  switch (p.verdict) {
    case Apprentissage::PartieCourte: return "too short";
    case Apprentissage::Desequilibree: return "a side ahead";
    case Apprentissage::NonAnalysee: return "not analysed";
    case Apprentissage::Possible: break;
  }
  return "slot kept (decided score)";
}

const char* texte_resultat(const PartieSession& p) {
  if (p.coupee) return "cut";
  return p.resultat == 2 ? "1-0" : p.resultat == 0 ? "0-1" : p.resultat == 1 ? "1/2" : "*";
}

int executer(const std::vector<std::string>& args) {
  Reglage reglage;
  long parties = 5, plis = 0, graine = 1;
  bool livres = true;
  std::string lecon;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string erreur;
    const std::string& a = args[i];
    const bool valeur = i + 1 < args.size();
    if (lire_reglage(args, i, "--", reglage, erreur)) {
      if (!erreur.empty()) return erreur_usage("learn", erreur);
    } else if (a == "--games" && valeur && lire_entier(args[i + 1], 1, 100000, parties)) {
      ++i;
    } else if (a == "--plies" && valeur && lire_entier(args[i + 1], 1, 254, plis)) {
      ++i;
    } else if (a == "--seed" && valeur && lire_entier(args[i + 1], 0, 2147483647, graine)) {
      ++i;
    } else if (a == "--out" && valeur) {
      lecon = args[++i];
    } else if (a == "--no-book") {
      livres = false;
    } else {
      return erreur_usage("learn", "bad option " + a + " (see --help)");
    }
  }
  if (lecon.empty()) return erreur_usage("learn", "--out FILE names the lesson to learn into");

  demarrer_moteur();
  if (!appliquer_reglage(reglage)) return erreur_usage("learn", "cannot read parameter file " + reglage.parametres);
  bibliotheque_active = livres ? 1 : 0;
  std::srand(static_cast<unsigned>(graine));
  std::string message;
  crochet_erreur = [&message](const std::string& cle, const std::string&) { message = texte_langue(0, cle); };

  ReglageSession r;
  r.lecon = lecon;
  r.parties = static_cast<int>(parties);
  r.demi_coups_max = static_cast<int>(plis);
  r.apres_partie = [](const PartieSession& p) {
    std::printf("%5d %5d  %-4s %6d  %s\n", p.numero, p.demi_coups, texte_resultat(p), p.score, texte_verdict(p));
    std::fflush(stdout);
  };
  std::printf("%5s %5s  %-4s %6s  %s\n", "game", "plies", "end", "score", "final position");
  const auto debut = std::chrono::steady_clock::now();
  // The session raises the budget to its own; a fixed depth still ends each search.
  const BilanSession b = jouer_session(r);
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  if (!b.demarree) return erreur_usage("learn", lecon + ": " + message);
  int utiles = 0, dans_lecon = 0;
  for (const PartieSession& p : b.parties) utiles += p.apprise && p.score != 0 ? 1 : 0;
  for (std::uint32_t k = 0; k < NB_APPRISES; ++k) dans_lecon += table_apprise[k].score != 0 ? 1 : 0;
  std::printf("%zu games, %d final positions learnt (%d with a score), %d positions with a score in %s, %.1f s\n",
              b.parties.size(), b.apprises, utiles, dans_lecon, lecon.c_str(), s);
  return b.lecon_ecrite ? SORTIE_OK : SORTIE_ERREUR;
}

const Enregistrement enregistrement(
    {"learn", "a learning session: games, analyses and learnt positions",
     "usage: corvane-cli learn --out FILE [--games N] [--plies P] [--level L | --depth D]\n"
     "                         [--params FILE] [--no-book] [--seed S]\n"
     "Runs a learning session as the window's \"Lancer une session\" does: the computer plays\n"
     "N games against itself (default 5) from the start position, with the opening books\n"
     "(unless --no-book; a book move is drawn at random, seeded by S), analyses each and\n"
     "learns its final position when it may be (21 plies or more, material within a man),\n"
     "saving the table of learnt positions to the lesson FILE after each (FILE is loaded\n"
     "first when it is a lesson already, so that the session adds to it).\n"
     "  --plies P   each game is cut after P plies and analysed from there\n"
     "  --depth D   every search D plies deep (default 10); --level L: level L's budget,\n"
     "              raised to the session's 500 s for 30 moves\n"
     "Prints a line per game (plies, result, the final position's score, what was learnt)\n"
     "and the totals. A lesson that cannot be read or written ends with status 2.\n",
     executer});

}  // namespace
