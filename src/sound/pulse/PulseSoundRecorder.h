#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "sound/SoundRecorder.h"

struct pa_simple;

namespace velmora {

// Records the sound server's default input on a stream of its own and saves
// it with libsndfile as 16-bit mono PCM. Each recording connects afresh, so
// a server that restarted since the last one (an update, a headset that
// came or went) is simply found again. The stream is read on a thread of
// its own; a server lost during a recording ends it early, and what was
// heard until then is still saved.
class PulseSoundRecorder final : public SoundRecorder {
public:
    static constexpr int kRate = 44100;

    PulseSoundRecorder() = default;
    ~PulseSoundRecorder() override;
    PulseSoundRecorder(const PulseSoundRecorder&) = delete;
    PulseSoundRecorder& operator=(const PulseSoundRecorder&) = delete;

    bool StartRecording(std::string& error) override;
    bool StopAndSave(const std::string& path) override;
    bool Recording() const override { return reader_.joinable(); }

private:
    void Read(pa_simple* stream);
    void Join();

    std::thread reader_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::int16_t> recorded_;  // guarded by mutex_ while reader_ runs
};

}  // namespace velmora
