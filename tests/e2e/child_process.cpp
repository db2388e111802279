#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <system_error>
#include <thread>

extern char** environ;

namespace glint::e2e {

namespace {

[[noreturn]] void throwErrno(const std::string& what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

std::vector<std::string> childEnvironment(const ChildOptions& options)
{
    std::map<std::string, std::string> merged;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text(*entry);
        const size_t eq = text.find('=');
        if (eq != std::string::npos)
            merged[text.substr(0, eq)] = text.substr(eq + 1);
    }
    for (const std::string& name : options.unsetEnv)
        merged.erase(name);
    for (const auto& [name, value] : options.setEnv)
        merged[name] = value;
    std::vector<std::string> result;
    for (const auto& [name, value] : merged)
        result.push_back(name + "=" + value);
    return result;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings)
{
    std::vector<char*> result;
    for (std::string& s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

// Only async-signal-safe calls from here on: the test may run threads.
[[noreturn]] void becomeChild(pid_t parent, const ChildOptions& options, int stdoutWrite, int stderrFd,
                              char** argv, char** envp)
{
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        _exit(127);
    const int devNull = open("/dev/null", O_RDWR);
    dup2(devNull, STDIN_FILENO);
    dup2(stdoutWrite >= 0 ? stdoutWrite : devNull, STDOUT_FILENO);
    dup2(stderrFd, STDERR_FILENO);
    if (options.inheritFd >= 0)
        fcntl(options.inheritFd, F_SETFD, 0);
    if (options.addressSpaceLimit) {
        const rlimit limit{*options.addressSpaceLimit, *options.addressSpaceLimit};
        setrlimit(RLIMIT_AS, &limit);
    }
    execvpe(argv[0], argv, envp);
    // Nothing more can be done should this report fail too.
    const char* message = "exec failed: ";
    ssize_t ignored = write(STDERR_FILENO, message, strlen(message));
    ignored = write(STDERR_FILENO, argv[0], strlen(argv[0]));
    ignored = write(STDERR_FILENO, "\n", 1);
    (void)ignored;
    _exit(127);
}

ExitStatus statusFrom(int raw)
{
    ExitStatus status;
    if (WIFEXITED(raw)) {
        status.exited = true;
        status.code = WEXITSTATUS(raw);
    } else if (WIFSIGNALED(raw)) {
        status.signal = WTERMSIG(raw);
    }
    return status;
}

} // namespace

std::string ExitStatus::describe() const
{
    if (exited)
        return "exit status " + std::to_string(code);
    return "killed by signal " + std::to_string(signal) + " (" + strsignal(signal) + ")";
}

ChildProcess::ChildProcess(const ChildOptions& options)
{
    if (options.argv.empty())
        throw std::invalid_argument("ChildProcess needs a program");
    std::vector<std::string> argStrings = options.argv;
    std::vector<std::string> envStrings = childEnvironment(options);
    std::vector<char*> argv = pointersTo(argStrings);
    std::vector<char*> envp = pointersTo(envStrings);

    char errorTemplate[] = "/tmp/glint-e2e-stderr.XXXXXX";
    stderrFd_ = mkostemp(errorTemplate, O_CLOEXEC);
    if (stderrFd_ < 0)
        throwErrno("mkostemp");
    unlink(errorTemplate);

    int out[2] = {-1, -1};
    if (options.pipeStdout && pipe2(out, O_CLOEXEC) != 0)
        throwErrno("pipe2");

    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ < 0)
        throwErrno("fork");
    if (pid_ == 0)
        becomeChild(parent, options, out[1], stderrFd_, argv.data(), envp.data());
    setpgid(pid_, pid_);
    if (options.pipeStdout) {
        close(out[1]);
        stdoutFd_ = out[0];
    }
}

ChildProcess::~ChildProcess()
{
    if (!status_)
        terminate(1000ms);
    if (stdoutFd_ >= 0)
        close(stdoutFd_);
    close(stderrFd_);
}

std::optional<ExitStatus> ChildProcess::waitFor(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!status_) {
        int raw = 0;
        const pid_t done = waitpid(pid_, &raw, WNOHANG);
        if (done == pid_) {
            status_ = statusFrom(raw);
            break;
        }
        if (done < 0 && errno != EINTR)
            throwErrno("waitpid");
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(2ms);
    }
    return status_;
}

ExitStatus ChildProcess::terminate(std::chrono::milliseconds grace)
{
    if (status_)
        return *status_;
    // The group id is still ours while the leader is not reaped.
    kill(-pid_, SIGTERM);
    if (waitFor(grace))
        return *status_;
    kill(-pid_, SIGKILL);
    int raw = 0;
    while (waitpid(pid_, &raw, 0) < 0 && errno == EINTR) {
    }
    status_ = statusFrom(raw);
    return *status_;
}

std::string ChildProcess::errorOutput() const
{
    std::string text;
    char buffer[4096];
    off_t offset = 0;
    for (;;) {
        const ssize_t got = pread(stderrFd_, buffer, sizeof buffer, offset);
        if (got <= 0)
            break;
        text.append(buffer, static_cast<size_t>(got));
        offset += got;
    }
    return text;
}

ExitStatus runCommand(const ChildOptions& options, std::chrono::milliseconds timeout, std::string* output)
{
    ChildOptions piped = options;
    piped.pipeStdout = true;
    ChildProcess child(piped);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    bool open = true;
    while (open) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left <= 0ms)
            return child.terminate(0ms);
        pollfd ready{child.stdoutFd(), POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char buffer[4096];
        const ssize_t got = read(child.stdoutFd(), buffer, sizeof buffer);
        if (got > 0 && output)
            output->append(buffer, static_cast<size_t>(got));
        open = got > 0 || (got < 0 && errno == EINTR);
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (auto status = child.waitFor(std::max(left, 0ms)))
        return *status;
    return child.terminate(0ms);
}

} // namespace glint::e2e
