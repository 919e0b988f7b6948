#include "app/ClockWindowOpsAdapter.h"

#include <QGuiApplication>
#include <QScreen>

#include "about/TVelmoraVersionForm.h"
#include "app/FaceName.h"
#include "app/TVelmoraMainForm.h"
#include "clock/ClockPlacement.h"
#include "clock/ClockTime.h"
#include "clock/TClockForm.h"
#include "dialog/TVelmoraSetteiForm.h"

namespace velmora {

bool ClockWindowOpsAdapter::Visible() const {
    return form_.isVisible();
}

void ClockWindowOpsAdapter::Hide() {
    // Without a tray the clock is the only way in.
    if (!parts_.NoTray) {
        form_.hide();
    }
}

void ClockWindowOpsAdapter::EnlargeForRinging() {
    form_.EnlargeForRinging();
}

void ClockWindowOpsAdapter::RestoreNormalSize() {
    form_.RestoreNormalSize();
}

void ClockWindowOpsAdapter::SetTopMost(bool topMost) {
    form_.SetTopMost(topMost);
}

void ClockWindowOpsAdapter::DrawHands(DateTime now) {
    form_.DrawHands(ClockTimeAt(now));
}

bool ClockWindowOpsAdapter::HandsMoveBy(DateTime moment) const {
    return form_.isVisible() && form_.HandsMoveBy(ClockTimeAt(moment));
}

void ClockWindowOpsAdapter::ApplyMouseHideRule() {
    form_.ApplyMouseHideRule();
}

bool ClockWindowOpsAdapter::WatchesPointer() const {
    return form_.MouseHideRuleInForce();
}

void ClockWindowOpsAdapter::ApplyStoredFont() {
    const std::string fallback =
        parts_.Main != nullptr ? parts_.Main->MenuFontName() : std::string();
    const std::string name = ReadFontName(parts_.Ini, fallback, [](const std::string& face) {
        return FaceInstalled(QString::fromStdString(face));
    });
    if (name.empty()) {
        return;
    }
    const QString face = QString::fromStdString(name);
    if (parts_.Dialog != nullptr) {
        parts_.Dialog->SetFontName(face);
    }
    ApplyFontName(face);
}

void ClockWindowOpsAdapter::ApplyFontName(const QString& face) {
    form_.ApplyFontName(face);
    if (parts_.About != nullptr) {
        ApplyFaceName(*parts_.About, face);
    }
    if (parts_.Dialog != nullptr) {
        ApplyFaceName(*parts_.Dialog, face);
    }
    form_.LayoutClock();
}

void ClockWindowOpsAdapter::CentreClock() {
    const QSize screen = QGuiApplication::primaryScreen() != nullptr
                             ? QGuiApplication::primaryScreen()->geometry().size()
                             : QSize();
    const PixelPoint at =
        CentredOn({screen.width(), screen.height()}, {form_.width(), form_.height()});
    form_.move(at.x, at.y);
}

void ClockWindowOpsAdapter::SetHint(const std::string& hint) {
    hint_ = hint;
    form_.SetClockHint(QString::fromStdString(hint));
}

void ClockWindowOpsAdapter::ReplaceHelpHint(const std::string& oldHelp,
                                            const std::string& newHelp) {
    const size_t at = hint_.rfind(oldHelp);
    if (!oldHelp.empty() && at != std::string::npos && at + oldHelp.size() == hint_.size()) {
        SetHint(hint_.substr(0, at) + newHelp);
    }
}

void ClockWindowOpsAdapter::SetAlarmLabel(const std::string& text) {
    form_.SetAlarmLabel(QString::fromStdString(text));
}

}  // namespace velmora
