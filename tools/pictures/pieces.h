// Pieces standing on a square, drawn over the picture of that square.
#pragma once

#include <functional>

#include "geometry.h"
#include "picture.h"
#include "theme.h"

namespace pictures {

// What stands on a square, in the order of the bitmap prefixes.
// In the order of the files' prefixes pv, pb, db, pn, dn: "b" files show the
// white pieces, "n" files the black ones.
enum class Kind { Empty, WhiteMan, WhiteKing, BlackMan, BlackKing };
inline constexpr const char* PREFIXES[5] = {"pv", "pb", "db", "pn", "dn"};
inline bool isKing(Kind k) { return k == Kind::WhiteKing || k == Kind::BlackKing; }
inline bool isWhite(Kind k) { return k == Kind::WhiteMan || k == Kind::WhiteKing; }

// A king is two men stacked, with a raised crown on top.
struct PieceShape {
  double radius = 0.34;  // in squares
  double disc = 0.08;    // height of one man
};

// The ray through a point (in pixels) of the picture being drawn.
using Eye = std::function<Ray(double x, double y)>;

// What a picture is drawn over: the picture in linear light and as written.
struct Backdrop {
  const Picture& linear;
  const QImage& written;
  double exposure;
};

// The picture of `region` (pixels of the backdrop) with `kind` standing at
// `base`. Pixels the piece and its shadow leave alone are the backdrop's own;
// throws if the piece or its shadow reaches the region's border.
QImage drawPiece(const Theme& theme, const Eye& eye, const V3& base, Kind kind, const PieceShape& shape,
                 int seed, const Backdrop& backdrop, const PixelRect& region);

}  // namespace pictures
