#include "test_support.h"

#include <tuple>

namespace glint::test {
namespace {

using K = Event::Kind;

// The award draws of a play, in the order the play takes them: nudges won,
// hold offered, trail held.
const Draw kNudgesWon = exactly(5, 0), kNoNudges{5, 1, 4};
const Draw kHoldOffer = exactly(4, 0), kNoHoldOffer{4, 1, 3};
const Draw kTrailHold = exactly(4, 0), kNoTrailHold{4, 1, 3};
const std::vector<Draw> kPlainAwards = {kNoNudges, kNoHoldOffer, kNoTrailHold};

class PlayCycle : public MachineTest {
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        m.credit = Money::fromWhole(1);
    }
    // One Start press whose reels stop on these strip positions.
    void play(int32_t left, int32_t middle, int32_t right, const std::vector<Draw>& awards)
    {
        setLine(left, middle, right);
        scriptSpin(0, 0, 0, awards);
        fake.events.clear();
        m.Command2_Click();
    }
    std::string lastSound() const { return fake.soundNames().empty() ? "" : fake.soundNames().back(); }
    std::array<PictureId, 8> lampsAtFirstDrawing() const { return fake.ofKind(K::Repaint).at(0).lamps; }
    std::array<PictureId, 8> ladder(int32_t lit) const
    {
        std::array<PictureId, 8> out{};
        for (int32_t i = 0; i < 8; ++i)
            out[static_cast<size_t>(i)] = i < lit ? m.bonusOnPic : m.bonusOffPic;
        return out;
    }
};

TEST_F(PlayCycle, APressWhileNudgingChangesNothingNotEvenTheSound)
{
    m.nudges = 2;
    m.trailPoints = 1;
    m.ui.status.caption = "2 nudges";
    const uint64_t state = m.rnd.state();
    m.Command2_Click();
    EXPECT_TRUE(fake.events.empty());
    EXPECT_EQ(m.credit, Money::fromWhole(1));
    EXPECT_EQ(m.nudges, 2);
    EXPECT_EQ(m.ui.status.caption, "2 nudges");
    EXPECT_EQ(m.rnd.state(), state);
}

TEST_F(PlayCycle, APressOnTheBonusRungStopsARunningSelectorAndTheNextPressPlays)
{
    m.trailPoints = 4;
    m.ui.nopoints.caption = "4";
    m.startBonus();
    m.nudges = 2;
    m.Command2_Click();
    EXPECT_EQ(fake.kinds(), (std::vector<K>{K::Silence, K::Silence}));
    EXPECT_EQ(m.credit, Money::fromWhole(1));
    EXPECT_EQ(m.nudges, 0);
    EXPECT_FALSE(m.ui.bonusTimer.enabled);
    // The trail stays on the rung the ladder shows; with the selector
    // standing still the next press is an ordinary play.
    EXPECT_EQ(m.trailPoints, 4);
    EXPECT_EQ(m.ui.nopoints.caption, "4");
    play(0, 0, 0, kPlainAwards);
    EXPECT_EQ(m.credit, Money::fromCents(75));
    EXPECT_EQ(fake.count(K::Repaint), 48u);
    EXPECT_EQ(m.ui.nopoints.caption, "0");

    // A nudge that took the trail off the rung leaves the selector running
    // through the plays that follow.
    m.startBonus();
    m.trailPoints = 5;
    play(0, 0, 0, kPlainAwards);
    EXPECT_EQ(m.credit, Money::fromCents(50));
    EXPECT_TRUE(m.ui.bonusTimer.enabled);
}

TEST_F(PlayCycle, StakeOfAQuarterBuysOnePlayThenOnlySilence)
{
    m.credit = Money::fromCents(25);
    m.cashPot = Money::fromWhole(75);
    play(0, 0, 0, kPlainAwards);
    EXPECT_EQ(m.credit, Money());
    EXPECT_EQ(m.ui.cashpot.text, "75.00");
    EXPECT_EQ(m.ui.status.caption, "Plays: 0.00");

    fake.events.clear();
    m.ui.status.caption = "last message";
    m.Command2_Click();
    EXPECT_EQ(fake.kinds(), std::vector<K>{K::Silence});
    EXPECT_EQ(m.credit, Money());
    EXPECT_EQ(m.ui.status.caption, "last message");
}

TEST_F(PlayCycle, APlayTakesOnlyTheDrawsItsAwardsNeedAndHoldsLastForExactlyOneSpin)
{
    const std::pair<std::vector<Draw>, int> outcomes[] = {
        {{kNudgesWon, anyOf(3)}, 2}, {{kNoNudges, kHoldOffer, kNoTrailHold}, 3}, {kPlainAwards, 3}};
    for (const auto& [awards, drawsAfterStops] : outcomes) {
        m.nudges = 0;
        m.holdLeft = m.holdRight = true;
        setLine(5, 0, 4);
        scriptSpin(3, 3, 3, awards);
        Random expected = m.rnd;
        expected.reseed(fake.seeds.front());
        for (int i = 0; i < 3 + drawsAfterStops; ++i)
            expected.draw();
        m.Command2_Click();
        EXPECT_EQ(m.rnd.state(), expected.state());
        EXPECT_EQ(std::vector<int32_t>({m.reelLeft, m.reelMiddle, m.reelRight}), std::vector<int32_t>({5, 3, 4}));
        EXPECT_FALSE(m.holdLeft || m.holdMiddle || m.holdRight);
    }
    m.nudges = 0;
    scriptSpin(3, 3, 3, kPlainAwards);
    m.Command2_Click();
    EXPECT_EQ(m.reelLeft, 8);
    EXPECT_EQ(m.reelRight, 7);
}

TEST_F(PlayCycle, WonNudgesLeaveAStandingHoldOfferAndTrailHoldAsTheyWere)
{
    for (int32_t i = 0; i < 6; ++i) {
        const bool offer = i < 3;
        const int32_t countDraw = i % 3;
        SCOPED_TRACE(::testing::Message() << offer << " " << countDraw);
        m.credit = Money::fromWhole(1);
        m.nudges = 0;
        m.holdAllowed = offer;
        m.trailHeld = true;
        m.heldTrailPoints = 2;
        m.ui.trailHeldLight.foreColor = kRed;
        play(0, 0, 0, {kNudgesWon, exactly(3, countDraw)});
        EXPECT_EQ(m.nudges, countDraw + 1);
        EXPECT_EQ(m.ui.status.caption, std::to_string(countDraw + 1) + " nudges");
        EXPECT_EQ(lastSound(), "nudges.wav");
        EXPECT_EQ(fake.ofKind(K::Sound).back().flags, 9);
        EXPECT_EQ(m.holdAllowed, offer);
        EXPECT_EQ(std::make_tuple(m.trailHeld, m.heldTrailPoints, m.ui.trailHeldLight.foreColor),
                  std::make_tuple(true, int16_t{2}, kRed));
    }
}

TEST_F(PlayCycle, APlayScoresTheLineOntoTheTrailThenDrawsHoldOfferAndTrailHoldIndependently)
{
    const struct {
        Draw hold, trail;
        bool offered, held;
    } cases[] = {{kHoldOffer, kTrailHold, true, true},
                 {kHoldOffer, kNoTrailHold, true, false},
                 {kNoHoldOffer, kTrailHold, false, true},
                 {kNoHoldOffer, kNoTrailHold, false, false}};
    for (const auto& c : cases) {
        m.holdAllowed = !c.offered;
        m.ui.status.caption = "before";
        play(5, 0, 4, {kNoNudges, c.hold, c.trail}); // 10, 8, 14: 2 + 0 + 4 points
        EXPECT_EQ(fake.events.front().kind, K::Silence);
        EXPECT_EQ(m.trailPoints, 6);
        EXPECT_EQ(m.ui.nopoints.caption, "6");
        EXPECT_EQ(m.ui.trailLabel(6).foreColor, kRed);
        EXPECT_EQ(m.holdAllowed, c.offered);
        EXPECT_EQ(m.ui.status.caption, c.offered ? "Hold Any?" : "Plays: " + fake.formatCurrency(m.credit));
        EXPECT_EQ(lastSound(), c.offered ? "Hold.wav" : "right.wav");
        EXPECT_EQ(m.trailHeld, c.held);
        EXPECT_EQ(m.heldTrailPoints, c.held ? 6 : 0);
        EXPECT_EQ(m.ui.trailHeldLight.foreColor, c.held ? kRed : kGrey);
        m.trailHeld = false;
        m.heldTrailPoints = 0;
    }
}

TEST_F(PlayCycle, AHeldTrailStaysOnDisplayAndAddsItsPointsToTheNextPlay)
{
    m.showTrail(3);
    play(5, 0, 4, {kNoNudges, kNoHoldOffer, kTrailHold}); // 6 points, held
    EXPECT_EQ(lampsAtFirstDrawing(), ladder(0));
    ASSERT_TRUE(m.trailHeld);

    play(2, 0, 0, kPlainAwards); // symbol 9: 1 point
    EXPECT_EQ(lampsAtFirstDrawing(), ladder(6));
    EXPECT_EQ(m.trailPoints, 7);
}

TEST_F(PlayCycle, PointsCarriedPastTheTopOfTheTrailStillCountWhenNudgesFollow)
{
    m.trailHeld = true;
    m.heldTrailPoints = 3;
    m.ui.trailHeldLight.foreColor = kRed;
    play(0, 1, 4, {kNudgesWon, exactly(3, 0)}); // 0 + 3 + 4 + 3 carried: the top
    EXPECT_FALSE(m.trailHeld);
    EXPECT_EQ(m.heldTrailPoints, 3);
    EXPECT_EQ(m.ui.trailHeldLight.foreColor, kRed);
    EXPECT_EQ(m.nudges, 1);

    m.nudges = 0;
    m.showTrail(5);
    play(5, 0, 0, kPlainAwards); // 2 points
    EXPECT_EQ(lampsAtFirstDrawing(), ladder(0));
    EXPECT_EQ(m.trailPoints, 5);
}

TEST_F(PlayCycle, ScoringMessagesGiveWayToTheAwardsThatFollow)
{
    play(2, 4, 1, {kNudgesWon, exactly(3, 2)}); // three scoring symbols
    EXPECT_EQ(m.trailPoints, 9);
    EXPECT_EQ(m.ui.status.caption, "3 nudges");
    m.nudges = 0;
    play(2, 4, 1, {kNoNudges, kHoldOffer, kNoTrailHold});
    EXPECT_EQ(m.ui.status.caption, "Hold Any?");
}

TEST_F(PlayCycle, OneCheatMakesEveryPlayWinSixToEightNudges)
{
    m.Command4_Click();
    for (int32_t countDraw = 0; countDraw < 3; ++countDraw) {
        m.nudges = 0;
        m.holdAllowed = false;
        play(0, 0, 0, {{5, 0, 4}, exactly(3, countDraw)});
        EXPECT_EQ(m.nudges, 6 + countDraw);
        EXPECT_FALSE(m.holdAllowed);
        EXPECT_EQ(lastSound(), "nudges.wav");
    }
}

TEST_F(PlayCycle, ShowNudgesCountsWithoutSingularAndAtZeroShowsCreditAndSilences)
{
    const std::tuple<int32_t, std::string, std::vector<K>> cases[] = {
        {2, "2 nudges", {}}, {1, "1 nudges", {}}, {0, "Plays: 1.00", {K::Silence}}};
    for (const auto& [nudges, status, events] : cases) {
        fake.events.clear();
        m.nudges = nudges;
        m.showNudges();
        EXPECT_EQ(m.ui.status.caption, status);
        EXPECT_EQ(fake.kinds(), events);
    }
}

} // namespace
} // namespace glint::test
