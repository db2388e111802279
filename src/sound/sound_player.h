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
struct pa_operation;
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
// touch the disk. Each file is decoded on a thread of its own, at a low
// priority, so a file that takes long to decode holds up no other sound; a
// sound asked for while it is still being decoded starts once it is ready,
// unless another request came meanwhile.
//
// Sound goes to a PulseAudio-protocol server (PulseAudio itself, or
// PipeWire's pipewire-pulse) through one stream, written as the server asks
// for it and never more than the stream's target length ahead; after a
// sound played once comes silence, until the stream is paused a little
// after the sound's end, so the server plays its last samples too. A new
// sound is written where the server reads now, over whatever was written
// ahead; a sound cut off this way is heard for as long as there was between
// its request and the next.
//
// A missing file is never heard. A file that cannot be played (empty, cut
// short, foreign, unreadable, beyond the decoder's limits, a named pipe or
// a directory) is named once in one line on stderr and never heard; a
// request for either still cuts off the current sound. Without a server the
// game is silent and says so once on stderr; if the server goes away while
// the game runs, one line says so and the player looks for it again, at
// most every few seconds, when a sound starts. Nothing waits on the server
// for more than half a second, and closing does not wait on it at all.
class SoundPlayer {
public:
    SoundPlayer();
    // Ends the audio thread without waiting for any sound, decoding or
    // server.
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Decodes the game's sounds from `soundDir` (ending with a separator)
    // and connects to the sound server.
    void preload(const std::string& soundDir);
    // Cuts off the current sound and starts `path`, once or looping. A file
    // outside the game's list is decoded on first use.
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
    // has handled every request made before it, and every decoding they
    // started is over.
    void sync();
    // The file playing now; empty when silent.
    std::string playing() const;
    // Whether the server is playing the stream (it is paused when silent).
    bool streaming() const { return streaming_; }

private:
    using Clock = std::chrono::steady_clock;
    // How far ahead of what is heard the server renders the stream: a
    // replaced sound goes on for at most this long.
    static constexpr std::chrono::milliseconds kRenderedAhead{25};

    struct Request {
        enum class Kind { Preload, Start, Stop, Decoded, Quit } kind;
        std::string path;
        bool loop = false;
        Clock::time_point madeAt{};
        Decoded decoded{};
    };

    // The sound on the stream now, and how far into it (its copies, for a
    // loop) the stream has been written; shared with the server's callbacks
    // under the loop's lock.
    struct Current {
        std::shared_ptr<const Samples> samples;
        bool loop = false;
        size_t at = 0;
    };

    void post(Request request);
    void run();
    void handle(Request& request);
    void decode(const std::string& path);
    void learn(const std::string& path, Decoded decoded);
    void play(const Request& request, std::shared_ptr<const Samples> samples);
    void endWhenHeard();
    void setPlaying(const std::string& path);
    bool connect();
    bool openStream(uint64_t deadline);
    void disconnect();
    bool usable();
    bool probe();
    void report(const char* what);
    bool await(uint64_t deadline);
    void cork(bool paused);
    void write(size_t bytes, bool fromReadIndex);
    static void onStateChange(pa_context* context, void* self);
    static void onStreamStateChange(pa_stream* stream, void* self);
    static void onWritable(pa_stream* stream, size_t bytes, void* self);
    static void onTimeout(pa_mainloop_api* api, pa_time_event* event, const timeval* at, void* self);

    bool muted_ = false; // the window's thread only

    std::mutex queueMutex_;
    std::condition_variable wake_;    // a request came
    std::condition_variable handled_; // the audio thread finished a request
    std::deque<Request> queue_;
    bool busy_ = false;    // the audio thread is handling a request
    int decoding_ = 0;     // decodings not yet handed back
    std::atomic<bool> quitting_{false};

    // The audio thread's own.
    std::map<std::string, std::shared_ptr<const Samples>> sounds_; // null: not to be heard
    std::map<std::string, std::jthread> decoders_;
    std::optional<Request> awaited_;          // a start whose sound is being decoded
    std::optional<Clock::time_point> endsAt_; // when the sound once is over
    Clock::time_point lastMadeAt_{}, lastWrittenAt_{};
    Clock::time_point nextConnect_{};
    bool reported_ = false;

    pa_threaded_mainloop* const loop_; // null when libpulse could not make one
    bool loopRunning_ = false;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    size_t target_ = 0; // bytes the server keeps ahead
    // Under the loop's lock.
    pa_operation* probe_ = nullptr; // the last question to the server
    uint64_t probeSentAt_ = 0;
    std::optional<Current> current_;
    bool failed_ = false; // a write was refused: the stream is done for

    mutable std::mutex playingMutex_;
    std::string playing_;
    std::atomic<bool> streaming_{false};

    std::thread thread_; // last: starts once everything above exists
};

} // namespace glint::sound
