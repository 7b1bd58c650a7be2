#include "shading.h"

namespace pictures {

double srgbToLinear(double v) {
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double linearToSrgb(double v) {
  v = std::max(v, 0.0);
  return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

Colour rgb(int r, int g, int b) {
  return {srgbToLinear(r / 255.0), srgbToLinear(g / 255.0), srgbToLinear(b / 255.0)};
}

Colour shade(const Surface& s, const V3& toEye, const Lighting& light, double lit, double open) {
  const V3& n = s.normal;
  const double nl = std::max(0.0, dot(n, light.toLight));
  const double up = 0.5 + 0.5 * n.y;
  const Colour ambient = mix(light.groundAmbient, light.skyAmbient, up) * open;
  const double ne = std::max(1e-3, dot(n, toEye));
  // Schlick's approximation of the Fresnel term, grazing views reflect more.
  const double m = 1 - ne, m2 = m * m;
  const double fresnel = s.specular + (1 - s.specular) * m2 * m2 * m;
  Colour tint = s.metal ? s.albedo : Colour{1, 1, 1};
  Colour out;
  if (!s.metal) out = s.albedo * (ambient + light.sun * (nl * lit));
  const V3 h = normalize(light.toLight + toEye);
  const double nh = std::max(0.0, dot(n, h));
  const double norm = (s.shininess + 8) / (8 * M_PI);
  const double f = s.metal ? 1.0 : fresnel;
  out += tint * light.sun * (f * norm * std::pow(nh, s.shininess) * nl * lit);
  if (s.gloss > 0 && light.environment) {
    const V3 r = reflect(-toEye, n);
    const double fr = s.metal ? 1.0 : fresnel;
    out += tint * light.environment(r) * (s.gloss * fr * (0.35 + 0.65 * open));
  }
  return out;
}

Colour studioEnvironment(const V3& dir, const V3& toLight, const Colour& top, const Colour& horizon,
                         const Colour& window) {
  const double e = dir.y;
  Colour c = e > 0 ? mix(horizon, top, std::sqrt(e)) : horizon * std::max(0.15, 1 + 1.5 * e);
  const double a = dot(dir, toLight);
  c += window * (smoothstep(0.80, 0.97, a) + 0.25 * smoothstep(0.3, 1.0, a));
  return c;
}

}  // namespace pictures
