#pragma once

#include <array>
#include <string>
#include <vector>

#include "settings/SettingsLoader.h"
#include "speech/OwnAlarmWords.h"

namespace velmora {

// The pages of the settings dialog, by index.
enum SettingsPage { kPageMain = 0, kPageClock = 1, kPageWord = 2, kPageJiho = 3 };

// Hour, minute and second fields of one alarm time, as typed.
struct AlarmTimeFields {
    std::string Hour = "7";
    std::string Minit = "0";
    std::string Second = "0";
};

// One time-signal volume range: its four time fields as typed and its volume.
struct JihoRangeFields {
    std::string StartHour;
    std::string StartMinit;
    std::string EndHour;
    std::string EndMinit;
    int Volume = 50;
};

// Everything the settings dialog's controls hold, as plain values: radio
// groups and combo boxes as item indices, edits as their text. The dialog's
// widgets fill it and are filled from it; loading, validation and saving
// work on it alone. The initial values are what the controls show before
// any settings file exists.
struct DialogValues {
    // 全般
    int VoiceNo = 0;
    int SpeakSpead = 100;
    bool ClockAllwaysFront = true;
    bool OnMouseHide = false;
    std::string FontName;
    std::string NowTimeKey = kDefaultNowTimeKey;  // empty: none

    // 目覚まし時計
    int Alarm = 0;      // 0 使わない, 1 目覚まし, 2 スヌーズ
    int ShowClock = 1;  // 0 表示しない, 1 表示する
    int BackColor = 0;  // 0 グレー, 1 白
    std::string SnoozeMinit = "3";
    int DayOrWeek = 0;
    AlarmTimeFields DayTime;
    std::array<AlarmTimeFields, 7> WeekTime;  // Sunday..Saturday
    int BeforeSoundNo = 0;
    bool BeforeSoundNoRandom = false;
    bool AlarmJiho = false;
    int ResumeTime = 0;  // index: 0 = one minute before
    int FirstVolume = 50;
    bool VolumeUp = false;
    int MaxVolume = 50;
    int MusicNo = 0;
    bool MusicRandom = false;
    bool MusicRepeat = false;
    bool PlayStop = false;
    bool NoAlarmHoliday = false;
    bool NoAlarmMonthEnd = false;
    std::string DayOfMonth;  // 毎月: days typed as a list
    int Month = 0;           // the month picked in the month box, 0 = January
    std::string Day;         // that month's days typed as a list

    // 目覚めの言葉
    int HowTo = 0;  // 0 しゃべらせる, 1 録音した声を再生する
    int Word = 2;
    std::vector<std::string> MemoLines;
    // The memo's red mark: its words have not passed TEST yet.
    bool MemoUntested = false;
    OwnAlarmWords OwnWords;

    // 時報
    int Jiho = 1;      // 0 しゃべらない, 1 しゃべる
    int JihoMode = 1;  // 0 1時間のうち, 1 1日のうち
    std::string JihoIntervalMinit = "15";
    std::string JihoIntervalHour = "1";
    int JihoVolume = 50;
    std::array<JihoRangeFields, 3> Ranges;
    int GobiNo = 0;
    int JihoBeforeSoundNo = 0;
    bool SpeakBeforeSound = false;

    // Below the pages: the power action after OK (0 none; the check box
    // stores 1 for sleep, the radio group 1 standby and 2 hibernate).
    int GoToSleep = 0;

    // The entries the user added to the lists: the two sound lists show the
    // file names, the music list the full paths (index 1 upwards).
    std::vector<std::string> AddedAlarmSounds;
    std::vector<std::string> AddedJihoSounds;
    std::vector<std::string> MusicPaths;

    int AlarmSoundCount() const {
        return kBuiltInAlarmSounds + static_cast<int>(AddedAlarmSounds.size());
    }
    int JihoSoundCount() const {
        return kBuiltInJihoSounds + static_cast<int>(AddedJihoSounds.size());
    }
    int MusicCount() const { return static_cast<int>(MusicPaths.size()) + 1; }
};

}  // namespace velmora
