#include "sound/sound_player.h"

#include "core/version.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cstdio>

// The player's side of the sound server: connecting to it, the one stream
// every sound goes to, and writing to that stream as the server asks.
namespace glint::sound {

namespace {

using namespace std::chrono_literals;

constexpr size_t kFrame = sizeof(int16_t);
constexpr pa_sample_spec kFormat{PA_SAMPLE_S16NE, uint32_t(kSoundRate), 1};
// The server asks for more sound once half a second of it is missing, and
// (as the stream does not ask it to adjust its latency) renders the
// stream's target length less twice that ahead of what is heard
// (kRenderedAhead). So it wakes the game about twice a second while a sound
// plays.
constexpr auto kRequestAhead = 500ms;
// How often a lost or missing server is looked for again.
constexpr auto kRetryAfter = 3s;
// A server that takes longer than this to answer is taken to be gone, so
// that one that stopped answering holds neither the sounds nor the game's
// memory.
constexpr pa_usec_t kAnswerWithin = 500'000;

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
