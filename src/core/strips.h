#pragma once

#include <array>
#include <cstdint>

namespace glint {

constexpr int32_t kStripLength = 16;
constexpr int32_t kSymbolCount = 16;

using Strip = std::array<int32_t, kStripLength>;

// The three reel strips, symbol numbers in position order. Each strip is a
// ring: position 15 is followed by position 0.
constexpr Strip kLeftStrip = {8, 3, 9, 6, 2, 10, 3, 7, 4, 10, 6, 2, 5, 7, 15, 1};
constexpr Strip kMiddleStrip = {8, 13, 5, 6, 11, 1, 3, 7, 4, 10, 6, 2, 9, 7, 4, 1};
constexpr Strip kRightStrip = {8, 12, 5, 7, 14, 1, 3, 7, 15, 1, 6, 2, 5, 6, 16, 1};

// Trail points of the scoring symbols 9 to 16; symbols 1 to 8 score nothing.
constexpr std::array<int16_t, 8> kScoringPoints = {1, 2, 1, 2, 3, 4, 1, 2};

} // namespace glint
