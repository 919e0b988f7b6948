#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
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

    explicit QtMediaPlayer(QObject* parent = nullptr);

    bool SetUrl(const std::string& path) override;
    std::string Url() const override { return url_; }
    bool Play() override;
    void Stop() override;
    double Duration() const override;

private:
    void PlaybackStateChanged(QMediaPlayer::PlaybackState state);
    // A stopped player lets go of its pipeline: one held on would keep the
    // sound server's connection of every pipeline in the program, and after
    // the server restarted nothing could play again.
    void Release();
    void LoadIfReleased();
    void ErrorOccurred();
    // Player events reach the program from the event loop, never from
    // inside a call it made on the player (the player cannot be restarted
    // from within its own end-of-media signal).
    void Later(int state);

    QMediaPlayer player_;
    QAudioOutput output_;
    std::string url_;
    qint64 durationMs_ = 0;  // of the file set, kept when the pipeline is let go
    bool errorReported_ = false;
};

}  // namespace velmora
