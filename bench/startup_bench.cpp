// One start of the game, timed from the start of this process to the main
// window's first paint, doing what the program does: application, main
// window, start-up sequence, show. Prints one line of figures in ms:
//   first-paint    the whole time
//   spin-pacing    the silent start-up spin's steps x 10 ms, which the
//                  game's rules demand whatever the machine's speed
//   to-main        process start to main(): loading the program and its
//                  libraries
//   to-app         main() to the application made (platform plugin, display)
//   window         the main window built (sounds prepared, widgets laid out)
//   load           the start-up sequence, the spin included
//   to-paint       window shown to painted
//   splash-paint   process start to the splash's first paint
// Each run is one fresh process; bench/run-benchmarks.sh starts several.
// Usage: glint-bench-startup [--launched-at=SECONDS]  (seconds since the
// epoch at which the parent started this program; without it the start is
// read from /proc, in whole clock ticks only).

#include "bench_support.h"

#include "core/machine.h"
#include "ui/font_warm_up.h"

#include <QEvent>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using glint::bench::clockSeconds;

// A moment on a given clock.
struct Moment {
    clockid_t clock;
    double seconds;

    double msUntilNow() const { return (clockSeconds(clock) - seconds) * 1000; }
};

// When the kernel started this process, on the boot-time clock (field 22 of
// /proc/self/stat, in clock ticks).
Moment processStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // The command name may hold spaces; the fields after it are plain.
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && rest >> field; ++i) {
        if (i == 22)
            return {CLOCK_BOOTTIME, std::stod(field) / double(sysconf(_SC_CLK_TCK))};
    }
    return {CLOCK_BOOTTIME, std::nan("")};
}

Moment launched(int argc, char* argv[])
{
    constexpr const char* kOption = "--launched-at=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kOption, std::strlen(kOption)) == 0)
            return {CLOCK_REALTIME, std::atof(argv[i] + std::strlen(kOption))};
    }
    return processStart();
}

// Notes when the splash first paints.
class SplashWatcher : public QObject {
public:
    explicit SplashWatcher(Moment start) : start_(start) {}
    double paintedMs = std::nan("");

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && std::isnan(paintedMs) && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->objectName() == QLatin1String("frmSplash"))
            paintedMs = start_.msUntilNow();
        return QObject::eventFilter(watched, event);
    }

private:
    Moment start_;
};

} // namespace

int main(int argc, char* argv[])
{
    const Moment start = launched(argc, argv);
    const double toMain = start.msUntilNow();
    glint::ui::FontWarmUp fonts; // as the game starts
    const auto app = glint::bench::makeApplication(argc, argv);
    fonts.applicationReady();
    const double toApp = start.msUntilNow();
    SplashWatcher splash(start);
    app->installEventFilter(&splash);
    const auto window = glint::bench::makeWindow();
    const double built = start.msUntilNow();

    // The start-up sequence draws the reels' first positions before it
    // seeds the generator, so a copy of the generator tells where the right
    // reel starts. It turns on every step of the start-up spin, and the spin
    // has 48 steps plus a draw of 0 to 14, so where it stops gives the count.
    glint::Random before = window->machine().rnd;
    before.below(15);
    before.below(15);
    const int rightStart = before.below(15);
    if (!glint::bench::load(*window))
        return 1;
    const double loaded = start.msUntilNow();
    const int steps = 48 + (window->machine().reelRight - rightStart + 16) % 16;

    if (!glint::bench::showAndWaitForPaint(*window)) {
        std::fprintf(stderr, "glint-bench-startup: the main window did not paint within 5 s\n");
        return 1;
    }
    const double painted = start.msUntilNow();
    std::printf(
        "first-paint=%.1f spin-pacing=%d to-main=%.1f to-app=%.1f window=%.1f load=%.1f to-paint=%.1f splash-paint=%.1f\n",
        painted, steps * 10, toMain, toApp - toMain, built - toApp, loaded - built, painted - loaded, splash.paintedMs);
    return 0;
}
