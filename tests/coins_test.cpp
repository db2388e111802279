#include "test_support.h"

#include <limits>
#include <string>
#include <vector>

namespace glint::test {
namespace {

using K = Event::Kind;
using Coins = MachineTest;

TEST_F(Coins, TenCoinsBuyNineCreditsThenThePurseIsSkint)
{
    for (int i = 0; i < 9; ++i)
        m.Command3_Click();
    EXPECT_EQ(m.credit, Money::fromWhole(9));
    EXPECT_EQ(m.cashPot, Money::fromWhole(80));
    EXPECT_EQ(m.coins, 1);
    EXPECT_EQ(m.ui.status.caption, "Plays: 9.00");
    EXPECT_EQ(fake.soundNames(), std::vector<std::string>(9, "inMoney.wav"));

    for (int16_t expectedCoins : {0, -1}) {
        fake.events.clear();
        m.Command3_Click();
        EXPECT_EQ(m.coins, expectedCoins);
        ASSERT_EQ(fake.kinds(), std::vector<K>{K::Message});
        EXPECT_EQ(fake.events[0].text, "Your Skint.. go home!");
        EXPECT_EQ(m.credit, Money::fromWhole(9));
        EXPECT_EQ(m.cashPot, Money::fromWhole(80));
    }
}

TEST_F(Coins, ACoinClearsTheLadderButNotTheTrailItself)
{
    m.trailPoints = 5;
    m.trailHeld = true;
    m.heldTrailPoints = 5;
    m.showTrail(5);
    m.Command3_Click();
    for (int32_t rung = 1; rung <= 8; ++rung) {
        EXPECT_EQ(m.ui.lamp(rung).picture, m.bonusOffPic);
        EXPECT_EQ(m.ui.trailLabel(rung).foreColor, kBlack);
    }
    EXPECT_EQ(m.trailPoints, 5);
    EXPECT_TRUE(m.trailHeld);
    EXPECT_EQ(m.heldTrailPoints, 5);
    // The pot's box waits for the next play.
    EXPECT_EQ(m.ui.cashpot.text, "71.00");
}

TEST_F(Coins, MoreMoneyRefillsTheOverdrawnPurseWithFiveCoins)
{
    m.coins = -3;
    m.Command5_Click();
    EXPECT_EQ(m.coins, 2);
    ASSERT_EQ(fake.kinds(), std::vector<K>{K::Message});
    EXPECT_EQ(fake.events[0].text, "Give me more Money");
    m.Command3_Click();
    EXPECT_EQ(m.credit, Money::fromWhole(1));
    m.Command3_Click();
    EXPECT_EQ(m.credit, Money::fromWhole(1));
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
    const struct {
        const char* what;
        int16_t Machine::*counter;
        void (Machine::*press)();
        int16_t start;
        int16_t end;
    } cases[] = {
        {"cash", &Machine::coins, &Machine::Command3_Click, kMin + 1, kMin},
        {"more money", &Machine::coins, &Machine::Command5_Click, kMax - 7, kMax},
        {"cheat", &Machine::cheatCount, &Machine::Command4_Click, kMax - 7, kMax},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m.*c.counter = c.start;
        for (int i = 0; i < 5; ++i)
            (m.*c.press)();
        EXPECT_EQ(m.*c.counter, c.end);
    }
    EXPECT_EQ(m.ui.status.caption, "Cheater! - 32767");
}

} // namespace
} // namespace glint::test
