#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/DateTime.h"
#include "settings/AlarmWords.h"

namespace velmora {

// Alarm times are stored as a time of day on this fixed date.
inline constexpr DateTime kAlarmTimeDate = EncodeDate(2011, 1, 1);
// A time-signal volume range that is not in use.
inline constexpr DateTime kRangeUnused = -1.0;

// Ctrl, Alt and Shift together with T (for "time"): none of the common
// desktops (GNOME, KDE Plasma, Xfce) binds this chord, nor do the
// applications most people run (the browsers and terminals use Ctrl+Shift+T
// and Ctrl+Alt+T), so taking it from every window takes it from no one.
inline constexpr const char* kDefaultNowTimeKey = "Ctrl+Alt+Shift+T";

// The live settings the clock works from: filled once at start-up by
// LoadSettings and updated field by field when the settings dialog is
// confirmed. Fields carry the names of the keys they come from. The on/off
// switches (alarm, snooze, time signal, clock shown...) are not here: their
// live values are the tray menu's check marks.
struct Settings {
    int DayOrWeek = 0;  // 0: one time every day, otherwise one time per weekday
    DateTime DayTime = kAlarmTimeDate + EncodeTime(7, 0, 0);
    std::array<DateTime, 7> WeekTime{};  // Sunday..Saturday; 0 = no alarm that day

    bool NoAlarmHoliday = false;
    bool NoAlarmMonthEnd = false;
    std::array<bool, 32> NoAlarmDayOfMonth{};                // [1..31]
    std::array<std::array<bool, 32>, 13> NoAlarmMonthDay{};  // [1..12][1..31]

    int BeforeSoundNo = 0;
    bool BeforeSoundNoRandom = false;
    bool AlarmJiho = false;
    int SnoozeInterval = 3;  // minutes, 1..60
    int FirstVolume = 50;    // percent
    int MaxVolume = 50;      // percent
    bool VolumeUp = false;

    std::string MusicFile;
    int MusicCount = 1;
    bool MusicRandom = false;
    bool MusicRepeat = false;
    bool OnVoiceStopPlayStop = false;

    int VoiceNo = 0;  // 0..5, 6 = a random voice for each utterance
    int SpeakSpead = 120;
    // The key that says the time from any window, in Qt's portable text
    // ("Ctrl+Alt+Shift+T"); empty when the user switched it off.
    std::string NowTimeKey = kDefaultNowTimeKey;

    int JihoMode = 1;       // 0: every N minutes, otherwise every N hours
    int JihoInterval = 60;  // minutes
    int JihoVolume = 50;
    std::array<int, 3> JihoRangeVolume{50, 50, 50};
    std::array<DateTime, 3> JihoRangeStart{kRangeUnused, kRangeUnused, kRangeUnused};
    std::array<DateTime, 3> JihoRangeEnd{kRangeUnused, kRangeUnused, kRangeUnused};
    std::string Gobi = JihoEnding(0);
    int JihoBeforeSoundNo = 0;
    bool SpeakBeforeSound = false;
    int JihoLeadSoundNo = 0;

    int HowTo = 0;  // 0: speak the words, 1: play the recorded voice
    int Word = 2;
    std::string AlarmWordText = PresetAlarmWord(2);
    std::vector<std::string> AlarmWords;

    int ResumeWaiteTime = 1;  // minutes, 1..5
};

// The per-user files beside the settings.
inline constexpr const char* kSettingsFileName = "Settei.ini";
inline constexpr const char* kAlarmWordFileName = "AlarmWord.txt";
inline constexpr const char* kRecordedVoiceFileName = "MyAlarm.wav";

}  // namespace velmora
