#pragma once

#include "core/machine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace glint::test {

// One thing the machine asked of the outside world, in the order it asked.
struct Event {
    enum class Kind { Sound, Silence, Sleep, Repaint, Message, ShowSplash, UnloadSplash, Release };
    Kind kind;
    std::string text{}; // sound path, message text, picture file, or the lamps at a repaint
    int32_t flags = 0;  // sound flags
    double seconds = 0; // length of a sleep
    std::array<int32_t, 3> reels{}; // the win-line positions at a repaint
};

// A recording stand-in for the window system. Nothing really waits, plays
// or decodes: sleeping advances a fake clock, and a file decodes as a
// picture when its content starts with "PIC".
class FakePlatform : public Platform {
public:
    void startSound(const std::string& path, int32_t flags) override { record({Event::Kind::Sound, path, flags}); }
    void silence() override { record({Event::Kind::Silence}); }
    double monotonicSeconds() override { return now; }
    void sleepUntil(double deadline) override;
    uint64_t clockSeed() override;
    PictureId loadPicture(const std::string& path, std::string& error) override;
    void releasePicture(PictureId picture) override { record({Event::Kind::Release, pictures[picture]}); }
    std::string formatCurrency(Money amount) override;
    void messageBox(const std::string& text) override { record({Event::Kind::Message, text}); }
    void showSplash() override { record({Event::Kind::ShowSplash}); }
    void unloadSplash() override { record({Event::Kind::UnloadSplash}); }
    void repaintCells() override;

    const Machine* machine = nullptr; // whose lamps a repaint records
    bool recording = true;            // off for long runs
    std::vector<Event> events;
    double now = 5000.0;
    uint64_t nextSeed = 0; // the next clock seed when not 0, else one more than the last
    uint64_t lastSeed = 0;
    std::map<PictureId, std::string> pictures; // decoded pictures by handle

private:
    void record(Event e)
    {
        if (recording)
            events.push_back(std::move(e));
    }
    PictureId nextPicture_ = kFirstLoadedPicture;
};

// A throw-away asset tree (images/, images/bonus/, sound/) in the temp
// directory, removed again when the test ends.
class AssetTree {
public:
    AssetTree();
    ~AssetTree();
    AssetTree(const AssetTree&) = delete;
    AssetTree& operator=(const AssetTree&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path images() const { return root_ / "images"; }
    // A file under the root; content "PIC..." decodes, anything else fails.
    void addFile(const std::string& relative, const std::string& content = "PIC");
    // Symbol pictures "01.zri" .. up to `last`, and both lamps.
    void addStandardSet(int last = 16);

private:
    static inline int made = 0; // trees made by this process
    std::filesystem::path root_;
};

// A wanted value of the machine's next draw, in [lo, hi).
struct Draw {
    double lo, hi;
};
// Draws that make a reel turn k steps more than its fixed turn.
inline Draw stop(int32_t k) { return {k / 15.0, (k + 1) / 15.0}; }
// The award draws of a play, in the order the play takes them. The narrow
// ones sit next to a boundary, so a draw scaled to the wrong range shows.
constexpr Draw kNudgesWon{0.17, 0.2}, kNoNudges{0.2, 0.25}, kAnyDraw{0, 1};
constexpr Draw kHoldOffered{0.2, 0.25}, kNoHoldOffer{0.25, 1.0 / 3}, kTrailHeld{0.2, 0.25}, kTrailFree{0.25, 1};

// The machine's state and what it asked of the world since the record was
// last cleared, as named fields: credit, status, sounds, lamps and so on.
std::map<std::string, std::string> fields(const Machine& m, FakePlatform& fake);

// One row of a rule table: a started machine is put in a situation, then
// the fields listed in `then` ("key=value|key=value") must read as given;
// "said" is the sentence announced in the `when` step, or "(nothing)".
struct Case {
    const char* name;
    std::function<void(Machine&)> given;
    std::function<void(Machine&)> when;
    std::string then;
};

// A machine started with the standard asset tree, its start-up's record
// cleared so each test sees only what it caused.
class MachineTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Runs each row on a freshly started machine.
    void check(const std::vector<Case>& table);
    // The next spin draws these values, from its stops on.
    void script(const Machine& on, const std::vector<Draw>& draws);
    // A Start press whose reels stop where they stand (win line at these
    // strip positions), followed by the award draws.
    std::function<void(Machine&)> playAt(int32_t left, int32_t middle, int32_t right, std::vector<Draw> awards);

    AssetTree assets;
    FakePlatform fake;
    Machine m{fake, AssetPaths(assets.root().string())};
};

} // namespace glint::test
