#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The game's sound vocabulary: the files it plays, relative to the sound
// directory and spelled exactly as the files are named, and the play flags
// that go with them. The logic asks for sounds by these names and the
// front end decodes exactly this list ahead of play.
namespace glint::sound {

// Play flags: bit 8 asks for a loop that lasts until the sound is stopped
// or replaced.
inline constexpr int32_t kLoopBit = 8;
inline constexpr int32_t kOnce = 1;
inline constexpr int32_t kLoop = kOnce | kLoopBit;

constexpr bool loops(int32_t flags)
{
    return (flags & kLoopBit) != 0;
}

inline constexpr std::string_view kLeftStop = "LEFT.WAV";
inline constexpr std::string_view kMiddleStop = "reelstop.wav";
inline constexpr std::string_view kRightStop = "right.wav";
inline constexpr std::string_view kNudges = "nudges.wav";
inline constexpr std::string_view kHold = "Hold.wav";
inline constexpr std::string_view kCoin = "inMoney.wav";
inline constexpr std::string_view kCheat = "cheat.wav";
inline constexpr std::string_view kThreeInARow = "okeydokey2.wav";
inline constexpr std::string_view kBonusSpin = "BONUSspin.WAV";
inline constexpr std::string_view kBonusStep = "Bonusstop.wav";
inline constexpr std::string_view kTheme = "theme.wav";

inline constexpr std::array kAll{kLeftStop, kMiddleStop, kRightStop, kNudges, kHold,      kCoin,
                                 kCheat,    kThreeInARow, kBonusSpin, kBonusStep, kTheme};

} // namespace glint::sound
