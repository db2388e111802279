#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace glint::sound {

// Every sound is decoded to, and played in, the format the game's files
// have: 44.1 kHz, 16-bit, mono.
inline constexpr int kSoundRate = 44100;

using Samples = std::vector<int16_t>;

// The sound of a WAV file in the playing format (other rates and channel
// counts are converted), or null when the file is not a complete WAV file
// with at least one sample: missing, empty, cut short, foreign, too large,
// a named pipe or a directory. Never blocks on a file that is not a plain
// one.
std::shared_ptr<const Samples> decodeWave(const std::string& path);

} // namespace glint::sound
