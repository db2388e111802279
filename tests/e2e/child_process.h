#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace glint::e2e {

using namespace std::chrono_literals;

// How a child ended.
struct ExitStatus {
    bool exited = false; // ended by exit(), not by a signal
    int code = 0;        // exit code when `exited`
    int signal = 0;      // terminating signal otherwise

    std::string describe() const;
};

struct ChildOptions {
    // argv[0] is looked up on PATH unless it holds a slash.
    std::vector<std::string> argv;
    // Changes to the test's own environment for the child.
    std::map<std::string, std::string> setEnv;
    std::vector<std::string> unsetEnv;
    // Hands the child a pipe to read its standard output from.
    bool pipeStdout = false;
    // One more descriptor the child keeps open under the same number.
    int inheritFd = -1;
    // An address-space limit in bytes, so a child that tries to allocate
    // without bound fails instead of exhausting the machine.
    std::optional<uint64_t> addressSpaceLimit;
};

// A child process in its own process group. Standard input is /dev/null and
// standard error is kept for `errorOutput`. When the object goes, a child
// that still runs is ended with its whole group, so a failing test never
// leaves processes behind; the child is also killed should the test itself
// die.
class ChildProcess {
public:
    explicit ChildProcess(const ChildOptions& options);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    // Read end of the child's standard output, or -1 without `pipeStdout`.
    int stdoutFd() const { return stdoutFd_; }

    // The child's exit, waiting at most `timeout` for it; nothing while it
    // still runs.
    std::optional<ExitStatus> waitFor(std::chrono::milliseconds timeout);
    bool running() { return !waitFor(0ms).has_value(); }
    // Asks the group to end, kills it after `grace`, and reaps the child.
    ExitStatus terminate(std::chrono::milliseconds grace = 2000ms);

    // Everything the child wrote to standard error so far.
    std::string errorOutput() const;

private:
    pid_t pid_ = -1;
    int stdoutFd_ = -1;
    int stderrFd_ = -1;
    std::optional<ExitStatus> status_;
};

// Runs a short command to its end (killed after `timeout`) and returns how
// it ended; its standard output is appended to `output` when given.
ExitStatus runCommand(const ChildOptions& options, std::chrono::milliseconds timeout,
                      std::string* output = nullptr);

} // namespace glint::e2e
