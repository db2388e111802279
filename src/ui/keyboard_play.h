#pragma once

#include <QObject>

#include <array>
#include <functional>

class QPushButton;
class QWidget;

namespace glint::ui {

// Lets the game be played from the keyboard, whichever control has the
// focus:
//   Space, Enter  the focused button, or Start when the focus is on no button
//   1, 2, 3       the left, middle and right Hold/Nudge button
//   C             "cash", which inserts a coin
//   M             sound off or on
// A key presses its button exactly as a click does, so it reaches the
// machine through the same handler, also from a value box, where typing
// changes nothing in the game: other keys type there. A key held down
// presses once; with Ctrl, Alt or Meta a key is not the game's.
class KeyboardPlay : public QObject {
public:
    struct Buttons {
        QPushButton* start;
        std::array<QPushButton*, 3> holds; // left, middle, right
        QPushButton* coin;
    };

    KeyboardPlay(Buttons buttons, std::function<void()> toggleMute, QObject* parent);

    // Takes the keys pressed while `control` has the focus.
    void watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Buttons buttons_;
    std::function<void()> toggleMute_;
};

} // namespace glint::ui
