#include "sim/HeadlessTrayMenu.h"

namespace velmora {

template <typename Self>
auto HeadlessTrayMenu::MarkOf(Self& self, TrayMenuItem item) -> decltype(&self.alarm_) {
    switch (item) {
        case TrayMenuItem::Alarm:
            return &self.alarm_;
        case TrayMenuItem::Snooze:
            return &self.snooze_;
        case TrayMenuItem::SpeakJiho:
            return &self.speakJiho_;
        case TrayMenuItem::ShowClock:
            return &self.showClock_;
        case TrayMenuItem::ClockAllwaysFront:
            return &self.allwaysFront_;
        default:
            return nullptr;
    }
}

bool HeadlessTrayMenu::Checked(TrayMenuItem item) const {
    const bool* mark = MarkOf(*this, item);
    return mark != nullptr && *mark;
}

void HeadlessTrayMenu::SetChecked(TrayMenuItem item, bool checked) {
    if (bool* mark = MarkOf(*this, item)) {
        *mark = checked;
    }
}

}  // namespace velmora
