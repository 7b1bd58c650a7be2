#include "records/pdn.h"

#include <algorithm>
#include <cstring>

#include "game/end.h"
#include "game/game.h"
#include "rules/generation.h"
#include "rules/moves.h"

namespace {

constexpr int TYPE_POOL = 23;
constexpr std::size_t LARGEUR_LIGNE = 79;  // moves are wrapped before this column

bool chiffre(char c) { return c >= '0' && c <= '9'; }
bool espace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// PDN square n (1..32) is square 33 - n; anything else is no square.
Case case_pdn(long n) { return n >= 1 && n <= NB_CASES ? static_cast<Case>(NB_CASES + 1 - n) : 0; }
std::string nom_pdn(Case k) { return std::to_string(NB_CASES + 1 - k); }

// ---- reading -------------------------------------------------------------------

// "2-0" etc. as resultat_partie; -1 when the word is no result. The score
// of White, which is camp 1, comes first.
int resultat_pdn(std::string_view mot) {
  if (mot == "2-0" || mot == "1-0") return NOIRS_GAGNENT;
  if (mot == "0-2" || mot == "0-1") return BLANCS_GAGNENT;
  if (mot == "1-1" || mot == "1/2-1/2") return PARTIE_NULLE;
  if (mot == "*" || mot == "0-0") return SANS_RESULTAT;
  return -1;
}

class Lecteur {
 public:
  explicit Lecteur(std::string_view t) : t_(t) {}

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
  std::size_t i_ = 0;
  std::vector<PartieLue> parties_;
  PartieLue partie_;
  bool commencee_ = false;  // tags or moves of the current game were read
  bool coups_vus_ = false;
  bool resultat_lu_ = false;  // a result word ended the moves
  int numero_ = 1;
  std::vector<std::string> etiquettes_;  // the tag names of the current game

  void terminer() {
    parties_.push_back(std::move(partie_));
    partie_ = PartieLue{};
    etiquettes_.clear();
    commencee_ = coups_vus_ = resultat_lu_ = false;
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
    if (coups_vus_ || std::find(etiquettes_.begin(), etiquettes_.end(), cle) != etiquettes_.end()) terminer();
    etiquettes_.push_back(cle);
    commencee_ = true;
    appliquer_etiquette(nom, valeur);
  }

  void appliquer_etiquette(std::string_view nom, const std::string& valeur) {
    const auto nom_coupe = [&] { return valeur.substr(0, LONGUEUR_NOM - 1); };
    if (nom == "Black") {
      partie_.nom_blanc = nom_coupe();
    } else if (nom == "White") {
      partie_.nom_noir = nom_coupe();
    } else if (nom == "Result") {
      const int r = resultat_pdn(valeur);
      if (r >= 0 && !resultat_lu_) partie_.resultat = r;
    } else if (nom == "FEN") {
      std::string erreur;
      if (lire_fen(valeur, partie_.depart, erreur)) {
        partie_.position_posee = true;
      } else if (partie_.erreur.empty()) {
        partie_.erreur = "FEN \"" + valeur + "\": " + erreur;
      }
    } else if (nom == "GameType") {
      long type = 0;
      std::size_t k = 0;
      while (k < valeur.size() && chiffre(valeur[k]) && type < 1000) type = type * 10 + (valeur[k++] - '0');
      if (type != TYPE_POOL && partie_.erreur.empty())
        partie_.erreur = "GameType " + valeur + " is not pool checkers (23)";
    }
  }

  // A word of the moves: a number, a move, a result, or something passed over.
  void lire_mot() {
    const std::size_t debut = i_;
    while (i_ < t_.size() && !espace(t_[i_]) && std::strchr("[{(;)}", t_[i_]) == nullptr) ++i_;
    if (i_ == debut) {
      ++i_;  // a lone closing bracket
      return;
    }
    std::string_view mot = t_.substr(debut, i_ - debut);
    if (const int r = resultat_pdn(mot); r >= 0) {
      partie_.resultat = r;
      resultat_lu_ = true;
      terminer();
      return;
    }
    if (mot.front() == '$') return;  // an annotation
    // "12." or "12..." may run straight into the move: "12.11-15".
    std::size_t k = 0;
    long n = 0;
    while (k < mot.size() && chiffre(mot[k])) n = n * 10 + (mot[k++] - '0'), n = std::min(n, 100000L);
    if (k > 0 && k < mot.size() && mot[k] == '.') {
      numero_ = static_cast<int>(n);
      while (k < mot.size() && mot[k] == '.') ++k;
      mot.remove_prefix(k);
      commencee_ = true;
      if (mot.empty()) return;
    }
    lire_coup(mot);
  }

  // 11-15, 15x22, 15x22x29 (every landing square), then marks such as "!?".
  void lire_coup(std::string_view mot) {
    std::vector<long> cases;
    std::vector<char> separateurs;
    std::size_t k = 0;
    for (;;) {
      if (k >= mot.size() || !chiffre(mot[k])) return;  // not a move: passed over
      long n = 0;
      while (k < mot.size() && chiffre(mot[k])) n = std::min(n * 10 + (mot[k++] - '0'), 100000L);
      cases.push_back(n);
      if (k < mot.size() && (mot[k] == '-' || mot[k] == 'x' || mot[k] == 'X' || mot[k] == ':')) {
        separateurs.push_back(mot[k++]);
        continue;
      }
      break;
    }
    if (cases.size() < 2) return;
    CoupLu c;
    c.numero = numero_;
    c.texte = std::string(mot.substr(0, k));
    c.depart = case_pdn(cases.front());
    c.arrivee = case_pdn(cases.back());
    if (cases.size() > 2)
      for (std::size_t j = 1; j < cases.size(); ++j) c.escales.push_back(case_pdn(cases[j]));
    partie_.coups.push_back(std::move(c));
    commencee_ = coups_vus_ = true;
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
std::string ecrire_demi_coup(int h, bool chemins_complets) {
  const EntreePartie& e = partie[h];
  const std::vector<Case> chemin = escales_du_demi_coup(h, chemins_complets);
  std::string s = nom_pdn(e.depart);
  if (chemin.empty()) {
    s += e.nb_prises ? 'x' : '-';
    s += nom_pdn(e.arrivee);
  }
  for (const Case k : chemin) {
    s += 'x';
    s += nom_pdn(k);
  }
  return s;
}

}  // namespace

std::vector<PartieLue> lire_parties_pdn(std::string_view octets) {
  const std::string texte = texte_en_latin1(octets);
  return Lecteur(texte).lire();
}

std::string ecrire_partie_pdn(const std::string& nom_blanc, const std::string& nom_noir, int resultat,
                              const std::string& date, bool chemins_complets) {
  const char* texte_resultat = resultat == NOIRS_GAGNENT    ? "2-0"
                               : resultat == BLANCS_GAGNENT ? "0-2"
                               : resultat == PARTIE_NULLE   ? "1-1"
                                                            : "*";
  const int fin = std::min<int>(dernier_demi_coup, TAILLE_PARTIE - 1);
  const Position depart = depart_du_record();
  const Camp premier = depart.trait;

  std::string s;
  const auto etiquette = [&](const char* nom, const std::string& valeur) {
    s += std::string("[") + nom + " \"" + echapper(valeur) + "\"]\r\n";
  };
  etiquette("Event", "Corvane 3D");
  etiquette("Date", date.empty() ? "????.??.??" : date);
  etiquette("Black", latin1_en_utf8(nom_blanc));
  etiquette("White", latin1_en_utf8(nom_noir));
  etiquette("Result", texte_resultat);
  etiquette("GameType", std::to_string(TYPE_POOL));
  const std::string fen = ecrire_fen(depart);
  if (fen != FEN_DEPART) etiquette("FEN", fen);
  s += "\r\n";

  // The generator works on the game board: it is put back afterwards.
  std::uint8_t damier_garde[33];
  std::memcpy(damier_garde, damier, sizeof damier_garde);
  const Camp trait_garde = trait;
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
    ecrire_mot(mot + ecrire_demi_coup(h, chemins_complets));
  }
  ecrire_mot(texte_resultat);
  s += ligne + "\r\n\r\n";
  std::memcpy(damier, damier_garde, sizeof damier_garde);
  trait = trait_garde;
  recalculer_masques();
  return s;
}
