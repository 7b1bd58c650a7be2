#include "ui/rendu.h"

#include <utility>

#include "pictures/geometry.h"
#include "rules/board.h"

std::int8_t theme_courant = 0;
QImage images_2d[NB_GENRES_IMAGE];
QImage cache_2d;
QImage images_3d[NB_GENRES_IMAGE][33];
QImage fond_theme;
std::array<Cadre, 33> cadres;

int genre_image(int piece) {
  switch (piece) {
    case PION_BLANC: return 3;
    case DAME_BLANCHE: return 4;
    case PION_NOIR: return 1;
    case DAME_NOIRE: return 2;
    default: return 0;
  }
}

QPoint cellule_2d(int s, bool inverse) {
  const int i = inverse ? 32 - s : s - 1;
  const int r = i / 4;
  const int k = 2 * (i % 4) + (r + 1) % 2;
  return {COTE_CASE_2D * k + 19, COTE_CASE_2D * r + 25};
}

int case_image_3d(int s, bool inverse) { return inverse ? 33 - s : s; }

QPoint position_3d(int s, bool inverse) {
  const int k = case_image_3d(s, inverse);
  return {x3d[k], y3d[k]};
}

QPolygonF contour_3d(int s, bool inverse, double retrait) {
  // The camera the board pictures were drawn with: a frame lies on the very
  // squares the pictures show.
  const pictures::Camera& camera = pictures::Camera::board();
  const int k = case_image_3d(s, inverse);
  const double gauche = pictures::columnOf(k) - 4 + retrait, droite = pictures::columnOf(k) - 3 - retrait;
  const double loin = pictures::rowOf(k) + retrait, pres = pictures::rowOf(k) + 1 - retrait;
  const std::pair<double, double> coins[4] = {{gauche, loin}, {droite, loin}, {droite, pres}, {gauche, pres}};
  QPolygonF contour;
  for (const auto& [x, z] : coins) {
    double sx = 0, sy = 0;
    camera.project({x, 0, z}, sx, sy);
    contour << QPointF(sx, sy);
  }
  return contour;
}

