#pragma once

#include <cstdint>

namespace glint {

// The machine's one uniform generator. The algorithm (SplitMix64) is written
// out here rather than taken from a standard-library distribution, so a seed
// gives the same draws with every compiler and library version.
class Random {
public:
    // The state before any seeding: every run draws the same first values.
    static constexpr uint64_t kInitialState = 0x853C49E6748FEA9BULL;

    // A value in [0, 1).
    double draw();

    // A whole number from 0 to n - 1: the integer part of a draw times n.
    int32_t below(int32_t n);

    // Re-seeds from a clock reading. The reading is mixed with the current
    // state, so two seedings from the same reading still give new draws, and
    // neighbouring readings give unrelated sequences.
    void reseed(uint64_t clockReading);

    uint64_t state() const { return state_; }
    void setState(uint64_t state) { state_ = state; }

private:
    uint64_t next();
    uint64_t state_ = kInitialState;
};

} // namespace glint
