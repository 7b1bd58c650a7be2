// The files of the program's pictures, written into its directory.
#pragma once

#include <QString>

#include "theme.h"

namespace pictures {

// Logical size of the introduction's theme previews.
constexpr int PREVIEW_WIDTH = 114;
constexpr int PREVIEW_HEIGHT = 76;

// "damier<n>.bmp", "damier<n>w.bmp", the theme's square bitmaps (when it owns
// its "Images<t>" folder) and "apercu<n>.bmp".
void writeTheme(const Theme& theme, const QString& dir);

// The 2D board and the clock icons ("Images1"), the set-up buttons (in both
// folders) and "apercu2d.bmp".
void writeFlat(const QString& dir);

// The program's icon for the desktop, "<size>.png" for each size.
inline constexpr int ICON_SIZES[] = {16, 24, 32, 48, 64, 128, 256};
void writeIcons(const QString& dir);

// Pictures of whole positions built from the written files, as the window
// builds them, for people to look at (PNG).
void writeReview(const QString& dir, const QString& reviewDir);

}  // namespace pictures
