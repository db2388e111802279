#include "test_support.h"

#include <limits>
#include <tuple>

namespace glint::test {
namespace {

using K = Event::Kind;
using Coins = MachineTest;

TEST_F(Coins, TenCoinsBuyNineCreditsClearingTheLadderThenThePurseIsSkintUntilRefilledWithFive)
{
    m.trailPoints = 5;
    m.trailHeld = true;
    m.heldTrailPoints = 5;
    m.showTrail(5);
    for (int i = 0; i < 9; ++i)
        m.Command3_Click();
    EXPECT_EQ(m.credit, Money::fromWhole(9));
    EXPECT_EQ(m.cashPot, Money::fromWhole(80));
    EXPECT_EQ(m.coins, 1);
    EXPECT_EQ(m.ui.status.caption, "Plays: 9.00");
    EXPECT_EQ(fake.soundNames(), std::vector<std::string>(9, "inMoney.wav"));
    // The ladder is cleared but not the trail itself; the pot's box waits
    // for the next play.
    for (int32_t rung = 1; rung <= 8; ++rung) {
        EXPECT_EQ(m.ui.lamp(rung).picture, m.bonusOffPic);
        EXPECT_EQ(m.ui.trailLabel(rung).foreColor, kBlack);
    }
    EXPECT_EQ(std::make_tuple(m.trailPoints, m.trailHeld, m.heldTrailPoints), std::make_tuple(5, true, 5));
    EXPECT_EQ(m.ui.cashpot.text, "71.00");

    for (int16_t expectedCoins : {0, -1, -2}) {
        fake.events.clear();
        m.Command3_Click();
        EXPECT_EQ(m.coins, expectedCoins);
        ASSERT_EQ(fake.kinds(), std::vector<K>{K::Message});
        EXPECT_EQ(fake.events[0].text, "Your Skint.. go home!");
        EXPECT_EQ(m.credit, Money::fromWhole(9));
        EXPECT_EQ(m.cashPot, Money::fromWhole(80));
    }
    fake.events.clear();
    m.Command5_Click();
    EXPECT_EQ(m.coins, 3);
    ASSERT_EQ(fake.kinds(), std::vector<K>{K::Message});
    EXPECT_EQ(fake.events[0].text, "Give me more Money");
    m.Command3_Click();
    m.Command3_Click();
    EXPECT_EQ(m.credit, Money::fromWhole(11));
    m.Command3_Click();
    EXPECT_EQ(m.credit, Money::fromWhole(11));
}

TEST_F(Coins, EachCheatAddsFiveAndSaysSo)
{
    m.Command4_Click();
    EXPECT_EQ(m.ui.status.caption, "Cheater! - 5");
    m.Command4_Click();
    EXPECT_EQ(m.ui.status.caption, "Cheater! - 10");
    EXPECT_EQ(fake.soundNames(), (std::vector<std::string>{"cheat.wav", "cheat.wav"}));
    EXPECT_EQ(fake.events[0].flags, 1);
}

TEST_F(Coins, CountersStopAtTheEndsOfTheirRangeInsteadOfWrapping)
{
    constexpr int16_t kMax = std::numeric_limits<int16_t>::max();
    constexpr int16_t kMin = std::numeric_limits<int16_t>::min();
    const std::tuple<int16_t Machine::*, void (Machine::*)(), int16_t, int16_t> cases[] = {
        {&Machine::coins, &Machine::Command3_Click, kMin + 1, kMin},
        {&Machine::coins, &Machine::Command5_Click, kMax - 7, kMax},
        {&Machine::cheatCount, &Machine::Command4_Click, kMax - 7, kMax},
    };
    for (const auto& [counter, press, start, end] : cases) {
        m.*counter = start;
        for (int i = 0; i < 5; ++i)
            (m.*press)();
        EXPECT_EQ(m.*counter, end) << start;
    }
    EXPECT_EQ(m.ui.status.caption, "Cheater! - 32767");
}

} // namespace
} // namespace glint::test
