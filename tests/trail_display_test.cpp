#include "test_support.h"

namespace glint::test {
namespace {

class TrailDisplay : public MachineTest {
protected:
    // A busy machine: every field the top of the trail may reset is set.
    void makeBusy()
    {
        m.startBonus();
        m.nudges = 3;
        m.holdAllowed = m.trailHeld = true;
        m.trailPoints = 5;
        m.heldTrailPoints = 6;
        m.ui.trailHeldLight.foreColor = kRed;
        m.ui.status.caption = "Hold Any?";
        fake.events.clear();
    }
    void expectLadder(int32_t redRung, int32_t litLamps)
    {
        for (int32_t rung = 1; rung <= 8; ++rung) {
            EXPECT_EQ(m.ui.trailLabel(rung).foreColor, rung == redRung ? kRed : kBlack) << "label " << rung;
            EXPECT_EQ(m.ui.lamp(rung).picture, rung <= litLamps ? m.bonusOnPic : m.bonusOffPic) << "lamp " << rung;
        }
    }
};

TEST_F(TrailDisplay, RungsOnTheLadderPaintOnlyAndChangeNoField)
{
    for (int32_t position = 0; position <= 8; ++position) {
        SCOPED_TRACE(position);
        makeBusy();
        m.showTrail(8);
        m.showTrail(position);
        expectLadder(position, position);
        EXPECT_EQ(m.nudges, 3);
        EXPECT_TRUE(m.holdAllowed);
        EXPECT_EQ(m.trailPoints, 5);
        EXPECT_TRUE(m.trailHeld);
        EXPECT_EQ(m.ui.status.caption, "Hold Any?");
        EXPECT_TRUE(m.ui.bonusTimer.enabled);
        EXPECT_TRUE(fake.events.empty());
    }
}

TEST_F(TrailDisplay, PositionsOffTheLadderRunTheTopOfTheTrail)
{
    for (int32_t position : {-1, 9, 40}) {
        SCOPED_TRACE(position);
        makeBusy();
        m.showTrail(position);
        expectLadder(8, 8);
        EXPECT_EQ(m.nudges, 0);
        EXPECT_FALSE(m.holdAllowed);
        EXPECT_EQ(m.ui.status.caption, "$$-ROOT SOME GLINT-$$");
        EXPECT_EQ(m.trailPoints, 0);
        EXPECT_FALSE(m.trailHeld);
        // The trail-hold lamp and carried points wait for the next play.
        EXPECT_EQ(m.heldTrailPoints, 6);
        EXPECT_EQ(m.ui.trailHeldLight.foreColor, kRed);
        EXPECT_FALSE(m.ui.bonusTimer.enabled);
        EXPECT_EQ(fake.kinds(), std::vector<Event::Kind>{Event::Kind::Silence});
    }
}

} // namespace
} // namespace glint::test
