#include "ui/form1_layout.h"

#include <QtGlobal>

namespace glint::ui {

namespace {

using K = ControlKind;

constexpr ControlSpec kLayout[] = {
    // Shapes: backdrops of the status line, the reels and the coin slot.
    {.name = "Shape3", .kind = K::Shape, .x = 0, .y = 48, .width = 329, .height = 321},
    {.name = "Shape1", .kind = K::Shape, .x = 8, .y = 8, .width = 313, .height = 33},
    {.name = "Shape2", .kind = K::Shape, .x = 600, .y = 8, .width = 73, .height = 57, .fill = kRed},

    // The frame around the reel strip lists, a set-up aid.
    {.name = "Line1", .kind = K::Line, .x = 528, .y = 112, .width = 153, .height = 1, .visible = false},
    {.name = "Line2", .kind = K::Line, .x = 528, .y = 488, .width = 153, .height = 1, .visible = false},
    {.name = "Line3", .kind = K::Line, .x = 528, .y = 112, .width = 1, .height = 377, .visible = false},
    {.name = "Line4", .kind = K::Line, .x = 680, .y = 112, .width = 1, .height = 377, .visible = false},
    {.name = "Line5", .kind = K::Line, .x = 528, .y = 128, .width = 153, .height = 1, .visible = false},

    // Labels.
    {.name = "status", .kind = K::Label, .x = 8, .y = 16, .width = 313, .height = 25, .font = FontRole::Status,
     .background = kBlack, .centred = true},
    {.name = "Label5", .kind = K::Label, .x = 8, .y = 376, .width = 105, .height = 17},
    {.name = "Label6", .kind = K::Label, .x = 120, .y = 376, .width = 81, .height = 17},
    {.name = "Label7", .kind = K::Label, .x = 216, .y = 376, .width = 105, .height = 17},
    {.name = "Label4", .kind = K::Label, .x = 8, .y = 416, .width = 137, .height = 17},
    {.name = "Trail8", .kind = K::Label, .x = 352, .y = 48, .width = 33, .height = 25, .font = FontRole::Trail},
    {.name = "Trail7", .kind = K::Label, .x = 352, .y = 80, .width = 33, .height = 25, .font = FontRole::Trail},
    {.name = "Trail6", .kind = K::Label, .x = 352, .y = 112, .width = 33, .height = 25, .font = FontRole::Trail},
    {.name = "Trail5", .kind = K::Label, .x = 352, .y = 144, .width = 33, .height = 25, .font = FontRole::Trail},
    {.name = "Trail4", .kind = K::Label, .x = 336, .y = 176, .width = 89, .height = 25, .font = FontRole::Trail},
    {.name = "Trail3", .kind = K::Label, .x = 352, .y = 208, .width = 33, .height = 25, .font = FontRole::Trail},
    {.name = "Trail2", .kind = K::Label, .x = 352, .y = 240, .width = 33, .height = 25, .font = FontRole::Trail},
    {.name = "Trail1", .kind = K::Label, .x = 352, .y = 272, .width = 33, .height = 25, .font = FontRole::Trail},
    {.name = "trailHeldLight", .kind = K::Label, .x = 352, .y = 328, .width = 57, .height = 65,
     .font = FontRole::TrailHeld},
    {.name = "nopoints", .kind = K::Label, .x = 336, .y = 400, .width = 81, .height = 17},
    {.name = "Label3", .kind = K::Label, .x = 504, .y = 64, .width = 89, .height = 17,
     .caption = QT_TRANSLATE_NOOP("Form1", "Pay Tube!")},
    {.name = "Label2", .kind = K::Label, .x = 600, .y = 64, .width = 81, .height = 17,
     .caption = QT_TRANSLATE_NOOP("Form1", "Total Cash")},
    {.name = "Label1", .kind = K::Label, .x = 576, .y = 112, .width = 57, .height = 17,
     .caption = QT_TRANSLATE_NOOP("Form1", "Reel Layout"), .visible = false},

    // Images: the reel cells, the shading strips over them, the trail lamps
    // and the title logo.
    {.name = "tl", .kind = K::Image, .x = 8, .y = 56, .width = 100, .height = 100},
    {.name = "tm", .kind = K::Image, .x = 112, .y = 56, .width = 100, .height = 100},
    {.name = "tr", .kind = K::Image, .x = 216, .y = 56, .width = 100, .height = 100},
    {.name = "ml", .kind = K::Image, .x = 8, .y = 156, .width = 100, .height = 100},
    {.name = "mm", .kind = K::Image, .x = 112, .y = 156, .width = 100, .height = 100},
    {.name = "mr", .kind = K::Image, .x = 216, .y = 156, .width = 100, .height = 100},
    {.name = "bl", .kind = K::Image, .x = 8, .y = 256, .width = 100, .height = 100},
    {.name = "bm", .kind = K::Image, .x = 112, .y = 256, .width = 100, .height = 100},
    {.name = "br", .kind = K::Image, .x = 216, .y = 256, .width = 100, .height = 100},
    {.name = "Image4", .kind = K::Image, .x = 8, .y = 48, .width = 100, .height = 15, .picture = kShadeTopPicture},
    {.name = "Image5", .kind = K::Image, .x = 112, .y = 48, .width = 100, .height = 15, .picture = kShadeTopPicture},
    {.name = "Image6", .kind = K::Image, .x = 216, .y = 48, .width = 100, .height = 15, .picture = kShadeTopPicture},
    {.name = "Image1", .kind = K::Image, .x = 8, .y = 352, .width = 100, .height = 15,
     .picture = kShadeBottomPicture},
    {.name = "Image2", .kind = K::Image, .x = 112, .y = 352, .width = 100, .height = 15,
     .picture = kShadeBottomPicture},
    {.name = "Image3", .kind = K::Image, .x = 216, .y = 352, .width = 100, .height = 15,
     .picture = kShadeBottomPicture},
    {.name = "bonus8", .kind = K::Image, .x = 424, .y = 0, .width = 50, .height = 40},
    {.name = "bonus7", .kind = K::Image, .x = 424, .y = 40, .width = 50, .height = 40},
    {.name = "bonus6", .kind = K::Image, .x = 424, .y = 80, .width = 50, .height = 40},
    {.name = "bonus5", .kind = K::Image, .x = 424, .y = 120, .width = 50, .height = 40},
    {.name = "bonus4", .kind = K::Image, .x = 424, .y = 160, .width = 50, .height = 40},
    {.name = "bonus3", .kind = K::Image, .x = 424, .y = 200, .width = 50, .height = 40},
    {.name = "bonus2", .kind = K::Image, .x = 424, .y = 240, .width = 50, .height = 40},
    {.name = "bonus1", .kind = K::Image, .x = 424, .y = 280, .width = 50, .height = 40},
    {.name = "titlepic", .kind = K::Image, .x = 480, .y = 120, .width = 200, .height = 123},

    // Text boxes.
    {.name = "prizeMoney", .kind = K::TextBox, .x = 504, .y = 80, .width = 89, .height = 25,
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "Prize money")},
    {.name = "cashpot", .kind = K::TextBox, .x = 600, .y = 80, .width = 81, .height = 25,
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "Total cash")},

    // Buttons; "more money" lies under the debug list. Each accessible name
    // begins with the caption, so a player who says or hears what is on the
    // button reaches it. The tooltips name the keys that press them (see
    // KeyboardPlay).
    {.name = "nudgel", .kind = K::Button, .x = 16, .y = 432, .width = 89, .height = 57,
     .caption = QT_TRANSLATE_NOOP("Form1", "Hold/Nudge"),
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "Hold/Nudge left reel"),
     .toolTip = QT_TRANSLATE_NOOP("Form1", "Hold or nudge the left reel (1)")},
    {.name = "nudgem", .kind = K::Button, .x = 120, .y = 432, .width = 89, .height = 57,
     .caption = QT_TRANSLATE_NOOP("Form1", "Hold/Nudge"),
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "Hold/Nudge middle reel"),
     .toolTip = QT_TRANSLATE_NOOP("Form1", "Hold or nudge the middle reel (2)")},
    {.name = "nudgeR", .kind = K::Button, .x = 224, .y = 432, .width = 89, .height = 57,
     .caption = QT_TRANSLATE_NOOP("Form1", "Hold/Nudge"),
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "Hold/Nudge right reel"),
     .toolTip = QT_TRANSLATE_NOOP("Form1", "Hold or nudge the right reel (3)")},
    {.name = "Command2", .kind = K::Button, .x = 328, .y = 432, .width = 65, .height = 57,
     .caption = QT_TRANSLATE_NOOP("Form1", "Start"),
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "Start"),
     .toolTip = QT_TRANSLATE_NOOP("Form1", "Start (Space or Enter)")},
    {.name = "Command4", .kind = K::Button, .x = 512, .y = 8, .width = 49, .height = 49,
     .caption = QT_TRANSLATE_NOOP("Form1", "cheat"),
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "cheat"),
     .toolTip = QT_TRANSLATE_NOOP("Form1", "Cheat: win nudges on every play")},
    {.name = "Command3", .kind = K::Button, .x = 616, .y = 16, .width = 41, .height = 41,
     .caption = QT_TRANSLATE_NOOP("Form1", "cash"),
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "cash, insert a coin"),
     .toolTip = QT_TRANSLATE_NOOP("Form1", "Insert a coin (C)")},
    {.name = "Command5", .kind = K::Button, .x = 608, .y = 280, .width = 57, .height = 57,
     .caption = QT_TRANSLATE_NOOP("Form1", "more money"),
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "more money"),
     .toolTip = QT_TRANSLATE_NOOP("Form1", "Put five more coins in the purse")},
    {.name = "imageSetup", .kind = K::Button, .x = 408, .y = 432, .width = 153, .height = 25,
     .caption = QT_TRANSLATE_NOOP("Form1", "Setup Images"), .visible = false},
    {.name = "Command1", .kind = K::Button, .x = 408, .y = 464, .width = 153, .height = 25,
     .caption = QT_TRANSLATE_NOOP("Form1", "Set Up Reels"), .visible = false},

    // Lists: the debug trace, and the hidden reel strips and picture names.
    {.name = "myDebug", .kind = K::ListBox, .x = 496, .y = 248, .width = 177, .height = 199,
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "Scoring trace")},
    {.name = "List1", .kind = K::ListBox, .x = 536, .y = 136, .width = 41, .height = 342, .visible = false},
    {.name = "List2", .kind = K::ListBox, .x = 584, .y = 136, .width = 41, .height = 342, .visible = false},
    {.name = "List3", .kind = K::ListBox, .x = 632, .y = 136, .width = 41, .height = 342, .visible = false},
    {.name = "List4", .kind = K::ListBox, .x = 440, .y = 440, .width = 89, .height = 43, .visible = false},
};

} // namespace

std::span<const ControlSpec> form1Layout()
{
    return kLayout;
}

} // namespace glint::ui
