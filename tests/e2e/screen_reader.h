#pragma once

#include "game_process.h"
#include "x11_driver.h"

#include <QImage>

#include <array>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace glint::e2e {

constexpr int kUnknownSymbol = -1;
using ReelWindow = std::array<int, 9>;

// Tells which picture each reel cell and each trail lamp shows, by
// comparing their pixels with the pictures of an asset tree.
class ScreenReader {
public:
    explicit ScreenReader(const std::filesystem::path& dataDir = bundledDataDir());

    // For each cell, row by row from the top left: the index (0 to 15, in
    // name order) of the symbol picture it shows, or kUnknownSymbol.
    ReelWindow readReels(const QImage& mainWindow) const;
    // How far a cell is from the game's built-in placeholder picture.
    double differenceFromPlaceholder(const QImage& mainWindow, int cell) const;
    // The lamps from the top (bonus8) down: '1' lit, '0' unlit, '?' neither
    // picture.
    std::string readLamps(const QImage& mainWindow) const;

private:
    double difference(const QImage& mainWindow, int cell, const QImage& picture) const;

    std::vector<QImage> symbols_;
    QImage placeholder_;
    QImage lampOn_;
    QImage lampOff_;
};

struct StillReels {
    QImage window; // the whole main window once the reels stood still
    std::chrono::steady_clock::time_point lastChange;
    bool changed = false; // whether the reel area changed while watched
};

// Watches the reel area until it has not changed for `stillFor` (a spin
// steps every few milliseconds), then captures the window. Nothing when the
// reels do not come to rest within `timeout` or the window goes.
std::optional<StillReels> waitForStillReels(X11Driver& x11, unsigned long window, std::chrono::milliseconds stillFor,
                                            std::chrono::milliseconds timeout);

} // namespace glint::e2e
