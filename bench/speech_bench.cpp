// Plays the real main window for a screen reader to speak (bench/speech.sh
// runs Orca beside it): COINS coins, then PLAYS plays, each given time to be
// spoken, and prints one line for each sentence the game announced:
//   kind=coin|play at=SECONDS said=TEXT
// SECONDS count from local midnight, as Orca's log does: for a coin the
// press of "cash" (what a key press does), for a play the last frame of its
// spin (the last paint of the middle win-line cell during the Start press).
// Usage: glint-bench-speech COINS PLAYS

#include "bench_support.h"

#include "core/machine.h"

#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// The time of day on the wall clock, as Orca dates its log.
double secondsSinceMidnight()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + double(now.tv_nsec) * 1e-9;
}

// Lets the window answer the screen reader's questions meanwhile.
void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Dates the latest paint of a widget.
class FrameClock : public QObject {
public:
    double last = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            last = secondsSinceMidnight();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    const int coins = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const int plays = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    const auto app = glint::bench::makeApplication(argc, argv);
    const auto window = glint::bench::makeWindow();
    if (!glint::bench::load(*window))
        return 1;
    if (!glint::bench::showAndWaitForPaint(*window)) {
        std::fprintf(stderr, "glint-bench-speech: the main window did not paint within 5 s\n");
        return 1;
    }
    // The screen reader presents the new window first.
    pause(3000);

    glint::Machine& m = window->machine();
    auto button = [&window](const char* name) { return window->findChild<QPushButton*>(QLatin1String(name)); };
    auto report = [&m](const char* kind, double at) {
        std::printf("kind=%s at=%.6f said=%s\n", kind, at, m.ui.announcement.text.c_str());
        std::fflush(stdout);
    };
    button("Command5")->click(); // enough coins in the purse for all of them
    for (int i = 0; i < coins; ++i) {
        const double pressed = secondsSinceMidnight();
        button("Command3")->click();
        report("coin", pressed);
        pause(700);
    }

    FrameClock frames;
    window->findChild<QWidget*>(QStringLiteral("mm"))->installEventFilter(&frames);
    for (int i = 0; i < plays; ++i) {
        // Only plays are timed: nudges are used up and a running bonus
        // selector stopped first, and credit topped up, all unmeasured.
        for (const char* hold : {"nudgel", "nudgem", "nudgeR"}) {
            while (m.nudges > 0 && !(m.trailPoints == glint::kBonusRung && m.ui.bonusTimer.enabled)) {
                button(hold)->click();
                pause(400);
            }
        }
        if (m.trailPoints == glint::kBonusRung && m.ui.bonusTimer.enabled) {
            button("Command2")->click();
            pause(400);
        }
        if (!(m.credit > glint::Money())) {
            button("Command5")->click();
            button("Command3")->click();
            pause(400);
        }
        const uint32_t before = m.ui.announcement.serial;
        frames.last = 0;
        button("Command2")->click();
        if (frames.last == 0 || m.ui.announcement.serial == before) {
            std::fprintf(stderr, "glint-bench-speech: play %d did not spin and speak\n", i + 1);
            return 1;
        }
        report("play", frames.last);
        pause(900);
    }
    return 0;
}
