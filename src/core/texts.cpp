#include "core/texts.h"

#include <algorithm>
#include <iterator>

namespace glint {

namespace {

constexpr std::string_view kArg = "%1";

constexpr PlayerText kSingles[] = {
    text::kInitialising, text::kPlays,        text::kNudges,       text::kHoldAny,       text::kHoldingLeft,
    text::kHoldingMiddle, text::kHoldingRight, text::kCancelLeft,  text::kCancelMiddle,  text::kCancelRight,
    text::kSkint,         text::kMoreMoney,    text::kCheater,     text::kThreeInARow,   text::kBonus,
    text::kTrailTop,      text::kTotalPoints,  text::kHeldPoints,  text::kTrue,          text::kFalse,
    text::kBonusRung,     text::kTrailHeld,    text::kVersion,      text::kSoundOn,       text::kSoundOff,
    text::kNothing,       text::kTrailAt,      text::kTrailHeldSaid, text::kNoNudgesLeft, text::kNudgeLeft,
    text::kNudgesLeft,    text::kStoppedOn,    text::kBonusStopped, text::kPoints,        text::kNoRung,
    text::kRungNumbered,  text::kRungNamed,    text::kCurrentRung,  text::kPoundSign,     text::kUnnamedSymbol,
};

constexpr auto kAll = [] {
    std::array<PlayerText, std::size(kSingles) + text::kFeatures.size() + text::kAttract.size() + text::kSymbols.size()>
        all{};
    auto at = std::copy(std::begin(kSingles), std::end(kSingles), all.begin());
    at = std::copy(text::kFeatures.begin(), text::kFeatures.end(), at);
    at = std::copy(text::kAttract.begin(), text::kAttract.end(), at);
    std::copy(text::kSymbols.begin(), text::kSymbols.end(), at);
    return all;
}();

} // namespace

std::span<const PlayerText> allPlayerTexts()
{
    return kAll;
}

std::string fill(const PlayerText& text, std::string_view arg)
{
    std::string filled = text.english;
    if (const size_t at = filled.find(kArg); at != std::string::npos)
        filled.replace(at, kArg.size(), arg);
    return filled;
}

const PlayerText* recognise(std::string_view shown, std::string& arg)
{
    // Whole texts first, so a text that happens to fit a pattern's frame is
    // still taken for itself.
    for (const PlayerText& text : allPlayerTexts()) {
        if (shown == text.english) {
            arg.clear();
            return &text;
        }
    }
    for (const PlayerText& text : allPlayerTexts()) {
        const std::string_view english = text.english;
        const size_t at = english.find(kArg);
        if (at == std::string_view::npos)
            continue;
        const std::string_view before = english.substr(0, at);
        const std::string_view after = english.substr(at + kArg.size());
        if (shown.size() > before.size() + after.size() && shown.starts_with(before) && shown.ends_with(after)) {
            arg = shown.substr(before.size(), shown.size() - before.size() - after.size());
            return &text;
        }
    }
    return nullptr;
}

} // namespace glint
