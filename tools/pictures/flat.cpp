#include <QDir>
#include <QPainter>
#include <QSaveFile>

#include "noise.h"
#include "outputs.h"
#include "pieces.h"

namespace pictures {

namespace {

constexpr int CELL = 60;        // logical size of a 2D square
constexpr int BUTTON = 48;      // set-up pictures
constexpr int ICON = 52;        // clock panel icons
const QRgb PANEL = qRgb(192, 192, 192);

// The yellow board's squares: smooth painted card with a faint fibre.
Picture square2D(int size, bool dark) {
  Picture p(size, size);
  const Colour base = dark ? rgb(202, 146, 52) : rgb(250, 236, 160);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const V3 q{x * 60.0 / size, y * 60.0 / size, dark ? 5.0 : 9.0};
      const double cloud = fbm(q * 0.05, 4), fibre = noise(V3{q.x * 0.08, q.y * 1.1, q.z});
      p.at(x, y) = base * (1 + 0.05 * cloud + 0.015 * fibre);
    }
  return p;
}

Picture plain(int size, QRgb colour) {
  Picture p(size, size);
  const Colour c = rgb(qRed(colour), qGreen(colour), qBlue(colour));
  for (auto& px : p.pixels) px = c;
  return p;
}

// The piece seen from above and a little from the front, so that a king's
// second man shows; the square itself stays flat.
QImage flatPiece(const Theme& theme, Kind kind, const Picture& under, double radius) {
  const int size = under.width;
  QImage written(size, size, QImage::Format_RGB32);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) written.setPixel(x, y, toPixel(under.at(x, y), 1.0, x, y));
  const V3 slant = normalize(V3{0, -1, -0.3});
  const Eye eye = [size, slant](double x, double y) {
    const V3 onBoard{x / size - 0.5, 0, y / size - 0.5};
    return Ray{onBoard - slant * 4.0, slant};
  };
  PieceShape shape;
  shape.radius = radius;
  shape.disc = 0.09;
  const Backdrop backdrop{under, written, 1.0};
  return drawPiece(theme, eye, V3{0, 0, 0}, kind, shape, 7, backdrop, PixelRect{0, 0, size, size});
}

}  // namespace

void writeFlat(const QString& dir) {
  const auto theme = makeFlatTheme();
  const QString folder = dir + "/Images1";
  if (!QDir().mkpath(folder)) throw std::runtime_error("cannot make " + folder.toStdString());
  const int cell = CELL * PIXELS_PER_UNIT;
  const Picture light = square2D(cell, false), dark = square2D(cell, true);
  const QImage lightImage = flatPiece(*theme, Kind::Empty, light, 0.38);
  savePicture(lightImage, folder + "/1cache.BMP");
  const char* names[5] = {"1pva.bmp", "1pba.BMP", "1dba.bmp", "1pna.bmp", "1dna.bmp"};
  QImage cells[5];
  for (int k = 0; k < 5; ++k) {
    cells[k] = flatPiece(*theme, static_cast<Kind>(k), dark, 0.38);
    savePicture(cells[k], folder + "/" + names[k]);
  }
  const Picture button = square2D(BUTTON * PIXELS_PER_UNIT, true);
  const char* buttons[5] = {"v48.Bmp", "b48.Bmp", "bd48.Bmp", "n48.Bmp", "nd48.Bmp"};
  for (int k = 0; k < 5; ++k) {
    const QImage image = flatPiece(*theme, static_cast<Kind>(k), button, 0.38);
    savePicture(image, dir + "/" + buttons[k]);
    savePicture(image, folder + "/" + buttons[k]);
  }
  const Picture panel = plain(ICON * PIXELS_PER_UNIT, PANEL);
  savePicture(flatPiece(*theme, Kind::WhiteMan, panel, 0.42), folder + "/icone_blanc.bmp");
  savePicture(flatPiece(*theme, Kind::BlackMan, panel, 0.42), folder + "/icone_noir.bmp");

  // The preview: the starting position on the 2D board, on the window's silver.
  QImage board(8 * cell, 8 * cell, QImage::Format_RGB32);
  QPainter p(&board);
  for (int row = 0; row < 8; ++row)
    for (int column = 0; column < 8; ++column) {
      const bool playable = (row + column) % 2 == 1;
      const int square = row * 4 + column / 2 + 1;
      const int k = !playable ? -1 : square <= 12 ? 1 : square >= 21 ? 3 : 0;
      p.drawImage(column * cell, row * cell, k < 0 ? lightImage : cells[k]);
    }
  p.end();
  const int w = PREVIEW_WIDTH * PIXELS_PER_UNIT, h = PREVIEW_HEIGHT * PIXELS_PER_UNIT, side = h - 8 * PIXELS_PER_UNIT;
  QImage preview(w, h, QImage::Format_RGB32);
  preview.fill(PANEL);
  QPainter q(&preview);
  const int left = (w - side) / 2, top = (h - side) / 2;
  q.fillRect(left - 3, top - 3, side + 6, side + 6, QColor(128, 128, 128));
  q.fillRect(left - 2, top - 2, side + 4, side + 4, QColor(255, 255, 255));
  q.drawImage(left, top, shrink(board, side, side));
  q.end();
  savePicture(preview, dir + "/apercu2d.bmp");
}

void writeIcons(const QString& dir) {
  if (!QDir().mkpath(dir)) throw std::runtime_error("cannot make " + dir.toStdString());
  // A white king on a dark square of the 2D board, drawn large once and
  // averaged down to each size, its corners rounded off.
  const auto theme = makeFlatTheme();
  constexpr int LARGE = 512;
  const QImage tile = flatPiece(*theme, Kind::WhiteKing, square2D(LARGE, true), 0.40);
  for (const int size : ICON_SIZES) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(shrink(tile, size, size)));
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.16, size * 0.16);
    p.end();
    const QString path = dir + "/" + QString::number(size) + ".png";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !icon.save(&file, "PNG") || !file.commit())
      throw std::runtime_error("cannot write " + path.toStdString());
  }
}

}  // namespace pictures
