#include "materials.h"
#include "noise.h"
#include "theme.h"

namespace pictures {

Surface goldSurface() {
  Surface s;
  s.albedo = rgb(236, 186, 92);
  s.metal = true;
  s.shininess = 90;
  s.gloss = 0.9;
  return s;
}

Lighting makeLighting(const V3& toLight, const Colour& sun, const Colour& sky, const Colour& ground,
                      const Colour& top, const Colour& horizon, const Colour& window) {
  Lighting l;
  l.toLight = normalize(toLight);
  l.sun = sun;
  l.skyAmbient = sky;
  l.groundAmbient = ground;
  const V3 d = l.toLight;
  l.environment = [d, top, horizon, window](const V3& r) { return studioEnvironment(r, d, top, horizon, window); };
  return l;
}

namespace {

// 1 "Classique": walnut and maple on a mahogany border, an oak table under a warm lamp.
class Classique : public Theme {
 public:
  Classique(int number = 1, int digit = 1)
      : Theme(number, digit),
        light_(makeLighting({-0.45, 1.0, -0.4}, Colour{1.0, 0.9, 0.75} * 2.6, Colour{0.36, 0.34, 0.33} * 0.9,
                            Colour{0.25, 0.17, 0.1} * 0.6, rgb(120, 100, 80), rgb(60, 45, 35),
                            Colour{1.0, 0.92, 0.8} * 3.0)) {}
  const Lighting& boardLight() const override { return light_; }

  Surface square(const V3& p, int row, int column) const override {
    Surface s;
    const bool dark = (row + column) % 2 == 1;
    static const Grain walnut{rgb(132, 82, 46), rgb(72, 40, 22), 7, 0.25, 0.25, 0.35};
    static const Grain maple{rgb(236, 206, 158), rgb(212, 172, 118), 5, 0.2, 0.15, 0.0};
    s.albedo = squareWood(p, row, column, dark ? walnut : maple, dark, 3);
    s.shininess = 40;
    s.specular = 0.05;
    s.gloss = 0.25;
    return s;
  }

  Surface frame(const V3& p, double edge) const override {
    static const Grain mahogany{rgb(120, 50, 28), rgb(80, 30, 16), 5, 0.3, 0.3, 0.2};
    static const Grain box{rgb(240, 220, 170), rgb(220, 196, 140), 6, 0.1, 0.1, 0.0};
    Surface s;
    const double in = fromSquares(p);
    const bool stringing = in > 0.025 && in < 0.04;
    s.albedo = wood(borderGrainFrame(p), stringing ? box : mahogany);
    s.normal = borderNormal(p, edge, 0.04);
    s.shininess = 50;
    s.gloss = 0.3;
    return s;
  }

  Surface side(const V3& p) const override {
    static const Grain mahogany{rgb(110, 45, 25), rgb(70, 26, 14), 5, 0.3, 0.3, 0.2};
    Surface s;
    s.albedo = wood(V3{p.x, 2 + p.y, p.z}, mahogany);
    s.normal = normalize(V3{0, smoothstep(-0.02, 0.0, p.y) * 1.2, 1});
    s.gloss = 0.3;
    return s;
  }

  bool table(const V3& p, Surface& s) const override {
    static const Grain oak{rgb(168, 116, 70), rgb(132, 86, 50), 7, 0.2, 0.25, 0.3};
    const double plank = 1.7;
    const double k = std::floor((p.z + 0.5) / plank);
    const double in = (p.z + 0.5) / plank - k;
    // Boards cut far from the heart: long, nearly straight lines of grain.
    s.albedo = wood(V3{p.x + 13 * hash(int(k), 4), 4 + 3 * hash(int(k), 5), (in - 0.5) * plank}, oak);
    const double seam = std::min(in, 1 - in) * plank;
    s.albedo *= mix(0.35, 1.0, smoothstep(0.0, 0.012, seam));
    s.shininess = 20;
    s.gloss = 0.12;
    return true;
  }
  // The lamp's pool of light: full on the board, falling off towards the edges.
  double tableSun(const V3& p) const override {
    const double d = hypot2(p.x / 1.2, (p.z - 4) / 1.0);
    return 0.25 + 0.75 * std::exp(-d * d / 40);
  }
  Surface piece(const V3& q, const V3& n, bool white, PiecePart part, int seed) const override {
    (void)n;
    if (part == PiecePart::Crown) return goldSurface();
    static const Grain boxwood{rgb(238, 218, 176), rgb(222, 194, 142), 9, 0.15, 0.1, 0.0};
    static const Grain ebony{rgb(52, 36, 28), rgb(28, 19, 15), 9, 0.2, 0.25, 0.0};
    Surface s;
    s.albedo = wood(V3{q.x * 3 + seed, 1.5 + q.y * 3, q.z * 3}, white ? boxwood : ebony);
    s.shininess = 60;
    s.specular = 0.05;
    s.gloss = 0.35;
    return s;
  }

 private:
  Lighting light_;
};

// 2 "Nuit": the same board under its lamp, on the same table at night: moonlight
// falls through the panes of a window, a candle glows at the far left.
class Nuit : public Classique {
 public:
  Nuit() : Classique(2, 1) {
    moon_.toLight = normalize(V3{0.5, 0.9, -0.45});
    moon_.sun = Colour{0.55, 0.68, 1.0} * 1.5;
    moon_.skyAmbient = Colour{0.025, 0.035, 0.08};
    moon_.groundAmbient = Colour{0.01, 0.01, 0.02};
  }
  const Lighting& tableLight() const override { return moon_; }
  double tableSun(const V3& p) const override {
    // The window's panes as they land on the table, slanted by the moon's height.
    const double u = p.x - 0.55 * p.z + 2.0, v = p.z + 0.3 * p.x;
    if (u < -9 || u > 5.2 || v < -4 || v > 12) return 0;
    const double pu = fract(u / 1.75), pv = fract(v / 2.4);
    auto pane = [](double f, double bar) { return smoothstep(bar, bar + 0.03, f) * (1 - smoothstep(1 - bar - 0.03, 1 - bar, f)); };
    return pane(pu, 0.05) * pane(pv, 0.04);
  }
  Colour tableGlow(const V3& p) const override {
    const double d = hypot2(p.x + 7.0, p.z + 1.2);
    return Colour{1.0, 0.55, 0.22} * (0.5 * std::exp(-d * d / 5.0));
  }

 private:
  Lighting moon_;
};

}  // namespace

std::vector<std::unique_ptr<Theme>> makeThemes() {
  std::vector<std::unique_ptr<Theme>> out;
  out.push_back(nullptr);
  out.push_back(std::make_unique<Classique>());
  out.push_back(std::make_unique<Nuit>());
  for (int n = 3; n <= 8; ++n) out.push_back(makeWorldTheme(n));
  return out;
}

namespace {

// Lit from the top-left of the screen: seen from above, -z is up.
class Flat : public Classique {
 public:
  Flat()
      : Classique(0, 0),
        light_(makeLighting({-0.45, 1.3, -0.45}, Colour{1.0, 0.96, 0.9} * 2.4, Colour{0.42, 0.42, 0.44},
                            Colour{0.2, 0.18, 0.15}, rgb(150, 150, 150), rgb(90, 90, 90), Colour{1, 1, 1} * 2.5)) {}
  const Lighting& boardLight() const override { return light_; }
  // A deeper gold, so that the crown stands out on a white king seen flat;
  // the black pieces darker than on the 3D boards, since seen from above
  // their lit tops would read as grey.
  Surface piece(const V3& q, const V3& n, bool white, PiecePart part, int seed) const override {
    Surface s = Classique::piece(q, n, white, part, seed);
    if (part == PiecePart::Crown) {
      s.albedo = rgb(196, 120, 28);
      s.gloss = 0.45;
    } else if (!white) {
      s.albedo = s.albedo * 0.45;
      s.specular = 0.03;
    }
    return s;
  }

 private:
  Lighting light_;
};

}  // namespace

std::unique_ptr<Theme> makeFlatTheme() { return std::make_unique<Flat>(); }

}  // namespace pictures
