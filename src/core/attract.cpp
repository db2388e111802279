#include "core/machine.h"
#include "core/narration.h"
#include "core/sounds.h"
#include "core/texts.h"

namespace glint {

namespace {

const char* trueFalse(bool flag)
{
    return flag ? text::kTrue.english : text::kFalse.english;
}

} // namespace

void Machine::Timer2_Timer()
{
    ui.Label4.caption = trueFalse(holdAllowed);
    ui.Label5.caption = trueFalse(holdLeft);
    ui.Label6.caption = trueFalse(holdMiddle);
    ui.Label7.caption = trueFalse(holdRight);

    // Once the prize box has reached exactly £70 it stays there for good.
    constexpr const char* kPrizeCap = "\u00A370";
    if (ui.prizeMoney.text != kPrizeCap)
        ui.prizeMoney.text = "\u00A3" + std::to_string(cashPot.floorWholeOfFraction(70, 100));

    // The sequence keeps its rhythm whether or not anybody plays.
    ++attractStep;
    if (attractStep == 5)
        attractStep = 1;

    if (nudges != 0 || credit != Money()) {
        attractSaid = false;
        return;
    }
    if (holdAllowed)
        stopSound();
    holdAllowed = false;
    ui.status.caption = text::kAttract.at(static_cast<size_t>(attractStep - 1)).english;
    if (attractStep == 3)
        playSound(sound::kTheme, sound::kOnce);
    // The machine has fallen idle: its first message is worth hearing, the
    // cycling after it is not.
    if (!attractSaid) {
        ui.announcement.say({unframed(ui.status.caption)});
        attractSaid = true;
    }
}

} // namespace glint
