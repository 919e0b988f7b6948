#include "dialog/DialogValuesLoader.h"

#include <algorithm>
#include <filesystem>

#include "dialog/DayList.h"
#include "dialog/NoAlarmMonthDays.h"
#include "settings/AlarmWordFile.h"

namespace velmora {
namespace {

std::string Numbered(std::string_view prefix, int n) {
    return std::string(prefix) + std::to_string(n);
}

int IndexOr(int value, int count, int fallback) {
    return value >= 0 && value < count ? value : fallback;
}

AlarmTimeFields TimeFields(DateTime t) {
    const TimeOfDay time = DecodeTime(t);
    return {std::to_string(time.hour), std::to_string(time.minute), std::to_string(time.second)};
}

std::vector<std::string> ReadList(const IniFile& ini, std::string_view section, int first,
                                  int count) {
    std::vector<std::string> entries;
    for (int n = first; n < count; ++n) {
        entries.push_back(ini.ReadString(section, std::to_string(n), ""));
    }
    return entries;
}

void LoadAlarmTimes(const IniFile& ini, DialogValues& form) {
    form.DayOrWeek = ini.ReadInteger("Alarm", "DayOrWeek", 0) == 0 ? 0 : 1;
    form.DayTime =
        TimeFields(ini.ReadDateTime("Alarm", "DayTime", kAlarmTimeDate + EncodeTime(7, 0, 0)));
    for (int day = 0; day < 7; ++day) {
        const DateTime t = ini.ReadDateTime("Alarm", Numbered("WeekTime", day), 0.0);
        form.WeekTime[static_cast<size_t>(day)] =
            t != 0.0 ? TimeFields(t) : AlarmTimeFields{"", "", ""};
    }
}

void LoadNoAlarmDays(const IniFile& ini, const DialogValuesLoadContext& context,
                     DialogValues& form) {
    form.NoAlarmHoliday = ini.ReadBool("NoAlarm", "Holiday", false);
    form.NoAlarmMonthEnd = ini.ReadBool("NoAlarm", "MonthEnd", false);
    form.Month = std::clamp(context.CurrentMonth, 0, 11);
    form.Day = MonthDaysText(context.Live, form.Month + 1);
    std::array<bool, 32> everyMonth{};
    for (int day = 1; day <= 31; ++day) {
        everyMonth[static_cast<size_t>(day)] =
            ini.ReadBool("NoAlarm", Numbered("DayOfMonth", day), false);
    }
    form.DayOfMonth = JoinDays(everyMonth);
}

void LoadAlarmSounds(const IniFile& ini, DialogValues& form) {
    form.BeforeSoundNo =
        IndexOr(ini.ReadInteger("Alarm", "BeforeSoundNo", 0), form.AlarmSoundCount(), 0);
    form.BeforeSoundNoRandom = ini.ReadBool("Alarm", "BeforeSoundNoRandom", false);
    form.AlarmJiho = ini.ReadBool("Alarm", "AlarmJiho", false);
    form.ResumeTime = IndexOr(ini.ReadInteger("ResumeWaiteTime", "Value", 1) - 1, 5, 0);
    form.SnoozeMinit = std::to_string(ini.ReadInteger("Alarm", "SnoozeInterval", 3));
    form.FirstVolume = std::clamp(ini.ReadInteger("Alarm", "FirstVolume", 50), 0, 100);
    form.VolumeUp = ini.ReadBool("Alarm", "VolumeUp", false);
    form.MaxVolume = std::clamp(ini.ReadInteger("Alarm", "MaxVolume", 50), 0, 100);
}

void LoadMusic(const IniFile& ini, DialogValues& form) {
    const int count = std::min(ini.ReadInteger("Music", "Count", 1), kMaxListCount);
    if (count > 1) {
        form.MusicPaths = ReadList(ini, "Music", 1, count);
    }
    form.MusicNo = IndexOr(ini.ReadInteger("Music", "No", 0), form.MusicCount(), 0);
    form.MusicRandom = ini.ReadBool("Music", "Random", false);
    form.MusicRepeat = ini.ReadBool("Music", "Repeat", false);
    form.PlayStop = ini.ReadBool("Music", "OnVoiceStopPlayStop", false);
}

void LoadJiho(const IniFile& ini, DialogValues& form) {
    form.JihoMode = ini.ReadInteger("Jiho", "Mode", 1) == 0 ? 0 : 1;
    form.JihoIntervalMinit = std::to_string(ini.ReadInteger("Jiho", "MinitInterval", 15));
    form.JihoIntervalHour = std::to_string(ini.ReadInteger("Jiho", "HourInterval", 1));
    form.JihoVolume = std::clamp(ini.ReadInteger("Jiho", "Volume", 50), 0, 100);
    for (int n = 0; n < 3; ++n) {
        JihoRangeFields& range = form.Ranges[static_cast<size_t>(n)];
        range.Volume = std::clamp(ini.ReadInteger("Jiho", Numbered("SetteiVolume", n), 50), 0, 100);
        range.StartHour.clear();
        range.StartMinit.clear();
        range.EndHour.clear();
        range.EndMinit.clear();
        if (ini.ValueExists("Jiho", Numbered("StartTime", n))) {
            const TimeOfDay t = DecodeTime(ini.ReadDateTime("Jiho", Numbered("StartTime", n), 0.0));
            range.StartHour = std::to_string(t.hour);
            range.StartMinit = std::to_string(t.minute);
        }
        if (ini.ValueExists("Jiho", Numbered("EndTime", n))) {
            const TimeOfDay t = DecodeTime(ini.ReadDateTime("Jiho", Numbered("EndTime", n), 0.0));
            range.EndHour = std::to_string(t.hour);
            range.EndMinit = std::to_string(t.minute);
        }
    }
    form.GobiNo = IndexOr(ini.ReadInteger("Jiho", "GobiNo", 0), 7, 0);
    form.JihoBeforeSoundNo =
        IndexOr(ini.ReadInteger("Jiho", "BeforeSoundNo", 0), form.JihoSoundCount(), 0);
    form.SpeakBeforeSound = ini.ReadBool("Jiho", "SpeakBeforeSound", false);
}

void LoadWords(const IniFile& ini, const DialogValuesLoadContext& context, DialogValues& form) {
    form.HowTo = ini.ReadInteger("Alarm", "HowTo", 0) == 1 ? 1 : 0;
    form.Word = IndexOr(ini.ReadInteger("Alarm", "Word", 2), kLastPresetWord + 1, 2);
    std::error_code ec;
    if (std::filesystem::file_size(context.AlarmWordPath, ec) > 0 && !ec) {
        const int count = ini.ReadInteger("Alarm", "JisakuAlarmWordCount", 1);
        form.OwnWords = OwnAlarmWords::FromSaved(ReadAlarmWords(context.AlarmWordPath, count),
                                                 context.Converter);
        form.MemoLines = form.OwnWords.MemoLines();
    }
}

void LoadSwitches(const IniFile& ini, DialogValues& form) {
    if (ini.ReadBool("Alarm", "Snooze", false)) {
        form.Alarm = 2;
    } else {
        form.Alarm = ini.ReadBool("Alarm", "Use", false) ? 1 : 0;
    }
    form.Jiho = ini.ReadBool("Jiho", "Use", true) ? 1 : 0;
    form.ShowClock = ini.ReadBool("Clock", "Show", true) ? 1 : 0;
    form.BackColor = ini.ReadString("Clock", "BackColor", "Gray") == "Gray" ? 0 : 1;
}

}  // namespace

std::string FileNamePart(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void LoadAddedSounds(const IniFile& ini, DialogValues& form) {
    form.AddedAlarmSounds.clear();
    form.AddedJihoSounds.clear();
    if (!ini.Exists()) {
        return;
    }
    const int alarmCount =
        std::min(ini.ReadInteger("Alarm", "BeforeSoundCount", kBuiltInAlarmSounds), kMaxListCount);
    for (const std::string& path : ReadList(ini, "BeforeSound", kBuiltInAlarmSounds, alarmCount)) {
        form.AddedAlarmSounds.push_back(FileNamePart(path));
    }
    const int jihoCount =
        std::min(ini.ReadInteger("Jiho", "BeforeSoundCount", kBuiltInJihoSounds), kMaxListCount);
    for (const std::string& path :
         ReadList(ini, "BeforeJihoSound", kBuiltInJihoSounds, jihoCount)) {
        form.AddedJihoSounds.push_back(FileNamePart(path));
    }
}

bool LoadDialogValues(const IniFile& ini, const DialogValuesLoadContext& context,
                      DialogValues& form) {
    if (!ini.Exists()) {
        return false;
    }
    form.ClockAllwaysFront = ini.ReadBool("Clock", "AllwaysFront", true);
    form.OnMouseHide = ini.ReadBool("Clock", "OnMouseHide", false);
    form.FontName = ini.ReadString("FontName", "Value", context.FallbackFontName);
    LoadAlarmTimes(ini, form);
    LoadNoAlarmDays(ini, context, form);
    LoadAlarmSounds(ini, form);
    LoadMusic(ini, form);
    form.VoiceNo = IndexOr(ini.ReadInteger("VoiceNo", "Value", 0), kRandomVoice + 1, 0);
    form.SpeakSpead = std::clamp(ini.ReadInteger("SpeakSpead", "Value", 120), kMinSpeed, kMaxSpeed);
    form.NowTimeKey = ini.ReadString("NowTime", "Key", kDefaultNowTimeKey);
    LoadJiho(ini, form);
    LoadWords(ini, context, form);
    LoadSwitches(ini, form);
    form.GoToSleep = std::max(ini.ReadInteger("GoToSleep", "Value", 0), 0);
    return true;
}

}  // namespace velmora
