#include "core/machine.h"
#include "core/strips.h"
#include "core/texts.h"

namespace glint {

void Machine::Form_Load()
{
    flashPhase = 0;
    cheatCount = 0;
    for (size_t i = 0; i < featureNames.size(); ++i)
        featureNames[i] = text::kFeatures.at(i).english;
    holdLeft = holdMiddle = holdRight = holdAllowed = false;
    attractStep = 0;
    credit = Money();
    cashPot = Money::fromWhole(71);
    ui.cashpot.text = platform_.formatCurrency(cashPot);
    coins = 10;
    platform_.showSplash();

    // Drawn before the first seeding: every run starts its start-up spin from
    // the same three positions.
    reelLeft = rnd.below(15);
    reelMiddle = rnd.below(15);
    reelRight = rnd.below(15);

    for (int32_t symbol : kLeftStrip)
        ui.List1.addItem(std::to_string(symbol));
    for (int32_t symbol : kMiddleStrip)
        ui.List2.addItem(std::to_string(symbol));
    for (int32_t symbol : kRightStrip)
        ui.List3.addItem(std::to_string(symbol));

    soundOn = false;
    rnd.reseed(platform_.clockSeed());
    try {
        loadPictures();
    } catch (...) {
        platform_.unloadSplash();
        throw;
    }
    pickStops();
    platform_.unloadSplash();
    soundOn = true;
}

void Machine::Form_Terminate()
{
    stopSound();
}

} // namespace glint
