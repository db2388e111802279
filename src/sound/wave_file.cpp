#include "sound/wave_file.h"

#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <optional>

namespace glint::sound {

namespace {

// No game sound comes near this; anything larger is not a sound of ours.
constexpr off_t kLargestFile = 64 << 20;

// The whole of a plain file, or nothing. Opening without blocking keeps a
// named pipe from waiting for a writer; only plain files are read.
std::optional<std::vector<uint8_t>> readPlainFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= kLargestFile) {
        bytes.resize(size_t(status.st_size));
        size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n <= 0)
                break;
            got += size_t(n);
        }
        bytes.resize(got);
    }
    ::close(fd);
    if (bytes.empty())
        return std::nullopt;
    return bytes;
}

uint32_t littleEndian32(const uint8_t* at)
{
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

// Whether the RIFF file's sample data is all there. The decoder plays
// whatever part of a cut-short file it finds; the game treats such a file
// as broken, not as a shorter sound.
bool dataChunkComplete(const std::vector<uint8_t>& bytes)
{
    size_t at = 12; // past "RIFF", its size and "WAVE"
    while (at + 8 <= bytes.size()) {
        const uint64_t size = littleEndian32(&bytes[at + 4]);
        if (std::memcmp(&bytes[at], "data", 4) == 0)
            return at + 8 + size <= bytes.size();
        at += 8 + size + (size & 1);
    }
    return false;
}

// libsndfile reads from memory through these.
struct Memory {
    const std::vector<uint8_t>& bytes;
    sf_count_t at = 0;
};
sf_count_t memoryLength(void* memory)
{
    return sf_count_t(static_cast<Memory*>(memory)->bytes.size());
}
sf_count_t memorySeek(sf_count_t offset, int whence, void* memory)
{
    auto& m = *static_cast<Memory*>(memory);
    const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m.at : sf_count_t(m.bytes.size());
    m.at = std::clamp<sf_count_t>(base + offset, 0, sf_count_t(m.bytes.size()));
    return m.at;
}
sf_count_t memoryRead(void* to, sf_count_t count, void* memory)
{
    auto& m = *static_cast<Memory*>(memory);
    const sf_count_t n = std::min(count, sf_count_t(m.bytes.size()) - m.at);
    std::memcpy(to, m.bytes.data() + m.at, size_t(n));
    m.at += n;
    return n;
}
sf_count_t memoryWrite(const void*, sf_count_t, void*)
{
    return 0;
}
sf_count_t memoryTell(void* memory)
{
    return static_cast<Memory*>(memory)->at;
}

// Mixes the frames down to one channel and brings them to the playing
// rate, by linear interpolation: enough for short effects.
Samples toPlayingFormat(const std::vector<int16_t>& frames, int channels, int rate)
{
    Samples mono(frames.size() / size_t(channels));
    for (size_t i = 0; i < mono.size(); ++i) {
        int sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += frames[i * size_t(channels) + size_t(c)];
        mono[i] = int16_t(sum / channels);
    }
    if (rate == kSoundRate)
        return mono;
    Samples out(size_t(double(mono.size()) * kSoundRate / rate));
    for (size_t i = 0; i < out.size(); ++i) {
        const double from = double(i) * rate / kSoundRate;
        const size_t left = std::min(size_t(from), mono.size() - 1), right = std::min(left + 1, mono.size() - 1);
        out[i] = int16_t(mono[left] + (from - double(left)) * (mono[right] - mono[left]));
    }
    return out;
}

} // namespace

std::shared_ptr<const Samples> decodeWave(const std::string& path)
{
    const auto bytes = readPlainFile(path);
    if (!bytes || bytes->size() < 12 || std::memcmp(bytes->data(), "RIFF", 4) != 0 || !dataChunkComplete(*bytes))
        return nullptr;
    Memory memory{*bytes};
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    SF_INFO info{};
    SNDFILE* file = sf_open_virtual(&io, SFM_READ, &info, &memory);
    if (!file)
        return nullptr;
    std::vector<int16_t> frames;
    if (info.channels > 0 && info.samplerate > 0 && info.frames > 0) {
        frames.resize(size_t(info.frames) * size_t(info.channels));
        frames.resize(size_t(sf_read_short(file, frames.data(), sf_count_t(frames.size()))));
    }
    sf_close(file);
    if (frames.size() < size_t(std::max(info.channels, 1)))
        return nullptr;
    auto samples = std::make_shared<Samples>(toPlayingFormat(frames, info.channels, info.samplerate));
    if (samples->empty())
        return nullptr;
    return samples;
}

} // namespace glint::sound
