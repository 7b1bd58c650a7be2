// Endgame databases: the 22 tables of positions with at most four pieces,
// their files, the index of a position in its table and the probes.
#include "knowledge/endgame.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>

#include "records/files.h"
#include "rules/etat.h"

std::int8_t bases_finales[TAILLE_BASES];
std::uint8_t base_utilisable[NB_BASES];
std::uint8_t bases_chargees = 0;
ETAT_MOTEUR(bases_finales, base_utilisable, bases_chargees);

namespace {

constexpr std::size_t somme_tailles() {
  std::size_t total = 0;
  for (const ClasseBase& c : CLASSES_BASES) total += c.taille;
  return total;
}
static_assert(somme_tailles() == TAILLE_BASES, "the 22 tables fill the storage exactly");

constexpr std::array<std::size_t, NB_BASES> debuts() {
  std::array<std::size_t, NB_BASES> d{};
  std::size_t total = 0;
  for (int k = 0; k < NB_BASES; ++k) {
    d[k] = total;
    total += CLASSES_BASES[k].taille;
  }
  return d;
}
constexpr std::array<std::size_t, NB_BASES> DEBUTS = debuts();

constexpr bool que_des_dames(const ClasseBase& c) { return c.pions_trait == 0 && c.pions_autre == 0; }

constexpr std::int32_t paire(int p1, int p2) { return (p2 - 1) * (p2 - 2) / 2 + (p1 - 1); }
constexpr std::int32_t triple(int t1, int t2, int t3) {
  return (t3 - 1) * (t3 - 2) * (t3 - 3) / 6 + (t2 - 1) * (t2 - 2) / 2 + (t1 - 1);
}

// Squares of the pieces of one position, by owner and kind, each list in
// increasing order.
struct Releve {
  std::uint8_t cases[4][4];  // 0 men to move, 1 kings to move, 2 other men, 3 other kings
  std::uint8_t nb[4];
};

// Collects the pieces of `cases` with `camp` to move; with black to move the
// board is turned half a turn (s -> 33 - s) unless `tourner` is false. False
// when more than three pieces of one kind are found.
bool relever(const std::uint8_t cases[33], Camp camp, bool tourner, Releve& r) {
  std::memset(r.nb, 0, sizeof r.nb);
  const bool noir = camp == NOIRS;
  const bool inverse = noir && tourner;
  for (int i = 1; i <= NB_CASES; ++i) {
    const int s = inverse ? NB_CASES + 1 - i : i;
    const Piece p = cases[s];
    if (p < PION_BLANC || p > DAME_NOIRE) continue;
    const bool au_trait = est_noir(p) == noir;
    const int sorte = (au_trait ? 0 : 2) + (est_dame(p) ? 1 : 0);
    if (r.nb[sorte] == 3) return false;
    r.cases[sorte][r.nb[sorte]++] = static_cast<std::uint8_t>(inverse ? NB_CASES + 1 - s : s);
  }
  return true;
}

// The squares of a side's pieces in increasing order (men and kings merged).
int fusionner(const Releve& r, int camp_releve, std::uint8_t* sortie) {
  const int a = camp_releve * 2;
  int i = 0, j = 0, n = 0;
  while (i < r.nb[a] || j < r.nb[a + 1]) {
    if (j >= r.nb[a + 1] || (i < r.nb[a] && r.cases[a][i] < r.cases[a + 1][j]))
      sortie[n++] = r.cases[a][i++];
    else
      sortie[n++] = r.cases[a + 1][j++];
  }
  return n;
}

std::int32_t indice(const ClasseBase& c, const Releve& r) {
  if (r.nb[0] != c.pions_trait || r.nb[1] != c.dames_trait || r.nb[2] != c.pions_autre || r.nb[3] != c.dames_autre)
    return -1;
  const int nb_trait = r.nb[0] + r.nb[1];
  const int fort = nb_trait > r.nb[2] + r.nb[3] ? 0 : 1;  // the side with more pieces
  std::uint8_t forts[3], faible[3];
  fusionner(r, fort, forts);
  fusionner(r, 1 - fort, faible);
  switch (c.indexation) {
    case Indexation::DEUX: {
      const int a = r.nb[0] ? r.cases[0][0] : r.cases[1][0];  // the side to move's piece
      const int b = r.nb[2] ? r.cases[2][0] : r.cases[3][0];
      return a * 32 + b;
    }
    case Indexation::PAIRE:
      return (faible[0] - 1) * 496 + paire(forts[0], forts[1]);
    case Indexation::TROIS: {
      std::uint8_t xyz[3];
      int n = 0;
      for (int sorte = 0; sorte < 4; ++sorte)
        for (int i = 0; i < r.nb[sorte]; ++i) xyz[n++] = r.cases[sorte][i];
      return (xyz[0] - 1) * 1024 + (xyz[1] - 1) * 32 + (xyz[2] - 1);
    }
    case Indexation::TRIPLE:
      return (faible[0] - 1) * 4960 + triple(forts[0], forts[1], forts[2]);
    case Indexation::PAIRE_DEUX: {
      const int a = fort * 2;  // the strong side's men, a + 1 its kings
      const int seul = r.nb[a] == 1 ? a : a + 1;
      const int deux = seul == a ? a + 1 : a;
      return (faible[0] - 1) * 16368 + (r.cases[seul][0] - 1) * 496 + paire(r.cases[deux][0], r.cases[deux][1]);
    }
  }
  return -1;
}

// 64-bit FNV-1a: a few milliseconds for all the tables, and any changed
// byte changes it.
std::uint64_t somme(const void* donnees, std::size_t taille) {
  std::uint64_t h = 0xCBF29CE484222325ull;
  const auto* p = static_cast<const std::uint8_t*>(donnees);
  for (std::size_t i = 0; i < taille; ++i) h = (h ^ p[i]) * 0x100000001B3ull;
  return h;
}

std::string nom_fichier(const ClasseBase& c) { return std::string(c.nom) + ".bib"; }

// The checksums recorded in `dossier`, by class; lines that name no table or
// do not read as a number are passed over.
std::array<std::optional<std::uint64_t>, NB_BASES> sommes_enregistrees(const std::filesystem::path& dossier) {
  std::array<std::optional<std::uint64_t>, NB_BASES> sommes{};
  const auto octets = lire_fichier(dossier / FICHIER_SOMMES_BASES, 4096);
  if (!octets) return sommes;
  std::istringstream lignes(std::string(octets->begin(), octets->end()));
  std::string nom, chiffres;
  while (lignes >> nom >> chiffres) {
    std::uint64_t v = 0;
    const auto [fin, ec] = std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), v, 16);
    if (ec != std::errc{} || fin != chiffres.data() + chiffres.size()) continue;
    for (int k = 0; k < NB_BASES; ++k)
      if (nom == nom_fichier(CLASSES_BASES[k])) sommes[k] = v;
  }
  return sommes;
}

}  // namespace

std::int8_t* table_base(int classe) { return bases_finales + DEBUTS[classe]; }

std::string texte_sommes_bases() {
  std::string texte;
  char chiffres[17];
  for (int k = 0; k < NB_BASES; ++k) {
    std::snprintf(chiffres, sizeof chiffres, "%016llx",
                  static_cast<unsigned long long>(somme(table_base(k), CLASSES_BASES[k].taille)));
    texte += nom_fichier(CLASSES_BASES[k]) + " " + chiffres + "\r\n";
  }
  return texte;
}

int charger_bases(const std::filesystem::path& dossier) {
  const auto sommes = sommes_enregistrees(dossier);
  int chargees = 0;
  for (int k = 0; k < NB_BASES; ++k) {
    const ClasseBase& c = CLASSES_BASES[k];
    const auto octets = lire_fichier(dossier / nom_fichier(c), c.taille + 1);
    std::int8_t* t = table_base(k);
    if (octets && octets->size() == c.taille && somme(octets->data(), c.taille) == sommes[k]) {
      std::memcpy(t, octets->data(), c.taille);
      base_utilisable[k] = 1;
      ++chargees;
    } else {
      // Not this class's table, or not the one recorded: the class is left
      // unusable, so the search evaluates such positions normally instead of
      // trusting wrong bytes.
      std::memset(t, 0, c.taille);
      base_utilisable[k] = 0;
    }
  }
  return chargees;
}

int charger_bases() { return charger_bases(repertoire_depart); }

int classe_base(const std::uint8_t cases[33], Camp camp) {
  Releve r;
  if (!relever(cases, camp, false, r)) return -1;
  for (int k = 0; k < NB_BASES; ++k) {
    const ClasseBase& c = CLASSES_BASES[k];
    if (r.nb[0] == c.pions_trait && r.nb[1] == c.dames_trait && r.nb[2] == c.pions_autre && r.nb[3] == c.dames_autre)
      return k;
  }
  return -1;
}

std::int32_t indice_base(int classe, const std::uint8_t cases[33], Camp camp) {
  if (classe < 0 || classe >= NB_BASES) return -1;
  const ClasseBase& c = CLASSES_BASES[classe];
  Releve r;
  // Kings move alike both ways: their tables are read with the squares as
  // they stand, whichever side is to move.
  if (!relever(cases, camp, !que_des_dames(c), r)) return -1;
  const std::int32_t i = indice(c, r);
  return i >= 0 && i < static_cast<std::int32_t>(c.taille) ? i : -1;
}

Score sonder_base(int classe, Camp trait_racine, int ply) {
  if (classe < 0 || classe >= NB_BASES || !base_utilisable[classe]) return SANS_BASE;
  const bool racine_au_trait = ply % 2 != 0;
  const Camp camp = racine_au_trait ? trait_racine : adversaire(trait_racine);
  const std::int32_t i = indice_base(classe, damier, camp);
  if (i < 0) return SANS_BASE;
  const int d = table_base(classe)[i];
  int r = 0;
  if (d > 0) r = SCORE_INFINI - d - ply;
  if (d < 0) r = -SCORE_INFINI - d + ply;
  return static_cast<Score>(racine_au_trait ? r : -r);
}

Score sonde_dod(Camp t, int ply) { return sonder_base(BASE_DOD, t, ply); }
Score sonde_pod(Camp t, int ply) { return sonder_base(BASE_POD, t, ply); }
Score sonde_dop(Camp t, int ply) { return sonder_base(BASE_DOP, t, ply); }
Score sonde_pop(Camp t, int ply) { return sonder_base(BASE_POP, t, ply); }
Score sonde_ddod(Camp t, int ply) { return sonder_base(BASE_DDOD, t, ply); }
Score sonde_dodd(Camp t, int ply) { return sonder_base(BASE_DODD, t, ply); }
Score sonde_ddop(Camp t, int ply) { return sonder_base(BASE_DDOP, t, ply); }
Score sonde_podd(Camp t, int ply) { return sonder_base(BASE_PODD, t, ply); }
Score sonde_pdod(Camp t, int ply) { return sonder_base(BASE_PDOD, t, ply); }
Score sonde_dopd(Camp t, int ply) { return sonder_base(BASE_DOPD, t, ply); }
Score sonde_pdop(Camp t, int ply) { return sonder_base(BASE_PDOP, t, ply); }
Score sonde_popd(Camp t, int ply) { return sonder_base(BASE_POPD, t, ply); }
Score sonde_ppod(Camp t, int ply) { return sonder_base(BASE_PPOD, t, ply); }
Score sonde_dopp(Camp t, int ply) { return sonder_base(BASE_DOPP, t, ply); }
Score sonde_ppop(Camp t, int ply) { return sonder_base(BASE_PPOP, t, ply); }
Score sonde_popp(Camp t, int ply) { return sonder_base(BASE_POPP, t, ply); }
Score sonde_dddod(Camp t, int ply) { return sonder_base(BASE_DDDOD, t, ply); }
Score sonde_doddd(Camp t, int ply) { return sonder_base(BASE_DODDD, t, ply); }
Score sonde_pddod(Camp t, int ply) { return sonder_base(BASE_PDDOD, t, ply); }
Score sonde_dopdd(Camp t, int ply) { return sonder_base(BASE_DOPDD, t, ply); }
Score sonde_ppdod(Camp t, int ply) { return sonder_base(BASE_PPDOD, t, ply); }
Score sonde_doppd(Camp t, int ply) { return sonder_base(BASE_DOPPD, t, ply); }

bool sonder_finale(Camp trait_racine, int ply, Score& score) {
  const Camp camp = ply % 2 != 0 ? trait_racine : adversaire(trait_racine);
  const int k = classe_base(damier, camp);
  if (k < 0) return false;
  const Score v = sonder_base(k, trait_racine, ply);
  if (v == SANS_BASE) return false;
  // In the four-piece classes only a draw or a clear outcome ends the node.
  if (CLASSES_BASES[k].groupe == 2 && v != 0 && v >= -1000 && v <= 1000) return false;
  score = v;
  return true;
}
