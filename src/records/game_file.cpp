#include "records/game_file.h"

#include <algorithm>
#include <cstring>

#include "game/catalogue.h"
#include "game/clocks.h"
#include "game/end.h"
#include "game/levels.h"
#include "records/files.h"
#include "rules/moves.h"
#include "rules/notation.h"
#include "search/table.h"


namespace {

constexpr int NB_LANGUES_FICHIER = 6;

template <class T>
void poser(std::uint8_t* octets, std::size_t position, T valeur) {
  std::memcpy(octets + position, &valeur, sizeof valeur);
}
template <class T>
T prendre(const std::uint8_t* octets, std::size_t position) {
  T valeur;
  std::memcpy(&valeur, octets + position, sizeof valeur);
  return valeur;
}

bool niveau_connu(int n) {
  return n < NB_NIVEAUX || (n >= PREMIER_SPECIAL && n <= NIVEAU_AUTRE);
}

bool taille_connue(std::int32_t taille) {
  if (taille == 0) return true;
  for (const ChoixTaille& c : CHOIX_TAILLES)
    if (c.taille == taille) return true;
  return false;
}

// A reason of the catalogue in a language, with its numbers.
std::string raison_en(int langue, const char* cle, std::initializer_list<long long> nombres = {}) {
  std::vector<std::string> valeurs;
  for (long long n : nombres) valeurs.push_back(std::to_string(n));
  return remplir_texte(texte_langue(langue, cle), valeurs);
}

// What no game the program records can hold, or "" for a possible record.
std::string faute_du_record(const ContenuPartie& c, int langue) {
  const int dernier = c.partie[0].position[0];
  if (dernier > DERNIER_DEMI_COUP) return raison_en(langue, "msg.fichier.dernier_demi_coup", {dernier});
  if (c.nb_demi_coups > dernier) return raison_en(langue, "msg.fichier.demi_coup_courant", {c.nb_demi_coups, dernier});
  if (c.trait > 1) return raison_en(langue, "msg.fichier.trait", {c.trait});
  for (int k = 0; k < TAILLE_PARTIE; ++k) {
    const EntreePartie& e = c.partie[k];
    for (int s = 1; s <= NB_CASES; ++s)
      if (e.position[s] > DAME_NOIRE) return raison_en(langue, "msg.fichier.code_piece", {e.position[s], k});
    if (e.depart > NB_CASES || e.arrivee > NB_CASES) return raison_en(langue, "msg.fichier.case", {k});
    // A recorded ply goes from a square to another (entry 254's squares
    // carry settings).
    if (k >= 1 && k <= dernier && k < DERNIER_DEMI_COUP && (e.depart == 0 || e.arrivee == 0))
      return raison_en(langue, "msg.fichier.sans_cases", {k});
  }
  return {};
}

// The result the final position decides, for files written before the
// result was kept: the side to move there without a move has lost, a full
// record is a draw, anything else has no result. The generator runs on the
// game board, which is put back.
int resultat_de_la_fin(const ContenuPartie& c) {
  const int dernier = c.partie[0].position[0];
  const Camp camp = (dernier - c.nb_demi_coups) % 2 == 0 ? c.trait : adversaire(c.trait);
  PlateauGarde garde;
  garde.prendre();
  std::memcpy(damier, c.partie[dernier].position, sizeof damier);
  damier[0] = HORS_DAMIER;
  const int n = coups_legaux(camp);
  garde.rendre();
  if (n == 0) return camp == BLANCS ? NOIRS_GAGNENT : BLANCS_GAGNENT;
  return dernier == DERNIER_DEMI_COUP ? PARTIE_NULLE : SANS_RESULTAT;
}

// Entry 254's squares carry the language and the level in the file: when
// it is a ply, its squares are found again from the positions before and
// after it (left as read when no legal move joins them). The generator runs
// on the game board, which is put back.
void retrouver_dernier_demi_coup(EntreePartie* record) {
  const EntreePartie& avant = record[DERNIER_DEMI_COUP - 1];
  EntreePartie& e = record[DERNIER_DEMI_COUP];
  PlateauGarde garde;
  garde.prendre();
  bool trouve = false;
  for (const Camp camp : {BLANCS, NOIRS}) {
    std::memcpy(damier, avant.position, sizeof damier);
    damier[0] = HORS_DAMIER;
    const int n = coups_legaux(camp);
    for (int i = 0; i < n && !trouve; ++i) {
      const Coup m = listes_coups[1][i];
      std::memcpy(damier, avant.position, sizeof damier);
      damier[0] = HORS_DAMIER;
      recalculer_masques();
      jouer_coup(m);
      if (std::memcmp(damier + 1, e.position + 1, NB_CASES) == 0) {
        e.depart = m.depart;
        e.arrivee = m.arrivee;
        trouve = true;
      }
    }
  }
  garde.rendre();
}

}  // namespace

std::vector<std::uint8_t> encoder_partie(const ContenuPartie& c) {
  std::vector<std::uint8_t> octets(TAILLE_FICHIER_PARTIE);
  std::memcpy(octets.data(), c.partie, sizeof c.partie);
  octets[POSITION_NB_DEMI_COUPS] = c.nb_demi_coups;
  octets[POSITION_TRAIT] = c.trait;
  const ReglagesPartie& r = c.reglages;
  poser<std::int32_t>(octets.data(), POSITION_MINUTES_AUTRE, r.minutes_autre);
  poser<std::int32_t>(octets.data(), POSITION_TAILLE_TABLES, r.taille_tables);  // sign-extended
  poser<std::uint8_t>(octets.data(), POSITION_LANGUE, r.langue);
  poser<std::uint8_t>(octets.data(), POSITION_NIVEAU, r.niveau);
  poser<std::int32_t>(octets.data(), POSITION_BUDGET, r.budget_reflexion);
  poser<std::int32_t>(octets.data(), POSITION_LIMITE, r.temps_limite);
  const bool connu = c.resultat >= NOIRS_GAGNENT && c.resultat <= SANS_RESULTAT;
  octets[POSITION_RESULTAT] = static_cast<std::uint8_t>(connu ? c.resultat + 1 : 0);
  return octets;
}

bool decoder_partie(const std::uint8_t* octets, std::size_t taille, ContenuPartie& c, std::string& raison,
                    int langue) {
  if (taille != TAILLE_FICHIER_PARTIE) {
    raison = raison_en(langue, "msg.fichier.taille",
                       {static_cast<long long>(taille), static_cast<long long>(TAILLE_FICHIER_PARTIE)});
    return false;
  }
  std::memcpy(c.partie, octets, sizeof c.partie);
  // A name is its field's first 19 bytes at most: every later reader of the
  // record finds its zero.
  for (EntreePartie& e : c.partie) e.nom_blancs[LONGUEUR_NOM - 1] = e.nom_noirs[LONGUEUR_NOM - 1] = 0;
  c.nb_demi_coups = octets[POSITION_NB_DEMI_COUPS];
  c.trait = octets[POSITION_TRAIT];
  raison = faute_du_record(c, langue);
  if (!raison.empty()) return false;
  if (c.partie[0].position[0] == DERNIER_DEMI_COUP) retrouver_dernier_demi_coup(c.partie);
  const int code_resultat = octets[POSITION_RESULTAT];
  c.resultat = code_resultat >= 1 && code_resultat <= SANS_RESULTAT + 1 ? code_resultat - 1 : resultat_de_la_fin(c);

  // A clock below zero or beyond any game's is bounded: the game stays
  // readable and the time arithmetic within 32 bits. (The settings are read
  // from the bytes, not from these fields.)
  for (EntreePartie& e : c.partie)
    for (std::int32_t* t : {&e.temps_blancs, &e.temps_noirs}) *t = std::clamp(*t, 0, HORLOGE_MAX);

  ReglagesPartie& r = c.reglages;
  r.minutes_autre = prendre<std::int32_t>(octets, POSITION_MINUTES_AUTRE);
  const auto taille_lue = prendre<std::int32_t>(octets, POSITION_TAILLE_TABLES);
  r.taille_tables = taille_connue(taille_lue) ? static_cast<std::int16_t>(taille_lue) : 0;
  r.langue = octets[POSITION_LANGUE];
  r.niveau = octets[POSITION_NIVEAU];
  r.budget_reflexion = prendre<std::int32_t>(octets, POSITION_BUDGET);
  r.temps_limite = prendre<std::int32_t>(octets, POSITION_LIMITE);
  if (r.budget_reflexion == 0 || r.temps_limite == 0) {
    // Written without settings: those fields are the game's.
    r.budget_reflexion = BUDGET_SANS_REGLAGES;
    r.temps_limite = LIMITE_SANS_REGLAGES;
    r.minutes_autre = MINUTES_SANS_REGLAGES;
    r.niveau = NIVEAU_SANS_REGLAGES;
    r.langue = LANGUE_SANS_REGLAGES;
    return true;
  }
  if (r.langue >= NB_LANGUES_FICHIER) raison = raison_en(langue, "msg.fichier.langue", {r.langue});
  else if (!niveau_connu(r.niveau)) raison = raison_en(langue, "msg.fichier.niveau", {r.niveau});
  else if (r.budget_reflexion < 0 || r.temps_limite < 0) raison = raison_en(langue, "msg.fichier.temps_negatif");
  else if (r.budget_reflexion > BUDGET_MAX) raison = raison_en(langue, "msg.fichier.budget", {r.budget_reflexion});
  else if (r.temps_limite > LIMITE_MAX) raison = raison_en(langue, "msg.fichier.limite", {r.temps_limite});
  return raison.empty();
}

ContenuPartie partie_courante(std::uint8_t langue) {
  ContenuPartie c;
  std::memcpy(c.partie, partie, sizeof partie);
  c.partie[0].position[0] = static_cast<std::uint8_t>(dernier_demi_coup);
  c.nb_demi_coups = nb_demi_coups;
  c.trait = trait;
  c.reglages = {minutes_autre, taille_tables, langue, niveau, budget_reflexion, temps_limite};
  c.resultat = resultat_partie;
  return c;
}

bool ecrire_partie(const std::filesystem::path& chemin, std::uint8_t langue) {
  const std::vector<std::uint8_t> octets = encoder_partie(partie_courante(langue));
  return ecrire_fichier_sur(chemin, octets.data(), octets.size());
}

std::optional<ContenuPartie> lire_contenu_partie(const std::filesystem::path& chemin, std::string& raison,
                                                 int langue) {
  bool trop_long = false;
  const auto octets = lire_fichier(chemin, TAILLE_FICHIER_PARTIE + 1, &trop_long);
  if (!octets) {
    raison = raison_en(langue, "msg.fichier.illisible");
    return std::nullopt;
  }
  ContenuPartie c;
  if (!decoder_partie(octets->data(), octets->size(), c, raison, langue)) {
    if (trop_long) raison = raison_en(langue, "msg.fichier.trop_long", {static_cast<long long>(TAILLE_FICHIER_PARTIE)});
    return std::nullopt;
  }
  return c;
}

void appliquer_partie(const ContenuPartie& c) {
  // The end shown on the board was that of the game before.
  oublier_fin();
  std::memcpy(partie, c.partie, sizeof partie);
  // The file keeps the last recorded ply in entry 0's unused first byte.
  dernier_demi_coup = c.partie[0].position[0];
  partie[0].position[0] = HORS_DAMIER;
  trait_depart = c.nb_demi_coups % 2 == 0 ? c.trait : adversaire(c.trait);
  trait_fin = trait_au_demi_coup(dernier_demi_coup);
  const EntreePartie& e = partie[c.nb_demi_coups];
  char blanc[LONGUEUR_NOM], noir[LONGUEUR_NOM];
  std::memcpy(blanc, e.nom_blancs, LONGUEUR_NOM);
  std::memcpy(noir, e.nom_noirs, LONGUEUR_NOM);
  blanc[LONGUEUR_NOM - 1] = noir[LONGUEUR_NOM - 1] = 0;
  nommer_joueur(nom_joueur_blanc, blanc);
  nommer_joueur(nom_joueur_noir, noir);
  aller_au_demi_coup(c.nb_demi_coups);
  const ReglagesPartie& r = c.reglages;
  minutes_autre = r.minutes_autre;
  niveau = r.niveau;
  budget_reflexion = r.budget_reflexion;
  temps_limite = r.temps_limite;
  resultat_partie = c.resultat;
}

bool lire_partie(const std::filesystem::path& chemin, std::uint8_t& langue, std::string& raison) {
  const std::optional<ContenuPartie> c = lire_contenu_partie(chemin, raison, LANGUE_RAISONS);
  if (!c) return false;
  appliquer_partie(*c);
  taille_tables = c->reglages.taille_tables;
  langue = c->reglages.langue;
  return true;
}

std::vector<std::string> lignes_liste_coups(const EntreePartie* record, int dernier) {
  std::vector<std::string> lignes;
  auto demi_coup = [record](int h) {
    return DemiCoup{record[h].depart, record[h].arrivee, record[h].nb_prises != 0};
  };
  for (int h = 1; h <= dernier && h <= DERNIER_DEMI_COUP; ++h) {
    const LigneListe l = ligne_liste_coups(h, dernier, demi_coup(h), demi_coup(h - 1));
    if (l.index < static_cast<int>(lignes.size()))
      lignes[static_cast<std::size_t>(l.index)] = l.texte;
    else
      lignes.push_back(l.texte);
  }
  return lignes;
}
