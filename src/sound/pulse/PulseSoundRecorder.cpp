#include "sound/pulse/PulseSoundRecorder.h"

#include <pulse/error.h>
#include <pulse/simple.h>
#include <sndfile.h>

#include <memory>

#include "sound/pulse/PulseEndpointVolume.h"

namespace velmora {
namespace {

constexpr const char* kNoInputMessage = "録音できる機器が見つかりません。";
constexpr const char* kOpenFailedMessage = "録音機器を開けません。";
// Small blocks, so what was said just before the stop is not left in the
// server's buffer, and a stop is answered within one block.
constexpr std::uint32_t kBlockFrames = PulseSoundRecorder::kRate / 20;

struct CloseFile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

}  // namespace

PulseSoundRecorder::~PulseSoundRecorder() {
    Join();
}

bool PulseSoundRecorder::StartRecording(std::string& error) {
    Join();
    recorded_.clear();
    const pa_sample_spec spec{PA_SAMPLE_S16LE, kRate, 1};
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.fragsize = kBlockFrames * sizeof(std::int16_t);
    int code = 0;
    pa_simple* stream = pa_simple_new(nullptr, "Velmora", PA_STREAM_RECORD, nullptr, "録音", &spec,
                                      nullptr, &attr, &code);
    if (stream == nullptr) {
        error = PulseEndpointVolume::ServerAnswers() ? kOpenFailedMessage : kNoInputMessage;
        return false;
    }
    stop_ = false;
    reader_ = std::thread([this, stream] { Read(stream); });
    return true;
}

void PulseSoundRecorder::Read(pa_simple* stream) {
    std::vector<std::int16_t> block(kBlockFrames);
    int code = 0;
    while (!stop_) {
        if (pa_simple_read(stream, block.data(), block.size() * sizeof(std::int16_t), &code) < 0) {
            break;  // the server went away: the recording ends here
        }
        const std::lock_guard<std::mutex> lock(mutex_);
        recorded_.insert(recorded_.end(), block.begin(), block.end());
    }
    pa_simple_free(stream);
}

void PulseSoundRecorder::Join() {
    if (reader_.joinable()) {
        stop_ = true;
        reader_.join();
    }
}

bool PulseSoundRecorder::StopAndSave(const std::string& path) {
    if (!Recording()) {
        return false;
    }
    Join();
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    std::unique_ptr<SNDFILE, CloseFile> file(sf_open(path.c_str(), SFM_WRITE, &info));
    if (!file) {
        return false;
    }
    const auto frames = static_cast<sf_count_t>(recorded_.size());
    // An empty recording is still a (silent) file.
    return frames == 0 || sf_writef_short(file.get(), recorded_.data(), frames) == frames;
}

}  // namespace velmora
