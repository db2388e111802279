#pragma once

#include "child_process.h"
#include "temp_dir.h"
#include "x11_driver.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace glint::e2e {

// The asset tree that ships with the game, and the pictures built into it.
std::filesystem::path bundledDataDir();
std::filesystem::path builtInPicture(const std::string& fileName);

struct GameOptions {
    std::filesystem::path dataDir = bundledDataDir();
    // A sound server address such as "unix:/run/x/pulse/native"; empty
    // points the game at none, so a test never plays into the host's.
    std::string soundServer;
    std::optional<uint64_t> addressSpaceLimit;
};

// The real game executable, started on the given X display with the xcb
// platform, as a player would start it. Ended with its process group when
// the object goes.
class GameProcess {
public:
    GameProcess(const std::string& display, const GameOptions& options = {});

    ChildProcess& process() { return *process_; }
    std::chrono::steady_clock::time_point startedAt() const { return startedAt_; }

private:
    TempDir runtime_;
    std::chrono::steady_clock::time_point startedAt_;
    std::unique_ptr<ChildProcess> process_;
};

// The game's windows as the X server sees them.
bool isMainWindow(const WindowInfo& window);
bool isSplash(const WindowInfo& window);
bool isMessageBox(const WindowInfo& window);

// Waits for the game's main window; throws with what the game said on
// stderr when it does not appear in time.
WindowInfo waitForMainWindow(X11Driver& x11, GameProcess& game);

} // namespace glint::e2e
