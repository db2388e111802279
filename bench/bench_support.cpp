#include "bench_support.h"

#include "core/machine.h"
#include "ui/data_dir.h"
#include "ui/window_system.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace glint::bench {

namespace {

constexpr int kPaintTimeoutMs = 5000;

// Notes the first paint of any widget of the main window.
class PaintWatcher : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->objectName() == QLatin1String("Form1"))
            seen = true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

double clockSeconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return std::nan("");
    std::sort(values.begin(), values.end());
    const size_t half = values.size() / 2;
    return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

double peakResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
        status.ignore(4096, '\n');
    }
    return std::nan("");
}

std::unique_ptr<QApplication> makeApplication(int& argc, char** argv)
{
    if (ui::qtPlatforms().empty())
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return ui::openApplication(argc, argv);
}

std::unique_ptr<ui::Form1> makeWindow()
{
    return std::make_unique<ui::Form1>(ui::findDataDir(), [](const QString&) {});
}

bool load(ui::Form1& window)
{
    try {
        window.load();
    } catch (const AssetError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return false;
    }
    return true;
}

bool showAndWaitForPaint(ui::Form1& window)
{
    PaintWatcher watcher;
    QCoreApplication::instance()->installEventFilter(&watcher);
    window.show();
    // Waiting for events rather than polling; the timer makes sure the wait
    // ends even when nothing arrives.
    QTimer wakeUp;
    wakeUp.start(50);
    QElapsedTimer waited;
    waited.start();
    while (!watcher.seen && waited.elapsed() < kPaintTimeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    QCoreApplication::instance()->removeEventFilter(&watcher);
    return watcher.seen;
}

Play Player::playOnce()
{
    Machine& machine = window_.machine();
    for (;;) {
        QCoreApplication::processEvents();
        if (machine.nudges > 0) {
            click("nudgel");
            continue;
        }
        if (machine.trailPoints == kBonusRung && machine.ui.bonusTimer.enabled) { // Start stops the selector
            click("Command2");
            continue;
        }
        if (machine.credit == Money()) {
            if (machine.coins <= 1)
                click("Command5");
            click("Command3");
            continue;
        }
        const int leftBefore = machine.reelLeft;
        const int middleBefore = machine.reelMiddle;
        const int rightBefore = machine.reelRight;
        const bool leftHeld = machine.holdLeft;
        const bool middleHeld = machine.holdMiddle;
        const bool rightHeld = machine.holdRight;
        const Money creditBefore = machine.credit;
        const double wall0 = clockSeconds(CLOCK_MONOTONIC);
        const double cpu0 = clockSeconds(CLOCK_PROCESS_CPUTIME_ID);
        click("Command2");
        const double wall = clockSeconds(CLOCK_MONOTONIC) - wall0;
        const double cpu = clockSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
        if (machine.credit == creditBefore)
            continue; // no spin took place
        // The right reel turns on every step of a spin unless it is held,
        // and a spin has 48 steps plus the right reel's draw of 0 to 14.
        const int steps = 48 + (rightHeld ? 0 : (machine.reelRight - rightBefore + 16) % 16);
        const int leftTurns = 16 + (machine.reelLeft - leftBefore + 16) % 16;
        const int middleTurns = 32 + (machine.reelMiddle - middleBefore + 16) % 16;
        return {steps, wall, cpu, wall0, leftTurns, middleTurns, leftHeld, middleHeld};
    }
}

void Player::click(const char* button)
{
    window_.findChild<QPushButton*>(QLatin1String(button))->click();
}

} // namespace glint::bench
