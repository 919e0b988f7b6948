#include "dialog/VolumeTrackBar.h"

namespace velmora {

QString VolumeHint(int position) {
    return QStringLiteral("音量:") + QString::number(position) +
           QStringLiteral("\n「TEST」ボタンをクリックすると音量を確認できます。");
}

VolumeTrackBar::VolumeTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(0, 100);
    setValue(50);
    setTickPosition(QSlider::NoTicks);
    setPageStep(10);
    RenewHint();
    connect(this, &QSlider::valueChanged, this, &VolumeTrackBar::RenewHint);
}

void VolumeTrackBar::RenewHint() {
    setToolTip(VolumeHint(value()));
}

}  // namespace velmora
