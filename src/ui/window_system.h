#pragma once

#include <QApplication>

#include <memory>
#include <string>

class QWidget;

namespace glint::ui {

// What the game needs from the window system beyond Qt's portable API: the
// choice of Qt platform, a clear refusal when there is no display, and, on
// Wayland, getting frames to the compositor while a handler holds the
// window thread.

// The Qt platforms to try, in order, for this environment: an explicit
// QT_QPA_PLATFORM as it is; "wayland;xcb" in a Wayland session
// (WAYLAND_DISPLAY or WAYLAND_SOCKET set), so X11 through XWayland is only
// the fallback; "xcb" when only DISPLAY is set; "wayland" without either
// when libwayland would still connect ($XDG_RUNTIME_DIR/wayland-0). Empty
// when there is no display to be found at all.
std::string qtPlatforms();

// The QApplication on the platforms qtPlatforms() names. When none can be
// opened (nothing named, the compositor's or X server's socket not there or
// refusing, Qt's plugin for it not installed, a device-bound platform such
// as eglfs or linuxfb without its device or a screen), prints one line
// saying what was tried and ends the process with status 1, where Qt
// itself would abort. Qt's own messages from opening the display are held
// back meanwhile and passed on once it is open, but for those of platforms
// that failed before the one that opened.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

// Sends the requests Qt has queued for the window system now. Qt's Wayland
// backend sends them only when the event loop runs, so a synchronous
// repaint made while a handler holds the thread would otherwise reach the
// compositor only in bursts, or after the handler. Never waits for the
// compositor, handles no event, and does nothing on other platforms.
void sendToWindowSystem();

// Redraws a window's title bar with its new title now where Qt draws the
// bar itself (Wayland without server-side decorations), instead of at the
// window's next paint.
void refreshTitleBar(QWidget& window);

} // namespace glint::ui
