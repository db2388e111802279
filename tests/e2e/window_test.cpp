// The game's windows on a real X server, played with the mouse and the
// keyboard and judged by their pixels.

#include "game_layout.h"
#include "game_process.h"
#include "pixel_compare.h"
#include "screen_reader.h"
#include "xvfb_server.h"

#include <X11/keysym.h>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

namespace glint::e2e {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kStartTimeout = 30s;
constexpr auto kSpinTimeout = 20s;
// Longer than any pause between two steps of a spin, even on a busy machine.
constexpr auto kReelsStill = 800ms;

std::string describe(const ReelWindow& reels)
{
    std::string text;
    for (int symbol : reels)
        text += std::to_string(symbol) + " ";
    return text;
}

class GameWindow : public ::testing::Test {
protected:
    // Starts the game and returns its main window once it is on screen.
    WindowInfo start()
    {
        game = std::make_unique<GameProcess>(xvfb.display());
        const WindowInfo main = waitForMainWindow(x11, *game);
        // With no window manager, activation is the test's job.
        x11.focus(main.id);
        return main;
    }

    QImage stillWindow(const WindowInfo& main)
    {
        const auto still = waitForStillReels(x11, main.id, kReelsStill, kSpinTimeout);
        if (!still)
            throw std::runtime_error("the reels did not come to rest");
        return still->window;
    }

    // Uses any nudges a play has left (a play is refused while they last)
    // with the left Hold/Nudge button, then gives the focus back to Start,
    // just before it in the tab order.
    void useUpNudges(const WindowInfo& main)
    {
        QImage before = stillWindow(main);
        for (int click = 0; click < 12; ++click) {
            x11.click(main.id, layout::centre(layout::kNudgeLeft).x(), layout::centre(layout::kNudgeLeft).y());
            const QImage after = stillWindow(main);
            if (differingPixelsInside(before, after, layout::kReelArea) == 0)
                break;
            before = after;
        }
        x11.pressKey(XK_Tab, {XK_Shift_L});
    }

    // Presses Start with `press` until the reels show something new. A
    // press can be spent stopping a bonus selector or refused for unused
    // nudges, and once in 3375 plays every reel turns a whole circle.
    ReelWindow playUntilReelsMove(const WindowInfo& main, const std::function<void()>& press)
    {
        ReelWindow before = reader.readReels(stillWindow(main));
        for (int attempt = 0; attempt < 3; ++attempt) {
            press();
            const ReelWindow after = reader.readReels(stillWindow(main));
            if (after != before)
                return after;
            useUpNudges(main);
            before = reader.readReels(stillWindow(main));
        }
        ADD_FAILURE() << "three presses of Start left the reels at " << describe(before);
        return before;
    }

    XvfbServer xvfb;
    X11Driver x11{xvfb.display()};
    ScreenReader reader;
    std::unique_ptr<GameProcess> game;
};

TEST_F(GameWindow, SplashShowsCentredDuringStartUpAndIsGoneWhenTheMainWindowAppears)
{
    game = std::make_unique<GameProcess>(xvfb.display());
    std::optional<WindowInfo> splash;
    std::optional<Clock::time_point> mainShownAt;
    bool splashBesideMain = false;
    // Each look is one consistent moment of the server, so the splash and
    // the main window can only be seen together if both were mapped.
    const auto deadline = Clock::now() + kStartTimeout;
    while (Clock::now() < deadline && (!mainShownAt || Clock::now() < *mainShownAt + 300ms)) {
        bool splashMapped = false;
        bool mainMapped = false;
        for (const WindowInfo& window : x11.windows()) {
            if (window.mapped && isSplash(window)) {
                splashMapped = true;
                if (!splash)
                    splash = window;
            }
            mainMapped = mainMapped || (window.mapped && isMainWindow(window));
        }
        if (mainMapped && !mainShownAt)
            mainShownAt = Clock::now();
        splashBesideMain = splashBesideMain || (mainMapped && splashMapped);
        std::this_thread::sleep_for(2ms);
    }
    const bool mainShown = mainShownAt.has_value();
    ASSERT_TRUE(mainShown) << game->process().errorOutput();
    ASSERT_TRUE(splash) << "no frameless window of about " << layout::kSplashWidth << "x" << layout::kSplashHeight
                        << " was seen during start-up";
    EXPECT_NEAR(splash->geometry.x + splash->geometry.width / 2, XvfbServer::kScreenWidth / 2, 2);
    EXPECT_NEAR(splash->geometry.y + splash->geometry.height / 2, XvfbServer::kScreenHeight / 2, 2);
    EXPECT_FALSE(splashBesideMain) << "the splash was still on screen with the main window";
}

TEST_F(GameWindow, ReelCellsShowTheLoadedSymbolsAndNotTheBuiltInPlaceholder)
{
    const WindowInfo main = start();
    EXPECT_EQ(main.geometry.width, layout::kMainWidth);
    EXPECT_EQ(main.geometry.height, layout::kMainHeight);
    const QImage shot = stillWindow(main);
    const ReelWindow reels = reader.readReels(shot);
    for (int cell = 0; cell < 9; ++cell) {
        EXPECT_NE(reels[static_cast<size_t>(cell)], kUnknownSymbol) << "cell " << cell << " shows no symbol picture";
        EXPECT_GT(reader.differenceFromPlaceholder(shot, cell), 20.0) << "cell " << cell << " shows the placeholder";
    }
}

TEST_F(GameWindow, IdleLampsAlternateWhileTheRestOfTheWindowStaysStill)
{
    const WindowInfo main = start();
    const Rect whole{0, 0, layout::kMainWidth, layout::kMainHeight};
    stillWindow(main);
    // The attract sequence rewrites texts every 4 s; a pair of captures
    // that straddles such a tick is simply taken again.
    int lampChanges = 0;
    int pairs = 0;
    bool seenAlone = false;
    std::string first;
    std::string second;
    const auto deadline = Clock::now() + 3s;
    while (!seenAlone && Clock::now() < deadline) {
        const QImage a = x11.capture(main.id, whole);
        std::this_thread::sleep_for(150ms);
        const QImage b = x11.capture(main.id, whole);
        ++pairs;
        if (differingPixelsInside(a, b, layout::kLampColumn) == 0)
            continue;
        ++lampChanges;
        if (differingPixelsOutside(a, b, layout::kLampColumn) != 0)
            continue;
        seenAlone = true;
        first = reader.readLamps(a);
        second = reader.readLamps(b);
    }
    ASSERT_TRUE(seenAlone) << lampChanges << " of " << pairs
                           << " pairs of captures 150 ms apart had a lamp change, none without other changes";
    EXPECT_TRUE((first == "10101010" && second == "01010101") || (first == "01010101" && second == "10101010"))
        << "lamps from the top went from " << first << " to " << second;
}

TEST_F(GameWindow, CashThenStartSpinTheReelsAndTheSpaceBarPlaysAgain)
{
    const WindowInfo main = start();
    const ReelWindow atStart = reader.readReels(stillWindow(main));

    x11.click(main.id, layout::centre(layout::kCash).x(), layout::centre(layout::kCash).y());
    stillWindow(main);
    const ReelWindow afterClick = playUntilReelsMove(main, [&] {
        x11.click(main.id, layout::centre(layout::kStart).x(), layout::centre(layout::kStart).y());
    });
    EXPECT_NE(afterClick, atStart);
    for (int symbol : afterClick)
        EXPECT_NE(symbol, kUnknownSymbol) << describe(afterClick);

    // The click left the focus on Start, so the space bar presses it.
    const ReelWindow afterSpace = playUntilReelsMove(main, [&] { x11.pressKey(XK_space); });
    EXPECT_NE(afterSpace, afterClick);
    ASSERT_TRUE(game->process().running()) << game->process().errorOutput();
}

TEST_F(GameWindow, ClosingTheMainWindowEndsTheProgramWithStatusZeroWithinASecond)
{
    const WindowInfo main = start();
    stillWindow(main);
    const auto asked = Clock::now();
    x11.requestClose(main.id);
    const auto status = game->process().waitFor(5s);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - asked);
    std::cout << "[ measured ] the program ended " << took.count() << " ms after the close request\n";
    ASSERT_TRUE(status) << "still running 5 s after the close request";
    EXPECT_TRUE(status->exited && status->code == 0) << status->describe() << "; the game said: " << game->process().errorOutput();
    EXPECT_LE(took, 1000ms);
}

} // namespace
} // namespace glint::e2e
