#pragma once

#include <thread>

namespace glint::ui {

// Gets the system's fonts ready on a thread of its own while start-up goes
// on. The splash's text is the first to need them, and reading the font
// configuration and listing the fonts take several milliseconds that would
// otherwise delay the splash. Make it before the QApplication, and call
// applicationReady() once that exists; the thread is joined when this goes.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Goes on to build Qt's list of fonts, which needs the application.
    void applicationReady();

private:
    std::thread configuration_;
    std::thread fontList_;
};

} // namespace glint::ui
