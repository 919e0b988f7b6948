#include "sound/qt/SoundFilePlayer.h"

#include <chrono>
#include <filesystem>

#include "sound/SoundDevice.h"
#include "sound/sndfile/SndfileWaveReader.h"

namespace velmora {

SoundFilePlayer::SoundFilePlayer(QObject* parent) : QObject(parent) {
    fallback_.SetPlayStateHandler([this](int state) { ReportPlayState(state); });
    fallback_.SetErrorHandler([this] { ReportError(); });
    poll_.setInterval(std::chrono::milliseconds(10));
    connect(&poll_, &QTimer::timeout, this, &SoundFilePlayer::CheckEnd);
}

bool SoundFilePlayer::SetUrl(const std::string& path) {
    Silence();
    url_ = path;
    wave_.reset();
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!path.empty() && !error && size <= kMaxWaveBytes) {
        if (auto wave = SndfileWaveReader().ReadWaveFile(path)) {
            wave_ = std::make_shared<const WaveData>(std::move(*wave));
        }
    }
    return fallback_.SetUrl(wave_ ? std::string() : path);
}

bool SoundFilePlayer::Play() {
    if (!wave_) {
        return fallback_.Play();
    }
    channel_.SetWave(wave_);
    channel_.SetGain(QtMediaPlayer::kOwnVolume);
    // With no sound server the sound plays to nobody and ends at once, as
    // the media player's would: what follows it (the words, the alarm's
    // next round) goes on, and no failure is reported for a file that is fine.
    if (channel_.Play(false) == PlaybackStart::Failed) {
        return false;
    }
    poll_.start();
    Later(kPlayStatePlaying);
    return true;
}

void SoundFilePlayer::Stop() {
    if (!wave_) {
        fallback_.Stop();
        return;
    }
    if (poll_.isActive()) {
        Silence();
        Later(kPlayStateStopped);
    }
}

double SoundFilePlayer::Duration() const {
    return wave_ ? static_cast<double>(wave_->Milliseconds()) / 1000.0 : fallback_.Duration();
}

void SoundFilePlayer::CheckEnd() {
    if (channel_.Status() == kChannelIdle) {
        poll_.stop();
        ReportPlayState(kPlayStateMediaEnded);
        ReportPlayState(kPlayStateStopped);
    }
}

void SoundFilePlayer::Silence() {
    poll_.stop();
    channel_.Stop();
}

void SoundFilePlayer::Later(int state) {
    QMetaObject::invokeMethod(
        this, [this, state] { ReportPlayState(state); }, Qt::QueuedConnection);
}

}  // namespace velmora
