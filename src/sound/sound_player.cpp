#include "sound/sound_player.h"

#include "core/sounds.h"
#include "core/version.h"

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

constexpr size_t kFrame = sizeof(int16_t);
constexpr pa_sample_spec kFormat{PA_SAMPLE_S16NE, uint32_t(kSoundRate), 1};
// The server asks for more sound once half a second of it is missing, and
// (as the stream does not ask it to adjust its latency) renders the
// stream's target length less twice that ahead of what is heard: 25 ms.
// So it wakes every 25 ms or so while a sound plays, the game about twice
// a second, and a replaced sound goes on for at most 25 ms.
constexpr auto kRequestAhead = 500ms;
constexpr auto kRenderedAhead = 25ms;
// A sound once is taken to be over this long after its last sample was due
// to be heard; then the stream is paused. Until then silence follows it,
// as PipeWire plays the last part of a period only once the next is there,
// and a period may be as long as 170 ms.
constexpr auto kEndMargin = 200ms;
// How often a lost or missing server is looked for again.
constexpr auto kRetryAfter = 3s;
// A server that takes longer than this to answer is taken to be gone, so
// that one that stopped answering holds neither the sounds nor the game's
// memory.
constexpr pa_usec_t kAnswerWithin = 500'000;
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

uint32_t bytesIn(std::chrono::microseconds span)
{
    return uint32_t(pa_usec_to_bytes(pa_usec_t(span.count()), &kFormat));
}

// The name, id and icon desktops' volume controls show, or null when
// libpulse cannot hold them (then they go without).
pa_proplist* properties(std::initializer_list<std::pair<const char*, const char*>> entries)
{
    pa_proplist* list = pa_proplist_new();
    for (const auto& [key, value] : entries) {
        if (list && pa_proplist_sets(list, key, value) < 0) {
            pa_proplist_free(list);
            list = nullptr;
        }
    }
    return list;
}

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
    // silence.
    if (samples || !corked)
        write(target_, true);
    if (!samples && !corked)
        cork(true);
    streaming_ = samples != nullptr;
    pa_threaded_mainloop_unlock(loop_);
    if (samples && !request.loop)
        endsAt_ = Clock::now() + std::chrono::microseconds(int64_t(samples->size()) * 1'000'000 / kSoundRate) +
                  kRenderedAhead + kEndMargin;
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

// The loop locked: pauses or resumes the stream.
void SoundPlayer::cork(bool paused)
{
    if (pa_operation* corked = pa_stream_cork(stream_, paused, nullptr, nullptr))
        pa_operation_unref(corked);
    else
        failed_ = true;
}

// The loop locked: writes `bytes` more of the current sound (its copies, for
// a loop; silence after a sound once or when none plays), from the server's
// read position or after what was written before.
void SoundPlayer::write(size_t bytes, bool fromReadIndex)
{
    bytes -= bytes % kFrame;
    while (bytes > 0 && !failed_) {
        void* data = nullptr;
        size_t size = bytes;
        if (pa_stream_begin_write(stream_, &data, &size) < 0 || !data || size < kFrame) {
            failed_ = true;
            return;
        }
        size = std::min(size, bytes) / kFrame * kFrame;
        auto* out = static_cast<int16_t*>(data);
        size_t filled = 0;
        const size_t wanted = size / kFrame;
        while (current_ && filled < wanted) {
            const Samples& samples = *current_->samples;
            if (current_->at == samples.size()) {
                if (!current_->loop)
                    break;
                current_->at = 0;
            }
            const size_t n = std::min(wanted - filled, samples.size() - current_->at);
            std::copy_n(samples.begin() + ptrdiff_t(current_->at), n, out + filled);
            current_->at += n;
            filled += n;
        }
        std::fill(out + filled, out + wanted, int16_t(0));
        if (pa_stream_write(stream_, data, size, nullptr, 0, fromReadIndex ? PA_SEEK_RELATIVE_ON_READ : PA_SEEK_RELATIVE) <
            0) {
            pa_stream_cancel_write(stream_);
            failed_ = true;
            return;
        }
        fromReadIndex = false;
        bytes -= size;
    }
}

// Whether the server answered the question asked at the last sound (how far
// it has played), asking it again; false once it has left one unanswered
// for too long. Never waits for the answer.
bool SoundPlayer::probe()
{
    pa_threaded_mainloop_lock(loop_);
    bool answering = true;
    if (probe_ && pa_operation_get_state(probe_) == PA_OPERATION_RUNNING) {
        answering = pa_rtclock_now() < probeSentAt_ + kAnswerWithin;
    } else {
        if (probe_)
            pa_operation_unref(probe_);
        probe_ = pa_stream_update_timing_info(stream_, nullptr, nullptr);
        probeSentAt_ = pa_rtclock_now();
        answering = probe_ != nullptr;
    }
    pa_threaded_mainloop_unlock(loop_);
    return answering;
}

bool SoundPlayer::usable()
{
    if (stream_) {
        pa_threaded_mainloop_lock(loop_);
        const bool ready = !failed_ && pa_context_get_state(context_) == PA_CONTEXT_READY &&
                           pa_stream_get_state(stream_) == PA_STREAM_READY;
        pa_threaded_mainloop_unlock(loop_);
        if (ready)
            return true;
        disconnect();
        report("the sound server went away; playing on without sound");
    }
    return Clock::now() >= nextConnect_ && connect();
}

void SoundPlayer::report(const char* what)
{
    if (!reported_)
        std::fprintf(stderr, "glint-galore: %s\n", what);
    reported_ = true;
}

bool SoundPlayer::connect()
{
    nextConnect_ = Clock::now() + kRetryAfter;
    if (!loop_ || (!loopRunning_ && pa_threaded_mainloop_start(loop_) < 0)) {
        report("libpulse could not start its thread; playing on without sound");
        return false;
    }
    loopRunning_ = true;
    pa_threaded_mainloop_lock(loop_);
    pa_proplist* application = properties({{PA_PROP_APPLICATION_NAME, kAppTitle},
                                           {PA_PROP_APPLICATION_ID, GLINT_APP_ID},
                                           {PA_PROP_APPLICATION_ICON_NAME, GLINT_APP_ID}});
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), kAppTitle, application);
    if (application)
        pa_proplist_free(application);
    const pa_usec_t deadline = pa_rtclock_now() + kAnswerWithin;
    bool ready = context_ != nullptr;
    if (ready) {
        pa_context_set_state_callback(context_, &SoundPlayer::onStateChange, this);
        // Never start a server of our own: the desktop's is the one to use.
        ready = pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
    }
    for (pa_context_state_t state; ready && (state = pa_context_get_state(context_)) != PA_CONTEXT_READY;)
        ready = PA_CONTEXT_IS_GOOD(state) && await(deadline);
    ready = ready && openStream(deadline);
    pa_threaded_mainloop_unlock(loop_);
    if (!ready) {
        disconnect();
        report("no sound server answers; playing on without sound");
    }
    return ready;
}

// The loop locked: the stream the sounds go to, paused until one plays.
bool SoundPlayer::openStream(uint64_t deadline)
{
    pa_proplist* media = properties({{PA_PROP_MEDIA_ROLE, "game"}, {PA_PROP_MEDIA_NAME, kAppTitle}});
    stream_ = pa_stream_new_with_proplist(context_, kAppTitle, &kFormat, nullptr, media);
    if (media)
        pa_proplist_free(media);
    if (!stream_)
        return false;
    pa_stream_set_state_callback(stream_, &SoundPlayer::onStreamStateChange, this);
    pa_stream_set_write_callback(stream_, &SoundPlayer::onWritable, this);
    const uint32_t request = bytesIn(kRequestAhead);
    const uint32_t target = 2 * request + bytesIn(kRenderedAhead);
    // A sound starts as soon as its first sample is there; the server holds
    // no more than twice the target.
    const pa_buffer_attr buffer{2 * target, target, uint32_t(kFrame), request, uint32_t(-1)};
    bool ready = pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_START_CORKED, nullptr, nullptr) >= 0;
    for (pa_stream_state_t state; ready && (state = pa_stream_get_state(stream_)) != PA_STREAM_READY;)
        ready = PA_STREAM_IS_GOOD(state) && await(deadline);
    const pa_buffer_attr* granted = ready ? pa_stream_get_buffer_attr(stream_) : nullptr;
    target_ = granted ? granted->tlength : 0;
    return granted != nullptr;
}

void SoundPlayer::disconnect()
{
    if (!loop_)
        return;
    pa_threaded_mainloop_lock(loop_);
    if (probe_) {
        pa_operation_unref(probe_);
        probe_ = nullptr;
    }
    if (stream_) {
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    if (context_) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    current_.reset();
    failed_ = false;
    pa_threaded_mainloop_unlock(loop_);
    endsAt_.reset();
    streaming_ = false;
    setPlaying({});
}

// Waits, the loop locked, for the next signal from the server's callbacks;
// false once `deadline` (on libpulse's clock) has passed or the player is
// closing.
bool SoundPlayer::await(uint64_t deadline)
{
    if (quitting_ || pa_rtclock_now() >= deadline)
        return false;
    pa_time_event* timer = pa_context_rttime_new(context_, deadline, &SoundPlayer::onTimeout, this);
    if (!timer)
        return false;
    pa_threaded_mainloop_wait(loop_);
    pa_threaded_mainloop_get_api(loop_)->time_free(timer);
    return !quitting_;
}

void SoundPlayer::onTimeout(pa_mainloop_api*, pa_time_event*, const timeval*, void* self)
{
    pa_threaded_mainloop_signal(static_cast<SoundPlayer*>(self)->loop_, 0);
}

void SoundPlayer::onStateChange(pa_context*, void* self)
{
    pa_threaded_mainloop_signal(static_cast<SoundPlayer*>(self)->loop_, 0);
}

void SoundPlayer::onStreamStateChange(pa_stream*, void* self)
{
    pa_threaded_mainloop_signal(static_cast<SoundPlayer*>(self)->loop_, 0);
}

// On the loop's thread: the server wants `bytes` more.
void SoundPlayer::onWritable(pa_stream*, size_t bytes, void* self)
{
    static_cast<SoundPlayer*>(self)->write(bytes, false);
}

} // namespace glint::sound
