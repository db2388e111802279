#include "test_support.h"

namespace glint::test {
namespace {

using K = Event::Kind;

class Spin : public MachineTest {
protected:
    // Repaints that came before the first sound of this name, or -1.
    int repaintsBefore(const std::string& name) const
    {
        int repaints = 0;
        for (const Event& e : fake.events) {
            if (e.kind == K::Sound && e.text.ends_with("/" + name))
                return repaints;
            repaints += e.kind == K::Repaint;
        }
        return -1;
    }
};

TEST_F(Spin, UnheldReelsTurnOneUpPerPausedStepForTheirDrawPlusSixteenThirtyTwoAndFortyEight)
{
    const std::array<int32_t, 3> draws[] = {{0, 0, 0}, {14, 14, 14}, {3, 7, 11}, {9, 0, 14}, {0, 14, 5}};
    for (const auto& d : draws) {
        SCOPED_TRACE(::testing::Message() << d[0] << "," << d[1] << "," << d[2]);
        fake.events.clear();
        setLine(13, 2, 15);
        scriptSpin(d[0], d[1], d[2]);
        const double start = fake.now;
        m.pickStops();

        // Every step pauses a hundredth of a second, then moves each turning
        // reel one up (15 wraps to 0) and repaints once.
        std::array<int32_t, 3> at = {13, 2, 15};
        const std::array<int32_t, 3> turns = {d[0] + 16, d[1] + 32, d[2] + 48};
        int step = 0;
        for (size_t i = 0; i < fake.events.size(); ++i) {
            if (fake.events[i].kind != K::Sleep)
                continue;
            EXPECT_NEAR(fake.events[i].seconds, 0.01, 1e-9);
            ASSERT_EQ(fake.events.at(i + 1).kind, K::Repaint);
            ++step;
            for (size_t r = 0; r < 3; ++r) {
                at[r] = step <= turns[r] ? (at[r] + 1) % 16 : at[r];
                ASSERT_EQ(fake.events[i + 1].reels[r], at[r]) << "step " << step << " reel " << r;
            }
        }
        EXPECT_EQ(step, d[2] + 48);
        EXPECT_EQ(fake.count(K::Repaint), static_cast<size_t>(step));
        EXPECT_NEAR(fake.now - start, 0.01 * step, 1e-6);
        EXPECT_EQ(m.reelRight, (15 + d[2]) % 16);

        // Left rests in step kL+17 and sounds before that step's drawing,
        // the middle in step kM+33, the right after the last drawing.
        EXPECT_EQ(fake.soundNames(), (std::vector<std::string>{"LEFT.WAV", "reelstop.wav", "right.wav"}));
        EXPECT_EQ(repaintsBefore("LEFT.WAV"), d[0] + 16);
        EXPECT_EQ(repaintsBefore("reelstop.wav"), d[1] + 32);
        EXPECT_EQ(fake.events.back().kind, K::Sound);
        for (const Event& e : fake.ofKind(K::Sound))
            EXPECT_EQ(e.flags, 1);
        EXPECT_EQ(m.rightSteps, 0);
    }
}

TEST_F(Spin, HeldReelsStandStillAndStaySilentSpinAfterSpin)
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
        EXPECT_EQ(fake.count(K::Repaint), c.steps);
        EXPECT_EQ(std::vector<int32_t>({m.reelLeft, m.reelMiddle, m.reelRight}),
                  std::vector<int32_t>({c.left ? 3 : 8, c.middle ? 8 : 13, c.right ? 12 : 2}));
        EXPECT_TRUE(m.soundOn);
    }
    // A held counter keeps falling, so it never turns however long it is held.
    m.holdLeft = true;
    m.holdMiddle = m.holdRight = false;
    for (int spin = 0; spin < 3; ++spin) {
        const int32_t counter = m.leftSteps;
        scriptSpin(14, 1, 2);
        m.pickStops();
        EXPECT_EQ(m.reelLeft, 3);
        EXPECT_EQ(m.leftSteps, counter - 50);
    }
}

TEST_F(Spin, TheWindowWrapsRowsAroundTheRing)
{
    const struct {
        int32_t l, mid, r;
        std::array<int32_t, 9> symbols; // tl, ml, bl, tm, mm, bm, tr, mr, br
    } cases[] = {
        {0, 0, 0, {1, 8, 3, 1, 8, 13, 1, 8, 12}},
        {15, 15, 15, {15, 1, 8, 4, 1, 8, 16, 1, 8}},
        {7, 4, 9, {3, 7, 4, 6, 11, 1, 15, 1, 6}},
    };
    for (const auto& c : cases) {
        setLine(c.l, c.mid, c.r);
        fake.events.clear();
        m.drawReels();
        const Event repaint = fake.ofKind(K::Repaint).at(0);
        for (size_t i = 0; i < 9; ++i)
            EXPECT_EQ(symbolOf(m, repaint.cells[i]), c.symbols[i]) << c.l << " cell " << i;
    }
}

} // namespace
} // namespace glint::test
