// The yardstick for the game's first paint and its idle cost: a bare Qt
// window of the main window's size, timed from the start of this process to
// its first paint, or left open until it is killed.
// Prints "first-paint=MS".
// Usage: glint-bench-bare_window --launched-at=SECONDS  (seconds since the
// epoch at which the parent started this program)
//        glint-bench-bare_window --idle  (left open, flashing a lamp-sized patch)

#include "bench_support.h"

#include "ui/form1_layout.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class FirstPaint : public QObject {
public:
    double at = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && at == 0) {
            at = glint::bench::clockSeconds(CLOCK_REALTIME);
            QCoreApplication::quit();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    constexpr const char* kOption = "--launched-at=";
    const bool idle = argc == 2 && std::strcmp(argv[1], "--idle") == 0;
    if (!idle && (argc < 2 || std::strncmp(argv[1], kOption, std::strlen(kOption)) != 0))
        return 2;
    const double launched = idle ? 0 : std::atof(argv[1] + std::strlen(kOption));
    int qtArgc = 1;
    const auto app = glint::bench::makeApplication(qtArgc, argv);
    QWidget window;
    window.resize(glint::ui::kForm1Width, glint::ui::kForm1Height);
    FirstPaint watcher;
    if (!idle)
        window.installEventFilter(&watcher);
    // Left open, it repaints a lamp-sized patch as often as the game's idle
    // lamps flash, so the two are compared doing the same visible work.
    QTimer flash;
    QObject::connect(&flash, &QTimer::timeout, &window, [&window] { window.update(424, 0, 50, 40); });
    if (idle)
        flash.start(300);
    window.show();
    QApplication::exec();
    if (!idle)
        std::printf("first-paint=%.1f\n", (watcher.at - launched) * 1000);
    return 0;
}
