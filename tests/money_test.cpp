#include "core/money.h"

#include <gtest/gtest.h>

using glint::Money;

TEST(Money, StakesAddUpWithoutDriftAndSevenTenthsOfThePotRoundsDown)
{
    Money credit = Money::fromWhole(9);
    for (int i = 0; i < 37; ++i)
        credit -= Money::fromCents(25);
    EXPECT_EQ(credit.tenThousandths(), -2500);
    const struct {
        Money pot;
        int64_t prize;
    } cases[] = {{Money::fromWhole(0), 0}, {Money::fromWhole(-1), -1},
                 {Money::fromWhole(71) + Money::fromCents(43), 50}};
    for (const auto& c : cases)
        EXPECT_EQ(c.pot.floorWholeOfFraction(70, 100), c.prize) << c.pot.tenThousandths();
}
