#include "core/random.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

using glint::Random;

TEST(Random, DrawsStayInTheirRangeAndReseedingWithTheSameReadingStillGivesNewDraws)
{
    Random r;
    r.reseed(777);
    const std::array<double, 3> first = {r.draw(), r.draw(), r.draw()};
    r.reseed(777);
    EXPECT_NE(first, (std::array<double, 3>{r.draw(), r.draw(), r.draw()}));
    for (int i = 0; i < 100000; ++i) {
        const double d = r.draw();
        ASSERT_TRUE(d >= 0.0 && d < 1.0) << d;
        const int32_t n = r.below(15);
        ASSERT_TRUE(n >= 0 && n < 15) << n;
    }
}

// Clock readings a microsecond apart must not give similar spins: the first
// stop drawn after consecutive readings is spread evenly.
TEST(Random, NeighbouringClockReadingsGiveUnrelatedStops)
{
    std::array<int, 15> seen{};
    std::set<double> firstDraws;
    for (uint64_t reading = 1'000'000; reading < 1'003'000; ++reading) {
        Random r;
        r.reseed(reading);
        Random copy = r;
        firstDraws.insert(copy.draw());
        ++seen[static_cast<size_t>(r.below(15))];
    }
    EXPECT_EQ(firstDraws.size(), 3000u);
    for (int count : seen)
        EXPECT_TRUE(count > 100 && count < 300) << count;
}
