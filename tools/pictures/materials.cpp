#include "materials.h"

#include "noise.h"

namespace pictures {

Colour wood(const V3& p, const Grain& g) {
  const double wander = fbm(V3{p.x * 0.35, p.y * 2.2, p.z * 2.2}, 4);
  const double r = hypot2(p.y, p.z) * (1 + 0.15 * noise(V3{p.x * 0.2, 3.1, 7.7})) + g.wobble * wander;
  const double ring = fract(r * g.rings);
  // Late wood closes each ring with a darker, denser band.
  double late = smoothstep(0.45, 0.92, ring) * (1 - smoothstep(0.96, 1.0, ring));
  const double streak = noise(V3{p.x * 1.2, p.y * 55, p.z * 55}) * 0.5 + noise(V3{p.x * 3, p.y * 140, p.z * 140}) * 0.3;
  double k = late * 0.85 + streak * g.fibre;
  if (g.pores > 0) {
    const double pore = smoothstep(0.55, 0.85, noise(V3{p.x * 9, p.y * 170, p.z * 170}));
    k += pore * g.pores * (0.4 + late);
  }
  const double tone = 1 + 0.12 * fbm(V3{p.x * 0.8 + 11, p.y * 0.8, p.z * 0.8}, 3);
  return mix(g.early, g.late, clamp01(k)) * tone;
}

Colour squareWood(const V3& p, int row, int column, const Grain& g, bool across, int seed) {
  const double a = hash(row, column, seed), b = hash(row, column, seed + 1), c = hash(row, column, seed + 2);
  // The square's place in the tree: the axis below its face and off to one side.
  const double along = across ? p.z : p.x, side = across ? p.x : p.z;
  const double depth = 0.9 + 2.2 * a;
  const V3 w{along * 1.0 + 40 * c, depth + 0.05 * along, side - std::floor(side) - 0.5 + (b - 0.5) * 1.6};
  return wood(w, g);
}

Colour marble(const V3& p, const Colour& base, const Colour& vein, double scale, int seed) {
  const V3 q = p * scale + V3{seed * 7.3, seed * 1.7, seed * 3.1};
  const double t = turbulence(q * 1.3, 6);
  const double band = std::abs(std::sin((q.x * 1.4 + q.z * 0.6) * 2.2 + t * 7.0));
  const double v = std::pow(1 - band, 9) + 0.35 * std::pow(1 - std::abs(std::sin(q.z * 3.1 + t * 11)), 24);
  const double cloud = fbm(q * 0.8, 4);
  return mix(base * (1 + 0.08 * cloud), vein, clamp01(v));
}

double fromSquares(const V3& p) {
  return std::max({std::abs(p.x) - 4, -p.z, p.z - 8});
}

V3 borderNormal(const V3& p, double edge, double width) {
  if (edge >= width) return {0, 1, 0};
  const double e = 4 + FRAME_WIDTH;
  V3 out;
  if (e - std::abs(p.x) <= edge + 1e-9) out = {p.x > 0 ? 1.0 : -1.0, 0, 0};
  else if (p.z < 4) out = {0, 0, -1};
  else out = {0, 0, 1};
  const double k = 1 - edge / width;
  return normalize(V3{0, 1, 0} + out * (1.4 * k * k));
}

V3 borderGrainFrame(const V3& p) {
  // Long sides carry their grain along z, short sides along x, mitred at the corners.
  const double dx = std::abs(p.x) - 4, dz = std::max(-p.z, p.z - 8);
  if (dx > dz) return {p.z, 2.0 + (std::abs(p.x) - 4), p.x};
  return {p.x, 2.0 + dz, p.z};
}

}  // namespace pictures
