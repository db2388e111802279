#pragma once

#include "core/controls.h"
#include "core/money.h"
#include "core/picture.h"
#include "core/platform.h"
#include "core/random.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace glint {

// Start-up could not load a picture the game needs; the message names the
// file and the reason.
class AssetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The trail position of the "Bonus" rung: a play or nudge whose trail points
// land here starts the bonus selector.
constexpr int16_t kBonusRung = 4;

// Where the read-only asset tree lives: `root` holds images/ and sound/.
struct AssetPaths {
    explicit AssetPaths(std::string rootDir);
    std::string images; // ends with a separator
    std::string sound;  // ends with a separator
};

// The fruit machine: its state, the content of its controls and every
// handler and procedure of the main window. Event handlers are named after
// the control and event that trigger them. Everything runs on one thread,
// one handler at a time.
class Machine {
public:
    Machine(Platform& platform, AssetPaths paths);

    // --- window events -------------------------------------------------
    void Form_Load();      // the start-up sequence; throws AssetError
    void Form_Terminate(); // the window has gone
    void Command2_Click(); // Start
    void nudgel_Click();
    void nudgem_Click();
    void nudgeR_Click();
    void Command3_Click(); // "cash"
    void Command4_Click(); // "cheat"
    void Command5_Click(); // "more money"
    void List4_Click(int32_t index);
    void flashLights_Timer();
    void bonusTimer_Timer();
    void Timer2_Timer();

    // --- procedures ----------------------------------------------------
    void pickStops();
    void spinReels();
    void drawReels();
    void scoreSpin();
    void showTrail(int32_t position);
    void startBonus();
    void stopBonus();
    void showNudges();
    void playSound(std::string_view name, int32_t flags);
    void stopSound();
    void loadPictures();

    // --- helpers shared by the procedures -------------------------------
    // The symbol number at `position` of a strip list.
    static int32_t stripEntry(const ListBox& strip, int32_t position);
    // "Plays: " and the credit in the regional currency format.
    std::string playsText();
    // The three win-line symbols, left to right.
    std::array<int32_t, 3> winLine() const;

    // --- what a player who cannot see the screen is told (narration.cpp) --
    // The spoken name of a symbol, from its picture file's name.
    std::string symbolName(int32_t symbol) const;
    // What assistive technology calls a picture; empty for one that only
    // decorates.
    std::string pictureName(PictureId picture) const;
    // The player switched the game's sound off or on.
    void soundSwitched(bool on);

    // --- machine state ---------------------------------------------------
    int32_t leftSteps = 0;
    int32_t middleSteps = 0;
    int32_t rightSteps = 0;
    std::array<PictureId, 17> symbolPics{};
    PictureId bonusOnPic = kNoPicture;
    PictureId bonusOffPic = kNoPicture;
    std::array<int16_t, 17> symbolPoints{};
    int16_t trailPoints = 0;
    Money cashPot;
    int16_t coins = 0;
    Money credit;
    int16_t attractStep = 0;
    int32_t nudges = 0;
    bool holdAllowed = false;
    bool holdLeft = false;
    bool holdMiddle = false;
    bool holdRight = false;
    bool trailHeld = false;
    int16_t heldTrailPoints = 0;
    int16_t cheatCount = 0;
    int32_t topLeft = 0;
    int32_t topMiddle = 0;
    int32_t topRight = 0;
    int32_t reelLeft = 0;
    int32_t reelMiddle = 0;
    int32_t reelRight = 0;
    int32_t bottomLeft = 0;
    int32_t bottomMiddle = 0;
    bool soundOn = true;
    int16_t flashPhase = 0;
    int16_t featureIndex = 0;
    std::array<std::string, 6> featureNames;
    // The idle machine has said its attract message once; a coin or a tick
    // with credit or nudges makes it due again.
    bool attractSaid = false;

    // What the main window shows.
    Form1Controls ui;

    // The one random generator of the game.
    Random rnd;

    const AssetPaths& assets() const { return paths_; }

private:
    enum class Reel { Left, Middle, Right };
    void holdOrNudge(Reel reel);
    void setFlashLamps(bool oddLit);
    // Says the win line by name and what the play or nudge left on screen.
    void sayOutcome(bool nudged);

    Platform& platform_;
    AssetPaths paths_;
};

} // namespace glint
