#include "sound/qt/QtMediaPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>

namespace velmora {

QtMediaPlayer::QtMediaPlayer(QObject* parent) : QObject(parent) {
    output_.setVolume(kOwnVolume);
    player_.setAudioOutput(&output_);
    connect(&player_, &QMediaPlayer::playbackStateChanged, this,
            &QtMediaPlayer::PlaybackStateChanged);
    connect(&player_, &QMediaPlayer::errorOccurred, this, &QtMediaPlayer::ErrorOccurred);
    connect(&player_, &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
        if (ms > 0) {
            durationMs_ = ms;
        }
    });
}

bool QtMediaPlayer::SetUrl(const std::string& path) {
    url_ = path;
    errorReported_ = false;
    durationMs_ = 0;
    player_.setSource(path.empty() ? QUrl() : QUrl::fromLocalFile(QString::fromStdString(path)));
    return true;
}

void QtMediaPlayer::Release() {
    if (player_.playbackState() == QMediaPlayer::StoppedState && !player_.source().isEmpty()) {
        player_.setSource(QUrl());
    }
}

void QtMediaPlayer::LoadIfReleased() {
    if (player_.source().isEmpty()) {
        player_.setSource(QUrl::fromLocalFile(QString::fromStdString(url_)));
    }
}

bool QtMediaPlayer::Play() {
    if (url_.empty()) {
        return true;
    }
    // The default output may have changed (or the server restarted) since
    // the last file.
    output_.setDevice(QMediaDevices::defaultAudioOutput());
    LoadIfReleased();
    // A file that has ended is loaded afresh: seeking back to its start
    // plays on in silence with this backend.
    if (player_.mediaStatus() == QMediaPlayer::EndOfMedia) {
        const QUrl source = player_.source();
        player_.setSource(QUrl());
        player_.setSource(source);
    }
    player_.play();
    return player_.isAvailable();
}

void QtMediaPlayer::Stop() {
    player_.stop();
    Release();
}

double QtMediaPlayer::Duration() const {
    return static_cast<double>(player_.duration() > 0 ? player_.duration() : durationMs_) / 1000.0;
}

void QtMediaPlayer::PlaybackStateChanged(QMediaPlayer::PlaybackState state) {
    switch (state) {
        case QMediaPlayer::PlayingState:
            Later(kPlayStatePlaying);
            break;
        case QMediaPlayer::PausedState:
            Later(kPlayStatePaused);
            break;
        case QMediaPlayer::StoppedState:
            Later(kPlayStateStopped);
            break;
    }
}

void QtMediaPlayer::Later(int state) {
    QMetaObject::invokeMethod(
        this,
        [this, state] {
            // The end of the file is told before the stop it causes; the
            // player reports the two the other way round.
            if (state == kPlayStateStopped && player_.mediaStatus() == QMediaPlayer::EndOfMedia) {
                ReportPlayState(kPlayStateMediaEnded);
            }
            ReportPlayState(state);
            // Unless the report started it again (repeated music).
            if (state == kPlayStateStopped) {
                Release();
            }
        },
        Qt::QueuedConnection);
}

// One failing file raises several errors in a row (each element of the
// pipeline reports); the program hears of it once.
void QtMediaPlayer::ErrorOccurred() {
    if (errorReported_) {
        return;
    }
    errorReported_ = true;
    QMetaObject::invokeMethod(
        this, [this] { ReportError(); }, Qt::QueuedConnection);
}

}  // namespace velmora
