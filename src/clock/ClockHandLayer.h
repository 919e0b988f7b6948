#pragma once

#include <QFont>
#include <QWidget>

#include "clock/ClockPainter.h"
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

    // Shows `time`, redrawing only what changed since the time shown before.
    void ShowTime(const ClockTime& time);
    // Whether ShowTime(time) would change anything on the layer.
    bool Changes(const ClockTime& time) const;
    const ClockTime& Time() const { return time_; }
    void SetColour(DialColour colour) { colour_ = colour; }
    void SetLabelFont(const QFont& font);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ClockTime time_;
    DialColour colour_ = DialColour::Gray;
    QFont labelFont_;
    // The date is laid out once a day (and after a font or size change),
    // not on each of the ten redraws a second.
    PreparedDate date_;
    bool dateValid_ = false;
};

}  // namespace velmora
