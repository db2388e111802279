#include "quiet_platform.h"
#include "stats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace glint::test {
namespace {

int64_t playCount()
{
    const char* wanted = std::getenv("GLINT_FAIR_PLAYS");
    return wanted != nullptr ? std::atoll(wanted) : 1'000'000;
}

// What the plays showed, one entry per play.
struct Outcomes {
    std::vector<int32_t> offsets[3];   // how far each reel moved, 0..14
    std::vector<int32_t> nudgeWon;     // 1 when the play won nudges
    std::vector<int32_t> nudgeCount;   // 1..3, for plays that won nudges
    std::vector<int32_t> holdOffered;  // 1 when a play without nudges offered holds
    std::vector<int32_t> trailHeld;    // 1 when a play without nudges held the trail
};

// Plays the machine as shipped: the generator is re-seeded from the wall
// clock at every spin, and spins follow each other with no pause.
Outcomes playMany(int64_t plays)
{
    QuietPlatform platform;
    Machine m(platform, AssetPaths(GLINT_TEST_DATA_DIR));
    m.Form_Load();
    Outcomes out;
    for (int64_t i = 0; i < plays; ++i) {
        // Every play starts ready: credit, no nudges, off the bonus rung.
        m.credit = Money::fromWhole(1);
        m.nudges = 0;
        m.trailPoints = 0;
        const int32_t before[3] = {m.reelLeft, m.reelMiddle, m.reelRight};
        m.Command2_Click();
        const int32_t after[3] = {m.reelLeft, m.reelMiddle, m.reelRight};
        for (int r = 0; r < 3; ++r)
            out.offsets[r].push_back((after[r] - before[r] + 16) % 16);
        const bool won = m.nudges > 0;
        out.nudgeWon.push_back(won ? 1 : 0);
        if (won) {
            out.nudgeCount.push_back(m.nudges - 1);
        } else {
            out.holdOffered.push_back(m.holdAllowed ? 1 : 0);
            out.trailHeld.push_back(m.trailHeld ? 1 : 0);
        }
        m.ui.myDebug.items.clear(); // the trace is not under test and would only grow
    }
    return out;
}

// One statistical check of a batch of plays.
struct Check {
    std::string what;
    double statistic;
    double critical;
    bool passed() const { return statistic < critical; }
};

Check chiSquareCheck(const std::string& what, const std::vector<int32_t>& values,
                     const std::vector<double>& probabilities)
{
    return {what + " chi-square", chiSquare(histogram(values, probabilities.size()), probabilities),
            chiSquareCritical99(probabilities.size() - 1)};
}

Check serialCheck(const std::string& what, const std::vector<int32_t>& values)
{
    return {what + " serial |z|", std::fabs(serialZ(values)), kNormalCritical99};
}

std::vector<Check> checkBatch(const Outcomes& out)
{
    std::vector<Check> checks;
    const char* reelNames[3] = {"left reel offset", "middle reel offset", "right reel offset"};
    for (int r = 0; r < 3; ++r) {
        checks.push_back(chiSquareCheck(reelNames[r], out.offsets[r], uniform(15)));
        checks.push_back(serialCheck(reelNames[r], out.offsets[r]));
    }
    // Nudges are won when a draw of 0..4 is 0; holds and trail holds when a
    // draw of 0..3 is 0.
    checks.push_back(chiSquareCheck("nudge won", out.nudgeWon, {0.8, 0.2}));
    checks.push_back(serialCheck("nudge won", out.nudgeWon));
    checks.push_back(chiSquareCheck("nudge count", out.nudgeCount, uniform(3)));
    checks.push_back(chiSquareCheck("hold offered", out.holdOffered, {0.75, 0.25}));
    checks.push_back(chiSquareCheck("trail held", out.trailHeld, {0.75, 0.25}));
    for (const Check& c : checks)
        std::printf("%-32s %9.3f (99%% critical %.3f)%s\n", c.what.c_str(), c.statistic, c.critical,
                    c.passed() ? "" : "  FAILED");
    return checks;
}

// Each check is at 99 % confidence, so a fair generator fails one of the
// dozen about once in ten batches. A check that fails is therefore run
// again on a fresh batch, and only failing twice in a row counts: a fair
// generator then fails about once in a thousand runs, a biased one still
// every time.
TEST(FairDraws, ReelStopsAndAwardsAreUniformAndIndependentOverManyPlays)
{
    const std::vector<Check> first = checkBatch(playMany(playCount()));
    const bool allPassed = std::all_of(first.begin(), first.end(), [](const Check& c) { return c.passed(); });
    if (allPassed)
        return;
    std::printf("a check failed; playing a fresh batch\n");
    const std::vector<Check> second = checkBatch(playMany(playCount()));
    for (size_t i = 0; i < first.size(); ++i)
        EXPECT_TRUE(first[i].passed() || second[i].passed())
            << first[i].what << " failed twice: " << first[i].statistic << " then " << second[i].statistic
            << " (critical " << first[i].critical << ")";
}

// The check above must have teeth: a generator re-seeded straight from the
// clock without mixing, so that neighbouring spins draw alike, fails it.
TEST(FairDraws, TheCheckRejectsASeedingThatMakesNeighbouringSpinsAlike)
{
    // Spins a few microseconds apart, each seeding a fresh generator from a
    // millisecond clock: runs of neighbouring spins stop alike.
    std::vector<int32_t> offsets;
    uint64_t nanoseconds = 1'700'000'000'000'000'000ULL;
    for (int i = 0; i < 100'000; ++i) {
        nanoseconds += 3'000 + static_cast<uint64_t>(i % 7) * 400;
        Random fresh;
        fresh.setState(nanoseconds / 1'000'000);
        offsets.push_back(fresh.below(15));
    }
    EXPECT_FALSE(looksFair(offsets, 15));
}

TEST(FairDraws, TheCheckAcceptsTheGameGenerator)
{
    Random r;
    std::vector<int32_t> offsets;
    for (int i = 0; i < 100'000; ++i) {
        r.reseed(static_cast<uint64_t>(i)); // neighbouring readings
        offsets.push_back(r.below(15));
    }
    EXPECT_TRUE(looksFair(offsets, 15));
}

} // namespace
} // namespace glint::test
