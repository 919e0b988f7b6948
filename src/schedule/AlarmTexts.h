#pragma once

#include <string>

#include "base/DateTime.h"

namespace velmora {

// The texts the alarm shows on the dial, in the tray tip and in the clock's
// hint. Lines are broken with "\n", the desktop's line break.

inline constexpr const char* kSnoozeQuestion = "スヌーズを停止しますか？";
inline constexpr const char* kWakeUpFailedMessage = "目覚ましの設定に失敗しました。";
inline constexpr const char* kUnreadableRecordingMessage =
    "録音した声（MyAlarm.wav）を読み込めないため、代わりに目覚めの言葉をしゃべります。\n"
    "設定画面の「目覚めの言葉」で録音し直してください。";

inline constexpr const char* kAlarmOffLabel = "ALARM OFF";
inline constexpr const char* kAlarmOnLabel = "ALARM ON";
inline constexpr const char* kSnoozeLabel = "SNOOZE";

// "ベルモラ\nALARM OFF".
std::string AlarmOffTip();
// "ベルモラ\nALARM ON\n" or "ベルモラ\nSNOOZE\n", then the alarm moment.
std::string ArmedTip(bool snooze, DateTime alarmMoment);
// "次回目覚まし時刻:" + the alarm moment + "\n-----------\n" + the usage hint.
std::string ArmedHint(DateTime alarmMoment, const std::string& helpHint);
// "ALARM OFF\n............\n" + the usage hint: the hint after the user has
// switched the alarm off from the menu.
std::string AlarmOffHint(const std::string& helpHint);
// How to stop the ringing, the music and the snooze.
std::string RingingHint(bool musicStopsWithVoice, bool snooze);

// "H時NN分の目覚ましは、…ため鳴らせませんでした。": an alarm whose moment
// passed while the computer slept, or that a clock set forward jumped over.
std::string MissedAlarmMessage(DateTime alarmMoment, bool clockSetForward);

// "yyyy/mm/dd(ddd) hh:nn:ss" with the short Japanese weekday name.
std::string FormatAlarmMoment(DateTime moment);

}  // namespace velmora
