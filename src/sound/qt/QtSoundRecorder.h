#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <memory>

#include "sound/SoundRecorder.h"

class QAudioSource;
class QIODevice;

namespace velmora {

// Records the desktop's default input through Qt Multimedia (PulseAudio
// underneath) and saves it with libsndfile as 16-bit PCM. The format is the
// input's own rate in mono; where the input refuses 16-bit samples its
// preferred sample format is taken and converted on saving.
class QtSoundRecorder final : public QObject, public SoundRecorder {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtSoundRecorder)

public:
    explicit QtSoundRecorder(QObject* parent = nullptr);
    ~QtSoundRecorder() override;

    bool StartRecording(std::string& error) override;
    bool StopAndSave(const std::string& path) override;
    bool Recording() const override { return source_ != nullptr; }

private:
    void ReadAvailable();
    void Close();

    std::unique_ptr<QAudioSource> source_;
    QIODevice* input_ = nullptr;
    QAudioFormat format_;
    QByteArray recorded_;
};

}  // namespace velmora
