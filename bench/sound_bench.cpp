// Times the game's sounds as a listener hears them. The real main window
// plays into a sound server; the monitor SOURCE of its null sink is recorded
// at RATE, and each sound's start is found in the recording by its
// waveform. Prints one line:
//   spins, stops, stops-heard
//                            spins played until at least STOPS reel stops
//                            were asked for, those asked for, those found
//   stops-cut                right reels' stops the game itself stopped in
//                            the same instant: at the top of the trail with
//                            no award after it, the rules stop the sound
//                            right after the right reel's stop starts, so
//                            it is heard for a render step at most and is
//                            not among those asked for
//   stop-median, stop-worst  ms from the step that asked for a stop to its
//                            first sample (the award that replaces the right
//                            reel's stop counts as its stop)
//   coins, coins-heard, coin-median
//                            ms from a click on "cash" to the coin sound's
//                            first sample, coins half a second apart
//   peak-rss-mb              the process's peak resident memory (VmHWM)
//   close-ms                 given the sound server's process GROUP: the
//                            server stopped (SIGSTOP), ms to end the window
//                            and its sound player; the server then goes on
// The spins start as soon as the window has painted, while the sounds may
// still be being decoded; the coin sound is left unheard with COINS 0, so
// that a big file may stand in for it.
// Usage: glint-bench-sound STOPS COINS RATE SOURCE [GROUP]

#include "bench_support.h"

#include "core/machine.h"
#include "core/sounds.h"
#include "core/texts.h"
#include "ui/data_dir.h"
#include "sound/wave_file.h"

#include <QPushButton>

#include <pulse/pulseaudio.h>
#include <signal.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using glint::bench::clockSeconds;
using Samples = std::vector<int16_t>;

constexpr double kFileRate = glint::sound::kSoundRate;
// A sound is known by 5 ms of its waveform taken 8 ms after it first gets
// loud, or failing that 40 ms after (the monitor of a sink that was idle
// may miss the first milliseconds of a sound), wherever the recording
// follows it closely at much the same level. A server running at another
// rate resamples the sound, so the stretch is brought to the recording's
// rate and compared by correlation rather than sample by sample.
constexpr int kLoud = 2000;
constexpr std::array<double, 2> kInto{0.008, 0.040};
constexpr double kSignatureSeconds = 0.005;
constexpr double kLike = 0.97;
constexpr double kSearchSeconds = 0.3;
// Where a stop is looked for from, before the step that asked for it. The
// recording's dates are good to a few milliseconds, but after the sink has
// been idle the server may rewrite what the monitor holds and shift them by
// tens; a stop found that early was still heard, and its delay, below zero,
// says the date was off.
constexpr double kEarlySeconds = 0.05;

// A stretch of a sound's waveform at the recording's rate, and the samples
// of the sound before it.
struct Signature {
    size_t lead = 0;
    std::vector<double> wave;
    double energy = 0;
};

std::vector<Signature> signaturesOf(const Samples& sound, double rate)
{
    std::vector<Signature> found;
    const auto loud = std::find_if(sound.begin(), sound.end(), [](int16_t s) { return std::abs(s) > kLoud; });
    for (double into : kInto) {
        Signature signature;
        signature.lead = size_t((double(loud - sound.begin()) / kFileRate + into) * rate);
        for (size_t k = 0; k < size_t(kSignatureSeconds * rate); ++k) {
            const double at = double(signature.lead + k) * kFileRate / rate;
            const size_t i = size_t(at);
            if (i + 1 >= sound.size())
                break;
            signature.wave.push_back(sound[i] + (at - double(i)) * (sound[i + 1] - sound[i]));
            signature.energy += signature.wave.back() * signature.wave.back();
        }
        if (signature.wave.size() == size_t(kSignatureSeconds * rate))
            found.push_back(std::move(signature));
    }
    return found;
}

double now()
{
    return clockSeconds(CLOCK_MONOTONIC);
}

// What the null sink plays, recorded from its monitor through libpulse. A
// sample is dated by the server's own account: each time a batch arrives
// the recorder asks for the stream's timing, which says how many samples
// the server had captured then (its write index), how long ago the newest
// of them was captured (the source's latency) and how long after that it
// is heard (the sink's latency, as a monitor receives what the sink renders
// before it is played). A sample's date is the median, over the surrounding
// second, of what those accounts give.
class Recording {
public:
    Recording(const char* source, double rate) : rate_(rate), loop_(pa_threaded_mainloop_new())
    {
        pa_threaded_mainloop_start(loop_);
        pa_threaded_mainloop_lock(loop_);
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "glint-bench-sound");
        pa_context_set_state_callback(context_, &Recording::onState, this);
        pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
        while (PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)) &&
               pa_context_get_state(context_) != PA_CONTEXT_READY)
            pa_threaded_mainloop_wait(loop_);
        if (pa_context_get_state(context_) == PA_CONTEXT_READY) {
            const pa_sample_spec format{PA_SAMPLE_S16NE, uint32_t(rate), 1};
            stream_ = pa_stream_new(context_, "recording", &format, nullptr);
            pa_stream_set_read_callback(stream_, &Recording::onRead, this);
            // Batches of 5 ms keep the null sink rendering in small steps.
            const pa_buffer_attr buffer{uint32_t(-1), uint32_t(-1), uint32_t(-1), uint32_t(-1),
                                        uint32_t(pa_usec_to_bytes(5000, &format))};
            pa_stream_connect_record(stream_, source, &buffer, PA_STREAM_ADJUST_LATENCY);
        }
        pa_threaded_mainloop_unlock(loop_);
    }
    ~Recording()
    {
        pa_threaded_mainloop_stop(loop_);
        if (stream_)
            pa_stream_unref(stream_);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        pa_threaded_mainloop_free(loop_);
    }
    bool started() const
    {
        std::lock_guard lock(mutex_);
        return !accounts_.empty();
    }
    // When the first sample at or after `from` was heard that starts the
    // sound, found by its waveform; nothing if none within the window.
    std::optional<double> onset(const std::vector<Signature>& signatures, double from) const
    {
        std::lock_guard lock(mutex_);
        for (const Signature& signature : signatures) {
            const size_t n = signature.wave.size();
            if (samples_.size() < n)
                continue;
            const size_t last = std::min(indexAt(from + kSearchSeconds) + signature.lead, samples_.size() - n);
            for (size_t at = indexAt(from) + signature.lead; at < last; ++at) {
                double dot = 0, energy = 0;
                for (size_t k = 0; k < n; ++k) {
                    dot += samples_[at + k] * signature.wave[k];
                    energy += double(samples_[at + k]) * samples_[at + k];
                }
                const double level = energy / signature.energy;
                if (dot > kLike * std::sqrt(energy * signature.energy) && level > 0.25 && level < 4)
                    return timeOf(at - signature.lead);
            }
        }
        return std::nullopt;
    }

private:
    static constexpr double kHorizon = 0.5;

    // When sample 0 was heard, as seen from around time `t` (the caller
    // holds the lock).
    double startNear(double t) const
    {
        std::vector<double> starts;
        for (const auto& [at, start] : accounts_) {
            if (std::abs(at - t) <= kHorizon)
                starts.push_back(start);
        }
        return starts.empty() ? accounts_.back().second : glint::bench::median(starts);
    }
    // When sample `at` was heard (the caller holds the lock).
    double timeOf(size_t at) const
    {
        const double roughly = accounts_.front().second + double(at) / rate_;
        return startNear(startNear(roughly) + double(at) / rate_) + double(at) / rate_;
    }
    // The first sample heard at or after time `t` (the caller holds the lock).
    size_t indexAt(double t) const { return size_t(std::max(0.0, std::ceil((t - startNear(t)) * rate_))); }

    static void onState(pa_context*, void* self)
    {
        pa_threaded_mainloop_signal(static_cast<Recording*>(self)->loop_, 0);
    }
    static void onRead(pa_stream* stream, size_t, void* self)
    {
        auto& recording = *static_cast<Recording*>(self);
        const void* data = nullptr;
        size_t bytes = 0;
        while (pa_stream_peek(stream, &data, &bytes) == 0 && bytes > 0) {
            std::lock_guard lock(recording.mutex_);
            const auto* samples = static_cast<const int16_t*>(data);
            if (data)
                recording.samples_.insert(recording.samples_.end(), samples, samples + bytes / 2);
            else
                recording.samples_.resize(recording.samples_.size() + bytes / 2); // a hole
            pa_stream_drop(stream);
        }
        if (pa_operation* update = pa_stream_update_timing_info(stream, &Recording::onTiming, self))
            pa_operation_unref(update);
    }
    static void onTiming(pa_stream* stream, int success, void* self)
    {
        const pa_timing_info* timing = pa_stream_get_timing_info(stream);
        if (!success || !timing || timing->write_index_corrupt)
            return;
        auto& recording = *static_cast<Recording*>(self);
        const double captured = double(timing->write_index) / 2;
        const double heard = now() - (double(timing->source_usec) - double(timing->sink_usec)) / 1e6;
        std::lock_guard lock(recording.mutex_);
        recording.accounts_.emplace_back(heard, heard - captured / recording.rate_);
    }

    double rate_;
    pa_threaded_mainloop* loop_;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    mutable std::mutex mutex_;
    Samples samples_;
    std::vector<std::pair<double, double>> accounts_; // when heard, when sample 0 was heard
};

Samples loadSound(const std::string& path)
{
    const auto decoded = glint::sound::decodeWave(path);
    return decoded.samples ? *decoded.samples : Samples();
}

// The times at which the reel cells are painted: the end of each step.
class StepClock : public QObject {
public:
    std::vector<double> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            paints.push_back(now());
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: glint-bench-sound STOPS COINS RATE SOURCE [GROUP]\n");
        return 2;
    }
    const int stops = std::max(1, std::atoi(argv[1]));
    const int coins = std::max(0, std::atoi(argv[2]));
    const double rate = std::max(8000, std::atoi(argv[3]));
    const pid_t serverGroup = argc > 5 ? std::atoi(argv[5]) : 0;
    int qtArgc = 1;
    const auto app = glint::bench::makeApplication(qtArgc, argv);
    auto window = glint::bench::makeWindow();
    Recording recording(argv[4], rate);
    for (int i = 0; i < 100 && !recording.started(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (!glint::bench::load(*window) || !glint::bench::showAndWaitForPaint(*window))
        return 1;

    StepClock steps;
    window->findChild<QWidget*>(QStringLiteral("ml"))->installEventFilter(&steps);
    glint::bench::Player player(*window);
    // Each stop asked for: which sounds count as it, and when.
    struct Asked {
        std::vector<std::string_view> names;
        double at;
        int spin;
    };
    std::vector<Asked> asked;
    int cut = 0;
    namespace s = glint::sound;
    for (int spin = 0; int(asked.size()) < stops; ++spin) {
        steps.paints.clear();
        const glint::bench::Play play = player.playOnce();
        std::vector<double> paints;
        for (double t : steps.paints)
            if (t >= play.startedAt)
                paints.push_back(t);
        if (int(paints.size()) != play.steps) {
            std::fprintf(stderr, "glint-bench-sound: %zu reel paints in a spin of %d steps\n", paints.size(),
                         play.steps);
            return 1;
        }
        // Recording goes on meanwhile; the sounds are looked for at the end.
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        // A stop is asked for at the start of the step after the reel's
        // last turn, right after the previous step's paint.
        if (!play.leftHeld)
            asked.push_back({{s::kLeftStop}, paints[size_t(play.leftTurns) - 1], spin});
        if (!play.middleHeld)
            asked.push_back({{s::kMiddleStop}, paints[size_t(play.middleTurns) - 1], spin});
        // The slogan stays on the status line only when no award, and so
        // no sound, came after the top of the trail.
        if (window->machine().ui.status.caption == glint::text::kTrailTop.english)
            ++cut;
        else
            asked.push_back({{s::kRightStop, s::kThreeInARow, s::kBonusSpin, s::kNudges, s::kHold}, paints.back(), spin});
    }
    const int spins = asked.back().spin + 1;

    // Coins in quick succession, each cutting off the last one's sound. A
    // coin into a silent game is not timed: a server starting an idle sink
    // slots the new sound in by rewriting what the monitor already has, so
    // its recorded start cannot be dated.
    std::vector<double> clicks;
    auto* cash = window->findChild<QPushButton*>(QStringLiteral("Command3"));
    for (int i = 0; i <= coins && coins > 0; ++i) {
        if (window->machine().coins <= 1)
            window->findChild<QPushButton*>(QStringLiteral("Command5"))->click();
        clicks.push_back(now());
        cash->click();
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }

    double closeMs = NAN;
    if (serverGroup > 0) {
        ::kill(-serverGroup, SIGSTOP);
        const double closing = now();
        window->close();
        window.reset();
        closeMs = (now() - closing) * 1000;
        ::kill(-serverGroup, SIGCONT);
    }

    std::map<std::string_view, std::vector<Signature>> sounds;
    const std::string dir = glint::AssetPaths(glint::ui::findDataDir().toStdString()).sound;
    for (std::string_view name : s::kAll)
        if (name != s::kCoin || coins > 0)
            sounds[name] = signaturesOf(loadSound(dir + std::string(name)), rate);
    std::vector<double> delays;
    for (const Asked& stop : asked) {
        std::optional<double> first;
        for (std::string_view name : stop.names) {
            if (const auto at = recording.onset(sounds[name], stop.at - kEarlySeconds); at && (!first || *at < *first))
                first = at;
        }
        if (first)
            delays.push_back((*first - stop.at) * 1000);
        else // which one, for whoever looks into it
            std::fprintf(stderr, "glint-bench-sound: %s not heard in spin %d\n", stop.names.front().data(), stop.spin);
    }
    const size_t stopsHeard = delays.size();
    const double stopMedian = glint::bench::median(delays);
    const double stopWorst = delays.empty() ? NAN : *std::max_element(delays.begin(), delays.end());
    delays.clear();
    for (size_t i = 1; i < clicks.size(); ++i) {
        if (const auto at = recording.onset(sounds[s::kCoin], clicks[i]))
            delays.push_back((*at - clicks[i]) * 1000);
    }
    std::printf("spins=%d stops=%zu stops-heard=%zu stops-cut=%d stop-median=%.1f stop-worst=%.1f coins=%d coins-heard=%zu "
                "coin-median=%.1f peak-rss-mb=%.1f close-ms=%.1f\n",
                spins, asked.size(), stopsHeard, cut, stopMedian, stopWorst, coins, delays.size(),
                glint::bench::median(delays), glint::bench::peakResidentMegabytes(), closeMs);
    return 0;
}
