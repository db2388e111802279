#include "test_support.h"

namespace glint::test {
namespace {

using Trail = MachineTest;

TEST_F(Trail, TheTrailLightsItsRungsUpToThePositionAndPastTheTopResetsTheMachine)
{
    auto show = [](int32_t position) { return [position](Machine& m) { m.showTrail(position); }; };
    auto running = [](Machine& m) {
        m.showTrail(5);
        m.startBonus();
        m.nudges = 3;
        m.holdAllowed = m.trailHeld = true;
        m.trailPoints = 9;
    };
    check({
        {"nothing", running, show(0), "lamps=00000000|ladder=1 2 3 Bonus 5 6 7 8|sounds=|nudges=3|bonus=on/1"},
        {"the bonus rung", running, show(4), "lamps=11110000|ladder=1 2 3 Bonus* 5 6 7 8"},
        {"the top", {}, show(8), "lamps=11111111|ladder=1 2 3 Bonus 5 6 7 8*"},
        {"past the top", running, show(9),
         "lamps=11111111|ladder=1 2 3 Bonus 5 6 7 8*|status=$$-ROOT SOME GLINT-$$|points=0/Label2|nudges=0|offer=0|"
         "trailHold=0/0/grey|bonus=off/1|sounds=~"},
    });
}

// Left alone with no credit, the lamps flash odd and even rungs in turn.
// The bonus selector ticks through the features with a sound each.
TEST_F(Trail, LampsFlashOnlyWhenIdleAndTheSelectorCyclesTheFeatures)
{
    auto flashTwice = [](Machine& m) { m.flashLights_Timer(); m.flashLights_Timer(); };
    auto atFeature = [](int16_t index) {
        return [index](Machine& m) { m.startBonus(); m.featureIndex = index; m.holdAllowed = true; };
    };
    check({
        {"one flash", {}, &Machine::flashLights_Timer, "lamps=10101010"},
        {"two flashes", {}, flashTwice, "lamps=01010101"},
        {"no flash with nudges", [](Machine& m) { m.nudges = 1; }, &Machine::flashLights_Timer, "lamps=--------"},
        {"no flash with credit", [](Machine& m) { m.credit = Money::fromCents(25); }, &Machine::flashLights_Timer,
         "lamps=--------"},
        {"bonus start", [](Machine& m) { m.nudges = 2; }, &Machine::startBonus, "bonus=on/1|nudges=0|feature=0"},
        {"first tick", atFeature(0), &Machine::bonusTimer_Timer,
         "status=Boost|feature=1|offer=0|sounds=Bonusstop.wav"},
        {"fourth tick", atFeature(3), &Machine::bonusTimer_Timer, "status=Number Run"},
        {"fifth tick", atFeature(4), &Machine::bonusTimer_Timer, "status=HI/LO Climb"},
        {"sixth tick", atFeature(5), &Machine::bonusTimer_Timer, "status=Respin|feature=0"},
    });
}

} // namespace
} // namespace glint::test
