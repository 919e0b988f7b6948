#include "sound/qt/WaveSource.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace velmora {

WaveSource::WaveSource(std::shared_ptr<const WaveData> wave, bool looped, QObject* parent)
    : QIODevice(parent), wave_(std::move(wave)), looped_(looped) {}

qint64 WaveSource::Size() const {
    return static_cast<qint64>(wave_->Samples.size() * sizeof(std::int16_t));
}

bool WaveSource::Exhausted() const {
    return !looped_ && position_ >= Size();
}

qint64 WaveSource::bytesAvailable() const {
    if (looped_ && Size() > 0) {
        return std::numeric_limits<int>::max();
    }
    return Size() - position_ + QIODevice::bytesAvailable();
}

qint64 WaveSource::readData(char* data, qint64 maxSize) {
    const qint64 size = Size();
    const auto* bytes = reinterpret_cast<const char*>(wave_->Samples.data());
    qint64 done = 0;
    while (done < maxSize && size > 0) {
        if (position_ >= size) {
            if (!looped_) {
                break;
            }
            position_ = 0;
        }
        const qint64 chunk = std::min(maxSize - done, size - position_);
        std::memcpy(data + done, bytes + position_, static_cast<size_t>(chunk));
        done += chunk;
        position_ += chunk;
    }
    return done;
}

qint64 WaveSource::writeData(const char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

}  // namespace velmora
