#include "sink_recorder.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace glint::e2e {

SinkRecorder::SinkRecorder(const PulseServer& server)
{
    ChildOptions options;
    options.argv = {"parec",         "--server=" + server.address(), "-d",           server.monitorName(),
                    "--raw",         "--format=s16le",               "--rate=44100", "--channels=1",
                    "--latency-msec=10"};
    options.pipeStdout = true;
    parec_ = std::make_unique<ChildProcess>(options);
    reader_ = std::thread([this] { readBlocks(); });
    std::unique_lock lock(mutex_);
    if (!arrived_.wait_for(lock, 10s, [this] { return !blocks_.empty() || ended_; }) || blocks_.empty()) {
        lock.unlock();
        parec_->terminate();
        reader_.join();
        throw std::runtime_error("parec recorded nothing from " + server.monitorName() + ": " +
                                 parec_->errorOutput());
    }
}

SinkRecorder::~SinkRecorder()
{
    // Ending parec closes the pipe, which ends the reading thread.
    parec_->terminate(500ms);
    if (reader_.joinable())
        reader_.join();
}

void SinkRecorder::readBlocks()
{
    char buffer[8192];
    std::vector<char> pending;
    for (;;) {
        const ssize_t got = read(parec_->stdoutFd(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        const auto now = Clock::now();
        pending.insert(pending.end(), buffer, buffer + got);
        int peak = 0;
        const size_t whole = pending.size() / 2 * 2;
        for (size_t i = 0; i < whole; i += 2) {
            int16_t sample = 0;
            std::memcpy(&sample, &pending[i], 2);
            peak = std::max(peak, std::abs(int(sample)));
        }
        pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(whole));
        {
            std::lock_guard lock(mutex_);
            blocks_.push_back({now, peak});
        }
        arrived_.notify_all();
    }
    {
        std::lock_guard lock(mutex_);
        ended_ = true;
    }
    arrived_.notify_all();
}

bool SinkRecorder::waitUntilRecorded(Clock::time_point when, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, timeout, [&] { return !blocks_.empty() && blocks_.back().arrived >= when; });
}

int SinkRecorder::peakBetween(Clock::time_point from, Clock::time_point to) const
{
    std::lock_guard lock(mutex_);
    int peak = 0;
    for (const Block& block : blocks_) {
        if (block.arrived >= from && block.arrived < to)
            peak = std::max(peak, block.peak);
    }
    return peak;
}

double SinkRecorder::loudShareBetween(Clock::time_point from, Clock::time_point to) const
{
    std::lock_guard lock(mutex_);
    int all = 0;
    int loud = 0;
    for (const Block& block : blocks_) {
        if (block.arrived >= from && block.arrived < to) {
            ++all;
            loud += block.peak > kLoud ? 1 : 0;
        }
    }
    return all == 0 ? 0.0 : double(loud) / double(all);
}

std::optional<Clock::time_point> SinkRecorder::firstLoudFrom(Clock::time_point from) const
{
    std::lock_guard lock(mutex_);
    for (const Block& block : blocks_) {
        if (block.arrived >= from && block.peak > kLoud)
            return block.arrived;
    }
    return std::nullopt;
}

std::optional<Clock::time_point> SinkRecorder::lastLoudBetween(Clock::time_point from, Clock::time_point to) const
{
    std::lock_guard lock(mutex_);
    std::optional<Clock::time_point> last;
    for (const Block& block : blocks_) {
        if (block.arrived >= from && block.arrived < to && block.peak > kLoud)
            last = block.arrived;
    }
    return last;
}

} // namespace glint::e2e
