#pragma once

#include <cstdint>
#include <limits>

namespace glint {

// Adds to a 16-bit counter, stopping at the ends of its range instead of
// wrapping round to the other end.
constexpr int16_t saturatingAdd(int16_t value, int32_t delta)
{
    const int32_t sum = static_cast<int32_t>(value) + delta;
    if (sum > std::numeric_limits<int16_t>::max())
        return std::numeric_limits<int16_t>::max();
    if (sum < std::numeric_limits<int16_t>::min())
        return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(sum);
}

} // namespace glint
