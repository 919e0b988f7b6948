#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>

#include "sound/MediaPlayer.h"
#include "sound/pulse/PulseSoundChannel.h"
#include "sound/qt/QtMediaPlayer.h"

namespace velmora {

// The player for the short sounds before an announcement, which must start
// at once. A wave file of moderate size is read whole and played on a sound
// channel of its own (a few tens of milliseconds to the first sample,
// against a media pipeline's hundred and more); anything else is handed to
// the general media player. Either way the player reports as any media
// player does, at half of full volume.
class SoundFilePlayer final : public QObject, public MediaPlayer {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoundFilePlayer)

public:
    // Larger files are left to the media player rather than read into
    // memory (about 30 s of CD-quality stereo).
    static constexpr std::uintmax_t kMaxWaveBytes = std::uintmax_t{5} * 1024 * 1024;

    explicit SoundFilePlayer(QObject* parent = nullptr);

    bool SetUrl(const std::string& path) override;
    std::string Url() const override { return url_; }
    bool Play() override;
    void Stop() override;
    double Duration() const override;

private:
    void CheckEnd();
    void Later(int state);
    // Ends what the channel plays without telling anyone (a new file
    // replaces it).
    void Silence();

    QtMediaPlayer fallback_;
    PulseSoundChannel channel_;
    std::shared_ptr<const WaveData> wave_;  // null: the file is the media player's
    std::string url_;
    QTimer poll_;  // watches the channel for the end of the sound
};

}  // namespace velmora
