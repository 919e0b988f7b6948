#pragma once

#include <QAudioDevice>
#include <QElapsedTimer>
#include <memory>

#include "sound/WaveData.h"

class QAudioSink;

namespace velmora {

class WaveSource;

// One channel of the sound device: its wave, its gain, and while it plays a
// sink of its own on the sound server, made afresh for every start.
class QtSoundChannel final {
public:
    QtSoundChannel() = default;
    ~QtSoundChannel();
    QtSoundChannel(const QtSoundChannel&) = delete;
    QtSoundChannel& operator=(const QtSoundChannel&) = delete;

    void SetWave(std::shared_ptr<const WaveData> wave);
    void SetGain(double gain);
    bool Play(const QAudioDevice& device, bool looped);
    void Stop();
    int Status();

private:
    void Release();

    std::shared_ptr<const WaveData> wave_;
    double gain_ = 1.0;
    bool looped_ = false;
    QAudioSink* sink_ = nullptr;
    WaveSource* source_ = nullptr;  // owned by sink_
    QElapsedTimer started_;
};

}  // namespace velmora
