// Exercise files, their commentaries and the solution check.
//
// A commentary file ("x.damt" beside "x.dam") is text in sections, one per
// language, each begun by a line holding only the language's code in
// brackets:
//
//   [fr]
//   Les noirs jouent et gagnent un pion.
//   ...
//   [en]
//   Black to play and win a man.
//
// The codes are fr, en, nl, pt, es, it. Lines before the first language line
// are notes for whoever edits the file and are not shown; a file without any
// language line is one French text, as a plain text editor would leave it.
// Blank lines at the start and end of a section are dropped, those inside
// kept. The text is UTF-8; bytes that are not UTF-8 are read as Latin-1, the
// encoding of older commentary files. Lines end with LF or CR LF.
#include "knowledge/exercices.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "knowledge/preuve.h"
#include "records/files.h"
#include "rules/generation.h"

namespace {

bool utf8_valide(const std::uint8_t* o, std::size_t n) {
  for (std::size_t i = 0; i < n;) {
    const std::uint8_t c = o[i];
    const int suite = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (suite < 0 || (suite == 1 && c < 0xC2) || i + static_cast<std::size_t>(suite) >= n) return false;
    for (int k = 1; k <= suite; ++k)
      if ((o[i + static_cast<std::size_t>(k)] & 0xC0) != 0x80) return false;
    i += static_cast<std::size_t>(suite) + 1;
  }
  return true;
}

std::string latin1_en_utf8(const std::uint8_t* o, std::size_t n) {
  std::string t;
  for (std::size_t i = 0; i < n; ++i) {
    if (o[i] < 0x80) {
      t += static_cast<char>(o[i]);
    } else {
      t += static_cast<char>(0xC0 | (o[i] >> 6));
      t += static_cast<char>(0x80 | (o[i] & 0x3F));
    }
  }
  return t;
}

// The language a line opens, -1 for another line; -2 for a language line of
// a language this program does not know (its section is not shown).
int ligne_de_langue(const std::string& ligne) {
  std::size_t a = ligne.find_first_not_of(" \t");
  std::size_t b = ligne.find_last_not_of(" \t");
  if (a == std::string::npos || b - a != 3 || ligne[a] != '[' || ligne[b] != ']') return -1;
  const std::string code = ligne.substr(a + 1, 2);
  if (code[0] < 'a' || code[0] > 'z' || code[1] < 'a' || code[1] > 'z') return -1;
  for (int k = 0; k < NB_LANGUES_COMMENTAIRE; ++k)
    if (code == CODES_LANGUES[k]) return k;
  return -2;
}

std::string sans_lignes_vides_autour(const std::vector<std::string>& lignes) {
  std::size_t debut = 0, fin = lignes.size();
  auto vide = [](const std::string& l) { return l.find_first_not_of(" \t") == std::string::npos; };
  while (debut < fin && vide(lignes[debut])) ++debut;
  while (fin > debut && vide(lignes[fin - 1])) --fin;
  std::string t;
  for (std::size_t i = debut; i < fin; ++i) {
    if (i > debut) t += '\n';
    t += lignes[i];
  }
  return t;
}

struct Plateau {
  std::uint8_t cases[33];
  std::uint32_t blancs, noirs, dames;
  Camp trait_jeu;
  Plateau() {
    std::memcpy(cases, damier, sizeof cases);
    blancs = masque_blancs;
    noirs = masque_noirs;
    dames = masque_dames;
    trait_jeu = trait;
  }
  ~Plateau() {
    std::memcpy(damier, cases, sizeof cases);
    masque_blancs = blancs;
    masque_noirs = noirs;
    masque_dames = dames;
    trait = trait_jeu;
  }
};

}  // namespace

std::filesystem::path chemin_commentaire(const std::filesystem::path& exercice) {
  return std::filesystem::path(exercice.native() + SUFFIXE_COMMENTAIRE);
}

std::string texte_commentaire(const std::uint8_t* octets, std::size_t taille, std::uint8_t langue) {
  if (octets == nullptr) return {};
  if (taille >= 3 && octets[0] == 0xEF && octets[1] == 0xBB && octets[2] == 0xBF) {
    octets += 3;
    taille -= 3;
  }
  for (std::size_t i = 0; i < taille; ++i) {
    const std::uint8_t c = octets[i];
    if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F) return {};
  }
  const std::string texte = utf8_valide(octets, taille)
                                ? std::string(reinterpret_cast<const char*>(octets), taille)
                                : latin1_en_utf8(octets, taille);

  std::vector<std::string> sections[NB_LANGUES_COMMENTAIRE];
  std::vector<std::string> sans_langue;
  bool une_langue = false;
  int courante = -2;  // before the first language line: not shown
  std::size_t debut = 0;
  while (debut <= texte.size()) {
    std::size_t fin = texte.find('\n', debut);
    if (fin == std::string::npos) fin = texte.size();
    std::string ligne = texte.substr(debut, fin - debut);
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    const int l = ligne_de_langue(ligne);
    if (l != -1) {
      une_langue = true;
      courante = l;
    } else {
      sans_langue.push_back(ligne);
      if (courante >= 0) sections[courante].push_back(ligne);
    }
    debut = fin + 1;
  }
  if (!une_langue) return sans_lignes_vides_autour(sans_langue);
  std::string t = langue < NB_LANGUES_COMMENTAIRE ? sans_lignes_vides_autour(sections[langue]) : std::string();
  if (t.empty()) t = sans_lignes_vides_autour(sections[LANGUE_FRANCAISE]);
  return t;
}

std::string lire_commentaire(const std::filesystem::path& exercice, std::uint8_t langue) {
  bool trop_long = false;
  const auto octets = lire_fichier(chemin_commentaire(exercice), TAILLE_MAX_COMMENTAIRE, &trop_long);
  if (!octets || trop_long) return {};
  return texte_commentaire(octets->data(), octets->size(), langue);
}

std::vector<std::filesystem::path> lister_exercices(const std::filesystem::path& dossier) {
  std::vector<std::filesystem::path> exercices;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dossier, ec), fin; !ec && it != fin; it.increment(ec)) {
    std::string extension = it->path().extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".dam" && it->is_regular_file(ec)) exercices.push_back(it->path());
  }
  std::sort(exercices.begin(), exercices.end(),
            [](const auto& a, const auto& b) { return a.filename().string() < b.filename().string(); });
  return exercices;
}

std::vector<Coup> solution_enregistree(const EntreePartie* record, int debut, Camp trait_debut) {
  std::vector<Coup> solution;
  if (debut < 0 || debut >= DERNIER_DEMI_COUP) return solution;
  const Plateau garde;
  const std::int8_t prof_gardee = prof_courante;
  std::memcpy(damier + 1, record[debut].position + 1, NB_CASES);
  damier[0] = HORS_DAMIER;
  recalculer_masques();
  Camp camp = trait_debut;
  // Entries 253 and 254 carry the file's settings in their move fields.
  for (int k = debut + 1; k < DERNIER_DEMI_COUP - 1; ++k) {
    const EntreePartie& e = record[k];
    if (e.depart == 0 || e.arrivee == 0) break;
    const Coup* trouve = nullptr;
    std::vector<Coup> coups = coups_distincts(camp);
    for (const Coup& m : coups) {
      if (m.depart != e.depart || m.arrivee != e.arrivee || m.nb_prises != e.nb_prises) continue;
      std::uint8_t avant[33];
      std::memcpy(avant, damier, sizeof avant);
      const std::uint32_t b = masque_blancs, n = masque_noirs, d = masque_dames;
      jouer_preuve(m);
      const bool atteint = std::memcmp(damier + 1, e.position + 1, NB_CASES) == 0;
      std::memcpy(damier, avant, sizeof avant);
      masque_blancs = b;
      masque_noirs = n;
      masque_dames = d;
      if (atteint) {
        trouve = &m;
        break;
      }
    }
    if (trouve == nullptr) break;
    solution.push_back(*trouve);
    jouer_preuve(*trouve);
    camp = adversaire(camp);
  }
  prof_courante = prof_gardee;
  return solution;
}

std::optional<Exercice> lire_exercice(const std::filesystem::path& chemin, std::string& raison) {
  std::optional<ContenuPartie> c = lire_contenu_partie(chemin, raison);
  if (!c) return std::nullopt;
  Exercice e;
  e.contenu = *c;
  e.debut = c->partie[0].position[0];
  // The side to move at the current ply is stored; the start's follows by parity.
  e.trait_debut = (e.debut - c->nb_demi_coups) % 2 == 0 ? c->trait : adversaire(c->trait);
  e.solution = solution_enregistree(c->partie, e.debut, e.trait_debut);
  return e;
}

VerdictSolution verifier_coup_exercice(const std::vector<Coup>& solution, int joues, const Coup& coup) {
  const int n = static_cast<int>(solution.size());
  if (joues < 0 || joues >= n || joues % 2 != 0) return {ResultatCoup::HorsSolution, std::nullopt};
  if (!meme_position_atteinte(solution[static_cast<std::size_t>(joues)], coup))
    return {ResultatCoup::Autre, std::nullopt};
  std::optional<Coup> reponse;
  if (joues + 1 < n) reponse = solution[static_cast<std::size_t>(joues) + 1];
  return {joues + 2 >= n ? ResultatCoup::Reussi : ResultatCoup::Solution, reponse};
}
