#include "dialog/NoticeRoutine.h"

#include "base/MessageService.h"
#include "dialog/SettingsDialogHost.h"

namespace velmora {
namespace {

constexpr const char* kTitle = "ベルモラ";

}  // namespace

NoticeRoutine::NoticeRoutine(SettingsDialogHost& host, MessageService& messages)
    : host_(host), messages_(messages) {}

// Only the outermost box moves the clock: a box shown while another is up
// must not bring the clock back over the first.
NoticeRoutine::BoxScope::BoxScope(NoticeRoutine& routine) : routine_(routine) {
    if (routine_.openBoxes_++ == 0 && routine_.host_.ClockVisible()) {
        routine_.host_.SetClockTopMost(false);
    }
}

NoticeRoutine::BoxScope::~BoxScope() {
    if (--routine_.openBoxes_ == 0 && routine_.host_.ClockVisible() &&
        routine_.host_.MenuChecked(TrayMenuItem::ClockAllwaysFront)) {
        routine_.host_.SetClockTopMost(true);
    }
}

void NoticeRoutine::ShowNotice(const std::string& text) {
    const BoxScope box(*this);
    messages_.Show(kTitle, text, MessageService::Icon::None);
}

void NoticeRoutine::ShowMessage(const std::string& text) {
    ShowNotice(text);
}

bool NoticeRoutine::Ask(const std::string& text) {
    const BoxScope box(*this);
    return messages_.Ask(kTitle, text);
}

}  // namespace velmora
