// corvane-cli match: whole games of the computer against itself, each side
// with its own level or depth and parameter file, with a results table.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli.h"
#include "game/clocks.h"
#include "game/game.h"
#include "game/end.h"
#include "game/hooks.h"
#include "game/turn.h"
#include "knowledge/books.h"
#include "moteur.h"
#include "rules/moves.h"
#include "rules/notation.h"
#include "search/root.h"
#include "search/table.h"

namespace {


struct Camps {
  Reglage reglage[2];  // the two players, A and B
  std::string nom[2];
};

struct Resultat {
  int points_blancs;  // 2 win, 1 draw, 0 loss (for camp 0)
  const char* raison;
  int plies;
  std::string coups;
};

std::string texte_reglage(const Reglage& r) {
  std::string t = r.niveau >= 0 ? "level " + std::to_string(r.niveau) : "depth " + std::to_string(r.profondeur);
  if (!r.parametres.empty()) t += ", " + r.parametres;
  return t;
}

// The game's moves as the move list shows them, one line per move pair.
std::string liste_des_coups() {
  std::string texte;
  for (int h = 1; h <= nb_demi_coups; ++h) {
    if (h % 2 == 1 && h < nb_demi_coups) continue;  // the pair is written at its second half
    const DemiCoup joue{partie[h].depart, partie[h].arrivee, partie[h].nb_prises != 0};
    const DemiCoup avant{partie[h - 1].depart, partie[h - 1].arrivee, partie[h - 1].nb_prises != 0};
    const LigneListe l = ligne_liste_coups(h, h, joue, avant);
    if (!texte.empty()) texte += ' ';
    texte += l.texte;
  }
  return texte;
}

int total_pieces() { return nb_pieces_blanches() + nb_pieces_noires(); }

// Plays one game; `joueur_blancs` is the player (0: A, 1: B) of camp 0.
// False when a move was not legal (reported).
bool jouer_partie(const Camps& c, int joueur_blancs, const std::vector<CoupBibliotheque>& ouverture, Resultat& r) {
  position_initiale();
  nouvelle_partie();
  vider_tables();
  std::int32_t pieces[TAILLE_PARTIE + 1] = {};
  pieces[0] = total_pieces();
  for (const CoupBibliotheque& o : ouverture) {  // a line checked when the file was read
    jouer_et_enregistrer(indice_coup_livre(o));
    pieces[nb_demi_coups] = total_pieces();
  }
  for (;;) {
    const Camp camp = trait;
    if (coups_legaux(camp) == 0) {
      r.points_blancs = camp == BLANCS ? 0 : 2;
      r.raison = "no move";
      break;
    }
    if (nb_demi_coups >= DERNIER_DEMI_COUP) {
      r.points_blancs = 1;
      r.raison = "ply 254";
      break;
    }
    const Reglage& reglage = c.reglage[camp == BLANCS ? joueur_blancs : 1 - joueur_blancs];
    if (!appliquer_reglage(reglage)) {
      std::fprintf(stderr, "corvane-cli match: cannot read %s\n", reglage.parametres.c_str());
      return false;
    }
    std::int32_t& h = horloge(camp);
    const std::int32_t avant = h;
    const std::int32_t debut = heure_en_secondes();
    // The computer's turn as the window plays it: the forced move, and the
    // lowest level's handicap.
    const ChoixOrdinateur choix = choix_ordinateur(camp, reglage.niveau == 0);
    h = avant + (heure_en_secondes() - debut);
    const int pieces_racine = somme_nb_pieces();
    const Coup m = listes_coups[1][choix.coup < MAX_COUPS ? choix.coup : 0];
    // The move must be one of the legal moves of the game position.
    const int n = coups_legaux(camp);
    int k = 0;
    while (k < n && !meme_coup(listes_coups[1][k], m)) ++k;
    if (choix.coup >= CHOIX_AUCUN || k == n) {
      std::fprintf(stderr, "corvane-cli match: illegal move %s at ply %d\n", notation_coup(m).c_str(),
                   nb_demi_coups + 1);
      return false;
    }
    jouer_et_enregistrer(k);
    pieces[nb_demi_coups] = pieces_racine;
    // The rule that ends long games between two computers.
    if (nul_entre_ordinateurs(pieces, nb_demi_coups, score_racine)) {
      r.points_blancs = 1;
      r.raison = "draw rule";
      break;
    }
  }
  r.plies = nb_demi_coups;
  r.coups = liste_des_coups();
  return true;
}

int executer(const std::vector<std::string>& args) {
  Camps c;
  long parties = 10;
  long graine = 1;
  bool echange = false, livres = true, muet = false;
  std::string fichier_ouvertures;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string erreur;
    const std::string& a = args[i];
    const bool valeur = i + 1 < args.size();
    if (lire_reglage(args, i, "--a-", c.reglage[0], erreur) || lire_reglage(args, i, "--b-", c.reglage[1], erreur)) {
      if (!erreur.empty()) return erreur_usage("match", erreur);
    } else if (a == "--games" && valeur && lire_entier(args[i + 1], 1, 100000, parties)) {
      ++i;
    } else if (a == "--seed" && valeur && lire_entier(args[i + 1], 0, 2147483647, graine)) {
      ++i;
    } else if (a == "--openings" && valeur) {
      fichier_ouvertures = args[++i];
    } else if (a == "--swap") {
      echange = true;
    } else if (a == "--no-book") {
      livres = false;
    } else if (a == "--quiet") {
      muet = true;
    } else {
      return erreur_usage("match", "bad option " + a + " (see --help)");
    }
  }
  demarrer_moteur();
  for (const Reglage& r : c.reglage)
    if (!appliquer_reglage(r)) return erreur_usage("match", "cannot read parameter file " + r.parametres);
  bibliotheque_active = livres ? 1 : 0;
  std::vector<std::vector<CoupBibliotheque>> ouvertures;
  if (!fichier_ouvertures.empty()) {
    std::vector<std::string> lignes;
    if (!charger_ouvertures(fichier_ouvertures, lignes))
      return erreur_usage("match", "cannot read " + fichier_ouvertures);
    // A blank line is no opening; any other must be a legal game that fits the record.
    for (const std::string& l : lignes) {
      if (ligne_blanche(l)) continue;
      const std::vector<CoupBibliotheque> o = lire_ligne_ouverture(l, DERNIER_DEMI_COUP + 1);
      const int j = demi_coup_illegal(o);
      if (j != 0)
        return erreur_usage("match", fichier_ouvertures + ": \"" + l + "\": half-move " + std::to_string(j) +
                                         " is not legal");
      if (o.size() > static_cast<std::size_t>(DERNIER_DEMI_COUP))
        return erreur_usage("match", fichier_ouvertures + ": \"" + l + "\" is longer than a game");
      ouvertures.push_back(o);
    }
    if (ouvertures.empty()) return erreur_usage("match", fichier_ouvertures + " holds no line");
    parties = static_cast<long>(ouvertures.size());
  }
  c.nom[0] = "A (" + texte_reglage(c.reglage[0]) + ")";
  c.nom[1] = "B (" + texte_reglage(c.reglage[1]) + ")";

  int points[2] = {0, 0}, gains[2] = {0, 0}, nuls = 0, jouees = 0;
  long plies = 0;
  const auto debut = std::chrono::steady_clock::now();
  std::printf("%5s  %-8s %-8s %-7s %5s  %s\n", "game", "camp 0", "camp 1", "result", "plies", "end");
  const int tours = echange ? 2 : 1;
  for (long p = 0; p < parties; ++p) {
    for (int t = 0; t < tours; ++t) {
      std::srand(static_cast<unsigned>(graine + p * 2 + t));
      const int joueur_blancs = t;  // A has camp 0 first, then B
      Resultat r;
      const std::vector<CoupBibliotheque> vide;
      if (!jouer_partie(c, joueur_blancs, ouvertures.empty() ? vide : ouvertures[static_cast<std::size_t>(p)], r))
        return SORTIE_ERREUR;
      ++jouees;
      plies += r.plies;
      const int a_points = joueur_blancs == 0 ? r.points_blancs : 2 - r.points_blancs;
      points[0] += a_points;
      points[1] += 2 - a_points;
      if (a_points == 2) ++gains[0];
      if (a_points == 0) ++gains[1];
      if (a_points == 1) ++nuls;
      const char* resultat = r.points_blancs == 2 ? "1-0" : (r.points_blancs == 0 ? "0-1" : "1/2");
      std::printf("%5d  %-8s %-8s %-7s %5d  %s\n", jouees, joueur_blancs == 0 ? "A" : "B",
                  joueur_blancs == 0 ? "B" : "A", resultat, r.plies, r.raison);
      if (!muet) std::printf("       %s\n", r.coups.c_str());
      std::fflush(stdout);
    }
  }
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  std::printf("\n%-40s %5s %5s %5s %7s\n", "player", "wins", "draws", "losses", "score");
  for (int j = 0; j < 2; ++j)
    std::printf("%-40s %5d %5d %5d %6.1f%%\n", c.nom[j].c_str(), gains[j], nuls, gains[1 - j],
                jouees > 0 ? 50.0 * points[j] / jouees : 0.0);
  std::printf("%d games, %ld plies, %.1f s, no illegal move\n", jouees, plies, s);
  return SORTIE_OK;
}

const Enregistrement enregistrement(
    {"match", "the computer against itself: whole games and a results table",
     "usage: corvane-cli match [--games N] [--openings FILE] [--swap] [--no-book] [--seed S] [--quiet]\n"
     "                         [--a-level L | --a-depth D] [--a-params FILE]\n"
     "                         [--b-level L | --b-depth D] [--b-params FILE]\n"
     "Plays N games (default 10) between players A and B, A moving first (camp 0); --swap plays\n"
     "each game twice with the colours exchanged. From the start position, with the opening\n"
     "books (unless --no-book; a book move is drawn at random, seeded by S and the game\n"
     "number), or, with --openings, one game from the end of each line of that book file (a\n"
     "line that is not a legal game is refused, naming it; blank lines are passed over).\n"
     "Each player searches at a level of the menu (0..8) or to a fixed depth (default depth 10),\n"
     "with its own parameter file (default Parametres/defaut.par, or all zero without it).\n"
     "A game ends when the side to move has no legal move (it loses), by the rule between two\n"
     "computers (beyond ply 250, the same piece total as 60 plies earlier and a score within\n"
     "+-19999: drawn), or at ply 254 (drawn). Every move is checked against the legal moves.\n"
     "Prints each game's result and moves (not with --quiet), then the table of results.\n",
     executer});

}  // namespace
