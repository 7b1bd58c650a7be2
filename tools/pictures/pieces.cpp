#include "pieces.h"

#include <stdexcept>
#include <string>

namespace pictures {

namespace {

constexpr double CROWN_HEIGHT = 0.018;
constexpr double GROOVE = 0.012;

double roundedDisc(const V3& q, double bottom, double height, double radius, double edge) {
  const double dx = hypot2(q.x, q.z) - radius + edge;
  const double dy = std::abs(q.y - (bottom + height / 2)) - height / 2 + edge;
  return hypot2(std::max(dx, 0.0), std::max(dy, 0.0)) + std::min(std::max(dx, dy), 0.0) - edge;
}

// Signed distance to a polygon in the plane.
double polygonDistance(double px, double py, const double (*v)[2], int n) {
  double d = (px - v[0][0]) * (px - v[0][0]) + (py - v[0][1]) * (py - v[0][1]);
  double sign = 1;
  for (int i = 0, j = n - 1; i < n; j = i, ++i) {
    const double ex = v[j][0] - v[i][0], ey = v[j][1] - v[i][1];
    const double wx = px - v[i][0], wy = py - v[i][1];
    const double t = clamp01((wx * ex + wy * ey) / (ex * ex + ey * ey));
    const double bx = wx - ex * t, by = wy - ey * t;
    d = std::min(d, bx * bx + by * by);
    const bool c1 = py >= v[i][1], c2 = py < v[j][1], c3 = ex * wy > ey * wx;
    if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
  }
  return sign * std::sqrt(d);
}

// The crown seen from above, its points towards the far side (-z), in radii.
double crownOutline(double x, double z) {
  static const double outline[7][2] = {{-0.46, 0.30}, {0.46, 0.30},  {0.52, -0.20}, {0.25, 0.03},
                                       {0.0, -0.33},  {-0.25, 0.03}, {-0.52, -0.20}};
  double d = polygonDistance(x, z, outline, 7);
  d = std::min(d, hypot2(x - 0.53, z + 0.26) - 0.075);
  d = std::min(d, hypot2(x + 0.53, z + 0.26) - 0.075);
  d = std::min(d, hypot2(x, z + 0.40) - 0.08);
  return d;
}

struct Shape {
  const PieceShape& s;
  bool king;
  double top() const { return king ? 2 * s.disc : s.disc; }

  double distance(const V3& q, PiecePart* part = nullptr) const {
    const double edge = 0.35 * s.disc;
    double body = roundedDisc(q, 0, s.disc, s.radius, edge);
    if (king) body = std::min(body, roundedDisc(q, s.disc, s.disc, s.radius, edge));
    // A ring cut in the top face, as turned pieces have.
    const double ring = hypot2(hypot2(q.x, q.z) - 0.74 * s.radius, q.y - top()) - GROOVE;
    body = std::max(body, -ring);
    if (part) *part = PiecePart::Body;
    if (!king) return body;
    const double flat = crownOutline(q.x / s.radius, q.z / s.radius) * s.radius;
    const double e = 0.004;
    const double dx = flat + e, dy = q.y - (top() + CROWN_HEIGHT) + e;
    const double crown = std::max(hypot2(std::max(dx, 0.0), std::max(dy, 0.0)) + std::min(std::max(dx, dy), 0.0) - e,
                                  top() - 0.02 - q.y);
    if (crown < body) {
      if (part) *part = PiecePart::Crown;
      return crown;
    }
    return body;
  }

  V3 normal(const V3& q) const {
    const double h = 2e-4;
    const V3 k1{1, -1, -1}, k2{-1, -1, 1}, k3{-1, 1, -1}, k4{1, 1, 1};
    return normalize(k1 * distance(q + k1 * h) + k2 * distance(q + k2 * h) + k3 * distance(q + k3 * h) +
                     k4 * distance(q + k4 * h));
  }
};

// Entry and exit of a ray through the upright cylinder holding the piece.
bool throughCylinder(const V3& o, const V3& d, double radius, double height, double& t0, double& t1) {
  t0 = -1e9;
  t1 = 1e9;
  const double a = d.x * d.x + d.z * d.z;
  if (a > 1e-12) {
    const double b = o.x * d.x + o.z * d.z, c = o.x * o.x + o.z * o.z - radius * radius;
    const double disc = b * b - a * c;
    if (disc < 0) return false;
    const double r = std::sqrt(disc);
    t0 = (-b - r) / a;
    t1 = (-b + r) / a;
  } else if (o.x * o.x + o.z * o.z > radius * radius) {
    return false;
  }
  if (std::abs(d.y) > 1e-12) {
    double a0 = (0 - o.y) / d.y, a1 = (height - o.y) / d.y;
    if (a0 > a1) std::swap(a0, a1);
    t0 = std::max(t0, a0);
    t1 = std::min(t1, a1);
  }
  return t1 > std::max(t0, 0.0);
}

struct Drawer {
  const Theme& theme;
  const Eye& eye;
  V3 base;
  Kind kind;
  Shape shape;
  int seed;

  // Darkening of the board by the piece at a point of the board (local
  // coordinates), nothing at all beyond a short distance from the piece.
  double boardShadow(const V3& q) const {
    const V3 l = theme.boardLight().toLight;
    const double k = shape.top() / std::max(l.y, 0.1);
    const double sx = -l.x * k, sz = -l.z * k;
    const double t = clamp01((q.x * sx + q.z * sz) / (sx * sx + sz * sz));
    const double cast = hypot2(q.x - sx * t, q.z - sz * t) - shape.s.radius * 0.97;
    const double shadow = 1 - smoothstep(-0.03, 0.035, cast);
    const double contact = 1 - smoothstep(0.0, 0.06, hypot2(q.x, q.z) - shape.s.radius);
    return std::max(0.55 * shadow, 0.5 * contact);
  }

  // Whether a sample meets the piece, and where; else how much the piece
  // darkens the board under it.
  bool march(double x, double y, V3& at, V3& dir, double& shadow) const {
    const Ray r = eye(x, y);
    const V3 o = r.origin - base;
    dir = r.direction;
    shadow = 0;
    double t0, t1;
    if (kind == Kind::Empty) return false;
    if (throughCylinder(o, dir, shape.s.radius + 0.003, shape.top() + CROWN_HEIGHT + 0.003, t0, t1)) {
      double t = std::max(t0, 0.0);
      for (int i = 0; i < 96 && t <= t1; ++i) {
        const double dist = shape.distance(o + dir * t);
        if (dist < 1e-5) {
          at = o + dir * t;
          return true;
        }
        t += dist * 0.95;
      }
    }
    if (dir.y < 0) shadow = boardShadow(o + dir * (-o.y / dir.y));
    return false;
  }

  Colour shadePiece(const V3& q, const V3& toEye) const {
    PiecePart part;
    shape.distance(q, &part);
    const V3 n = shape.normal(q);
    Surface s = theme.piece(q, n, isWhite(kind), part, seed);
    s.normal = n;
    // Light kept out of grooves and seams, and the dimmer foot near the board.
    double occ = 0;
    for (int i = 1; i <= 4; ++i) {
      const double h = 0.006 * i;
      occ += (h - shape.distance(q + n * h)) / (1 << i);
    }
    double open = clamp01(1 - 30 * occ) * mix(0.55, 1.0, smoothstep(0.0, 0.05, q.y));
    // Soft shadow of the crown and the upper disc.
    const V3 l = theme.boardLight().toLight;
    double lit = 1, t = 0.004;
    const bool underCrown = shape.king && q.y > shape.top() - 0.01;
    for (int i = 0; underCrown && i < 40 && t < 0.3; ++i) {
      const double dist = shape.distance(q + n * 0.0015 + l * t);
      lit = std::min(lit, 10 * dist / t);
      if (lit < 0.01) break;
      t += std::max(dist, 0.003);
    }
    return shade(s, toEye, theme.boardLight(), smoothstep(0.0, 1.0, lit), open);
  }
};

}  // namespace

QImage drawPiece(const Theme& theme, const Eye& eye, const V3& base, Kind kind, const PieceShape& shape, int seed,
                 const Backdrop& backdrop, const PixelRect& region) {
  QImage out = backdrop.written.copy(region.x, region.y, region.width, region.height);
  if (kind == Kind::Empty) return out;
  const Drawer drawer{theme, eye, base, kind, Shape{shape, isKing(kind)}, seed};
  const int w = region.width, h = region.height;
  // One sample per pixel first; then, where the outline or the crown's edge
  // passes, the coverage on a fine grid.
  std::vector<char> part(std::size_t(w) * h);  // 0 board, 1 body, 2 crown
  std::vector<Colour> colour(std::size_t(w) * h);
  std::vector<double> shadow(std::size_t(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::size_t i = std::size_t(y) * w + x;
      V3 at, dir;
      if (drawer.march(region.x + x + 0.5, region.y + y + 0.5, at, dir, shadow[i])) {
        PiecePart p;
        drawer.shape.distance(at, &p);
        part[i] = p == PiecePart::Crown ? 2 : 1;
        colour[i] = drawer.shadePiece(at, -dir);
      }
    }
  constexpr int n = 4;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::size_t i = std::size_t(y) * w + x;
      bool outline = false, inside = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          const char other = part[std::size_t(ny) * w + nx];
          if ((other == 0) != (part[i] == 0)) outline = true;
          else if (other != part[i]) inside = true;
        }
      const Colour& under = backdrop.linear.at(region.x + x, region.y + y);
      Colour c;
      bool touched;
      if (outline) {
        // Coverage from the fine grid, the piece's light from its samples' mean place.
        int covered = 0;
        double dark = 0;
        V3 sumAt, sumDir;
        for (int j = 0; j < n; ++j)
          for (int k = 0; k < n; ++k) {
            V3 at, dir;
            double sh;
            if (drawer.march(region.x + x + (k + 0.5) / n, region.y + y + (j + 0.5) / n, at, dir, sh)) {
              ++covered;
              sumAt += at;
              sumDir += dir;
            } else {
              dark += sh;
            }
          }
        Colour piece;
        if (covered > 0) {
          V3 dir = normalize(sumDir), at = sumAt / covered;
          // Back onto the surface along the ray, the mean of the samples' places may float off it.
          for (int it = 0; it < 8; ++it) at = at + dir * drawer.shape.distance(at);
          piece = drawer.shadePiece(at, -dir);
        }
        c = (piece * covered + under * ((n * n - covered) - dark)) / (n * n);
        touched = covered > 0 || dark > 0;
      } else if (inside) {
        Colour sum;
        for (int j = 0; j < 2; ++j)
          for (int k = 0; k < 2; ++k) {
            V3 at, dir;
            double sh;
            if (drawer.march(region.x + x + (k + 0.5) / 2, region.y + y + (j + 0.5) / 2, at, dir, sh))
              sum += drawer.shadePiece(at, -dir);
            else
              sum += colour[i];
          }
        c = sum / 4;
        touched = true;
      } else if (part[i]) {
        c = colour[i];
        touched = true;
      } else {
        c = under * (1 - shadow[i]);
        touched = shadow[i] > 0;
      }
      if (!touched) continue;
      if (x == 0 || y == 0 || x == w - 1 || y == h - 1)
        throw std::runtime_error("a piece reaches the border of its picture at (" + std::to_string(region.x + x) + ", " +
                                 std::to_string(region.y + y) + ")");
      out.setPixel(x, y, toPixel(c, backdrop.exposure, region.x + x, region.y + y));
    }
  return out;
}

}  // namespace pictures
