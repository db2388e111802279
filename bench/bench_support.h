#pragma once

// What the benchmark programs share: clocks, the process's own figures from
// /proc, the game's window brought up the way the program does it, and a
// player that presses the window's buttons until a play takes place.

#include "ui/form1.h"

#include <QApplication>

#include <ctime>
#include <memory>
#include <vector>

namespace glint::bench {

double clockSeconds(clockid_t clock);

// The middle value (the mean of the two middle ones for an even count).
double median(std::vector<double> values);

// The peak resident set of this process so far (VmHWM), in MB (2^20 bytes);
// NaN when it cannot be read.
double peakResidentMegabytes();

// The Qt application on the platform the game chooses (Wayland in a Wayland
// session, else X11 when a display is set), else offscreen; an explicit
// QT_QPA_PLATFORM is respected.
std::unique_ptr<QApplication> makeApplication(int& argc, char** argv);

// The main window as the program makes it, except that message boxes close
// at once, so a run never waits for a person.
std::unique_ptr<ui::Form1> makeWindow();

// Runs the start-up sequence; prints the reason and returns false when an
// asset is missing.
bool load(ui::Form1& window);

// Shows the window and waits until it has painted once. Returns false when
// no paint came within five seconds.
bool showAndWaitForPaint(ui::Form1& window);

// One play, seen from outside the machine.
struct Play {
    int steps = 0;          // reel steps of its spin, 10 ms each by the rules
    double wallSeconds = 0; // the Start press, from click to return
    double cpuSeconds = 0;  // processor time of the whole process meanwhile
    double startedAt = 0;   // the Start press, on CLOCK_MONOTONIC
    // How far the left and middle reels turned (16 plus a draw, 32 plus a
    // draw): each one's stop sound is asked for in the step after that.
    int leftTurns = 0;
    int middleTurns = 0;
    bool leftHeld = false;
    bool middleHeld = false;
};

// Plays as a person would: coins into credit when it has run out (more
// money for the purse when that is nearly empty), nudges used up, the bonus
// selector stopped, then Start.
class Player {
public:
    explicit Player(ui::Form1& window) : window_(window) {}

    Play playOnce();

private:
    void click(const char* button);

    ui::Form1& window_;
};

} // namespace glint::bench
