#pragma once

#include "x11_driver.h"

#include <array>

// Where the player finds things in the main window's client area, in
// pixels, and the size of the windows the game shows.
namespace glint::e2e::layout {

constexpr int kMainWidth = 688;
constexpr int kMainHeight = 497;
constexpr int kSplashWidth = 492;
constexpr int kSplashHeight = 283;

constexpr Rect kStart{328, 432, 65, 57};
constexpr Rect kCash{616, 16, 41, 41};
constexpr Rect kCheat{512, 8, 49, 49};
constexpr Rect kNudgeLeft{16, 432, 89, 57};

// The trail lamps bonus8 (top) to bonus1, one column.
constexpr Rect kLampColumn{424, 0, 50, 320};

// The nine reel cells, 100 by 100 each, row by row from the top left. The
// shading strips cover the top rows of the upper cells and the bottom rows
// of the lower ones.
constexpr int kCellSize = 100;
constexpr std::array<int, 3> kColumnX{8, 112, 216};
constexpr std::array<int, 3> kRowY{56, 156, 256};
constexpr int kFirstUnshadedRow = 8;
constexpr int kEndUnshadedRow = 96;
constexpr Rect kReelArea{8, 56, 308, 300};

inline QPoint centre(const Rect& r)
{
    return {r.x + r.width / 2, r.y + r.height / 2};
}

} // namespace glint::e2e::layout
