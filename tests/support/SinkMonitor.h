#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velmora::test {

// Records what the sound server's default output plays (its monitor) in a
// thread of its own, 16-bit mono, and knows when each sample arrived, so a
// test can tell whether a sound was heard and a benchmark when.
class SinkMonitor {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kRate = 16000;

    // `blockMs` is the size of the blocks asked of the server. The server
    // then mixes at most that far ahead, so a sample reaches the monitor up
    // to one block before a sound card with that latency would play it.
    explicit SinkMonitor(int blockMs = 10)
        : blockSamples_(static_cast<std::size_t>(kRate * blockMs / 1000)) {}
    ~SinkMonitor();
    SinkMonitor(const SinkMonitor&) = delete;
    SinkMonitor& operator=(const SinkMonitor&) = delete;

    // Connects to the server (PULSE_SERVER or the default) and starts
    // recording; false with `error` filled when it cannot.
    bool Start(std::string* error = nullptr);
    void Stop();

    std::vector<std::int16_t> Samples() const;
    // When the sample at `index` reached the monitor, estimated from when
    // its block arrived.
    Clock::time_point TimeOf(std::size_t index) const;
    // The same from the blocks within two seconds around it, taking the one
    // that arrived with the least delay: the thread's wake-up jitter does not
    // date the sample late, so onsets can be timed to a few milliseconds.
    Clock::time_point LeastDelayedTimeOf(std::size_t index) const;
    // The first sample that arrived at or after `t`.
    std::size_t IndexAt(Clock::time_point t) const;

private:
    void Run(void* stream);

    struct Block {
        std::size_t end = 0;  // index after the block's last sample
        Clock::time_point arrival{};
    };

    std::size_t blockSamples_;
    mutable std::mutex mutex_;
    std::vector<std::int16_t> samples_;
    std::vector<Block> blocks_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Seconds to a sample count at the monitor's rate and back.
constexpr std::size_t MonitorSamples(double seconds) {
    return static_cast<std::size_t>(seconds * SinkMonitor::kRate);
}

}  // namespace velmora::test
