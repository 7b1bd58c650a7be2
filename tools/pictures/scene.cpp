#include "scene.h"

namespace pictures {

namespace {

constexpr double EDGE = 4 + FRAME_WIDTH;  // half width of the board
constexpr double NEAR = 8 + FRAME_WIDTH;  // z of the front face
constexpr double FAR = -FRAME_WIDTH;      // z of the back edge

struct Sample {
  Colour colour;
  int id = 0;  // which surface: a square, the border, the side, the table
};

// Signed distance from a point of the plane to an axis-aligned rectangle.
double boxDistance(double x, double z, double cx, double cz, double hx, double hz) {
  const double dx = std::abs(x - cx) - hx, dz = std::abs(z - cz) - hz;
  return hypot2(std::max(dx, 0.0), std::max(dz, 0.0)) + std::min(std::max(dx, dz), 0.0);
}

// The board's shadow and the darkening right around it on the table.
void boardShade(const V3& p, const Lighting& light, double& lit, double& open) {
  const double k = BOARD_THICKNESS / std::max(light.toLight.y, 0.05);
  const double ox = light.toLight.x * k, oz = light.toLight.z * k;
  const double cast = boxDistance(p.x + ox / 2, p.z + oz / 2, 0, 4, EDGE + std::abs(ox) / 2,
                                  (NEAR - FAR) / 2 + std::abs(oz) / 2);
  lit = smoothstep(-0.02, 0.05, cast);
  const double d = boxDistance(p.x, p.z, 0, 4, EDGE, (NEAR - FAR) / 2);
  open = 1 - 0.45 * std::exp(-std::max(d, 0.0) / 0.09);
}

Sample sample(const Theme& theme, double sx, double sy) {
  const Ray ray = Camera::board().ray(sx, sy);
  const V3 toEye = -ray.direction;
  Sample out;
  // The playing surface and the border.
  double t = -ray.origin.y / ray.direction.y;
  V3 p = ray.origin + ray.direction * t;
  if (std::abs(p.x) <= EDGE && p.z >= FAR && p.z <= NEAR) {
    Surface s;
    if (std::abs(p.x) < 4 && p.z >= 0 && p.z < 8) {
      const int row = static_cast<int>(p.z), column = static_cast<int>(p.x + 4);
      s = theme.square(p, row, column);
      out.id = 1 + row * 8 + column;
    } else {
      const double edge = std::min({EDGE - std::abs(p.x), p.z - FAR, NEAR - p.z});
      s = theme.frame(p, edge);
      out.id = 100;
    }
    out.colour = shade(s, toEye, theme.boardLight(), 1, 1);
    return out;
  }
  // The front face of the board.
  t = (NEAR - ray.origin.z) / ray.direction.z;
  p = ray.origin + ray.direction * t;
  if (std::abs(p.x) <= EDGE && p.y >= -BOARD_THICKNESS && p.y <= 0) {
    Surface s = theme.side(p);
    out.colour = shade(s, toEye, theme.boardLight(), 1, 0.8);
    out.id = 101;
    return out;
  }
  // The table around it.
  t = (-BOARD_THICKNESS - ray.origin.y) / ray.direction.y;
  p = ray.origin + ray.direction * t;
  Surface s;
  if (theme.table(p, s)) {
    const Lighting& light = theme.tableLight();
    double lit, open;
    boardShade(p, light, lit, open);
    out.colour = shade(s, toEye, light, lit * theme.tableSun(p), open) + theme.tableGlow(p) * open;
    out.id = 200;
    return out;
  }
  out.colour = theme.beyond(ray);
  out.id = 300;
  return out;
}

}  // namespace

Picture renderScene(const Theme& theme) {
  const int w = SCENE_WIDTH * PIXELS_PER_UNIT, h = SCENE_HEIGHT * PIXELS_PER_UNIT;
  const double unit = 1.0 / PIXELS_PER_UNIT;
  Picture pic(w, h);
  std::vector<int> ids(std::size_t(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Sample s = sample(theme, (x + 0.5) * unit, (y + 0.5) * unit);
      pic.at(x, y) = s.colour;
      ids[std::size_t(y) * w + x] = s.id;
    }
  // Pixels on an edge between surfaces, or on a sharp change of colour, are
  // sampled again on a fine grid.
  std::vector<char> edge(std::size_t(w) * h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int id = ids[std::size_t(y) * w + x];
      const double l = luminance(pic.at(x, y));
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          const double m = luminance(pic.at(nx, ny));
          if (ids[std::size_t(ny) * w + nx] != id || std::abs(l - m) > 0.12 * (l + m) + 0.004)
            edge[std::size_t(y) * w + x] = 1;
        }
    }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!edge[std::size_t(y) * w + x]) continue;
      Colour sum;
      for (int j = 0; j < EDGE_SAMPLES; ++j)
        for (int i = 0; i < EDGE_SAMPLES; ++i)
          sum += sample(theme, (x + (i + 0.5) / EDGE_SAMPLES) * unit, (y + (j + 0.5) / EDGE_SAMPLES) * unit).colour;
      pic.at(x, y) = sum / (EDGE_SAMPLES * EDGE_SAMPLES);
    }
  return pic;
}

}  // namespace pictures
