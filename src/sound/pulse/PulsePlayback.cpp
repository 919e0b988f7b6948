#include "sound/pulse/PulsePlayback.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace velmora {

struct PulsePlayback::Shared {
    std::shared_ptr<const WaveData> wave;
    bool looped = false;
    std::atomic<double> gain{1.0};
    std::atomic<bool> stop{false};
    std::atomic<bool> playing{true};

    std::mutex mutex;
    std::condition_variable answered;
    std::optional<PlaybackStart> start;  // under mutex
    pa_mainloop* loop = nullptr;         // under mutex; the worker's while it runs
};

namespace {

// What the wave reader lets through, the server must take.
static_assert(kMaxWaveRate <= PA_RATE_MAX && kMaxWaveChannels <= PA_CHANNELS_MAX);

// The server's buffer for one stream: enough to ride out a busy moment of
// the machine, short enough that a stop or a gain change is heard at once.
constexpr int kBufferMilliseconds = 200;
// How long a start waits for the server's answer. A local server answers
// within a few milliseconds; one that hangs must not hold up the clock.
constexpr auto kAnswerWait = std::chrono::milliseconds(500);

bool Good(pa_context_state_t state) {
    return state != PA_CONTEXT_FAILED && state != PA_CONTEXT_TERMINATED;
}

bool Good(pa_stream_state_t state) {
    return state != PA_STREAM_FAILED && state != PA_STREAM_TERMINATED;
}

std::int16_t Scaled(std::int16_t sample, double gain) {
    const double value = std::round(static_cast<double>(sample) * gain);
    return static_cast<std::int16_t>(std::clamp(value, -32768.0, 32767.0));
}

// The playback thread: connects, feeds the stream until the wave has been
// heard, the stream fails or a stop is asked for, and tears everything down.
class Worker {
public:
    explicit Worker(PulsePlayback::Shared& shared) : s_(shared), wave_(*shared.wave) {}

    ~Worker() {
        if (drain_ != nullptr) {
            if (pa_operation_get_state(drain_) == PA_OPERATION_RUNNING) {
                pa_operation_cancel(drain_);
            }
            pa_operation_unref(drain_);
        }
        if (stream_ != nullptr) {
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
        }
        if (context_ != nullptr) {
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        {
            const std::lock_guard lock(s_.mutex);
            s_.loop = nullptr;
        }
        if (loop_ != nullptr) {
            pa_mainloop_free(loop_);
        }
        s_.playing = false;
        // A start still waiting hears that nothing came of it.
        Answer(PlaybackStart::NoServer);
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    void Run() {
        loop_ = pa_mainloop_new();
        if (loop_ == nullptr) {
            return;
        }
        {
            // Published before any wait, so a stop can always wake the loop.
            const std::lock_guard lock(s_.mutex);
            s_.loop = loop_;
        }
        if (!Connect()) {
            Answer(PlaybackStart::NoServer);
            return;
        }
        const auto opened = OpenStream();
        Answer(opened);
        if (opened == PlaybackStart::Started) {
            Feed();
        }
    }

private:
    void Answer(PlaybackStart result) {
        {
            const std::lock_guard lock(s_.mutex);
            if (s_.start) {
                return;
            }
            s_.start = result;
        }
        s_.answered.notify_all();
    }

    bool Iterate() { return !s_.stop && pa_mainloop_iterate(loop_, 1, nullptr) >= 0; }

    bool Connect() {
        context_ = pa_context_new(pa_mainloop_get_api(loop_), "Velmora");
        // A server of our own would play to nobody: none is ever started.
        if (context_ == nullptr ||
            pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            return false;
        }
        while (pa_context_get_state(context_) != PA_CONTEXT_READY) {
            if (!Good(pa_context_get_state(context_)) || !Iterate()) {
                return false;
            }
        }
        return true;
    }

    PlaybackStart OpenStream() {
        pa_sample_spec spec{};
        spec.format = PA_SAMPLE_S16LE;
        spec.rate = static_cast<std::uint32_t>(std::max(wave_.SampleRate, 0));
        spec.channels = static_cast<std::uint8_t>(std::clamp(wave_.Channels, 0, 255));
        if (pa_sample_spec_valid(&spec) == 0) {
            return PlaybackStart::Failed;
        }
        stream_ = pa_stream_new(context_, "Velmora", &spec, nullptr);
        if (stream_ == nullptr) {
            return PlaybackStart::Failed;
        }
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.tlength = static_cast<std::uint32_t>(
            pa_usec_to_bytes(static_cast<pa_usec_t>(kBufferMilliseconds) * 1000, &spec));
        attr.prebuf = static_cast<std::uint32_t>(-1);
        attr.minreq = static_cast<std::uint32_t>(-1);
        attr.fragsize = static_cast<std::uint32_t>(-1);
        // The output's latency is set from this buffer. Left to itself an
        // output nobody asks for less holds up to two seconds, and a sound's
        // end (the drain) would be known only that long after it was heard.
        if (pa_stream_connect_playback(stream_, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr,
                                       nullptr) < 0) {
            return PlaybackStart::Failed;
        }
        while (pa_stream_get_state(stream_) != PA_STREAM_READY) {
            if (!Good(pa_stream_get_state(stream_)) || !Iterate()) {
                return Good(pa_context_get_state(context_)) ? PlaybackStart::Failed
                                                            : PlaybackStart::NoServer;
            }
        }
        return PlaybackStart::Started;
    }

    // Writes what the server has room for, in whole frames.
    bool Write() {
        const std::size_t frameBytes = static_cast<std::size_t>(wave_.Channels) * 2;
        const std::size_t total = wave_.Frames() * frameBytes;
        std::size_t room = pa_stream_writable_size(stream_);
        if (room == static_cast<std::size_t>(-1)) {
            return false;
        }
        room -= room % frameBytes;
        while (room > 0 && position_ < total) {
            const std::size_t bytes = std::min(room, total - position_);
            const std::int16_t* from = wave_.Samples.data() + position_ / 2;
            const double gain = s_.gain;
            const void* data = from;
            if (gain != 1.0) {
                scaled_.resize(bytes / 2);
                std::transform(from, from + bytes / 2, scaled_.begin(),
                               [gain](std::int16_t v) { return Scaled(v, gain); });
                data = scaled_.data();
            }
            if (pa_stream_write(stream_, data, bytes, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
                return false;
            }
            position_ += bytes;
            room -= bytes;
            if (s_.looped && position_ == total) {
                position_ = 0;
            }
        }
        return true;
    }

    void Feed() {
        bool drained = false;
        const std::size_t total = wave_.Frames() * static_cast<std::size_t>(wave_.Channels) * 2;
        while (!drained) {
            if (!Good(pa_context_get_state(context_)) || !Good(pa_stream_get_state(stream_))) {
                return;  // the server went away: what was playing is lost
            }
            if (drain_ == nullptr) {
                if (!Write()) {
                    return;
                }
                if (!s_.looped && position_ >= total) {
                    // The end is known once the server has played it all.
                    drain_ = pa_stream_drain(
                        stream_,
                        [](pa_stream*, int, void* done) { *static_cast<bool*>(done) = true; },
                        &drained);
                    if (drain_ == nullptr) {
                        return;
                    }
                }
            }
            if (!Iterate()) {
                return;
            }
        }
    }

    PulsePlayback::Shared& s_;
    const WaveData& wave_;
    pa_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    pa_operation* drain_ = nullptr;
    std::size_t position_ = 0;  // bytes
    std::vector<std::int16_t> scaled_;
};

}  // namespace

PulsePlayback::~PulsePlayback() {
    Stop();
}

PlaybackStart PulsePlayback::Start(std::shared_ptr<const WaveData> wave, bool looped, double gain) {
    Stop();
    if (!wave || wave->Frames() == 0 || wave->Channels < 1 || wave->SampleRate < 1) {
        return PlaybackStart::Failed;
    }
    auto shared = std::make_shared<Shared>();
    shared->wave = std::move(wave);
    shared->looped = looped;
    shared->gain = gain;
    shared_ = shared;
    worker_ = std::thread([shared] { Worker(*shared).Run(); });

    std::unique_lock lock(shared->mutex);
    shared->answered.wait_for(lock, kAnswerWait, [&] { return shared->start.has_value(); });
    const PlaybackStart result = shared->start.value_or(PlaybackStart::Started);
    lock.unlock();
    if (result != PlaybackStart::Started) {
        Stop();
    }
    return result;
}

void PulsePlayback::Stop() {
    if (!shared_) {
        return;
    }
    shared_->stop = true;
    {
        const std::lock_guard lock(shared_->mutex);
        if (shared_->loop != nullptr) {
            pa_mainloop_wakeup(shared_->loop);
        }
    }
    if (worker_.joinable()) {
        worker_.join();
    }
    shared_.reset();
}

void PulsePlayback::SetGain(double gain) {
    if (shared_) {
        shared_->gain = gain;
    }
}

bool PulsePlayback::Playing() const {
    return shared_ && shared_->playing;
}

}  // namespace velmora
