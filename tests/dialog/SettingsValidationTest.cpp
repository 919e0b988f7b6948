#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialog/SettingsValidation.h"

namespace velmora {
namespace {

constexpr const char* kTime = "目覚まし時刻は0:00:00～23:59:59の間で半角で入力してください。";
constexpr const char* kEveryMonth =
    "毎月目覚まししない日は1～31を半角・カンマ区切りで入力してください。";
constexpr const char* kSnooze = "スヌーズの間隔は1～60分を半角で入力してください。";
constexpr const char* kMinit = "時報の間隔は1～59分を半角で入力してください。";
constexpr const char* kHour = "時報の間隔は1～23時間を半角で入力してください。";
constexpr const char* kRange = "時報音量の設定時間は0時0分～23時59分の間で半角で入力してください。";
constexpr const char* kWord = "「Test」ボタンをクリックして自作の目覚めの言葉を確認してください。";

struct Case {
    const char* name;
    std::function<void(DialogValues&)> change;
    bool passes;
    std::string message;
    int page;
    FormField field;
};

const Case kCases[] = {
    {"initial form", [](DialogValues&) {}, true, "", 0, {}},
    {"day hour 24",
     [](DialogValues& f) { f.DayTime.Hour = "24"; },
     false,
     kTime,
     1,
     {FormFieldKind::DayHour, 0}},
    {"day minute empty",
     [](DialogValues& f) { f.DayTime.Minit = ""; },
     false,
     kTime,
     1,
     {FormFieldKind::DayMinit, 0}},
    {"day second empty",
     [](DialogValues& f) { f.DayTime.Second = ""; },
     false,
     kTime,
     1,
     {FormFieldKind::DaySecond, 0}},
    {"day time ignored per weekday",
     [](DialogValues& f) {
         f.DayOrWeek = 1;
         f.DayTime.Hour = "99";
     },
     true,
     "",
     0,
     {}},
    {"wednesday minute 75",
     [](DialogValues& f) {
         f.DayOrWeek = 1;
         f.WeekTime[3].Minit = "75";
     },
     false,
     kTime,
     1,
     {FormFieldKind::WeekMinit, 3}},
    {"wednesday empty",
     [](DialogValues& f) {
         f.DayOrWeek = 1;
         f.WeekTime[3] = {"", "", ""};
     },
     true,
     "",
     0,
     {}},
    {"weekday checked from sunday",
     [](DialogValues& f) {
         f.DayOrWeek = 1;
         f.WeekTime[6].Second = "60";
         f.WeekTime[0].Hour = "-1";
     },
     false,
     kTime,
     1,
     {FormFieldKind::WeekHour, 0}},
    {"february 3,31",
     [](DialogValues& f) {
         f.Month = 1;
         f.Day = "3,31";
     },
     true,
     "",
     0,
     {}},
    {"december 0",
     [](DialogValues& f) {
         f.Month = 11;
         f.Day = "0";
     },
     false,
     "12月の目覚まししない日は1～31を半角・カンマ区切りで入力してください。",
     1,
     {FormFieldKind::Day, 0}},
    {"month list before every-month list",
     [](DialogValues& f) {
         f.Day = "1,2,";
         f.DayOfMonth = "32";
     },
     false,
     "1月の目覚まししない日は1～31を半角・カンマ区切りで入力してください。",
     1,
     {FormFieldKind::Day, 0}},
    {"every month full width",
     [](DialogValues& f) { f.DayOfMonth = "１"; },
     false,
     kEveryMonth,
     1,
     {FormFieldKind::DayOfMonth, 0}},
    {"snooze 0",
     [](DialogValues& f) { f.SnoozeMinit = "0"; },
     false,
     kSnooze,
     1,
     {FormFieldKind::SnoozeMinit, 0}},
    {"snooze 61",
     [](DialogValues& f) { f.SnoozeMinit = "61"; },
     false,
     kSnooze,
     1,
     {FormFieldKind::SnoozeMinit, 0}},
    {"snooze 60", [](DialogValues& f) { f.SnoozeMinit = "60"; }, true, "", 0, {}},
    {"snooze empty", [](DialogValues& f) { f.SnoozeMinit = ""; }, true, "", 0, {}},
    {"minute interval 60",
     [](DialogValues& f) {
         f.JihoMode = 0;
         f.JihoIntervalMinit = "60";
     },
     false,
     kMinit,
     3,
     {FormFieldKind::JihoIntervalMinit, 0}},
    {"minute interval ignored in hour mode",
     [](DialogValues& f) { f.JihoIntervalMinit = ""; },
     true,
     "",
     0,
     {}},
    {"hour interval 24",
     [](DialogValues& f) { f.JihoIntervalHour = "24"; },
     false,
     kHour,
     3,
     {FormFieldKind::JihoIntervalHour, 0}},
    {"hour interval empty",
     [](DialogValues& f) { f.JihoIntervalHour = ""; },
     false,
     kHour,
     3,
     {FormFieldKind::JihoIntervalHour, 0}},
    {"hour interval 23", [](DialogValues& f) { f.JihoIntervalHour = "23"; }, true, "", 0, {}},
    {"range 22:00-6:30",
     [](DialogValues& f) {
         f.Ranges[1] = {"22", "0", "6", "30", 40};
     },
     true,
     "",
     0,
     {}},
    {"range end minute blank is not in use",
     [](DialogValues& f) {
         f.Ranges[1] = {"22", "0", "6", "", 40};
     },
     true,
     "",
     0,
     {}},
    {"range end hour 24",
     [](DialogValues& f) {
         f.Ranges[1] = {"22", "0", "24", "0", 40};
     },
     false,
     kRange,
     3,
     {FormFieldKind::RangeEndHour, 1}},
    {"range start minute 60",
     [](DialogValues& f) {
         f.Ranges[2] = {"1", "60", "2", "0", 40};
     },
     false,
     kRange,
     3,
     {FormFieldKind::RangeStartMinit, 2}},
    {"untested own words",
     [](DialogValues& f) {
         f.Word = 1;
         f.MemoUntested = true;
     },
     false,
     kWord,
     2,
     {FormFieldKind::AlarmWordTest, 0}},
    {"untested words with the recorded voice",
     [](DialogValues& f) {
         f.HowTo = 1;
         f.Word = 1;
         f.MemoUntested = true;
     },
     true,
     "",
     0,
     {}},
    {"the first error wins",
     [](DialogValues& f) {
         f.SnoozeMinit = "0";
         f.JihoIntervalHour = "0";
         f.DayTime.Hour = "";
     },
     false,
     kTime,
     1,
     {FormFieldKind::DayHour, 0}},
};

TEST(SettingsValidationTest, ChecksInOrderWithMessagePageAndField) {
    for (const Case& c : kCases) {
        DialogValues form;
        c.change(form);
        const DialogValuesValidation result = ValidateDialogValues(form);
        EXPECT_EQ(result.Passed, c.passes) << c.name;
        if (!c.passes) {
            EXPECT_EQ(result.Message, c.message) << c.name;
            EXPECT_EQ(result.Page, c.page) << c.name;
            EXPECT_EQ(result.Field, c.field) << c.name;
        }
    }
}

TEST(SettingsValidationTest, EveryMonthDaysGoToTheSave) {
    DialogValues form;
    form.DayOfMonth = "10, 02,\"31\"";
    EXPECT_EQ(ValidateDialogValues(form).DayOfMonthList, (std::vector<int>{10, 2, 31}));
    form.DayOfMonth.clear();
    EXPECT_TRUE(ValidateDialogValues(form).DayOfMonthList.empty());
}

}  // namespace
}  // namespace velmora
