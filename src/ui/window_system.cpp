#include "ui/window_system.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QWidget>
#include <qpa/qplatformnativeinterface.h>

#include <sys/stat.h>
#include <wayland-client.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace glint::ui {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Where libwayland connects when WAYLAND_DISPLAY is not set: a socket it
// was handed (WAYLAND_SOCKET), else "wayland-0" in the runtime directory.
// Empty when neither is there.
std::string defaultWaylandDisplay()
{
    if (!environment("WAYLAND_SOCKET").empty())
        return "WAYLAND_SOCKET=" + environment("WAYLAND_SOCKET");
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    struct stat status {};
    if (!runtime.empty() && ::stat((runtime + "/wayland-0").c_str(), &status) == 0 && S_ISSOCK(status.st_mode))
        return runtime + "/wayland-0";
    return {};
}

// What the platforms tried were told to open, for the one line that says
// there is no display.
std::string displaysTried()
{
    if (const std::string explicitChoice = environment("QT_QPA_PLATFORM"); !explicitChoice.empty())
        return "could not open QT_QPA_PLATFORM=" + explicitChoice;
    std::string names;
    for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        if (const std::string value = environment(name); !value.empty())
            names += (names.empty() ? "could not open " : " or ") + std::string(name) + "=" + value;
    }
    if (const std::string wayland = defaultWaylandDisplay(); names.empty() && !wayland.empty())
        names = "could not open " + wayland;
    return names.empty() ? "set WAYLAND_DISPLAY or DISPLAY" : names;
}

// Taken before the platforms chosen are handed to Qt.
std::string tried;

[[noreturn]] void noDisplay(const std::string& alsoMissing = {})
{
    std::fprintf(stderr, "glint-galore: no display: %s%s\n", tried.c_str(), alsoMissing.c_str());
    std::_Exit(1);
}

// A copy of a message and of where it was made; a place Qt left out stays
// out, so the message reads as it would have.
struct HeldMessage {
    QtMsgType type;
    std::optional<std::string> file, function, category;
    int line;
    QString text;
};

std::optional<std::string> copy(const char* text)
{
    return text ? std::optional<std::string>(text) : std::nullopt;
}

const char* original(const std::optional<std::string>& text)
{
    return text ? text->c_str() : nullptr;
}

// Qt's messages while the application opens its display, from whichever
// thread.
std::mutex heldMessagesLock;
std::vector<HeldMessage> heldMessages;
QtMessageHandler passOn = nullptr;

void releaseMessages()
{
    qInstallMessageHandler(passOn);
    const std::lock_guard lock(heldMessagesLock);
    for (const HeldMessage& m : std::exchange(heldMessages, {}))
        passOn(m.type, QMessageLogContext(original(m.file), m.line, original(m.function), original(m.category)), m.text);
}

// The platforms Qt found no plugin for, which no display could have helped.
std::string missingPlatforms()
{
    static const QRegularExpression missing(QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
    std::string names;
    const std::lock_guard lock(heldMessagesLock);
    for (const HeldMessage& m : heldMessages) {
        if (const QRegularExpressionMatch match = missing.match(m.text); match.hasMatch())
            names += "; Qt's " + match.captured(1).toStdString() + " platform is not installed";
    }
    return names;
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // Qt gives up with a fatal message once no platform it tried could open
    // its display, or a platform plugin gives up on its device (eglfs,
    // linuxfb); any other message waits until the display is open.
    if (type == QtFatalMsg)
        noDisplay(missingPlatforms());
    const std::lock_guard lock(heldMessagesLock);
    heldMessages.push_back({type, copy(context.file), copy(context.function), copy(context.category), context.line, text});
}

// Drops what Qt said while the platforms before the one that opened
// failed (some of it in no category of its own): the fallback worked, so
// nothing went wrong.
void forgetFailedPlatforms()
{
    const std::lock_guard lock(heldMessagesLock);
    heldMessages.clear();
}

} // namespace

std::string qtPlatforms()
{
    if (std::string explicitChoice = environment("QT_QPA_PLATFORM"); !explicitChoice.empty())
        return explicitChoice;
    if (!environment("WAYLAND_DISPLAY").empty())
        return "wayland;xcb";
    if (!environment("DISPLAY").empty())
        return defaultWaylandDisplay().starts_with("WAYLAND_SOCKET") ? "wayland;xcb" : "xcb";
    return defaultWaylandDisplay().empty() ? std::string() : "wayland";
}

std::unique_ptr<QApplication> openApplication(int& argc, char** argv)
{
    const std::string platforms = qtPlatforms();
    tried = displaysTried();
    if (platforms.empty())
        noDisplay();
    setenv("QT_QPA_PLATFORM", platforms.c_str(), 1);
    passOn = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    // A platform may open without a screen to show anything on (linuxfb
    // without a framebuffer).
    if (!QGuiApplication::primaryScreen())
        noDisplay();
    if (!platforms.starts_with(QGuiApplication::platformName().toStdString()))
        forgetFailedPlatforms();
    releaseMessages();
    return application;
}

void sendToWindowSystem()
{
    // Only the Wayland platforms ("wayland", "wayland-egl") have a display
    // of this name; X11 sends each repaint's requests as it makes them.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* display = native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")) : nullptr;
    // Writes what fits in the socket without blocking; what does not is
    // sent with the next flush, Qt's own or ours.
    if (display)
        wl_display_flush(display);
}

void refreshTitleBar(QWidget& window)
{
    // Qt marks its own bar for redrawing and draws it with the window's next
    // frame; a one-pixel update brings that frame about now.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && window.isVisible())
        window.update(0, 0, 1, 1);
}

} // namespace glint::ui
