#include "records/pdn.h"

#include <algorithm>
#include <cstring>

#include "game/end.h"
#include "game/game.h"
#include "rules/generation.h"
#include "rules/moves.h"
#include "rules/texte.h"

namespace {

constexpr int TYPE_POOL = 23;
constexpr int TYPE_RUSSE = 25;
constexpr int TYPE_BRESILIEN = 26;
constexpr std::size_t LARGEUR_LIGNE = 79;    // moves are wrapped before this column
constexpr std::size_t LONGUEUR_NOM_COMPLET = 200;  // bytes of a full name kept, cut between characters

bool chiffre(char c) { return c >= '0' && c <= '9'; }
bool lettre_case(char c) { return (c >= 'a' && c <= 'h') || (c >= 'A' && c <= 'H'); }
bool separateur(char c) { return c == '-' || c == 'x' || c == 'X' || c == ':'; }


// ---- reading -------------------------------------------------------------------

// A result word: which colour won ('W', 'B'), 'D' a draw, '*' none, 0 no result.
char resultat_pdn(std::string_view mot) {
  if (mot == "2-0" || mot == "1-0") return 'W';
  if (mot == "0-2" || mot == "0-1") return 'B';
  if (mot == "1-1" || mot == "1/2-1/2") return 'D';
  if (mot == "*" || mot == "0-0") return '*';
  return 0;
}

// A word of the moves as written, and the number it came under.
struct MotLu {
  int numero;
  std::string texte;
};

// A game as the text gives it, before its GameType says how to read it.
struct PartieBrute {
  std::vector<std::pair<std::string, std::string>> etiquettes;  // name, value as written
  std::vector<MotLu> mots;
  char resultat = 0;  // the result word after the moves, 0 when none
};

// The GameType tag: the game and how its squares and sides are named.
struct TypePdn {
  int type = TYPE_POOL;
  Numerotation num = NUMEROTATION_POOL;
  bool notation_donnee = false;  // the tag gives the notation field
  std::string erreur;
};

// "T,C,W,H,Nk,I", every field after T optional.
TypePdn lire_type(std::string_view valeur) {
  TypePdn t;
  std::vector<std::string_view> champs;
  for (;;) {
    const std::size_t virgule = valeur.find(',');
    champs.push_back(rogner_espaces(valeur.substr(0, virgule)));
    if (virgule == std::string_view::npos) break;
    valeur.remove_prefix(virgule + 1);
  }
  const std::string_view jeu = champs[0];
  long type = 0;
  for (std::size_t k = 0; k < jeu.size() && chiffre(jeu[k]) && type < 1000; ++k) type = type * 10 + (jeu[k] - '0');
  if (jeu.empty() || (type != TYPE_POOL && type != TYPE_RUSSE && type != TYPE_BRESILIEN)) {
    t.erreur = "GameType " + std::string(jeu) +
               " is not pool checkers (23) nor one of its 8x8 relatives, Russian (25) or Brazilian (26) draughts";
    return t;
  }
  t.type = static_cast<int>(type);
  // The usual forms: pool checkers numbered from Black's side, the others
  // algebraic with White first.
  if (t.type != TYPE_POOL) t.num = NUMEROTATION_ALGEBRIQUE;
  const auto champ = [&](std::size_t i) { return i < champs.size() ? champs[i] : std::string_view{}; };
  if (const std::string_view c = champ(1); !c.empty()) {
    if (c != "W" && c != "B" && c != "w" && c != "b") {
      t.erreur = "GameType " + std::string(jeu) + ": the first mover is \"" + std::string(c) + "\", not W or B";
      return t;
    }
    t.num.premier = static_cast<char>(std::toupper(static_cast<unsigned char>(c[0])));
  }
  for (std::size_t i : {2u, 3u})
    if (!champ(i).empty() && champ(i) != "8") {
      t.erreur = "GameType " + std::string(jeu) + ": a board of " + std::string(champ(2)) + " by " +
                 std::string(champ(3)) + " squares is not the 8x8 board";
      return t;
    }
  if (const std::string_view n = champ(4); !n.empty()) {
    const char genre = static_cast<char>(std::toupper(static_cast<unsigned char>(n[0])));
    if ((genre != 'A' && genre != 'N') || n.size() > 2 || (n.size() == 2 && (n[1] < '0' || n[1] > '3'))) {
      t.erreur = "GameType " + std::string(jeu) + ": unknown notation \"" + std::string(n) + "\"";
      return t;
    }
    t.num.algebrique = genre == 'A';
    t.num.coin = n.size() == 2 ? n[1] - '0' : t.num.algebrique ? 0 : 1;
    t.notation_donnee = true;
  }
  if (const std::string_view i = champ(5); !i.empty()) {
    if (i != "0" && i != "1") {
      t.erreur = "GameType " + std::string(jeu) + ": the corner field is \"" + std::string(i) + "\", not 0 or 1";
      return t;
    }
    t.num.miroir = i == "1";
  }
  return t;
}

// A square written as a letter and a digit ("c3").
bool commence_par_case_algebrique(std::string_view mot) {
  return mot.size() >= 2 && lettre_case(mot[0]) && mot[1] >= '1' && mot[1] <= '8';
}

// A move word in the game's notation: squares joined by '-', 'x' or ':'
// (every landing square of a capture, or its origin and destination), then
// marks such as "!?". False when the word is no move.
bool lire_coup(std::string_view mot, const Numerotation& num, CoupLu& c) {
  std::vector<Case> cases;
  std::size_t k = 0;
  for (;;) {
    if (num.algebrique) {
      if (!commence_par_case_algebrique(mot.substr(k))) return false;
      cases.push_back(case_de_nom(num, mot.substr(k, 2)));
      k += 2;
    } else {
      if (k >= mot.size() || !chiffre(mot[k])) return false;
      long n = 0;
      while (k < mot.size() && chiffre(mot[k])) n = std::min(n * 10 + (mot[k++] - '0'), 100000L);
      cases.push_back(case_de_numero(num, static_cast<int>(n)));
    }
    if (k < mot.size() && separateur(mot[k]) && k + 1 < mot.size()) {
      ++k;
      continue;
    }
    break;
  }
  if (cases.size() < 2 || mot.substr(k).find_first_not_of("!?+#") != std::string_view::npos) return false;
  c.texte = std::string(mot.substr(0, k));
  c.depart = cases.front();
  c.arrivee = cases.back();
  if (cases.size() > 2) c.escales.assign(cases.begin() + 1, cases.end());
  return true;
}

// A tag value as the record's Latin-1 name and as the full UTF-8 name.
void nommer(const std::string& valeur, bool utf8, std::string& latin1, std::string& complet) {
  if (utf8) {
    complet = valeur;
    // Never cut inside a character.
    if (complet.size() > LONGUEUR_NOM_COMPLET) {
      std::size_t fin = LONGUEUR_NOM_COMPLET;
      while (fin > 0 && (static_cast<unsigned char>(complet[fin]) & 0xC0) == 0x80) --fin;
      complet.resize(fin);
    }
    latin1 = nom_en_latin1(complet, LONGUEUR_NOM - 1);
  } else {
    latin1 = valeur.substr(0, LONGUEUR_NOM - 1);
    complet = latin1_en_utf8(valeur.substr(0, LONGUEUR_NOM_COMPLET));
  }
}

// The game a raw game is, read after its GameType (or, without one, its
// moves and FEN: a square written "c3" makes it algebraic, White first).
PartieLue resoudre(const PartieBrute& b, bool utf8) {
  PartieLue p;
  TypePdn t;
  bool type_lu = false;
  for (const auto& [nom, valeur] : b.etiquettes)
    if (nom == "GameType" && !type_lu) {
      t = lire_type(valeur);
      type_lu = true;
    }
  if (!t.notation_donnee) {
    // The FEN, else the first word that is a move in one notation or the other.
    bool algebrique = false, vu = false;
    for (const auto& [nom, valeur] : b.etiquettes)
      if (nom == "FEN" && !vu) {
        algebrique = fen_algebrique(valeur);
        vu = true;
      }
    CoupLu essai;
    for (std::size_t i = 0; i < b.mots.size() && !vu; ++i) {
      algebrique = lire_coup(b.mots[i].texte, NUMEROTATION_ALGEBRIQUE, essai);
      vu = algebrique || lire_coup(b.mots[i].texte, NUMEROTATION_POOL, essai);
    }
    if (algebrique != t.num.algebrique) {
      const char premier = type_lu ? t.num.premier : algebrique ? 'W' : 'B';
      t.num = algebrique ? NUMEROTATION_ALGEBRIQUE : NUMEROTATION_POOL;
      t.num.premier = premier;
    }
  }
  p.type_jeu = t.type;
  p.erreur = t.erreur;
  const Numerotation& num = t.num;
  char resultat = 0;
  for (const auto& [nom, valeur] : b.etiquettes) {
    if (nom == "White" || nom == "Black") {
      const bool camp0 = camp_de_lettre(num, nom[0]) == BLANCS;
      nommer(valeur, utf8, camp0 ? p.nom_blanc : p.nom_noir, camp0 ? p.nom_blanc_complet : p.nom_noir_complet);
    } else if (nom == "Result") {
      if (const char r = resultat_pdn(valeur); r != 0) resultat = r;
    } else if (nom == "FEN" && t.erreur.empty()) {
      std::string erreur;
      if (lire_fen(valeur, num, p.depart, erreur)) {
        p.position_posee = true;
      } else if (p.erreur.empty()) {
        p.erreur = "FEN \"" + valeur + "\": " + erreur;
      }
    }
  }
  if (b.resultat != 0) resultat = b.resultat;
  const int gagnant = resultat == 'W' || resultat == 'B' ? camp_de_lettre(num, resultat) : -1;
  p.resultat = gagnant == BLANCS ? BLANCS_GAGNENT
               : gagnant == NOIRS ? NOIRS_GAGNENT
               : resultat == 'D'  ? PARTIE_NULLE
                                  : SANS_RESULTAT;
  for (const MotLu& m : b.mots) {
    CoupLu c;
    c.numero = m.numero;
    if (!lire_coup(m.texte, num, c)) {
      c.illisible = true;
      c.texte = m.texte;
    }
    p.coups.push_back(std::move(c));
  }
  return p;
}

class Lecteur {
 public:
  Lecteur(std::string_view t, bool utf8) : t_(t), utf8_(utf8) {}

  std::vector<PartieLue> lire() {
    while (i_ < t_.size()) {
      const char c = t_[i_];
      if (espace(c)) {
        ++i_;
      } else if (c == '[') {
        lire_etiquette();
      } else if (c == '{') {
        sauter_commentaire();
      } else if (c == '(') {
        sauter_variante();
      } else if (c == ';' || (c == '%' && (i_ == 0 || t_[i_ - 1] == '\n'))) {
        while (i_ < t_.size() && t_[i_] != '\n') ++i_;
      } else {
        lire_mot();
      }
    }
    if (commencee_) terminer();
    return std::move(parties_);
  }

 private:
  std::string_view t_;
  bool utf8_;
  std::size_t i_ = 0;
  std::vector<PartieLue> parties_;
  PartieBrute partie_;
  bool commencee_ = false;  // tags or moves of the current game were read
  int numero_ = 1;

  void terminer() {
    parties_.push_back(resoudre(partie_, utf8_));
    partie_ = PartieBrute{};
    commencee_ = false;
    numero_ = 1;
  }

  void sauter_commentaire() {
    const std::size_t fin = t_.find('}', i_);
    i_ = fin == std::string_view::npos ? t_.size() : fin + 1;
  }

  // Variations nest; a comment inside one may hold parentheses.
  void sauter_variante() {
    int profondeur = 0;
    while (i_ < t_.size()) {
      const char c = t_[i_];
      if (c == '{') {
        sauter_commentaire();
        continue;
      }
      ++i_;
      if (c == '(') ++profondeur;
      if (c == ')' && --profondeur == 0) return;
    }
  }

  // [Name "value"], the value with \" and \\ escapes.
  void lire_etiquette() {
    ++i_;
    const std::size_t debut = i_;
    while (i_ < t_.size() && !espace(t_[i_]) && t_[i_] != '"' && t_[i_] != ']') ++i_;
    const std::string_view nom = t_.substr(debut, i_ - debut);
    while (i_ < t_.size() && espace(t_[i_]) && t_[i_] != '\n') ++i_;
    std::string valeur;
    if (i_ < t_.size() && t_[i_] == '"') {
      for (++i_; i_ < t_.size() && t_[i_] != '"' && t_[i_] != '\n'; ++i_) {
        if (t_[i_] == '\\' && i_ + 1 < t_.size() && t_[i_ + 1] != '\n') ++i_;
        valeur += t_[i_];
      }
    }
    // The rest of the tag, to its bracket or its line's end.
    while (i_ < t_.size() && t_[i_] != ']' && t_[i_] != '\n') ++i_;
    if (i_ < t_.size()) ++i_;
    // Tags after moves, or a tag given again, begin the next game.
    const std::string cle(nom);
    const auto& e = partie_.etiquettes;
    if (!partie_.mots.empty() ||
        std::find_if(e.begin(), e.end(), [&](const auto& v) { return v.first == cle; }) != e.end())
      terminer();
    partie_.etiquettes.emplace_back(cle, std::move(valeur));
    commencee_ = true;
  }

  // A word of the moves: a number, a move, a result, a mark, or a word that
  // is none of them (kept: the replay names it).
  void lire_mot() {
    const std::size_t debut = i_;
    while (i_ < t_.size() && !espace(t_[i_]) && std::strchr("[{(;)}", t_[i_]) == nullptr) ++i_;
    if (i_ == debut) {
      ++i_;  // a lone closing bracket
      return;
    }
    std::string_view mot = t_.substr(debut, i_ - debut);
    if (const char r = resultat_pdn(mot); r != 0) {
      partie_.resultat = r;
      terminer();
      return;
    }
    // Annotations: "$2", "!?", and the "..." of a move number written apart.
    if (mot.front() == '$' || mot.find_first_not_of("!?.") == std::string_view::npos) return;
    // "12." or "12..." may run straight into the move: "12.11-15"; a number
    // alone is a move number too.
    std::size_t k = 0;
    long n = 0;
    while (k < mot.size() && chiffre(mot[k])) n = n * 10 + (mot[k++] - '0'), n = std::min(n, 100000L);
    if (k > 0 && (k == mot.size() || mot[k] == '.')) {
      numero_ = static_cast<int>(n);
      while (k < mot.size() && mot[k] == '.') ++k;
      mot.remove_prefix(k);
      commencee_ = true;
      if (mot.empty()) return;
    }
    partie_.mots.push_back({numero_, std::string(mot)});
    commencee_ = true;
  }
};

// ---- writing -------------------------------------------------------------------

std::string echapper(const std::string& utf8) {
  std::string s;
  for (const char c : utf8) {
    if (c == '"' || c == '\\') s += '\\';
    s += c;
  }
  return s;
}

// Ply h as written: origin, destination, and the landing squares when a
// reader would need them. The generator runs on the position before the
// ply; the caller keeps the game board.
std::string ecrire_demi_coup(int h, bool chemins_complets, const Numerotation& num) {
  const EntreePartie& e = partie[h];
  const std::vector<Case> chemin = escales_du_demi_coup(h, chemins_complets);
  std::string s = nom_de_case(num, e.depart);
  if (chemin.empty()) {
    s += e.nb_prises ? 'x' : '-';
    s += nom_de_case(num, e.arrivee);
  }
  for (const Case k : chemin) {
    s += 'x';
    s += nom_de_case(num, k);
  }
  return s;
}

}  // namespace

std::vector<PartieLue> lire_parties_pdn(std::string_view octets) {
  octets = sans_bom(octets);
  return Lecteur(octets, est_utf8(octets)).lire();
}

const char* texte_resultat_pdn(int resultat, bool algebrique) {
  // The score of White comes first; which camp White is depends on the notation.
  const Camp blanc = static_cast<Camp>(camp_de_lettre(algebrique ? NUMEROTATION_ALGEBRIQUE : NUMEROTATION_POOL, 'W'));
  const int victoire_blanc = blanc == BLANCS ? BLANCS_GAGNENT : NOIRS_GAGNENT;
  return resultat == PARTIE_NULLE                                 ? "1-1"
         : resultat == victoire_blanc                             ? "2-0"
         : resultat == BLANCS_GAGNENT || resultat == NOIRS_GAGNENT ? "0-2"
                                                                   : "*";
}

std::string partie_en_pdn(const std::string& date) {
  OptionsPdn options;
  options.nom_complet_blanc = nom_complet_blanc;
  options.nom_complet_noir = nom_complet_noir;
  return ecrire_partie_pdn(nom_du_champ(nom_joueur_blanc), nom_du_champ(nom_joueur_noir), resultat_partie, date,
                           options);
}

std::string ecrire_partie_pdn(const std::string& nom_blanc, const std::string& nom_noir, int resultat,
                              const std::string& date, bool chemins_complets) {
  OptionsPdn options;
  options.chemins_complets = chemins_complets;
  return ecrire_partie_pdn(nom_blanc, nom_noir, resultat, date, options);
}

std::string ecrire_partie_pdn(const std::string& nom_blanc, const std::string& nom_noir, int resultat,
                              const std::string& date, const OptionsPdn& options) {
  const bool algebrique = options.algebrique, chemins_complets = options.chemins_complets;
  const Numerotation num = algebrique ? NUMEROTATION_ALGEBRIQUE : NUMEROTATION_POOL;
  const Camp blanc = static_cast<Camp>(camp_de_lettre(num, 'W'));
  const char* texte_resultat = texte_resultat_pdn(resultat, algebrique);
  const int fin = std::min<int>(dernier_demi_coup, TAILLE_PARTIE - 1);
  const Position depart = depart_du_record();
  const Camp premier = depart.trait;
  Position initiale;
  std::memset(&initiale, 0, sizeof initiale);
  for (int k = 1; k <= 12; ++k) initiale.cases[k] = PION_NOIR;
  for (int k = 21; k <= NB_CASES; ++k) initiale.cases[k] = PION_BLANC;

  std::string s;
  const auto etiquette = [&](const char* nom, const std::string& valeur) {
    s += std::string("[") + nom + " \"" + echapper(valeur) + "\"]\r\n";
  };
  const std::string noms[2] = {nom_entier(nom_blanc, options.nom_complet_blanc),
                               nom_entier(nom_noir, options.nom_complet_noir)};
  etiquette("Event", "Corvane 3D");
  etiquette("Date", date.empty() ? "????.??.??" : date);
  etiquette("Black", noms[adversaire(blanc)]);
  etiquette("White", noms[blanc]);
  etiquette("Result", texte_resultat);
  // Our numbering and first mover in full, so that no reader has to guess.
  etiquette("GameType", algebrique ? "23,W,8,8,A0,0" : "23,B,8,8,N1,0");
  if (premier != BLANCS || std::memcmp(depart.cases, initiale.cases, sizeof initiale.cases) != 0)
    etiquette("FEN", ecrire_fen(depart, num));
  s += "\r\n";
  // The generator works on the game board: it is put back afterwards.
  PlateauGarde garde;
  garde.prendre();
  std::string ligne;
  const auto ecrire_mot = [&](const std::string& mot) {
    if (!ligne.empty() && ligne.size() + 1 + mot.size() > LARGEUR_LIGNE) {
      s += ligne + "\r\n";
      ligne.clear();
    }
    ligne += (ligne.empty() ? "" : " ") + mot;
  };
  const int decalage = premier == NOIRS ? 1 : 0;
  for (int h = 1; h <= fin; ++h) {
    // A move number stays on the line of its move.
    const int q = h - 1 + decalage;
    std::string mot;
    if (q % 2 == 0)
      mot = std::to_string(q / 2 + 1) + ". ";
    else if (h == 1)
      mot = std::to_string(q / 2 + 1) + "... ";
    ecrire_mot(mot + ecrire_demi_coup(h, chemins_complets, num));
  }
  ecrire_mot(texte_resultat);
  s += ligne + "\r\n\r\n";
  garde.rendre();
  return s;
}
