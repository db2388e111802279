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
        m.trailPoints = 9, m.heldTrailPoints = 3, m.ui.trailHeldLight.foreColor = kRed;
    };
    check({
        {"nothing", running, show(0), "lamps=00000000|ladder=1 2 3 Bonus 5 6 7 8|sounds=|nudges=3|bonus=on/1"},
        {"the bottom rung", running, show(1), "lamps=10000000|ladder=1* 2 3 Bonus 5 6 7 8|points=9/Label2"},
        {"the bonus rung", running, show(4), "lamps=11110000|ladder=1 2 3 Bonus* 5 6 7 8"},
        {"past the top", running, show(9),
         "lamps=11111111|ladder=1 2 3 Bonus 5 6 7 8*|status=$$-ROOT SOME GLINT-$$|points=0/Label2|nudges=0|offer=0|"
         "trailHold=0/3/red|bonus=off/1|sounds=~"},
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
        {"three flashes", {}, [=](Machine& m) { flashTwice(m), m.flashLights_Timer(); }, "lamps=10101010"},
        {"no flash with nudges", [](Machine& m) { m.nudges = 1; }, &Machine::flashLights_Timer, "lamps=^^^^^^^^"},
        {"no flash with credit", [](Machine& m) { m.credit = Money::fromCents(25); }, &Machine::flashLights_Timer,
         "lamps=^^^^^^^^"},
        {"bonus start", [](Machine& m) { m.nudges = 2; }, &Machine::startBonus, "bonus=on/1|nudges=0|feature=0"},
        {"first tick", atFeature(0), &Machine::bonusTimer_Timer,
         "status=Boost|feature=1|offer=0|sounds=Bonusstop.wav"},
        {"sixth tick", atFeature(5), &Machine::bonusTimer_Timer, "status=Respin|feature=0"},
        {"a restart begins again", atFeature(3), [](Machine& m) { m.startBonus(); m.bonusTimer_Timer(); },
         "status=Boost|feature=1|bonus=on/1"},
        {"stopping a stopped selector only silences", [](Machine& m) { m.featureIndex = 3; m.ui.status.caption = "Random"; },
         &Machine::stopBonus, "status=Random|feature=3|bonus=off/0|sounds=~"},
    });
}

using Attract = MachineTest;

// Every four seconds the hold flags show on their labels, the prize box
// shows 70 % of the cash pot until it reaches exactly £70, and with no
// credit and no nudges the status line cycles four messages.
TEST_F(Attract, TheStatusTickCyclesFourMessagesOnlyWhileTheMachineIsIdle)
{
    auto idle = [](int16_t step) { return [step](Machine& m) { m.attractStep = step; }; };
    check({
        {"first", idle(0), &Machine::Timer2_Timer, "attract=1|status=Please Insert Some Money To Play|sounds="},
        {"second", idle(1), &Machine::Timer2_Timer, "attract=2|status=KQProductions Present..."},
        {"third", idle(2), &Machine::Timer2_Timer, "attract=3|status=$$-Glint Galore-$$|sounds=theme.wav"},
        {"fourth", idle(3), &Machine::Timer2_Timer, "attract=4|status=\u00A9 2026 KQProductions"},
        {"round again", idle(4), &Machine::Timer2_Timer, "attract=1|status=Please Insert Some Money To Play"},
        {"an idle offer is withdrawn and silenced", [](Machine& m) { m.holdAllowed = m.holdRight = true; },
         &Machine::Timer2_Timer, "offer=0|sounds=~|labels=True False False True Trail Held"},
        {"nudges keep the status", [](Machine& m) { m.nudges = 1; m.holdAllowed = true; }, &Machine::Timer2_Timer,
         "attract=1|status=###########INITIALISING###########|offer=1|sounds="},
        {"credit keeps the status", [](Machine& m) { m.credit = Money::fromCents(25); m.holdAllowed = true; },
         &Machine::Timer2_Timer, "attract=1|status=###########INITIALISING###########|offer=1|sounds="},
        {"prize below the cap", [](Machine& m) { m.cashPot = Money::fromCents(9999); }, &Machine::Timer2_Timer,
         "prize=\u00A369"},
        {"prize at the cap", [](Machine& m) { m.cashPot = Money::fromWhole(100); }, &Machine::Timer2_Timer,
         "prize=\u00A370"},
        {"prize stays at the cap",
         [](Machine& m) { m.cashPot = Money::fromWhole(100); m.Timer2_Timer(); m.cashPot = Money::fromWhole(200); },
         &Machine::Timer2_Timer, "prize=\u00A370"},
        {"prize passes the cap it never hit", [](Machine& m) { m.cashPot = Money::fromWhole(200); },
         &Machine::Timer2_Timer, "prize=\u00A3140"},
    });
}

} // namespace
} // namespace glint::test
