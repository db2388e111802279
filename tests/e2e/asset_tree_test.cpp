// The game started on spoilt asset trees: what cannot be shown must stop
// start-up with a message the player acknowledges, and what is merely odd
// must not get in the way.

#include "asset_tree.h"
#include "game_layout.h"
#include "game_process.h"
#include "pulse_server.h"
#include "screen_reader.h"
#include "xvfb_server.h"

#include <X11/keysym.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>

namespace glint::e2e {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kStartTimeout = 30s;
constexpr auto kReelsStill = 800ms;
// Far more than the game needs, far less than a picture of 30000 by 30000
// pixels would take once decoded.
constexpr uint64_t kAddressSpaceLimit = 1ull << 30;

struct SpoiltTree {
    const char* name;
    std::function<void(AssetTree&)> spoil;
    // The path the game's complaint must name.
    std::string named;
};

std::ostream& operator<<(std::ostream& out, const SpoiltTree& tree)
{
    return out << tree.name;
}

// Sixteen good pictures less the last, so that a bad one joins them.
void fifteenGood(AssetTree& tree)
{
    tree.remove("images/16-crown.zri");
}

const SpoiltTree kUnusableTrees[] = {
    {"MissingImagesDirectory", [](AssetTree& t) { t.remove("images"); }, "images"},
    {"FifteenPictures", fifteenGood, "images"},
    {"EmptyPicture", [](AssetTree& t) { t.write("images/05-grapes.zri", ""); }, "images/05-grapes.zri"},
    {"TextFileAmongThePictures",
     [](AssetTree& t) {
         fifteenGood(t);
         t.write("images/x.zri", "These are not the pixels you are looking for.\n");
     },
     "images/x.zri"},
    {"TruncatedPng", [](AssetTree& t) { t.truncate("images/07-banana.zri", 0.5); }, "images/07-banana.zri"},
    {"HugePicture", [](AssetTree& t) { t.writeBlackPng("images/13-seven.zri", 30000, 30000); },
     "images/13-seven.zri"},
    {"DanglingLinkAmongThePictures",
     [](AssetTree& t) {
         fifteenGood(t);
         t.makeLink("images/z.zri", t.at("images/gone.png"));
     },
     "images/z.zri"},
    {"MissingUnlitLamp", [](AssetTree& t) { t.remove("images/bonus/bonusoff.bmp"); }, "images/bonus/bonusoff.bmp"},
};

class SpoiltAssets : public ::testing::TestWithParam<SpoiltTree> {
protected:
    XvfbServer xvfb;
    X11Driver x11{xvfb.display()};
    AssetTree tree;
    std::unique_ptr<GameProcess> game;
};

TEST_P(SpoiltAssets, StopStartUpWithAMessageNamingTheCulpritAndAFailureStatus)
{
    GetParam().spoil(tree);
    GameOptions options;
    options.dataDir = tree.root();
    options.addressSpaceLimit = kAddressSpaceLimit;
    game = std::make_unique<GameProcess>(xvfb.display(), options);
    ChildProcess& process = game->process();

    // The main window must never show, before the message or after it.
    bool mainShown = false;
    auto look = [&]() -> std::optional<WindowInfo> {
        std::optional<WindowInfo> box;
        for (const WindowInfo& window : x11.windows()) {
            mainShown = mainShown || (window.mapped && isMainWindow(window));
            if (window.mapped && isMessageBox(window))
                box = window;
        }
        return box;
    };
    std::optional<WindowInfo> box;
    const auto shownBy = Clock::now() + kStartTimeout;
    while (!box && process.running() && Clock::now() < shownBy) {
        box = look();
        std::this_thread::sleep_for(5ms);
    }
    ASSERT_TRUE(box) << "no message box appeared; the game " << (process.running() ? "still runs" : "ended")
                     << " and said: " << process.errorOutput();
    const std::string complaint = process.errorOutput();
    EXPECT_NE(complaint.find(tree.at(GetParam().named).string()), std::string::npos)
        << "the complaint does not name " << GetParam().named << ": " << complaint;

    x11.focus(box->id);
    x11.pressKey(XK_Return);
    std::optional<ExitStatus> status;
    const auto deadline = Clock::now() + 5s;
    while (!status && Clock::now() < deadline) {
        look();
        status = process.waitFor(20ms);
    }
    EXPECT_FALSE(mainShown) << "the main window was shown";
    ASSERT_TRUE(status) << "the game still runs 5 s after the message was acknowledged";
    EXPECT_TRUE(status->exited && status->code != 0) << status->describe() << "; the game said: " << game->process().errorOutput();
}

INSTANTIATE_TEST_SUITE_P(Trees, SpoiltAssets, ::testing::ValuesIn(kUnusableTrees),
                         [](const auto& info) { return std::string(info.param.name); });

class OddAssets : public ::testing::Test {
protected:
    WindowInfo start(const GameOptions& options)
    {
        game = std::make_unique<GameProcess>(xvfb.display(), options);
        return waitForMainWindow(x11, *game);
    }

    void closeAndExpectACleanEnd(const WindowInfo& main)
    {
        x11.requestClose(main.id);
        const auto status = game->process().waitFor(5s);
        const bool windowGone = !x11.waitForWindow(isMainWindow, 0ms);
        ASSERT_TRUE(status) << "the game still runs 5 s after its window was closed"
                            << (windowGone ? ", although the window has gone" : "");
        EXPECT_TRUE(status->exited && status->code == 0) << status->describe() << "; the game said: " << game->process().errorOutput();
    }

    XvfbServer xvfb;
    X11Driver x11{xvfb.display()};
    AssetTree tree;
    std::unique_ptr<GameProcess> game;
};

TEST_F(OddAssets, ADirectoryAndANamedPipeNamedLikePicturesAreLeftAlone)
{
    tree.makeDirectory("images/00.zri");
    tree.makePipe("images/01.zri");
    GameOptions options;
    options.dataDir = tree.root();
    const WindowInfo main = start(options);
    const auto still = waitForStillReels(x11, main.id, kReelsStill, 20s);
    ASSERT_TRUE(still);
    ScreenReader reader(tree.root());
    for (int symbol : reader.readReels(still->window))
        EXPECT_NE(symbol, kUnknownSymbol);
    closeAndExpectACleanEnd(main);
}

struct SpoiltSounds {
    const char* name;
    std::function<void(AssetTree&)> spoil;
};

std::ostream& operator<<(std::ostream& out, const SpoiltSounds& sounds)
{
    return out << sounds.name;
}

// Bytes that no decoder takes for sound.
std::string noise()
{
    std::string bytes;
    for (int i = 0; i < 5000; ++i)
        bytes.push_back(static_cast<char>((i * 7919) % 251));
    return bytes;
}

// The coin's sound and the reel stops are the ones a coin and a spin play;
// the attract tune is never played in these tests.
const SpoiltSounds kSpoiltSounds[] = {
    {"MissingFiles",
     [](AssetTree& t) {
         t.remove("sound/inMoney.wav");
         t.remove("sound/LEFT.WAV");
     }},
    {"GarbageBytes",
     [](AssetTree& t) {
         t.write("sound/inMoney.wav", noise());
         t.write("sound/reelstop.wav", noise());
     }},
    {"EmptyFiles",
     [](AssetTree& t) {
         t.write("sound/inMoney.wav", "");
         t.write("sound/theme.wav", "");
     }},
    {"HeaderWithoutData",
     [](AssetTree& t) { t.write("sound/right.wav", std::string("RIFF\x24\x08\x00\x00WAVEfmt ", 16)); }},
    {"CutShort", [](AssetTree& t) { t.truncate("sound/inMoney.wav", 0.5); }},
};

class BrokenSounds : public OddAssets, public ::testing::WithParamInterface<SpoiltSounds> {};

TEST_P(BrokenSounds, NeitherStopACoinAndASpinNorTheGameEndingWhenItsWindowCloses)
{
    PulseServer pulse;
    GetParam().spoil(tree);
    GameOptions options;
    options.dataDir = tree.root();
    options.soundServer = pulse.address();
    const WindowInfo main = start(options);
    ASSERT_TRUE(waitForStillReels(x11, main.id, kReelsStill, 20s));
    x11.click(main.id, layout::centre(layout::kCash).x(), layout::centre(layout::kCash).y());
    x11.click(main.id, layout::centre(layout::kStart).x(), layout::centre(layout::kStart).y());
    const auto after = waitForStillReels(x11, main.id, kReelsStill, 20s);
    ASSERT_TRUE(after) << "the window went: " << game->process().errorOutput();
    EXPECT_TRUE(after->changed) << "the reels did not spin";
    ASSERT_TRUE(game->process().running()) << game->process().errorOutput();
    closeAndExpectACleanEnd(main);
}

INSTANTIATE_TEST_SUITE_P(Trees, BrokenSounds, ::testing::ValuesIn(kSpoiltSounds),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace glint::e2e
