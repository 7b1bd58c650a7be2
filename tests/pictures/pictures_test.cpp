// The pictures the window shows, as drawn into the program's directory.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <array>
#include <cstdlib>

#include "geometry.h"

namespace {

using pictures::PLACES_3D;

const QString BIN = CORVANE_BIN_DIR;
// Pictures are twice their size on the stage.
constexpr int SCALE = 2;
constexpr int SCENE_W = 785 * SCALE, SCENE_H = 521 * SCALE;
const char* const PREFIXES[5] = {"pv", "pb", "db", "pn", "dn"};

QImage load(const QString& name) {
  QImage image(BIN + "/" + name);
  EXPECT_FALSE(image.isNull()) << name.toStdString();
  return image.convertToFormat(QImage::Format_RGB32);
}

int difference(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

double brightness(QRgb c) { return 0.3 * qRed(c) + 0.59 * qGreen(c) + 0.11 * qBlue(c); }

// Largest difference between `part` and the same-sized region of `whole` at (x, y).
int worstAgainst(const QImage& part, const QImage& whole, int x, int y, bool borderOnly) {
  int worst = 0;
  for (int j = 0; j < part.height(); ++j)
    for (int i = 0; i < part.width(); ++i) {
      const bool border = i < 2 || j < 2 || i >= part.width() - 2 || j >= part.height() - 2;
      if (borderOnly && !border) continue;
      worst = std::max(worst, difference(part.pixel(i, j), whole.pixel(x + i, y + j)));
    }
  return worst;
}

// Pixels where two pictures of the same size differ clearly, as a share of all.
double changed(const QImage& a, const QImage& b, double* meanA = nullptr, double* meanB = nullptr) {
  int count = 0;
  double sumA = 0, sumB = 0;
  for (int j = 0; j < a.height(); ++j)
    for (int i = 0; i < a.width(); ++i)
      if (difference(a.pixel(i, j), b.pixel(i, j)) > 40) {
        ++count;
        sumA += brightness(a.pixel(i, j));
        sumB += brightness(b.pixel(i, j));
      }
  if (meanA) *meanA = count ? sumA / count : 0;
  if (meanB) *meanB = count ? sumB / count : 0;
  return double(count) / (a.width() * a.height());
}

// Themes 1 to 8; the second shares the first one's squares.
class Images3D : public testing::TestWithParam<int> {};

TEST_P(Images3D, SquaresFitTheirBackgroundAndShowTheirPieces) {
  const int theme = GetParam();
  const QString n = QString::number(theme), t = QString::number(theme == 2 ? 1 : theme);
  const QImage scene = load("damier" + n + ".bmp");
  const QImage board = load("damier" + n + "w.bmp");
  ASSERT_EQ(scene.size(), QSize(SCENE_W, SCENE_H));
  ASSERT_EQ(board.width(), SCENE_W);
  ASSERT_LE(board.height(), SCENE_H);
  // The board picture is drawn over the scene: it must not change it.
  EXPECT_LE(worstAgainst(board, scene, 0, 0, false), 2);

  std::array<QRect, 33> rects;
  for (int s = 1; s <= 32; ++s) {
    SCOPED_TRACE("theme " + std::to_string(theme) + ", square " + std::to_string(s));
    std::array<QImage, 5> image;
    for (int k = 0; k < 5; ++k) image[k] = load(QString("Images%1/%2%1_%3.bmp").arg(t, PREFIXES[k]).arg(s));
    const QPoint at(PLACES_3D[s].x * SCALE, PLACES_3D[s].y * SCALE);
    rects[s] = QRect(at, image[0].size());
    // The board stays clear of the panels on the right and below.
    ASSERT_LE(rects[s].right(), 640 * SCALE);
    ASSERT_LE(rects[s].bottom(), 440 * SCALE);
    ASSERT_GE(image[0].width(), 40 * SCALE);
    ASSERT_GE(image[0].height(), 30 * SCALE);
    // The empty square is the background itself: no seam when it is drawn.
    EXPECT_LE(worstAgainst(image[0], scene, at.x(), at.y(), false), 3);
    for (int k = 1; k < 5; ++k) {
      ASSERT_EQ(image[k].size(), image[0].size()) << PREFIXES[k];
      // A piece and its shadow end inside the bitmap: its edge is the background.
      EXPECT_LE(worstAgainst(image[k], scene, at.x(), at.y(), true), 3) << PREFIXES[k];
      EXPECT_GT(changed(image[k], image[0]), 0.15) << PREFIXES[k] << " shows no piece";
    }
    // Kings are plainly not men, and white pieces are lighter than black ones.
    EXPECT_GT(changed(image[2], image[1]), 0.03) << "white king like a man";
    EXPECT_GT(changed(image[4], image[3]), 0.03) << "black king like a man";
    double black, white;
    EXPECT_GT(changed(image[3], image[1], &black, &white), 0.15);
    EXPECT_GT(white, black + 60) << "white and black men hard to tell apart";
  }
  // No square's bitmap covers another's.
  for (int a = 1; a <= 32; ++a)
    for (int b = a + 1; b <= 32; ++b) EXPECT_FALSE(rects[a].intersects(rects[b])) << a << " and " << b;

  // The introduction's preview of the theme.
  EXPECT_EQ(load("apercu" + n + ".bmp").size(), QSize(228, 152));
}

INSTANTIATE_TEST_SUITE_P(Themes, Images3D, testing::Range(1, 9),
                         [](const auto& info) { return "theme" + std::to_string(info.param); });

TEST(Images2D, BoardButtonsAndIcons) {
  const QImage light = load("Images1/1cache.BMP"), empty = load("Images1/1pva.bmp");
  for (const QImage& i : {light, empty}) ASSERT_EQ(i.size(), QSize(120, 120));
  // The light squares are yellow, the playing squares darker.
  const QRgb l = light.pixel(60, 60), d = empty.pixel(60, 60);
  EXPECT_GT(qRed(l), qBlue(l) + 40);
  EXPECT_GT(qGreen(l), qBlue(l) + 30);
  EXPECT_GT(brightness(l), brightness(d) + 40);
  const char* cells[4] = {"1pba.BMP", "1dba.bmp", "1pna.bmp", "1dna.bmp"};
  QImage piece[4];
  for (int k = 0; k < 4; ++k) {
    piece[k] = load(QString("Images1/") + cells[k]);
    ASSERT_EQ(piece[k].size(), QSize(120, 120)) << cells[k];
    EXPECT_GT(changed(piece[k], empty), 0.25) << cells[k];
    EXPECT_LE(worstAgainst(piece[k], empty, 0, 0, true), 3) << cells[k] << " cut off";
  }
  EXPECT_GT(changed(piece[1], piece[0]), 0.03);
  EXPECT_GT(changed(piece[3], piece[2]), 0.03);
  double black, white;
  changed(piece[2], piece[0], &black, &white);
  EXPECT_GT(white, black + 60);

  const char* buttons[5] = {"v48.Bmp", "b48.Bmp", "bd48.Bmp", "n48.Bmp", "nd48.Bmp"};
  QImage button[5];
  for (int k = 0; k < 5; ++k) {
    button[k] = load(buttons[k]);
    EXPECT_EQ(button[k].size(), QSize(96, 96)) << buttons[k];
  }
  for (int k = 1; k < 5; ++k) EXPECT_GT(changed(button[k], button[0]), 0.25) << buttons[k];
  for (const char* name : {"Images1/icone_blanc.bmp", "Images1/icone_noir.bmp"})
    EXPECT_EQ(load(name).size(), QSize(104, 104)) << name;
  EXPECT_EQ(load("apercu2d.bmp").size(), QSize(228, 152));
}

}  // namespace
