// A 3D theme: the materials of its board, table and pieces and its light.
#pragma once

#include <memory>
#include <vector>

#include "geometry.h"

namespace pictures {

// Parts of a piece that may take different materials.
enum class PiecePart { Body, Crown };

class Theme {
 public:
  Theme(int number, int digit) : number_(number), digit_(digit) {}
  virtual ~Theme() = default;

  int number() const { return number_; }  // n of "damier<n>.bmp"
  int digit() const { return digit_; }    // t of "Images<t>"

  // The light on the board and its pieces, and the light around it.
  virtual const Lighting& boardLight() const = 0;
  virtual const Lighting& tableLight() const { return boardLight(); }
  // Brightness applied when the picture is written.
  virtual double exposure() const { return 1.0; }

  // A point of square (row, column) on the playing surface; dark squares have
  // row + column odd.
  virtual Surface square(const V3& p, int row, int column) const = 0;
  // A point of the border; `edge` is its distance to the board's outer edge.
  virtual Surface frame(const V3& p, double edge) const = 0;
  // A point of the board's front face (y from -BOARD_THICKNESS to 0).
  virtual Surface side(const V3& p) const { return frame(p, 0.0); }
  // A point of the table (y = -BOARD_THICKNESS); false where there is no table.
  virtual bool table(const V3& p, Surface& out) const = 0;
  // Share of the direct light that reaches a point of the table (leaf shadows, windows).
  virtual double tableSun(const V3&) const { return 1.0; }
  // Light added on the table (light pools, reflections of water).
  virtual Colour tableGlow(const V3&) const { return {}; }
  // What a ray sees when it passes the table.
  virtual Colour beyond(const Ray&) const { return {}; }
  // A point of a piece: `local` from the centre of its base, `white` its colour.
  virtual Surface piece(const V3& local, const V3& normal, bool white, PiecePart part, int seed) const = 0;

 private:
  int number_, digit_;
};

// Themes 3..8, each with its own folder of square bitmaps.
std::unique_ptr<Theme> makeWorldTheme(int number);
// The studio light shared by several themes.
Lighting makeLighting(const V3& toLight, const Colour& sun, const Colour& sky, const Colour& ground,
                      const Colour& top, const Colour& horizon, const Colour& window);
Surface goldSurface();

// The eight themes, by theme number 1..8 (index 0 unused).
std::vector<std::unique_ptr<Theme>> makeThemes();
// The light and pieces of the flat 2D board and of the set-up and clock pictures.
std::unique_ptr<Theme> makeFlatTheme();

}  // namespace pictures
