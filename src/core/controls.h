#pragma once

#include "core/narration.h"
#include "core/picture.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace glint {

// Colours as the window system stores them: 0x00BBGGRR, red in the low byte.
using Colour = uint32_t;
constexpr Colour kBlack = 0x000000;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kGrey = 0x808080;
constexpr Colour kStatusGreen = 0x00C000;

// What one control shows. The window renders these and nothing else; the
// logic writes them.
struct Label {
    std::string caption;
    Colour foreColor = kBlack;
};

struct TextBox {
    std::string text;
};

struct Image {
    PictureId picture = kNoPicture;
};

// Items are appended at the end; a sorted list keeps them in alphabetical
// order ignoring letter case instead.
struct ListBox {
    explicit ListBox(bool sortedList = false) : sorted(sortedList) {}
    void addItem(std::string item);
    int32_t listCount() const { return static_cast<int32_t>(items.size()); }

    std::vector<std::string> items;
    bool sorted = false;
};

// A window timer. `starts` counts the moments it was switched on, so the
// window can restart its countdown exactly when the logic re-enables it.
struct Timer {
    Timer(int32_t ms, bool on) : interval(ms), enabled(on) {}
    void setEnabled(bool on);

    int32_t interval;
    bool enabled;
    uint32_t starts = 0;
};

// The latest short sentence for a player who cannot see the screen, in
// its parts and in English, and how many have been said: a sentence said
// twice is two announcements, and the window speaks each number once.
struct Announcement {
    void say(Words sentence);

    Words words;
    std::string text;
    uint32_t serial = 0;
};

// The controls of the main window whose content the game changes or reads,
// with their design-time content.
struct Form1Controls {
    Form1Controls();

    Label status;
    Image tl, tm, tr, ml, mm, mr, bl, bm, br;
    Label Label4, Label5, Label6, Label7;
    std::array<Label, 8> Trail;       // Trail1 .. Trail8 at index 0 .. 7
    std::array<Image, 8> bonus;       // bonus1 .. bonus8 at index 0 .. 7
    Label trailHeldLight;
    Label nopoints;
    Image titlepic{kTitlePicture};
    TextBox prizeMoney;
    TextBox cashpot;
    ListBox myDebug;
    ListBox List1, List2, List3;
    ListBox List4{true};

    Announcement announcement;

    Timer flashLights{300, true};
    Timer bonusTimer{100, false};
    Timer Timer1{500, false};
    Timer Timer2{4000, true};
    Timer Timer3{10000, false};

    Label& trailLabel(int32_t rung) { return Trail.at(static_cast<size_t>(rung - 1)); }
    const Label& trailLabel(int32_t rung) const { return Trail.at(static_cast<size_t>(rung - 1)); }
    Image& lamp(int32_t rung) { return bonus.at(static_cast<size_t>(rung - 1)); }
    // The rung the ladder shows red, 0 when none.
    int32_t litRung() const;
    // What assistive technology calls a label: what it shows, and for the
    // points box and the ladder also the current rung in words.
    Words spokenName(const Label& label) const;
};

} // namespace glint
