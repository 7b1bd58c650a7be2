// Procedural materials shared by the themes.
#pragma once

#include "geometry.h"
#include "shading.h"

namespace pictures {

// Wood: `p` in the wood's own frame, x along the grain, the tree's axis along x
// at y = z = 0 (so y and z run across the rings).
struct Grain {
  Colour early, late;   // the light and the dark part of a ring
  double rings = 6;     // rings per square
  double wobble = 0.2;  // how much the rings wander
  double fibre = 0.1;   // fine streaks along the grain
  double pores = 0.0;   // dark flecks (oak, walnut)
};
Colour wood(const V3& p, const Grain& g);

// A board square cut from a plank: the plank's grain runs along x, or along z
// when `across`; each square shows its own part of the tree.
Colour squareWood(const V3& p, int row, int column, const Grain& g, bool across, int seed);

// Marble: a base with veins; `veins` how dark the veins go, `scale` their size.
Colour marble(const V3& p, const Colour& base, const Colour& vein, double scale, int seed);

// The border's tilted outer edge, rounded over `width`.
V3 borderNormal(const V3& p, double edge, double width);
// Distance from a border point to the 64 squares (0 at their edge).
double fromSquares(const V3& p);
// Distance along the border in its own direction, for grain that follows it.
V3 borderGrainFrame(const V3& p);

}  // namespace pictures
