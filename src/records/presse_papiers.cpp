#include "records/presse_papiers.h"

#include <algorithm>

#include "records/pdn.h"
#include "rules/texte.h"

namespace {

// "[FEN "...."]" alone: its value.
std::string_view valeur_etiquette_fen(std::string_view s) {
  constexpr std::string_view DEBUT = "[FEN \"", FIN = "\"]";
  if (s.size() < DEBUT.size() + FIN.size() || s.substr(0, DEBUT.size()) != DEBUT ||
      s.substr(s.size() - FIN.size()) != FIN)
    return s;
  const std::string_view v = s.substr(DEBUT.size(), s.size() - DEBUT.size() - FIN.size());
  return v.find('"') == std::string_view::npos ? v : s;
}

// A side letter then a colon: the text means to be a FEN.
bool semble_fen(std::string_view s) {
  if (s.empty() || std::string_view("WBwb").find(s[0]) == std::string_view::npos) return false;
  const std::string_view reste = rogner_espaces(s.substr(1));
  return !reste.empty() && reste[0] == ':';
}

}  // namespace

Collage lire_collage(std::string_view texte) {
  Collage c;
  texte = sans_bom(texte);
  const std::string_view t = rogner_espaces(texte);
  if (t.empty()) {
    c.raison = "the clipboard holds no text";
    return c;
  }
  const std::string_view fen = valeur_etiquette_fen(t);
  if (fen.find('\n') == std::string_view::npos && semble_fen(fen)) {
    std::string erreur;
    if (lire_fen_toute_notation(fen, c.position, erreur)) {
      c.genre = GenreCollage::Position;
    } else {
      c.raison = "not a position: " + erreur;
      c.erreur_position = erreur;
    }
    return c;
  }
  std::vector<PartieLue> parties = lire_parties_pdn(texte);
  // A game has tags or at least one word that reads as a move: prose has neither.
  const bool partie = std::any_of(parties.begin(), parties.end(), [](const PartieLue& p) {
    return p.position_posee || !p.erreur.empty() || !p.nom_blanc_complet.empty() || !p.nom_noir_complet.empty() ||
           std::any_of(p.coups.begin(), p.coups.end(), [](const CoupLu& m) { return !m.illisible; });
  });
  if (!partie) {
    c.raison = "neither a position (FEN) nor a game (PDN)";
    return c;
  }
  c.genre = GenreCollage::Partie;
  c.parties = std::move(parties);
  return c;
}

std::string position_a_copier() { return ecrire_fen(position_courante()); }
