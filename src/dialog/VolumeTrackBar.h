#pragma once

#include <QSlider>

namespace velmora {

// "音量:" and the position, and how to hear it, as the hint of a volume
// track bar.
QString VolumeHint(int position);

// A volume track bar 0..100 whose hint always tells its position.
class VolumeTrackBar final : public QSlider {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VolumeTrackBar)

public:
    explicit VolumeTrackBar(QWidget* parent = nullptr);
    void RenewHint();
};

}  // namespace velmora
