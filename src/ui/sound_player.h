#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace glint::ui {

// Plays one WAV file at a time on a thread of its own, so sounds go on
// while the window's thread is held: a spin holds it for half a second and
// its reel stops must be heard meanwhile.
//
// The window's thread only queues requests; they return at once and never
// touch the disk. A new sound cuts off the one playing at once, but one the
// device has not yet begun to play is heard for as long as it had before
// the next came: two requests that fall between two of the device's own
// are both heard, so a reel stop a step or two after another is not lost.
// The audio thread decodes each file once, opens the sound device when a
// sound starts and closes it again after a short silence, so an idle game
// costs no processor time for sound. A missing, empty, cut short, foreign
// or unreadable file, a named pipe or a directory is never heard and never
// blocks. Without a sound device the game is silent; if the
// device goes away while the game runs, one line on stderr says so, and the
// player looks for it again, at most every few seconds, when a sound starts.
class SoundPlayer {
public:
    SoundPlayer();
    // Ends the audio thread without waiting for any sound to finish.
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Decodes the game's sounds from `soundDir` (ending with a separator) on
    // the audio thread, and gets the sound device ready.
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
    bool deviceOpen() const { return device_.load() != 0; }

private:
    using Samples = std::vector<int16_t>;
    using Clock = std::chrono::steady_clock;

    struct Request {
        enum class Kind { Preload, Start, Stop, Quit } kind;
        std::string path;
        bool loop = false;
        Clock::time_point madeAt{};
    };

    // A sound on the device's timeline, shared with SDL's mixing thread.
    struct Voice {
        std::shared_ptr<const Samples> samples; // null for silence
        std::string path;
        bool loop = false;
        Clock::time_point madeAt{};
        size_t at = 0;     // the next sample
        size_t played = 0; // samples mixed so far
        size_t lasts = std::numeric_limits<size_t>::max(); // samples until the next voice takes over
    };

    void post(Request request);
    void run();
    void handle(const Request& request);
    void startVoice(const Request& request);
    void addVoice(Voice voice);
    void clearVoices();
    bool silent() const;
    bool openDevice();
    void closeDevice();
    bool initAudio();
    void restartAudio();
    static void mix(void* self, uint8_t* stream, int length);

    bool muted_ = false; // the window's thread only

    std::mutex queueMutex_;
    std::condition_variable wake_;    // a request came or a sound ended
    std::condition_variable handled_; // the audio thread finished a request
    std::deque<Request> queue_;
    uint64_t posted_ = 0;
    uint64_t done_ = 0;

    // The audio thread's own.
    std::map<std::string, std::shared_ptr<const Samples>> sounds_;
    bool audioReady_ = false;
    std::string driver_; // the kind of sound server found first
    bool heardBefore_ = false;
    bool lossReported_ = false;
    Clock::time_point nextInitAttempt_{};
    std::optional<Clock::time_point> closeAt_;

    std::atomic<uint32_t> device_{0};
    // The voice playing now, then any queued behind it.
    mutable std::mutex voiceMutex_;
    std::deque<Voice> voices_;

    std::thread thread_; // last: starts once everything above exists
};

} // namespace glint::ui
