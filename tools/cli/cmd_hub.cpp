// corvane-cli hub: the engine for other draughts programs, over the Hub
// protocol (version 2): text lines on standard input and output.
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "game/game.h"
#include "game/hooks.h"
#include "game/levels.h"
#include "knowledge/books.h"
#include "moteur.h"
#include "rules/fen.h"
#include "rules/moves.h"
#include "search/root.h"
#include "search/search.h"
#include "search/table.h"

namespace {

constexpr const char* NOM_REGLES = "pool";  // the one value of the variant parameter
constexpr double TEMPS_PAR_DEFAUT = 1.0;    // seconds a move, when no level was given
constexpr int COUPS_RESTANTS = 30;          // moves a clock is shared over when the GUI gives no count
constexpr double PART_INCREMENT = 0.8;      // of the increment spent on each move
constexpr double MARGE_PENDULE = 0.1;       // seconds kept on the clock for the answer to travel

// ---- lines in ---------------------------------------------------------------

// Standard input read without blocking the search: whole lines as they come.
class Entree {
 public:
  // The next whole line, waiting `attente_ms` at most (-1: as long as it takes);
  // nullopt when none came, `fermee` once the input has ended.
  std::optional<std::string> ligne(int attente_ms) {
    for (;;) {
      if (auto l = extraire()) return l;
      if (fermee) return std::nullopt;
      pollfd p{STDIN_FILENO, POLLIN, 0};
      const int r = poll(&p, 1, attente_ms);
      if (r < 0 && errno == EINTR) continue;
      if (r <= 0) return std::nullopt;
      char tampon[4096];
      const ssize_t n = read(STDIN_FILENO, tampon, sizeof tampon);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        fermee = true;
        if (!reste_.empty()) reste_ += '\n';  // a last line without its end
        continue;
      }
      reste_.append(tampon, static_cast<std::size_t>(n));
      attente_ms = 0;
    }
  }
  bool fermee = false;

 private:
  std::string reste_;

  std::optional<std::string> extraire() {
    const std::size_t fin = reste_.find('\n');
    if (fin == std::string::npos) return std::nullopt;
    std::string l = reste_.substr(0, fin);
    reste_.erase(0, fin + 1);
    if (!l.empty() && l.back() == '\r') l.pop_back();
    return l;
  }
};

Entree entree;

// A command line: its name and its arguments, "name=value" or a flag.
struct LigneHub {
  std::string nom;
  std::vector<std::pair<std::string, std::string>> arguments;
  std::string erreur;  // what could not be read
  const std::string* valeur(const std::string& cle) const {
    for (const auto& [c, v] : arguments)
      if (c == cle) return &v;
    return nullptr;
  }
  bool drapeau(const std::string& cle) const { return valeur(cle) != nullptr; }
};

LigneHub lire_commande(const std::string& ligne) {
  LigneHub c;
  std::size_t i = 0;
  const auto blanc = [&] { return i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t'); };
  const auto mot = [&] {
    const std::size_t debut = i;
    while (i < ligne.size() && ligne[i] != ' ' && ligne[i] != '\t' && ligne[i] != '=') ++i;
    return ligne.substr(debut, i - debut);
  };
  while (blanc()) ++i;
  c.nom = mot();
  for (;;) {
    while (blanc()) ++i;
    if (i >= ligne.size()) break;
    std::string cle = mot(), v;
    if (i < ligne.size() && ligne[i] == '=') {
      ++i;
      if (i < ligne.size() && ligne[i] == '"') {
        const std::size_t fin = ligne.find('"', i + 1);
        if (fin == std::string::npos) {
          c.erreur = "unterminated quote after " + cle + "=";
          return c;
        }
        v = ligne.substr(i + 1, fin - i - 1);
        i = fin + 1;
      } else {
        const std::size_t debut = i;
        while (i < ligne.size() && ligne[i] != ' ' && ligne[i] != '\t') ++i;
        v = ligne.substr(debut, i - debut);
      }
    } else if (cle.empty()) {
      ++i;  // a stray '='
      continue;
    }
    c.arguments.emplace_back(std::move(cle), std::move(v));
  }
  return c;
}

// ---- lines out --------------------------------------------------------------

void ecrire(const std::string& ligne) {
  std::fputs((ligne + "\n").c_str(), stdout);
  std::fflush(stdout);
}

// A value as the protocol writes it: in quotes when it holds a blank or '=', or nothing.
std::string valeur(const std::string& v) {
  return v.empty() || v.find_first_of(" \t=") != std::string::npos ? "\"" + v + "\"" : v;
}

void erreur(const std::string& message) {
  std::string m = message;
  for (char& ch : m)
    if (ch == '"') ch = '\'';
  ecrire("error message=\"" + m + "\"");
}

// ---- positions and moves -------------------------------------------------------

// Squares in our PDN numbers: number n is square 33 - n.
std::string numero(Case k) { return std::to_string(NB_CASES + 1 - k); }

// "11-15", or a capture "from x to x captured x ..." in jump order.
std::string texte_coup(const Coup& m) {
  std::string s = numero(m.depart);
  s += m.nb_prises ? 'x' : '-';
  s += numero(m.arrivee);
  for (int k = 1; k <= m.nb_prises; ++k) {
    s += 'x';
    s += numero(m.prises[k]);
  }
  return s;
}

// The position of the pos command: the side to move, then squares 1..32:
// 'b'/'B' the first mover's man and king, 'w'/'W' the other's, 'e' empty.
// It goes through the FEN reader for the same checks as a set-up.
bool lire_position(const std::string& texte, Position& pos, std::string& raison) {
  if (texte.size() != 1 + NB_CASES || (texte[0] != 'W' && texte[0] != 'B')) {
    raison = "pos= takes W or B and 32 squares";
    return false;
  }
  std::string blancs, noirs;
  for (int n = 1; n <= NB_CASES; ++n) {
    const char c = texte[static_cast<std::size_t>(n)];
    std::string* liste = c == 'b' || c == 'B' ? &noirs : c == 'w' || c == 'W' ? &blancs : nullptr;
    if (liste == nullptr) {
      if (c != 'e') {
        raison = std::string("square ") + std::to_string(n) + " is '" + c + "', not w, b, W, B or e";
        return false;
      }
      continue;
    }
    if (!liste->empty()) *liste += ',';
    if (c == 'B' || c == 'W') *liste += 'K';
    *liste += std::to_string(n);
  }
  std::string fen(1, texte[0]);
  fen.append(":W").append(blancs).append(":B").append(noirs);
  return lire_fen(fen, pos, raison);
}

// The legal move a move text names, in list 1; -1 with the reason.
int trouver_coup(const std::string& texte, std::string& raison) {
  std::vector<Case> cases;
  std::size_t i = 0;
  while (i < texte.size()) {
    long n = 0;
    const std::size_t debut = i;
    while (i < texte.size() && texte[i] >= '0' && texte[i] <= '9' && n < 100) n = n * 10 + (texte[i++] - '0');
    const Case k = n >= 1 && n <= NB_CASES ? static_cast<Case>(NB_CASES + 1 - n) : 0;
    if (i == debut || k == 0 || (i < texte.size() && texte[i] != '-' && texte[i] != 'x') || cases.size() > 14) {
      raison = "\"" + texte + "\" is not a move";
      return -1;
    }
    if (i < texte.size()) ++i;
    cases.push_back(k);
  }
  if (cases.size() < 2) {
    raison = "\"" + texte + "\" is not a move";
    return -1;
  }
  std::uint32_t prises = 0;
  for (std::size_t j = 2; j < cases.size(); ++j) prises |= bit_case(cases[j]);
  const int n = coups_legaux(trait);
  int trouve = -1;
  for (int j = 0; j < n; ++j) {
    const Coup& m = listes_coups[1][j];
    if (m.depart != cases[0] || m.arrivee != cases[1] || (cases.size() > 2 && masque_prises(m) != prises)) continue;
    if (trouve >= 0 && masque_prises(m) != masque_prises(listes_coups[1][trouve])) {
      raison = "\"" + texte + "\" is ambiguous: give the captured squares";
      return -1;
    }
    if (trouve < 0) trouve = j;
  }
  if (trouve < 0) raison = "\"" + texte + "\" is not a legal move";
  return trouve;
}

// ---- the engine's state ---------------------------------------------------------

struct NiveauHub {
  enum class Genre { Defaut, Profondeur, Noeuds, TempsCoup, Pendule, Infini } genre = Genre::Defaut;
  long valeur = 0;      // depth or nodes
  double secondes = 0;  // a move's time, or the clock
  double increment = 0;
  long coups = 0;  // moves to play on the clock, 0: not said
};

struct Etat {
  bool pret = false;  // init done
  bool livre = true;
  Position position{};
  std::vector<std::string> coups;  // played since the position
  NiveauHub niveau;
};
Etat etat;

// The position and the moves played since, into the board and the record.
bool installer(const Position& pos, const std::vector<std::string>& coups, std::string& raison) {
  placer_position(pos);
  nouvelle_partie();
  for (const std::string& c : coups) {
    if (partie_pleine()) {
      raison = "more moves than a game record holds";
      return false;
    }
    const int i = trouver_coup(c, raison);
    if (i < 0) return false;
    jouer_et_enregistrer(i);
  }
  return true;
}

// ---- the search ------------------------------------------------------------------

enum class Mode { Reflexion, Anticipation, Analyse };

// What a search listens to while it runs, and the limits it keeps.
struct Recherche {
  Mode mode = Mode::Reflexion;
  std::chrono::steady_clock::time_point debut, debut_limite;
  double limite_secondes = 0;  // 0: none
  long limite_noeuds = 0;      // 0: none
  bool arret_demande = false;  // stop (or quit, or the end of the input) came
  bool quitter = false;
  std::string derniere_info;

  double secondes() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  }
};

// The time a move may take at this level, in seconds; 0: no limit.
double temps_du_coup(const NiveauHub& n) {
  switch (n.genre) {
    case NiveauHub::Genre::Defaut: return TEMPS_PAR_DEFAUT;
    case NiveauHub::Genre::TempsCoup: return n.secondes;
    case NiveauHub::Genre::Pendule: {
      const double reste = std::max(0.0, n.secondes - MARGE_PENDULE);
      const double part = reste / static_cast<double>(n.coups > 0 ? n.coups : COUPS_RESTANTS) +
                          PART_INCREMENT * n.increment;
      return std::max(0.01, std::min(part, reste / 2));
    }
    default: return 0;
  }
}

// A line that came during the search: only stop, ping and ponder-hit are
// taken (and quit, which ends the program); the rest waits for the
// search's end.
void pendant_recherche(Recherche& r, const std::string& l, std::vector<std::string>& en_attente) {
  const LigneHub c = lire_commande(l);
  if (c.nom == "stop") {
    r.arret_demande = true;
  } else if (c.nom == "quit") {
    r.arret_demande = r.quitter = true;
  } else if (c.nom == "ping") {
    ecrire("pong");
  } else if (c.nom == "ponder-hit") {
    if (r.mode == Mode::Anticipation) {
      r.mode = Mode::Reflexion;
      r.debut_limite = std::chrono::steady_clock::now();
      r.limite_secondes = temps_du_coup(etat.niveau);
    }
  } else if (!c.nom.empty()) {
    en_attente.push_back(l);
  }
}

// The lines waiting on the input, `attente_ms` for the first (-1: as long
// as it takes); the lines after a stop stay for the main loop.
void ecouter(Recherche& r, std::vector<std::string>& en_attente, int attente_ms) {
  while (!r.arret_demande) {
    const std::optional<std::string> l = entree.ligne(attente_ms);
    if (!l) {
      // The input has ended: the search stops, the lines that came before are still carried out.
      if (entree.fermee) r.arret_demande = true;
      return;
    }
    pendant_recherche(r, *l, en_attente);
    attente_ms = 0;
  }
}

std::string texte_reel(double v, int decimales) {
  char t[32];
  std::snprintf(t, sizeof t, "%.*f", decimales, v);
  return t;
}

std::string texte_variante(const Coup* v, int n) {
  std::string s;
  for (int k = 0; k < n; ++k) {
    if (k) s += ' ';
    s += texte_coup(v[k]);
  }
  return s;
}

std::string ligne_info(int profondeur, double score_en_pions, std::uint32_t noeuds, double secondes,
                       const std::string& variante) {
  std::string s = "info depth=" + std::to_string(profondeur) + " score=" + texte_reel(score_en_pions, 2) +
                  " nodes=" + std::to_string(noeuds) + " time=" + texte_reel(secondes, 3) + " nps=" +
                  std::to_string(secondes > 0 ? static_cast<long long>(noeuds / secondes) : 0);
  if (!variante.empty()) s += " pv=" + valeur(variante);
  return s;
}

// What the hub answers from the root's answer: the move and the move it
// expects in reply, and the closing info line. The one place that reads
// the root's answer.
struct Reponse {
  std::string coup, attendu, info;
};
Reponse repondre(const ResultatRecherche& r, double secondes) {
  Reponse rep;
  if (!r.joue()) return rep;
  rep.coup = texte_coup(r.coup);
  const bool variante_du_coup = !r.variante.empty() && meme_coup(r.variante.front(), r.coup);
  if (variante_du_coup && r.variante.size() > 1) rep.attendu = texte_coup(r.variante[1]);
  const std::string pv = variante_du_coup ? texte_variante(r.variante.data(), static_cast<int>(r.variante.size()))
                                          : rep.coup;
  // The root's score is in 1/200 of a man.
  rep.info = ligne_info(r.profondeur, r.score / 200.0, r.noeuds, secondes, pv);
  return rep;
}

// go think | ponder | analyze: the search, its info lines, then done.
// Returns false when the program is to end.
bool chercher(Mode mode, std::vector<std::string>& en_attente) {
  std::string raison;
  if (!installer(etat.position, etat.coups, raison)) {
    erreur(raison);
    ecrire("done");
    return true;
  }
  Recherche r;
  r.mode = mode;
  r.debut = r.debut_limite = std::chrono::steady_clock::now();
  jouer_sans_limite();
  profondeur_imposee = 0;
  if (mode == Mode::Reflexion) {
    r.limite_secondes = temps_du_coup(etat.niveau);
    if (etat.niveau.genre == NiveauHub::Genre::Profondeur) profondeur_imposee = static_cast<int>(etat.niveau.valeur);
    if (etat.niveau.genre == NiveauHub::Genre::Noeuds) r.limite_noeuds = etat.niveau.valeur;
  }
  bibliotheque_active = etat.livre && mode == Mode::Reflexion ? 1 : 0;
  arret_calcul = 0;
  calcul_annule = 0;

  // The search calls the pump every 5001 nodes: the GUI's lines and the limits.
  crochet_pompe_messages = [&] {
    ecouter(r, en_attente, 0);
    const double depuis = std::chrono::duration<double>(std::chrono::steady_clock::now() - r.debut_limite).count();
    if (r.arret_demande || (r.mode == Mode::Reflexion && r.limite_secondes > 0 && depuis >= r.limite_secondes) ||
        (r.limite_noeuds > 0 && nb_noeuds >= static_cast<std::uint32_t>(r.limite_noeuds)))
      arret_calcul = 1;
  };
  crochet_etat_recherche = [&](const EtatRecherche& e) {
    const std::string pv = texte_variante(e.variante, e.longueur_variante);
    const std::string cle = std::to_string(e.profondeur) + " " + pv;
    if (cle == r.derniere_info) return;
    r.derniere_info = cle;
    ecrire(ligne_info(e.profondeur, e.score / 100.0, e.noeuds, r.secondes(), pv));
  };
  const ResultatRecherche resultat = rechercher_coup(trait);
  crochet_pompe_messages = nullptr;
  crochet_etat_recherche = nullptr;

  // Pondering and analysis answer only once stopped (or, pondering, once
  // the move came).
  while (!r.arret_demande && r.mode != Mode::Reflexion) ecouter(r, en_attente, -1);
  const Reponse rep = repondre(resultat, r.secondes());
  if (!rep.info.empty()) ecrire(rep.info);
  ecrire(rep.coup.empty() ? "done" : "done move=" + rep.coup + (rep.attendu.empty() ? "" : " ponder=" + rep.attendu));
  return !r.quitter;
}

// ---- commands ---------------------------------------------------------------------

bool lire_nombre(const std::string* v, double& x) {
  if (v == nullptr || v->empty()) return false;
  char* fin = nullptr;
  x = std::strtod(v->c_str(), &fin);
  return *fin == '\0' && x >= 0 && x < 1e9;
}

void regler_niveau(const LigneHub& c) {
  NiveauHub n;
  double x = 0;
  if (c.drapeau("infinite")) {
    n.genre = NiveauHub::Genre::Infini;
  } else if (c.drapeau("depth")) {
    if (!lire_nombre(c.valeur("depth"), x) || x < 1 || x > PROF_LIMITE)
      return erreur("level depth= takes 1.." + std::to_string(PROF_LIMITE));
    n = {NiveauHub::Genre::Profondeur, static_cast<long>(x)};
  } else if (c.drapeau("nodes")) {
    if (!lire_nombre(c.valeur("nodes"), x) || x < 1) return erreur("level nodes= takes a count");
    n = {NiveauHub::Genre::Noeuds, static_cast<long>(x)};
  } else if (c.drapeau("move-time")) {
    if (!lire_nombre(c.valeur("move-time"), x)) return erreur("level move-time= takes seconds");
    n.genre = NiveauHub::Genre::TempsCoup;
    n.secondes = x;
  } else if (c.drapeau("time")) {
    if (!lire_nombre(c.valeur("time"), x)) return erreur("level time= takes seconds");
    n.genre = NiveauHub::Genre::Pendule;
    n.secondes = x;
    if (c.drapeau("inc") && !lire_nombre(c.valeur("inc"), n.increment)) return erreur("level inc= takes seconds");
    if (c.drapeau("moves")) {
      if (!lire_nombre(c.valeur("moves"), x)) return erreur("level moves= takes a count");
      n.coups = static_cast<long>(x);
    }
  } else {
    return erreur("level takes depth=, nodes=, move-time=, time= [inc=] [moves=] or infinite");
  }
  etat.niveau = n;
}

void position(const LigneHub& c) {
  const std::string* p = c.valeur("pos");
  if (p == nullptr) return erreur("pos takes pos=<side><32 squares>");
  Position pos;
  std::string raison;
  if (!lire_position(*p, pos, raison)) return erreur("bad position: " + raison);
  std::vector<std::string> coups;
  if (const std::string* m = c.valeur("moves")) {
    std::size_t i = 0;
    while (i < m->size()) {
      const std::size_t fin = std::min(m->find(' ', i), m->size());
      if (fin > i) coups.push_back(m->substr(i, fin - i));
      i = fin + 1;
    }
  }
  // Checked now, so that the error answers this line.
  if (!installer(pos, coups, raison)) return erreur(raison);
  etat.position = pos;
  etat.coups = std::move(coups);
}

void parametre(const LigneHub& c) {
  const std::string* nom = c.valeur("name");
  const std::string* v = c.valeur("value");
  if (nom == nullptr || v == nullptr) return erreur("set-param takes name= and value=");
  if (*nom == "variant") {
    if (*v != NOM_REGLES) erreur("variant \"" + *v + "\" is not played here: only " + NOM_REGLES);
  } else if (*nom == "book") {
    if (*v != "true" && *v != "false") return erreur("book takes true or false");
    etat.livre = *v == "true";
  }
}

void presenter() {
  ecrire("id name=Corvane version=" CORVANE_VERSION " author=\"Corvane 3D\"");
  ecrire(std::string("param name=variant value=") + NOM_REGLES + " type=enum values=\"" + NOM_REGLES + "\"");
  ecrire(std::string("param name=book value=") + (etat.livre ? "true" : "false") + " type=bool");
  ecrire("wait");
}

int executer(const std::vector<std::string>& args) {
  if (!args.empty()) return erreur_usage("hub", "takes no arguments");
  std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
  std::string raison;
  std::string depart(1, 'B');
  depart.append(12, 'b').append(8, 'e').append(12, 'w');
  lire_position(depart, etat.position, raison);
  std::vector<std::string> en_attente;  // lines that came during a search
  for (;;) {
    std::optional<std::string> l;
    if (!en_attente.empty()) {
      l = en_attente.front();
      en_attente.erase(en_attente.begin());
    } else {
      l = entree.ligne(-1);
    }
    if (!l) {
      if (entree.fermee) return SORTIE_OK;
      continue;
    }
    const LigneHub c = lire_commande(*l);
    if (!c.erreur.empty()) {
      erreur(c.erreur);
    } else if (c.nom == "hub") {
      presenter();
    } else if (c.nom == "set-param") {
      parametre(c);
    } else if (c.nom == "init") {
      if (!etat.pret) demarrer_moteur();
      etat.pret = true;
      ecrire("ready");
    } else if (c.nom == "new-game") {
      if (etat.pret) vider_tables();
      score_racine = 0;
    } else if (c.nom == "pos") {
      position(c);
    } else if (c.nom == "level") {
      regler_niveau(c);
    } else if (c.nom == "go") {
      if (!etat.pret) {
        erreur("go before init");
        continue;
      }
      const Mode mode = c.drapeau("analyze") ? Mode::Analyse : c.drapeau("ponder") ? Mode::Anticipation : Mode::Reflexion;
      if (!chercher(mode, en_attente)) return SORTIE_OK;
    } else if (c.nom == "ping") {
      ecrire("pong");
    } else if (c.nom == "quit") {
      return SORTIE_OK;
    }
    // Anything else (stop or ponder-hit with no search, commands of later
    // versions) is passed over, as the protocol wants.
  }
}

const Enregistrement enregistrement(
    {"hub", "the engine for other draughts programs (Hub protocol)",
     "usage: corvane-cli hub\n"
     "Speaks the Hub protocol, version 2, on standard input and output, for the draughts\n"
     "programs that drive engines with it. Positions are 'pos pos=<W|B><32 squares>' in our\n"
     "PDN numbering (b/B the first mover's man/king, w/W the other's, e empty) with\n"
     "'moves=\"...\"' played since; moves are written 11-15, captures 15x24x19 (origin,\n"
     "destination, then the captured squares). Levels: depth=N, nodes=N, move-time=S,\n"
     "time=S [inc=S] [moves=N], infinite (default: 1 s a move). 'go think' answers with\n"
     "info lines and 'done move=...'; 'go analyze' and 'go ponder' search until 'stop'.\n"
     "Parameters: variant (pool), book (true/false). The program ends on 'quit' or when\n"
     "its input closes.\n",
     executer});

}  // namespace
