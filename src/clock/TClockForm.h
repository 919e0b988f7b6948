#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <string>

#include "base/AppFolders.h"
#include "clock/ClockFace.h"
#include "clock/ClockLayout.h"
#include "clock/ClockSizing.h"
#include "clock/ClockTime.h"
#include "clock/DialColour.h"
#include "clock/WindowDrag.h"
#include "settings/IniFile.h"

class QKeyEvent;
class QLabel;

namespace velmora {

class ApplicationHints;
class ClockDesktop;
class ClockHandLayer;
class ClockWindowHost;
class MessageService;

// Waits of the clock window; tests shorten them.
struct ClockWindowTimings {
    int DisplayChangeWaitMs = 10'000;
    int DragPollMs = 50;
};

// The frameless analogue clock: the dial picture with its numerals, the
// alarm label, the hand layer with the date, and the STOP picture on top.
// Black is see-through; the window can be resized with the wheel and at the
// middle of its left, right and bottom edges, moved by a drag, and opens the
// tray menu (right button, or the menu key once it has the keyboard) and the
// settings through its host. It draws the time it is given and never reads
// the clock itself.
class TClockForm final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TClockForm)

public:
    TClockForm(ClockWindowHost& host, ClockDesktop& desktop, MessageService& messages,
               const AppFolders& folders, ClockWindowTimings timings = {});
    ~TClockForm() override;

    // Recomputes everything that follows the window size and places the
    // STOP picture and the alarm label.
    void LayoutClock();
    // Redraws the hand layer for `now`, or for the time last given.
    void DrawHands(const ClockTime& now);
    void DrawHands();
    // Whether DrawHands(time) would change what the hand layer shows.
    bool HandsMoveBy(const ClockTime& time) const;
    // Loads the dial picture of that colour and draws its numerals.
    void LoadDial(DialColour colour);
    void DrawDialNumerals();

    // The alarm label ("ALARM OFF", "ALARM ON", "SNOOZE"), centred.
    void SetAlarmLabel(const QString& text);
    QString AlarmLabel() const;
    // The hint shown over the clock.
    void SetClockHint(const QString& hint);
    // Gives the alarm label (and with it the date and future numerals)
    // another face name, keeping size and weight.
    void ApplyFontName(const QString& family);

    // Writes [Clock] Width, Left and Top.
    void SaveClockGeometry();
    // Top-most on or off, without activating, moving or sizing the window.
    void SetTopMost(bool topMost);

    // While the alarm rings: half the screen high, centred, on top.
    void EnlargeForRinging();
    // After ringing: the size and place stored in the settings file.
    void RestoreNormalSize();

    // One step of the mouse-hide rule, with the pointer and Ctrl as the
    // desktop reports them now.
    void ApplyMouseHideRule();
    // Whether that rule acts now: asked on every tick, it watches the pointer.
    bool MouseHideRuleInForce() const;
    bool MouseHideAllowed() const { return mouseHideAllowed_; }

    // The screen configuration changed: after a wait, re-place the clock.
    void OnDisplayChange();

    ClockLayout Layout() const { return layout_; }
    QRect StopButtonGeometry() const;
    QRect AlarmLabelGeometry() const;
    bool FirstShowDone() const { return firstShowDone_; }
    // Takes the place and size the first showing gives, without showing: a
    // clock kept hidden from the start is then where a shown one would be,
    // for the menu that remembers its position and for the ringing.
    void PlaceOnce();
    bool UsesShapeMask() const { return shapeMasked_; }

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QFont LabelFont() const;
    void PlaceForFirstShow();
    void UpdateShape();
    void FinishDisplayChange();
    void PlaceAlarmLabel();
    // The clock's state as a screen reader gives it beside the time.
    void UpdateAlarmState();
    void ComposeBackground();
    void AskToRememberPosition();
    void HandsMouseDown(QMouseEvent* event);
    void HandsMouseMove(QMouseEvent* event);
    void HandsMouseUp(QMouseEvent* event);
    void HandsDoubleClick();
    // Opens the menu for the menu key; whether the key was one.
    bool HandsKeyPress(QKeyEvent* event);
    // The tray menu at a screen point, the clock staying while it is open.
    void OpenMenuAt(QPoint screenPos);
    void ResizeFinished();
    void MoveFinished();
    QSize ScreenSize() const;

    ClockWindowHost& host_;
    ClockDesktop& desktop_;
    MessageService& messages_;
    std::string programFolder_;
    IniFile settings_;
    ClockWindowTimings timings_;

    ClockFace face_;
    QImage stopImage_;
    ClockLayout layout_;
    QFont labelFont_;
    // The alarm label (`LblSnooze`) lies between the dial and the hands. It
    // changes seldom, so it is drawn once into the background with the dial
    // rather than again with every redraw of the hands.
    QString alarmLabel_;
    QFont alarmLabelFont_;
    QRect alarmLabelRect_;
    QImage background_;
    ClockHandLayer* imgHari_ = nullptr;
    QLabel* imgStopBtn_ = nullptr;
    ApplicationHints* hints_ = nullptr;
    WindowDrag drag_;
    QTimer displayChangeWait_;

    QPoint dragOrigin_;
    bool resizeArmed_ = false;
    ResizeEdge resizeEdge_ = ResizeEdge::None;
    bool mouseHideAllowed_ = true;
    bool firstShowDone_ = false;
    QSize knownScreenSize_;
    bool shapeMasked_ = false;
    WheelNotches wheel_;
};

}  // namespace velmora
