#pragma once

#include "core/clock_seed.h"
#include "core/machine.h"

#include <cstdint>
#include <string>

namespace glint::test {

// A platform for long runs: it keeps counts instead of a record, never
// waits, and seeds from the real wall clock as the shipped game does.
// Every file "decodes"; the listing still needs the bundled asset tree.
class QuietPlatform : public Platform {
public:
    void startSound(const std::string&, int32_t) override { ++sounds; }
    void silence() override { ++silences; }
    double monotonicSeconds() override { return 0.0; }
    void sleepUntil(double) override {}
    uint64_t clockSeed() override { return fixedSeed != 0 ? fixedSeed++ : wallClockSeed(); }
    PictureId loadPicture(const std::string&, std::string&) override { return next++; }
    void releasePicture(PictureId) override {}
    std::string formatCurrency(Money amount) override { return std::to_string(amount.tenThousandths()); }
    void messageBox(const std::string&) override { ++messages; }
    void showSplash() override {}
    void unloadSplash() override {}
    void repaintCells() override { ++repaints; }

    uint64_t fixedSeed = 0; // 0: the wall clock; otherwise counts up from here
    int64_t sounds = 0;
    int64_t silences = 0;
    int64_t messages = 0;
    int64_t repaints = 0;

private:
    PictureId next = kFirstLoadedPicture;
};

} // namespace glint::test
