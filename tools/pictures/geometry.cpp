#include "geometry.h"

#include <vector>

namespace pictures {

namespace {

// The board seen in perspective, symmetric about a vertical line: a corner
// (u, r) of the grid (u columns from the centre line, r rows from the far edge)
// lands at x = x0 + a u / (1 + c r), y = (b r + d) / (1 + c r).
struct BoardView {
  double x0 = 349, a = 50, b = 40, c = 0, d = 57;
  void at(double u, double r, double& x, double& y) const {
    const double den = 1 + c * r;
    x = x0 + a * u / den;
    y = (b * r + d) / den;
  }
};

std::vector<double> residuals(const BoardView& v) {
  std::vector<double> out;
  for (int s = 1; s <= 32; ++s) {
    double x, y;
    v.at(columnOf(s) - 4, rowOf(s), x, y);
    out.push_back(x - PLACES_3D[s].x);
    out.push_back(y - PLACES_3D[s].y);
  }
  return out;
}

double cost(const BoardView& v) {
  double sum = 0;
  for (double r : residuals(v)) sum += r * r;
  return sum;
}

// Least squares over the 32 places (Levenberg-Marquardt, numeric derivatives).
BoardView fitBoard() {
  BoardView v;
  double p[5] = {v.x0, v.a, v.b, v.c, v.d};
  auto view = [](const double* q) { return BoardView{q[0], q[1], q[2], q[3], q[4]}; };
  double lambda = 1e-3;
  for (int it = 0; it < 200; ++it) {
    const std::vector<double> r = residuals(view(p));
    const double now = cost(view(p));
    double jac[64][5];
    for (int k = 0; k < 5; ++k) {
      double q[5] = {p[0], p[1], p[2], p[3], p[4]};
      const double h = 1e-6 * (std::abs(p[k]) + 1);
      q[k] += h;
      const std::vector<double> r2 = residuals(view(q));
      for (int i = 0; i < 64; ++i) jac[i][k] = (r2[i] - r[i]) / h;
    }
    double m[5][6] = {};
    for (int i = 0; i < 64; ++i)
      for (int a = 0; a < 5; ++a) {
        for (int b = 0; b < 5; ++b) m[a][b] += jac[i][a] * jac[i][b];
        m[a][5] -= jac[i][a] * r[i];
      }
    for (int a = 0; a < 5; ++a) m[a][a] *= 1 + lambda;
    for (int a = 0; a < 5; ++a) {
      int pivot = a;
      for (int b = a; b < 5; ++b)
        if (std::abs(m[b][a]) > std::abs(m[pivot][a])) pivot = b;
      for (int c = 0; c < 6; ++c) std::swap(m[a][c], m[pivot][c]);
      for (int b = 0; b < 5; ++b)
        if (b != a) {
          const double f = m[b][a] / m[a][a];
          for (int c = 0; c < 6; ++c) m[b][c] -= f * m[a][c];
        }
    }
    double q[5];
    for (int a = 0; a < 5; ++a) q[a] = p[a] + m[a][5] / m[a][a];
    if (cost(view(q)) < now) {
      for (int a = 0; a < 5; ++a) p[a] = q[a];
      lambda *= 0.5;
    } else {
      lambda *= 4;
    }
  }
  BoardView out = view(p);
  // Move the rows down until none starts above its places: a piece then has
  // the whole of its square's depth below the top of its bitmap.
  double shift = 0;
  for (int r = 0; r < 8; ++r) shift = std::max(shift, PLACES_3D[4 * r + 1].y * (1 + out.c * r) - (out.b * r + out.d));
  out.d += shift + 0.02;
  return out;
}

}  // namespace

const Camera& Camera::board() {
  static const Camera camera;
  return camera;
}

// The fitted view is the picture of the plane y = 0 by a camera looking down
// the board's centre line; with the optical centre in the middle of the picture
// the fit decides the camera's tilt, distance and focal length.
Camera::Camera() {
  const BoardView v = fitBoard();
  centreX_ = v.x0;
  centreY_ = SCENE_HEIGHT / 2.0;
  const double k = v.b - centreY_ * v.c;  // a sin(tilt)
  const double sinT = k / v.a, cosT = std::sqrt(1 - sinT * sinT);
  const double depth = -cosT / v.c;        // distance to the plane's row 0 along the axis
  const double r0 = (centreY_ - v.d) / k;  // row seen at the optical centre
  focal_ = v.a * depth;
  const double dist = depth - r0 * cosT;
  eye_ = {0, dist * sinT, r0 + dist * cosT};
  forward_ = {0, -sinT, -cosT};
  up_ = {0, cosT, -sinT};
  right_ = {1, 0, 0};
  for (int s = 1; s <= 32; ++s) {
    double x, y;
    project({columnOf(s) - 4.0, 0, double(rowOf(s))}, x, y);
    worst_ = std::max(worst_, hypot2(x - PLACES_3D[s].x, y - PLACES_3D[s].y));
  }
}

void Camera::project(const V3& p, double& sx, double& sy) const {
  const V3 q = p - eye_;
  const double depth = dot(q, forward_);
  sx = centreX_ + focal_ * dot(q, right_) / depth;
  sy = centreY_ - focal_ * dot(q, up_) / depth;
}

Ray Camera::ray(double sx, double sy) const {
  const V3 d = forward_ + right_ * ((sx - centreX_) / focal_) - up_ * ((sy - centreY_) / focal_);
  return {eye_, normalize(d)};
}

PixelRect squareRect(int square) {
  const Camera& cam = Camera::board();
  const int r = rowOf(square), c = columnOf(square);
  const Place p = PLACES_3D[square];
  double right = 0;
  for (int dr = 0; dr <= 1; ++dr) {
    double x, y;
    cam.project({c - 3.0, 0, double(r + dr)}, x, y);
    right = std::max(right, x);
  }
  // Its top corner stays on the board: themes that share the square bitmaps
  // differ around the board.
  {
    double x, y;
    cam.project({4 + FRAME_WIDTH, 0, double(r)}, x, y);
    right = std::min(right, std::floor(x) - 1);
  }
  int bottom;
  if (r < 7) {
    bottom = PLACES_3D[square + 4 - (square - 1) % 4].y;  // first square of the next row
  } else {
    double x, y;
    cam.project({0, 0, 8}, x, y);
    bottom = static_cast<int>(std::ceil(y));
  }
  PixelRect out;
  out.x = p.x * PIXELS_PER_UNIT;
  out.y = p.y * PIXELS_PER_UNIT;
  out.width = (static_cast<int>(std::ceil(right)) - p.x) * PIXELS_PER_UNIT;
  out.height = (bottom - p.y) * PIXELS_PER_UNIT;
  return out;
}

}  // namespace pictures
