#include "core/random.h"

namespace glint {

namespace {

constexpr uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

uint64_t mix(uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

uint64_t Random::next()
{
    state_ += kGolden;
    return mix(state_);
}

double Random::draw()
{
    // 53 random bits give every double in [0, 1) on a 2^-53 grid.
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

int32_t Random::below(int32_t n)
{
    return static_cast<int32_t>(draw() * n);
}

void Random::reseed(uint64_t clockReading)
{
    state_ = mix(clockReading ^ mix(state_ + kGolden));
}

} // namespace glint
