#pragma once

#include "core/money.h"
#include "core/picture.h"

#include <cstdint>
#include <string>

namespace glint {

// Everything the game logic needs from the world outside it. The Qt front
// end implements it for play; tests implement it with a recording fake.
class Platform {
public:
    virtual ~Platform() = default;

    // Starts a sound file, cutting off the one playing. sound::kLoopBit in
    // `flags` asks for a loop that lasts until stopped or replaced; without
    // it the sound plays once. Never blocks, never reports a missing file.
    virtual void startSound(const std::string& path, int32_t flags) = 0;
    // Silences whatever plays; harmless when nothing does.
    virtual void silence() = 0;

    // Seconds on a monotonic clock, for pacing the spin.
    virtual double monotonicSeconds() = 0;
    // Returns once the monotonic clock has reached `deadline`, without
    // handling any other event meanwhile.
    virtual void sleepUntil(double deadline) = 0;
    // A fine-grained wall-clock reading used to seed the random generator.
    virtual uint64_t clockSeed() = 0;

    // Decodes a picture by its content, whatever its file name says.
    // Returns kNoPicture and a reason in `error` when that fails.
    virtual PictureId loadPicture(const std::string& path, std::string& error) = 0;
    // Lets the front end free a picture nothing shows any more.
    virtual void releasePicture(PictureId picture) = 0;

    // The amount in the regional currency format with two decimals.
    virtual std::string formatCurrency(Money amount) = 0;

    // A modal message with one OK button and the game's title as caption;
    // returns when the player has closed it.
    virtual void messageBox(const std::string& text) = 0;

    // The splash window: shown and painted at once, later unloaded (which
    // does nothing if the player already closed it).
    virtual void showSplash() = 0;
    virtual void unloadSplash() = 0;

    // Puts the nine reel cells' current pictures on screen now, in the
    // order tl, ml, bl, tm, mm, bm, tr, mr, br.
    virtual void repaintCells() = 0;
};

} // namespace glint
