#include "test_support.h"

#include <limits>

namespace glint::test {
namespace {

using Coins = MachineTest;

constexpr int16_t kMax = std::numeric_limits<int16_t>::max();
constexpr int16_t kMin = std::numeric_limits<int16_t>::min();

// The purse and the cheat count are 16-bit and stop at their ends.
TEST_F(Coins, CashMovesACoinIntoCreditUntilThePurseIsEmptyAndTheCountersNeverWrap)
{
    auto purse = [](int16_t coins) { return [coins](Machine& m) { m.coins = coins; m.showTrail(3); }; };
    auto cheats = [](int16_t count) { return [count](Machine& m) { m.cheatCount = count; }; };
    check({
        {"a coin", purse(10), &Machine::Command3_Click,
         "coins=9|credit=1.00|pot=72.00|status=Plays: 1.00|sounds=inMoney.wav|lamps=00000000|messages="},
        {"the last coin", purse(1), &Machine::Command3_Click,
         "coins=0|credit=0.00|pot=71.00|messages=Your Skint.. go home!|sounds=|lamps=11100000"},
        {"an empty purse stays empty", purse(kMin), &Machine::Command3_Click,
         "coins=" + std::to_string(kMin) + "|credit=0.00"},
        {"more money", purse(kMax - 2), &Machine::Command5_Click,
         "coins=" + std::to_string(kMax) + "|messages=Give me more Money|sounds="},
        {"cheat", cheats(0), &Machine::Command4_Click, "cheat=5|status=Cheater! - 5|sounds=cheat.wav"},
        {"cheat at the top", cheats(kMax - 2), &Machine::Command4_Click,
         "cheat=" + std::to_string(kMax) + "|status=Cheater! - " + std::to_string(kMax)},
    });
}

} // namespace
} // namespace glint::test
