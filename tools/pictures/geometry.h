// Where the board lies in the pictures: the 3D square places, the camera that
// sees the board through them, and the rectangles of the square bitmaps.
//
// World units are squares of the board: x to the right (the board spans -4..4),
// y up (the playing surface is y = 0), z towards the viewer (row 0, the far
// side, spans z = 0..1; the near edge is z = 8).
#pragma once

#include <array>

#include "shading.h"

namespace pictures {

// Pictures are made at twice the logical size of the stage.
constexpr int PIXELS_PER_UNIT = 2;
constexpr int SCENE_WIDTH = 785;   // logical size of the 3D picture
constexpr int SCENE_HEIGHT = 521;

struct Place {
  int x, y;
};
// Top-left corner of each playable square's bitmap in the 3D picture, squares 1..32.
inline constexpr std::array<Place, 33> PLACES_3D = {{
    {0, 0},
    {197, 57}, {298, 57}, {400, 57}, {501, 57},
    {139, 93}, {244, 93}, {349, 93}, {454, 93},
    {187, 133}, {295, 133}, {403, 133}, {512, 133},
    {125, 173}, {237, 173}, {349, 173}, {461, 173},
    {175, 219}, {291, 219}, {407, 219}, {523, 219},
    {109, 264}, {227, 264}, {347, 264}, {469, 264},
    {163, 316}, {287, 316}, {411, 316}, {536, 316},
    {90, 370}, {220, 370}, {349, 370}, {478, 370},
}};

// Row 0..7 (far to near) and column 0..7 (left to right) of a playable square.
constexpr int rowOf(int square) { return (square - 1) / 4; }
constexpr int columnOf(int square) { return 2 * ((square - 1) % 4) + (rowOf(square) % 2 == 0 ? 1 : 0); }

// Border around the 64 squares and height of the board above the table.
constexpr double FRAME_WIDTH = 0.15;
constexpr double BOARD_THICKNESS = 0.07;

struct Ray {
  V3 origin, direction;
};

// A pinhole camera fitted to the square places: the playable squares' far-left
// corners land on PLACES_3D, every row's far edge at or just below its place.
class Camera {
 public:
  static const Camera& board();
  // Logical stage coordinates of a world point.
  void project(const V3& p, double& sx, double& sy) const;
  // The ray through a logical stage point.
  Ray ray(double sx, double sy) const;
  V3 position() const { return eye_; }
  // Largest distance between a far-left corner and its place, in logical pixels.
  double worstFit() const { return worst_; }

 private:
  Camera();
  V3 eye_, forward_, up_, right_;
  double focal_ = 1, centreX_ = 0, centreY_ = 0, worst_ = 0;
};

// A rectangle in picture pixels.
struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
};

// The bitmap of a square in the 3D picture (picture pixels): from its place to
// the next row's places, wide enough for the square yet inside the board's edge.
PixelRect squareRect(int square);
// Centre of a square on the playing surface.
inline V3 squareCentre(int square) { return {columnOf(square) - 4 + 0.5, 0, rowOf(square) + 0.5}; }

}  // namespace pictures
