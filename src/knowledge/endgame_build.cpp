// Retrograde analysis of the endgame classes.
//
// A stored byte d is the outcome for the side to move, in plies: a win whose
// last move leaves the opponent without a piece or a move after n plies is
// n + 1; a loss that comes after n plies is -(n + 1). The one is added so that
// a side already without a move reads -1, not 0 (a draw). So a position's
// value follows from its successors' values v: a move into v < 0 wins in
// -v + 1, a move into v > 0 loses in v + 1; the side picks the shortest win,
// else a draw, else the longest defence. Wins are even, losses odd.
#include "knowledge/endgame_build.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "knowledge/endgame.h"
#include "records/files.h"
#include "rules/fen.h"
#include "rules/generation.h"
#include "rules/moves.h"

namespace {

constexpr int AUCUN = 1000;       // no move of this kind
constexpr int DISTANCE_MAX = 127;  // a stored byte
constexpr std::uint32_t ADVERSAIRE_SANS_PIECE = 0xFFFFFFFFu;

// The value for the mover of a move into a position worth v to the opponent.
constexpr int suite(int v) { return v < 0 ? -v + 1 : v > 0 ? -(v + 1) : 0; }

// Larger is better for the mover: short wins, then draws, then long defences.
constexpr int rang(int v) { return v > 0 ? 1000 - v : v == 0 ? 0 : -1000 - v; }
constexpr int meilleur(int a, int b) { return a == AUCUN ? b : b == AUCUN ? a : (rang(a) >= rang(b) ? a : b); }

// The class with the sides exchanged (itself for "dod" and "pop").
int classe_miroir(int k) {
  const ClasseBase& c = CLASSES_BASES[k];
  for (int j = 0; j < NB_BASES; ++j) {
    const ClasseBase& d = CLASSES_BASES[j];
    if (d.pions_trait == c.pions_autre && d.dames_trait == c.dames_autre && d.pions_autre == c.pions_trait &&
        d.dames_autre == c.dames_trait)
      return j;
  }
  return -1;
}

// Calls f(offset) with damier holding each legal placement of class k, white
// (the side to move) going toward 1..4. Like pieces stand in increasing
// squares, so each placement comes once; no man stands on its crowning row.
template <class F>
void pour_chaque_placement(int k, F&& f) {
  const ClasseBase& c = CLASSES_BASES[k];
  Piece pieces[4];
  int n = 0;
  for (int i = 0; i < c.pions_trait; ++i) pieces[n++] = PION_BLANC;
  for (int i = 0; i < c.dames_trait; ++i) pieces[n++] = DAME_BLANCHE;
  for (int i = 0; i < c.pions_autre; ++i) pieces[n++] = PION_NOIR;
  for (int i = 0; i < c.dames_autre; ++i) pieces[n++] = DAME_NOIRE;
  std::memset(damier, VIDE, sizeof damier);
  damier[0] = HORS_DAMIER;
  auto poser = [&](auto&& soi, int i, int premiere) -> void {
    if (i >= n || i >= 4) {
      f(indice_base(k, damier, BLANCS));
      return;
    }
    const Piece p = pieces[i];
    const int debut = (i > 0 && pieces[i - 1] == p) ? premiere : 1;
    for (int s = debut; s <= NB_CASES; ++s) {
      if (damier[s] != VIDE) continue;
      if (case_couronnement(p, static_cast<Case>(s))) continue;
      damier[s] = p;
      soi(soi, i + 1, s + 1);
      damier[s] = VIDE;
    }
  };
  poser(poser, 0, 1);
}

// Plays every move of white on damier and calls f(classe, offset) for the
// position reached, black to move (ADVERSAIRE_SANS_PIECE: black has nothing
// left). Returns the number of moves; damier is unchanged afterwards.
template <class F>
int pour_chaque_suite(F&& f) {
  prof_courante = 2;
  recalculer_masques();
  const int n = lister_coups(BLANCS);
  std::uint8_t sauvegarde[33];
  std::memcpy(sauvegarde, damier, sizeof sauvegarde);
  for (int i = 0; i < n; ++i) {
    jouer_coup(listes_coups[2][i]);
    bool noirs = false;
    for (int s = 1; s <= NB_CASES && !noirs; ++s) noirs = est_noir(damier[s]);
    if (!noirs) {
      f(-1, ADVERSAIRE_SANS_PIECE);
    } else {
      const int k = classe_base(damier, NOIRS);
      f(k, k < 0 ? 0u : static_cast<std::uint32_t>(indice_base(k, damier, NOIRS)));
    }
    std::memcpy(damier, sauvegarde, sizeof sauvegarde);
    recalculer_masques();
  }
  trait = BLANCS;
  return n;
}

// The solver works on damier and the move lists: the game position is put
// back afterwards.
struct PositionGardee {
  std::uint8_t damier_sauve[33];
  Camp trait_sauve = trait;
  PositionGardee() {
    std::memcpy(damier_sauve, damier, sizeof damier_sauve);
    preparer_listes();
  }
  ~PositionGardee() {
    std::memcpy(damier, damier_sauve, sizeof damier_sauve);
    recalculer_masques();
    trait = trait_sauve;
  }
};

std::string fen_damier() { return ecrire_fen(position_courante()); }

std::string message(int k, const std::string& texte) {
  return std::string(CLASSES_BASES[k].nom) + ": " + fen_damier() + ": " + texte;
}

// Solves class k together with its mirror class, the classes its captures
// and crownings lead into being solved already.
bool resoudre_paire(int k, const std::vector<std::uint8_t>& resolue, std::string& erreur) {
  const int m = classe_miroir(k);
  const int classes[2] = {k, m};
  const int nb_classes = m == k ? 1 : 2;
  std::uint32_t base[2] = {0, CLASSES_BASES[k].taille};
  const std::uint32_t total = base[0] + (nb_classes == 2 ? base[1] + CLASSES_BASES[m].taille : base[1]);
  auto membre = [&](int j) { return j == k ? 0 : (j == m ? 1 : -1); };

  std::vector<std::uint8_t> valide(total, 0), restant(total, 0), fixe(total, 0), en_attente(total, 0);
  std::vector<std::int16_t> externe(total, AUCUN);
  std::vector<std::uint32_t> origines, arrivees;  // moves that stay within the pair
  std::vector<std::uint32_t> seaux[DISTANCE_MAX + 2];
  bool ok = true;
  bool trop_long = false;
  auto pousser = [&](int niveau, std::uint32_t id) {
    if (niveau > DISTANCE_MAX) {
      trop_long = true;
      return;
    }
    seaux[niveau].push_back(id);
  };

  for (int c = 0; c < nb_classes && ok; ++c) {
    pour_chaque_placement(classes[c], [&](std::int32_t off) {
      if (!ok) return;
      const std::uint32_t id = base[c] + static_cast<std::uint32_t>(off);
      valide[id] = 1;
      int ext = AUCUN;
      const int nb = pour_chaque_suite([&](int j, std::uint32_t off2) {
        if (off2 == ADVERSAIRE_SANS_PIECE) {
          ext = meilleur(ext, suite(-1));
        } else if (j < 0) {
          erreur = message(classes[c], "a move leads out of the covered material");
          ok = false;
        } else if (membre(j) >= 0) {
          origines.push_back(id);
          arrivees.push_back(base[membre(j)] + off2);
          ++restant[id];
        } else if (!resolue[j]) {
          erreur = message(classes[c], std::string("leads into unsolved class ") + CLASSES_BASES[j].nom);
          ok = false;
        } else {
          ext = meilleur(ext, suite(table_base(j)[off2]));
        }
      });
      externe[id] = static_cast<std::int16_t>(ext);
      if (nb == 0) {
        pousser(1, id);  // no move: lost at once
      } else if (ext != AUCUN && ext > 0) {
        en_attente[id] = static_cast<std::uint8_t>(std::min(ext, 255));
        pousser(ext, id);
      } else if (restant[id] == 0 && ext < 0) {
        pousser(-ext, id);
      }
    });
  }
  if (!ok) return false;

  // Predecessors within the pair, grouped by the position they reach.
  std::vector<std::uint32_t> debut(total + 1, 0);
  for (std::uint32_t a : arrivees) ++debut[a + 1];
  for (std::uint32_t i = 0; i < total; ++i) debut[i + 1] += debut[i];
  std::vector<std::uint32_t> predecesseurs(origines.size());
  {
    std::vector<std::uint32_t> pos(debut.begin(), debut.end() - 1);
    for (std::size_t e = 0; e < origines.size(); ++e) predecesseurs[pos[arrivees[e]]++] = origines[e];
  }
  std::vector<std::uint32_t>().swap(origines);
  std::vector<std::uint32_t>().swap(arrivees);

  std::vector<std::int8_t> valeur(total, 0);
  // Outcomes settle in order of distance, so the first distance that reaches
  // a position is its shortest win, and the last successor to settle as an
  // opponent's win gives its longest defence.
  for (int niveau = 1; niveau <= DISTANCE_MAX && !trop_long; ++niveau) {
    for (std::size_t i = 0; i < seaux[niveau].size(); ++i) {
      const std::uint32_t id = seaux[niveau][i];
      if (fixe[id]) continue;
      fixe[id] = 1;
      const bool gain = niveau % 2 == 0;
      valeur[id] = static_cast<std::int8_t>(gain ? niveau : -niveau);
      for (std::uint32_t e = debut[id]; e < debut[id + 1]; ++e) {
        const std::uint32_t q = predecesseurs[e];
        if (fixe[q]) continue;
        if (!gain) {
          if (en_attente[q] == 0 || en_attente[q] > niveau + 1) {
            en_attente[q] = static_cast<std::uint8_t>(std::min(niveau + 1, 255));
            pousser(niveau + 1, q);
          }
        } else if (--restant[q] == 0 && en_attente[q] == 0 && externe[q] != 0) {
          pousser(std::max(niveau + 1, externe[q] == AUCUN ? 0 : -externe[q]), q);
        }
      }
    }
    std::vector<std::uint32_t>().swap(seaux[niveau]);
  }
  if (trop_long) {
    erreur = std::string(CLASSES_BASES[k].nom) + ": a distance does not fit a byte";
    return false;
  }
  for (int c = 0; c < nb_classes; ++c) {
    std::int8_t* t = table_base(classes[c]);
    std::memcpy(t, valeur.data() + base[c], CLASSES_BASES[classes[c]].taille);
    base_utilisable[classes[c]] = 1;
  }
  return true;
}

}  // namespace

bool construire_bases(std::string& erreur) {
  const PositionGardee garde;
  std::memset(bases_finales, 0, sizeof bases_finales);
  std::memset(base_utilisable, 0, sizeof base_utilisable);
  // Fewer pieces first, then fewer men: a capture removes a piece and a
  // crowning turns a man into a king, so every move out of a class leads
  // into one solved before it.
  int ordre[NB_BASES];
  for (int k = 0; k < NB_BASES; ++k) ordre[k] = k;
  auto cle = [](int k) {
    const ClasseBase& c = CLASSES_BASES[k];
    const int pions = c.pions_trait + c.pions_autre;
    return (pions + c.dames_trait + c.dames_autre) * 10 + pions;
  };
  std::stable_sort(ordre, ordre + NB_BASES, [&](int a, int b) { return cle(a) < cle(b); });
  std::vector<std::uint8_t> resolue(NB_BASES, 0);
  for (int k : ordre) {
    if (resolue[k]) continue;
    if (!resoudre_paire(k, resolue, erreur)) return false;
    resolue[k] = 1;
    resolue[classe_miroir(k)] = 1;
  }
  bases_chargees = 1;
  return true;
}

bool ecrire_bases(const std::filesystem::path& dossier) {
  // One set: a write that fails half way leaves the old files, not a mixture.
  std::vector<FichierAEcrire> fichiers;
  for (int k = 0; k < NB_BASES; ++k) {
    const ClasseBase& c = CLASSES_BASES[k];
    fichiers.push_back({dossier / (std::string(c.nom) + ".bib"), table_base(k), c.taille});
  }
  const std::string sommes = texte_sommes_bases();
  fichiers.push_back({dossier / FICHIER_SOMMES_BASES, sommes.data(), sommes.size()});
  return ecrire_fichiers_sur(fichiers);
}

bool verifier_bases(std::string& erreur) {
  const PositionGardee garde;
  for (int k = 0; k < NB_BASES; ++k) {
    const ClasseBase& c = CLASSES_BASES[k];
    const std::int8_t* t = table_base(k);
    std::vector<std::uint8_t> adresse(c.taille, 0);
    bool ok = true;
    pour_chaque_placement(k, [&](std::int32_t off) {
      if (!ok) return;
      adresse[static_cast<std::uint32_t>(off)] = 1;
      int attendu = AUCUN;
      const int nb = pour_chaque_suite([&](int j, std::uint32_t off2) {
        if (off2 == ADVERSAIRE_SANS_PIECE)
          attendu = meilleur(attendu, suite(-1));
        else if (j < 0)
          ok = false;
        else
          attendu = meilleur(attendu, suite(table_base(j)[off2]));
      });
      if (nb == 0) attendu = -1;
      if (!ok) {
        erreur = message(k, "a move leads out of the covered material");
      } else if (attendu != t[off]) {
        erreur = message(k, "stored " + std::to_string(t[off]) + ", its moves give " + std::to_string(attendu));
        ok = false;
      }
    });
    if (!ok) return false;
    for (std::uint32_t i = 0; i < c.taille; ++i)
      if (!adresse[i] && t[i] != 0) {
        erreur = std::string(c.nom) + ": offset " + std::to_string(i) + " addresses no position but holds " +
                 std::to_string(t[i]);
        return false;
      }
  }
  return true;
}

BilanBase bilan_base(int classe) {
  BilanBase b;
  const std::int8_t* t = table_base(classe);
  std::vector<std::uint8_t> adresse(CLASSES_BASES[classe].taille, 0);
  {
    const PositionGardee garde;
    pour_chaque_placement(classe, [&](std::int32_t off) { adresse[static_cast<std::uint32_t>(off)] = 1; });
  }
  for (std::uint32_t i = 0; i < CLASSES_BASES[classe].taille; ++i) {
    if (!adresse[i]) {
      ++b.inutilises;
      continue;
    }
    const int d = t[i];
    if (d > 0) {
      ++b.gains;
      b.plus_long_gain = std::max(b.plus_long_gain, d);
    } else if (d < 0) {
      ++b.pertes;
      b.plus_longue_perte = std::max(b.plus_longue_perte, -d);
    } else {
      ++b.nulles;
    }
  }
  return b;
}
