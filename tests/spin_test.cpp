#include "test_support.h"

namespace glint::test {
namespace {

using Spin = MachineTest;

// From the win line 13, 2, 15, a reel turns one position a step (15 wraps to
// 0) for its draw plus 16, 32 and 48 steps; left and middle sound as they
// rest, the right after the last step, and a held reel neither turns nor
// sounds, however many spins it is held for.
TEST_F(Spin, ReelsTurnForTheirDrawsWrapAroundAndSoundAsTheyRest)
{
    auto spin = [this](bool holdLeft, bool holdMiddle, bool holdRight, std::vector<Draw> draws) {
        return [=, this](Machine& m) {
            m.reelLeft = 13, m.reelMiddle = 2, m.reelRight = 15;
            m.holdLeft = holdLeft, m.holdMiddle = holdMiddle, m.holdRight = holdRight;
            script(m, draws);
            m.pickStops();
        };
    };
    check({
        {"whole turns", {}, spin(false, false, false, {stop(0), stop(0), stop(0)}),
         "reels=13,2,15|steps=48|turns=16,32,48|sounds=LEFT.WAV,reelstop.wav,right.wav|soundsAt=16,32,48"},
        {"turns past the wrap", {}, spin(false, false, false, {stop(3), stop(7), {0.95, 1}}),
         "reels=0,9,13|steps=62|turns=19,39,62|sounds=LEFT.WAV,reelstop.wav,right.wav|soundsAt=19,39,62"},
        {"left held", {}, spin(true, false, false, {stop(5), {0.95, 1}, stop(6)}),
         "reels=13,0,5|steps=54|turns=0,46,54|sounds=reelstop.wav,right.wav|holds=L--"},
        {"middle held", {}, spin(false, true, false, {{0.95, 1}, stop(5), stop(6)}),
         "reels=11,2,5|steps=54|turns=30,0,54|sounds=LEFT.WAV,right.wav"},
        {"right held, whatever its draw", {}, spin(false, false, true, {stop(5), stop(5), stop(6)}),
         "reels=2,7,15|steps=48|turns=21,37,0|sounds=LEFT.WAV,reelstop.wav"},
        // Enough spins to carry a 16-bit step counter past its end.
        {"all held, spin after spin",
         [](Machine& m) { m.reelLeft = 13, m.reelMiddle = 2, m.reelRight = 15, m.holdLeft = m.holdMiddle = m.holdRight = true; },
         [](Machine& m) { for (int i = 0; i < 700; ++i) m.pickStops(); },
         "reels=13,2,15|steps=33600|turns=0,0,0|sounds="},
    });
}

TEST_F(Spin, EachStepPausesTenMillisecondsThenDrawsTheWindowWrappedAroundTheRing)
{
    auto at = [](int32_t l, int32_t mid, int32_t r) {
        return [=](Machine& m) { m.reelLeft = l, m.reelMiddle = mid, m.reelRight = r; };
    };
    check({
        {"top of the strips", at(0, 0, 0), &Machine::drawReels, "cells=1 8 3 1 8 13 1 8 12|steps=1"},
        {"bottom of the strips", at(15, 15, 15), &Machine::drawReels, "cells=15 1 8 4 1 8 16 1 8|steps=1"},
        {"next to the top", at(1, 14, 1), &Machine::drawReels, "cells=8 3 9 7 4 1 8 12 5"},
        {"next to the bottom", at(14, 1, 14), &Machine::drawReels, "cells=7 15 1 8 13 5 6 16 1"},
    });
}

// Start-up's own spin is silent and shown under the splash, and it starts
// from the same positions on every run; every control is at its design value
// afterwards. Sounds come from the sound directory while sound is on; a stop
// is never held back, and closing the window silences the game.
TEST_F(Spin, StartUpSpinsSilentlyUnderTheSplashAndOnlyNewSoundsWaitForSoundOn)
{
    EXPECT_EQ(m.assets().sound, assets.root().string() + "/sound/");
    check({
        // A generator and controls as a new machine has them: the first positions come from the fixed initial state.
        {"start-up as the machine is made", {}, [](Machine& m) { m.rnd = Random{}; m.ui = Form1Controls{}; m.Form_Load(); },
         "splash=+-|sounds=|spinStart=11,2,5|credit=0.0000|coins=10|pot=71.0000|cashpot=71.00|prize=Text1|nudges=0|offer=0|holds=---|"
         "status=###########INITIALISING###########|lamps=^^^^^^^^|ladder=1 2 3 Bonus 5 6 7 8|"
         "strips=8 3 9 6 2 10 3 7 4 10 6 2 5 7 15 1/8 13 5 6 11 1 3 7 4 10 6 2 9 7 4 1/8 12 5 7 14 1 3 7 15 1 6 2 5 6 16 1|"
         "scores=0 0 0 0 0 0 0 0 0 1 2 1 2 3 4 1 2|"
         "labels=Label4 Label5 Label6 Label7 Trail Held|bonus=off/0|timers=300+ 100- 500- 4000+ 10000-|cheat=0|"
         "points=0/Label2|trailHold=0/0/grey|feature=0|attract=0|features=Respin/Boost/Selector/Random/Number Run/HI/LO Climb"},
        // Draws at the top of their range tell a first position drawn from 14 or 16 from one drawn from 15.
        {"start-up from a generator about to draw its highest values", {},
         [this](Machine& m) { script(m, {{0.9375, 1}, {0.9375, 1}, {0.9375, 1}}), m.rnd.reseed(fake.nextSeed), m.ui = Form1Controls{}, m.Form_Load(); },
         "spinStart=15,15,15"},
        {"closing", {}, &Machine::Form_Terminate, "sounds=~"},
        {"sound off", {},
         [](Machine& m) { m.playSound("BONUSspin.WAV", 12345), m.soundOn = false, m.playSound("theme.wav", 1), m.stopSound(); },
         "sounds=BONUSspin.WAV*12345,~"},
    });
}

} // namespace
} // namespace glint::test
