#pragma once

#include "core/machine.h"
#include "fake_platform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace glint::test {

// A throw-away asset tree (images/, images/bonus/, sound/) in the temp
// directory, removed again when the test ends.
class AssetTree {
public:
    AssetTree();
    ~AssetTree();
    AssetTree(const AssetTree&) = delete;
    AssetTree& operator=(const AssetTree&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path images() const { return root_ / "images"; }

    // A file under the root; content "PIC..." decodes, anything else fails.
    void addFile(const std::string& relative, const std::string& content = "PIC");
    // The sixteen symbol pictures "01.zri" .. "16.zri" and both lamps.
    void addStandardSet();
    void addLamps();

private:
    std::filesystem::path root_;
};

// A wanted whole-number draw: below(n) must give a value in lo..hi.
struct Draw {
    int32_t n;
    int32_t lo;
    int32_t hi;
};
inline Draw exactly(int32_t n, int32_t value) { return {n, value, value}; }
inline Draw anyOf(int32_t n) { return {n, 0, n - 1}; }

// The first clock seed that, re-seeding `current`, gives the wanted draws
// in order. Fails the test when there is none among the first many seeds.
uint64_t seedFor(const Random& current, const std::vector<Draw>& wanted);

// The symbol number whose picture is `picture`, or -1.
int32_t symbolOf(const Machine& m, PictureId picture);

// A machine started with the standard asset tree; the start-up's record is
// cleared so each test sees only what it caused.
class MachineTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Makes the next pickStops draw these stops, followed by `awards`.
    void scriptSpin(int32_t kL, int32_t kM, int32_t kR, std::vector<Draw> awards = {});
    // Places the reels so the win line reads these strip positions.
    void setLine(int32_t left, int32_t middle, int32_t right);

    AssetTree assets;
    FakePlatform fake;
    Machine m{fake, AssetPaths(assets.root().string())};
};

} // namespace glint::test
