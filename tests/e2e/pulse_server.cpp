#include "pulse_server.h"

#include <filesystem>
#include <stdexcept>
#include <thread>

namespace glint::e2e {

namespace {

constexpr auto kStartTimeout = 20s;

ChildOptions pactl(const std::string& address, std::vector<std::string> arguments)
{
    ChildOptions options;
    options.argv = {"pactl", "--server=" + address};
    options.argv.insert(options.argv.end(), arguments.begin(), arguments.end());
    return options;
}

bool succeeded(const ExitStatus& status)
{
    return status.exited && status.code == 0;
}

} // namespace

PulseServer::PulseServer() : dir_("glint-e2e-pulse")
{
    const std::filesystem::path socket = dir_.path() / "native";
    address_ = "unix:" + socket.string();

    ChildOptions options;
    // Everything the server could read or write lives in its own directory,
    // so it never meets the developer's own sound server or settings. It
    // refuses nothing as root, but says so; that warning is harmless.
    options.argv = {"pulseaudio",
                    "--daemonize=no",
                    "--exit-idle-time=-1",
                    "--use-pid-file=no",
                    "--disallow-exit",
                    "--realtime=no",
                    "--high-priority=no",
                    "--disable-shm=yes",
                    "--log-target=stderr",
                    "-n",
                    std::string("--load=module-null-sink sink_name=") + kSinkName,
                    "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket.string()};
    options.setEnv = {
        {"HOME", dir_.path().string()},
        {"XDG_RUNTIME_DIR", dir_.path().string()},
        {"XDG_CONFIG_HOME", (dir_.path() / "config").string()},
    };
    options.unsetEnv = {"PULSE_SERVER", "DBUS_SESSION_BUS_ADDRESS"};
    daemon_ = std::make_unique<ChildProcess>(options);

    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    for (;;) {
        if (!daemon_->running())
            throw std::runtime_error("pulseaudio ended at start-up (" + daemon_->waitFor(0ms)->describe() +
                                     "): " + daemon_->errorOutput());
        if (std::filesystem::exists(socket) && succeeded(runCommand(pactl(address_, {"info"}), 5s)))
            break;
        if (std::chrono::steady_clock::now() >= deadline)
            throw std::runtime_error("pulseaudio did not answer within 20 s: " + daemon_->errorOutput());
        std::this_thread::sleep_for(20ms);
    }
    const ExitStatus defaultSink = runCommand(pactl(address_, {"set-default-sink", kSinkName}), 10s);
    if (!succeeded(defaultSink))
        throw std::runtime_error("pactl set-default-sink failed: " + defaultSink.describe());
}

} // namespace glint::e2e
