#include "core/machine.h"
#include "core/narration.h"
#include "core/sounds.h"
#include "core/saturate.h"
#include "core/texts.h"

namespace glint {

void Machine::Command3_Click()
{
    coins = saturatingAdd(coins, -1);
    if (coins <= 0) {
        platform_.messageBox(text::kSkint.english);
        return;
    }
    credit += Money::fromWhole(1);
    cashPot += Money::fromWhole(1);
    ui.status.caption = playsText();
    playSound(sound::kCoin, sound::kOnce);
    showTrail(0);
    ui.announcement.say({unframed(ui.status.caption)});
    attractSaid = false;
}

void Machine::Command5_Click()
{
    coins = saturatingAdd(coins, 5);
    platform_.messageBox(text::kMoreMoney.english);
}

void Machine::Command4_Click()
{
    cheatCount = saturatingAdd(cheatCount, 5);
    ui.status.caption = fill(text::kCheater, std::to_string(cheatCount));
    playSound(sound::kCheat, sound::kOnce);
    ui.announcement.say({unframed(ui.status.caption)});
}

} // namespace glint
