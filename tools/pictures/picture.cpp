#include "picture.h"

#include <QSaveFile>
#include <stdexcept>

#include "noise.h"

namespace pictures {

QRgb toPixel(const Colour& c, double exposure, int x, int y) {
  auto channel = [&](double v, int k) {
    v *= exposure;
    if (v > 0.8) v = 0.8 + 0.2 * (1 - std::exp(-(v - 0.8) / 0.2));
    const double dither = hash(x, y, k) - 0.5;
    return std::clamp(static_cast<int>(std::floor(linearToSrgb(v) * 255 + 0.5 + dither)), 0, 255);
  };
  return qRgb(channel(c.x, 0), channel(c.y, 1), channel(c.z, 2));
}

QImage toImage(const Picture& p, double exposure) {
  QImage out(p.width, p.height, QImage::Format_RGB32);
  for (int y = 0; y < p.height; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < p.width; ++x) line[x] = toPixel(p.at(x, y), exposure, x, y);
  }
  return out;
}

void savePicture(const QImage& image, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || !image.convertToFormat(QImage::Format_RGB888).save(&file, "BMP") ||
      !file.commit())
    throw std::runtime_error("cannot write " + path.toStdString());
}

QImage shrink(const QImage& image, int width, int height) {
  const QImage src = image.convertToFormat(QImage::Format_RGB32);
  QImage out(width, height, QImage::Format_RGB32);
  const double fx = double(src.width()) / width, fy = double(src.height()) / height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      // Each source pixel counts by the share of it inside the target pixel.
      const double x0 = x * fx, x1 = (x + 1) * fx, y0 = y * fy, y1 = (y + 1) * fy;
      double r = 0, g = 0, b = 0, w = 0;
      for (int sy = int(y0); sy < std::min(int(std::ceil(y1)), src.height()); ++sy) {
        const double wy = std::min(y1, sy + 1.0) - std::max(y0, double(sy));
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        for (int sx = int(x0); sx < std::min(int(std::ceil(x1)), src.width()); ++sx) {
          const double k = wy * (std::min(x1, sx + 1.0) - std::max(x0, double(sx)));
          r += k * srgbToLinear(qRed(line[sx]) / 255.0);
          g += k * srgbToLinear(qGreen(line[sx]) / 255.0);
          b += k * srgbToLinear(qBlue(line[sx]) / 255.0);
          w += k;
        }
      }
      auto c = [&](double v) { return std::clamp(int(linearToSrgb(v / w) * 255 + 0.5), 0, 255); };
      out.setPixel(x, y, qRgb(c(r), c(g), c(b)));
    }
  return out;
}

}  // namespace pictures
