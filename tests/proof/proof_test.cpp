#include "test_support.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace glint::test {
namespace {

// How many events or plays a run takes; the sanitizer build asks for fewer.
int64_t runLength(const char* variable)
{
    const char* wanted = std::getenv(variable);
    return wanted != nullptr ? std::atoll(wanted) : 1'000'000;
}

// Whether the counts of 0 .. n-1 in `values` fit the probabilities `p`:
// Pearson's chi-square below its 99 % critical value (for the 1, 2 and 14
// degrees of freedom used here).
bool fits(const std::vector<int32_t>& values, const std::vector<double>& p)
{
    std::vector<double> observed(p.size(), 0.0);
    for (int32_t v : values)
        ++observed.at(static_cast<size_t>(v));
    double chi = 0.0;
    for (size_t i = 0; i < p.size(); ++i) {
        const double expected = p[i] * static_cast<double>(values.size());
        chi += (observed[i] - expected) * (observed[i] - expected) / expected;
    }
    const double critical = p.size() == 2 ? 6.635 : p.size() == 3 ? 9.210 : 29.141;
    std::printf("chi-square %8.3f of %zu outcomes, 99 %% critical %.3f\n", chi, p.size(), critical);
    return chi < critical;
}

// Long runs record nothing; the machine's clock seeds count on from a seed.
using Soak = MachineTest;
using FairDraws = MachineTest;

TEST_F(Soak, RandomEventsKeepEveryInvariant)
{
    const char* replay = std::getenv("GLINT_SOAK_SEED");
    const uint64_t seed = replay != nullptr ? std::strtoull(replay, nullptr, 10) : std::random_device{}();
    std::mt19937_64 events(seed);
    fake.recording = false;
    fake.lastSeed = seed;
    void (Machine::*const handlers[])() = {
        &Machine::Command2_Click, &Machine::nudgel_Click,      &Machine::nudgem_Click,     &Machine::nudgeR_Click,
        &Machine::Command3_Click, &Machine::Command5_Click,    &Machine::Command4_Click,   &Machine::flashLights_Timer,
        &Machine::bonusTimer_Timer, &Machine::Timer2_Timer};
    // Start and the Hold/Nudge buttons most often; cheat rarely, since each
    // press makes every later play win ever more nudges.
    std::discrete_distribution<size_t> pick({250, 130, 130, 130, 120, 30, 2, 88, 60, 60});
    int64_t coinsIn = 0, plays = 0, scorings = 0;
    const int64_t total = runLength("GLINT_SOAK_EVENTS");
    const auto began = std::chrono::steady_clock::now();
    for (int64_t n = 0; n < total; ++n) {
        const size_t h = pick(events);
        const Money credit = m.credit;
        const int32_t nudges = m.nudges;
        if (h == 8 && !m.ui.bonusTimer.enabled)
            continue; // the selector's timer ticks only while it runs
        (m.*handlers[h])();
        const bool spun = h == 0 && m.credit < credit;
        plays += spun;
        scorings += spun || (h >= 1 && h <= 3 && nudges > 0);
        coinsIn += h == 4 && m.credit > credit;

        const std::string at = "after event " + std::to_string(n) + "; replay: GLINT_SOAK_SEED=" + std::to_string(seed);
        for (int32_t reel : {m.reelLeft, m.reelMiddle, m.reelRight})
            ASSERT_TRUE(reel >= 0 && reel <= 15) << at;
        ASSERT_TRUE(!spun || (m.rightSteps == 0 && m.leftSteps < 0 && m.middleSteps < 0)) << at;
        ASSERT_EQ(coinsIn * 10000, m.credit.tenThousandths() + plays * 2500) << at;
        ASSERT_EQ(m.cashPot, Money::fromWhole(71 + coinsIn)) << at;
        ASSERT_TRUE(m.nudges >= 0 && m.featureIndex >= 0 && m.featureIndex <= 5) << at;
        ASSERT_TRUE(m.attractStep >= 0 && m.attractStep <= 4) << at;
        ASSERT_EQ(static_cast<int64_t>(m.ui.myDebug.items.size()), 2 * scorings) << at;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    // The benchmarks read this line.
    std::printf("soak: %lld events in %.2f s, %.0f events per second (seed %llu)\n", static_cast<long long>(total),
                seconds, static_cast<double>(total) / seconds, static_cast<unsigned long long>(seed));
    EXPECT_GT(plays, 0);
}

// Plays the machine as shipped, re-seeded at every spin from a clock that
// counts on: reel stops and awards must come with their odds. At 99 %
// confidence a fair machine fails one of these eight checks about once in
// thirteen runs, so a failing run plays a second batch, and only a check
// failing in both counts.
TEST_F(FairDraws, ReelStopsAndAwardsComeWithTheirOdds)
{
    fake.recording = false;
    fake.lastSeed = std::random_device{}();
    std::vector<bool> failedBefore(8, true);
    for (int batch = 0; batch < 2; ++batch) {
        std::vector<int32_t> offsets[3], won, count, offered, held;
        for (int64_t i = 0; i < runLength("GLINT_FAIR_PLAYS"); ++i) {
            m.credit = Money::fromWhole(1);
            m.nudges = m.trailPoints = 0;
            const int32_t before[3] = {m.reelLeft, m.reelMiddle, m.reelRight};
            m.Command2_Click();
            const int32_t after[3] = {m.reelLeft, m.reelMiddle, m.reelRight};
            for (int r = 0; r < 3; ++r)
                offsets[r].push_back((after[r] - before[r] + 16) % 16);
            won.push_back(m.nudges > 0);
            (m.nudges > 0 ? count : offered).push_back(m.nudges > 0 ? m.nudges - 1 : m.holdAllowed);
            if (m.nudges == 0)
                held.push_back(m.trailHeld);
            m.ui.myDebug.items.clear();
        }
        // A neighbour's offset predicts nothing: pairs of them are uniform too.
        std::vector<int32_t> pairs;
        for (size_t i = 1; i < offsets[0].size(); i += 2)
            pairs.push_back(offsets[0][i - 1] % 3 * 5 + offsets[0][i] % 5);
        const std::vector<double> reel(15, 1.0 / 15), quarter = {0.75, 0.25};
        const bool passed[] = {fits(offsets[0], reel), fits(offsets[1], reel), fits(offsets[2], reel),
                               fits(pairs, reel),      fits(won, {0.8, 0.2}),  fits(count, {1.0 / 3, 1.0 / 3, 1.0 / 3}),
                               fits(offered, quarter), fits(held, quarter)};
        for (size_t c = 0; c < failedBefore.size(); ++c) {
            EXPECT_TRUE(passed[c] || !failedBefore[c] || batch == 0) << "check " << c << " failed in both batches";
            failedBefore[c] = !passed[c];
        }
        if (std::find(failedBefore.begin(), failedBefore.end(), true) == failedBefore.end())
            return;
    }
}

} // namespace
} // namespace glint::test
