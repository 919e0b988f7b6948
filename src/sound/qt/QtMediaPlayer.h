#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

#include "sound/MediaPlayer.h"

namespace velmora {

// A media player on Qt Multimedia (GStreamer underneath): wav, mp3, ogg,
// flac, m4a and whatever else the installed plugins decode. Its own volume
// is half of full, on top of the system's master volume.
class QtMediaPlayer final : public QObject, public MediaPlayer {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtMediaPlayer)

public:
    static constexpr float kOwnVolume = 0.5F;
    static constexpr int kFirstRetryMs = 250;
    static constexpr int kLongestRetryMs = 2000;
    static constexpr int kTriesOnReturnedServer = 4;

    explicit QtMediaPlayer(QObject* parent = nullptr);
    ~QtMediaPlayer() override;

    bool SetUrl(const std::string& path) override;
    std::string Url() const override { return url_; }
    bool Play() override;
    void Stop() override;
    double Duration() const override;

private:
    // The pipeline, made when a file is set or played and let go once it
    // has stopped.
    QMediaPlayer& Pipeline();
    void Release();
    void PlaybackStateChanged(QMediaPlayer::PlaybackState state);
    void ErrorOccurred();
    // Player events reach the program from the event loop, never from
    // inside a call it made on the player (the player cannot be restarted
    // from within its own end-of-media signal).
    void Later(int state);
    // The sound server went away under a file that was playing (it
    // restarts after an update, a headset came or went): the file is not at
    // fault, so nobody hears of an error or a stop. The file is started
    // again once the server answers, asking at growing intervals up to
    // kLongestRetryMs.
    void WaitForOutput();
    void RetryOutput();

    std::unique_ptr<QMediaPlayer> player_;
    std::unique_ptr<QAudioOutput> output_;
    std::string url_;
    qint64 durationMs_ = 0;  // of the file set, kept when the pipeline is let go
    bool errorReported_ = false;
    bool played_ = false;  // the current file has been heard since it was set
    bool waitingForOutput_ = false;
    bool outputLost_ = false;  // since the server went, nothing was heard
    int triesOnServer_ = 0;    // failed starts since, on a server that answered
    QTimer retry_;
    int retryMs_ = 0;
};

}  // namespace velmora
