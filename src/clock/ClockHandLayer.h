#pragma once

#include <QFont>
#include <QWidget>

#include "clock/ClockTime.h"
#include "clock/DialColour.h"

namespace velmora {

// The hand layer over the dial (`ImgHari`): the date, the hands and the
// centre dot of the time it was last given. It is see-through elsewhere and
// receives the clock's mouse input, which the window handles.
class ClockHandLayer final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClockHandLayer)

public:
    explicit ClockHandLayer(QWidget* parent);

    void SetTime(const ClockTime& time) { time_ = time; }
    const ClockTime& Time() const { return time_; }
    void SetColour(DialColour colour) { colour_ = colour; }
    void SetLabelFont(const QFont& font) { labelFont_ = font; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ClockTime time_;
    DialColour colour_ = DialColour::Gray;
    QFont labelFont_;
};

}  // namespace velmora
