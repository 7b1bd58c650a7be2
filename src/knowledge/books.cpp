#include "knowledge/books.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "game/game.h"
#include "records/files.h"
#include "rules/etat.h"
#include "rules/moves.h"

std::vector<std::string> ouvertures_blancs;
std::vector<std::string> ouvertures_noirs;
CoupBibliotheque coups_bibliotheque[MAX_COUPS_BIBLIOTHEQUE];
int nb_coups_bibliotheque = 0;
std::uint8_t bibliotheque_active = 1;
ETAT_MOTEUR(ouvertures_blancs, ouvertures_noirs, coups_bibliotheque, nb_coups_bibliotheque, bibliotheque_active);

namespace {

constexpr std::size_t TAILLE_MAX_LIVRE = 16u << 20;  // a book file is read up to 16 MB

// Displayed number n (1..32) is internal square 33 - n; anything else is 0.
Case case_du_numero(int n) { return (n >= 1 && n <= NB_CASES) ? static_cast<Case>(NB_CASES + 1 - n) : 0; }
int numero_de_case(Case s) { return NB_CASES + 1 - s; }

int chiffre(char c) { return (c >= '0' && c <= '9') ? c - '0' : -1; }

// Reads one number at `i`: one digit when the next character is a
// separator, else two characters (" 9" or "19"). Advances past the number
// and the single separator that follows it. Unreadable: 0.
Case lire_numero(const std::string& l, std::size_t& i) {
  int n = -1;
  if (i + 1 < l.size() && (l[i + 1] == '-' || l[i + 1] == 'x')) {
    n = chiffre(l[i]);
    i += 2;
  } else {
    if (i < l.size()) {
      const char a = l[i];
      const char b = i + 1 < l.size() ? l[i + 1] : '\0';
      const int db = chiffre(b);
      if (db >= 0 && a == ' ')
        n = db;
      else if (db >= 0 && chiffre(a) >= 0)
        n = chiffre(a) * 10 + db;
    }
    i += 3;
  }
  return n < 0 ? 0 : case_du_numero(n);
}

std::filesystem::path fichier_du_jeu(const std::filesystem::path& chemin_ovv, const char* suffixe) {
  std::string nom = chemin_ovv.filename().string();
  if (nom.size() >= 4) nom.resize(nom.size() - 4);  // drop ".ovv"
  return chemin_ovv.parent_path() / (nom + suffixe);
}

}  // namespace

std::vector<CoupBibliotheque> lire_ligne_ouverture(const std::string& ligne, int maximum) {
  std::vector<CoupBibliotheque> coups;
  std::size_t i = 0;
  // A half-move needs at least "d-d" to start; whatever is shorter ends the line.
  while (static_cast<int>(coups.size()) < maximum && i + 1 < ligne.size()) {
    CoupBibliotheque c;
    c.depart = lire_numero(ligne, i);
    c.arrivee = lire_numero(ligne, i);
    coups.push_back(c);
  }
  return coups;
}

std::string ecrire_ligne_ouverture(const CoupBibliotheque* coups, int nombre) {
  std::string texte;
  char morceau[16];
  for (int j = 0; j < nombre; ++j) {
    std::snprintf(morceau, sizeof morceau, "%2d-%2d ", numero_de_case(coups[j].depart), numero_de_case(coups[j].arrivee));
    texte += morceau;
  }
  return texte;
}

std::string nouvelle_ouverture() {
  CoupBibliotheque coups[MAX_DEMI_COUPS_OUVERTURE];
  int n = 0;
  for (int k = 1; k <= nb_demi_coups && n < MAX_DEMI_COUPS_OUVERTURE && k < TAILLE_PARTIE; ++k) {
    if (partie[k].depart == 0) break;
    coups[n++] = {partie[k].depart, partie[k].arrivee};
  }
  return ecrire_ligne_ouverture(coups, n);
}

void trier_ouvertures(std::vector<std::string>& lignes) { std::sort(lignes.begin(), lignes.end()); }

bool charger_ouvertures(const std::filesystem::path& chemin, std::vector<std::string>& lignes) {
  lignes.clear();
  const auto contenu = lire_fichier(chemin, TAILLE_MAX_LIVRE);
  if (!contenu) return false;
  std::string ligne;
  for (const std::uint8_t octet : *contenu) {
    const char c = static_cast<char>(octet);
    if (c == '\n') {
      lignes.push_back(ligne);
      ligne.clear();
    } else if (c != '\r') {
      ligne += c;
    }
  }
  if (!ligne.empty()) lignes.push_back(ligne);
  trier_ouvertures(lignes);
  return true;
}

std::string texte_ouvertures(const std::vector<std::string>& lignes) {
  std::string texte;
  for (const std::string& l : lignes) {
    texte += l;
    texte += "\r\n";
  }
  return texte;
}

bool sauver_ouvertures(const std::filesystem::path& chemin, const std::vector<std::string>& lignes) {
  return ecrire_fichier_sur(chemin, texte_ouvertures(lignes));
}

void charger_bibliotheques() {
  charger_ouvertures(chemin_donnee("", FICHIER_OUVERTURES_BLANCS), ouvertures_blancs);
  charger_ouvertures(chemin_donnee("", FICHIER_OUVERTURES_NOIRS), ouvertures_noirs);
}

bool ligne_blanche(const std::string& ligne) { return ligne.find_first_not_of(" \t") == std::string::npos; }

int indice_coup_livre(const CoupBibliotheque& c) {
  const int n = coups_legaux(trait);
  for (int k = 0; k < n; ++k)
    if (listes_coups[1][k].depart == c.depart && listes_coups[1][k].arrivee == c.arrivee) return k;
  return -1;
}

int demi_coup_illegal(const std::vector<CoupBibliotheque>& ligne) {
  // A line may be checked from a handler run while a search pumps messages:
  // what the replay writes is put back (the board, the counts, the root's list).
  if (listes_coups == nullptr) preparer_listes();
  struct Sauvegarde {
    std::uint8_t plateau[33], pieces[5], comptes[NB_LISTES];
    Camp camp;
    std::uint32_t blancs, noirs, dames;
    Coup liste[MAX_COUPS];
    std::int8_t prof;
    Case arrivee;
  };
  auto s = std::make_unique<Sauvegarde>();
  std::memcpy(s->plateau, damier, sizeof s->plateau);
  std::memcpy(s->pieces, nb_pieces, sizeof s->pieces);
  std::memcpy(s->comptes, nb_coups, sizeof s->comptes);
  std::copy(listes_coups[1], listes_coups[1] + MAX_COUPS, s->liste);
  s->camp = trait;
  s->blancs = masque_blancs;
  s->noirs = masque_noirs;
  s->dames = masque_dames;
  s->prof = prof_courante;
  s->arrivee = derniere_arrivee;

  position_initiale();
  int refus = 0;
  for (std::size_t j = 0; j < ligne.size() && refus == 0; ++j) {
    const int k = indice_coup_livre(ligne[j]);
    if (k < 0)
      refus = static_cast<int>(j) + 1;
    else
      jouer_coup(listes_coups[1][k]);
  }

  std::memcpy(damier, s->plateau, sizeof s->plateau);
  std::memcpy(nb_pieces, s->pieces, sizeof s->pieces);
  std::memcpy(nb_coups, s->comptes, sizeof s->comptes);
  std::copy(s->liste, s->liste + MAX_COUPS, listes_coups[1]);
  trait = s->camp;
  masque_blancs = s->blancs;
  masque_noirs = s->noirs;
  masque_dames = s->dames;
  prof_courante = s->prof;
  derniere_arrivee = s->arrivee;
  return refus;
}

std::vector<LigneRefusee> retirer_lignes_illegales(std::vector<std::string>& lignes) {
  std::vector<LigneRefusee> refusees;
  std::vector<std::string> gardees;
  for (std::string& l : lignes) {
    if (ligne_blanche(l)) continue;
    const int j = demi_coup_illegal(lire_ligne_ouverture(l));
    if (j != 0)
      refusees.push_back({l, j});
    else
      gardees.push_back(std::move(l));
  }
  lignes = std::move(gardees);
  return refusees;
}

bool sauver_jeu_ouvertures(const std::filesystem::path& chemin_ovv, const std::vector<std::string>& contenu_ovv,
                           const std::vector<std::string>& blancs, const std::vector<std::string>& noirs) {
  const std::string textes[3] = {texte_ouvertures(contenu_ovv), texte_ouvertures(blancs), texte_ouvertures(noirs)};
  const std::filesystem::path chemins[3] = {chemin_ovv, fichier_du_jeu(chemin_ovv, "_b.ouv"),
                                            fichier_du_jeu(chemin_ovv, "_n.ouv")};
  std::vector<FichierAEcrire> fichiers;
  for (int i = 0; i < 3; ++i) fichiers.push_back({chemins[i], textes[i].data(), textes[i].size()});
  return ecrire_fichiers_sur(fichiers);
}

bool charger_jeu_ouvertures(const std::filesystem::path& chemin_ovv, std::vector<LigneRefusee>* refusees) {
  std::vector<std::string> blancs, noirs;
  if (!charger_ouvertures(fichier_du_jeu(chemin_ovv, "_b.ouv"), blancs)) return false;
  if (!charger_ouvertures(fichier_du_jeu(chemin_ovv, "_n.ouv"), noirs)) return false;
  for (std::vector<std::string>* livre : {&blancs, &noirs}) {
    std::vector<LigneRefusee> r = retirer_lignes_illegales(*livre);
    if (refusees) refusees->insert(refusees->end(), r.begin(), r.end());
  }
  ouvertures_blancs = std::move(blancs);
  ouvertures_noirs = std::move(noirs);
  bool ok = sauver_ouvertures(chemin_ecriture("", FICHIER_OUVERTURES_BLANCS), ouvertures_blancs);
  ok = sauver_ouvertures(chemin_ecriture("", FICHIER_OUVERTURES_NOIRS), ouvertures_noirs) && ok;
  return ok;
}

void consulter_bibliotheque() {
  nb_coups_bibliotheque = 0;
  const std::vector<std::string>& livre = trait == NOIRS ? ouvertures_noirs : ouvertures_blancs;
  const int h = nb_demi_coups;
  for (const std::string& ligne : livre) {
    const std::vector<CoupBibliotheque> coups = lire_ligne_ouverture(ligne, h + 1);
    if (static_cast<int>(coups.size()) <= h) continue;  // the line ends before the game's next move
    bool accord = true;
    for (int j = 1; j <= h && accord; ++j)
      accord = coups[j - 1].depart == partie[j].depart && coups[j - 1].arrivee == partie[j].arrivee;
    if (!accord) continue;
    const CoupBibliotheque c = coups[h];
    if (c.depart == 0 || c.arrivee == 0) continue;
    if (nb_coups_bibliotheque > 0) {
      const CoupBibliotheque& dernier = coups_bibliotheque[nb_coups_bibliotheque - 1];
      if (dernier.depart == c.depart && dernier.arrivee == c.arrivee) continue;
    }
    if (nb_coups_bibliotheque < MAX_COUPS_BIBLIOTHEQUE) coups_bibliotheque[nb_coups_bibliotheque++] = c;
  }
}
