#include "core/machine.h"
#include "core/sounds.h"
#include "core/strips.h"

namespace glint {

namespace {

constexpr double kStepPause = 0.01;

} // namespace

void Machine::pickStops()
{
    rnd.reseed(platform_.clockSeed());
    const int32_t keptLeft = leftSteps;
    const int32_t keptMiddle = middleSteps;
    const int32_t keptRight = rightSteps;
    leftSteps = rnd.below(15);
    middleSteps = rnd.below(15);
    rightSteps = rnd.below(15);
    // A held reel keeps its spent (negative) counter, so it never turns.
    if (holdLeft)
        leftSteps = keptLeft;
    if (holdMiddle)
        middleSteps = keptMiddle;
    if (holdRight)
        rightSteps = keptRight;
    spinReels();
}

void Machine::spinReels()
{
    if (!holdLeft)
        leftSteps += 16;
    if (!holdMiddle)
        middleSteps += 32;
    // The right counter is 0 after every spin, so a held right reel still
    // gives the spin its 48 steps.
    const int32_t steps = rightSteps + 48;
    if (!holdRight)
        rightSteps += 48;

    bool leftStopped = false;
    bool middleStopped = false;
    for (int32_t step = 0; step < steps; ++step) {
        if (leftSteps > 0) {
            ++reelLeft;
        } else if (!leftStopped) {
            if (!holdLeft)
                playSound(sound::kLeftStop, sound::kOnce);
            leftStopped = true;
        }
        if (middleSteps > 0) {
            ++reelMiddle;
        } else if (!middleStopped) {
            if (!holdMiddle)
                playSound(sound::kMiddleStop, sound::kOnce);
            middleStopped = true;
        }
        if (rightSteps > 0)
            ++reelRight;
        if (reelLeft > 15)
            reelLeft = 0;
        if (reelMiddle > 15)
            reelMiddle = 0;
        if (reelRight > 15)
            reelRight = 0;
        --leftSteps;
        --middleSteps;
        --rightSteps;
        drawReels();
    }
    rightSteps = 0;
    if (holdRight)
        soundOn = false;
    playSound(sound::kRightStop, sound::kOnce);
    soundOn = true;
}

void Machine::drawReels()
{
    topLeft = reelLeft - 1;
    topMiddle = reelMiddle - 1;
    topRight = reelRight - 1;
    bottomLeft = reelLeft + 1;
    bottomMiddle = reelMiddle + 1;
    int32_t bottomRight = reelRight + 1;
    if (bottomLeft > 15)
        bottomLeft = 0;
    if (bottomMiddle > 15)
        bottomMiddle = 0;
    if (bottomRight > 15)
        bottomRight = 0;
    if (topLeft < 0)
        topLeft = 15;
    if (topMiddle < 0)
        topMiddle = 15;
    if (topRight < 0)
        topRight = 15;

    auto show = [this](Image& cell, const ListBox& strip, int32_t position) {
        cell.picture = symbolPics.at(static_cast<size_t>(stripEntry(strip, position)));
    };
    show(ui.tl, ui.List1, topLeft);
    show(ui.ml, ui.List1, reelLeft);
    show(ui.bl, ui.List1, bottomLeft);
    show(ui.tm, ui.List2, topMiddle);
    show(ui.mm, ui.List2, reelMiddle);
    show(ui.bm, ui.List2, bottomMiddle);
    show(ui.tr, ui.List3, topRight);
    show(ui.mr, ui.List3, reelRight);
    show(ui.br, ui.List3, bottomRight);

    // Monotonic time has no midnight wrap, and sleeping rather than polling
    // leaves the processor free while the player watches the step.
    platform_.sleepUntil(platform_.monotonicSeconds() + kStepPause);
    platform_.repaintCells();
}

} // namespace glint
