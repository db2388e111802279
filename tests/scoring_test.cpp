#include "test_support.h"

namespace glint::test {
namespace {

using K = Event::Kind;

// Win lines by strip position: symbols 8, 8, 8 (none scores); 8, 13, 15,
// 9, 8, 15 and 9, 11, 8 (one does not score); 9, 11, 12 (all score, 1 + 1 + 2).
constexpr std::array<int32_t, 3> kBlankLine = {0, 0, 0};
constexpr std::array<int32_t, 3> kOneBlank = {0, 1, 8};
constexpr std::array<int32_t, 3> kBlankMiddle = {2, 0, 8};
constexpr std::array<int32_t, 3> kBlankRight = {2, 4, 0};
constexpr std::array<int32_t, 3> kAllScore = {2, 4, 1};

class Scoring : public MachineTest {
protected:
    void score(const std::array<int32_t, 3>& line, int16_t total, bool selectorRunning)
    {
        setLine(line[0], line[1], line[2]);
        m.nudges = 2;
        m.holdAllowed = true;
        m.trailHeld = true;
        m.heldTrailPoints = 3;
        m.ui.status.caption = "before";
        if (selectorRunning)
            m.startBonus();
        else
            m.ui.bonusTimer.setEnabled(false);
        m.nudges = 2;
        m.trailPoints = total;
        fake.events.clear();
        m.scoreSpin();
    }
};

TEST_F(Scoring, TheLineAndTotalDecideBetweenNothingBonusTopAndThreeInARow)
{
    const std::string kNone = "before";
    const std::pair<K, std::string> kBonus = {K::Sound, "BONUSspin.WAV"};
    const std::pair<K, std::string> kSilence = {K::Silence, ""};
    const std::pair<K, std::string> kThree = {K::Sound, "okeydokey2.wav"};
    const struct {
        std::array<int32_t, 3> line;
        int16_t total;
        bool selectorBefore;
        std::string status;
        int16_t trailAfter;
        bool awarded; // nudges and the hold offer are withdrawn
        bool selectorAfter;
        int32_t redRung;
        std::vector<std::pair<K, std::string>> events;
    } cases[] = {
        {kBlankLine, 0, false, kNone, 0, false, false, 0, {}},
        {kOneBlank, 3, false, kNone, 3, false, false, 3, {}},
        {kOneBlank, 5, true, kNone, 5, false, true, 5, {}},
        {kBlankLine, 8, false, kNone, 8, false, false, 8, {}},
        {kOneBlank, 4, false, "!!!BONUS!!!", 4, true, true, 4, {kBonus}},
        {kBlankMiddle, 4, false, "!!!BONUS!!!", 4, true, true, 4, {kBonus}},
        {kBlankRight, 4, false, "!!!BONUS!!!", 4, true, true, 4, {kBonus}},
        {kBlankLine, 9, true, "$$-ROOT SOME GLINT-$$", 0, true, false, 8, {kSilence}},
        {kOneBlank, 13, false, "$$-ROOT SOME GLINT-$$", 0, true, false, 8, {kSilence}},
        {kAllScore, 4, true, "$$-3 IN A ROW-$$", 9, true, false, 8, {kSilence, kThree}},
        {kAllScore, 2, false, "$$-3 IN A ROW-$$", 9, true, false, 8, {kSilence, kThree}},
        {kAllScore, 12, false, "$$-3 IN A ROW-$$", 9, true, false, 8, {kSilence, kSilence, kThree}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "line " << c.line[0] << "," << c.line[1] << "," << c.line[2]
                                          << " total " << c.total);
        const size_t lines = m.ui.myDebug.items.size();
        score(c.line, c.total, c.selectorBefore);
        EXPECT_EQ(m.ui.status.caption, c.status);
        EXPECT_EQ(m.trailPoints, c.trailAfter);
        EXPECT_EQ(m.nudges, c.awarded ? 0 : 2);
        EXPECT_EQ(m.holdAllowed, !c.awarded);
        EXPECT_EQ(m.ui.bonusTimer.enabled, c.selectorAfter);
        for (int32_t rung = 1; rung <= 8; ++rung)
            EXPECT_EQ(m.ui.trailLabel(rung).foreColor, rung == c.redRung ? kRed : kBlack) << rung;
        EXPECT_EQ(m.ui.lamp(4).picture, c.redRung >= 4 ? m.bonusOnPic : m.bonusOffPic);
        // The caller's total is never rewritten on the points label, and goes
        // to the trace as it was before any change.
        EXPECT_EQ(m.ui.nopoints.caption, "Label2");
        ASSERT_EQ(m.ui.myDebug.items.size(), lines + 2);
        EXPECT_EQ(m.ui.myDebug.items[lines], "TOTALPOINTS: " + std::to_string(c.total));
        EXPECT_EQ(m.ui.myDebug.items[lines + 1], "THVale: 3");
        ASSERT_EQ(fake.events.size(), c.events.size());
        for (size_t i = 0; i < c.events.size(); ++i) {
            EXPECT_EQ(fake.events[i].kind, c.events[i].first);
            EXPECT_TRUE(fake.events[i].text.ends_with(c.events[i].second));
            // The bonus sound loops, the three-in-a-row sound plays once.
            EXPECT_EQ(fake.events[i].flags, c.events[i] == kBonus ? 9 : c.events[i] == kThree ? 1 : 0);
        }
    }
}

} // namespace
} // namespace glint::test
