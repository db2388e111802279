#include "test_support.h"

#include <set>
#include <string>
#include <vector>

namespace glint::test {
namespace {

using K = Event::Kind;
using Attract = MachineTest;

const std::string kPound = "\u00A3";

TEST_F(Attract, HoldReadoutsShowTrueOrFalse)
{
    m.holdAllowed = true;
    m.holdLeft = false;
    m.holdMiddle = true;
    m.holdRight = false;
    m.credit = Money::fromWhole(1);
    m.Timer2_Timer();
    EXPECT_EQ(m.ui.Label4.caption, "True");
    EXPECT_EQ(m.ui.Label5.caption, "False");
    EXPECT_EQ(m.ui.Label6.caption, "True");
    EXPECT_EQ(m.ui.Label7.caption, "False");
}

TEST_F(Attract, PrizeBoxFollowsSevenTenthsOfThePotUntilItReadsSeventy)
{
    const struct {
        int64_t pot;
        std::string before;
        std::string after;
    } cases[] = {
        {71, "Text1", kPound + "49"},
        {99, "typed by the player", kPound + "69"},
        {102, kPound + "69", kPound + "71"}, // jumped over 70: keeps following
        {200, kPound + "71", kPound + "140"},
        {100, kPound + "69", kPound + "70"},
        {101, kPound + "0", kPound + "70"},
        {120, kPound + "70", kPound + "70"}, // once 70, for good
    };
    for (const auto& c : cases) {
        m.cashPot = Money::fromWhole(c.pot);
        m.ui.prizeMoney.text = c.before;
        m.Timer2_Timer();
        EXPECT_EQ(m.ui.prizeMoney.text, c.after) << "pot " << c.pot;
    }
}

TEST_F(Attract, IdleTicksCycleFourMessagesWithTheThemeOnTheThird)
{
    std::vector<std::string> shown;
    for (int tick = 1; tick <= 8; ++tick) {
        fake.events.clear();
        m.Timer2_Timer();
        EXPECT_EQ(m.attractStep, (tick - 1) % 4 + 1);
        shown.push_back(m.ui.status.caption);
        if (m.attractStep == 3) {
            EXPECT_EQ(fake.soundNames(), std::vector<std::string>{"theme.wav"});
            EXPECT_EQ(fake.events.at(0).flags, 1);
        } else {
            EXPECT_TRUE(fake.events.empty());
        }
    }
    EXPECT_EQ(shown[0], "Please Insert Some Money To Play");
    EXPECT_EQ(shown[1], "KQProductions Present...");
    EXPECT_EQ(shown[2], "$$-Glint Galore-$$");
    EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()).size(), 4u);
    EXPECT_FALSE(shown[3].empty());
    EXPECT_EQ(std::vector<std::string>(shown.begin() + 4, shown.end()),
              std::vector<std::string>(shown.begin(), shown.begin() + 4));
}

TEST_F(Attract, BusyTicksKeepTheRhythmButLeaveStatusAndSoundAlone)
{
    const struct {
        int32_t nudges;
        Money credit;
    } busy[] = {{2, Money()}, {0, Money::fromCents(25)}};
    for (const auto& b : busy) {
        m.nudges = b.nudges;
        m.credit = b.credit;
        m.holdAllowed = true;
        m.ui.status.caption = "Hold Any?";
        for (int tick = 0; tick < 4; ++tick) {
            const int16_t step = m.attractStep;
            fake.events.clear();
            m.Timer2_Timer();
            EXPECT_EQ(m.attractStep, step % 4 + 1);
            EXPECT_TRUE(fake.events.empty());
        }
        EXPECT_EQ(m.ui.status.caption, "Hold Any?");
        EXPECT_TRUE(m.holdAllowed);
    }
}

TEST_F(Attract, AnIdleTickWithdrawsAStandingHoldOfferButKeepsHoldsSet)
{
    m.holdAllowed = true;
    m.holdLeft = true;
    m.Timer2_Timer();
    EXPECT_EQ(fake.kinds(), std::vector<K>{K::Silence});
    EXPECT_FALSE(m.holdAllowed);
    EXPECT_TRUE(m.holdLeft);

    fake.events.clear();
    m.Timer2_Timer();
    EXPECT_TRUE(fake.events.empty());
}

} // namespace
} // namespace glint::test
