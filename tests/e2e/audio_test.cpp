// What the game sounds like, recorded from a private sound server's null
// sink while the game runs on a private X server.

#include "game_layout.h"
#include "game_process.h"
#include "pulse_server.h"
#include "screen_reader.h"
#include "sink_recorder.h"
#include "xvfb_server.h"

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <stdexcept>

namespace glint::e2e {
namespace {

using std::chrono::duration_cast;
using std::chrono::milliseconds;

constexpr auto kReelsStill = 800ms;
constexpr auto kSoundLatencyLimit = 200ms;
// Nine in ten 10 ms blocks of the nudge sound are loud, fewer than two in
// three of the bonus selector's.
constexpr double kNudgeLoudShare = 0.75;

long long millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return duration_cast<milliseconds>(to - from).count();
}

// A sound server that cannot start fails these tests: a machine that runs
// them is meant to have one installed.
class GameSound : public ::testing::Test {
protected:
    WindowInfo start()
    {
        GameOptions options;
        options.soundServer = pulse.address();
        game = std::make_unique<GameProcess>(xvfb.display(), options);
        const WindowInfo main = waitForMainWindow(x11, *game);
        x11.focus(main.id);
        return main;
    }

    void click(const WindowInfo& main, const Rect& control)
    {
        x11.click(main.id, layout::centre(control).x(), layout::centre(control).y());
    }

    // Waits until the recording reaches `when`; ends the test otherwise.
    void recordUntil(Clock::time_point when)
    {
        if (!recorder.waitUntilRecorded(when, 20s))
            throw std::runtime_error("the recording of the sound server stopped");
    }

    XvfbServer xvfb;
    X11Driver x11{xvfb.display()};
    PulseServer pulse;
    SinkRecorder recorder{pulse};
    std::unique_ptr<GameProcess> game;
};

TEST_F(GameSound, StartUpIsSilentAndACoinIsHeardWithinTwoHundredMilliseconds)
{
    const WindowInfo main = start();
    const auto shownAt = Clock::now();
    recordUntil(shownAt + 600ms);
    EXPECT_LE(recorder.peakBetween(game->startedAt(), shownAt + 500ms), SinkRecorder::kLoud)
        << "sound was heard during start-up or just after it";

    ASSERT_LE(recorder.peakBetween(Clock::now() - 300ms, Clock::now()), SinkRecorder::kLoud)
        << "something already plays before the coin";
    click(main, layout::kCash);
    const auto clickedAt = Clock::now();
    recordUntil(clickedAt + 1s);
    const auto heard = recorder.firstLoudFrom(clickedAt);
    ASSERT_TRUE(heard) << "no sound within a second of the coin";
    const auto latency = duration_cast<milliseconds>(*heard - clickedAt);
    std::cout << "[ measured ] the coin sound was heard " << latency.count() << " ms after the click\n";
    EXPECT_LE(latency, kSoundLatencyLimit);
}

TEST_F(GameSound, WonNudgesLoopTheirSoundUntilClosingTheWindowSilencesIt)
{
    const WindowInfo main = start();
    ASSERT_TRUE(waitForStillReels(x11, main.id, kReelsStill, 20s));
    // Five cheats' worth makes every play win nudges.
    click(main, layout::kCheat);
    click(main, layout::kCash);

    // The nudge sound beeps for 90 ms in every 100 ms; the bonus selector,
    // which a play that lands on the bonus rung starts instead, beeps for
    // 60 ms. Such a play is ended with Start and the machine played again.
    std::optional<Clock::time_point> spinEnd;
    for (int play = 0; play < 3 && !spinEnd; ++play) {
        click(main, layout::kStart);
        const auto still = waitForStillReels(x11, main.id, kReelsStill, 20s);
        ASSERT_TRUE(still) << "the reels did not come to rest";
        recordUntil(still->lastChange + 1000ms);
        const double share = recorder.loudShareBetween(still->lastChange + 200ms, still->lastChange + 1000ms);
        std::cout << "[ measured ] play " << play + 1 << ": " << int(share * 100)
                  << "% of the blocks after the spin are loud\n";
        if (share >= kNudgeLoudShare)
            spinEnd = still->lastChange;
        else
            click(main, layout::kStart);
    }
    ASSERT_TRUE(spinEnd) << "three plays after the cheat did not sound like won nudges";

    // The file lasts 1.6 s; heard throughout a stretch well after that, it
    // loops.
    recordUntil(*spinEnd + 2600ms);
    EXPECT_GE(recorder.loudShareBetween(*spinEnd + 2000ms, *spinEnd + 2600ms), kNudgeLoudShare)
        << "the nudge sound was not heard 2.0 to 2.6 s after the spin";

    ASSERT_GT(recorder.peakBetween(Clock::now() - 200ms, Clock::now()), SinkRecorder::kLoud)
        << "nothing plays just before the window is closed";
    x11.requestClose(main.id);
    const auto closedAt = Clock::now();
    recordUntil(closedAt + 1500ms);
    const auto lastHeard = recorder.lastLoudBetween(closedAt - 1s, closedAt + 1500ms);
    ASSERT_TRUE(lastHeard);
    const long long latency = millisecondsBetween(closedAt, *lastHeard);
    std::cout << "[ measured ] the last loud block arrived " << latency
              << " ms after the close request (negative: before it)\n";
    EXPECT_LE(latency, duration_cast<milliseconds>(kSoundLatencyLimit).count());

    const auto status = game->process().waitFor(5s);
    ASSERT_TRUE(status) << "the game still runs 5 s after its window was closed";
    EXPECT_TRUE(status->exited && status->code == 0) << status->describe() << "; the game said: " << game->process().errorOutput();
}

} // namespace
} // namespace glint::e2e
