#include "test_support.h"

namespace glint::test {
namespace {

class BonusSelector : public MachineTest {
protected:
    // The bonus as a play awards it: the line reads 8, 13, 15 and totals 4.
    void award(int ticks = 0)
    {
        setLine(0, 1, 8);
        m.trailPoints = 4;
        m.scoreSpin();
        m.holdAllowed = true;
        fake.events.clear();
        for (int tick = 0; tick < ticks; ++tick)
            m.bonusTimer_Timer();
    }
};

TEST_F(BonusSelector, StartAfterKStepsLeavesTheKthNameAndSilence)
{
    for (int k = 0; k <= 13; ++k) {
        SCOPED_TRACE(k);
        award(k);
        EXPECT_EQ(m.holdAllowed, k == 0);
        EXPECT_EQ(fake.soundNames(), std::vector<std::string>(static_cast<size_t>(k), "Bonusstop.wav"));
        // Before the first step the award message stays.
        const std::string shown = k == 0 ? "!!!BONUS!!!" : m.featureNames[static_cast<size_t>(k % 6)];
        EXPECT_EQ(m.ui.status.caption, shown);
        m.Command2_Click();
        EXPECT_FALSE(m.ui.bonusTimer.enabled);
        EXPECT_EQ(m.ui.status.caption, shown);
        EXPECT_EQ(fake.kinds().back(), Event::Kind::Silence);
    }
}

TEST_F(BonusSelector, RestartingBeginsAgainAtBoostAndStoppingAStoppedSelectorOnlySilences)
{
    award(3);
    m.startBonus();
    m.bonusTimer_Timer();
    EXPECT_EQ(m.ui.status.caption, "Boost");
    m.bonusTimer_Timer();
    m.stopBonus();
    fake.events.clear();
    m.stopBonus();
    EXPECT_EQ(fake.kinds(), std::vector<Event::Kind>{Event::Kind::Silence});
    EXPECT_EQ(m.ui.status.caption, "Selector");
    EXPECT_EQ(m.featureIndex, 2);
    EXPECT_FALSE(m.ui.bonusTimer.enabled);
}

class Flasher : public MachineTest {
protected:
    // Whether exactly the lamps of odd (or even) rungs are lit.
    bool lit(bool odd)
    {
        for (int32_t rung = 1; rung <= 8; ++rung)
            if (m.ui.lamp(rung).picture != ((rung % 2 == 1) == odd ? m.bonusOnPic : m.bonusOffPic))
                return false;
        return true;
    }
};

TEST_F(Flasher, IdleTicksAlternateOddAndEvenLampsAndLeaveTheLabels)
{
    m.showTrail(3);
    for (int tick = 1; tick <= 5; ++tick) {
        m.flashLights_Timer();
        EXPECT_TRUE(lit(tick % 2 == 1)) << tick;
    }
    EXPECT_EQ(m.ui.trailLabel(3).foreColor, kRed);
    EXPECT_TRUE(fake.events.empty());
}

TEST_F(Flasher, CreditOrNudgesFreezeTheLampsAndThePhaseCarriesOver)
{
    const std::pair<int32_t, Money> busy[] = {
        {1, Money()}, {0, Money::fromCents(25)}, {-1, Money()}, {0, Money::fromCents(-25)}};
    for (const auto& [nudges, credit] : busy) {
        m.nudges = 0;
        m.credit = Money();
        m.flashLights_Timer();
        const bool wasOdd = lit(true);
        m.nudges = nudges;
        m.credit = credit;
        m.flashLights_Timer();
        EXPECT_EQ(lit(true), wasOdd);
        m.nudges = 0;
        m.credit = Money();
        m.flashLights_Timer();
        EXPECT_TRUE(lit(!wasOdd));
    }
}

} // namespace
} // namespace glint::test
