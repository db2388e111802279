#include "core/machine.h"
#include "core/sounds.h"

namespace glint {

void Machine::flashLights_Timer()
{
    if (nudges != 0)
        return;
    if (credit != Money())
        return;
    if (flashPhase == 0) {
        for (int32_t rung = 1; rung <= 8; ++rung)
            ui.lamp(rung).picture = (rung % 2 == 1) ? bonusOnPic : bonusOffPic;
        flashPhase = 1;
    } else {
        for (int32_t rung = 1; rung <= 8; ++rung)
            ui.lamp(rung).picture = (rung % 2 == 0) ? bonusOnPic : bonusOffPic;
        flashPhase = 0;
    }
}

void Machine::startBonus()
{
    nudges = 0;
    ui.bonusTimer.setEnabled(true);
    featureIndex = 0;
}

void Machine::stopBonus()
{
    ui.bonusTimer.setEnabled(false);
    stopSound();
}

void Machine::bonusTimer_Timer()
{
    holdAllowed = false;
    playSound(sound::kBonusStep, sound::kOnce);
    ++featureIndex;
    if (featureIndex == 6)
        featureIndex = 0;
    ui.status.caption = featureNames[static_cast<size_t>(featureIndex)];
}

} // namespace glint
