#include "core/machine.h"
#include "core/narration.h"
#include "core/sounds.h"
#include "core/texts.h"

#include <algorithm>

namespace glint {

namespace {

constexpr Money kStake = Money::fromCents(25);

} // namespace

void Machine::Command2_Click()
{
    if (nudges > 0 && trailPoints != kBonusRung) {
        // Nothing changes on screen; a player listening hears why.
        ui.announcement.say({said(nudges == 1 ? text::kNudgeLeft : text::kNudgesLeft, std::to_string(nudges))});
        return;
    }
    stopSound();

    if (trailPoints == kBonusRung && ui.bonusTimer.enabled) {
        // This press stops the bonus selector on its feature. The trail stays
        // on the bonus rung, as the ladder and the points shown say; once the
        // selector stands still the next press is an ordinary play.
        nudges = 0;
        stopBonus();
        const bool onFeature =
            std::find(featureNames.begin(), featureNames.end(), ui.status.caption) != featureNames.end();
        ui.announcement.say({onFeature ? said(text::kStoppedOn, ui.status.caption) : said(text::kBonusStopped)});
        return;
    }
    if (!(credit > Money())) {
        ui.announcement.say({said(text::kAttract.front())});
        return;
    }

    credit -= kStake;
    ui.cashpot.text = platform_.formatCurrency(cashPot);
    ui.status.caption = playsText();
    if (!trailHeld)
        showTrail(0);
    pickStops();

    const std::array<int32_t, 3> line = winLine();
    int32_t total = heldTrailPoints;
    for (int32_t symbol : line)
        total += symbolPoints.at(static_cast<size_t>(symbol));
    trailPoints = static_cast<int16_t>(total);
    ui.nopoints.caption = std::to_string(trailPoints);
    scoreSpin();

    const int32_t nudgeDraw = rnd.below(5) - cheatCount;
    holdLeft = holdMiddle = holdRight = false;
    if (nudgeDraw <= 0) {
        playSound(sound::kNudges, sound::kLoop);
        nudges = rnd.below(3) + 1 + cheatCount;
        showNudges();
        sayOutcome(false);
        return;
    }

    holdAllowed = false;
    const int32_t holdDraw = rnd.below(4) - cheatCount;
    if (holdDraw <= 0) {
        holdAllowed = true;
        playSound(sound::kHold, sound::kLoop);
        ui.status.caption = text::kHoldAny.english;
    }
    const int32_t trailHoldDraw = rnd.below(4) - cheatCount;
    if (trailHoldDraw == 0) {
        trailHeld = true;
        ui.trailHeldLight.foreColor = kRed;
        heldTrailPoints = trailPoints;
    } else {
        trailHeld = false;
        ui.trailHeldLight.foreColor = kGrey;
        heldTrailPoints = 0;
    }
    sayOutcome(false);
}

void Machine::showNudges()
{
    ui.status.caption = fill(text::kNudges, std::to_string(nudges));
    if (nudges == 0) {
        ui.status.caption = playsText();
        stopSound();
    }
}

} // namespace glint
