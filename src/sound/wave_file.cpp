#include "sound/wave_file.h"

#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace glint::sound {

namespace {

// Frames read and converted at a time.
constexpr sf_count_t kChunkFrames = 16384;
// A size field recorders leave at this when they never come back to fill
// it in; the data then runs to the end of the file.
constexpr uint32_t kUnfilled = 0xFFFFFFFF;

// Closes the file however decoding ends.
class File {
public:
    explicit File(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
    ~File()
    {
        if (sound_)
            sf_close(sound_);
        if (fd_ >= 0)
            ::close(fd_);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    int fd() const { return fd_; }
    SNDFILE*& sound() { return sound_; }

private:
    int fd_;
    SNDFILE* sound_ = nullptr;
};

uint32_t littleEndian32(const uint8_t* at)
{
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

// Why the RIFF file's sample data is not all there, or nothing when it is.
// The decoder plays whatever part of a cut-short file it finds; the game
// treats such a file as broken, not as a shorter sound.
std::string dataChunkFault(int fd, off_t fileSize)
{
    uint8_t header[12];
    if (::pread(fd, header, sizeof header, 0) != ssize_t(sizeof header) || std::memcmp(header, "RIFF", 4) != 0 ||
        std::memcmp(header + 8, "WAVE", 4) != 0)
        return "not a WAV file";
    for (off_t at = 12; at + 8 <= fileSize;) {
        uint8_t chunk[8];
        if (::pread(fd, chunk, sizeof chunk, at) != ssize_t(sizeof chunk))
            return "unreadable";
        const uint32_t size = littleEndian32(chunk + 4);
        if (std::memcmp(chunk, "data", 4) == 0) {
            if (size == kUnfilled || at + 8 + off_t(size) <= fileSize)
                return {};
            return "cut short";
        }
        at += 8 + off_t(size) + off_t(size & 1);
    }
    return "no sample data";
}

// Mixes frames down to one channel and brings them to the playing rate by
// linear interpolation (enough for short effects), a chunk at a time: the
// sample before each chunk is carried over to the next.
class Converter {
public:
    Converter(int channels, int rate, sf_count_t frames) : channels_(channels), rate_(rate)
    {
        total_ = frames * kSoundRate / rate;
        out_.reserve(size_t(total_));
    }
    void add(const float* frames, sf_count_t count)
    {
        for (sf_count_t i = 0; i < count; ++i) {
            float sum = 0;
            for (int c = 0; c < channels_; ++c)
                sum += frames[i * channels_ + c];
            take(sum / float(channels_));
        }
    }
    Samples finish()
    {
        // The last samples are held at the last level, as there is nothing
        // to interpolate towards.
        while (sf_count_t(out_.size()) < total_)
            out_.push_back(level(last_));
        return std::move(out_);
    }

private:
    static int16_t level(float x) { return int16_t(std::clamp(std::lrint(double(x) * 32768.0), -32768L, 32767L)); }
    // One mono sample in; every output sample lying between it and the one
    // before comes out.
    void take(float sample)
    {
        const sf_count_t index = seen_++;
        if (index == 0) {
            last_ = sample;
            return;
        }
        for (;;) {
            const sf_count_t i = sf_count_t(out_.size());
            if (i >= total_)
                break;
            // Where output sample i lies on the input's timeline.
            const double at = double(i) * rate_ / kSoundRate;
            if (at > double(index))
                break;
            const double fraction = at - double(index - 1);
            out_.push_back(level(float(last_ + fraction * (sample - last_))));
        }
        last_ = sample;
    }

    int channels_;
    int rate_;
    sf_count_t total_ = 0;
    sf_count_t seen_ = 0;
    float last_ = 0;
    Samples out_;
};

Decoded refuse(std::string why)
{
    return {nullptr, std::move(why)};
}

} // namespace

Decoded decodeWave(const std::string& path, std::stop_token stop)
{
    File file(path);
    if (file.fd() < 0)
        return refuse(errno == ENOENT ? std::string() : "unreadable: " + std::string(std::strerror(errno)));
    struct stat status {};
    if (::fstat(file.fd(), &status) != 0 || !S_ISREG(status.st_mode))
        return refuse("not a plain file");
    if (status.st_size == 0)
        return refuse("empty");
    if (std::string fault = dataChunkFault(file.fd(), status.st_size); !fault.empty())
        return refuse(fault);
    SF_INFO info{};
    file.sound() = sf_open_fd(file.fd(), SFM_READ, &info, SF_FALSE);
    if (!file.sound())
        return refuse(std::string("not a WAV file libsndfile reads: ") + sf_strerror(nullptr));
    if (info.samplerate < kLowestRate || info.samplerate > kHighestRate)
        return refuse("sample rate " + std::to_string(info.samplerate) + " Hz, not " + std::to_string(kLowestRate) +
                      " to " + std::to_string(kHighestRate));
    if (info.channels < 1 || info.frames < 1)
        return refuse("no samples");
    if (info.frames > sf_count_t(kLongestSeconds) * info.samplerate)
        return refuse("longer than " + std::to_string(kLongestSeconds / 60) + " minutes");
    if (info.frames > kLargestDecoded / 2 / info.channels)
        return refuse("more than " + std::to_string(kLargestDecoded >> 20) + " MiB of samples");

    Converter converter(info.channels, info.samplerate, info.frames);
    std::vector<float> chunk(size_t(kChunkFrames * info.channels));
    for (sf_count_t read = 0; read < info.frames;) {
        if (stop.stop_requested())
            return refuse({});
        const sf_count_t got = sf_readf_float(file.sound(), chunk.data(), kChunkFrames);
        if (got <= 0)
            return refuse("unreadable samples");
        converter.add(chunk.data(), got);
        read += got;
    }
    auto samples = std::make_shared<Samples>(converter.finish());
    if (samples->empty())
        return refuse("no samples");
    return {std::move(samples), {}};
}

} // namespace glint::sound
