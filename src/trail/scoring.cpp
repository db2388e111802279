#include "core/machine.h"
#include "core/sounds.h"
#include "core/texts.h"

namespace glint {

namespace {

constexpr int16_t kPastTheLadder = 9;

} // namespace

void Machine::scoreSpin()
{
    ui.myDebug.addItem(fill(text::kTotalPoints, std::to_string(trailPoints)));
    ui.myDebug.addItem(fill(text::kHeldPoints, std::to_string(heldTrailPoints)));
    if (trailPoints == kBonusRung && nudges != 0)
        nudges = 0;
    showTrail(trailPoints);

    const std::array<int32_t, 3> line = winLine();
    const bool threeInARow = symbolPoints.at(static_cast<size_t>(line[0])) > 0 &&
                             symbolPoints.at(static_cast<size_t>(line[1])) > 0 &&
                             symbolPoints.at(static_cast<size_t>(line[2])) > 0;
    if (threeInARow) {
        stopBonus();
        holdAllowed = false;
        ui.status.caption = text::kThreeInARow.english;
        showTrail(8);
        nudges = 0;
        trailPoints = kPastTheLadder;
        playSound(sound::kThreeInARow, sound::kOnce);
    } else if (trailPoints == kBonusRung) {
        ui.status.caption = text::kBonus.english;
        holdAllowed = false;
        startBonus();
        playSound(sound::kBonusSpin, sound::kLoop);
    }
}

} // namespace glint
