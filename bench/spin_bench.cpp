// Plays spins through the real main window and prints, one line per figure:
//   first paint ms: time from process start to the main window's first paint
//   spin wall ratio (wall / (steps x 10 ms)): median over the spins
//   spin cpu share: processor time of the process during spins / wall time
// Targets: ratio <= 1.03, CPU <= 10 %, first paint < 300 ms.

#include "core/machine.h"
#include "ui/data_dir.h"
#include "ui/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

double clockSeconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// When the kernel started this process, on the boot-time clock (field 22 of
// /proc/self/stat, in clock ticks). NaN when it cannot be read.
double processStartSeconds()
{
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line))
        return std::nan("");
    // The command name may hold spaces; the fields after it are plain.
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && rest >> field; ++i) {
        if (i == 22)
            return std::stod(field) / double(sysconf(_SC_CLK_TCK));
    }
    return std::nan("");
}

// Notes when the splash and the main window first paint anything.
class FirstPaints : public QObject {
public:
    double splash = 0;
    double mainWindow = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            const QString window = static_cast<QWidget*>(watched)->window()->objectName();
            double& first = window == QLatin1String("Form1") ? mainWindow : splash;
            if (first == 0)
                first = clockSeconds(CLOCK_BOOTTIME);
        }
        return QObject::eventFilter(watched, event);
    }
};

QPushButton* button(glint::ui::Form1& window, const char* name)
{
    return window.findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

int main(int argc, char* argv[])
{
    const double started = processStartSeconds();
    const int spins = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", std::getenv("DISPLAY") ? "xcb" : "offscreen", 1);

    QApplication app(argc, argv);
    const double appReady = clockSeconds(CLOCK_BOOTTIME);
    glint::ui::Form1 window(glint::ui::findDataDir(), [](const QString&) {});
    FirstPaints firstPaint;
    app.installEventFilter(&firstPaint);
    const double loadStart = clockSeconds(CLOCK_BOOTTIME);
    try {
        window.load();
    } catch (const glint::AssetError& error) {
        std::fprintf(stderr, "glint-bench-spin: %s\n", error.what());
        return 1;
    }
    const double loadEnd = clockSeconds(CLOCK_BOOTTIME);
    window.show();
    QElapsedTimer waiting;
    waiting.start();
    while (firstPaint.mainWindow == 0 && waiting.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    app.removeEventFilter(&firstPaint);

    glint::Machine& machine = window.machine();
    std::vector<double> ratios;
    double spinWall = 0;
    double spinCpu = 0;
    while (int(ratios.size()) < spins) {
        QCoreApplication::processEvents();
        if (machine.nudges > 0) {
            button(window, "nudgel")->click();
            continue;
        }
        if (machine.trailPoints == 4) { // the bonus selector runs: Start stops it
            button(window, "Command2")->click();
            continue;
        }
        if (machine.credit == glint::Money()) {
            if (machine.coins <= 1)
                button(window, "Command5")->click();
            button(window, "Command3")->click();
            continue;
        }
        const int rightBefore = machine.reelRight;
        const bool rightHeld = machine.holdRight;
        const glint::Money creditBefore = machine.credit;
        const double wall0 = clockSeconds(CLOCK_MONOTONIC);
        const double cpu0 = clockSeconds(CLOCK_PROCESS_CPUTIME_ID);
        button(window, "Command2")->click();
        const double wall = clockSeconds(CLOCK_MONOTONIC) - wall0;
        const double cpu = clockSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
        if (machine.credit == creditBefore)
            continue; // no spin took place
        const int steps = 48 + (rightHeld ? 0 : (machine.reelRight - rightBefore + 16) % 16);
        ratios.push_back(wall / (steps * 0.010));
        spinWall += wall;
        spinCpu += cpu;
    }
    window.close();

    std::sort(ratios.begin(), ratios.end());
    const double median = ratios.size() % 2 ? ratios[ratios.size() / 2]
                                            : (ratios[ratios.size() / 2 - 1] + ratios[ratios.size() / 2]) / 2;
    std::printf("first paint ms: %.0f\n", (firstPaint.mainWindow - started) * 1000);
    std::printf("spin wall ratio (wall / (steps x 10 ms)): %.4f\n", median);
    std::printf("spin cpu share: %.2f %%\n", spinCpu / spinWall * 100);
    std::printf("of which: to QApplication %.0f ms, window built %.0f ms, start-up sequence %.0f ms, "
                "shown to painted %.0f ms; splash painted at %.0f ms\n",
                (appReady - started) * 1000, (loadStart - appReady) * 1000, (loadEnd - loadStart) * 1000,
                (firstPaint.mainWindow - loadEnd) * 1000, (firstPaint.splash - started) * 1000);
    std::printf("spins: %zu, worst ratio %.4f, platform %s\n", ratios.size(), ratios.back(),
                qPrintable(QGuiApplication::platformName()));
    return 0;
}
