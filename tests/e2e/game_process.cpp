#include "game_process.h"

#include "game_layout.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace glint::e2e {

namespace {

const std::string kTitle = "Glint Galore";
const std::string kMainTitlePrefix = kTitle + " - ";

// A border a few pixels wide may frame the splash's client area.
constexpr int kSplashSizeSlack = 10;

} // namespace

std::filesystem::path bundledDataDir()
{
    return GLINT_E2E_DATA_DIR;
}

std::filesystem::path builtInPicture(const std::string& fileName)
{
    return std::filesystem::path(GLINT_E2E_PICTURES_DIR) / fileName;
}

GameProcess::GameProcess(const std::string& display, const GameOptions& options) : runtime_("glint-e2e-run")
{
    std::filesystem::permissions(runtime_.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    // The sound library must never start a sound server of its own.
    const std::filesystem::path clientConfig = runtime_.path() / "pulse-client.conf";
    std::ofstream(clientConfig) << "autospawn = no\n";

    ChildOptions child;
    child.argv = {GLINT_E2E_GAME};
    child.setEnv = {
        {"DISPLAY", display},
        {"QT_QPA_PLATFORM", "xcb"},
        {"GLINT_DATA_DIR", options.dataDir.string()},
        {"XDG_RUNTIME_DIR", runtime_.path().string()},
        {"PULSE_CLIENTCONFIG", clientConfig.string()},
        {"PULSE_SERVER", options.soundServer.empty() ? "unix:" + (runtime_.path() / "no-server").string()
                                                     : options.soundServer},
    };
    // Pixel positions are checked, so no scaling the developer's desktop
    // asks for may apply.
    child.unsetEnv = {"WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING",
                      "QT_FONT_DPI"};
#ifdef GLINT_E2E_SANITIZED
    // AddressSanitizer reserves terabytes of address space for its shadow
    // memory at start, so no limit can be set; its allocator refuses
    // oversized requests by itself.
    child.setEnv["LSAN_OPTIONS"] = "suppressions=" GLINT_E2E_LSAN_SUPPRESSIONS ":print_suppressions=0";
#else
    child.addressSpaceLimit = options.addressSpaceLimit;
#endif
    startedAt_ = std::chrono::steady_clock::now();
    process_ = std::make_unique<ChildProcess>(child);
}

bool isMainWindow(const WindowInfo& window)
{
    return window.title.rfind(kMainTitlePrefix, 0) == 0;
}

bool isSplash(const WindowInfo& window)
{
    return window.frameless && std::abs(window.geometry.width - layout::kSplashWidth) <= kSplashSizeSlack &&
           std::abs(window.geometry.height - layout::kSplashHeight) <= kSplashSizeSlack;
}

bool isMessageBox(const WindowInfo& window)
{
    return window.title == kTitle && window.hasType("_NET_WM_WINDOW_TYPE_DIALOG");
}

WindowInfo waitForMainWindow(X11Driver& x11, GameProcess& game)
{
    // Generous: a loaded two-core machine may take a while to start Qt.
    const auto main = x11.waitForWindow(isMainWindow, std::chrono::seconds(30));
    if (!main)
        throw std::runtime_error("the main window did not appear; the game said: " + game.process().errorOutput());
    return *main;
}

} // namespace glint::e2e
