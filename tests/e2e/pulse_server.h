#pragma once

#include "child_process.h"
#include "temp_dir.h"

#include <memory>
#include <string>

namespace glint::e2e {

// A private PulseAudio server for one test, with a single null sink as its
// default output: whatever a client plays there can be recorded from the
// sink's monitor, and nothing reaches a loudspeaker. It runs in the
// foreground as the test's child and ends with the object.
class PulseServer {
public:
    static constexpr const char* kSinkName = "glint_e2e";

    // Throws, with the server's own complaint, when it cannot be started.
    PulseServer();

    // The PULSE_SERVER value for clients.
    const std::string& address() const { return address_; }
    std::string monitorName() const { return std::string(kSinkName) + ".monitor"; }

private:
    TempDir dir_;
    std::string address_;
    std::unique_ptr<ChildProcess> daemon_;
};

} // namespace glint::e2e
