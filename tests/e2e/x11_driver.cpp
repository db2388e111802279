#include "x11_driver.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <stdexcept>
#include <thread>

namespace glint::e2e {

namespace {

using namespace std::chrono_literals;

constexpr auto kPollInterval = 3ms;

// Windows come and go while the tests look at them; a request about a
// window that has just vanished must fail quietly, not end the test run.
int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// Reads a property as a list of 32-bit items (returned as longs by Xlib).
std::vector<unsigned long> longProperty(Display* display, Window window, Atom property, Atom type)
{
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> result;
    if (XGetWindowProperty(display, window, property, 0, 64, False, type, &actualType, &format, &count, &after,
                           &data) == Success &&
        data && format == 32) {
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        result.assign(items, items + count);
    }
    if (data)
        XFree(data);
    return result;
}

// One 8-bit colour channel of a true-colour pixel.
int channel(unsigned long pixel, unsigned long mask)
{
    return mask == 0 ? 0 : static_cast<int>((pixel & mask) >> __builtin_ctzl(mask)) & 0xff;
}

} // namespace

bool WindowInfo::hasType(const std::string& type) const
{
    return std::find(types.begin(), types.end(), type) != types.end();
}

X11Driver::X11Driver(const std::string& display)
{
    XSetErrorHandler(&ignoreXError);
    display_ = XOpenDisplay(display.c_str());
    if (!display_)
        throw std::runtime_error("cannot open X display " + display);
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor)) {
        XCloseDisplay(display_);
        throw std::runtime_error("X display " + display + " has no XTest extension");
    }
}

X11Driver::~X11Driver()
{
    XCloseDisplay(display_);
}

unsigned long X11Driver::atom(const char* name)
{
    return XInternAtom(display_, name, False);
}

std::string X11Driver::title(unsigned long window)
{
    std::string result;
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display_, window, atom("_NET_WM_NAME"), 0, 1024, False, atom("UTF8_STRING"), &actualType,
                           &format, &count, &after, &data) == Success &&
        data && format == 8)
        result.assign(reinterpret_cast<const char*>(data), count);
    if (data)
        XFree(data);
    if (!result.empty())
        return result;
    XTextProperty text{};
    if (XGetWMName(display_, window, &text) && text.value) {
        result.assign(reinterpret_cast<const char*>(text.value), text.nitems);
        XFree(text.value);
    }
    return result;
}

std::optional<WindowInfo> X11Driver::describe(unsigned long window)
{
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display_, window, &attributes))
        return std::nullopt;
    WindowInfo info;
    info.id = window;
    info.geometry = {attributes.x, attributes.y, attributes.width, attributes.height};
    info.mapped = attributes.map_state == IsViewable;
    info.title = title(window);
    for (unsigned long type : longProperty(display_, window, atom("_NET_WM_WINDOW_TYPE"), XA_ATOM)) {
        if (char* name = XGetAtomName(display_, type)) {
            info.types.emplace_back(name);
            XFree(name);
        }
    }
    // Motif hints: flags, functions, decorations, ...; flag 2 says the
    // decorations field is meant.
    const std::vector<unsigned long> motif =
        longProperty(display_, window, atom("_MOTIF_WM_HINTS"), atom("_MOTIF_WM_HINTS"));
    // A window manager draws no frame round a splash window, nor round one
    // whose Motif hints ask for no decorations.
    info.frameless = (motif.size() >= 3 && (motif[0] & 2) != 0 && motif[2] == 0) ||
                     info.hasType("_NET_WM_WINDOW_TYPE_SPLASH");
    return info;
}

std::vector<WindowInfo> X11Driver::windows()
{
    std::vector<WindowInfo> result;
    XGrabServer(display_);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            if (auto info = describe(children[i]))
                result.push_back(std::move(*info));
        }
        if (children)
            XFree(children);
    }
    XUngrabServer(display_);
    XFlush(display_);
    return result;
}

std::optional<WindowInfo> X11Driver::waitForWindow(const WindowTest& test, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        for (const WindowInfo& window : windows()) {
            if (window.mapped && test(window))
                return window;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(kPollInterval);
    }
}

QImage X11Driver::capture(unsigned long window, Rect area)
{
    XImage* image = XGetImage(display_, window, area.x, area.y, static_cast<unsigned>(area.width),
                              static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
    if (!image)
        return {};
    QImage result(area.width, area.height, QImage::Format_RGB32);
    for (int y = 0; y < area.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < area.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            line[x] = qRgb(channel(pixel, image->red_mask), channel(pixel, image->green_mask),
                           channel(pixel, image->blue_mask));
        }
    }
    XDestroyImage(image);
    return result;
}

void X11Driver::click(unsigned long window, int x, int y)
{
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display_, Button1, True, CurrentTime);
    XSync(display_, False);
    // A short press, as a finger makes it.
    std::this_thread::sleep_for(30ms);
    XTestFakeButtonEvent(display_, Button1, False, CurrentTime);
    XSync(display_, False);
}

void X11Driver::setKey(unsigned long keysym, bool down)
{
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    if (code == 0)
        throw std::runtime_error("no key code for keysym " + std::to_string(keysym));
    XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
    XSync(display_, False);
}

void X11Driver::pressKey(unsigned long keysym, const std::vector<unsigned long>& modifiers)
{
    for (unsigned long modifier : modifiers)
        setKey(modifier, true);
    setKey(keysym, true);
    std::this_thread::sleep_for(30ms);
    setKey(keysym, false);
    for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier)
        setKey(*modifier, false);
}

void X11Driver::focus(unsigned long window)
{
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    XSync(display_, False);
}

void X11Driver::requestClose(unsigned long window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = atom("WM_PROTOCOLS");
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(atom("WM_DELETE_WINDOW"));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XSync(display_, False);
}

} // namespace glint::e2e
