// Themes 3..8: boards of their own in scenes of their own.
#include <stdexcept>

#include "materials.h"
#include "noise.h"
#include "pieces.h"
#include "theme.h"

namespace pictures {

namespace {

Surface polished(const Colour& albedo, double gloss, double shininess = 60) {
  Surface s;
  s.albedo = albedo;
  s.gloss = gloss;
  s.shininess = shininess;
  s.specular = 0.05;
  return s;
}

// Strips of a floor or deck along x, `width` wide: the strip's number and
// the place across it (0..1).
void strips(double z, double width, int& index, double& across) {
  const double k = z / width;
  index = static_cast<int>(std::floor(k));
  across = k - index;
}

// Darkening in the joints between strips or tiles, `joint` wide in place units.
double joint(double across, double width, double joint) {
  return smoothstep(0.0, joint, std::min(across, 1 - across) * width);
}

// 3 "Luxe": white and green marble in a gold frame, on a floor of dark marble tiles.
class Luxe : public Theme {
 public:
  Luxe()
      : Theme(3, 3),
        light_(makeLighting({-0.35, 1.0, -0.4}, Colour{1.0, 0.96, 0.9} * 2.5, Colour{0.34, 0.33, 0.33},
                            Colour{0.12, 0.1, 0.08}, rgb(150, 140, 130), rgb(70, 60, 50), Colour{1, 0.95, 0.85} * 3)) {}
  const Lighting& boardLight() const override { return light_; }
  double exposure() const override { return 0.92; }
  Surface square(const V3& p, int row, int column) const override {
    const bool dark = (row + column) % 2 == 1;
    const int seed = row * 8 + column;
    const Colour c = dark ? marble(p, rgb(34, 84, 64), rgb(190, 214, 196), 1.2, seed)
                          : marble(p, rgb(226, 222, 214), rgb(120, 116, 112), 1.0, seed);
    return polished(c, 0.35, 120);
  }
  Surface frame(const V3& p, double edge) const override {
    Surface s = goldSurface();
    s.normal = borderNormal(p, edge, 0.06);
    s.albedo = s.albedo * (0.92 + 0.08 * noise(p * 40));
    return s;
  }
  bool table(const V3& p, Surface& s) const override {
    const double size = 2.2;
    const double u = p.x / size, v = (p.z + 0.3) / size;
    const int i = static_cast<int>(std::floor(u)), j = static_cast<int>(std::floor(v));
    const bool light = (i + j) % 2 == 0;
    const Colour c = light ? marble(p * 0.8, rgb(90, 26, 30), rgb(220, 170, 150), 0.7, i * 31 + j)
                           : marble(p * 0.8, rgb(28, 26, 26), rgb(180, 170, 150), 0.7, i * 17 + j);
    // A thin line of gold between the tiles.
    const double gu = std::min(u - i, 1 - (u - i)) * size, gv = std::min(v - j, 1 - (v - j)) * size;
    if (std::min(gu, gv) < 0.025) {
      s = goldSurface();
      s.albedo = s.albedo * 0.8;
      return true;
    }
    s = polished(c, 0.4, 150);
    return true;
  }
  double tableSun(const V3& p) const override {
    const double d = hypot2(p.x / 1.4, p.z - 4);
    return 0.35 + 0.65 * std::exp(-d * d / 30);
  }
  Surface piece(const V3& q, const V3&, bool white, PiecePart part, int seed) const override {
    if (part == PiecePart::Crown) return goldSurface();
    const Colour c = white ? marble(q * 3, rgb(244, 240, 232), rgb(150, 146, 140), 1.5, seed)
                           : marble(q * 3, rgb(24, 24, 26), rgb(150, 140, 120), 1.5, seed);
    return polished(c, 0.45, 140);
  }

 private:
  Lighting light_;
};

// 4 "Death Valley": sandstone squares in a frame of dark rock, on the cracked
// clay of a dry lake bed with pebbles, under a hard sun.
class DeathValley : public Theme {
 public:
  DeathValley()
      : Theme(4, 4),
        light_(makeLighting({-0.5, 1.0, -0.4}, Colour{1.0, 0.88, 0.7} * 3.0, Colour{0.3, 0.36, 0.48},
                            Colour{0.3, 0.2, 0.12}, rgb(120, 150, 200), rgb(200, 160, 120), Colour{1, 0.9, 0.7} * 2)) {}
  const Lighting& boardLight() const override { return light_; }
  double exposure() const override { return 0.85; }
  Surface square(const V3& p, int row, int column) const override {
    const bool dark = (row + column) % 2 == 1;
    // Layers of sediment across the board, a little grit.
    const double layer = std::sin(p.z * 9 + 3 * fbm(p * 1.5 + V3{double(column), 0, double(row)}, 3));
    const double grit = noise(p * 60);
    Colour c = dark ? mix(rgb(150, 72, 42), rgb(120, 54, 32), 0.5 + 0.5 * layer)
                    : mix(rgb(228, 196, 150), rgb(210, 174, 128), 0.5 + 0.5 * layer);
    c = c * (1 + 0.06 * grit);
    Surface s = polished(c, 0.03, 12);
    s.specular = 0.03;
    return s;
  }
  Surface frame(const V3& p, double edge) const override {
    Surface s = polished(rgb(70, 52, 44) * (1 + 0.25 * fbm(p * 6, 4)), 0.02, 10);
    s.normal = borderNormal(p, edge, 0.07);
    return s;
  }
  bool table(const V3& p, Surface& s) const override {
    // Plates of dried clay, each a little different, parted by dark cracks.
    const V3 w = p + V3{0.15, 0, 0.15} * fbm(p * 2, 3);
    const Cells plate = cells(w.x * 0.9, w.z * 0.9, 0.85);
    const double crack = smoothstep(0.015, 0.05, plate.second - plate.first);
    Colour c = rgb(214, 184, 146) * (0.9 + 0.12 * hash(plate.id, 3) + 0.05 * noise(p * 25));
    c = mix(rgb(90, 66, 48), c, crack);
    s = polished(c, 0, 6);
    // Scattered pebbles.
    const Cells k = cells(p.x * 1.3, p.z * 1.3, 0.8);
    if (hash(k.id, 7) < 0.2) {
      const double r = 0.08 + 0.1 * hash(k.id, 8);
      if (k.first < r) {
        const double h = std::sqrt(1 - (k.first / r) * (k.first / r));
        const double dx = p.x * 1.3 - k.nearestX, dz = p.z * 1.3 - k.nearestY;
        s.albedo = mix(rgb(110, 84, 70), rgb(170, 120, 90), hash(k.id, 9)) * (1 + 0.2 * noise(p * 30));
        s.normal = normalize(V3{dx / r, h + 0.6, dz / r});
        s.shininess = 20;
      }
    }
    return true;
  }
  // Pebbles darken the clay right around them.
  double tableSun(const V3& p) const override {
    const Cells k = cells(p.x * 1.3 - 0.04, p.z * 1.3 - 0.04, 0.8);
    if (hash(k.id, 7) >= 0.2) return 1;
    const double r = 0.08 + 0.1 * hash(k.id, 8);
    return k.first < r ? 1 : 0.45 + 0.55 * smoothstep(r, r + 0.05, k.first);
  }
  Surface piece(const V3& q, const V3&, bool white, PiecePart part, int seed) const override {
    if (part == PiecePart::Crown) {
      Surface s = goldSurface();
      s.albedo = rgb(216, 150, 80);  // copper
      return s;
    }
    const Colour c = white ? rgb(236, 226, 204) * (1 + 0.05 * noise(q * 80 + V3{double(seed), 0, 0}))
                           : rgb(44, 38, 36) * (1 + 0.15 * noise(q * 60 + V3{double(seed), 0, 0}));
    return polished(c, 0.12, 30);
  }

 private:
  Lighting light_;
};

// 5 "Key West": a painted board of cream and turquoise on pale blue boards of
// a pier, with the light of the sea dancing over them.
class KeyWest : public Theme {
 public:
  KeyWest()
      : Theme(5, 5),
        light_(makeLighting({-0.4, 1.0, -0.3}, Colour{1.0, 0.97, 0.92} * 1.9, Colour{0.3, 0.36, 0.42},
                            Colour{0.2, 0.24, 0.26}, rgb(110, 160, 190), rgb(150, 175, 185), Colour{1, 1, 1} * 2.0)) {}
  const Lighting& boardLight() const override { return light_; }
  double exposure() const override { return 0.85; }
  Surface square(const V3& p, int row, int column) const override {
    const bool dark = (row + column) % 2 == 1;
    const Colour brush = Colour{1, 1, 1} * (1 + 0.03 * noise(V3{p.x * 3, 0, p.z * 80}));
    return polished((dark ? rgb(84, 170, 168) : rgb(236, 218, 188)) * brush, 0.2, 50);
  }
  Surface frame(const V3& p, double edge) const override {
    Surface s = polished(rgb(244, 170, 150) * (1 + 0.03 * noise(p * 50)), 0.2, 50);  // coral pink
    s.normal = borderNormal(p, edge, 0.05);
    return s;
  }
  bool table(const V3& p, Surface& s) const override {
    static const Grain pine{rgb(166, 198, 214), rgb(134, 170, 192), 3, 0.3, 0.25, 0.0};
    int i;
    double across;
    strips(p.x + 0.37, 1.1, i, across);  // planks along z
    Colour c = wood(V3{p.z + 9 * hash(i, 2), 1.5 + 2 * hash(i, 3), (across - 0.5) * 1.1}, pine);
    c = c * mix(0.3, 1.0, joint(across, 1.1, 0.03)) * (0.94 + 0.06 * hash(i, 4));
    s = polished(c, 0.05, 20);
    return true;
  }
  // Light from the water: bright ribbons that wander over the boards.
  Colour tableGlow(const V3& p) const override {
    const double a = std::abs(std::sin(p.x * 2.3 + 2.2 * fbm(V3{p.x * 0.5, 0, p.z * 0.5}, 3)));
    const double b = std::abs(std::sin(p.z * 2.7 + 2.0 * fbm(V3{p.x * 0.5 + 5, 0, p.z * 0.5}, 3)));
    const double caustic = std::pow(1 - std::min(a, b), 6);
    return Colour{0.5, 0.85, 0.9} * (0.7 * caustic);
  }
  Surface piece(const V3&, const V3&, bool white, PiecePart part, int) const override {
    if (part == PiecePart::Crown) return goldSurface();
    return polished(white ? rgb(250, 246, 238) : rgb(26, 44, 80), 0.3, 80);  // shell white, navy
  }

 private:
  Lighting light_;
};

// 6 "Hawaï": koa wood and light bamboo on warm sand, in the shade of palm fronds.
class Hawaii : public Theme {
 public:
  Hawaii()
      : Theme(6, 6),
        light_(makeLighting({-0.3, 1.0, -0.4}, Colour{1.0, 0.95, 0.82} * 2.2, Colour{0.3, 0.36, 0.44},
                            Colour{0.26, 0.22, 0.14}, rgb(120, 180, 230), rgb(190, 220, 200), Colour{1, 1, 0.9} * 2.5)) {}
  const Lighting& boardLight() const override { return light_; }
  double exposure() const override { return 0.85; }
  Surface square(const V3& p, int row, int column) const override {
    const bool dark = (row + column) % 2 == 1;
    static const Grain koa{rgb(150, 78, 36), rgb(96, 44, 20), 8, 0.35, 0.3, 0.1};
    static const Grain bamboo{rgb(236, 212, 150), rgb(214, 184, 118), 2, 0.05, 0.3, 0.0};
    Colour c = squareWood(p, row, column, dark ? koa : bamboo, !dark, 11);
    if (!dark) c = c * (1 - 0.25 * (1 - smoothstep(0.0, 0.03, std::abs(fract(p.x * 3 + 0.5) - 0.5))));  // bamboo strips
    return polished(c, 0.25, 50);
  }
  Surface frame(const V3& p, double edge) const override {
    static const Grain koa{rgb(110, 50, 22), rgb(70, 30, 12), 6, 0.3, 0.3, 0.1};
    Surface s = polished(wood(borderGrainFrame(p), koa), 0.25, 50);
    s.normal = borderNormal(p, edge, 0.05);
    return s;
  }
  bool table(const V3& p, Surface& s) const override {
    const Colour c = rgb(222, 194, 148) * (0.93 + 0.07 * fbm(p * 3, 3) + 0.05 * noise(p * 40));
    s = polished(c, 0, 8);
    return true;
  }
  // Shadows of palm fronds: leaflets hanging off a few curved ribs.
  double tableSun(const V3& p) const override {
    double shade = 0;
    const double ribs[3][4] = {{-7.5, -2.0, 0.9, 0.15}, {8.5, -1.5, -0.8, 0.2}, {9.0, 9.5, -0.6, -0.25}};
    for (const auto& r : ribs) {
      const double dx = p.x - r[0], dz = p.z - r[1];
      const double along = dx * r[2] + dz * std::sqrt(1 - r[2] * r[2]);
      const double side = dx * std::sqrt(1 - r[2] * r[2]) - dz * r[2] - r[3] * along * along * 0.1;
      if (along < 0 || along > 7) continue;
      const double reach = 1.4 * std::sin(along / 7 * M_PI) + 0.2;
      const double leaflet = std::abs(std::sin((along * 3.2 - std::abs(side) * 1.6)));
      const double leaf = (1 - smoothstep(reach - 0.15, reach, std::abs(side))) * smoothstep(0.18, 0.35, leaflet);
      const double rib = 1 - smoothstep(0.03, 0.07, std::abs(side));
      shade = std::max({shade, leaf, rib});
    }
    return 1 - 0.65 * shade;
  }
  Surface piece(const V3& q, const V3&, bool white, PiecePart part, int seed) const override {
    if (part == PiecePart::Crown) return goldSurface();
    if (white) return polished(rgb(248, 240, 226) * (1 + 0.04 * noise(q * 50)), 0.4, 90);  // shell
    Surface s = polished(rgb(38, 34, 34) * (1 + 0.3 * noise(q * 90 + V3{double(seed), 0, 0})), 0.15, 30);  // lava
    return s;
  }

 private:
  Lighting light_;
};

// 7 "Grand luxe": ivory and ebony in an ebony frame with gold stringing, on
// green leather tooled in gold.
class GrandLuxe : public Theme {
 public:
  GrandLuxe()
      : Theme(7, 7),
        light_(makeLighting({-0.3, 1.0, -0.4}, Colour{1.0, 0.93, 0.82} * 2.6, Colour{0.3, 0.3, 0.3},
                            Colour{0.1, 0.1, 0.08}, rgb(110, 100, 90), rgb(50, 45, 40), Colour{1, 0.95, 0.85} * 3.2)) {}
  const Lighting& boardLight() const override { return light_; }
  double exposure() const override { return 0.92; }
  Surface square(const V3& p, int row, int column) const override {
    const bool dark = (row + column) % 2 == 1;
    // Macassar ebony, striped brown and black: lighter than the jet pieces on it.
    static const Grain macassar{rgb(96, 60, 36), rgb(26, 17, 12), 7, 0.3, 0.25, 0.0};
    if (dark) return polished(squareWood(p, row, column, macassar, false, 5), 0.5, 120);
    // Ivory: warm, with the fine parallel lines of the tusk.
    const double lines = noise(V3{p.x * 2 + column, 0, p.z * 90 + row * 3});
    return polished(rgb(234, 220, 188) * (1 + 0.025 * lines), 0.35, 90);
  }
  Surface frame(const V3& p, double edge) const override {
    static const Grain ebony{rgb(36, 24, 20), rgb(12, 9, 7), 8, 0.2, 0.3, 0.0};
    const double in = fromSquares(p);
    if (in > 0.03 && in < 0.05) return goldSurface();
    Surface s = polished(wood(borderGrainFrame(p), ebony), 0.5, 120);
    s.normal = borderNormal(p, edge, 0.05);
    return s;
  }
  bool table(const V3& p, Surface& s) const override {
    // A frame of tooled gold lines around the leather's field.
    const double fx = std::abs(p.x) - 5.3, fz = std::max(-1.1 - p.z, p.z - 9.0);
    const double d = std::max(fx, fz);
    const double tooling = std::abs(d) < 0.03 || std::abs(d - 0.15) < 0.015 ? 1.0 : 0.0;
    if (tooling > 0) {
      s = goldSurface();
      s.albedo = s.albedo * 0.75;
      s.gloss = 0.5;
      return true;
    }
    const double grain = cells(p.x * 30, p.z * 30, 0.9).first;
    const Colour c = rgb(24, 70, 44) * (0.9 + 0.15 * smoothstep(0.1, 0.5, grain) + 0.06 * fbm(p * 2, 3));
    s = polished(c, 0.08, 18);
    return true;
  }
  double tableSun(const V3& p) const override {
    const double d = hypot2(p.x / 1.3, p.z - 4);
    return 0.3 + 0.7 * std::exp(-d * d / 35);
  }
  Surface piece(const V3& q, const V3&, bool white, PiecePart part, int seed) const override {
    if (part == PiecePart::Crown) return goldSurface();
    // A gold ring laid in the top face's groove.
    const double ring = std::abs(hypot2(q.x, q.z) - 0.74 * PieceShape{}.radius);
    const bool onTop = std::abs(q.y - PieceShape{}.disc) < 0.02 || std::abs(q.y - 2 * PieceShape{}.disc) < 0.02;
    if (ring < 0.02 && onTop) return goldSurface();
    if (white) return polished(rgb(240, 228, 200) * (1 + 0.02 * noise(V3{q.x * 3, q.y * 200, q.z * 3})), 0.4, 100);
    static const Grain ebony{rgb(22, 16, 13), rgb(8, 6, 5), 12, 0.2, 0.3, 0.0};
    return polished(wood(V3{q.x * 3 + seed, 1.5 + q.y * 3, q.z * 3}, ebony), 0.55, 140);
  }

 private:
  Lighting light_;
};

// 8 "Mississipi River": oak and cherry planks on the caulked deck of a river boat
// in the warm light of late afternoon.
class Mississippi : public Theme {
 public:
  Mississippi()
      : Theme(8, 8),
        light_(makeLighting({-0.55, 1.0, -0.3}, Colour{1.0, 0.82, 0.6} * 2.7, Colour{0.3, 0.32, 0.38},
                            Colour{0.22, 0.15, 0.1}, rgb(150, 140, 150), rgb(110, 80, 60), Colour{1, 0.85, 0.6} * 2.5)) {}
  const Lighting& boardLight() const override { return light_; }
  Surface square(const V3& p, int row, int column) const override {
    const bool dark = (row + column) % 2 == 1;
    static const Grain cherry{rgb(128, 60, 36), rgb(86, 36, 20), 6, 0.3, 0.25, 0.15};
    static const Grain oak{rgb(214, 176, 120), rgb(180, 138, 86), 5, 0.3, 0.25, 0.35};
    return polished(squareWood(p, row, column, dark ? cherry : oak, false, 17), 0.15, 30);
  }
  Surface frame(const V3& p, double edge) const override {
    static const Grain teak{rgb(120, 84, 50), rgb(84, 56, 32), 5, 0.3, 0.3, 0.2};
    const V3 f = borderGrainFrame(p);
    Surface s = polished(wood(f, teak), 0.12, 30);
    // Brass screws at the corners and the middles of the sides.
    for (double x : {-4.075, 0.0, 4.075})
      for (double z : {-0.075, 4.0, 8.075})
        if ((x != 0 || z != 4.0) && hypot2(p.x - x, p.z - z) < 0.035) {
          s = goldSurface();
          s.albedo = rgb(200, 160, 90);
        }
    s.normal = borderNormal(p, edge, 0.04);
    return s;
  }
  bool table(const V3& p, Surface& s) const override {
    static const Grain deck{rgb(160, 124, 86), rgb(118, 86, 56), 3.5, 0.35, 0.3, 0.15};
    int i;
    double across;
    strips(p.z + 0.2, 0.75, i, across);
    // Butt joints where one plank ends and the next begins.
    const double offset = 6 * hash(i, 21);
    const double seg = (p.x + offset) / 5.0;
    const int k = static_cast<int>(std::floor(seg));
    Colour c = wood(V3{p.x + 11 * hash(i, k), 1.2 + 2.5 * hash(i, k + 5), (across - 0.5) * 0.75}, deck);
    c = c * (0.85 + 0.15 * hash(i * 3 + k, 22)) * (0.9 + 0.1 * fbm(p * 1.5, 3));
    const double caulk = joint(across, 0.75, 0.03) * joint(seg - k, 5.0, 0.02);
    c = mix(rgb(30, 24, 20), c, caulk);
    s = polished(c, 0.04, 14);
    return true;
  }
  Surface piece(const V3& q, const V3&, bool white, PiecePart part, int seed) const override {
    if (part == PiecePart::Crown) {
      Surface s = goldSurface();
      s.albedo = rgb(210, 168, 96);  // brass
      return s;
    }
    static const Grain maple{rgb(238, 216, 174), rgb(222, 194, 144), 9, 0.15, 0.1, 0.0};
    static const Grain walnut{rgb(62, 40, 28), rgb(34, 22, 15), 9, 0.2, 0.25, 0.1};
    return polished(wood(V3{q.x * 3 + seed, 1.5 + q.y * 3, q.z * 3}, white ? maple : walnut), 0.3, 60);
  }

 private:
  Lighting light_;
};

}  // namespace

std::unique_ptr<Theme> makeWorldTheme(int number) {
  switch (number) {
    case 3: return std::make_unique<Luxe>();
    case 4: return std::make_unique<DeathValley>();
    case 5: return std::make_unique<KeyWest>();
    case 6: return std::make_unique<Hawaii>();
    case 7: return std::make_unique<GrandLuxe>();
    case 8: return std::make_unique<Mississippi>();
  }
  throw std::invalid_argument("no theme " + std::to_string(number));
}

}  // namespace pictures
