#pragma once

#include "child_process.h"
#include "pulse_server.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace glint::e2e {

using Clock = std::chrono::steady_clock;

// Records a sound server's null sink through its monitor with parec, as
// 16-bit mono at 44.1 kHz in blocks of about 10 ms, and notes when each
// block arrived. An arrival time is the latest moment the block's sound
// can have been played, so times measured from it are upper bounds.
class SinkRecorder {
public:
    // A sample above this (of 32767) counts as sound; a null sink that
    // plays nothing gives exact zeros.
    static constexpr int kLoud = 300;

    // Throws when no audio arrives from the monitor within 10 s.
    explicit SinkRecorder(const PulseServer& server);
    ~SinkRecorder();
    SinkRecorder(const SinkRecorder&) = delete;
    SinkRecorder& operator=(const SinkRecorder&) = delete;

    // Waits until audio up to `when` has been recorded.
    bool waitUntilRecorded(Clock::time_point when, std::chrono::milliseconds timeout) const;

    // The loudest sample of the blocks that arrived in [from, to).
    int peakBetween(Clock::time_point from, Clock::time_point to) const;
    // The share of the blocks that arrived in [from, to) that are loud.
    double loudShareBetween(Clock::time_point from, Clock::time_point to) const;
    // When the first loud block at or after `from` arrived.
    std::optional<Clock::time_point> firstLoudFrom(Clock::time_point from) const;
    // When the last loud block in [from, to) arrived.
    std::optional<Clock::time_point> lastLoudBetween(Clock::time_point from, Clock::time_point to) const;

private:
    struct Block {
        Clock::time_point arrived;
        int peak;
    };

    void readBlocks();

    std::unique_ptr<ChildProcess> parec_;
    mutable std::mutex mutex_;
    mutable std::condition_variable arrived_;
    std::vector<Block> blocks_;
    bool ended_ = false;
    std::thread reader_;
};

} // namespace glint::e2e
