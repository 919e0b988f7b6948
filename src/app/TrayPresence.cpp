#include "app/TrayPresence.h"

#include "app/ClockTicker.h"
#include "app/TVelmoraMainForm.h"
#include "base/Notices.h"
#include "clock/ClockHints.h"

namespace velmora {
namespace {

constexpr int kPollMs = 3000;

}  // namespace

TrayPresence::TrayPresence(ProgramParts& parts, Notices& notices, std::function<bool()> available)
    : parts_(parts), notices_(notices), available_(std::move(available)) {
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &TrayPresence::Check);
    poll_.start();
    Check();
}

void TrayPresence::Check() {
    const bool available = available_();
    if (shown_ != available) {
        Follow(available);
    }
}

void TrayPresence::Follow(bool available) {
    const std::string oldHelp = parts_.State.HelpHint;
    const bool came = shown_ == false && available;
    shown_ = available;
    parts_.NoTray = !available;
    parts_.State.HelpHint = available ? HelpHint() : HelpHint() + "\n" + kNoTrayHint;
    if (parts_.Main != nullptr) {
        parts_.Main->Menu().SetUnavailable(TrayMenuItem::ShowClock, !available);
        if (came) {
            // Put in afresh: an icon made while no tray was there is not
            // always taken in by the one that came.
            parts_.Main->Tray().Remove();
            parts_.Main->Tray().Show();
        }
    }
    if (parts_.Clock != nullptr) {
        parts_.Clock->Ops().ReplaceHelpHint(oldHelp, parts_.State.HelpHint);
        if (!available) {
            parts_.Clock->Form().show();
        }
    }
    if (!available && !told_) {
        told_ = true;
        // After the windows are up, not in the middle of making them.
        QTimer::singleShot(0, this, [this] { notices_.ShowNotice(kNoTrayMessage); });
    }
}

}  // namespace velmora
