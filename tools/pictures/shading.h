// Vectors, colours and the lighting model shared by every picture.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>

namespace pictures {

struct V3 {
  double x = 0, y = 0, z = 0;
  constexpr V3() = default;
  constexpr V3(double a, double b, double c) : x(a), y(b), z(c) {}
  constexpr V3 operator+(const V3& o) const { return {x + o.x, y + o.y, z + o.z}; }
  constexpr V3 operator-(const V3& o) const { return {x - o.x, y - o.y, z - o.z}; }
  constexpr V3 operator*(const V3& o) const { return {x * o.x, y * o.y, z * o.z}; }
  constexpr V3 operator*(double k) const { return {x * k, y * k, z * k}; }
  constexpr V3 operator/(double k) const { return {x / k, y / k, z / k}; }
  constexpr V3 operator-() const { return {-x, -y, -z}; }
  V3& operator+=(const V3& o) { x += o.x; y += o.y; z += o.z; return *this; }
  V3& operator*=(double k) { x *= k; y *= k; z *= k; return *this; }
};
using Colour = V3;

inline constexpr V3 operator*(double k, const V3& v) { return v * k; }
inline double dot(const V3& a, const V3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline double length(const V3& a) { return std::sqrt(dot(a, a)); }
inline V3 normalize(const V3& a) { return a / length(a); }
inline V3 cross(const V3& a, const V3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline V3 reflect(const V3& d, const V3& n) { return d - n * (2 * dot(d, n)); }
inline double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
inline double mix(double a, double b, double t) { return a + (b - a) * t; }
inline V3 mix(const V3& a, const V3& b, double t) { return a + (b - a) * t; }
inline double smoothstep(double e0, double e1, double v) {
  const double t = clamp01((v - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}
// Length of a vector of the plane (std::hypot guards against overflow we never meet, slowly).
inline double hypot2(double a, double b) { return std::sqrt(a * a + b * b); }
inline double fract(double v) { return v - std::floor(v); }
inline double luminance(const Colour& c) { return 0.2126 * c.x + 0.7152 * c.y + 0.0722 * c.z; }

double srgbToLinear(double v);
double linearToSrgb(double v);
// A colour written as the 8-bit sRGB triple a painter would pick, in linear light.
Colour rgb(int r, int g, int b);

// How a point of a surface answers light.
struct Surface {
  Colour albedo{0.5, 0.5, 0.5};
  V3 normal{0, 1, 0};
  double shininess = 30;   // Blinn exponent of the highlight
  double specular = 0.04;  // reflectance facing the viewer (dielectrics about 0.04)
  double gloss = 0;        // share of the mirrored surroundings (lacquer, polish, metal)
  bool metal = false;      // metals tint their reflections and have no diffuse part
};

// One light and the surroundings it comes with.
struct Lighting {
  V3 toLight{0, 1, 0};          // unit vector towards the light
  Colour sun{1, 1, 1};          // colour and strength of the direct light
  Colour skyAmbient{0.2, 0.2, 0.2};
  Colour groundAmbient{0.1, 0.1, 0.1};
  std::function<Colour(const V3&)> environment;  // what a mirror sees in a direction
};

// Light leaving a point towards the eye; `toEye` is a unit vector, `lit` the
// unshadowed share of the direct light, `open` the share of the ambient light.
Colour shade(const Surface& s, const V3& toEye, const Lighting& light, double lit, double open);

// A soft studio surrounding: dark below, a bright soft window around the light.
Colour studioEnvironment(const V3& dir, const V3& toLight, const Colour& top, const Colour& horizon,
                         const Colour& window);

}  // namespace pictures
