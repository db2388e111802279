#include "test_support.h"

namespace glint::test {
namespace {

using HoldNudge = MachineTest;

// Win line 0, 0, 5 (symbols 8, 8, 1) with 2 trail points.
void onLine(Machine& m, int32_t nudges, bool offer)
{
    m.reelLeft = m.reelMiddle = 0;
    m.reelRight = 5;
    m.trailPoints = 2;
    m.nudges = nudges;
    m.holdAllowed = offer;
}

TEST_F(HoldNudge, AfterAnOfferAButtonTogglesItsHoldAndWithNudgesMovesItsReelDownOneAndScores)
{
    auto twice = [](Machine& m) { m.nudgem_Click(); m.nudgem_Click(); };
    check({
        {"hold", [](Machine& m) { onLine(m, 0, true); }, &Machine::nudgem_Click,
         "holds=-M-|status=Holding Middle|reels=0,0,5|sounds="},
        {"hold and cancel", [](Machine& m) { onLine(m, 0, true); }, twice, "holds=---|status=Cancel Middle"},
        {"neither offer nor nudges", [](Machine& m) { onLine(m, 0, false); m.holdLeft = true; },
         &Machine::nudgel_Click, "holds=L--|reels=0,0,5|points=2/Label2|steps=0"},
        {"a nudge of the left reel wraps it round", [](Machine& m) { onLine(m, 2, false); },
         &Machine::nudgel_Click, "reels=15,0,5|nudges=1|status=1 nudges|points=2/2|steps=1"},
        {"a nudge of the right reel adds its new symbol and drops its hold",
         [](Machine& m) { onLine(m, 2, false); m.holdRight = true; }, &Machine::nudgeR_Click,
         "reels=0,0,4|holds=---|nudges=1|points=6/6|lamps=11111100|trace=TOTALPOINTS: 6;THVale: 0"},
        {"the last nudge silences the nudge sound", [](Machine& m) { onLine(m, 1, false); m.credit = Money::fromWhole(1); },
         &Machine::nudgem_Click, "reels=0,15,5|nudges=0|status=Plays: 1.00|sounds=~"},
    });
}

} // namespace
} // namespace glint::test
