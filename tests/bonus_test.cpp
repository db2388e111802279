#include "test_support.h"

#include <string>

namespace glint::test {
namespace {

class BonusSelector : public MachineTest {
protected:
    // The bonus as a play awards it: the line reads 8, 13, 15 and totals 4.
    void award()
    {
        setLine(0, 1, 8);
        m.trailPoints = 4;
        m.scoreSpin();
        fake.events.clear();
    }
};

TEST_F(BonusSelector, StartAfterKStepsLeavesTheKthNameAndSilence)
{
    for (int k = 1; k <= 13; ++k) {
        SCOPED_TRACE(k);
        award();
        m.holdAllowed = true;
        for (int tick = 0; tick < k; ++tick)
            m.bonusTimer_Timer();
        EXPECT_FALSE(m.holdAllowed);
        EXPECT_EQ(fake.soundNames(), std::vector<std::string>(static_cast<size_t>(k), "Bonusstop.wav"));
        EXPECT_EQ(m.ui.status.caption, m.featureNames[static_cast<size_t>(k % 6)]);

        m.Command2_Click();
        EXPECT_FALSE(m.ui.bonusTimer.enabled);
        EXPECT_EQ(m.ui.status.caption, m.featureNames[static_cast<size_t>(k % 6)]);
        EXPECT_EQ(fake.kinds().back(), Event::Kind::Silence);
    }
}

TEST_F(BonusSelector, StartBeforeTheFirstStepKeepsTheAwardMessage)
{
    award();
    m.Command2_Click();
    EXPECT_EQ(m.ui.status.caption, "!!!BONUS!!!");
    EXPECT_FALSE(m.ui.bonusTimer.enabled);
}

TEST_F(BonusSelector, RestartingWhileRunningBeginsAgainAtBoost)
{
    award();
    for (int tick = 0; tick < 3; ++tick)
        m.bonusTimer_Timer();
    m.startBonus();
    m.bonusTimer_Timer();
    EXPECT_EQ(m.ui.status.caption, "Boost");
}

TEST_F(BonusSelector, StoppingAStoppedSelectorOnlySilences)
{
    award();
    m.bonusTimer_Timer();
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
    bool oddLit()
    {
        for (int32_t rung = 1; rung <= 8; ++rung)
            if (m.ui.lamp(rung).picture != (rung % 2 == 1 ? m.bonusOnPic : m.bonusOffPic))
                return false;
        return true;
    }
    bool evenLit()
    {
        for (int32_t rung = 1; rung <= 8; ++rung)
            if (m.ui.lamp(rung).picture != (rung % 2 == 0 ? m.bonusOnPic : m.bonusOffPic))
                return false;
        return true;
    }
};

TEST_F(Flasher, IdleTicksAlternateOddAndEvenLampsAndLeaveTheLabels)
{
    m.showTrail(3);
    for (int tick = 1; tick <= 5; ++tick) {
        m.flashLights_Timer();
        EXPECT_EQ(oddLit(), tick % 2 == 1) << tick;
        EXPECT_EQ(evenLit(), tick % 2 == 0) << tick;
    }
    EXPECT_EQ(m.ui.trailLabel(3).foreColor, kRed);
    EXPECT_TRUE(fake.events.empty());
}

TEST_F(Flasher, CreditOrNudgesFreezeTheLampsAndThePhaseCarriesOver)
{
    const struct {
        int32_t nudges;
        Money credit;
    } busy[] = {{1, Money()}, {0, Money::fromCents(25)}, {-1, Money()}, {0, Money::fromCents(-25)}};
    for (const auto& b : busy) {
        m.nudges = 0;
        m.credit = Money();
        m.flashLights_Timer();
        const bool wasOdd = oddLit();
        const int16_t phase = m.flashPhase;
        m.nudges = b.nudges;
        m.credit = b.credit;
        m.flashLights_Timer();
        EXPECT_EQ(oddLit(), wasOdd);
        EXPECT_EQ(m.flashPhase, phase);
        m.nudges = 0;
        m.credit = Money();
        m.flashLights_Timer();
        EXPECT_EQ(evenLit(), wasOdd);
    }
}

} // namespace
} // namespace glint::test
