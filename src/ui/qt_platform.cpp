#include "ui/qt_platform.h"

#include "core/clock_seed.h"
#include "core/sounds.h"
#include "core/version.h"
#include "ui/splash.h"
#include "ui/translation.h"
#include "ui/window_system.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QWindow>

#include <chrono>
#include <thread>
#include <utility>

namespace glint::ui {

namespace {

// How early a pause wakes up to wait out the rest itself: a little more
// than the kernel's usual lateness, a small share of the 10 ms of a step.
constexpr std::chrono::microseconds kWakeUpMargin{300};

// How long start-up waits at most for the window system to put the splash
// on screen before painting it.
constexpr int kSplashExposeWaitMs = 200;

} // namespace

void QtPlatform::modalMessageBox(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

QtPlatform::QtPlatform(const QString& soundDir, MessageBox messageBox)
    : soundDir_(QFile::encodeName(soundDir).toStdString()),
      messageBox_(messageBox ? std::move(messageBox) : MessageBox(&modalMessageBox))
{
}

QtPlatform::~QtPlatform()
{
    delete splash_.data();
}

frmSplash* QtPlatform::splash() const
{
    return splash_.data();
}

void QtPlatform::startSound(const std::string& path, int32_t flags)
{
    sounds_.start(path, sound::loops(flags));
}

void QtPlatform::silence()
{
    sounds_.stop();
}

double QtPlatform::monotonicSeconds()
{
    using Seconds = std::chrono::duration<double>;
    return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void QtPlatform::sleepUntil(double deadline)
{
    // No events are handled meanwhile: clicks made during a spin wait in the
    // window system's queue until the spin's handler has returned. The
    // kernel wakes a sleeper a little late, and a spin makes dozens of these
    // pauses, so the last fraction of a millisecond is waited out by reading
    // the clock instead.
    using Clock = std::chrono::steady_clock;
    const auto when = Clock::time_point(std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(deadline)));
    std::this_thread::sleep_until(when - kWakeUpMargin);
    while (Clock::now() < when) {
        // Yielding here would hand the processor to any other busy program
        // for a whole time slice; the wait is short enough to spin.
    }
}

uint64_t QtPlatform::clockSeed()
{
    return wallClockSeed();
}

PictureId QtPlatform::loadPicture(const std::string& path, std::string& error)
{
    QString reason;
    const PictureId id = pictures_.load(QFile::decodeName(QByteArray::fromStdString(path)), reason);
    if (id == kNoPicture)
        error = reason.toStdString();
    return id;
}

void QtPlatform::releasePicture(PictureId picture)
{
    pictures_.release(picture);
}

std::string QtPlatform::formatCurrency(Money amount)
{
    // Display only: the amount itself stays exact in the machine state.
    const double value = double(amount.tenThousandths()) / double(Money::kScale);
    return QLocale().toCurrencyString(value, QString(), 2).toStdString();
}

void QtPlatform::messageBox(const std::string& text)
{
    messageBox_(shownText(text));
}

void QtPlatform::showSplash()
{
    if (!splash_)
        splash_ = new frmSplash(pictures_.forRatio(kTitlePicture, qApp->devicePixelRatio()));
    splash_->centreOnScreen();
    splash_->show();
    // The rest of start-up keeps the thread busy, so the splash must be on
    // screen now. Only window-system events are let through while waiting
    // for it to appear; no click or key press is handled.
    QElapsedTimer waited;
    waited.start();
    while (splash_ && splash_->windowHandle() && !splash_->windowHandle()->isExposed() &&
           waited.elapsed() < kSplashExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (splash_) {
        splash_->repaint();
        // On Wayland the repainted splash reaches the compositor only once
        // sent, and the thread stays busy until start-up is over.
        sendToWindowSystem();
    }
    // Decoding the sounds would delay the splash; now it goes on in the
    // background while start-up continues.
    if (!soundsPreloaded_)
        sounds_.preload(soundDir_);
    soundsPreloaded_ = true;
    if (const std::function<void()> work = std::exchange(splashShownWork_, {}))
        work();
}

void QtPlatform::unloadSplash()
{
    if (!splash_)
        return;
    splash_->hide();
    delete splash_.data();
}

void QtPlatform::repaintCells()
{
    if (!cellPainter_)
        return;
    cellPainter_();
    // Each step's frame goes to the compositor as it is painted, not in a
    // burst when the buffers run out or after the spin.
    sendToWindowSystem();
}

} // namespace glint::ui
