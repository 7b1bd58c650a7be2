#include "records/printing.h"

#include <algorithm>

#include "records/text_games.h"

namespace {

// Line `texte` on row `rang`, on a new page when `nouvelle_page`.
void placer(Impression& imp, bool nouvelle_page, int rang, std::string texte) {
  if (imp.pages.empty() || nouvelle_page) imp.pages.emplace_back();
  const int y = rang * imp.hauteur_ligne + imp.hauteur_ligne + HAUT_LIGNES;
  imp.pages.back().push_back({rang, X_LIGNES, y, std::move(texte)});
}

Impression commencer(const std::string& entete, int hauteur_ligne, int rangs) {
  Impression imp;
  imp.entete = entete;
  imp.hauteur_ligne = std::max(1, hauteur_ligne);
  imp.rangs_par_page = std::max(1, rangs);
  return imp;
}

}  // namespace

int rangs_par_page(int hauteur_page, int hauteur_ligne) {
  if (hauteur_ligne <= 0) return 1;
  return std::max(1, (hauteur_page - HAUT_LIGNES - hauteur_ligne) / hauteur_ligne);
}

std::string entete_impression(const std::string& nom_blanc, const std::string& nom_noir) {
  return latin1_en_utf8(nom_blanc) + " - " + latin1_en_utf8(nom_noir);
}

Impression impression_partie(const std::vector<std::string>& liste_coups, const std::string& entete,
                             int hauteur_ligne, int rangs) {
  Impression imp = commencer(entete, hauteur_ligne, rangs);
  // Printed lines go on the even rows; a page takes as many as its rows allow.
  const int lignes_par_page = (imp.rangs_par_page + 1) / 2;
  const int n = static_cast<int>(liste_coups.size());
  for (int i = 0, j = 0; i < n; i += ENTREES_PAR_LIGNE, ++j) {
    std::string texte = liste_coups[static_cast<std::size_t>(i)] + " ";
    for (int e = i + 1; e < i + ENTREES_PAR_LIGNE && e < n; ++e) texte += liste_coups[static_cast<std::size_t>(e)] + "  ";
    const int r = j % lignes_par_page;
    placer(imp, r == 0 && j > 0, 2 * r, std::move(texte));
  }
  return imp;
}

Impression impression_analyse(const std::vector<std::string>& lignes, const std::string& entete, int hauteur_ligne,
                              int rangs) {
  Impression imp = commencer(entete, hauteur_ligne, rangs);
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    const int r = static_cast<int>(i) % imp.rangs_par_page;
    placer(imp, r == 0 && i > 0, r, lignes[i]);
  }
  return imp;
}
