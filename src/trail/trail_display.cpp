#include "core/machine.h"
#include "core/texts.h"

namespace glint {

void Machine::showTrail(int32_t position)
{
    for (Label& rung : ui.Trail)
        rung.foreColor = kBlack;
    for (Image& lamp : ui.bonus)
        lamp.picture = bonusOffPic;

    if (position == 0)
        return;
    if (position >= 1 && position <= 8) {
        ui.trailLabel(position).foreColor = kRed;
        for (int32_t rung = 1; rung <= position; ++rung)
            ui.lamp(rung).picture = bonusOnPic;
        return;
    }

    // Beyond the ladder: the top of the trail resets the trail.
    nudges = 0;
    holdAllowed = false;
    ui.status.caption = text::kTrailTop.english;
    trailPoints = 0;
    trailHeld = false;
    showTrail(8);
    stopBonus();
}

} // namespace glint
