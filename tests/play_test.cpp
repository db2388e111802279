#include "test_support.h"

namespace glint::test {
namespace {

using Play = MachineTest;

// Every row starts with 1.00 credit, the trail lit to 3 and the right reel held.
void ready(Machine& m)
{
    m.credit = Money::fromWhole(1);
    m.showTrail(3);
    m.holdRight = true;
}

constexpr const char* kStops = "~,LEFT.WAV,reelstop.wav";

TEST_F(Play, StartStakesAQuarterSpinsScoresTheLineThenDrawsItsAwards)
{
    const std::string stops = kStops;
    check({
        {"a press with nudges left changes nothing",
         [](Machine& m) { ready(m); m.nudges = 1; m.trailPoints = 1; }, &Machine::Command2_Click,
         "sounds=|credit=1.00|nudges=1|holds=--R|status=###########INITIALISING###########"},
        {"no credit, only silence", [](Machine& m) { m.showTrail(3); }, &Machine::Command2_Click,
         "sounds=~|credit=0.00|lamps=11100000|status=###########INITIALISING###########"},
        {"the last quarter", [](Machine& m) { m.credit = Money::fromCents(25); m.cashPot = Money::fromWhole(75); },
         playAt(0, 0, 0, {kNoNudges, kNoHoldOffer, kTrailFree}),
         "credit=0.00|cashpot=75.00|pot=75.00|status=Plays: 0.00|steps=48|points=0/0|sounds=" + stops + ",right.wav"},
        {"hold offered and trail held", ready, playAt(5, 0, 4, {kNoNudges, kHoldOffered, kTrailHeld}),
         "credit=0.75|points=6/6|spinLamps=00000000|lamps=11111100|ladder=1 2 3 Bonus 5 6* 7 8|offer=1|holds=---|"
         "status=Hold Any?|trailHold=1/6/red|trace=TOTALPOINTS: 6;THVale: 0|sounds=" + stops + ",Hold.wav*9"},
        {"neither offered nor held", ready, playAt(5, 0, 4, {kNoNudges, kNoHoldOffer, kTrailFree}),
         "points=6/6|offer=0|holds=---|status=Plays: 0.75|trailHold=0/0/grey|sounds=" + stops},
        {"nudges won leave the offer and the held trail as they were",
         [](Machine& m) { ready(m); m.holdAllowed = m.trailHeld = true; m.heldTrailPoints = 2; },
         playAt(0, 0, 0, {kNudgesWon, {2.0 / 3, 1}}),
         "nudges=3|status=3 nudges|offer=1|holds=---|trailHold=1/2/grey|points=2/2|sounds=" + stops + ",nudges.wav*9"},
        {"a held trail stays lit and adds its points",
         [](Machine& m) { ready(m); m.showTrail(6); m.trailHeld = true; m.heldTrailPoints = 6; },
         playAt(2, 0, 0, {kNoNudges, kNoHoldOffer, kTrailFree}), "spinLamps=11111100|points=7/7|lamps=11111110"},
        {"held points carried past the top of the trail",
         [](Machine& m) { ready(m); m.trailHeld = true; m.heldTrailPoints = 3; },
         playAt(0, 1, 4, {kNoNudges, kNoHoldOffer, kTrailFree}),
         "points=0/10|status=$$-ROOT SOME GLINT-$$|lamps=11111111|ladder=1 2 3 Bonus 5 6 7 8*|trailHold=0/0/grey|"
         "sounds=" + stops + ",~"},
        {"three in a row, the right symbol worth 1", ready, playAt(2, 4, 8, {kNoNudges, kNoHoldOffer, kTrailFree}),
         "points=9/3|status=$$-3 IN A ROW-$$|lamps=11111111|ladder=1 2 3 Bonus 5 6 7 8*|sounds=" + stops +
             ",~,okeydokey2.wav"},
        {"the bonus rung", ready, playAt(5, 0, 1, {kNoNudges, kNoHoldOffer, kTrailFree}),
         "points=4/4|status=!!!BONUS!!!|bonus=on/1|feature=0|offer=0|sounds=" + stops + ",BONUSspin.WAV*9"},
        {"a cheat wins six to eight nudges", [](Machine& m) { ready(m); m.cheatCount = 5; },
         playAt(0, 0, 0, {kAnyDraw, {0, 1.0 / 3}}), "nudges=6|offer=0|status=6 nudges"},
    });
}

// The Start press that stops the bonus selector. It takes no credit and
// leaves the bonus rung, or every later press would land here again.
TEST_F(Play, StartDuringTheBonusStopsTheSelector)
{
    check({
        {"stops the selector",
         [](Machine& m) { ready(m); m.trailPoints = 4; m.startBonus(); m.nudges = 2; }, &Machine::Command2_Click,
         "sounds=~,~|credit=1.00|nudges=0|bonus=off/1|points=0/0"},
    });
}

TEST_F(Play, NudgesCountDownOnTheStatusLineAndTheLastOneSilencesTheirSound)
{
    auto show = [](int32_t n) { return [n](Machine& m) { m.credit = Money::fromWhole(1); m.nudges = n; }; };
    check({
        {"two", show(2), &Machine::showNudges, "status=2 nudges|sounds="},
        {"one", show(1), &Machine::showNudges, "status=1 nudges|sounds="},
        {"none", show(0), &Machine::showNudges, "status=Plays: 1.00|sounds=~"},
    });
}

} // namespace
} // namespace glint::test
