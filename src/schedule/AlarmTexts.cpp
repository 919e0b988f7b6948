#include "schedule/AlarmTexts.h"

#include <array>
#include <cstdio>

namespace velmora {
namespace {

constexpr const char* kTipTitle = "ベルモラ\n";
constexpr const char* kHintRule = "\n-----------\n";

}  // namespace

std::string AlarmOffTip() {
    return std::string(kTipTitle) + kAlarmOffLabel;
}

std::string ArmedTip(bool snooze, DateTime alarmMoment) {
    return std::string(kTipTitle) + (snooze ? kSnoozeLabel : kAlarmOnLabel) + "\n" +
           FormatAlarmMoment(alarmMoment);
}

std::string ArmedHint(DateTime alarmMoment, const std::string& helpHint) {
    return "次回目覚まし時刻:" + FormatAlarmMoment(alarmMoment) + kHintRule + helpHint;
}

std::string AlarmOffHint(const std::string& helpHint) {
    return std::string(kAlarmOffLabel) + "\n............\n" + helpHint;
}

std::string RingingHint(bool musicStopsWithVoice, bool snooze) {
    std::string hint = "「STOP」ボタンをクリックするか[Esc]キーを押せばしゃべらなくなります。\n";
    hint += musicStopsWithVoice ? "音楽も止まります。"
                                : "音楽を止めるには右クリックして表示されるメニューで\n"
                                  "「音楽停止」をクリックしてください。";
    if (snooze) {
        hint +=
            "\nスヌーズを止めるには右クリックして表示されるメニューで\n"
            "「スヌーズ」のチェックを外してください。";
    }
    return hint;
}

std::string MissedAlarmMessage(DateTime alarmMoment, bool clockSetForward) {
    const TimeOfDay t = DecodeTime(alarmMoment);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d時%02d分", t.hour, t.minute);
    return std::string(buf) + "の目覚ましは、" +
           (clockSetForward ? "時計が進められたため" : "パソコンが眠っていたため") +
           "鳴らせませんでした。";
}

std::string FormatAlarmMoment(DateTime moment) {
    static constexpr std::array<const char*, 7> kWeekdays = {"日", "月", "火", "水",
                                                             "木", "金", "土"};
    const CivilDate d = DecodeDate(moment);
    const TimeOfDay t = DecodeTime(moment);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d(%s) %02d:%02d:%02d", d.year, d.month, d.day,
                  kWeekdays[static_cast<size_t>(DayOfWeek(moment))], t.hour, t.minute, t.second);
    return buf;
}

}  // namespace velmora
