#include "test_support.h"

namespace glint::test {
namespace {

using K = Event::Kind;

struct Button {
    const char* name;
    void (Machine::*press)();
    bool Machine::*hold;
    int32_t Machine::*position;
};

const Button kLeft{"Left", &Machine::nudgel_Click, &Machine::holdLeft, &Machine::reelLeft};
const Button kMiddle{"Middle", &Machine::nudgem_Click, &Machine::holdMiddle, &Machine::reelMiddle};
const Button kRight{"Right", &Machine::nudgeR_Click, &Machine::holdRight, &Machine::reelRight};

class HoldNudge : public MachineTest {
protected:
    void press(const Button& b) { (m.*b.press)(); }
};

TEST_F(HoldNudge, UnderAHoldOfferEachButtonTogglesOnlyItsOwnReel)
{
    for (const Button& b : {kLeft, kMiddle, kRight}) {
        SCOPED_TRACE(b.name);
        m.holdAllowed = true;
        m.holdLeft = m.holdMiddle = m.holdRight = false;
        press(b);
        EXPECT_EQ(m.ui.status.caption, std::string("Holding ") + b.name);
        EXPECT_TRUE(m.*b.hold);
        EXPECT_EQ(m.holdLeft + m.holdMiddle + m.holdRight, 1);
        press(b);
        EXPECT_EQ(m.ui.status.caption, std::string("Cancel ") + b.name);
        EXPECT_FALSE(m.*b.hold);
        EXPECT_TRUE(fake.events.empty());
    }
}

TEST_F(HoldNudge, ANudgeMovesTheReelDownAndAddsOnlyTheNewSymbolsPoints)
{
    const struct {
        Button button;
        int32_t from, to;
        int16_t before, after;
    } cases[] = {
        {kLeft, 3, 2, 2, 3},    // symbol 9 comes onto the line
        {kLeft, 0, 15, 2, 2},   // symbol 1 scores nothing
        {kMiddle, 2, 1, 0, 3},  // symbol 13
        {kMiddle, 0, 15, 5, 5},
        {kRight, 9, 8, 5, 6},   // symbol 15
        {kRight, 0, 15, 6, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.button.name << " from " << c.from);
        setLine(0, 0, 0);
        m.*c.button.position = c.from;
        m.trailPoints = c.before;
        m.nudges = 2;
        m.holdAllowed = true;
        m.*c.button.hold = false;
        fake.events.clear();
        press(c.button);
        EXPECT_EQ(m.*c.button.position, c.to);
        EXPECT_EQ(m.trailPoints, c.after);
        EXPECT_EQ(m.ui.nopoints.caption, std::to_string(c.after));
        EXPECT_EQ(m.nudges, 1);
        EXPECT_EQ(m.ui.status.caption, "1 nudges");
        EXPECT_FALSE(m.*c.button.hold);
        EXPECT_EQ(fake.count(K::Repaint), 1u);
        EXPECT_EQ(fake.count(K::Sound), 0u);
    }
}

TEST_F(HoldNudge, TheLastNudgeShowsTheCreditAndSilencesBeforeTheReelMoves)
{
    m.nudges = 1;
    m.credit = Money::fromCents(50);
    setLine(5, 5, 5);
    m.nudgem_Click();
    EXPECT_EQ(fake.kinds(), (std::vector<K>{K::Silence, K::Sleep, K::Repaint}));
    EXPECT_EQ(fake.events[2].reels[1], 4);
    EXPECT_EQ(m.ui.status.caption, "Plays: 0.50");
}

TEST_F(HoldNudge, ANudgeOntoExactlyFourStartsTheBonusAndForfeitsTheRest)
{
    setLine(0, 0, 5);
    m.nudges = 3;
    m.nudgeR_Click(); // symbol 14: 4 points
    EXPECT_EQ(m.ui.status.caption, "!!!BONUS!!!");
    EXPECT_EQ(m.nudges, 0);
    EXPECT_TRUE(m.ui.bonusTimer.enabled);
    EXPECT_EQ(fake.soundNames(), std::vector<std::string>{"BONUSspin.WAV"});
}

TEST_F(HoldNudge, WithoutOfferOrNudgesAPressDoesNothing)
{
    setLine(4, 5, 6);
    m.trailPoints = 2;
    m.holdMiddle = true;
    m.ui.status.caption = "quiet";
    for (const Button& b : {kLeft, kMiddle, kRight})
        press(b);
    EXPECT_TRUE(fake.events.empty());
    EXPECT_EQ(m.ui.status.caption, "quiet");
    EXPECT_EQ(std::vector<int32_t>({m.reelLeft, m.reelMiddle, m.reelRight, m.trailPoints, m.holdLeft, m.holdMiddle,
                                    m.holdRight}),
              std::vector<int32_t>({4, 5, 6, 2, false, true, false}));
}

} // namespace
} // namespace glint::test
