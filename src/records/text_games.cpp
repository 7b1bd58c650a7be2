#include "records/text_games.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "game/catalogue.h"
#include "game/end.h"
#include "game/game.h"
#include "records/game_file.h"
#include "records/pdn.h"
#include "rules/generation.h"
#include "rules/moves.h"
#include "rules/texte.h"
#include "rules/notation.h"

// ---- Latin-1 and UTF-8 ------------------------------------------------------

namespace {

// The UTF-8 character at s[i]: its length and code, 0 when the bytes there
// are not UTF-8. A character cut by the end of the text (a file read only
// up to a limit) counts as one, read as '?'.
std::size_t caractere_utf8(std::string_view s, std::size_t i, char32_t& c) {
  const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = octet(i);
  std::size_t n;
  char32_t minimum;
  if (b < 0x80) {
    c = b;
    return 1;
  } else if (b >= 0xC2 && b <= 0xDF) {
    n = 2, c = b & 0x1F, minimum = 0x80;
  } else if ((b & 0xF0) == 0xE0) {
    n = 3, c = b & 0x0F, minimum = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4, c = b & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  for (std::size_t k = 1; k < n; ++k) {
    if (i + k >= s.size()) {
      c = '?';
      return k;
    }
    if ((octet(i + k) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (octet(i + k) & 0x3F);
  }
  return c < minimum || c > 0x10FFFF ? 0 : n;
}

// Latin letters of U+0100..U+017F without their marks; '*' for the four
// ligatures, written out below. Hungarian o and u with double acute keep
// the umlaut Latin-1 has.
constexpr const char* LATIN_ETENDU =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGg"
    "GgGgHhHhIiIiIiIiIi**JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOo\xD6\xF6**RrRrRrSsSsSs"
    "SsTtTtTtUuUuUuUu\xDC\xFCUuWwYyYZzZzZzs";

// Cyrillic U+0400..U+045F: the Russian letters as passports write them,
// with the usual Ukrainian, Belarusian and Serbian ones.
constexpr const char* CYRILLIQUE[96] = {
    "E", "Yo", "Dj", "G", "Ye", "Dz", "I", "Yi", "J", "Lj", "Nj", "C", "K", "I", "U", "Dz",
    "A", "B", "V", "G", "D", "E", "Zh", "Z", "I", "Y", "K", "L", "M", "N", "O", "P",
    "R", "S", "T", "U", "F", "Kh", "Ts", "Ch", "Sh", "Shch", "", "Y", "", "E", "Yu", "Ya",
    "a", "b", "v", "g", "d", "e", "zh", "z", "i", "y", "k", "l", "m", "n", "o", "p",
    "r", "s", "t", "u", "f", "kh", "ts", "ch", "sh", "shch", "", "y", "", "e", "yu", "ya",
    "e", "yo", "dj", "g", "ye", "dz", "i", "yi", "j", "lj", "nj", "c", "k", "i", "u", "dz"};

// Greek U+0386..U+03CE, the accented letters as the plain ones.
constexpr const char* GREC[73] = {
    "A", "", "E", "I", "I", "", "O", "", "Y", "O", "i",                                        // 0386..0390
    "A", "V", "G", "D", "E", "Z", "I", "Th", "I", "K", "L", "M", "N", "X", "O", "P", "R", "",  // 0391..03A2
    "S", "T", "Y", "F", "Ch", "Ps", "O", "I", "Y", "a", "e", "i", "i", "y",                     // 03A3..03B0
    "a", "v", "g", "d", "e", "z", "i", "th", "i", "k", "l", "m", "n", "x", "o", "p", "r", "s",  // 03B1..03C2
    "s", "t", "y", "f", "ch", "ps", "o", "i", "y", "o", "y", "o"};                              // 03C3..03CE

// Character c as Latin-1 text: itself, a transliteration or "?".
std::string en_latin1(char32_t c) {
  if (c <= 0xFF) return std::string(1, static_cast<char>(c));
  if (c >= 0x100 && c <= 0x17F) {
    const char l = LATIN_ETENDU[c - 0x100];
    if (l != '*') return std::string(1, l);
    return c == 0x132 ? "IJ" : c == 0x133 ? "ij" : c == 0x152 ? "OE" : "oe";
  }
  if (c >= 0x218 && c <= 0x21B) return std::string(1, "SsTt"[c - 0x218]);  // Romanian comma below
  if (c >= 0x400 && c <= 0x45F) return CYRILLIQUE[c - 0x400];
  if (c == 0x490 || c == 0x491) return c == 0x490 ? "G" : "g";
  if (c >= 0x386 && c <= 0x3CE) {
    const char* g = GREC[c - 0x386];
    return *g != 0 ? g : "?";
  }
  if (c == 0x2018 || c == 0x2019) return "'";
  if (c == 0x201C || c == 0x201D) return "\"";
  if (c == 0x2013 || c == 0x2014) return "-";
  return "?";
}

}  // namespace

bool est_utf8(std::string_view s) {
  char32_t c = 0;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = caractere_utf8(s, i, c);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string nom_en_latin1(std::string_view utf8, std::size_t longueur) {
  std::string latin1;
  char32_t c = 0, precedent = 0;
  for (std::size_t i = 0; i < utf8.size(); precedent = c) {
    const std::size_t n = caractere_utf8(utf8, i, c);
    if (n == 0) {  // not UTF-8 after all: the byte as it is
      c = static_cast<unsigned char>(utf8[i]);
      ++i;
    } else {
      i += n;
    }
    // Greek omicron upsilon is "ou".
    const bool ou = (c == 0x3C5 || c == 0x3CD) && (precedent == 0x3BF || precedent == 0x39F);
    latin1 += ou ? "u" : en_latin1(c);
  }
  if (longueur != 0 && latin1.size() > longueur) latin1.resize(longueur);
  return latin1;
}

std::string texte_en_latin1(std::string_view octets) {
  octets = sans_bom(octets);
  if (!est_utf8(octets)) return std::string(octets);
  std::string latin1;
  latin1.reserve(octets.size());
  char32_t c = 0;
  for (std::size_t i = 0; i < octets.size();) {
    i += caractere_utf8(octets, i, c);
    latin1 += c <= 0xFF ? static_cast<char>(c) : '?';
  }
  return latin1;
}

std::string latin1_en_utf8(std::string_view latin1) {
  std::string utf8;
  for (const char ch : latin1) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      utf8 += ch;
    } else {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

// ---- the program's text format: reading ---------------------------------------

namespace {

constexpr std::size_t LONGUEUR_NOM_LU = LONGUEUR_NOM - 1;

bool chiffre(char c) { return c >= '0' && c <= '9'; }
bool blanc(char c) { return c == ' ' || c == '\t'; }

std::string_view rogner(std::string_view s) {
  while (!s.empty() && blanc(s.front())) s.remove_prefix(1);
  while (!s.empty() && (blanc(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// The square of a two-character numeric name ("09" is square 24), 0 when
// the name is none; a first character that is no digit (a blank, the point
// of the move number) stands for "0".
Case case_nommee(char a, char b) {
  const char nom[3] = {chiffre(a) ? a : '0', b, 0};
  for (int k = 1; k <= NB_CASES; ++k)
    if (std::strcmp(noms_numeriques[k], nom) == 0) return static_cast<Case>(k);
  return 0;
}

// Character i of s, a blank outside it.
char en(std::string_view s, std::size_t i) { return i < s.size() ? s[i] : ' '; }
bool separateur(char c) { return c == '-' || c == 'x'; }

// A name of the header from i: it ends at `fin`, at the line's end, at the
// "1." of the moves or, with `double_blanc`, at two blanks (before a
// result); it is cut to fit the record.
std::string nom_jusqu_a(std::string_view ligne, std::size_t& i, char fin, bool double_blanc) {
  const std::size_t debut = i;
  while (i < ligne.size() && ligne[i] != fin && ligne[i] != '\r' && ligne.substr(i, 2) != "1." &&
         !(double_blanc && blanc(ligne[i]) && blanc(en(ligne, i + 1))))
    ++i;
  return std::string(rogner(ligne.substr(debut, i - debut)).substr(0, LONGUEUR_NOM_LU));
}

// The moves of a game, from just after its first "1.": after each number,
// moves written as a name, "-" or "x", a name, more "x" and names for the
// landing squares of a capture.
void lire_coups_texte(std::string_view b, std::size_t p, PartieLue& g) {
  int numero = 1;
  while (p < b.size()) {
    std::size_t fin = b.find('.', p);
    if (fin == std::string_view::npos) fin = b.size();
    for (std::size_t i = p; i < fin; ++i) {
      if (!separateur(b[i])) continue;
      CoupLu c;
      c.numero = numero;
      c.depart = case_nommee(i >= 2 ? b[i - 2] : ' ', en(b, i - 1));
      std::size_t j = i;  // the last separator of the chain
      while (j + 3 < b.size() && separateur(b[j + 3]) && chiffre(b[j + 2])) {
        c.escales.push_back(case_nommee(b[j + 1], b[j + 2]));
        j += 3;
      }
      // "11-9 ": a one-digit name.
      c.arrivee = chiffre(en(b, j + 2)) ? case_nommee(en(b, j + 1), en(b, j + 2)) : case_nommee(' ', en(b, j + 1));
      if (!c.escales.empty()) c.escales.push_back(c.arrivee);
      const std::size_t debut = i >= 2 ? i - 2 : 0;
      c.texte = std::string(rogner(b.substr(debut, std::min(b.size(), j + 3) - debut)));
      if (g.coups.size() < static_cast<std::size_t>(MAX_COUPS_LUS)) g.coups.push_back(std::move(c));
      i = j + 2;
    }
    // The number of the next moves stands just before the point.
    std::size_t d = fin;
    while (d > p && chiffre(b[d - 1])) --d;
    numero = 0;
    for (std::size_t k = d; k < fin && numero < 10000; ++k) numero = numero * 10 + (b[k] - '0');
    p = fin + 1;
  }
}

PartieLue lire_partie_texte(std::string_view bloc) {
  PartieLue g;
  const std::size_t fin_ligne = std::min(bloc.find('\n'), bloc.size());
  const std::string_view entete = bloc.substr(0, fin_ligne);
  std::size_t i = 0;
  g.nom_blanc = nom_jusqu_a(entete, i, '-', false);
  if (i < entete.size() && entete[i] == '-') {
    ++i;
    g.nom_noir = nom_jusqu_a(entete, i, '\r', true);
    const std::string_view reste = entete.substr(i);
    const std::size_t fin_resultat = std::min(reste.find("1."), reste.size());
    const std::string_view resultat = reste.substr(0, fin_resultat);
    if (resultat.find("2-0") != std::string_view::npos)
      g.resultat = BLANCS_GAGNENT;
    else if (resultat.find("1-1") != std::string_view::npos)
      g.resultat = PARTIE_NULLE;
    else if (resultat.find("0-2") != std::string_view::npos)
      g.resultat = NOIRS_GAGNENT;
  }
  const std::size_t premier = bloc.find("1.", i);
  if (premier != std::string_view::npos) lire_coups_texte(bloc, premier + 2, g);
  return g;
}

}  // namespace

std::string nom_entier(const std::string& latin1, const std::string& complet) {
  if (!complet.empty() && nom_en_latin1(complet, LONGUEUR_NOM - 1) == latin1) return complet;
  return latin1_en_utf8(latin1);
}

std::vector<PartieLue> lire_parties_texte(std::string_view octets) {
  const std::string texte = texte_en_latin1(octets.substr(0, TAILLE_TEXTE_LU));
  std::string_view t = texte;
  t = t.substr(0, t.find('\0'));  // the text ends at a zero byte
  std::vector<PartieLue> parties;
  std::size_t p = 0;
  while (p < t.size()) {
    // Empty lines part the games; after the first, a game that would start
    // with two blanks ends the list.
    while (p < t.size() && (t[p] == '\n' || (t[p] == '\r' && en(t, p + 1) == '\n'))) p += t[p] == '\r' ? 2 : 1;
    if (p >= t.size() || (!parties.empty() && blanc(t[p]) && blanc(en(t, p + 1)))) break;
    std::size_t fin = p;
    for (;;) {
      const std::size_t nl = t.find('\n', fin);
      if (nl == std::string_view::npos) {
        fin = t.size();
        break;
      }
      fin = nl + 1;
      if (fin >= t.size() || t[fin] == '\n' || (t[fin] == '\r' && en(t, fin + 1) == '\n')) break;
    }
    parties.push_back(lire_partie_texte(t.substr(p, fin - p)));
    p = fin;
  }
  return parties;
}

bool est_pdn(std::string_view octets, std::string_view nom_fichier) {
  if (nom_fichier.size() >= 4) {
    std::string extension(nom_fichier.substr(nom_fichier.size() - 4));
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".pdn") return true;
  }
  octets = sans_bom(octets);
  const std::size_t debut = octets.find_first_not_of(" \t\r\n");
  return debut != std::string_view::npos && octets[debut] == '[';
}

std::vector<PartieLue> lire_parties(std::string_view octets, std::string_view nom_fichier) {
  return est_pdn(octets, nom_fichier) ? lire_parties_pdn(octets) : lire_parties_texte(octets);
}

std::string ligne_choix_partie(int numero, const PartieLue& p) {
  char tete[16];
  std::snprintf(tete, sizeof tete, "%2d:", numero);
  return std::string(tete) + " " + nom_entier(p.nom_blanc, p.nom_blanc_complet) + " - " +
         nom_entier(p.nom_noir, p.nom_noir_complet);
}

// ---- replaying ------------------------------------------------------------------------

namespace {

// The pieces a written capture path jumps: the occupied squares between each
// landing square and the next, on the diagonal that joins them (a king that
// goes on straight may be written with a landing square or without). False
// when two of them share no diagonal.
bool prises_du_chemin(Case depart, const std::vector<Case>& chemin, std::uint32_t& prises) {
  prises = 0;
  Case a = depart;
  for (const Case b : chemin) {
    bool joint = false;
    for (int d = 0; d < 4 && !joint && b != 0; ++d) {
      std::uint32_t sautees = 0;
      Case s = voisins[d][a];
      for (; s != 0 && s != b; s = voisins[d][s])
        if (s != depart && damier[s] != VIDE) sautees |= bit_case(s);
      joint = s == b;
      if (joint) prises |= sautees;
    }
    if (!joint) return false;
    a = b;
  }
  return true;
}

constexpr int COUP_AMBIGU = -2;

// The index in list 1 of the legal move the written move names, -1 when
// none. Written landing squares choose among captures that share origin and
// destination; when they match none, `souple` falls back on the first move
// with that origin and destination. Without landing squares, a capture of
// one jump goes before longer ones between the same squares: it is the one
// the squares name by themselves, and the writers write the others' paths.
// Longer captures between the same squares that take different pieces make
// the move COUP_AMBIGU unless `souple` takes the first.
int trouver_coup(const CoupLu& c, bool souple) {
  const int n = coups_legaux(trait);
  int premier = -1, un_saut = -1;
  bool ambigu = false;
  for (int i = 0; i < n; ++i) {
    const Coup& m = listes_coups[1][i];
    if (m.depart != c.depart || m.arrivee != c.arrivee) continue;
    if (premier < 0) premier = i;
    if (m.nb_prises == 1 && un_saut < 0) un_saut = i;
    if (masque_prises(m) != masque_prises(listes_coups[1][premier])) ambigu = true;
  }
  if (premier < 0) return -1;
  if (c.escales.empty()) {
    if (un_saut >= 0) return un_saut;
    return ambigu && !souple ? COUP_AMBIGU : premier;
  }
  std::uint32_t prises = 0;
  if (prises_du_chemin(c.depart, c.escales, prises))
    for (int i = 0; i < n; ++i) {
      const Coup& m = listes_coups[1][i];
      if (m.depart == c.depart && m.arrivee == c.arrivee && m.nb_prises > 0 && masque_prises(m) == prises) return i;
    }
  return souple ? premier : -1;
}

// A name given in full when the record's Latin-1 form is not all of it.
std::string nom_complet(const std::string& latin1, const std::string& complet) {
  return complet == latin1_en_utf8(latin1) ? std::string() : complet;
}

}  // namespace

ArretRejeu rejouer_partie(const PartieLue& p, int numero, bool arreter) {
  nommer_joueur(nom_joueur_blanc, p.nom_blanc.c_str());
  nommer_joueur(nom_joueur_noir, p.nom_noir.c_str());
  if (p.position_posee)
    placer_position(p.depart);
  else
    position_initiale();
  commencer_partie();
  nom_complet_blanc = nom_complet(p.nom_blanc, p.nom_blanc_complet);
  nom_complet_noir = nom_complet(p.nom_noir, p.nom_noir_complet);
  ArretRejeu a;
  a.type_jeu = p.type_jeu;
  const auto arret = [&](ArretRejeu::Raison r, const CoupLu* c, std::string detail) {
    a = {true, numero, c ? c->numero : 0, c ? c->texte : std::string(), r, std::move(detail), p.type_jeu};
  };
  if (!p.erreur.empty()) {
    arret(ArretRejeu::Raison::Partie, nullptr, p.erreur);
  } else {
    for (const CoupLu& c : p.coups) {
      if (partie_pleine()) {
        if (arreter) arret(ArretRejeu::Raison::PartiePleine, &c, {});
        break;
      }
      if (c.illisible) {
        if (!arreter) continue;
        arret(ArretRejeu::Raison::CoupIllisible, &c, {});
        break;
      }
      const int i = trouver_coup(c, !arreter);
      if (i >= 0) {
        jouer_et_enregistrer(i);
      } else if (arreter) {
        arret(i == COUP_AMBIGU ? ArretRejeu::Raison::CoupAmbigu : ArretRejeu::Raison::CoupIllegal, &c, {});
        break;
      }
    }
  }
  trait_fin = trait;
  std::memcpy(damier_sauve, damier, sizeof damier_sauve);
  resultat_partie = a.arrete ? SANS_RESULTAT : p.resultat;
  return a;
}

std::string texte_arret(const ArretRejeu& a, int langue) {
  std::string raison;
  switch (a.raison) {
    case ArretRejeu::Raison::CoupIllegal:
      // Russian and Brazilian games are replayed under our rules, which differ on a few moves.
      raison = texte_langue(langue, a.type_jeu == 25   ? "msg.import.coup_illegal_russe"
                                    : a.type_jeu == 26 ? "msg.import.coup_illegal_bresilien"
                                                       : "msg.import.coup_illegal");
      break;
    case ArretRejeu::Raison::CoupAmbigu:
      raison = texte_langue(langue, "msg.import.prise_ambigue");
      break;
    case ArretRejeu::Raison::CoupIllisible:
      raison = texte_langue(langue, "msg.import.coup_illisible");
      break;
    case ArretRejeu::Raison::PartiePleine:
      raison = texte_langue(langue, "msg.import.partie_pleine");
      break;
    case ArretRejeu::Raison::Partie:
      raison = a.detail;
      break;
  }
  const std::string partie = std::to_string(a.partie);
  if (a.coup.empty()) return remplir_texte(texte_langue(langue, "msg.import.partie"), {partie, raison});
  const std::string coup = std::to_string(a.numero) + " (" + a.coup + ")";
  return remplir_texte(texte_langue(langue, "msg.import.coup"), {coup, partie, raison});
}

// ---- writing ---------------------------------------------------------------------

namespace {

// The captured squares of ply h of the record, from the two positions.
std::uint32_t prises_du_demi_coup(int h) {
  const EntreePartie &avant = partie[h - 1], &apres = partie[h];
  const bool noir = est_noir(avant.position[apres.depart]);
  std::uint32_t prises = 0;
  for (int k = 1; k <= NB_CASES; ++k) {
    const Piece p = avant.position[k];
    if (p != VIDE && est_noir(p) != noir && apres.position[k] == VIDE) prises |= bit_case(static_cast<Case>(k));
  }
  return prises;
}

bool nom_sans_blanc_au_bord(const std::string& nom) {
  return nom.empty() || (!blanc(nom.front()) && !blanc(nom.back()));
}

// The name reads back as it is from the header of the text format: camp 0's
// ends at "-", camp 1's at two blanks, either at a line end or "1.", and the
// blanks round them are dropped.
bool nom_relu_tel_quel(const std::string& nom, bool camp_0) {
  if (nom.find_first_of(std::string("\r\n\0", 3)) != std::string::npos || nom.find("1.") != std::string::npos ||
      !nom_sans_blanc_au_bord(nom))
    return false;
  if (camp_0) return nom.find('-') == std::string::npos;
  for (std::size_t i = 0; i + 1 < nom.size(); ++i)
    if (blanc(nom[i]) && blanc(nom[i + 1])) return false;
  return true;
}

bool ascii(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Ply h as the text format writes it: numeric square names, the landing
// squares when a reader needs them.
std::string texte_demi_coup(int h) {
  const EntreePartie& e = partie[h];
  std::string s = noms_numeriques[e.depart];
  const std::vector<Case> chemin = escales_du_demi_coup(h, false);
  if (chemin.empty()) {
    s += e.nb_prises != 0 ? 'x' : '-';
    s += noms_numeriques[e.arrivee];
  }
  for (const Case k : chemin) {
    s += 'x';
    s += noms_numeriques[k];
  }
  return s;
}

}  // namespace

std::vector<Case> escales_du_demi_coup(int h, bool toujours) {
  const EntreePartie &avant = partie[h - 1], &e = partie[h];
  // One jump is named by its squares (the readers take it first).
  if (e.nb_prises < 2) return {};
  std::memcpy(damier, avant.position, sizeof damier);
  damier[0] = HORS_DAMIER;
  const Camp camp = est_noir(damier[e.depart]) ? NOIRS : BLANCS;
  const int n = coups_legaux(camp);
  const std::uint32_t prises = prises_du_demi_coup(h);
  int joue = -1;
  bool ambigu = false;
  for (int i = 0; i < n; ++i) {
    const Coup& m = listes_coups[1][i];
    if (m.depart != e.depart || m.arrivee != e.arrivee) continue;
    if (masque_prises(m) == prises) {
      if (joue < 0) joue = i;
    } else {
      ambigu = true;
    }
  }
  if (joue < 0 || (!ambigu && !toujours)) return {};
  const Coup m = listes_coups[1][joue];
  if (decomposer_prise(m.depart, m.arrivee, m.prises + 1, m.nb_prises) == PRISE_INTROUVABLE) return {};
  return std::vector<Case>(escales[1] + 1, escales[1] + 1 + m.nb_prises);
}

Position depart_du_record() {
  Position depart;
  std::memcpy(depart.cases, partie[0].position, sizeof depart.cases);
  depart.cases[0] = 0;
  depart.trait = trait;
  if (dernier_demi_coup >= 1) depart.trait = est_noir(partie[0].position[partie[1].depart]) ? NOIRS : BLANCS;
  return depart;
}

RefusTexte refus_texte_partie(const std::string& nom_blanc, const std::string& nom_noir) {
  // The format's games all begin from the starting position, camp 0 to move.
  Position initiale;
  std::string erreur;
  lire_fen(FEN_DEPART, initiale, erreur);
  const Position depart = depart_du_record();
  if (depart.trait != initiale.trait || std::memcmp(depart.cases + 1, initiale.cases + 1, NB_CASES) != 0)
    return RefusTexte::PositionPosee;
  if (!nom_relu_tel_quel(nom_blanc, true)) return RefusTexte::NomBlanc;
  if (!nom_relu_tel_quel(nom_noir, false)) return RefusTexte::NomNoir;
  // The rest of the file is ASCII: it is UTF-8 when both names are.
  if (est_utf8(nom_blanc) && est_utf8(nom_noir)) {
    if (!ascii(nom_blanc)) return RefusTexte::NomBlanc;
    if (!ascii(nom_noir)) return RefusTexte::NomNoir;
  }
  return RefusTexte::Aucun;
}

std::string ecrire_texte_partie(const std::string& nom_blanc, const std::string& nom_noir, int resultat,
                                RefusTexte* refus) {
  const RefusTexte r = refus_texte_partie(nom_blanc, nom_noir);
  if (refus != nullptr) *refus = r;
  if (r != RefusTexte::Aucun) return {};
  std::string s = nom_blanc + "-" + nom_noir;
  s += resultat == BLANCS_GAGNENT ? "  2-0" : resultat == PARTIE_NULLE ? "  1-1" : resultat == NOIRS_GAGNENT ? "  0-2" : " ";
  s += "\r\nCorvane109\r\n";
  // The lines of the move list: a full move each, the last one a half line
  // when the last ply is odd. The generator works on the game board: it is
  // put back afterwards.
  PlateauGarde garde;
  garde.prendre();
  std::vector<std::string> lignes;
  const int fin = std::min<int>(dernier_demi_coup, DERNIER_DEMI_COUP);
  for (int h = 1; h <= fin; h += 2) {
    char numero[16];
    std::snprintf(numero, sizeof numero, "%2d.", h / 2 + 1);
    lignes.push_back(numero + texte_demi_coup(h) + " " + (h + 1 <= fin ? texte_demi_coup(h + 1) : ""));
  }
  garde.rendre();
  for (std::size_t i = 0; i < lignes.size(); i += 4) {
    for (std::size_t j = i; j < i + 4 && j < lignes.size(); ++j) s += lignes[j] + "  ";
    s += "\r\n";
  }
  return s;
}

bool partie_vide(const PartieLue& p) {
  return p.coups.empty() && !p.position_posee && p.resultat == 3 && p.erreur.empty();
}
