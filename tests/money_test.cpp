#include "core/money.h"

#include <gtest/gtest.h>

using glint::Money;

TEST(Money, CoinsAndStakesAddUpWithoutRoundingDrift)
{
    Money credit;
    for (int i = 0; i < 9; ++i)
        credit += Money::fromWhole(1);
    EXPECT_EQ(credit, Money::fromWhole(9));
    for (int i = 0; i < 36; ++i)
        credit -= Money::fromCents(25);
    EXPECT_EQ(credit.tenThousandths(), 0);
    credit -= Money::fromCents(25);
    EXPECT_EQ(credit.tenThousandths(), -2500);
}

TEST(Money, SevenTenthsOfThePotIsRoundedDown)
{
    const struct {
        int64_t pot;
        int64_t prize;
    } cases[] = {{71, 49}, {99, 69}, {100, 70}, {101, 70}, {102, 71}, {0, 0}, {-1, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(Money::fromWhole(c.pot).floorWholeOfFraction(70, 100), c.prize) << "pot " << c.pot;
    EXPECT_EQ((Money::fromWhole(71) + Money::fromCents(43)).floorWholeOfFraction(70, 100), 50);
}
