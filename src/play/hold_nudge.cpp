#include "core/machine.h"
#include "core/narration.h"
#include "core/texts.h"

namespace glint {

namespace {

struct ReelButton {
    PlayerText holdText;
    PlayerText cancelText;
};

} // namespace

void Machine::nudgel_Click()
{
    holdOrNudge(Reel::Left);
}

void Machine::nudgem_Click()
{
    holdOrNudge(Reel::Middle);
}

void Machine::nudgeR_Click()
{
    holdOrNudge(Reel::Right);
}

void Machine::holdOrNudge(Reel reel)
{
    bool* hold = &holdLeft;
    int32_t* position = &reelLeft;
    const ListBox* strip = &ui.List1;
    ReelButton texts{text::kHoldingLeft, text::kCancelLeft};
    if (reel == Reel::Middle) {
        hold = &holdMiddle;
        position = &reelMiddle;
        strip = &ui.List2;
        texts = {text::kHoldingMiddle, text::kCancelMiddle};
    } else if (reel == Reel::Right) {
        hold = &holdRight;
        position = &reelRight;
        strip = &ui.List3;
        texts = {text::kHoldingRight, text::kCancelRight};
    }

    if (holdAllowed) {
        ui.status.caption = (*hold ? texts.cancelText : texts.holdText).english;
        *hold = !*hold;
    }
    if (nudges <= 0) {
        if (holdAllowed)
            ui.announcement.say({asShown(ui.status.caption)});
        return;
    }

    *hold = false;
    --nudges;
    showNudges();
    // A nudge moves the reel down: the symbol above comes onto the win line.
    --*position;
    if (*position < 0)
        *position = 15;
    drawReels();
    trailPoints = static_cast<int16_t>(trailPoints + symbolPoints.at(static_cast<size_t>(stripEntry(*strip, *position))));
    ui.nopoints.caption = std::to_string(trailPoints);
    scoreSpin();
    sayOutcome(true);
}

} // namespace glint
