// Deterministic noise for the procedural materials: the same pictures on every build.
#pragma once

#include "shading.h"

namespace pictures {

// Gradient noise, about -1..1, smooth in every direction.
double noise(const V3& p);
// Sum of octaves of `noise`, each twice as fine and half as strong.
double fbm(const V3& p, int octaves);
// Sum of absolute octaves: sharp creases (veins, ridges).
double turbulence(const V3& p, int octaves);
// A repeatable number in 0..1 for a few integers.
double hash(int a, int b = 0, int c = 0);

// Nearest and second nearest cell points of a jittered grid in the plane.
struct Cells {
  double first = 0, second = 0;  // distances
  double nearestX = 0, nearestY = 0;
  int id = 0;
};
Cells cells(double x, double y, double jitter = 0.9);

}  // namespace pictures
