#include "clock/DialText.h"

#include <array>

#include "clock/ClockLayout.h"
#include "clock/ClockMath.h"
#include "schedule/AlarmTexts.h"

namespace velmora {

std::string DialNumeralText(int r) {
    return r == 0 ? std::string("12") : std::to_string(r);
}

bool DialNumeralIsWide(int r) {
    return r == 0 || r == 10 || r == 11;
}

PixelPoint DialNumeralTopLeft(int r, int halfWidth, int halfHeight) {
    const long long angle = static_cast<long long>(r) * 30'000;
    return {RoundHalfEven(SinMilliDegrees(angle) * kNumeralRadius) - halfWidth + kDesignCentreX,
            kDesignCentreY - RoundHalfEven(CosMilliDegrees(angle) * kNumeralRadius) - halfHeight};
}

std::string WeekdayMark(int weekday) {
    static const std::array<const char*, 7> kMarks = {"(日)", "(月)", "(火)", "(水)",
                                                      "(木)", "(金)", "(土)"};
    const int index = ((weekday % 7) + 7) % 7;
    return kMarks[static_cast<std::size_t>(index)];
}

std::string DateText(const ClockTime& time) {
    return std::to_string(time.Month) + "/" + std::to_string(time.Day) + WeekdayMark(time.Weekday);
}

std::string SpokenTimeText(const ClockTime& time) {
    std::string text = time.Hour < 12 ? "午前" : "午後";
    text += std::to_string(time.Hour % 12) + "時";
    if (time.Minute != 0) {
        text += std::to_string(time.Minute) + "分";
    }
    return text;
}

std::string AlarmStateText(const std::string& alarmLabel, bool ringing) {
    if (ringing) {
        return "目覚ましが鳴っています";
    }
    if (alarmLabel == kSnoozeLabel) {
        return "スヌーズ中";
    }
    return alarmLabel == kAlarmOnLabel ? "目覚ましオン" : "目覚ましオフ";
}

PixelPoint DateTextTopLeft(int width, int height, int centreY, int textWidth) {
    return {(width - textWidth) / 2, height / 7 + centreY};
}

}  // namespace velmora
