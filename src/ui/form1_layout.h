#pragma once

#include "core/controls.h"
#include "core/picture.h"

#include <array>
#include <optional>
#include <span>

namespace glint::ui {

enum class ControlKind { Shape, Line, Label, Image, Button, TextBox, ListBox };

enum class FontRole {
    Default,   // 8.25 point sans-serif
    Status,    // "Times New Roman" 12 point
    Trail,     // "Verdana" 18 point bold
    TrailHeld, // "Arial" 15.75 point
};

// One control of the main window. Positions and sizes are in pixels of the
// client area. Its texts are English, marked for the translators in the
// context "Form1"; the window shows them translated. Content that the game
// changes (label captions, pictures, texts, list items) comes from the
// machine's controls, not from here.
struct ControlSpec {
    const char* name;
    ControlKind kind;
    int x, y, width, height;
    const char* caption = ""; // buttons and the labels the game never writes
    bool visible = true;
    FontRole font = FontRole::Default;
    Colour fill = kBlack;                // shapes and lines
    std::optional<Colour> background{}; // labels; none means the window's colour
    bool centred = false;                // label text alignment
    PictureId picture = kNoPicture;      // images the game never changes
    // What assistive technology calls the control (for a button, its caption
    // first) and the hint shown on hovering; labels have neither, as they are
    // read by what they show.
    const char* accessibleName = nullptr;
    const char* toolTip = nullptr;
};

constexpr int kForm1Width = 688;
constexpr int kForm1Height = 497;

// Every control of the main window, in stacking order: the first lies at the
// bottom. Shapes lie under labels, labels under images, and all of those
// under the buttons, text boxes and lists.
std::span<const ControlSpec> form1Layout();

// The controls that take the keyboard focus, in tab order; the first has the
// focus when the window opens.
constexpr std::array<const char*, 10> kForm1TabOrder = {
    "Command2", "nudgel", "nudgeR", "nudgem", "cashpot", "Command3", "prizeMoney", "Command4", "Command5", "myDebug",
};

} // namespace glint::ui
