#include "test_support.h"

#include <string>
#include <vector>

namespace glint::test {
namespace {

class Spin : public MachineTest {
protected:
    // Repaints that came before the first sound of this name, or -1.
    int repaintsBefore(const std::string& name) const
    {
        int repaints = 0;
        for (const Event& e : fake.events) {
            if (e.kind == Event::Kind::Sound && e.text.ends_with("/" + name))
                return repaints;
            if (e.kind == Event::Kind::Repaint)
                ++repaints;
        }
        return -1;
    }
    void expectWindowMatchesReels(const Event& repaint)
    {
        const std::array<int32_t, 9> want = windowFor(repaint.reels[0], repaint.reels[1], repaint.reels[2]);
        for (size_t i = 0; i < 9; ++i)
            ASSERT_EQ(symbolOf(m, repaint.cells[i]), want[i]) << "cell " << i;
    }
};

TEST_F(Spin, UnheldReelsTurnTheirDrawPlusSixteenThirtyTwoAndFortyEight)
{
    const struct {
        int32_t kL, kM, kR;
    } draws[] = {{0, 0, 0}, {14, 14, 14}, {3, 7, 11}, {9, 0, 14}, {0, 14, 5}};
    for (const auto& d : draws) {
        SCOPED_TRACE(::testing::Message() << d.kL << "," << d.kM << "," << d.kR);
        fake.events.clear();
        setLine(13, 2, 15);
        scriptSpin(d.kL, d.kM, d.kR);
        m.pickStops();

        EXPECT_EQ(m.reelLeft, (13 + d.kL) % 16);
        EXPECT_EQ(m.reelMiddle, (2 + d.kM) % 16);
        EXPECT_EQ(m.reelRight, (15 + d.kR) % 16);
        const std::vector<Event> repaints = fake.ofKind(Event::Kind::Repaint);
        ASSERT_EQ(repaints.size(), static_cast<size_t>(d.kR + 48));

        // Left rests in step kL+17 and sounds before that step's drawing,
        // the middle in step kM+33, the right after the last drawing.
        EXPECT_EQ(fake.soundNames(), (std::vector<std::string>{"LEFT.WAV", "reelstop.wav", "right.wav"}));
        EXPECT_EQ(repaintsBefore("LEFT.WAV"), d.kL + 16);
        EXPECT_EQ(repaintsBefore("reelstop.wav"), d.kM + 32);
        EXPECT_EQ(repaintsBefore("right.wav"), d.kR + 48);
        EXPECT_EQ(fake.events.back().kind, Event::Kind::Sound);
        for (const Event& e : fake.ofKind(Event::Kind::Sound)) {
            EXPECT_EQ(e.flags, 1);
            EXPECT_TRUE(e.text.starts_with(m.assets().sound)) << e.text;
        }
        EXPECT_EQ(m.rightSteps, 0);
        EXPECT_LT(m.leftSteps, 0);
        EXPECT_LT(m.middleSteps, 0);
    }
}

TEST_F(Spin, EveryStepMovesTurningReelsOneUpWrapsAtFifteenAndDrawsThatWindow)
{
    setLine(14, 15, 13);
    scriptSpin(2, 5, 8);
    m.pickStops();
    std::array<int32_t, 3> before = {14, 15, 13};
    const std::array<int32_t, 3> turns = {2 + 16, 5 + 32, 8 + 48};
    int step = 0;
    for (const Event& repaint : fake.ofKind(Event::Kind::Repaint)) {
        ++step;
        for (size_t r = 0; r < 3; ++r) {
            const int32_t want = step <= turns[r] ? (before[r] + 1) % 16 : before[r];
            ASSERT_EQ(repaint.reels[r], want) << "step " << step << " reel " << r;
            before[r] = repaint.reels[r];
        }
        expectWindowMatchesReels(repaint);
    }
}

TEST_F(Spin, EachStepPausesOneHundredthOfASecondThenRepaintsOnce)
{
    scriptSpin(4, 4, 4);
    const double start = fake.now;
    m.pickStops();
    const std::vector<Event::Kind> kinds = fake.kinds();
    size_t sleeps = 0;
    for (size_t i = 0; i < kinds.size(); ++i) {
        if (kinds[i] != Event::Kind::Sleep)
            continue;
        ++sleeps;
        EXPECT_NEAR(fake.events[i].seconds, 0.01, 1e-9);
        ASSERT_LT(i + 1, kinds.size());
        EXPECT_EQ(kinds[i + 1], Event::Kind::Repaint);
    }
    EXPECT_EQ(sleeps, 52u);
    EXPECT_EQ(fake.count(Event::Kind::Repaint), 52u);
    EXPECT_NEAR(fake.now - start, 0.52, 1e-6);
}

TEST_F(Spin, HeldReelsStandStillAndStaySilent)
{
    const struct {
        bool left, middle, right;
        std::vector<std::string> sounds;
        size_t steps;
    } cases[] = {
        {true, false, false, {"reelstop.wav", "right.wav"}, 48 + 6},
        {false, true, false, {"LEFT.WAV", "right.wav"}, 48 + 6},
        {false, false, true, {"LEFT.WAV", "reelstop.wav"}, 48},
        {true, true, true, {}, 48},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.left << c.middle << c.right);
        fake.events.clear();
        setLine(3, 8, 12);
        m.holdLeft = c.left;
        m.holdMiddle = c.middle;
        m.holdRight = c.right;
        scriptSpin(5, 5, 6);
        m.pickStops();
        EXPECT_EQ(fake.soundNames(), c.sounds);
        EXPECT_EQ(fake.count(Event::Kind::Repaint), c.steps);
        EXPECT_EQ(m.reelLeft, c.left ? 3 : 8);
        EXPECT_EQ(m.reelMiddle, c.middle ? 8 : 13);
        EXPECT_EQ(m.reelRight, c.right ? 12 : 2);
        EXPECT_TRUE(m.soundOn);
        EXPECT_EQ(m.rightSteps, 0);
    }
}

TEST_F(Spin, AReelHeldSpinAfterSpinNeverTurnsWhileItsCounterKeepsFalling)
{
    setLine(6, 0, 0);
    m.holdLeft = true;
    int32_t counter = m.leftSteps;
    for (int spin = 0; spin < 4; ++spin) {
        fake.events.clear();
        scriptSpin(14, 1, 2);
        m.pickStops();
        EXPECT_EQ(m.reelLeft, 6);
        EXPECT_EQ(m.leftSteps, counter - 50);
        counter = m.leftSteps;
    }
}

TEST_F(Spin, TheWindowWrapsRowsAroundTheRing)
{
    const struct {
        int32_t l, mid, r;
        std::array<int32_t, 9> symbols;
    } cases[] = {
        {0, 0, 0, {1, 8, 3, 1, 8, 13, 1, 8, 12}},
        {15, 15, 15, {15, 1, 8, 4, 1, 8, 16, 1, 8}},
        {7, 4, 9, {3, 7, 4, 6, 11, 1, 15, 1, 6}},
    };
    for (const auto& c : cases) {
        setLine(c.l, c.mid, c.r);
        fake.events.clear();
        m.drawReels();
        const Event repaint = fake.ofKind(Event::Kind::Repaint).at(0);
        for (size_t i = 0; i < 9; ++i)
            EXPECT_EQ(symbolOf(m, repaint.cells[i]), c.symbols[i]) << c.l << " cell " << i;
    }
}

} // namespace
} // namespace glint::test
