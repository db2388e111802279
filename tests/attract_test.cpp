#include "test_support.h"

#include <set>

namespace glint::test {
namespace {

using K = Event::Kind;
using Attract = MachineTest;

const std::string kPound = "\u00A3";

TEST_F(Attract, PrizeBoxFollowsSevenTenthsOfThePotUntilItReadsSeventyAndHoldReadoutsShowTrueOrFalse)
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
    m.holdAllowed = m.holdMiddle = true;
    m.credit = Money::fromWhole(1);
    m.Timer2_Timer();
    EXPECT_EQ(std::vector<std::string>({m.ui.Label4.caption, m.ui.Label5.caption, m.ui.Label6.caption,
                                        m.ui.Label7.caption}),
              std::vector<std::string>({"True", "False", "True", "False"}));
}

TEST_F(Attract, IdleTicksCycleFourMessagesWithTheThemeOnTheThird)
{
    std::vector<std::string> shown;
    for (int tick = 1; tick <= 8; ++tick) {
        fake.events.clear();
        m.Timer2_Timer();
        EXPECT_EQ(m.attractStep, (tick - 1) % 4 + 1);
        shown.push_back(m.ui.status.caption);
        EXPECT_EQ(fake.soundNames(), std::vector<std::string>(m.attractStep == 3 ? 1 : 0, "theme.wav"));
        EXPECT_EQ(fake.events.size(), m.attractStep == 3 ? 1u : 0u);
        for (const Event& e : fake.events)
            EXPECT_EQ(e.flags, 1);
    }
    EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.begin() + 3),
              std::vector<std::string>({"Please Insert Some Money To Play", "KQProductions Present...",
                                        "$$-Glint Galore-$$"}));
    EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()).size(), 4u);
    EXPECT_FALSE(shown[3].empty());
    EXPECT_EQ(std::vector<std::string>(shown.begin() + 4, shown.end()),
              std::vector<std::string>(shown.begin(), shown.begin() + 4));
}

TEST_F(Attract, BusyTicksKeepTheRhythmButLeaveStatusAndSoundAlone)
{
    for (const auto& [nudges, credit] : {std::pair{2, Money()}, std::pair{0, Money::fromCents(25)}}) {
        m.nudges = nudges;
        m.credit = credit;
        m.holdAllowed = true;
        m.ui.status.caption = "Hold Any?";
        for (int tick = 0; tick < 4; ++tick) {
            const int16_t step = m.attractStep;
            m.Timer2_Timer();
            EXPECT_EQ(m.attractStep, step % 4 + 1);
        }
        EXPECT_TRUE(fake.events.empty());
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
