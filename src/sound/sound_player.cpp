#include "sound/sound_player.h"

#include "core/sounds.h"

#include <pulse/pulseaudio.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <utility>

namespace glint::sound {

namespace {

using namespace std::chrono_literals;

// A sound once is taken to be over this long after its last sample was due
// to be heard; then the stream is paused. Until then silence follows it,
// as PipeWire plays the last part of a period only once the next is there,
// and a period may be as long as 170 ms.
constexpr auto kEndMargin = 200ms;
// A request that comes within this long of the one before is written to
// the server no sooner after that one than it was made after it, and a
// render step later still: the server takes in what it plays a step at a
// time (5 to 10 ms on the sinks measured), and the sound cut off is to be
// heard for all the time it had, even when the audio thread was late with
// it. The reel stops come two or more 10 ms steps apart.
constexpr auto kLongestHold = 100ms;
constexpr auto kRenderStep = 10ms;
// Decoding runs below the window's and the audio thread's priority.
constexpr int kDecoderNiceness = 10;

} // namespace

SoundPlayer::SoundPlayer() : loop_(pa_threaded_mainloop_new()), thread_([this] { run(); })
{
}

SoundPlayer::~SoundPlayer()
{
    {
        std::lock_guard lock(queueMutex_);
        queue_.clear(); // sounds not yet started never will be
    }
    quitting_ = true;
    // Wakes the audio thread if it waits on the server.
    if (loop_) {
        pa_threaded_mainloop_lock(loop_);
        pa_threaded_mainloop_signal(loop_, 0);
        pa_threaded_mainloop_unlock(loop_);
    }
    post({Request::Kind::Quit, {}});
    thread_.join();
    if (loop_)
        pa_threaded_mainloop_free(loop_);
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
    handled_.wait(lock, [&] { return queue_.empty() && !busy_ && decoding_ == 0; });
}

std::string SoundPlayer::playing() const
{
    std::lock_guard lock(playingMutex_);
    return playing_;
}

void SoundPlayer::setPlaying(const std::string& path)
{
    std::lock_guard lock(playingMutex_);
    playing_ = path;
}

void SoundPlayer::post(Request request)
{
    {
        std::lock_guard lock(queueMutex_);
        request.madeAt = Clock::now();
        if (request.kind == Request::Kind::Decoded)
            --decoding_;
        queue_.push_back(std::move(request));
    }
    wake_.notify_all();
}

void SoundPlayer::run()
{
    std::unique_lock lock(queueMutex_);
    for (;;) {
        if (queue_.empty()) {
            // The wait also ends when a sound once has been heard to its end.
            if (!endsAt_)
                wake_.wait(lock);
            else if (wake_.wait_until(lock, *endsAt_) == std::cv_status::timeout && queue_.empty()) {
                lock.unlock();
                endWhenHeard();
                lock.lock();
            }
            continue;
        }
        Request request = std::move(queue_.front());
        queue_.pop_front();
        busy_ = true;
        lock.unlock();
        // Nothing a request meets (a server's failure, memory running out)
        // ends the audio thread: the game plays on without that sound.
        try {
            handle(request);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "glint-galore: a sound could not be played: %s\n", error.what());
        }
        lock.lock();
        busy_ = false;
        handled_.notify_all();
        if (request.kind == Request::Kind::Quit)
            return;
    }
}

void SoundPlayer::handle(Request& request)
{
    switch (request.kind) {
    case Request::Kind::Preload:
        connect();
        for (std::string_view name : kAll)
            decode(request.path + std::string(name));
        break;
    case Request::Kind::Start:
        awaited_.reset();
        if (const auto known = sounds_.find(request.path); known != sounds_.end()) {
            play(request, known->second && usable() ? known->second : nullptr);
        } else {
            // The current sound is cut off now; this one starts once decoded.
            decode(request.path);
            play(request, nullptr);
            awaited_ = std::move(request);
        }
        break;
    case Request::Kind::Stop:
        awaited_.reset();
        play(request, nullptr);
        break;
    case Request::Kind::Decoded:
        learn(request.path, std::move(request.decoded));
        if (awaited_ && awaited_->path == request.path) {
            const Request start = *std::exchange(awaited_, std::nullopt);
            if (const auto& samples = sounds_[start.path]; samples && usable())
                play(start, samples);
        }
        break;
    case Request::Kind::Quit:
        for (auto& [path, decoder] : decoders_)
            decoder.request_stop();
        decoders_.clear(); // each stops within a chunk
        disconnect();
        if (loopRunning_)
            pa_threaded_mainloop_stop(loop_);
        break;
    }
}

void SoundPlayer::decode(const std::string& path)
{
    if (sounds_.count(path) || decoders_.count(path))
        return;
    {
        std::lock_guard lock(queueMutex_);
        ++decoding_;
    }
    try {
        decoders_.emplace(path, std::jthread([this, path](std::stop_token stop) {
                              // Only this thread is lowered; failing that, it decodes at the usual priority.
                              ::setpriority(PRIO_PROCESS, id_t(::gettid()), kDecoderNiceness);
                              Decoded decoded;
                              try {
                                  decoded = decodeWave(path, stop);
                              } catch (const std::exception& error) {
                                  decoded = {nullptr, std::string("could not be decoded: ") + error.what()};
                              }
                              post({Request::Kind::Decoded, path, false, {}, std::move(decoded)});
                          }));
    } catch (const std::exception& error) {
        post({Request::Kind::Decoded, path, false, {}, {nullptr, std::string("could not be decoded: ") + error.what()}});
    }
}

void SoundPlayer::learn(const std::string& path, Decoded decoded)
{
    decoders_.erase(path); // its thread has nothing left to do
    if (!decoded.refusal.empty())
        std::fprintf(stderr, "glint-galore: not playing %s: %s\n", path.c_str(), decoded.refusal.c_str());
    sounds_[path] = std::move(decoded.samples);
}

void SoundPlayer::play(const Request& request, std::shared_ptr<const Samples> samples)
{
    // Gives the sound this one cuts off the time it had (see kLongestHold).
    if (const auto gap = request.madeAt - lastMadeAt_; gap < kLongestHold) {
        std::unique_lock lock(queueMutex_);
        wake_.wait_until(lock, lastWrittenAt_ + gap + kRenderStep, [&] { return quitting_.load(); });
    }
    lastMadeAt_ = request.madeAt;
    lastWrittenAt_ = Clock::now();

    endsAt_.reset();
    setPlaying(samples ? request.path : std::string());
    if (!stream_)
        return;
    if (!probe()) {
        disconnect();
        report("the sound server stopped answering; playing on without sound");
        return;
    }
    pa_threaded_mainloop_lock(loop_);
    const bool corked = pa_stream_is_corked(stream_) == 1;
    if (samples) {
        current_ = Current{samples, request.loop, 0};
        // A paused stream plays again before it is given the sound: a sound
        // written while it was paused was now and then not heard.
        if (corked)
            cork(false);
    } else {
        current_.reset();
    }
    // Written where the server reads now, over all that was written ahead:
    // the stream holds its target length from there on, of this sound or of
    // silence. A stop leaves the stream playing that silence until it is
    // paused with the rest: pausing and resuming it within a few
    // milliseconds (a stop right before the sound of three in a row) now and
    // then left the next sound unheard, on PipeWire.
    const bool playing = samples || !corked;
    if (playing)
        write(target_, true);
    streaming_ = playing;
    pa_threaded_mainloop_unlock(loop_);
    if (playing && !request.loop) {
        const size_t length = samples ? samples->size() : 0;
        endsAt_ = Clock::now() + std::chrono::microseconds(int64_t(length) * 1'000'000 / kSoundRate) + kRenderedAhead +
                  kEndMargin;
    }
}

void SoundPlayer::endWhenHeard()
{
    endsAt_.reset();
    setPlaying({});
    streaming_ = false;
    if (!stream_)
        return;
    pa_threaded_mainloop_lock(loop_);
    current_.reset();
    cork(true);
    pa_threaded_mainloop_unlock(loop_);
}

} // namespace glint::sound
