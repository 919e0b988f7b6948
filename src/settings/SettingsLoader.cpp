#include "settings/SettingsLoader.h"

#include <algorithm>
#include <filesystem>
#include <string>

#include "settings/AlarmWordFile.h"

namespace velmora {
namespace {

int InRangeOr(int value, int low, int high, int fallback) {
    return value >= low && value <= high ? value : fallback;
}

std::string Numbered(std::string_view prefix, int n) {
    return std::string(prefix) + std::to_string(n);
}

void LoadAlarmTimes(const IniFile& ini, Settings& s) {
    s.DayOrWeek = ini.ReadInteger("Alarm", "DayOrWeek", 0);
    if (s.DayOrWeek != 0) {
        for (int day = 0; day < 7; ++day) {
            s.WeekTime[static_cast<size_t>(day)] =
                ini.ReadDateTime("Alarm", Numbered("WeekTime", day), 0.0);
        }
    } else {
        s.DayTime = ini.ReadDateTime("Alarm", "DayTime", s.DayTime);
    }
}

void LoadNoAlarmDays(const IniFile& ini, Settings& s) {
    s.NoAlarmHoliday = ini.ReadBool("NoAlarm", "Holiday", false);
    s.NoAlarmMonthEnd = ini.ReadBool("NoAlarm", "MonthEnd", false);
    for (int month = 1; month <= 12; ++month) {
        const std::string section = Numbered("NoAlarmMonth", month);
        for (int day = 1; day <= 31; ++day) {
            s.NoAlarmMonthDay[static_cast<size_t>(month)][static_cast<size_t>(day)] =
                ini.ReadBool(section, Numbered("Day", day), false);
        }
    }
    for (int day = 1; day <= 31; ++day) {
        s.NoAlarmDayOfMonth[static_cast<size_t>(day)] =
            ini.ReadBool("NoAlarm", Numbered("DayOfMonth", day), false);
    }
}

void LoadAlarmSound(const IniFile& ini, Settings& s) {
    const int soundCount =
        std::clamp(ini.ReadInteger("Alarm", "BeforeSoundCount", kBuiltInAlarmSounds),
                   kBuiltInAlarmSounds, kMaxListCount);
    s.BeforeSoundNo = InRangeOr(ini.ReadInteger("Alarm", "BeforeSoundNo", 0), 0, soundCount - 1, 0);
    s.BeforeSoundNoRandom = ini.ReadBool("Alarm", "BeforeSoundNoRandom", false);
    s.AlarmJiho = ini.ReadBool("Alarm", "AlarmJiho", false);
    // Zero minutes would snooze in a tight loop; more than an hour is not a snooze.
    const int snooze = ini.ReadInteger("Alarm", "SnoozeInterval", 3);
    s.SnoozeInterval = snooze < 1 ? 3 : std::min(snooze, 60);
    s.FirstVolume = std::clamp(ini.ReadInteger("Alarm", "FirstVolume", 50), 0, 100);
    s.MaxVolume = std::clamp(ini.ReadInteger("Alarm", "MaxVolume", 50), 0, 100);
    s.VolumeUp = ini.ReadBool("Alarm", "VolumeUp", false);
}

void LoadMusic(const IniFile& ini, Settings& s) {
    const int no = ini.ReadInteger("Music", "No", 0);
    if (no < 1) {
        return;  // no music: file empty, random, repeat and stop-with-voice off
    }
    s.MusicFile = ini.ReadString("Music", std::to_string(no), "");
    s.MusicCount = std::clamp(ini.ReadInteger("Music", "Count", 1), 1, kMaxListCount);
    s.MusicRandom = ini.ReadBool("Music", "Random", false) && s.MusicCount >= 3;
    s.MusicRepeat = ini.ReadBool("Music", "Repeat", false);
    s.OnVoiceStopPlayStop = ini.ReadBool("Music", "OnVoiceStopPlayStop", false);
}

void LoadVoice(const IniFile& ini, Settings& s) {
    s.VoiceNo = InRangeOr(ini.ReadInteger("VoiceNo", "Value", 0), 0, kRandomVoice, 0);
    s.SpeakSpead = std::clamp(ini.ReadInteger("SpeakSpead", "Value", 120), kMinSpeed, kMaxSpeed);
    // Files written before the key existed get the default; an empty value
    // is the user's "none".
    s.NowTimeKey = ini.ReadString("NowTime", "Key", kDefaultNowTimeKey);
}

void LoadJiho(const IniFile& ini, Settings& s) {
    // Any mode but 0 is the hour mode, for the interval and the marks alike,
    // so a damaged value cannot silence the time signal.
    s.JihoMode = ini.ReadInteger("Jiho", "Mode", 1) == 0 ? 0 : 1;
    if (s.JihoMode != 0) {
        s.JihoInterval = InRangeOr(ini.ReadInteger("Jiho", "HourInterval", 1), 1, 23, 1) * 60;
    } else {
        s.JihoInterval = InRangeOr(ini.ReadInteger("Jiho", "MinitInterval", 15), 1, 59, 15);
    }
    s.JihoVolume = std::clamp(ini.ReadInteger("Jiho", "Volume", 50), 0, 100);
    for (int range = 0; range < 3; ++range) {
        const auto r = static_cast<size_t>(range);
        s.JihoRangeVolume[r] =
            std::clamp(ini.ReadInteger("Jiho", Numbered("SetteiVolume", range), 50), 0, 100);
        const std::string startKey = Numbered("StartTime", range);
        const std::string endKey = Numbered("EndTime", range);
        if (ini.ValueExists("Jiho", startKey) && ini.ValueExists("Jiho", endKey)) {
            s.JihoRangeStart[r] = ini.ReadDateTime("Jiho", startKey, kRangeUnused);
            s.JihoRangeEnd[r] = ini.ReadDateTime("Jiho", endKey, kRangeUnused);
        }
        // A range with one unreadable end is not a range.
        if (s.JihoRangeStart[r] == kRangeUnused || s.JihoRangeEnd[r] == kRangeUnused) {
            s.JihoRangeStart[r] = kRangeUnused;
            s.JihoRangeEnd[r] = kRangeUnused;
        }
    }
    s.Gobi = JihoEnding(ini.ReadInteger("Jiho", "GobiNo", 0));

    const int soundCount =
        std::clamp(ini.ReadInteger("Jiho", "BeforeSoundCount", kBuiltInJihoSounds),
                   kBuiltInJihoSounds, kMaxListCount);
    s.JihoBeforeSoundNo =
        InRangeOr(ini.ReadInteger("Jiho", "BeforeSoundNo", 0), 0, soundCount - 1, 0);
    s.SpeakBeforeSound = ini.ReadBool("Jiho", "SpeakBeforeSound", false);
    ArrangeJihoSounds(s);
}

void LoadWords(const IniFile& ini, const std::string& dataFolder, PhoneticConverter& converter,
               Settings& s) {
    std::error_code ec;
    const bool haveRecording =
        std::filesystem::is_regular_file(dataFolder + kRecordedVoiceFileName, ec);
    // Only 0 and 1 mean anything; the recording needs its file. The words
    // are read with a recording too: they are spoken when it cannot be.
    s.HowTo = ini.ReadInteger("Alarm", "HowTo", 0) == 1 && haveRecording ? 1 : 0;
    s.Word = InRangeOr(ini.ReadInteger("Alarm", "Word", 2), kWordNone, kLastPresetWord, 2);
    s.AlarmWords.clear();
    if (s.Word == kWordNone) {
        s.AlarmWordText.clear();
    } else if (s.Word == kWordOwn) {
        const int count = ini.ReadInteger("Alarm", "JisakuAlarmWordCount", 1);
        for (const std::string& word : ReadAlarmWords(dataFolder + kAlarmWordFileName, count)) {
            s.AlarmWords.push_back(ContainsKanji(word) ? converter.ConvertToPhonetic(word) : word);
        }
        s.AlarmWordText = s.AlarmWords.empty() ? std::string() : s.AlarmWords.front();
    } else {
        s.AlarmWordText = PresetAlarmWord(s.Word);
    }
}

}  // namespace

void ArrangeJihoSounds(Settings& s) {
    s.JihoLeadSoundNo = 0;
    if (s.SpeakBeforeSound) {
        // Speak first, tone after: the configured sound leads the speech
        // (unless it is the tone itself), and the tone follows it.
        const int configured = s.JihoBeforeSoundNo;
        s.JihoLeadSoundNo = configured < 1 || configured == kJihoToneSound ? 0 : configured;
        s.JihoBeforeSoundNo = kJihoToneSound;
    }
}

Settings LoadSettings(const IniFile& ini, const std::string& dataFolder,
                      PhoneticConverter& converter) {
    Settings s;
    // Without a file every field keeps its default, but the words still
    // depend on MyAlarm.wav and AlarmWord.txt being absent, which the same
    // reads below handle; reading a missing file only gives defaults.
    LoadAlarmTimes(ini, s);
    LoadNoAlarmDays(ini, s);
    LoadAlarmSound(ini, s);
    LoadMusic(ini, s);
    LoadVoice(ini, s);
    LoadJiho(ini, s);
    LoadWords(ini, dataFolder, converter, s);
    const int resume = ini.ReadInteger("ResumeWaiteTime", "Value", 1);
    s.ResumeWaiteTime = resume < 1 ? 1 : std::min(resume, 5);
    return s;
}

}  // namespace velmora
