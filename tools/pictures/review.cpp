#include <QDir>
#include <QPainter>
#include <array>
#include <stdexcept>

#include "geometry.h"
#include "outputs.h"
#include "pieces.h"

namespace pictures {

namespace {

QImage load(const QString& path) {
  QImage image(path);
  if (image.isNull()) throw std::runtime_error("cannot read " + path.toStdString());
  return image.convertToFormat(QImage::Format_RGB32);
}

// A position: the picture kind on each square 1..32.
using Position = std::array<Kind, 33>;

Position start() {
  Position p{};
  for (int s = 1; s <= 32; ++s) p[s] = s <= 12 ? Kind::WhiteMan : s >= 21 ? Kind::BlackMan : Kind::Empty;
  return p;
}

// Every kind in every row, kings of both colours included.
Position mixed() {
  Position p{};
  for (int s = 1; s <= 32; ++s) p[s] = static_cast<Kind>(1 + (s + rowOf(s)) % 4);
  return p;
}

// The 3D picture as the window paints it: background, board picture over it,
// then each square's bitmap; turned, square s shows the bitmap of 33 - s.
QImage compose3D(const QString& dir, int theme, const Position& position, bool turned) {
  const QString n = QString::number(theme);
  const int t = theme == 2 ? 1 : theme;
  QImage out = load(dir + "/damier" + n + ".bmp");
  QPainter p(&out);
  p.drawImage(0, 0, load(dir + "/damier" + n + "w.bmp"));
  for (int s = 1; s <= 32; ++s) {
    const int shown = turned ? 33 - s : s;
    const QString file = dir + "/Images" + QString::number(t) + "/" + PREFIXES[int(position[s])] +
                         QString::number(t) + "_" + QString::number(shown) + ".bmp";
    p.drawImage(PLACES_3D[shown].x * PIXELS_PER_UNIT, PLACES_3D[shown].y * PIXELS_PER_UNIT, load(file));
  }
  return out;
}

}  // namespace

void writeReview(const QString& dir, const QString& reviewDir) {
  if (!QDir().mkpath(reviewDir)) throw std::runtime_error("cannot make " + reviewDir.toStdString());
  auto save = [&](const QImage& image, const QString& name) {
    if (!image.save(reviewDir + "/" + name, "PNG")) throw std::runtime_error("cannot write " + name.toStdString());
  };
  for (int theme = 1; theme <= 8; ++theme) {
    const QString n = QString::number(theme);
    save(compose3D(dir, theme, start(), false), "theme" + n + "-start.png");
    save(compose3D(dir, theme, start(), true), "theme" + n + "-start-turned.png");
    save(compose3D(dir, theme, mixed(), false), "theme" + n + "-mixed.png");
    save(compose3D(dir, theme, mixed(), true), "theme" + n + "-mixed-turned.png");
  }
  // The 2D board with every kind, and the small pictures side by side.
  const char* cells[5] = {"1pva.bmp", "1pba.BMP", "1dba.bmp", "1pna.bmp", "1dna.bmp"};
  const QImage light = load(dir + "/Images1/1cache.BMP");
  const int cell = light.width();
  QImage board(8 * cell, 8 * cell, QImage::Format_RGB32);
  QPainter p(&board);
  const Position mix = mixed();
  for (int row = 0; row < 8; ++row)
    for (int column = 0; column < 8; ++column) {
      const int square = row * 4 + column / 2 + 1;
      const bool playable = (row + column) % 2 == 1;
      p.drawImage(column * cell, row * cell,
                  playable ? load(dir + "/Images1/" + cells[int(mix[square])]) : light);
    }
  p.end();
  save(board, "flat-mixed.png");
  const QStringList small = {"v48.Bmp", "b48.Bmp", "bd48.Bmp", "n48.Bmp",
                             "nd48.Bmp", "Images1/icone_blanc.bmp", "Images1/icone_noir.bmp"};
  QImage strip(7 * 110, 110, QImage::Format_RGB32);
  strip.fill(qRgb(192, 192, 192));
  QPainter q(&strip);
  for (int i = 0; i < small.size(); ++i) q.drawImage(i * 110 + 5, 5, load(dir + "/" + small[i]));
  q.end();
  save(strip, "buttons.png");
  QImage previews(3 * 240, 3 * 164, QImage::Format_RGB32);
  previews.fill(qRgb(192, 192, 192));
  QPainter r(&previews);
  for (int i = 0; i < 9; ++i) {
    const QString name = i < 8 ? "apercu" + QString::number(i + 1) + ".bmp" : "apercu2d.bmp";
    r.drawImage((i % 3) * 240 + 5, (i / 3) * 164 + 5, load(dir + "/" + name));
  }
  r.end();
  save(previews, "previews.png");
}

}  // namespace pictures
