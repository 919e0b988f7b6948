#include "support/SinkMonitor.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <optional>

namespace velmora::test {
namespace {}  // namespace

SinkMonitor::~SinkMonitor() {
    Stop();
}

bool SinkMonitor::Start(std::string* error) {
    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = kRate;
    spec.channels = 1;
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    // Small blocks: each block's arrival time dates its samples, and a large
    // fragment would both blur that and drop the start of short sounds.
    attr.fragsize = static_cast<std::uint32_t>(blockSamples_ * sizeof(std::int16_t));
    int code = 0;
    pa_simple* stream =
        pa_simple_new(nullptr, "velmora-test", PA_STREAM_RECORD, "@DEFAULT_MONITOR@",
                      "sink monitor", &spec, nullptr, &attr, &code);
    if (stream == nullptr) {
        if (error != nullptr) {
            *error = pa_strerror(code);
        }
        return false;
    }
    stop_ = false;
    thread_ = std::thread([this, stream] { Run(stream); });
    // A null sink renders up to two seconds ahead while nobody asks for
    // less, and only takes the monitor's short latency at its next round:
    // until the first block arrives, nothing recorded would be on time.
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < deadline) {
        {
            const std::lock_guard lock(mutex_);
            if (blocks_.size() > 2) {
                return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    Stop();
    if (error != nullptr) {
        *error = "the sink's monitor delivers nothing";
    }
    return false;
}

void SinkMonitor::Run(void* handle) {
    auto* stream = static_cast<pa_simple*>(handle);
    std::vector<std::int16_t> block(blockSamples_);
    while (!stop_) {
        int code = 0;
        if (pa_simple_read(stream, block.data(), block.size() * sizeof(std::int16_t), &code) < 0) {
            break;
        }
        const Clock::time_point arrival = Clock::now();
        const std::lock_guard lock(mutex_);
        samples_.insert(samples_.end(), block.begin(), block.end());
        blocks_.push_back({samples_.size(), arrival});
    }
    pa_simple_free(stream);
}

void SinkMonitor::Stop() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::vector<std::int16_t> SinkMonitor::Samples() const {
    const std::lock_guard lock(mutex_);
    return samples_;
}

SinkMonitor::Clock::time_point SinkMonitor::TimeOf(std::size_t index) const {
    const std::lock_guard lock(mutex_);
    const auto block = std::upper_bound(blocks_.begin(), blocks_.end(), index,
                                        [](std::size_t i, const Block& b) { return i < b.end; });
    if (block == blocks_.end()) {
        return Clock::now();
    }
    const auto samplesAfter = static_cast<std::int64_t>(block->end - index);
    return block->arrival - std::chrono::microseconds(samplesAfter * 1000000 / kRate);
}

SinkMonitor::Clock::time_point SinkMonitor::LeastDelayedTimeOf(std::size_t index) const {
    const std::lock_guard lock(mutex_);
    const auto around = std::int64_t{2} * kRate;
    std::optional<Clock::time_point> best;
    for (const Block& block : blocks_) {
        const auto ahead = static_cast<std::int64_t>(block.end) - static_cast<std::int64_t>(index);
        if (ahead < -around || ahead > around) {
            continue;
        }
        const Clock::time_point t =
            block.arrival - std::chrono::microseconds(ahead * 1000000 / kRate);
        if (!best || t < *best) {
            best = t;
        }
    }
    return best.value_or(Clock::now());
}

std::size_t SinkMonitor::IndexAt(Clock::time_point t) const {
    const std::lock_guard lock(mutex_);
    for (const Block& block : blocks_) {
        if (block.arrival >= t) {
            const auto before =
                std::chrono::duration_cast<std::chrono::microseconds>(block.arrival - t).count();
            const auto back = static_cast<std::size_t>(before * kRate / 1000000);
            return block.end - std::min(back, blockSamples_);
        }
    }
    return samples_.size();
}

}  // namespace velmora::test
