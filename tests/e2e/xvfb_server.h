#pragma once

#include "child_process.h"

#include <memory>
#include <string>

namespace glint::e2e {

// A private X server for one test: Xvfb picks a free display number itself
// and reports it, so tests running side by side never share a display. No
// window manager runs on it.
class XvfbServer {
public:
    static constexpr int kScreenWidth = 1024;
    static constexpr int kScreenHeight = 768;

    // Throws, with the server's own complaint, when it does not come up.
    XvfbServer();

    // The DISPLAY value, such as ":3".
    const std::string& display() const { return display_; }

private:
    std::unique_ptr<ChildProcess> process_;
    std::string display_;
};

} // namespace glint::e2e
