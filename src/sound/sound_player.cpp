#include "sound/sound_player.h"

#include "core/sounds.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cstdio>

namespace glint::sound {

namespace {

using namespace std::chrono_literals;
using Span = std::chrono::steady_clock::duration;

constexpr int64_t kFrame = sizeof(int16_t);
constexpr pa_sample_spec kFormat{PA_SAMPLE_S16NE, uint32_t(kSoundRate), 1};
// The server asks for more sound once half a second of it is missing, and
// (as the stream does not ask it to adjust its latency) renders the
// stream's target length less twice that ahead of what is heard: 25 ms.
// So it wakes every 25 ms or so while a sound plays, the game about twice
// a second, and a replaced sound goes on for at most 25 ms.
constexpr auto kRequestAhead = 500ms;
constexpr auto kRenderedAhead = 25ms;
// A sound once is taken to be over this long after its last sample was due
// to be heard; then the stream is paused.
constexpr auto kEndMargin = 100ms;
// How often a lost or missing server is looked for again.
constexpr auto kRetryAfter = 3s;
// A server that takes longer than this to answer is taken to be gone, so
// that one that stopped answering holds neither the sounds nor the game's
// closing.
constexpr pa_usec_t kAnswerWithin = 500'000;

int64_t bytesIn(Span span)
{
    return std::max<int64_t>(std::chrono::duration_cast<std::chrono::microseconds>(span).count(), 0) * kSoundRate /
           1'000'000 * kFrame;
}

Span lengthOf(int64_t samples)
{
    return std::chrono::microseconds(samples * 1'000'000 / kSoundRate);
}

} // namespace

SoundPlayer::SoundPlayer() : thread_([this] { run(); })
{
}

SoundPlayer::~SoundPlayer()
{
    {
        std::lock_guard lock(queueMutex_);
        posted_ -= queue_.size(); // sounds not yet started never will be
        queue_.clear();
    }
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
        const Request request = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        handle(request);
        lock.lock();
        ++done_;
        handled_.notify_all();
        if (request.kind == Request::Kind::Quit)
            return;
    }
}

void SoundPlayer::handle(const Request& request)
{
    switch (request.kind) {
    case Request::Kind::Preload:
        connect();
        for (std::string_view name : sound::kAll) {
            const std::string path = request.path + std::string(name);
            sounds_[path] = decodeWave(path);
        }
        break;
    case Request::Kind::Start: {
        auto known = sounds_.find(request.path);
        if (known == sounds_.end())
            known = sounds_.emplace(request.path, decodeWave(request.path)).first;
        // The current sound is cut off even when the new one cannot be heard.
        play(request, known->second && usable() ? known->second : nullptr);
        break;
    }
    case Request::Kind::Stop:
        play(request, nullptr);
        break;
    case Request::Kind::Quit:
        disconnect();
        if (loop_) {
            pa_threaded_mainloop_stop(loop_);
            pa_threaded_mainloop_free(loop_);
        }
        break;
    }
}

void SoundPlayer::play(const Request& request, std::shared_ptr<const Samples> samples)
{
    endsAt_.reset();
    setPlaying(samples ? request.path : std::string());
    if (!stream_)
        return;
    pa_threaded_mainloop_lock(loop_);
    // Where this request's sound goes: at once, or after what must still be
    // heard of those before it.
    std::optional<int64_t> after;
    int64_t writeIndex = 0, readIndex = 0;
    if ((current_ || keptUntil_) && refreshTiming()) {
        const pa_timing_info& timing = *pa_stream_get_timing_info(stream_);
        writeIndex = timing.write_index;
        readIndex = timing.read_index;
        // PipeWire reports well under a millisecond while a whole quantum is
        // under way; no server is taken to be quicker than it was asked to be.
        const auto behind = std::max<pa_usec_t>(timing.sink_usec, std::chrono::microseconds(kRenderedAhead).count());
        const int64_t heard = readIndex - int64_t(pa_usec_to_bytes(behind, &kFormat));
        const int64_t currentAt = writeIndex - (current_ ? current_->written : 0);
        if (current_ && heard < currentAt) {
            // Not heard yet: it plays for as long as it had before this
            // request, and this one follows.
            const int64_t had = bytesIn(request.madeAt - current_->madeAt);
            after = currentAt + std::min(had, current_->loop ? current_->written : current_->bytes());
        } else if (!current_) {
            after = keptUntil_; // what a stop let be heard
        }
        // What the server has taken stays: a flush would have the sink take
        // back what it rendered, and after a silence that can be a whole
        // sound it reported as heard.
        after = std::max(after.value_or(readIndex), readIndex);
    }
    keptUntil_.reset();
    current_.reset();
    // A paused stream plays again before it is given the sound: a sound
    // written while it was paused was now and then not heard.
    if (samples && pa_stream_is_corked(stream_) == 1) {
        if (pa_operation* uncorked = pa_stream_cork(stream_, 0, nullptr, nullptr))
            pa_operation_unref(uncorked);
    }
    // The new sound is written over what follows the part still to be heard:
    // the server renders again what it may have rendered of that, and the
    // new sound plays in its place. A stream with nothing on it is flushed.
    if (!after) {
        if (pa_operation* flushed = pa_stream_flush(stream_, nullptr, nullptr))
            pa_operation_unref(flushed);
    }
    if (samples) {
        current_ = Current{std::move(samples), request.loop, request.madeAt, 0};
        write(*current_->samples, after);
        current_->written = current_->bytes();
        // A loop is written a second ahead, and at least over all that was
        // written before.
        const int64_t ahead = int64_t(pa_usec_to_bytes(2 * std::chrono::microseconds(kRequestAhead).count(), &kFormat));
        if (request.loop)
            writeCopies(std::max(ahead, after ? writeIndex - *after : 0) - current_->written);
    }
    const int64_t sounding = current_ ? current_->written : 0;
    if (after && *after + sounding < writeIndex) {
        // The rest of what was written before falls silent.
        write(Samples(size_t(writeIndex - *after - sounding) / kFrame), *after + sounding);
        if (current_)
            current_->written = writeIndex - *after;
    }
    keptUntil_ = current_ ? std::nullopt : after;
    const bool silent = !current_ && !after;
    if (!silent && !request.loop)
        endsAt_ = Clock::now() + lengthOf(((after ? *after - readIndex : 0) + sounding) / kFrame) + kRenderedAhead +
                  kEndMargin;
    if (pa_operation* corked = pa_stream_cork(stream_, silent, nullptr, nullptr))
        pa_operation_unref(corked);
    streaming_ = !silent;
    pa_threaded_mainloop_unlock(loop_);
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
    keptUntil_.reset();
    if (pa_operation* corked = pa_stream_cork(stream_, 1, nullptr, nullptr))
        pa_operation_unref(corked);
    pa_threaded_mainloop_unlock(loop_);
}

void SoundPlayer::write(const Samples& samples, std::optional<int64_t> at)
{
    pa_stream_write(stream_, samples.data(), samples.size() * kFrame, nullptr, at.value_or(0),
                    at ? PA_SEEK_ABSOLUTE : PA_SEEK_RELATIVE);
}

void SoundPlayer::writeCopies(int64_t atLeast)
{
    for (int64_t written = 0; written < atLeast; written += int64_t(current_->samples->size()) * kFrame) {
        write(*current_->samples, std::nullopt);
        current_->written += int64_t(current_->samples->size()) * kFrame;
    }
}

bool SoundPlayer::refreshTiming()
{
    pa_operation* update = pa_stream_update_timing_info(stream_, &SoundPlayer::onDone, this);
    if (!update)
        return false;
    const pa_usec_t deadline = pa_rtclock_now() + kAnswerWithin;
    while (pa_operation_get_state(update) == PA_OPERATION_RUNNING && await(deadline)) {
    }
    const bool answered = pa_operation_get_state(update) == PA_OPERATION_DONE;
    pa_operation_unref(update);
    if (!answered) {
        pa_context_disconnect(context_); // the next sound finds it gone
        return false;
    }
    const pa_timing_info* timing = pa_stream_get_timing_info(stream_);
    return timing && !timing->read_index_corrupt && !timing->write_index_corrupt;
}

bool SoundPlayer::usable()
{
    if (stream_) {
        pa_threaded_mainloop_lock(loop_);
        const bool ready = pa_stream_get_state(stream_) == PA_STREAM_READY;
        pa_threaded_mainloop_unlock(loop_);
        if (ready)
            return true;
        disconnect();
        if (!reported_)
            std::fputs("glint-galore: the sound server went away; playing on without sound\n", stderr);
        reported_ = true;
    }
    return Clock::now() >= nextConnect_ && connect();
}

bool SoundPlayer::connect()
{
    nextConnect_ = Clock::now() + kRetryAfter;
    if (!loop_) {
        loop_ = pa_threaded_mainloop_new();
        pa_threaded_mainloop_start(loop_);
    }
    pa_threaded_mainloop_lock(loop_);
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Glint Galore");
    pa_context_set_state_callback(context_, &SoundPlayer::onContextState, this);
    // Never start a server of our own: the desktop's is the one to use.
    const pa_usec_t deadline = pa_rtclock_now() + kAnswerWithin;
    bool ready = pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
    for (pa_context_state_t state; ready && (state = pa_context_get_state(context_)) != PA_CONTEXT_READY;)
        ready = PA_CONTEXT_IS_GOOD(state) && await(deadline);
    if (ready) {
        stream_ = pa_stream_new(context_, "Glint Galore", &kFormat, nullptr);
        pa_stream_set_state_callback(stream_, &SoundPlayer::onStreamState, this);
        pa_stream_set_write_callback(stream_, &SoundPlayer::onWritable, this);
        const auto request = uint32_t(pa_usec_to_bytes(std::chrono::microseconds(kRequestAhead).count(), &kFormat));
        const auto rendered = uint32_t(pa_usec_to_bytes(std::chrono::microseconds(kRenderedAhead).count(), &kFormat));
        // A sound starts as soon as its first sample is there.
        const pa_buffer_attr buffer{uint32_t(-1), 2 * request + rendered, kFrame, request, uint32_t(-1)};
        ready = pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_START_CORKED, nullptr, nullptr) >= 0;
        for (pa_stream_state_t state; ready && (state = pa_stream_get_state(stream_)) != PA_STREAM_READY;)
            ready = PA_STREAM_IS_GOOD(state) && await(deadline);
    }
    pa_threaded_mainloop_unlock(loop_);
    if (!ready) {
        disconnect();
        if (!reported_)
            std::fputs("glint-galore: no sound server answers; playing on without sound\n", stderr);
        reported_ = true;
    }
    return ready;
}

void SoundPlayer::disconnect()
{
    if (!loop_)
        return;
    pa_threaded_mainloop_lock(loop_);
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
    keptUntil_.reset();
    pa_threaded_mainloop_unlock(loop_);
    endsAt_.reset();
    streaming_ = false;
    setPlaying({});
}

// Waits, the loop locked, for the next signal from the server's callbacks;
// false once `deadline` (on libpulse's clock) has passed.
bool SoundPlayer::await(pa_usec_t deadline)
{
    if (pa_rtclock_now() >= deadline)
        return false;
    pa_time_event* timer = pa_context_rttime_new(context_, deadline, &SoundPlayer::onTimeout, this);
    pa_threaded_mainloop_wait(loop_);
    pa_threaded_mainloop_get_api(loop_)->time_free(timer);
    return true;
}

void SoundPlayer::onTimeout(pa_mainloop_api*, pa_time_event*, const timeval*, void* self)
{
    pa_threaded_mainloop_signal(static_cast<SoundPlayer*>(self)->loop_, 0);
}

void SoundPlayer::onContextState(pa_context*, void* self)
{
    pa_threaded_mainloop_signal(static_cast<SoundPlayer*>(self)->loop_, 0);
}

void SoundPlayer::onStreamState(pa_stream*, void* self)
{
    pa_threaded_mainloop_signal(static_cast<SoundPlayer*>(self)->loop_, 0);
}

void SoundPlayer::onDone(pa_stream*, int, void* self)
{
    pa_threaded_mainloop_signal(static_cast<SoundPlayer*>(self)->loop_, 0);
}

// On the loop's thread: the server wants more. Only a loop has more to
// give, a whole copy at a time.
void SoundPlayer::onWritable(pa_stream*, size_t bytes, void* self)
{
    auto& player = *static_cast<SoundPlayer*>(self);
    if (player.current_ && player.current_->loop)
        player.writeCopies(int64_t(bytes));
}

} // namespace glint::sound
