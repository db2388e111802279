#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace synth {

double Noise::next()
{
    // xorshift32: tiny, fast and stable across compilers and platforms.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

int samples(double seconds)
{
    return static_cast<int>(std::lround(seconds * kRate));
}

double noteHz(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

double sine(double phase)
{
    return std::sin(2.0 * std::numbers::pi * phase);
}

double triangle(double phase)
{
    return 1.0 - 4.0 * std::abs(phase - 0.5) ;
}

double softSquare(double phase, int harmonics)
{
    double sum = 0.0;
    for (int k = 1; k <= harmonics; k += 2)
        sum += sine(phase * k) / k;
    return sum * 4.0 / std::numbers::pi * 0.85;
}

void mix(Buffer &out, int start, int len, const std::function<double(double)> &gen)
{
    if (start < 0 || len <= 0)
        return;
    const auto needed = static_cast<std::size_t>(start + len);
    if (out.size() < needed)
        out.resize(needed, 0.0);
    for (int i = 0; i < len; ++i)
        out[static_cast<std::size_t>(start + i)] += gen(static_cast<double>(i) / kRate);
}

void addNote(Buffer &out, const Note &note, const Timbre &timbre)
{
    const int len = samples(note.length);
    const double attack = std::max(note.attack, 1.0 / kRate);
    const double release = std::max(note.release, 1.0 / kRate);
    mix(out, samples(note.start), len, [&](double t) {
        double env = 1.0;
        if (t < attack)
            env = t / attack;
        const double tail = note.length - t;
        if (tail < release)
            env = std::min(env, std::max(tail, 0.0) / release);
        if (note.decay > 0.0)
            env *= std::exp(-note.decay * t);
        const double phase = std::fmod(note.hz * t, 1.0);
        return note.gain * env * timbre(phase);
    });
}

void lowPass(Buffer &buf, double cutoffHz)
{
    const double a = 1.0 - std::exp(-2.0 * std::numbers::pi * cutoffHz / kRate);
    double y = 0.0;
    for (double &x : buf) {
        y += a * (x - y);
        x = y;
    }
}

void highPass(Buffer &buf, double cutoffHz)
{
    Buffer low = buf;
    lowPass(low, cutoffHz);
    for (std::size_t i = 0; i < buf.size(); ++i)
        buf[i] -= low[i];
}

void fadeIn(Buffer &buf, double seconds)
{
    const int n = std::min<int>(samples(seconds), static_cast<int>(buf.size()));
    for (int i = 0; i < n; ++i)
        buf[static_cast<std::size_t>(i)] *= static_cast<double>(i) / n;
}

void fadeOut(Buffer &buf, double seconds)
{
    const int size = static_cast<int>(buf.size());
    const int n = std::min(samples(seconds), size);
    for (int i = 0; i < n; ++i)
        buf[static_cast<std::size_t>(size - 1 - i)] *= static_cast<double>(i) / n;
}

void normalise(Buffer &buf, double peakDb)
{
    double peak = 0.0;
    for (double x : buf)
        peak = std::max(peak, std::abs(x));
    if (peak <= 0.0)
        return;
    const double scale = std::pow(10.0, peakDb / 20.0) / peak;
    for (double &x : buf)
        x *= scale;
}

void zeroEnds(Buffer &buf)
{
    if (buf.empty())
        return;
    buf.front() = 0.0;
    buf.back() = 0.0;
}

namespace {

void put16(std::ofstream &f, std::uint16_t v)
{
    const char b[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    f.write(b, 2);
}

void put32(std::ofstream &f, std::uint32_t v)
{
    put16(f, static_cast<std::uint16_t>(v & 0xffff));
    put16(f, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

bool writeWav(const std::string &path, const Buffer &buf)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f)
        return false;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(buf.size() * 2);
    f.write("RIFF", 4);
    put32(f, 36 + dataBytes);
    f.write("WAVEfmt ", 8);
    put32(f, 16);          // plain PCM fmt chunk, no extension
    put16(f, 1);           // PCM
    put16(f, 1);           // mono
    put32(f, kRate);
    put32(f, kRate * 2);   // byte rate
    put16(f, 2);           // block align
    put16(f, 16);          // bits per sample
    f.write("data", 4);
    put32(f, dataBytes);
    for (double x : buf) {
        const double clamped = std::clamp(x, -1.0, 1.0);
        const auto s = static_cast<std::int16_t>(std::lround(clamped * 32767.0));
        put16(f, static_cast<std::uint16_t>(s));
    }
    return static_cast<bool>(f);
}

} // namespace synth
