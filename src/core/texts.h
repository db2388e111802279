#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace glint {

// A text the machine shows the player, in English, and where it shows: a
// control of the main window ("status", "Trail4", "trailHeldLight",
// "myDebug"), the four hold readouts ("holdReadout"), a message box
// ("messageBox"), the splash's version line ("lblVersion"), a symbol's name
// ("symbol", heard and shown in the help) or only heard ("speech"). "%1"
// stands for a number or an amount filled in when the text is shown. The
// machine keeps writing plain English; a front end that speaks another
// language recognises the text by its English form and looks it up by place
// and words.
struct PlayerText {
    const char* place;
    const char* english;
};

// Marks a player text for the translators' tools, which collect every use of
// this name into the translation sources as they do Qt's QT_TRANSLATE_NOOP.
#define GLINT_TEXT(place, english) ::glint::PlayerText{place, english}

namespace text {

//: The status line before the first message; keep the # framing.
inline constexpr PlayerText kInitialising = GLINT_TEXT("status", "###########INITIALISING###########");

// The play cycle and the Hold/Nudge buttons.
//: %1 is the credit in the player's currency format.
inline constexpr PlayerText kPlays = GLINT_TEXT("status", "Plays: %1");
//: %1 is how many nudges are left, 0 and up.
inline constexpr PlayerText kNudges = GLINT_TEXT("status", "%1 nudges");
inline constexpr PlayerText kHoldAny = GLINT_TEXT("status", "Hold Any?");
inline constexpr PlayerText kHoldingLeft = GLINT_TEXT("status", "Holding Left");
inline constexpr PlayerText kHoldingMiddle = GLINT_TEXT("status", "Holding Middle");
inline constexpr PlayerText kHoldingRight = GLINT_TEXT("status", "Holding Right");
inline constexpr PlayerText kCancelLeft = GLINT_TEXT("status", "Cancel Left");
inline constexpr PlayerText kCancelMiddle = GLINT_TEXT("status", "Cancel Middle");
inline constexpr PlayerText kCancelRight = GLINT_TEXT("status", "Cancel Right");

// Coins and the cheat button.
//: The purse is empty.
inline constexpr PlayerText kSkint = GLINT_TEXT("messageBox", "Your Skint.. go home!");
//: Five coins were added to the purse.
inline constexpr PlayerText kMoreMoney = GLINT_TEXT("messageBox", "Give me more Money");
//: %1 is the cheat count, 5 and up.
inline constexpr PlayerText kCheater = GLINT_TEXT("status", "Cheater! - %1");

// Scoring, the top of the trail and the bonus selector's features.
inline constexpr PlayerText kThreeInARow = GLINT_TEXT("status", "$$-3 IN A ROW-$$");
inline constexpr PlayerText kBonus = GLINT_TEXT("status", "!!!BONUS!!!");
inline constexpr PlayerText kTrailTop = GLINT_TEXT("status", "$$-ROOT SOME GLINT-$$");
inline constexpr std::array<PlayerText, 6> kFeatures = {
    GLINT_TEXT("status", "Respin"), GLINT_TEXT("status", "Boost"),      GLINT_TEXT("status", "Selector"),
    GLINT_TEXT("status", "Random"), GLINT_TEXT("status", "Number Run"), GLINT_TEXT("status", "HI/LO Climb"),
};
//: %1 is the trail points of the play.
inline constexpr PlayerText kTotalPoints = GLINT_TEXT("myDebug", "TOTALPOINTS: %1");
//: %1 is the trail points held over from the last play.
inline constexpr PlayerText kHeldPoints = GLINT_TEXT("myDebug", "THVale: %1");

// The attract sequence, steps 1 to 4.
inline constexpr std::array<PlayerText, 4> kAttract = {
    GLINT_TEXT("status", "Please Insert Some Money To Play"),
    GLINT_TEXT("status", "KQProductions Present..."),
    GLINT_TEXT("status", "$$-Glint Galore-$$"),
    GLINT_TEXT("status", "© 2026 KQProductions"),
};

// The hold readouts and the ladder's captions.
inline constexpr PlayerText kTrue = GLINT_TEXT("holdReadout", "True");
inline constexpr PlayerText kFalse = GLINT_TEXT("holdReadout", "False");
inline constexpr PlayerText kBonusRung = GLINT_TEXT("Trail4", "Bonus");
inline constexpr PlayerText kTrailHeld = GLINT_TEXT("trailHeldLight", "Trail Held");

//: %1 is the version number, such as 1.0.6.
inline constexpr PlayerText kVersion = GLINT_TEXT("lblVersion", "Version %1");

// Words only heard, from a screen reader: the machine's announcements, and
// the names it gives the points box, the ladder and the pound sign.
inline constexpr PlayerText kSoundOn = GLINT_TEXT("speech", "sound on");
inline constexpr PlayerText kSoundOff = GLINT_TEXT("speech", "sound off");
//: A play whose win line scored nothing.
inline constexpr PlayerText kNothing = GLINT_TEXT("speech", "nothing");
//: %1 is the rung the trail reached: a number, or the Bonus rung's caption.
inline constexpr PlayerText kTrailAt = GLINT_TEXT("speech", "trail %1");
//: The next play adds its points to this play's.
inline constexpr PlayerText kTrailHeldSaid = GLINT_TEXT("speech", "trail held");
inline constexpr PlayerText kNoNudgesLeft = GLINT_TEXT("speech", "no nudges left");
//: Start waits for the nudges; %1 is 1.
inline constexpr PlayerText kNudgeLeft = GLINT_TEXT("speech", "%1 nudge left");
//: Start waits for the nudges; %1 is 2 and up.
inline constexpr PlayerText kNudgesLeft = GLINT_TEXT("speech", "%1 nudges left");
//: %1 is the bonus feature the selector stopped on.
inline constexpr PlayerText kStoppedOn = GLINT_TEXT("speech", "stopped on %1");
inline constexpr PlayerText kBonusStopped = GLINT_TEXT("speech", "bonus stopped");
//: The points box; %1 is its number.
inline constexpr PlayerText kPoints = GLINT_TEXT("speech", "%1 points");
inline constexpr PlayerText kNoRung = GLINT_TEXT("speech", "no rung");
//: %1 is the number of the ladder's current rung.
inline constexpr PlayerText kRungNumbered = GLINT_TEXT("speech", "rung %1");
//: %1 is the caption of the ladder's current rung, such as Bonus.
inline constexpr PlayerText kRungNamed = GLINT_TEXT("speech", "%1 rung");
inline constexpr PlayerText kCurrentRung = GLINT_TEXT("speech", "current rung");
inline constexpr PlayerText kPoundSign = GLINT_TEXT("speech", "pound sign");

// The symbols' names, as the bundled pictures' files give them
// ("01-cherry.zri"); a picture of another name is called as its file is.
//: %1 is the symbol's number, for a picture whose file gives no name.
inline constexpr PlayerText kUnnamedSymbol = GLINT_TEXT("symbol", "symbol %1");
inline constexpr std::array<PlayerText, 16> kSymbols = {
    GLINT_TEXT("symbol", "cherry"), GLINT_TEXT("symbol", "lemon"),  GLINT_TEXT("symbol", "orange"),
    GLINT_TEXT("symbol", "melon"),  GLINT_TEXT("symbol", "grapes"), GLINT_TEXT("symbol", "pear"),
    GLINT_TEXT("symbol", "banana"), GLINT_TEXT("symbol", "strawberry"), GLINT_TEXT("symbol", "bell"),
    GLINT_TEXT("symbol", "bar"),    GLINT_TEXT("symbol", "clover"), GLINT_TEXT("symbol", "star"),
    GLINT_TEXT("symbol", "seven"),  GLINT_TEXT("symbol", "diamond"), GLINT_TEXT("symbol", "gold"),
    GLINT_TEXT("symbol", "crown"),
};

} // namespace text

// Every player text above.
std::span<const PlayerText> allPlayerTexts();

// The text with its "%1" replaced by `arg`.
std::string fill(const PlayerText& text, std::string_view arg);

// The player text that `shown` is, with the part that filled its "%1" in
// `arg`; nullptr for anything else (numbers, design placeholders).
const PlayerText* recognise(std::string_view shown, std::string& arg);

} // namespace glint
