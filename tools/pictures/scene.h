// The 3D picture of a theme with the empty board.
#pragma once

#include "picture.h"
#include "theme.h"

namespace pictures {

// The whole scene in linear light, at picture size.
Picture renderScene(const Theme& theme);

// Samples of every pixel where the picture changes sharply (edges of squares,
// of the board, of veins), so that edges are smooth.
constexpr int EDGE_SAMPLES = 4;  // per side

}  // namespace pictures
