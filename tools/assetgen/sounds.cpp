#include "sounds.h"

#include "synth.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

using namespace synth;

namespace {

constexpr double kPeakDb = -3.0;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A reel hitting its stop: a thud whose pitch drops quickly, a short noisy
// click from the mechanism and a little metallic ring. Each reel gets its
// own pitch so the three stops are told apart by ear.
Buffer clunk(double baseHz, double clickHz, double ringHz, double seconds, std::uint32_t seed)
{
    Buffer out(static_cast<std::size_t>(samples(seconds)), 0.0);
    const int n = static_cast<int>(out.size());
    const double startHz = baseHz * 2.2;
    const double sweep = 45.0; // how fast the thud settles to its pitch
    mix(out, 0, n, [&](double t) {
        const double phase = baseHz * t + (startHz - baseHz) * (1.0 - std::exp(-sweep * t)) / sweep;
        return 0.9 * std::exp(-22.0 * t) * std::sin(kTwoPi * phase);
    });

    Noise noise(seed);
    Buffer click(static_cast<std::size_t>(samples(0.03)), 0.0);
    for (std::size_t i = 0; i < click.size(); ++i)
        click[i] = noise.next() * std::exp(-static_cast<double>(i) / kRate * 180.0);
    highPass(click, clickHz);
    for (std::size_t i = 0; i < click.size(); ++i)
        out[i] += 1.4 * click[i];

    mix(out, 0, n, [&](double t) {
        return 0.12 * std::exp(-40.0 * t) * (sine(std::fmod(ringHz * t, 1.0)) + 0.6 * sine(std::fmod(ringHz * 1.53 * t, 1.0)));
    });
    fadeIn(out, 0.001);
    fadeOut(out, 0.03);
    normalise(out, kPeakDb);
    return out;
}

// Coin dropping into the tray: two strikes of a small metal disc whose
// overtones are not harmonic, which is what makes it sound like metal.
Buffer coin()
{
    Buffer out;
    const double ratios[] = {1.0, 2.76, 5.40, 8.93};
    const double decays[] = {7.0, 12.0, 20.0, 30.0};
    const double gains[] = {0.5, 0.35, 0.22, 0.12};
    struct Strike { double at, hz, gain; };
    const Strike strikes[] = {{0.0, 2350.0, 1.0}, {0.085, 2480.0, 0.6}, {0.16, 2420.0, 0.3}};
    for (const Strike &s : strikes)
        for (int k = 0; k < 4; ++k)
            mix(out, samples(s.at), samples(0.6), [&](double t) {
                const double env = std::min(1.0, t / 0.0008) * std::exp(-decays[k] * t);
                return s.gain * gains[k] * env * sine(std::fmod(s.hz * ratios[k] * t, 1.0));
            });
    fadeOut(out, 0.08);
    normalise(out, kPeakDb);
    return out;
}

struct Step {
    int midi;      // 0 = rest
    double beats;
};

// Lays a melody out note after note. Every note fades in and out, so a loop
// built from whole notes starts and ends on silence and repeats seamlessly.
double sequence(Buffer &out, const std::vector<Step> &steps, double beat, double gain,
                const Timbre &timbre, double start = 0.0, double decay = 0.0, double legato = 1.0)
{
    double at = start;
    for (const Step &s : steps) {
        const double len = s.beats * beat;
        if (s.midi > 0) {
            Note n;
            n.hz = noteHz(s.midi);
            n.start = at;
            n.length = len * legato;
            n.gain = gain;
            n.attack = 0.004;
            n.release = std::min(0.03, n.length * 0.3);
            n.decay = decay;
            addNote(out, n, timbre);
        }
        at += len;
    }
    return at;
}

// Loops start a few milliseconds in, so both sides of the seam are true
// silence rather than the first instant of a note's attack.
constexpr double kLoopLead = 0.003;

Buffer loopOf(double seconds)
{
    return Buffer(static_cast<std::size_t>(samples(seconds)), 0.0);
}

Buffer finishLoop(Buffer out, double seconds)
{
    out.resize(static_cast<std::size_t>(samples(seconds)), 0.0);
    normalise(out, kPeakDb);
    zeroEnds(out);
    return out;
}

const Timbre kBleep = [](double p) { return softSquare(p, 5); };
const Timbre kChime = [](double p) { return 0.7 * sine(p) + 0.3 * sine(std::fmod(p * 3.0, 1.0)); };
const Timbre kBass = [](double p) { return triangle(p); };

// Nudges available: a bright rising arpeggio that keeps climbing.
Buffer nudges()
{
    const double beat = 0.1;
    const std::vector<Step> tune = {
        {72, 1}, {76, 1}, {79, 1}, {84, 1}, {74, 1}, {77, 1}, {81, 1}, {86, 1},
        {76, 1}, {79, 1}, {83, 1}, {88, 1}, {77, 1}, {81, 1}, {84, 1}, {89, 1},
    };
    Buffer out = loopOf(1.6);
    sequence(out, tune, beat, 0.4, kBleep, kLoopLead, 6.0, 0.85);
    return finishLoop(out, 1.6);
}

// Holds available: a gentle two-note see-saw with a soft bass.
Buffer holdTune()
{
    const double beat = 0.15;
    const std::vector<Step> tune = {
        {81, 1}, {76, 1}, {81, 1}, {76, 1}, {83, 1}, {76, 1}, {84, 1}, {83, 1},
    };
    const std::vector<Step> bass = {{57, 4}, {52, 4}};
    Buffer out = loopOf(1.2);
    sequence(out, tune, beat, 0.4, kChime, kLoopLead, 5.0, 0.9);
    sequence(out, bass, beat, 0.35, kBass, kLoopLead, 1.5, 0.95);
    return finishLoop(out, 1.2);
}

// Bonus spinning: fast and excited, bubbling over an oom-pah bass.
Buffer bonusSpin()
{
    const double beat = 1.0 / 12.0;
    const std::vector<Step> tune = {
        {79, 1}, {84, 1}, {88, 1}, {84, 1}, {91, 1}, {88, 1},
        {81, 1}, {86, 1}, {89, 1}, {86, 1}, {93, 1}, {89, 1},
        {83, 1}, {86, 1}, {91, 1}, {86, 1}, {95, 1}, {91, 1},
        {84, 1}, {88, 1}, {91, 1}, {96, 1}, {91, 1}, {88, 1},
    };
    const std::vector<Step> bass = {
        {48, 2}, {55, 2}, {48, 2}, {50, 2}, {57, 2}, {50, 2},
        {43, 2}, {50, 2}, {43, 2}, {48, 2}, {55, 2}, {48, 2},
    };
    Buffer out = loopOf(2.0);
    sequence(out, tune, beat, 0.32, kBleep, kLoopLead, 10.0, 0.8);
    sequence(out, bass, beat, 0.45, kBass, kLoopLead, 4.0, 0.8);
    return finishLoop(out, 2.0);
}

// The bonus selector lands on a lamp: one very short tick (it is retriggered
// ten times a second, so it must be over well before then).
Buffer bonusStop()
{
    Buffer out;
    Note n;
    n.hz = noteHz(91);
    n.length = 0.06;
    n.gain = 0.6;
    n.attack = 0.002;
    n.release = 0.015;
    n.decay = 35.0;
    addNote(out, n, [](double p) { return softSquare(p, 3); });
    normalise(out, kPeakDb);
    zeroEnds(out);
    return out;
}

// Caught cheating: a mocking "wah wah wah waaah" from a muted brass sound,
// each note opening and closing like a plunger mute.
Buffer cheat()
{
    struct Wah { double hz, start, length; bool slide; };
    const Wah wahs[] = {
        {noteHz(55), 0.00, 0.36, false}, {noteHz(54), 0.40, 0.36, false},
        {noteHz(53), 0.80, 0.36, false}, {noteHz(52), 1.20, 1.05, true},
    };
    Buffer out(static_cast<std::size_t>(samples(2.3)), 0.0);
    for (const Wah &w : wahs) {
        const int n = samples(w.length);
        const int first = samples(w.start);
        double phase = 0.0;
        for (int i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double u = t / w.length;
            double hz = w.hz;
            if (w.slide)
                hz *= std::pow(2.0, -3.0 * std::max(0.0, u - 0.35) / 12.0) * (1.0 + 0.02 * std::sin(kTwoPi * 5.5 * t));
            phase = std::fmod(phase + hz / kRate, 1.0);
            // The mute opens over the first part of the note and closes again.
            const double open = w.slide ? std::sin(std::numbers::pi * std::min(1.0, u * 1.6)) * 0.8 + 0.2
                                        : std::sin(std::numbers::pi * u);
            const double bright = 1.5 + 9.0 * open;
            double v = 0.0;
            for (int k = 1; k <= 14; ++k)
                v += std::exp(-k / bright) / k * sine(std::fmod(phase * k, 1.0));
            const double env = std::min(1.0, u * 25.0) * std::min(1.0, (1.0 - u) * 12.0);
            out[static_cast<std::size_t>(first + i)] += 0.5 * env * (0.3 + 0.7 * open) * v;
        }
    }
    lowPass(out, 3500.0);
    fadeOut(out, 0.05);
    normalise(out, kPeakDb);
    return out;
}

// Stand-in for the spoken "okey dokey" when no speech synthesiser is around:
// four sung syllables, "o-key do-key", rising at the end.
Buffer okeyDokey()
{
    Buffer out;
    const std::vector<Step> tune = {{76, 1}, {79, 1.2}, {0, 0.3}, {74, 1}, {84, 2}};
    const Timbre voice = [](double p) {
        return 0.6 * sine(p) + 0.25 * sine(std::fmod(p * 2.0, 1.0)) + 0.15 * sine(std::fmod(p * 3.0, 1.0));
    };
    sequence(out, tune, 0.13, 0.5, voice, 0.02, 2.0, 0.92);
    fadeOut(out, 0.05);
    normalise(out, kPeakDb);
    zeroEnds(out);
    return out;
}

// Attract-mode theme: a bouncy four-bar tune in C with an oom-pah bass and
// a light hi-hat, ending on a held tonic.
Buffer theme()
{
    const double beat = 0.4;
    const std::vector<Step> melody = {
        {67, .5}, {72, .5}, {76, .5}, {79, .5}, {76, 1}, {72, 1},
        {77, .5}, {76, .5}, {74, .5}, {72, .5}, {74, 1}, {71, 1},
        {72, .5}, {76, .5}, {79, .5}, {81, .5}, {79, 1}, {76, .5}, {77, .5},
        {79, .5}, {77, .5}, {74, .5}, {71, .5}, {72, 2.5},
    };
    const std::vector<Step> bass = {
        {48, 1}, {55, 1}, {48, 1}, {55, 1},
        {41, 1}, {48, 1}, {43, 1}, {50, 1},
        {45, 1}, {52, 1}, {41, 1}, {48, 1},
        {43, 1}, {50, 1}, {36, 2.5},
    };
    // Off-beat chord stabs fill in the harmony between bass notes.
    const std::vector<std::vector<int>> chords = {
        {64, 67, 72}, {64, 67, 72}, {65, 69, 72}, {62, 67, 71},
        {64, 69, 72}, {65, 69, 72}, {62, 65, 71}, {64, 67, 72},
    };
    Buffer out;
    const Timbre lead = [](double p) { return 0.55 * softSquare(p, 7) + 0.45 * sine(p); };
    sequence(out, melody, beat, 0.36, lead, 0.0, 1.2, 0.9);
    sequence(out, bass, beat, 0.5, kBass, 0.0, 1.0, 0.9);
    for (std::size_t half = 0; half < chords.size(); ++half)
        for (int k = 0; k < 2; ++k)
            for (int midi : chords[half]) {
                if (half == chords.size() - 1 && k == 1)
                    continue;
                Note n;
                n.hz = noteHz(midi);
                n.start = (half * 2.0 + k + 0.5) * beat;
                n.length = 0.18;
                n.gain = 0.07;
                n.release = 0.05;
                n.decay = 6.0;
                addNote(out, n, kChime);
            }
    Noise noise(7);
    for (int i = 0; i < 28; ++i) {
        Buffer hat(static_cast<std::size_t>(samples(0.05)), 0.0);
        for (std::size_t j = 0; j < hat.size(); ++j)
            hat[j] = noise.next() * std::exp(-static_cast<double>(j) / kRate * 90.0) * (i % 2 ? 0.05 : 0.08);
        highPass(hat, 6000.0);
        const int at = samples(i * beat / 2.0);
        mix(out, at, static_cast<int>(hat.size()), [&](double t) {
            return hat[std::min(hat.size() - 1, static_cast<std::size_t>(std::lround(t * kRate)))];
        });
    }
    out.resize(static_cast<std::size_t>(samples(16.5 * beat)), 0.0);
    lowPass(out, 9000.0);
    fadeIn(out, 0.003);
    fadeOut(out, 0.4);
    normalise(out, kPeakDb);
    return out;
}

} // namespace

int writeSounds(const std::string &dir)
{
    struct Item { const char *name; Buffer data; };
    const Item items[] = {
        {"LEFT.WAV", clunk(95.0, 1200.0, 820.0, 0.22, 11)},
        {"reelstop.wav", clunk(130.0, 2000.0, 1130.0, 0.25, 23)},
        {"right.wav", clunk(175.0, 3200.0, 1560.0, 0.28, 37)},
        {"inMoney.wav", coin()},
        {"nudges.wav", nudges()},
        {"Hold.wav", holdTune()},
        {"BONUSspin.WAV", bonusSpin()},
        {"Bonusstop.wav", bonusStop()},
        {"cheat.wav", cheat()},
        {"okeydokey2.wav", okeyDokey()},
        {"theme.wav", theme()},
    };
    int failures = 0;
    for (const Item &item : items) {
        const std::string path = dir + "/" + item.name;
        if (!writeWav(path, item.data)) {
            std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    return failures;
}
