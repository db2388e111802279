#include "ui/sound_player.h"

#include "core/sounds.h"

#include <SDL.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace glint::ui {

namespace {

// Everything is decoded to, and played in, the format the game's files
// have: 44.1 kHz, 16-bit, mono.
constexpr int kRate = 44100;
constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
constexpr int kChannels = 1;
// Frames the device asks for at a time: about 23 ms, so a sound that
// replaces another is heard within a step or two of the spin, while a
// playing sound costs little processor time.
constexpr int kDeviceFrames = 1024;
// How long the device stays open after the last sound ended; sounds that
// come in quick succession (the bonus selector's steps) reuse it.
constexpr std::chrono::milliseconds kCloseAfterSilence{500};
// Voices waiting on a device that stopped asking for sound are dropped
// beyond this many.
constexpr size_t kMostVoices = 16;
// How often a lost or missing device is looked for again.
constexpr std::chrono::seconds kRetryAfter{3};
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

// The file's sound in the playing format, or null when it is not a
// complete WAV file with at least one sample.
std::shared_ptr<const std::vector<int16_t>> decodeWave(const std::string& path)
{
    const auto bytes = readPlainFile(path);
    if (!bytes)
        return nullptr;
    SDL_AudioSpec fileFormat{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes->data(), int(bytes->size())), 1, &fileFormat, &data, &length))
        return nullptr;
    SDL_AudioCVT cvt{};
    std::vector<uint8_t> work;
    if (SDL_BuildAudioCVT(&cvt, fileFormat.format, fileFormat.channels, fileFormat.freq, kFormat, kChannels, kRate) >= 0) {
        work.assign(data, data + length);
        work.resize(size_t(length) * size_t(cvt.len_mult));
        cvt.buf = work.data();
        cvt.len = int(length);
        if (cvt.needed && SDL_ConvertAudio(&cvt) != 0)
            work.clear();
        else
            work.resize(cvt.needed ? size_t(cvt.len_cvt) : length);
    }
    SDL_FreeWAV(data);
    if (work.size() < sizeof(int16_t))
        return nullptr;
    auto samples = std::make_shared<std::vector<int16_t>>(work.size() / sizeof(int16_t));
    std::memcpy(samples->data(), work.data(), samples->size() * sizeof(int16_t));
    return samples;
}

} // namespace

SoundPlayer::SoundPlayer() : thread_([this] { run(); })
{
}

SoundPlayer::~SoundPlayer()
{
    post({Request::Kind::Quit, {}});
    thread_.join();
}

void SoundPlayer::preload(const std::string& soundDir)
{
    post({Request::Kind::Preload, soundDir});
}

void SoundPlayer::start(const std::string& path, bool loop)
{
    if (!muted_)
        post({Request::Kind::Start, path, loop});
}

void SoundPlayer::stop()
{
    post({Request::Kind::Stop, {}});
}

void SoundPlayer::setMuted(bool muted)
{
    muted_ = muted;
    if (muted_)
        stop();
}

void SoundPlayer::sync()
{
    std::unique_lock lock(queueMutex_);
    const uint64_t target = posted_;
    handled_.wait(lock, [&] { return done_ >= target; });
}

std::string SoundPlayer::playing() const
{
    std::lock_guard lock(voiceMutex_);
    return voices_.empty() ? std::string() : voices_.back().path;
}

void SoundPlayer::post(Request request)
{
    {
        std::lock_guard lock(queueMutex_);
        request.madeAt = Clock::now();
        queue_.push_back(std::move(request));
        ++posted_;
    }
    wake_.notify_one();
}

void SoundPlayer::run()
{
    std::unique_lock lock(queueMutex_);
    for (;;) {
        if (queue_.empty()) {
            // Close the device once it has been silent for a while; the wait
            // also ends when a sound comes to its end in the mixer.
            if (device_ && silent()) {
                if (!closeAt_)
                    closeAt_ = Clock::now() + kCloseAfterSilence;
                if (Clock::now() >= *closeAt_) {
                    lock.unlock();
                    closeDevice();
                    lock.lock();
                    continue;
                }
                wake_.wait_until(lock, *closeAt_);
            } else {
                closeAt_.reset();
                wake_.wait(lock);
            }
            continue;
        }
        const Request request = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        handle(request);
        lock.lock();
        ++done_;
        handled_.notify_all();
        if (request.kind == Request::Kind::Quit) {
            // SDL keeps per-thread data, such as its last error, for any
            // thread that calls it; this thread's goes with it.
            SDL_TLSCleanup();
            return;
        }
    }
}

void SoundPlayer::handle(const Request& request)
{
    switch (request.kind) {
    case Request::Kind::Preload:
        initAudio();
        for (std::string_view name : sound::kAll) {
            const std::string path = request.path + std::string(name);
            sounds_[path] = decodeWave(path);
        }
        break;
    case Request::Kind::Start:
        startVoice(request);
        break;
    case Request::Kind::Stop:
        addVoice({nullptr, {}, false, request.madeAt});
        break;
    case Request::Kind::Quit:
        closeDevice();
        if (audioReady_)
            SDL_AudioQuit();
        break;
    }
}

void SoundPlayer::startVoice(const Request& request)
{
    auto known = sounds_.find(request.path);
    if (known == sounds_.end())
        known = sounds_.emplace(request.path, decodeWave(request.path)).first;
    if (known->second && openDevice()) {
        addVoice({known->second, request.path, request.loop, request.madeAt});
        SDL_PauseAudioDevice(device_, 0);
    } else {
        // The current sound is cut off even when the new one cannot be heard.
        addVoice({nullptr, {}, false, request.madeAt});
    }
}

void SoundPlayer::addVoice(Voice voice)
{
    std::lock_guard lock(voiceMutex_);
    if (!device_) {
        voices_.clear();
        if (!voice.samples)
            return;
    }
    if (!voices_.empty()) {
        // A voice already heard is cut off at once. One the device has not
        // yet reached is heard for as long as it had before this one came,
        // and this one follows it.
        Voice& before = voices_.back();
        const auto gap = std::chrono::duration_cast<std::chrono::microseconds>(voice.madeAt - before.madeAt);
        before.lasts = before.played > 0 ? 0 : size_t(std::max<int64_t>(gap.count(), 0)) * kRate / 1'000'000;
    }
    voices_.push_back(std::move(voice));
    while (voices_.size() > kMostVoices)
        voices_.pop_front();
}

void SoundPlayer::clearVoices()
{
    std::lock_guard lock(voiceMutex_);
    voices_.clear();
}

bool SoundPlayer::silent() const
{
    std::lock_guard lock(voiceMutex_);
    return std::none_of(voices_.begin(), voices_.end(), [](const Voice& voice) { return voice.samples != nullptr; });
}

bool SoundPlayer::initAudio()
{
    if (audioReady_)
        return true;
    if (Clock::now() < nextInitAttempt_)
        return false;
    nextInitAttempt_ = Clock::now() + kRetryAfter;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Glint Galore");
    // A data chunk cut short makes the file undecodable, not a partial sound.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    // Later attempts look only for the kind of sound server that worked,
    // so that one gone away is not replaced by a noisy search of others.
    audioReady_ = SDL_AudioInit(driver_.empty() ? nullptr : driver_.c_str()) == 0;
    if (audioReady_)
        driver_ = SDL_GetCurrentAudioDriver();
    return audioReady_;
}

void SoundPlayer::restartAudio()
{
    if (audioReady_)
        SDL_AudioQuit();
    audioReady_ = false;
    if (heardBefore_ && !lossReported_)
        std::fputs("glint-galore: the sound device went away; playing on without sound\n", stderr);
    lossReported_ = lossReported_ || heardBefore_;
}

bool SoundPlayer::openDevice()
{
    if (device_ && SDL_GetAudioDeviceStatus(device_) != SDL_AUDIO_STOPPED)
        return true;
    if (device_) {
        // The sound server went away while a sound played.
        closeDevice();
        restartAudio();
    }
    if (!initAudio())
        return false;
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = kFormat;
    want.channels = kChannels;
    want.samples = kDeviceFrames;
    want.callback = &SoundPlayer::mix;
    want.userdata = this;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    // Without a device, perhaps because the server went away while none was
    // open, the next attempt starts from scratch, which also finds a server
    // that has come back.
    if (!device_)
        restartAudio();
    heardBefore_ = heardBefore_ || device_ != 0;
    return device_ != 0;
}

void SoundPlayer::closeDevice()
{
    closeAt_.reset();
    if (const uint32_t device = device_.exchange(0))
        SDL_CloseAudioDevice(device);
    clearVoices();
}

void SoundPlayer::mix(void* self, uint8_t* stream, int length)
{
    auto& player = *static_cast<SoundPlayer*>(self);
    auto* out = reinterpret_cast<int16_t*>(stream);
    const size_t wanted = size_t(length) / sizeof(int16_t);
    size_t filled = 0;
    bool ended = false;
    {
        std::lock_guard lock(player.voiceMutex_);
        std::deque<Voice>& voices = player.voices_;
        while (filled < wanted && !voices.empty()) {
            Voice& voice = voices.front();
            if (voices.size() > 1 && (!voice.samples || voice.played >= voice.lasts)) {
                voices.pop_front(); // its time is up: the next one takes over
                continue;
            }
            if (!voice.samples) {
                voices.clear(); // stopped
                ended = true;
                break;
            }
            const Samples& samples = *voice.samples;
            const size_t n = std::min({wanted - filled, samples.size() - voice.at, voice.lasts - voice.played});
            std::copy_n(samples.data() + voice.at, n, out + filled);
            filled += n;
            voice.at += n;
            voice.played += n;
            if (voice.at == samples.size()) {
                voice.at = 0;
                if (!voice.loop) {
                    voices.pop_front();
                    ended = voices.empty();
                }
            }
        }
    }
    std::fill(out + filled, out + wanted, int16_t(0));
    if (ended) {
        // Lets the audio thread count down to closing the device.
        std::lock_guard lock(player.queueMutex_);
        player.wake_.notify_one();
    }
}

} // namespace glint::ui
