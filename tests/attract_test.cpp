#include "test_support.h"

namespace glint::test {
namespace {

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
         &Machine::Timer2_Timer, "offer=0|sounds=~|labels=True False False True"},
        {"credit keeps the status", [](Machine& m) { m.credit = Money::fromCents(25); m.holdAllowed = true; },
         &Machine::Timer2_Timer, "attract=1|status=###########INITIALISING###########|offer=1|sounds="},
        {"nudges keep the status", [](Machine& m) { m.nudges = 1; }, &Machine::Timer2_Timer,
         "status=###########INITIALISING###########"},
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
