#include "test_support.h"

#include <limits>

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

TEST_F(Play, StartStakesAQuarterSpinsScoresTheLineThenDrawsItsAwards)
{
    const std::string stops = "~,LEFT.WAV,reelstop.wav"; // silence, then the left and middle reels rest
    check({
        {"a press with nudges left changes nothing",
         [](Machine& m) { ready(m); m.nudges = 1; m.trailPoints = 1; }, &Machine::Command2_Click,
         "sounds=|credit=1.0000|nudges=1|holds=--R|status=###########INITIALISING###########"},
        {"no credit, only silence", [](Machine& m) { m.showTrail(3); }, &Machine::Command2_Click,
         "sounds=~|credit=0.0000|lamps=11100000|status=###########INITIALISING###########"},
        {"the last quarter", [](Machine& m) { m.credit = Money::fromCents(25); m.cashPot = Money::fromWhole(75); },
         playAt(0, 0, 0, {kNoNudges, kNoHoldOffer, kTrailFree}),
         "credit=0.0000|cashpot=75.00|pot=75.0000|status=Plays: 0.00|steps=48|points=0/0|sounds=" + stops + ",right.wav"},
        {"hold offered and trail held", ready, playAt(5, 0, 4, {kNoNudges, kHoldOffered, kTrailHeld}),
         "credit=0.7500|points=6/6|spinLamps=00000000|lamps=11111100|ladder=1 2 3 Bonus 5 6* 7 8|offer=1|holds=---|"
         "status=Hold Any?|trailHold=1/6/red|trace=TOTALPOINTS: 6;THVale: 0|sounds=" + stops + ",Hold.wav*9"},
        {"an earlier offer and trail hold withdrawn",
         [](Machine& m) { ready(m), m.holdAllowed = m.trailHeld = true, m.ui.trailHeldLight.foreColor = kRed; },
         playAt(5, 0, 4, {kNoNudges, kNoHoldOffer, {0.25, 1.0 / 3}}),
         "points=6/6|offer=0|holds=---|status=Plays: 0.75|trailHold=0/0/grey|sounds=" + stops},
        {"nudges won leave the offer and the held trail as they were",
         [](Machine& m) {
             ready(m);
             m.holdAllowed = m.trailHeld = true;
             m.heldTrailPoints = 2;
             m.ui.trailHeldLight.foreColor = kRed;
         },
         playAt(0, 0, 0, {kNudgesWon, {0.75, 1}}),
         "nudges=3|status=3 nudges|offer=1|holds=---|trailHold=1/2/red|points=2/2|sounds=" + stops + ",nudges.wav*9"},
        {"a held trail stays lit and adds its points",
         [](Machine& m) { ready(m); m.showTrail(6); m.trailHeld = true; m.heldTrailPoints = 6; },
         playAt(2, 4, 0, {kNoNudges, kNoHoldOffer, kTrailFree}), "spinLamps=11111100|points=8/8|lamps=11111111"},
        {"held points count without the trail hold, on a cleared trail", [](Machine& m) { ready(m); m.heldTrailPoints = 2; },
         playAt(2, 0, 0, {kNoNudges, kNoHoldOffer, kTrailFree}), "spinLamps=00000000|points=3/3|lamps=11100000"},
        {"held points carried past the top of the trail",
         [](Machine& m) { ready(m); m.trailHeld = true; m.heldTrailPoints = 3; },
         playAt(0, 1, 4, {kNoNudges, kNoHoldOffer, kTrailFree}),
         "points=0/10|status=$$-ROOT SOME GLINT-$$|lamps=11111111|ladder=1 2 3 Bonus 5 6 7 8*|trailHold=0/0/grey|"
         "sounds=" + stops + ",~"},
        {"three in a row wins over the bonus", ready, playAt(2, 4, 1, {kNoNudges, kNoHoldOffer, kTrailFree}),
         "points=9/4|status=$$-3 IN A ROW-$$|bonus=off/0|lamps=11111111|ladder=1 2 3 Bonus 5 6 7 8*|sounds=" + stops +
             ",~,okeydokey2.wav"},
        {"three in a row past the top of the trail", ready, playAt(5, 1, 4, {kNoNudges, kNoHoldOffer, kTrailFree}),
         "points=9/9|status=$$-3 IN A ROW-$$|lamps=11111111|sounds=" + stops + ",~,~,okeydokey2.wav"},
        {"the bonus rung", ready, playAt(5, 0, 1, {kNoNudges, kNoHoldOffer, kTrailFree}),
         "points=4/4|status=!!!BONUS!!!|bonus=on/1|feature=0|offer=0|sounds=" + stops + ",BONUSspin.WAV*9"},
        {"a cheat wins six to eight nudges", [](Machine& m) { ready(m); m.cheatCount = 5; },
         playAt(0, 0, 0, {kAnyDraw, {0.25, 1.0 / 3}}), "nudges=6|offer=0|status=6 nudges"},
    });
}

// The Start press that stops the bonus selector takes no credit and leaves
// the trail on the bonus rung; with the selector standing still the next
// press is an ordinary play.
TEST_F(Play, StartDuringTheBonusStopsTheSelector)
{
    auto onTheRung = [](Machine& m) { ready(m); m.trailPoints = kBonusRung; m.ui.nopoints.caption = "4"; };
    check({
        {"stops a running selector and stays on the rung",
         [=](Machine& m) { onTheRung(m); m.startBonus(); m.nudges = 2; }, &Machine::Command2_Click,
         "sounds=~,~|credit=1.0000|nudges=0|bonus=off/1|points=4/4"},
        {"plays once the selector stands still", onTheRung, playAt(5, 0, 4, {kNoNudges, kNoHoldOffer, kTrailFree}),
         "credit=0.7500|points=6/6|bonus=off/0"},
        {"a selector a nudge took off the rung runs on through the play",
         [](Machine& m) { ready(m); m.startBonus(); m.trailPoints = 5; },
         playAt(5, 0, 4, {kNoNudges, kNoHoldOffer, kTrailFree}), "credit=0.7500|points=6/6|bonus=on/1"},
    });
}

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
    auto offer = [](Machine& m) { onLine(m, 0, true); };
    auto twice = [](void (Machine::*press)()) { return [=](Machine& m) { (m.*press)(), (m.*press)(); }; };
    check({
        {"hold", offer, &Machine::nudgem_Click, "holds=-M-|status=Holding Middle|reels=0,0,5|sounds="},
        {"hold and cancel", offer, twice(&Machine::nudgem_Click), "holds=---|status=Cancel Middle"},
        {"hold left", offer, &Machine::nudgel_Click, "holds=L--|status=Holding Left"},
        {"hold and cancel left", offer, twice(&Machine::nudgel_Click), "holds=---|status=Cancel Left"},
        {"hold right", offer, &Machine::nudgeR_Click, "holds=--R|status=Holding Right"},
        {"hold and cancel right", offer, twice(&Machine::nudgeR_Click), "holds=---|status=Cancel Right"},
        {"neither offer nor nudges", [](Machine& m) { onLine(m, 0, false); m.holdLeft = true; },
         &Machine::nudgel_Click, "holds=L--|reels=0,0,5|points=2/Label2|steps=0"},
        {"a nudge of the left reel wraps it round", [](Machine& m) { onLine(m, 2, false); },
         &Machine::nudgel_Click, "reels=15,0,5|nudges=1|status=1 nudges|points=2/2|steps=1"},
        {"a nudge of the right reel adds its new symbol and drops its hold",
         [](Machine& m) { onLine(m, 2, false); m.holdRight = true; }, &Machine::nudgeR_Click,
         "reels=0,0,4|holds=---|nudges=1|points=6/6|lamps=11111100|trace=TOTALPOINTS: 6;THVale: 0"},
        {"an offer and a nudge in one press: the nudge drops the hold and has the last word",
         [](Machine& m) { onLine(m, 2, true); m.reelMiddle = 1; }, &Machine::nudgem_Click,
         "holds=---|status=1 nudges|offer=1|reels=0,0,5|points=2/2"},
        {"a nudge onto the bonus rung forfeits the nudges left", [](Machine& m) { onLine(m, 3, true); m.trailPoints = 0; },
         &Machine::nudgeR_Click, "nudges=0|points=4/4|status=!!!BONUS!!!|bonus=on/1|offer=0|holds=---|sounds=BONUSspin.WAV*9"},
        {"a nudge into three in a row stops the selector, the nudges and the offer",
         [](Machine& m) { m.startBonus(); onLine(m, 3, true); m.reelLeft = 3, m.reelMiddle = 4, m.reelRight = 8; },
         &Machine::nudgel_Click, "nudges=0|offer=0|bonus=off/1|points=9/3|status=$$-3 IN A ROW-$$|"
                                 "trace=TOTALPOINTS: 3;THVale: 0|sounds=~,okeydokey2.wav"},
        {"the last nudge silences the nudge sound and scores from the middle strip",
         [](Machine& m) { onLine(m, 1, false), m.reelMiddle = 2, m.credit = Money::fromWhole(1); },
         &Machine::nudgem_Click, "reels=0,1,5|nudges=0|status=Plays: 1.00|sounds=~|points=5/5"},
    });
}


using Coins = MachineTest;

constexpr int16_t kMax = std::numeric_limits<int16_t>::max();
constexpr int16_t kMin = std::numeric_limits<int16_t>::min();

// The purse and the cheat count are 16-bit and stop at their ends.
TEST_F(Coins, CashMovesACoinIntoCreditUntilThePurseIsEmptyAndTheCountersNeverWrap)
{
    auto purse = [](int16_t coins) {
        return [coins](Machine& m) { m.coins = coins, m.trailPoints = 3, m.trailHeld = true, m.heldTrailPoints = 2, m.showTrail(3); };
    };
    check({
        {"a coin, one left in the purse", purse(2), &Machine::Command3_Click,
         "coins=1|credit=1.0000|pot=72.0000|cashpot=71.00|status=Plays: 1.00|sounds=inMoney.wav|lamps=00000000|messages=|"
         "points=3/Label2|trailHold=1/2/grey"},
        {"the last coin", purse(1), &Machine::Command3_Click,
         "coins=0|credit=0.0000|pot=71.0000|messages=Your Skint.. go home!|sounds=|lamps=11100000"},
        {"an empty purse stays empty", purse(kMin), &Machine::Command3_Click,
         "coins=" + std::to_string(kMin) + "|credit=0.0000"},
        {"more money", purse(-3), &Machine::Command5_Click, "coins=2|messages=Give me more Money|sounds="},
        {"more money at the top", purse(kMax - 2), &Machine::Command5_Click, "coins=" + std::to_string(kMax)},
        {"cheat from start-up", {}, &Machine::Command4_Click, "cheat=5|status=Cheater! - 5|sounds=cheat.wav"},
        {"cheat at the top", [](Machine& m) { m.cheatCount = kMax - 2; }, &Machine::Command4_Click,
         "cheat=" + std::to_string(kMax) + "|status=Cheater! - " + std::to_string(kMax)},
    });
}

} // namespace
} // namespace glint::test
