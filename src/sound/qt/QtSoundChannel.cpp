#include "sound/qt/QtSoundChannel.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <utility>

#include "sound/SoundDevice.h"
#include "sound/qt/WaveSource.h"

namespace velmora {
namespace {

// The server's buffer for one stream. The sink feeds it from the event
// loop, so it must bridge a busy moment of the program; a longer buffer
// would only let the status fall idle that much before the sound does.
constexpr int kBufferMilliseconds = 200;
// A once-played wave that still "plays" this long after its own length has
// stalled (the server stopped consuming): it is given up as lost.
constexpr qint64 kStallMilliseconds = 2000;

QAudioFormat FormatOf(const WaveData& wave) {
    QAudioFormat format;
    format.setSampleRate(wave.SampleRate);
    format.setChannelCount(wave.Channels);
    format.setSampleFormat(QAudioFormat::Int16);
    format.setChannelConfig(QAudioFormat::defaultChannelConfigForChannelCount(wave.Channels));
    return format;
}

}  // namespace

QtSoundChannel::~QtSoundChannel() {
    if (sink_ != nullptr) {
        sink_->stop();
        delete sink_;
    }
}

void QtSoundChannel::SetWave(std::shared_ptr<const WaveData> wave) {
    Release();
    wave_ = std::move(wave);
    gain_ = 1.0;
}

void QtSoundChannel::SetGain(double gain) {
    gain_ = gain;
    if (sink_ != nullptr) {
        sink_->setVolume(gain_);
    }
}

bool QtSoundChannel::Play(const QAudioDevice& device, bool looped) {
    Release();
    if (!wave_ || wave_->Samples.empty() || wave_->Channels < 1 || wave_->SampleRate < 1) {
        return false;
    }
    const QAudioFormat format = FormatOf(*wave_);
    sink_ = new QAudioSink(device, format);
    sink_->setBufferSize(format.bytesForDuration(kBufferMilliseconds * 1000));
    sink_->setVolume(gain_);
    source_ = new WaveSource(wave_, looped, sink_);
    source_->open(QIODevice::ReadOnly);
    looped_ = looped;
    sink_->start(source_);
    if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        Release();
        return false;
    }
    started_.start();
    return true;
}

void QtSoundChannel::Stop() {
    Release();
}

int QtSoundChannel::Status() {
    if (sink_ == nullptr) {
        return kChannelIdle;
    }
    // A sink stops by itself only when its stream failed (the server went
    // away); what it was playing is lost.
    if (sink_->state() == QAudio::StoppedState) {
        Release();
        return kChannelIdle;
    }
    if (looped_) {
        return kChannelPlayingLooped;
    }
    // The sink has taken the last sample well before the server plays it;
    // the channel counts as playing until the wave's length has passed.
    const qint64 elapsed = started_.elapsed();
    const qint64 length = wave_->Milliseconds();
    if ((source_->Exhausted() && elapsed >= length) || elapsed > length + kStallMilliseconds) {
        Release();
        return kChannelIdle;
    }
    return kChannelPlayingOnce;
}

// The sink is deleted from the event loop: deleting a sink runs the event
// loop itself, which must not happen in the middle of a caller's step.
void QtSoundChannel::Release() {
    if (sink_ == nullptr) {
        return;
    }
    sink_->stop();
    sink_->deleteLater();
    sink_ = nullptr;
    source_ = nullptr;
}

}  // namespace velmora
