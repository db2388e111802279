#pragma once

#include <chrono>
#include <cstdint>

namespace glint {

// The wall clock in nanoseconds: fine enough that two spins started in the
// same second, or in the same microsecond, get different seeds.
inline uint64_t wallClockSeed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

} // namespace glint
