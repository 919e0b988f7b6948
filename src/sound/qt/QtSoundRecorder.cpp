#include "sound/qt/QtSoundRecorder.h"

#include <sndfile.h>

#include <QAudioDevice>
#include <QAudioSource>
#include <QMediaDevices>
#include <cstring>
#include <vector>

namespace velmora {
namespace {

constexpr const char* kNoInputMessage = "録音できる機器が見つかりません。";
constexpr const char* kOpenFailedMessage = "録音機器を開けません。";
constexpr qint64 kBlockMicroseconds = 50000;

struct CloseFile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

// A voice needs one channel; 16-bit samples are what the file keeps.
QAudioFormat RecordingFormat(const QAudioDevice& device) {
    QAudioFormat format = device.preferredFormat();
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(format)) {
        return format;
    }
    format.setSampleFormat(device.preferredFormat().sampleFormat());
    return device.isFormatSupported(format) ? format : device.preferredFormat();
}

}  // namespace

QtSoundRecorder::QtSoundRecorder(QObject* parent) : QObject(parent) {}

QtSoundRecorder::~QtSoundRecorder() {
    Close();
}

bool QtSoundRecorder::StartRecording(std::string& error) {
    Close();
    recorded_.clear();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull()) {
        error = kNoInputMessage;
        return false;
    }
    format_ = RecordingFormat(device);
    source_ = std::make_unique<QAudioSource>(device, format_);
    // Small blocks, so what was said just before the stop is not left in
    // the server's buffer.
    source_->setBufferSize(format_.bytesForDuration(kBlockMicroseconds));
    input_ = source_->start();
    if (input_ == nullptr || source_->error() != QAudio::NoError) {
        Close();
        error = kOpenFailedMessage;
        return false;
    }
    connect(input_, &QIODevice::readyRead, this, &QtSoundRecorder::ReadAvailable);
    return true;
}

void QtSoundRecorder::ReadAvailable() {
    if (input_ != nullptr) {
        recorded_.append(input_->readAll());
    }
}

void QtSoundRecorder::Close() {
    if (source_ == nullptr) {
        return;
    }
    if (input_ != nullptr) {
        disconnect(input_, nullptr, this, nullptr);
    }
    source_->stop();
    source_.reset();
    input_ = nullptr;
}

bool QtSoundRecorder::StopAndSave(const std::string& path) {
    if (source_ == nullptr) {
        return false;
    }
    ReadAvailable();
    Close();

    const int frameBytes = format_.bytesPerFrame();
    const int channels = format_.channelCount();
    if (frameBytes <= 0 || channels <= 0 || format_.sampleRate() <= 0) {
        return false;
    }
    SF_INFO info{};
    info.samplerate = format_.sampleRate();
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    std::unique_ptr<SNDFILE, CloseFile> file(sf_open(path.c_str(), SFM_WRITE, &info));
    if (!file) {
        return false;
    }
    const auto frames = static_cast<sf_count_t>(recorded_.size() / frameBytes);
    if (frames == 0) {
        return true;  // an empty recording is still a (silent) file
    }
    if (format_.sampleFormat() == QAudioFormat::Int16) {
        std::vector<short> samples(static_cast<size_t>(frames * channels));
        std::memcpy(samples.data(), recorded_.constData(), samples.size() * sizeof(short));
        return sf_writef_short(file.get(), samples.data(), frames) == frames;
    }
    const int sampleBytes = format_.bytesPerSample();
    std::vector<float> samples(static_cast<size_t>(frames * channels));
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = format_.normalizedSampleValue(recorded_.constData() +
                                                   static_cast<qsizetype>(i) * sampleBytes);
    }
    sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
    return sf_writef_float(file.get(), samples.data(), frames) == frames;
}

}  // namespace velmora
