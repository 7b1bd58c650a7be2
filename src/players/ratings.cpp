#include "players/ratings.h"

#include <algorithm>

#include "game/end.h"
#include "rules/etat.h"

std::int32_t indice_blanc = 0, indice_noir = 0;
ETAT_MOTEUR(indice_blanc, indice_noir);

Classements nouveaux_classements(std::int32_t blanc, std::int32_t noir, int resultat) {
  // 64 bits only keep the products of extreme ratings from overflowing;
  // within the range every quotient is the 32-bit one.
  const std::int64_t w = std::clamp(blanc, CLASSEMENT_MIN, CLASSEMENT_MAX);
  const std::int64_t n = std::clamp(noir, CLASSEMENT_MIN, CLASSEMENT_MAX);
  std::int64_t nw = w, nn = n;
  if (resultat == BLANCS_GAGNENT) {
    std::int64_t d = (n > w ? n - w : w - n) * n / w;
    d = d / 20;
    d = d * n / w;
    d = d * n / w + 5;
    nw = w + d;
    nn = n - d;
  } else if (resultat == NOIRS_GAGNENT) {
    std::int64_t d = (w > n ? w - n : n - w) * w / n;
    d = d / 20;
    d = d * w / n;
    d = d * w / n;
    d = d * w / n + 5;
    nw = w - d;
    nn = n + d;
  } else {
    nw = w - (w - n) / 10;
    nn = n - (n - w) / 10;
  }
  const auto borne = [](std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, CLASSEMENT_MIN, CLASSEMENT_MAX));
  };
  return {borne(nw), borne(nn)};
}

IndicesMatch indices_match(int selection, bool ordinateur_camp0, IndicesMatch precedents) {
  // A name typed without choosing it in the list is the previous human's.
  auto humain = [selection](std::int32_t meme_camp, std::int32_t autre_camp) {
    const std::int32_t i = selection < 0 ? meme_camp : selection;
    return i == 0 ? autre_camp : i;
  };
  if (ordinateur_camp0) return {0, humain(precedents.noir, precedents.blanc)};
  return {humain(precedents.blanc, precedents.noir), 0};
}
