#pragma once

#include "sound/wave_file.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

struct pa_context;
struct pa_mainloop_api;
struct pa_time_event;
struct timeval;
struct pa_stream;
struct pa_threaded_mainloop;

namespace glint::sound {

// Plays one WAV file at a time on a thread of its own, so sounds go on
// while the window's thread is held: a spin holds it for half a second and
// its reel stops must be heard meanwhile.
//
// The window's thread only queues requests; they return at once and never
// touch the disk. Sound goes to a PulseAudio-protocol server (PulseAudio
// itself, or PipeWire's pipewire-pulse) through one stream, and each sound
// is written to it whole, ahead of time, so that neither the game nor the
// server has to wake often while it plays; a loop is written a copy at a
// time. The stream is paused whenever nothing plays.
//
// A new sound cuts off the one playing at once, but one the server has not
// yet begun to play is heard for as long as it had before the next came,
// and the next follows it: a reel stop a step or two after another is not
// lost. A missing, empty, cut short, foreign or unreadable file, a named
// pipe or a directory is never heard and never blocks, and still cuts off
// the current sound. Without a server the game is silent and says so once
// on stderr; if the server goes away while the game runs, one line says so
// and the player looks for it again, at most every few seconds, when a
// sound starts.
class SoundPlayer {
public:
    SoundPlayer();
    // Ends the audio thread without waiting for any sound to finish.
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Decodes the game's sounds from `soundDir` (ending with a separator) on
    // the audio thread, and connects to the sound server.
    void preload(const std::string& soundDir);
    // Cuts off the current sound and starts `path`, once or looping. A file
    // outside the game's list is decoded on first use, off this thread.
    void start(const std::string& path, bool loop);
    // Stops the current sound; harmless when none plays.
    void stop();

    // The player's own choice of silence for the run, beneath the game's
    // rules: muting cuts off the current sound and makes every start do
    // nothing; unmuting lets the next start be heard but does not bring
    // back a sound that was cut off.
    void setMuted(bool muted);
    bool muted() const { return muted_; }

    // What tests and benchmarks observe. sync() waits until the audio thread
    // has handled every request made before it.
    void sync();
    // The file playing now; empty when silent.
    std::string playing() const;
    // Whether the server is playing the stream (it is paused when silent).
    bool streaming() const { return streaming_; }

private:
    using Clock = std::chrono::steady_clock;

    struct Request {
        enum class Kind { Preload, Start, Stop, Quit } kind;
        std::string path;
        bool loop = false;
        Clock::time_point madeAt{};
    };

    // The sound on the stream now. Positions are the stream's write index,
    // in bytes; shared with the server's callbacks under the loop's lock.
    struct Current {
        std::shared_ptr<const Samples> samples;
        bool loop = false;
        Clock::time_point madeAt{};
        int64_t written = 0; // bytes of it (and its copies) written so far
        int64_t bytes() const { return int64_t(samples->size()) * int64_t(sizeof(int16_t)); }
    };

    void post(Request request);
    void run();
    void handle(const Request& request);
    void play(const Request& request, std::shared_ptr<const Samples> samples);
    void endWhenHeard();
    bool connect();
    void disconnect();
    bool usable();
    bool refreshTiming();
    bool await(uint64_t deadline);
    void writeCopies(int64_t atLeast);
    void write(const Samples& samples, std::optional<int64_t> at);
    void setPlaying(const std::string& path);
    static void onContextState(pa_context* context, void* self);
    static void onStreamState(pa_stream* stream, void* self);
    static void onWritable(pa_stream* stream, size_t bytes, void* self);
    static void onDone(pa_stream* stream, int success, void* self);
    static void onTimeout(pa_mainloop_api* api, pa_time_event* event, const timeval* at, void* self);

    bool muted_ = false; // the window's thread only

    std::mutex queueMutex_;
    std::condition_variable wake_;    // a request came
    std::condition_variable handled_; // the audio thread finished a request
    std::deque<Request> queue_;
    uint64_t posted_ = 0;
    uint64_t done_ = 0;

    // The audio thread's own.
    std::map<std::string, std::shared_ptr<const Samples>> sounds_;
    std::optional<Clock::time_point> endsAt_; // when the sound once is over
    Clock::time_point nextConnect_{};
    bool reported_ = false;

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    // Under the loop's lock: the sound playing, and after a stop, where the
    // part of the stopped sound still to be heard ends.
    std::optional<Current> current_;
    std::optional<int64_t> keptUntil_;

    mutable std::mutex playingMutex_;
    std::string playing_;
    std::atomic<bool> streaming_{false};

    std::thread thread_; // last: starts once everything above exists
};

} // namespace glint::sound
