#include <QDir>
#include <QPainter>
#include <array>
#include <stdexcept>
#include <string>

#include "outputs.h"
#include "pieces.h"
#include "scene.h"

namespace pictures {

namespace {

// What the window shows on each square at the start of a game: white men on
// squares 1..12 ("pb"), black men, the side that moves first, on 21..32 ("pn").
Kind startKind(int square) {
  if (square <= 12) return Kind::WhiteMan;
  if (square >= 21) return Kind::BlackMan;
  return Kind::Empty;
}

Ray eyeRay(double x, double y) { return Camera::board().ray(x / PIXELS_PER_UNIT, y / PIXELS_PER_UNIT); }

}  // namespace

void writeTheme(const Theme& theme, const QString& dir) {
  const Picture scene = renderScene(theme);
  const QImage written = toImage(scene, theme.exposure());
  const QString n = QString::number(theme.number());
  savePicture(written, dir + "/damier" + n + ".bmp");
  // The board picture: the top of the scene down to just below the board.
  double x, y;
  Camera::board().project({0, -BOARD_THICKNESS, 8 + FRAME_WIDTH}, x, y);
  const int boardHeight = std::min(SCENE_HEIGHT, static_cast<int>(std::ceil(y)) + 12) * PIXELS_PER_UNIT;
  savePicture(written.copy(0, 0, written.width(), boardHeight), dir + "/damier" + n + "w.bmp");

  // A theme without a folder of its own shows the pictures of the folder it
  // shares; its board under them is the same, so they are drawn here only for
  // the preview.
  const bool owner = theme.digit() == theme.number();
  const QString t = QString::number(theme.digit());
  const QString folder = dir + "/Images" + t;
  if (owner && !QDir().mkpath(folder)) throw std::runtime_error("cannot make " + folder.toStdString());
  const Backdrop backdrop{scene, written, theme.exposure()};
  QImage preview = written;
  QPainter painter(&preview);
  for (int s = 1; s <= 32; ++s)
    for (int k = 0; k < 5; ++k) {
      const Kind kind = static_cast<Kind>(k);
      if (!owner && kind != startKind(s)) continue;
      const PixelRect rect = squareRect(s);
      QImage image;
      try {
        image = drawPiece(theme, eyeRay, squareCentre(s), kind, PieceShape{}, s, backdrop, rect);
      } catch (const std::runtime_error& e) {
        throw std::runtime_error("theme " + std::to_string(theme.number()) + ", square " + std::to_string(s) + ": " +
                                 e.what());
      }
      if (owner) savePicture(image, folder + "/" + PREFIXES[k] + t + "_" + QString::number(s) + ".bmp");
      if (kind == startKind(s)) painter.drawImage(rect.x, rect.y, image);
    }
  painter.end();
  savePicture(shrink(preview, PREVIEW_WIDTH * PIXELS_PER_UNIT, PREVIEW_HEIGHT * PIXELS_PER_UNIT), dir + "/apercu" + n + ".bmp");
}

}  // namespace pictures
