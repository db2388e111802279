#pragma once

#include <QImage>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct _XDisplay;

namespace glint::e2e {

// An area in a window's own coordinates.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};

// What the X server knows of one top-level window.
struct WindowInfo {
    unsigned long id = 0;
    std::string title;              // _NET_WM_NAME, else WM_NAME
    std::vector<std::string> types; // _NET_WM_WINDOW_TYPE atom names
    bool frameless = false;         // a splash, or asks for no decorations
    Rect geometry;
    bool mapped = false;

    bool hasType(const std::string& type) const;
};

using WindowTest = std::function<bool(const WindowInfo&)>;

// Drives an X display the way a player would, with XTest input events, and
// reads what is on it. With no window manager running, the test itself
// gives windows the keyboard focus and asks them to close.
class X11Driver {
public:
    // Throws when the display cannot be opened or lacks XTest.
    explicit X11Driver(const std::string& display);
    ~X11Driver();
    X11Driver(const X11Driver&) = delete;
    X11Driver& operator=(const X11Driver&) = delete;

    // All top-level windows, read while the server is grabbed so that the
    // list is one consistent moment even while a program maps and unmaps.
    std::vector<WindowInfo> windows();
    // Polls until a mapped window passes `test`; nothing after `timeout`.
    std::optional<WindowInfo> waitForWindow(const WindowTest& test, std::chrono::milliseconds timeout);

    // The pixels of an area of a mapped window; a null image when the window
    // is gone or unmapped.
    QImage capture(unsigned long window, Rect area);

    // A left click at a point of the window, as the pointer would make it.
    void click(unsigned long window, int x, int y);
    // Presses and releases a key (an X keysym), with modifier keys held.
    void pressKey(unsigned long keysym, const std::vector<unsigned long>& modifiers = {});
    // Presses or releases a key alone, for checks made while it is held.
    void setKey(unsigned long keysym, bool down);
    // Gives the window the keyboard focus, as a window manager would on
    // activation.
    void focus(unsigned long window);
    // Sends WM_DELETE_WINDOW, as a window manager does when the player
    // closes the window.
    void requestClose(unsigned long window);

private:
    std::optional<WindowInfo> describe(unsigned long window);
    std::string title(unsigned long window);
    unsigned long atom(const char* name);

    _XDisplay* display_ = nullptr;
};

} // namespace glint::e2e
