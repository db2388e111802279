#include "test_support.h"

#include "core/narration.h"

namespace glint::test {
namespace {

using Narration = MachineTest;

// The symbol pictures named as the bundled ones are, 1 to 16.
void fruit(Machine& m)
{
    for (size_t i = 0; i < text::kSymbols.size(); ++i)
        m.ui.List4.items[i] = (i < 9 ? "0" : "") + std::to_string(i + 1) + "-" + text::kSymbols[i].english + ".zri";
}

// A play from 1.00 credit whose reels stop where they stand, named by fruit.
TEST_F(Narration, EachPlayerActionIsToldInOneShortSentenceAndTheMachineAloneSaysNothing)
{
    auto given = [](std::function<void(Machine&)> more) {
        return [more](Machine& m) {
            fruit(m);
            m.credit = Money::fromWhole(1);
            if (more)
                more(m);
        };
    };
    auto selector = [](int ticks) {
        return [ticks](Machine& m) {
            m.trailPoints = kBonusRung;
            m.startBonus();
            for (int i = 0; i < ticks; ++i)
                m.bonusTimer_Timer();
        };
    };
    auto at = [](int32_t left, int32_t nudges) {
        return [=](Machine& m) { m.reelLeft = left, m.reelMiddle = m.reelRight = 0, m.nudges = nudges; };
    };
    const std::vector<Draw> plain{kNoNudges, kNoHoldOffer, kTrailFree};
    check({
        {"a coin", given({}), &Machine::Command3_Click, "said=Plays 2.00"},
        {"a coin refused", given([](Machine& m) { m.coins = 1; }), &Machine::Command3_Click, "said=(nothing)"},
        {"the cheat", given({}), &Machine::Command4_Click, "said=Cheater 5"},
        {"a play that gives nothing", given({}), playAt(0, 0, 0, plain), "said=strawberry, strawberry, strawberry, nothing"},
        {"a play onto a rung", given({}), playAt(2, 0, 0, plain), "said=bell, strawberry, strawberry, trail 1"},
        {"a play that wins nudges", given({}), playAt(0, 0, 0, {kNudgesWon, {0.75, 1}}),
         "said=strawberry, strawberry, strawberry, 3 nudges"},
        {"a hold offer and a trail hold", given({}), playAt(5, 0, 4, {kNoNudges, kHoldOffered, kTrailHeld}),
         "said=bar, strawberry, diamond, trail 6, Hold Any?, trail held"},
        {"three in a row", given({}), playAt(2, 4, 1, plain), "said=bell, clover, star, trail 8, 3 in a row"},
        {"the bonus", given({}), playAt(5, 0, 1, plain), "said=bar, strawberry, star, bonus"},
        {"past the top of the trail", given([](Machine& m) { m.trailHeld = true, m.heldTrailPoints = 3; }),
         playAt(0, 1, 4, plain), "said=strawberry, seven, diamond, trail 8, root some glint"},
        {"a hold", given([](Machine& m) { m.holdAllowed = true; }), &Machine::nudgel_Click, "said=Holding Left"},
        {"a press that can neither hold nor nudge", given({}), &Machine::nudgel_Click, "said=(nothing)"},
        {"a nudge", given(at(3, 2)), &Machine::nudgel_Click, "said=bell, strawberry, strawberry, trail 1, 1 nudges"},
        {"the last nudge", given(at(1, 1)), &Machine::nudgel_Click,
         "said=strawberry, strawberry, strawberry, no nudges left"},
        {"Start refused while nudges remain", given(at(0, 2)), &Machine::Command2_Click, "said=2 nudges left|credit=1.0000"},
        {"one nudge remaining", given(at(0, 1)), &Machine::Command2_Click, "said=1 nudge left"},
        {"Start without credit", {}, &Machine::Command2_Click, "said=Please Insert Some Money To Play"},
        {"the selector stopped", given(selector(2)), &Machine::Command2_Click, "said=stopped on Selector"},
        {"the selector stopped before its first step", given(selector(0)), &Machine::Command2_Click,
         "said=bonus stopped"},
        {"sound off", {}, [](Machine& m) { m.soundSwitched(false); }, "said=sound off"},
        {"sound on", {}, [](Machine& m) { m.soundSwitched(true); }, "said=sound on"},
        {"the first attract message", {}, &Machine::Timer2_Timer, "said=Please Insert Some Money To Play"},
        {"the attract cycling on", [](Machine& m) { m.Timer2_Timer(); }, &Machine::Timer2_Timer, "said=(nothing)"},
        {"the attract once more after the credit ran out",
         [](Machine& m) { m.Timer2_Timer(), m.credit = Money::fromWhole(1), m.Timer2_Timer(), m.credit = Money(); },
         &Machine::Timer2_Timer, "said=Glint Galore"},
        {"a selector step", given(selector(0)), &Machine::bonusTimer_Timer, "said=(nothing)|status=Boost"},
        {"a reel step", given({}), &Machine::drawReels, "said=(nothing)"},
        {"a lamp flash", {}, &Machine::flashLights_Timer, "said=(nothing)"},
    });
}

TEST_F(Narration, SymbolsAreNamedByTheirPictureFilesAndCaptionsLoseTheirFraming)
{
    const std::pair<std::string_view, std::string> names[] = {
        {"01-cherry.zri", "cherry"}, {"13_Lucky-Seven.ZRI", "Lucky Seven"}, {"07.zri", "symbol 7"}, {"bell.zri", "bell"}};
    for (const auto& [file, name] : names)
        EXPECT_EQ(symbolNameFromFile(file, 7), name) << file;
    const std::pair<std::string_view, std::string> captions[] = {
        {"$$-3 IN A ROW-$$", "3 in a row"}, {"!!!BONUS!!!", "bonus"}, {"Cheater! - 10", "Cheater 10"},
        {"KQProductions Present...", "KQProductions Present"}, {"HI/LO Climb", "HI/LO Climb"}, {"Hold Any?", "Hold Any?"}};
    for (const auto& [caption, spoken] : captions)
        EXPECT_EQ(forTheEar(caption), spoken) << caption;
    EXPECT_EQ(m.pictureName(m.symbolPics[12]), "symbol 12");
    EXPECT_EQ(m.pictureName(kPoundPicture), "pound sign");
    EXPECT_EQ(m.pictureName(m.bonusOnPic), "");
}

} // namespace
} // namespace glint::test
