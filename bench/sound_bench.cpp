// Times the game's sounds as a listener hears them. The real main window
// plays into a sound server; RECORDER (parec on the monitor of a null sink,
// raw 16-bit mono at 44.1 kHz) records it, and each sound's start is found in
// the recording by its waveform. Prints one line:
//   stops, stops-heard       reel stops asked for over the spins, and found
//   stop-median, stop-worst  ms from the step that asked for a stop to its
//                            first sample (the award that replaces the right
//                            reel's stop counts as its stop)
//   coins, coins-heard, coin-median
//                            ms from a click on "cash" to the coin sound's
//                            first sample, coins half a second apart
// Usage: glint-bench-sound SPINS COINS RECORDER [ARGUMENT...]

#include "bench_support.h"

#include "core/machine.h"
#include "core/sounds.h"
#include "ui/data_dir.h"
#include "ui/wave_file.h"

#include <QPushButton>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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

constexpr double kRate = 44100;
// A sound is known by 48 samples taken 8 ms after it first gets loud, or
// failing that 40 ms after (the monitor of a sink that was idle may miss
// the first milliseconds of a sound).
constexpr size_t kSignature = 48;
constexpr int kLoud = 2000;
constexpr std::array<size_t, 2> kInto{44100 * 8 / 1000, 44100 * 40 / 1000};
constexpr int kTolerance = 24;
constexpr double kSearchSeconds = 0.3;
// Where a stop is looked for from, before the step that asked for it. The
// recording's dates are good to a few milliseconds, but after the sink has
// been idle the server may rewrite what the monitor holds and shift them by
// tens; a stop found that early was still heard, and its delay, below zero,
// says the date was off.
constexpr double kEarlySeconds = 0.05;

double now()
{
    return clockSeconds(CLOCK_MONOTONIC);
}

// The recorder's output as it arrives. A sample is dated by when the
// samples around it arrived: the median, over the surrounding second, of a
// batch's arrival less the samples before it, less those before the sample.
// A null sink renders a little ahead of its clock and the recorder gets
// batches a little late; the median keeps a steady middle between the two
// and follows any drift.
class Recording {
public:
    explicit Recording(char** command)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        if (posix_spawnp(&pid_, command[0], &actions, nullptr, command, environ) != 0)
            pid_ = 0;
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        reader_ = std::thread([this, fd = fds[0]] { read(fd); });
    }
    ~Recording()
    {
        if (pid_)
            kill(pid_, SIGTERM);
        if (reader_.joinable())
            reader_.join();
        if (pid_)
            waitpid(pid_, nullptr, 0);
    }
    bool started() const
    {
        std::lock_guard lock(mutex_);
        return !samples_.empty();
    }
    // When the first sample at or after `from` was heard that starts
    // `sound`, found by its waveform; nothing if none within the window.
    std::optional<double> onset(const Samples& sound, double from) const
    {
        std::lock_guard lock(mutex_);
        if (samples_.size() < kSignature)
            return std::nullopt;
        const auto loud = std::find_if(sound.begin(), sound.end(), [](int16_t s) { return std::abs(s) > kLoud; });
        for (size_t into : kInto) {
            const size_t lead = size_t(loud - sound.begin()) + into;
            if (lead + kSignature > sound.size())
                continue;
            const size_t last = std::min(indexAt(from + kSearchSeconds) + lead, samples_.size() - kSignature);
            for (size_t at = indexAt(from) + lead; at < last; ++at) {
                bool same = true;
                for (size_t k = 0; same && k < kSignature; ++k)
                    same = std::abs(samples_[at + k] - sound[lead + k]) <= kTolerance;
                if (same)
                    return timeOf(at - lead);
            }
        }
        return std::nullopt;
    }

private:
    static constexpr double kHorizon = 0.5;

    // The recording's start as seen from around time `t` (the caller holds
    // the lock).
    double startNear(double t) const
    {
        std::vector<double> starts;
        for (const auto& [arrived, count] : arrivals_) {
            if (std::abs(arrived - t) <= kHorizon)
                starts.push_back(arrived - double(count) / kRate);
        }
        return glint::bench::median(starts);
    }
    // When sample `at` was heard (the caller holds the lock).
    double timeOf(size_t at) const
    {
        const double roughly = arrivals_.front().first + double(at) / kRate;
        return startNear(startNear(roughly) + double(at) / kRate) + double(at) / kRate;
    }
    // The first sample heard at or after time `t` (the caller holds the lock).
    size_t indexAt(double t) const { return size_t(std::max(0.0, std::ceil((t - startNear(t)) * kRate))); }

    void read(int fd)
    {
        int16_t chunk[441];
        ssize_t got = 0;
        while ((got = ::read(fd, chunk, sizeof chunk)) > 0) {
            const double arrived = now();
            std::lock_guard lock(mutex_);
            samples_.insert(samples_.end(), chunk, chunk + got / 2);
            arrivals_.emplace_back(arrived, samples_.size());
        }
        close(fd);
    }

    pid_t pid_ = 0;
    mutable std::mutex mutex_;
    Samples samples_;
    std::vector<std::pair<double, size_t>> arrivals_; // arrival time, samples so far
    std::thread reader_;
};

Samples loadSound(const std::string& path)
{
    const auto samples = glint::ui::decodeWave(path);
    return samples ? *samples : Samples();
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
    if (argc < 4) {
        std::fprintf(stderr, "usage: glint-bench-sound SPINS COINS RECORDER [ARGUMENT...]\n");
        return 2;
    }
    const int spins = std::max(1, std::atoi(argv[1]));
    const int coins = std::max(1, std::atoi(argv[2]));
    int qtArgc = 1;
    const auto app = glint::bench::makeApplication(qtArgc, argv);
    const auto window = glint::bench::makeWindow();
    if (!glint::bench::load(*window) || !glint::bench::showAndWaitForPaint(*window))
        return 1;
    window->platform().sounds().sync();

    std::map<std::string_view, Samples> sounds;
    const std::string dir = glint::AssetPaths(glint::ui::findDataDir().toStdString()).sound;
    for (std::string_view name : glint::sound::kAll)
        sounds[name] = loadSound(dir + std::string(name));
    Recording recording(argv + 3);
    for (int i = 0; i < 100 && !recording.started(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));

    StepClock steps;
    window->findChild<QWidget*>(QStringLiteral("ml"))->installEventFilter(&steps);
    glint::bench::Player player(*window);
    std::vector<double> delays;
    int asked = 0;
    auto heard = [&](std::initializer_list<std::string_view> names, double askedAt) {
        ++asked;
        std::optional<double> first;
        for (std::string_view name : names) {
            if (const auto at = recording.onset(sounds[name], askedAt - kEarlySeconds); at && (!first || *at < *first))
                first = at;
        }
        if (first)
            delays.push_back((*first - askedAt) * 1000);
    };
    namespace s = glint::sound;
    for (int i = 0; i < spins; ++i) {
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
        // Recording goes on meanwhile; the sounds are looked for afterwards.
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        // A stop is asked for at the start of the step after the reel's
        // last turn, right after the previous step's paint.
        if (!play.leftHeld)
            heard({s::kLeftStop}, paints[size_t(play.leftTurns) - 1]);
        if (!play.middleHeld)
            heard({s::kMiddleStop}, paints[size_t(play.middleTurns) - 1]);
        heard({s::kRightStop, s::kThreeInARow, s::kBonusSpin, s::kNudges, s::kHold}, paints.back());
    }
    const size_t stopsHeard = delays.size();
    const double stopMedian = glint::bench::median(delays);
    const double stopWorst = delays.empty() ? NAN : *std::max_element(delays.begin(), delays.end());

    // Coins in quick succession, each cutting off the last one's sound. A
    // coin into a silent game is not timed: a server starting an idle sink
    // slots the new sound in by rewriting what the monitor already has, so
    // its recorded start cannot be dated.
    delays.clear();
    auto* cash = window->findChild<QPushButton*>(QStringLiteral("Command3"));
    for (int i = 0; i <= coins; ++i) {
        if (window->machine().coins <= 1)
            window->findChild<QPushButton*>(QStringLiteral("Command5"))->click();
        const double clicked = now();
        cash->click();
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        if (const auto at = recording.onset(sounds[s::kCoin], clicked); at && i > 0)
            delays.push_back((*at - clicked) * 1000);
    }
    std::printf("stops=%d stops-heard=%zu stop-median=%.1f stop-worst=%.1f coins=%d coins-heard=%zu coin-median=%.1f\n",
                asked, stopsHeard, stopMedian, stopWorst, coins, delays.size(), glint::bench::median(delays));
    return 0;
}
