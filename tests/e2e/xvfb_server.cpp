#include "xvfb_server.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <stdexcept>

namespace glint::e2e {

namespace {

constexpr auto kStartTimeout = 20s;

// Closes a descriptor on every way out of the constructor.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            close(fd);
    }
};

} // namespace

XvfbServer::XvfbServer()
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe2 for Xvfb failed");
    Descriptor readEnd{fds[0]};
    Descriptor writeEnd{fds[1]};

    ChildOptions options;
    options.argv = {"Xvfb",      "-displayfd", std::to_string(writeEnd.fd),
                    "-screen",   "0",          std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24",
                    "-nolisten", "tcp",        "-noreset"};
    options.inheritFd = writeEnd.fd;
    process_ = std::make_unique<ChildProcess>(options);
    close(writeEnd.fd);
    writeEnd.fd = -1;

    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    std::string number;
    while (number.empty() || number.back() != '\n') {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left <= 0ms)
            throw std::runtime_error("Xvfb did not report a display within 20 s: " + process_->errorOutput());
        pollfd ready{readEnd.fd, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char c = 0;
        const ssize_t got = read(readEnd.fd, &c, 1);
        if (got == 0)
            throw std::runtime_error("Xvfb ended before reporting a display: " + process_->errorOutput());
        if (got == 1)
            number.push_back(c);
    }
    number.pop_back();
    display_ = ":" + number;
}

} // namespace glint::e2e
