#include "dialog/SettingsValidation.h"

#include <optional>

#include "dialog/DayList.h"

namespace velmora {
namespace {

constexpr const char* kAlarmTimeMessage =
    "目覚まし時刻は0:00:00～23:59:59の間で半角で入力してください。";
constexpr const char* kDayOfMonthMessage =
    "毎月目覚まししない日は1～31を半角・カンマ区切りで入力してください。";
constexpr const char* kSnoozeMessage = "スヌーズの間隔は1～60分を半角で入力してください。";
constexpr const char* kJihoMinitMessage = "時報の間隔は1～59分を半角で入力してください。";
constexpr const char* kJihoHourMessage = "時報の間隔は1～23時間を半角で入力してください。";
constexpr const char* kRangeMessage =
    "時報音量の設定時間は0時0分～23時59分の間で半角で入力してください。";
constexpr const char* kWordTestMessage =
    "「Test」ボタンをクリックして自作の目覚めの言葉を確認してください。";

// Time and interval fields: blank or not a number reads as -1, which no
// range accepts.
bool InRange(const std::string& text, int low, int high) {
    const int value = ReadFormInteger(text).value_or(-1);
    return value >= low && value <= high;
}

DialogValuesValidation Fail(std::string message, int page, FormField field) {
    DialogValuesValidation result;
    result.Passed = false;
    result.Message = std::move(message);
    result.Page = page;
    result.Field = field;
    return result;
}

// The first of hour, minute, second that is out of range; with
// `skipBlank` a blank field is not tested.
std::optional<FormField> BadTime(const AlarmTimeFields& t, bool skipBlank, FormFieldKind hour,
                                 FormFieldKind minit, FormFieldKind second, int index) {
    const auto bad = [&](const std::string& text, int high) {
        return !(skipBlank && text.empty()) && !InRange(text, 0, high);
    };
    if (bad(t.Hour, 23)) {
        return FormField{hour, index};
    }
    if (bad(t.Minit, 59)) {
        return FormField{minit, index};
    }
    if (bad(t.Second, 59)) {
        return FormField{second, index};
    }
    return std::nullopt;
}

std::optional<FormField> BadRange(const JihoRangeFields& r, int index) {
    if (r.StartHour.empty() || r.StartMinit.empty() || r.EndHour.empty() || r.EndMinit.empty()) {
        return std::nullopt;  // a range not filled in completely is not in use
    }
    if (!InRange(r.StartHour, 0, 23)) {
        return FormField{FormFieldKind::RangeStartHour, index};
    }
    if (!InRange(r.StartMinit, 0, 59)) {
        return FormField{FormFieldKind::RangeStartMinit, index};
    }
    if (!InRange(r.EndHour, 0, 23)) {
        return FormField{FormFieldKind::RangeEndHour, index};
    }
    if (!InRange(r.EndMinit, 0, 59)) {
        return FormField{FormFieldKind::RangeEndMinit, index};
    }
    return std::nullopt;
}

}  // namespace

std::string MonthDaysMessage(int month) {
    return std::to_string(month) +
           "月の目覚まししない日は1～31を半角・カンマ区切りで入力してください。";
}

DialogValuesValidation ValidateDialogValues(const DialogValues& form) {
    if (form.DayOrWeek == 0) {
        if (auto field = BadTime(form.DayTime, false, FormFieldKind::DayHour,
                                 FormFieldKind::DayMinit, FormFieldKind::DaySecond, 0)) {
            return Fail(kAlarmTimeMessage, kPageClock, *field);
        }
    } else {
        for (int day = 0; day < 7; ++day) {
            if (auto field =
                    BadTime(form.WeekTime[static_cast<size_t>(day)], true, FormFieldKind::WeekHour,
                            FormFieldKind::WeekMinit, FormFieldKind::WeekSecond, day)) {
                return Fail(kAlarmTimeMessage, kPageClock, *field);
            }
        }
    }
    if (!form.Day.empty() && !ParseDayList(form.Day)) {
        return Fail(MonthDaysMessage(form.Month + 1), kPageClock, {FormFieldKind::Day, 0});
    }
    std::vector<int> dayOfMonth;
    if (!form.DayOfMonth.empty()) {
        auto days = ParseDayList(form.DayOfMonth);
        if (!days) {
            return Fail(kDayOfMonthMessage, kPageClock, {FormFieldKind::DayOfMonth, 0});
        }
        dayOfMonth = std::move(*days);
    }
    if (!form.SnoozeMinit.empty() && !InRange(form.SnoozeMinit, 1, 60)) {
        return Fail(kSnoozeMessage, kPageClock, {FormFieldKind::SnoozeMinit, 0});
    }
    if (form.JihoMode == 0 && !InRange(form.JihoIntervalMinit, 1, 59)) {
        return Fail(kJihoMinitMessage, kPageJiho, {FormFieldKind::JihoIntervalMinit, 0});
    }
    if (form.JihoMode == 1 && !InRange(form.JihoIntervalHour, 1, 23)) {
        return Fail(kJihoHourMessage, kPageJiho, {FormFieldKind::JihoIntervalHour, 0});
    }
    for (int range = 0; range < 3; ++range) {
        if (auto field = BadRange(form.Ranges[static_cast<size_t>(range)], range)) {
            return Fail(kRangeMessage, kPageJiho, *field);
        }
    }
    if (form.HowTo == 0 && form.Word == kWordOwn && form.MemoUntested) {
        return Fail(kWordTestMessage, kPageWord, {FormFieldKind::AlarmWordTest, 0});
    }
    DialogValuesValidation passed;
    passed.DayOfMonthList = std::move(dayOfMonth);
    return passed;
}

}  // namespace velmora
