#include "clock/TClockForm.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>

#include "base/MessageService.h"
#include "clock/ApplicationHints.h"
#include "clock/ClockDesktop.h"
#include "clock/ClockHandLayer.h"
#include "clock/ClockHints.h"
#include "clock/ClockPainter.h"
#include "clock/ClockPlacement.h"
#include "clock/ClockPositionRules.h"
#include "clock/ClockWindowHost.h"
#include "clock/DialText.h"
#include "clock/MouseHideRule.h"
#include "settings/Settings.h"

namespace velmora {

namespace {

constexpr double kWindowOpacity = 240.0 / 255.0;

PixelSize ToPixelSize(QSize size) {
    return {size.width(), size.height()};
}

PixelRect ToPixelRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

QRect ToQRect(const PixelRect& r) {
    return {r.left, r.top, r.width, r.height};
}

Qt::CursorShape CursorShapeFor(ZoneCursor cursor) {
    switch (cursor) {
        case ZoneCursor::Horizontal:
            return Qt::SizeHorCursor;
        case ZoneCursor::Vertical:
            return Qt::SizeVerCursor;
        case ZoneCursor::Arrow:
            break;
    }
    return Qt::ArrowCursor;
}

// Stands in for a missing STOP picture, so the alarm can still be stopped
// with the mouse.
QImage PlainStopImage() {
    QImage image(kStopImageWidth, kStopImageHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xd0, 0x20, 0x18));
    return image;
}

}  // namespace

TClockForm::TClockForm(ClockWindowHost& host, ClockDesktop& desktop, MessageService& messages,
                       const AppFolders& folders, ClockWindowTimings timings)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      host_(host),
      desktop_(desktop),
      messages_(messages),
      programFolder_(folders.ProgramFolder),
      settings_(folders.DataFolder + kSettingsFileName),
      timings_(timings),
      drag_(*this, desktop, timings.DragPollMs) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QGuiApplication::applicationDisplayName());
    setWindowOpacity(kWindowOpacity);
    // The smallest size an edge drag can end in; the window manager keeps
    // to it while the user drags.
    setMinimumSize(kMinDragWidth, HeightForWidth(kMinDragWidth));

    // Until a face name is applied, the window's own: a Japanese gothic face.
    labelFont_.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("Noto Sans CJK JP")});
    labelFont_.setBold(true);

    // Children in stacking order, bottom to top, over the dial and the label.
    imgHari_ = new ClockHandLayer(this);
    imgHari_->setObjectName(QStringLiteral("ImgHari"));
    imgHari_->installEventFilter(this);
    // The clock takes the keyboard when clicked or tabbed to, never by
    // appearing (the window shows without activating): a screen reader then
    // reads its time, and the menu key opens its menu.
    imgHari_->setFocusPolicy(Qt::StrongFocus);
    imgStopBtn_ = new QLabel(this);
    imgStopBtn_->setObjectName(QStringLiteral("ImgStopBtn"));
    imgStopBtn_->setScaledContents(true);
    imgStopBtn_->installEventFilter(this);
    const QImage stop(QString::fromStdString(programFolder_ + kStopImageFile));
    stopImage_ = stop.isNull() ? PlainStopImage() : SeeThroughBlack(stop);
    imgStopBtn_->setPixmap(QPixmap::fromImage(stopImage_));
    hints_ = new ApplicationHints(this);

    resize(kDesignWidth, kDesignHeight);
    knownScreenSize_ = ScreenSize();
    alarmLabel_ = QStringLiteral("ALARM OFF");
    // Without a description of its own a screen reader would read the hint.
    UpdateAlarmState();
    LoadDial(host_.Dial());
    SetClockHint(QString::fromStdString(CreationHint()));
    LayoutClock();

    displayChangeWait_.setSingleShot(true);
    connect(&displayChangeWait_, &QTimer::timeout, this, &TClockForm::FinishDisplayChange);
    desktop_.WatchScreens([this] { OnDisplayChange(); });
}

TClockForm::~TClockForm() {
    if (isVisible()) {
        SaveClockGeometry();
    }
}

QSize TClockForm::ScreenSize() const {
    return desktop_.ScreenSize();
}

void TClockForm::LayoutClock() {
    layout_ = ComputeClockLayout(width(), height());
    imgHari_->setGeometry(rect());
    imgStopBtn_->setGeometry(ToQRect(StopButtonBox(width(), height())));
    imgHari_->SetLabelFont(labelFont_);
    face_.Render(size());
    PlaceAlarmLabel();
    UpdateShape();
}

void TClockForm::PlaceAlarmLabel() {
    alarmLabelFont_ = FontOfPoints(labelFont_, SnoozeLabelPoints(width()));
    const QFontMetrics metrics(alarmLabelFont_);
    const QSize label(metrics.horizontalAdvance(alarmLabel_), metrics.height());
    const PixelPoint at = SnoozeLabelTopLeft(layout_, ToPixelSize(label));
    alarmLabelRect_ = QRect(QPoint(at.x, at.y), label);
    ComposeBackground();
}

void TClockForm::ComposeBackground() {
    background_ = face_.Image().copy();
    if (!background_.isNull()) {
        QPainter painter(&background_);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(alarmLabelFont_);
        painter.setPen(Qt::red);
        painter.drawText(QPointF(alarmLabelRect_.left(),
                                 alarmLabelRect_.top() + QFontMetrics(alarmLabelFont_).ascent()),
                         alarmLabel_);
    }
    update();
}

void TClockForm::UpdateShape() {
    // Where no compositing manager honours the alpha channel, see-through
    // pixels would show black: cut the window to the clock's shape instead.
    shapeMasked_ = !desktop_.Compositing();
    if (!shapeMasked_) {
        clearMask();
        return;
    }
    QRegion shape = face_.Shape();
    const QRect box = imgStopBtn_->geometry();
    if (!box.isEmpty()) {
        const QImage stop =
            stopImage_.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        shape += QRegion(QBitmap::fromImage(stop.createAlphaMask(Qt::ThresholdAlphaDither)))
                     .translated(box.topLeft());
    }
    setMask(shape);
}

void TClockForm::DrawHands(const ClockTime& now) {
    const ClockTime before = imgHari_->Time();
    imgHari_->ShowTime(now);
    if (before.Minute != now.Minute || before.Hour != now.Hour ||
        imgHari_->accessibleName().isEmpty()) {
        // What a screen reader says for the painted clock, once a minute.
        imgHari_->setAccessibleName(QString::fromStdString(SpokenTimeText(now)));
    }
}

void TClockForm::DrawHands() {
    imgHari_->update();
}

bool TClockForm::HandsMoveBy(const ClockTime& time) const {
    return imgHari_->Changes(time);
}

void TClockForm::LoadDial(DialColour colour) {
    face_.Load(programFolder_, colour);
    imgHari_->SetColour(colour);
    DrawDialNumerals();
}

void TClockForm::DrawDialNumerals() {
    face_.DrawNumerals(labelFont_);
    face_.Render(size());
    ComposeBackground();
    UpdateShape();
}

void TClockForm::SetAlarmLabel(const QString& text) {
    alarmLabel_ = text;
    PlaceAlarmLabel();
    UpdateAlarmState();
}

void TClockForm::UpdateAlarmState() {
    imgHari_->setAccessibleDescription(
        QString::fromStdString(AlarmStateText(alarmLabel_.toStdString(), host_.Ringing())));
}

QString TClockForm::AlarmLabel() const {
    return alarmLabel_;
}

void TClockForm::SetClockHint(const QString& hint) {
    imgHari_->setToolTip(hint);
}

void TClockForm::ApplyFontName(const QString& family) {
    labelFont_.setFamilies({family});
    imgHari_->SetLabelFont(labelFont_);
    PlaceAlarmLabel();
    DrawHands();
}

QRect TClockForm::StopButtonGeometry() const {
    return imgStopBtn_->geometry();
}

QRect TClockForm::AlarmLabelGeometry() const {
    return alarmLabelRect_;
}

void TClockForm::SaveClockGeometry() {
    PixelRect window = ToPixelRect(geometry());
    if (!desktop_.PlacesWindows()) {
        // The window system does not say where the window is: the place
        // stored before stays, for the next start on X11.
        const StoredClockGeometry stored = ReadStoredClockGeometry(settings_);
        window.left = stored.Left.value_or(window.left);
        window.top = stored.Top.value_or(window.top);
    }
    velmora::SaveClockGeometry(settings_, window);
}

void TClockForm::SetTopMost(bool topMost) {
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topMost);
    if (QWindow* window = windowHandle()) {
        // Changing the widget's flags would re-create and hide the window;
        // the native window takes the new stacking in place.
        overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
}

void TClockForm::EnlargeForRinging() {
    setGeometry(ToQRect(RingingPlacement(ToPixelSize(ScreenSize()))));
    LayoutClock();
    DrawHands();
    imgHari_->setCursor(Qt::ArrowCursor);
    show();
    repaint();
    SetTopMost(true);
    UpdateAlarmState();
}

void TClockForm::RestoreNormalSize() {
    const StoredClockGeometry stored = ReadStoredClockGeometry(settings_);
    setGeometry(ToQRect(NormalPlacement(stored, ToPixelSize(ScreenSize()))));
    LayoutClock();
    UpdateAlarmState();
}

bool TClockForm::MouseHideRuleInForce() const {
    // Where the pointer is only known over our own windows, a clock hidden
    // from it would never come back.
    return !host_.Ringing() && host_.HideNearMouse() && !host_.MessageShowing() &&
           host_.ShowClock() && desktop_.PlacesWindows();
}

void TClockForm::ApplyMouseHideRule() {
    if (!MouseHideRuleInForce()) {
        return;  // spares the window system a question every tick
    }
    MouseHideInputs in;
    in.Ringing = false;
    in.MenuOnMouseHide = true;
    in.MessageShowing = false;
    in.MenuShowClock = true;
    const QPoint cursor = desktop_.CursorPos();
    in.Cursor = {cursor.x(), cursor.y()};
    in.Window = ToPixelRect(geometry());
    in.WindowVisible = isVisible();
    in.DialogVisible = host_.SettingsDialogVisible();
    in.HideAllowed = mouseHideAllowed_;
    MouseHideAction action = DecideMouseHide(in);
    if (action == MouseHideAction::Hide) {
        in.CtrlDown = desktop_.CtrlDown();
        action = DecideMouseHide(in);
    }
    if (action == MouseHideAction::Show) {
        show();
        LayoutClock();
        DrawHands();
    } else if (action == MouseHideAction::Hide) {
        hide();
    }
}

void TClockForm::OnDisplayChange() {
    if (!DisplayChangeAccepted(ToPixelSize(knownScreenSize_), !ScreenSize().isEmpty())) {
        return;
    }
    host_.SetTickEnabled(false);
    displayChangeWait_.start(timings_.DisplayChangeWaitMs);
}

void TClockForm::FinishDisplayChange() {
    knownScreenSize_ = ScreenSize();
    const DisplayChangeOutcome outcome =
        SettleDisplayChange(host_.RememberedPosition(), ToPixelSize(knownScreenSize_));
    host_.UpdateClockPositionMenu(outcome.Menu);
    if (outcome.MoveTo) {
        move(outcome.MoveTo->x, outcome.MoveTo->y);
    }
    if (isVisible()) {
        hide();
        show();
        QCoreApplication::processEvents();
    }
    host_.SetTickEnabled(true);
}

void TClockForm::AskToRememberPosition() {
    ClockPosition& position = host_.RememberedPosition();
    const PixelSize screen = ToPixelSize(ScreenSize());
    if (!RememberedPositionApplies(position, screen)) {
        return;
    }
    // Out of the top-most band while the question is up: the box comes up
    // in the middle of the screen, where the clock may stand.
    SetTopMost(false);
    const bool remember = messages_.Ask(QGuiApplication::applicationDisplayName().toStdString(),
                                        PositionQuestionText(screen));
    if (host_.AlwaysOnTop()) {
        SetTopMost(true);
    }
    if (remember) {
        position.X = geometry().x();
        position.Y = geometry().y();
        WriteRememberedPosition(settings_, {position.X, position.Y});
    }
}

void TClockForm::PlaceForFirstShow() {
    const Placement placement =
        FirstShowPlacement(settings_.Exists(), ReadStoredClockGeometry(settings_),
                           ToPixelSize(size()), ToPixelSize(ScreenSize()));
    setGeometry(ToQRect(placement.Rect));
    if (placement.Save) {
        SaveClockGeometry();
    }
    LayoutClock();
    DrawHands();
    const ClockPosition& position = host_.RememberedPosition();
    if (RememberedPositionApplies(position, ToPixelSize(ScreenSize()))) {
        ClockPositionMenuUpdate checked;
        checked.Checked = true;
        host_.UpdateClockPositionMenu(checked);
        move(position.X, position.Y);
    }
    firstShowDone_ = true;
}

void TClockForm::PlaceOnce() {
    if (!firstShowDone_) {
        PlaceForFirstShow();
    }
}

void TClockForm::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), background_);
}

void TClockForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutClock();
}

void TClockForm::setVisible(bool visible) {
    // Placed before the native window exists, so that it is created where
    // it belongs: window managers that place new windows themselves (the
    // XWayland ones among them) take a window's place from its creation
    // and do not follow a move made while it is being mapped.
    if (visible) {
        PlaceOnce();
    }
    QWidget::setVisible(visible);
}

void TClockForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (host_.AlwaysOnTop()) {
        SetTopMost(true);
    }
    UpdateShape();
}

void TClockForm::wheelEvent(QWheelEvent* event) {
    event->ignore();  // passed on unchanged
    if (host_.Ringing()) {
        return;
    }
    const QPoint at = event->globalPosition().toPoint();
    if (!InsideWindowRect(ToPixelRect(geometry()), {at.x(), at.y()})) {
        return;
    }
    const int notches = wheel_.Add(event->angleDelta().y());
    if (notches == 0) {
        return;
    }
    PixelSize size = ToPixelSize(this->size());
    for (int i = 0; i < std::abs(notches); ++i) {
        size = SizeAfterWheel(size, notches < 0);
    }
    resize(size.width, size.height);
    LayoutClock();
    DrawHands();
    SaveClockGeometry();
}

bool TClockForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgStopBtn_) {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            if (host_.Ringing()) {
                host_.StopAlarm();
            }
            return true;
        }
        return false;
    }
    if (watched != imgHari_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            HandsMouseDown(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseMove:
            HandsMouseMove(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            HandsMouseUp(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonDblClick:
            HandsMouseDown(static_cast<QMouseEvent*>(event));
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                HandsDoubleClick();
            }
            return true;
        case QEvent::KeyPress:
            return HandsKeyPress(static_cast<QKeyEvent*>(event));
        default:
            return false;
    }
}

void TClockForm::HandsMouseDown(QMouseEvent* event) {
    dragOrigin_ = event->position().toPoint();
    // A zone pressed earlier without a drag must not turn the next drag of
    // the clock into a resize.
    resizeArmed_ = false;
    if (event->button() != Qt::LeftButton || host_.Ringing()) {
        return;
    }
    const ResizeEdge zone =
        ResizeZoneAt(dragOrigin_.x(), dragOrigin_.y(), imgHari_->width(), imgHari_->height());
    if (zone != ResizeEdge::None) {
        resizeArmed_ = true;
        resizeEdge_ = zone;
    }
}

void TClockForm::HandsMouseMove(QMouseEvent* event) {
    const QPoint screenPos = event->globalPosition().toPoint();
    if (drag_.MouseMoved(screenPos) || drag_.Active() || host_.Ringing()) {
        return;
    }
    const QPoint at = event->position().toPoint();
    imgHari_->setCursor(CursorShapeFor(
        CursorForZone(ResizeZoneAt(at.x(), at.y(), imgHari_->width(), imgHari_->height()))));
    const bool leftDown = event->buttons().testFlag(Qt::LeftButton);
    if (leftDown && resizeArmed_) {
        drag_.Start(resizeEdge_, screenPos, [this] { ResizeFinished(); });
        return;
    }
    if (!DragStartsMove({dragOrigin_.x(), dragOrigin_.y()}, {at.x(), at.y()})) {
        return;
    }
    if (!resizeArmed_ && leftDown) {
        host_.SetTickEnabled(false);
        mouseHideAllowed_ = false;
        drag_.Start(ResizeEdge::None, screenPos, [this] { MoveFinished(); });
    }
}

void TClockForm::HandsMouseUp(QMouseEvent* event) {
    if (drag_.MouseReleased()) {
        return;
    }
    resizeArmed_ = false;
    if (event->button() == Qt::RightButton) {
        OpenMenuAt(event->globalPosition().toPoint());
    }
}

bool TClockForm::HandsKeyPress(QKeyEvent* event) {
    // The menu key, and Shift+F10 where a keyboard has none, as elsewhere on
    // the desktop. The window system may also turn the menu key into a
    // context menu event; the hand layer leaves those unanswered, so the
    // menu opens once.
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 &&
                          (event->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier);
    if (!menuKey) {
        return false;
    }
    // Over the middle of the clock, where no pointer says where.
    OpenMenuAt(imgHari_->mapToGlobal(imgHari_->rect().center()));
    return true;
}

void TClockForm::OpenMenuAt(QPoint screenPos) {
    mouseHideAllowed_ = false;
    host_.OpenTrayMenu(screenPos);
    mouseHideAllowed_ = true;
}

void TClockForm::HandsDoubleClick() {
    if (!host_.StartupPending() && !host_.Ringing()) {
        host_.OpenSettings();
    }
}

void TClockForm::ResizeFinished() {
    const PixelSize size = SizeAfterEdgeDrag(ToPixelSize(this->size()), resizeEdge_);
    resize(size.width, size.height);
    LayoutClock();
    DrawHands();
    SaveClockGeometry();
    AskToRememberPosition();
    resizeArmed_ = false;
}

void TClockForm::MoveFinished() {
    SaveClockGeometry();
    host_.SetTickEnabled(true);
    AskToRememberPosition();
    mouseHideAllowed_ = true;
}

}  // namespace velmora
