// Board rendering state: the view, the theme, the orientation, the square
// names, and the pictures both views are drawn from.
#pragma once

#include <QImage>
#include <QPolygonF>
#include <array>
#include <cstdint>

#include "game/session.h"  // damier_inverse, numerotation_active

// ---- constants ------------------------------------------------------------

constexpr int NB_THEMES = 8;
constexpr int NB_GENRES_IMAGE = 5;  // empty, white man, white king, black man, black king on screen
constexpr int LARGEUR_IMAGE5 = 785, HAUTEUR_IMAGE5 = 521;
constexpr int COTE_CASE_2D = 60;

// Top-left corner of each playable square's picture in the 3D board, one
// table for every theme; rows run from the far side to the near side.
inline constexpr std::array<int, 33> x3d = {0,   197, 298, 400, 501, 139, 244, 349, 454, 187, 295,
                                            403, 512, 125, 237, 349, 461, 175, 291, 407, 523, 109,
                                            227, 347, 469, 163, 287, 411, 536, 90,  220, 349, 478};
inline constexpr std::array<int, 33> y3d = {0,   57,  57,  57,  57,  93,  93,  93,  93,  133, 133,
                                            133, 133, 173, 173, 173, 173, 219, 219, 219, 219, 264,
                                            264, 264, 264, 316, 316, 316, 316, 370, 370, 370, 370};

// ---- state ----------------------------------------------------------------

extern std::int8_t theme_courant;          // 0 none yet, 1..8 the 3D theme last loaded
extern QImage images_2d[NB_GENRES_IMAGE];  // 2D cells by image kind
extern QImage cache_2d;                    // the light square of the 2D board
extern QImage images_3d[NB_GENRES_IMAGE][33];  // 3D pictures by image kind and square
extern QImage fond_theme;                  // the theme's board picture, for redrawing the empty board
// The frames of the move being entered, by square (0xRRGGBB; 0: none): a
// frame lasts until its square is drawn again. The 3D board shows it too
// when `en_relief`.
struct Cadre {
  std::uint32_t couleur = 0;
  bool en_relief = false;
};
extern std::array<Cadre, 33> cadres;

// ---- functions ------------------------------------------------------------

// Image kind of a piece code: the colours are exchanged on screen.
int genre_image(int piece);

// Top-left corner of square s's 2D cell, normal or turned.
QPoint cellule_2d(int s, bool inverse);
// Where square s's 3D picture is drawn, normal or turned, and which square's
// picture goes there.
QPoint position_3d(int s, bool inverse);
int case_image_3d(int s, bool inverse);
// The outline of square s on the 3D board's surface, in the perspective its
// pictures were drawn in, `retrait` (a share of a square) inside its edges.
QPolygonF contour_3d(int s, bool inverse, double retrait);

