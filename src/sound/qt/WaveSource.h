#pragma once

#include <QIODevice>
#include <memory>

#include "sound/WaveData.h"

namespace velmora {

// Serves a wave's samples to an audio sink that pulls them, once or round
// and round without end.
class WaveSource final : public QIODevice {
public:
    WaveSource(std::shared_ptr<const WaveData> wave, bool looped, QObject* parent);

    // Every byte of a once-played wave has been handed out.
    bool Exhausted() const;

    bool isSequential() const override { return true; }
    bool atEnd() const override { return Exhausted(); }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    qint64 Size() const;

    std::shared_ptr<const WaveData> wave_;
    bool looped_;
    qint64 position_ = 0;  // bytes
};

}  // namespace velmora
