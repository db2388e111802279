// Small additive/subtractive synthesiser used to make the game's sounds.
// Everything works on mono floating-point buffers at 44.1 kHz and is only
// turned into 16-bit PCM when written out.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace synth {

constexpr int kRate = 44100;

using Buffer = std::vector<double>;

// Deterministic noise so that re-running the generator gives identical files.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    double next(); // uniform in [-1, 1)
private:
    std::uint32_t state_;
};

int samples(double seconds);
double noteHz(int midi);

// Waveform of one period, phase in [0, 1).
double sine(double phase);
double triangle(double phase);
// Band-limited-ish square: odd harmonics up to `harmonics`.
double softSquare(double phase, int harmonics);

// Mixes `len` samples of `gen(t)` (t in seconds from the note start) into
// `out` at `start`, growing the buffer as needed.
void mix(Buffer &out, int start, int len, const std::function<double(double)> &gen);

// A note with a short attack and release so it starts and ends on silence;
// `body` shapes the level between them (seconds -> gain).
struct Note {
    double hz = 440.0;
    double start = 0.0;  // seconds
    double length = 0.25; // seconds, including release
    double gain = 0.5;
    double attack = 0.005;
    double release = 0.02;
    double decay = 0.0;  // exponential decay rate per second, 0 = sustain
};
using Timbre = std::function<double(double phase)>;
void addNote(Buffer &out, const Note &note, const Timbre &timbre);

// One-pole filters, applied in place.
void lowPass(Buffer &buf, double cutoffHz);
void highPass(Buffer &buf, double cutoffHz);

void fadeIn(Buffer &buf, double seconds);
void fadeOut(Buffer &buf, double seconds);
// Scales so the largest magnitude equals `peakDb` dBFS.
void normalise(Buffer &buf, double peakDb);
// Forces the first and last samples to exact zero and trims nothing else;
// used on loops, whose content is already silent at both ends.
void zeroEnds(Buffer &buf);

// Writes 16-bit PCM mono WAV with a plain 16-byte fmt chunk.
bool writeWav(const std::string &path, const Buffer &buf);

} // namespace synth
