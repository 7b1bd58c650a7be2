// Pictures in linear light, and their 8-bit files.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "shading.h"

namespace pictures {

struct Picture {
  int width = 0, height = 0;
  std::vector<Colour> pixels;
  Picture() = default;
  Picture(int w, int h) : width(w), height(h), pixels(std::size_t(w) * h) {}
  Colour& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
  const Colour& at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// One pixel as written: exposure, a soft shoulder for the highlights, sRGB and
// a fixed dither that depends on the pixel's place (x, y) in its full picture.
QRgb toPixel(const Colour& c, double exposure, int x, int y);
QImage toImage(const Picture& p, double exposure);

// Writes a 24-bit BMP through a temporary file in the same folder; throws on failure.
void savePicture(const QImage& image, const QString& path);

// Area average down to a smaller size.
QImage shrink(const QImage& image, int width, int height);

}  // namespace pictures
