#include "sound/qt/QtMediaPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>
#include <algorithm>

#include "sound/pulse/PulseEndpointVolume.h"

namespace velmora {

QtMediaPlayer::QtMediaPlayer(QObject* parent) : QObject(parent) {
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &QtMediaPlayer::RetryOutput);
}

QtMediaPlayer::~QtMediaPlayer() = default;

QMediaPlayer& QtMediaPlayer::Pipeline() {
    if (player_) {
        return *player_;
    }
    player_ = std::make_unique<QMediaPlayer>();
    output_ = std::make_unique<QAudioOutput>();
    output_->setVolume(kOwnVolume);
    player_->setAudioOutput(output_.get());
    connect(player_.get(), &QMediaPlayer::playbackStateChanged, this,
            &QtMediaPlayer::PlaybackStateChanged);
    connect(player_.get(), &QMediaPlayer::errorOccurred, this, &QtMediaPlayer::ErrorOccurred);
    // Heard, not merely asked to play: the player says "playing" before its
    // pipeline has reached the server.
    connect(player_.get(), &QMediaPlayer::positionChanged, this, [this](qint64 ms) {
        if (ms > 0 && !waitingForOutput_) {
            played_ = true;
            outputLost_ = false;
            triesOnServer_ = 0;
        }
    });
    connect(player_.get(), &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
        if (ms > 0) {
            durationMs_ = ms;
        }
    });
    return *player_;
}

void QtMediaPlayer::Release() {
    if (player_ && player_->playbackState() == QMediaPlayer::StoppedState) {
        player_->disconnect(this);
        player_.reset();
        output_.reset();
    }
}

bool QtMediaPlayer::SetUrl(const std::string& path) {
    retry_.stop();
    waitingForOutput_ = false;
    url_ = path;
    errorReported_ = false;
    played_ = false;
    durationMs_ = 0;
    if (path.empty()) {
        if (player_) {
            player_->stop();
        }
        Release();
    } else {
        Pipeline().setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    return true;
}

bool QtMediaPlayer::Play() {
    if (url_.empty()) {
        return true;
    }
    retry_.stop();
    waitingForOutput_ = false;
    errorReported_ = false;
    QMediaPlayer& player = Pipeline();
    // The default output may have changed since the last file. Set again
    // when it is the same, the output would swap in a new sink and keep the
    // old one open.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (output_->device() != device) {
        output_->setDevice(device);
    }
    // A file that has ended is loaded afresh: seeking back to its start
    // plays on in silence with this backend.
    const QUrl source = QUrl::fromLocalFile(QString::fromStdString(url_));
    if (player.source() != source || player.mediaStatus() == QMediaPlayer::EndOfMedia) {
        player.setSource(QUrl());
        player.setSource(source);
    }
    player.play();
    return player.isAvailable();
}

void QtMediaPlayer::Stop() {
    retry_.stop();
    if (waitingForOutput_) {
        // Stopped while it waited for the server: the stop the caller
        // expects was held back when the output went.
        waitingForOutput_ = false;
        Later(kPlayStateStopped);
    }
    if (player_) {
        player_->stop();
    }
    Release();
}

double QtMediaPlayer::Duration() const {
    const qint64 ms = player_ && player_->duration() > 0 ? player_->duration() : durationMs_;
    return static_cast<double>(ms) / 1000.0;
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
            if (waitingForOutput_) {
                return;
            }
            // The end of the file is told before the stop it causes; the
            // player reports the two the other way round.
            if (state == kPlayStateStopped && player_ &&
                player_->mediaStatus() == QMediaPlayer::EndOfMedia) {
                ReportPlayState(kPlayStateMediaEnded);
            }
            ReportPlayState(state);
            // Unless the report started it again (repeated music), a stopped
            // player lets go of its pipeline: GStreamer's PulseAudio sinks
            // share one connection per server for as long as any sink is
            // open, so one kept open would tie every later pipeline of the
            // program to a server that has since restarted.
            if (state == kPlayStateStopped) {
                Release();
            }
        },
        Qt::QueuedConnection);
}

// One failing file raises several errors in a row (each element of the
// pipeline reports); the program hears of it once.
void QtMediaPlayer::ErrorOccurred() {
    if (errorReported_ || waitingForOutput_) {
        return;
    }
    // A file that was heard, or any file since the output went and before
    // anything was heard again, fails for want of the server if the server
    // does not answer. A file never heard on a server that never answered
    // (no sound server at all) is the file's own failure.
    if ((played_ || outputLost_) && !PulseEndpointVolume::ServerAnswers()) {
        WaitForOutput();
        return;
    }
    // A server that has only just come back may not take a stream yet.
    if (outputLost_ && triesOnServer_ < kTriesOnReturnedServer) {
        ++triesOnServer_;
        WaitForOutput();
        return;
    }
    errorReported_ = true;
    QMetaObject::invokeMethod(
        this, [this] { ReportError(); }, Qt::QueuedConnection);
}

void QtMediaPlayer::WaitForOutput() {
    waitingForOutput_ = true;
    outputLost_ = true;
    retryMs_ = kFirstRetryMs;
    retry_.start(retryMs_);
}

void QtMediaPlayer::RetryOutput() {
    if (!waitingForOutput_) {
        return;
    }
    if (!PulseEndpointVolume::ServerAnswers()) {
        retryMs_ = std::min(retryMs_ * 2, kLongestRetryMs);
        retry_.start(retryMs_);
        return;
    }
    // The failed pipeline still holds the lost server's connection, which
    // a new sink would share: it goes first, and the file starts again from
    // its beginning on a pipeline of its own.
    if (player_) {
        player_->disconnect(this);
        player_.reset();
        output_.reset();
    }
    waitingForOutput_ = false;
    Play();
}

}  // namespace velmora
