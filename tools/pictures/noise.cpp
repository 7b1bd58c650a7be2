#include "noise.h"

#include <array>
#include <cstdint>

namespace pictures {

namespace {

// A fixed permutation made by a small linear congruential generator.
const std::array<int, 512>& permutation() {
  static const std::array<int, 512> table = [] {
    std::array<int, 512> p{};
    for (int i = 0; i < 256; ++i) p[i] = i;
    std::uint32_t s = 20240601u;
    for (int i = 255; i > 0; --i) {
      s = s * 1664525u + 1013904223u;
      std::swap(p[i], p[(s >> 8) % (i + 1)]);
    }
    for (int i = 0; i < 256; ++i) p[256 + i] = p[i];
    return p;
  }();
  return table;
}

double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

double grad(int h, double x, double y, double z) {
  h &= 15;
  const double u = h < 8 ? x : y;
  const double v = h < 4 ? y : (h == 12 || h == 14 ? x : z);
  return ((h & 1) ? -u : u) + ((h & 2) ? -v : v);
}

}  // namespace

double noise(const V3& q) {
  const auto& p = permutation();
  const double fx = std::floor(q.x), fy = std::floor(q.y), fz = std::floor(q.z);
  const int X = static_cast<int>(fx) & 255, Y = static_cast<int>(fy) & 255, Z = static_cast<int>(fz) & 255;
  const double x = q.x - fx, y = q.y - fy, z = q.z - fz;
  const double u = fade(x), v = fade(y), w = fade(z);
  const int A = p[X] + Y, AA = p[A] + Z, AB = p[A + 1] + Z;
  const int B = p[X + 1] + Y, BA = p[B] + Z, BB = p[B + 1] + Z;
  return mix(mix(mix(grad(p[AA], x, y, z), grad(p[BA], x - 1, y, z), u),
                 mix(grad(p[AB], x, y - 1, z), grad(p[BB], x - 1, y - 1, z), u), v),
             mix(mix(grad(p[AA + 1], x, y, z - 1), grad(p[BA + 1], x - 1, y, z - 1), u),
                 mix(grad(p[AB + 1], x, y - 1, z - 1), grad(p[BB + 1], x - 1, y - 1, z - 1), u), v),
             w);
}

double fbm(const V3& p, int octaves) {
  double sum = 0, amp = 0.5, f = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * noise(p * f + V3{17.3 * i, 5.1 * i, 11.7 * i});
    f *= 2.03;
    amp *= 0.5;
  }
  return sum;
}

double turbulence(const V3& p, int octaves) {
  double sum = 0, amp = 0.5, f = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * std::abs(noise(p * f + V3{3.7 * i, 13.1 * i, 7.9 * i}));
    f *= 2.03;
    amp *= 0.5;
  }
  return sum;
}

double hash(int a, int b, int c) {
  std::uint32_t h = static_cast<std::uint32_t>(a) * 0x8da6b343u ^ static_cast<std::uint32_t>(b) * 0xd8163841u ^
                    static_cast<std::uint32_t>(c) * 0xcb1ab31fu;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return (h & 0xffffff) / 16777216.0;
}

Cells cells(double x, double y, double jitter) {
  const int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
  Cells out;
  out.first = out.second = 1e9;
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) {
      const int gx = cx + i, gy = cy + j;
      const double px = gx + 0.5 + jitter * (hash(gx, gy, 1) - 0.5);
      const double py = gy + 0.5 + jitter * (hash(gx, gy, 2) - 0.5);
      const double d = hypot2(px - x, py - y);
      if (d < out.first) {
        out.second = out.first;
        out.first = d;
        out.nearestX = px;
        out.nearestY = py;
        out.id = gx * 7919 + gy * 104729;
      } else if (d < out.second) {
        out.second = d;
      }
    }
  return out;
}

}  // namespace pictures
