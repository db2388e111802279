#pragma once

#include <cstdint>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

namespace glint::sound {

// Every sound is decoded to, and played in, the format the game's files
// have: 44.1 kHz, 16-bit, mono.
inline constexpr int kSoundRate = 44100;

using Samples = std::vector<int16_t>;

// What a file may hold to be played: anything else is refused before its
// samples are read, so that no file a player or packager drops in can take
// the game's memory or hold its sounds for long.
inline constexpr int kLowestRate = 8000;
inline constexpr int kHighestRate = 192000;
inline constexpr int kLongestSeconds = 10 * 60;
inline constexpr int64_t kLargestDecoded = int64_t(64) << 20; // bytes of 16-bit samples, all channels

struct Decoded {
    // The sound in the playing format (other rates and channel counts are
    // converted, float files kept at their level); null when refused.
    std::shared_ptr<const Samples> samples;
    // Why it was refused, for one line naming the file; empty when the file
    // is simply not there, which is no fault.
    std::string refusal;
};

// Decodes a WAV file. Refuses a file that is missing, empty, cut short,
// foreign or unreadable, a named pipe or a directory, one without a sample
// or beyond the limits above; never blocks on a file that is not a plain
// one. Reads a chunk at a time, so memory holds little more than the
// result, and gives up as soon as `stop` is asked for.
Decoded decodeWave(const std::string& path, std::stop_token stop = {});

} // namespace glint::sound
