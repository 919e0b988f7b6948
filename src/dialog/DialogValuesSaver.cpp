#include "dialog/DialogValuesSaver.h"

#include <filesystem>
#include <optional>

#include "dialog/DayList.h"
#include "settings/AlarmWordFile.h"

namespace velmora {
namespace {

std::string Numbered(std::string_view prefix, int n) {
    return std::string(prefix) + std::to_string(n);
}

int Number(const std::string& text) {
    return ReadFormInteger(text).value_or(0);
}

bool RangeInUse(const JihoRangeFields& r) {
    return !r.StartHour.empty() && !r.StartMinit.empty() && !r.EndHour.empty() &&
           !r.EndMinit.empty();
}

DateTime RangeStart(const JihoRangeFields& r) {
    return EncodeTime(Number(r.StartHour), Number(r.StartMinit), 0);
}

DateTime RangeEnd(const JihoRangeFields& r) {
    return EncodeTime(Number(r.EndHour), Number(r.EndMinit), 0);
}

std::array<bool, 32> DayFlags(const std::vector<int>& days) {
    std::array<bool, 32> flags{};
    for (const int day : days) {
        flags[static_cast<size_t>(day)] = true;
    }
    return flags;
}

// Stops at the first refused write and skips every write after it, so the
// order of the writes stays the order of the code.
class KeyWriter {
public:
    explicit KeyWriter(IniFile& ini) : ini_(ini) {}

    void Int(std::string_view section, std::string_view key, int value) {
        Do([&] { return ini_.WriteInteger(section, key, value); });
    }
    void Bool(std::string_view section, std::string_view key, bool value) {
        Do([&] { return ini_.WriteBool(section, key, value); });
    }
    void Text(std::string_view section, std::string_view key, std::string_view value) {
        Do([&] { return ini_.WriteString(section, key, value); });
    }
    void Date(std::string_view section, std::string_view key, DateTime value) {
        Do([&] { return ini_.WriteDateTime(section, key, value); });
    }
    void DeleteIfPresent(std::string_view section, std::string_view key) {
        Do([&] { return !ini_.ValueExists(section, key) || ini_.DeleteKey(section, key); });
    }
    void Fail(std::string error) {
        if (!error_) {
            error_ = std::move(error);
        }
    }
    bool Failed() const { return error_.has_value(); }
    const std::optional<std::string>& Error() const { return error_; }

private:
    template <typename Write>
    void Do(Write write) {
        if (!error_ && !write()) {
            error_ = ini_.LastError();
        }
    }

    IniFile& ini_;
    std::optional<std::string> error_;
};

void WriteAlarmTimes(KeyWriter& w, const DialogValues& form) {
    w.Bool("Clock", "Show", form.ShowClock == 1);
    w.Bool("Alarm", "Use", form.Alarm == 1);
    w.Bool("Alarm", "Snooze", form.Alarm == 2);
    w.Text("Clock", "BackColor", form.BackColor == 0 ? "Gray" : "White");
    w.Int("Alarm", "DayOrWeek", form.DayOrWeek);
    if (form.DayOrWeek == 0) {
        w.Date("Alarm", "DayTime", AlarmTimeFromFields(form.DayTime));
    } else {
        for (int day = 0; day < 7; ++day) {
            w.Date("Alarm", Numbered("WeekTime", day),
                   AlarmTimeFromFields(form.WeekTime[static_cast<size_t>(day)]));
        }
    }
}

void WriteNoAlarmDays(KeyWriter& w, const DialogValues& form,
                      const std::vector<int>& dayOfMonthList, const Settings& live) {
    w.Bool("NoAlarm", "Holiday", form.NoAlarmHoliday);
    w.Bool("NoAlarm", "MonthEnd", form.NoAlarmMonthEnd);
    // Every month from the live record, which holds the months the user
    // switched away from in this showing, then the month on screen from its
    // field.
    for (int month = 1; month <= 12; ++month) {
        const std::string section = Numbered("NoAlarmMonth", month);
        for (int day = 1; day <= 31; ++day) {
            w.DeleteIfPresent(section, Numbered("Day", day));
        }
        for (int day = 1; day <= 31; ++day) {
            if (live.NoAlarmMonthDay[static_cast<size_t>(month)][static_cast<size_t>(day)]) {
                w.Int(section, Numbered("Day", day), 1);
            }
        }
    }
    const std::string shown = Numbered("NoAlarmMonth", form.Month + 1);
    for (int day = 1; day <= 31; ++day) {
        w.DeleteIfPresent(shown, Numbered("Day", day));
    }
    if (!form.Day.empty()) {
        for (const int day : ParseDayList(form.Day).value_or(std::vector<int>{})) {
            w.Int(shown, Numbered("Day", day), 1);
        }
    }
    for (int day = 1; day <= 31; ++day) {
        w.DeleteIfPresent("NoAlarm", Numbered("DayOfMonth", day));
    }
    for (const int day : dayOfMonthList) {
        w.Int("NoAlarm", Numbered("DayOfMonth", day), 1);
    }
}

void WriteAlarmSoundAndMusic(KeyWriter& w, const DialogValues& form) {
    w.Int("Alarm", "BeforeSoundNo", form.BeforeSoundNo);
    w.Bool("Alarm", "BeforeSoundNoRandom", form.BeforeSoundNoRandom);
    w.Bool("Alarm", "AlarmJiho", form.AlarmJiho);
    w.Int("ResumeWaiteTime", "Value", form.ResumeTime + 1);
    if (!form.SnoozeMinit.empty()) {
        w.Int("Alarm", "SnoozeInterval", Number(form.SnoozeMinit));
    }
    w.Int("Alarm", "FirstVolume", form.FirstVolume);
    w.Bool("Alarm", "VolumeUp", form.VolumeUp);
    w.Int("Alarm", "MaxVolume", form.MaxVolume);
    w.Int("Music", "No", form.MusicNo);
    w.Bool("Music", "Random", form.MusicRandom);
    w.Bool("Music", "Repeat", form.MusicRepeat);
    w.Bool("Music", "OnVoiceStopPlayStop", form.PlayStop);
    w.Int("VoiceNo", "Value", form.VoiceNo);
    w.Int("SpeakSpead", "Value", form.SpeakSpead);
    w.Text("NowTime", "Key", form.NowTimeKey);
}

void WriteJiho(KeyWriter& w, const DialogValues& form) {
    w.Int("Jiho", "Mode", form.JihoMode);
    if (form.JihoMode == 0) {
        w.Int("Jiho", "MinitInterval", Number(form.JihoIntervalMinit));
    } else {
        w.Int("Jiho", "HourInterval", Number(form.JihoIntervalHour));
    }
    w.Int("Jiho", "Volume", form.JihoVolume);
    for (int n = 0; n < 3; ++n) {
        const JihoRangeFields& range = form.Ranges[static_cast<size_t>(n)];
        if (RangeInUse(range)) {
            w.Date("Jiho", Numbered("StartTime", n), RangeStart(range));
            w.Date("Jiho", Numbered("EndTime", n), RangeEnd(range));
            w.Int("Jiho", Numbered("SetteiVolume", n), range.Volume);
        } else {
            w.DeleteIfPresent("Jiho", Numbered("StartTime", n));
            w.DeleteIfPresent("Jiho", Numbered("EndTime", n));
        }
    }
    w.Int("Jiho", "GobiNo", form.GobiNo);
    w.Int("Jiho", "BeforeSoundNo", form.JihoBeforeSoundNo);
    w.Bool("Jiho", "SpeakBeforeSound", form.SpeakBeforeSound);
}

void WriteWords(KeyWriter& w, const DialogValues& form, const DialogValuesSaveContext& context) {
    w.Int("Alarm", "HowTo", form.HowTo);
    if (form.HowTo != 0) {
        return;
    }
    w.Int("Alarm", "Word", form.Word);
    if (form.Word != kWordOwn || w.Failed()) {
        return;
    }
    const std::vector<std::string>& words = form.OwnWords.OwnWords;
    w.Int("Alarm", "JisakuAlarmWordCount", static_cast<int>(words.size()));
    std::string error;
    if (!w.Failed() && !WriteAlarmWords(context.AlarmWordPath, words, error)) {
        w.Fail(error);
    }
}

}  // namespace

DateTime AlarmTimeFromFields(const AlarmTimeFields& fields) {
    if (fields.Hour.empty() || fields.Minit.empty() || fields.Second.empty()) {
        return 0.0;
    }
    return kAlarmTimeDate +
           EncodeTime(Number(fields.Hour), Number(fields.Minit), Number(fields.Second));
}

DialogValuesSaveResult SaveDialogValues(IniFile& ini, DialogValues& form,
                                        const std::vector<int>& dayOfMonthList, Settings& live,
                                        const DialogValuesSaveContext& context) {
    KeyWriter w(ini);
    WriteAlarmTimes(w, form);
    WriteNoAlarmDays(w, form, dayOfMonthList, live);
    WriteAlarmSoundAndMusic(w, form);
    WriteJiho(w, form);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(context.RecordedVoicePath, ec)) {
        form.HowTo = 0;
    }
    WriteWords(w, form, context);
    w.Int("GoToSleep", "Value", form.GoToSleep);
    w.Bool("Clock", "AllwaysFront", form.ClockAllwaysFront);
    w.Bool("Clock", "OnMouseHide", form.OnMouseHide);
    if (w.Failed()) {
        return {false, *w.Error()};
    }
    const std::string musicFile = form.MusicNo > 0
                                      ? ini.ReadString("Music", std::to_string(form.MusicNo), "")
                                      : std::string();
    ApplyDialogValuesToSettings(form, dayOfMonthList, musicFile, live);
    return {true, {}};
}

void ApplyDialogValuesToSettings(const DialogValues& form, const std::vector<int>& dayOfMonthList,
                                 const std::string& musicFile, Settings& live) {
    live.DayOrWeek = form.DayOrWeek;
    if (form.DayOrWeek == 0) {
        live.DayTime = AlarmTimeFromFields(form.DayTime);
    } else {
        for (size_t day = 0; day < 7; ++day) {
            live.WeekTime[day] = AlarmTimeFromFields(form.WeekTime[day]);
        }
    }
    live.NoAlarmHoliday = form.NoAlarmHoliday;
    live.NoAlarmMonthEnd = form.NoAlarmMonthEnd;
    live.NoAlarmMonthDay[static_cast<size_t>(form.Month) + 1] =
        DayFlags(ParseDayList(form.Day).value_or(std::vector<int>{}));
    live.NoAlarmDayOfMonth = DayFlags(dayOfMonthList);

    live.BeforeSoundNo = form.BeforeSoundNo;
    live.BeforeSoundNoRandom = form.BeforeSoundNoRandom;
    if (!form.SnoozeMinit.empty()) {
        live.SnoozeInterval = Number(form.SnoozeMinit);
    }
    live.FirstVolume = form.FirstVolume;
    live.VolumeUp = form.VolumeUp;
    live.MaxVolume = form.MaxVolume;

    live.MusicFile = musicFile;
    if (!musicFile.empty()) {
        live.MusicRepeat = form.MusicRepeat;
        live.MusicCount = form.MusicCount();
        live.MusicRandom = live.MusicCount >= 3 && form.MusicRandom;
        live.OnVoiceStopPlayStop = form.PlayStop;
    } else {
        live.MusicRepeat = false;
        live.MusicRandom = false;
        live.OnVoiceStopPlayStop = false;
    }

    live.VoiceNo = form.VoiceNo;
    live.SpeakSpead = form.SpeakSpead;
    live.NowTimeKey = form.NowTimeKey;
    live.JihoMode = form.JihoMode;
    live.JihoInterval =
        form.JihoMode == 0 ? Number(form.JihoIntervalMinit) : Number(form.JihoIntervalHour) * 60;
    live.JihoVolume = form.JihoVolume;
    for (size_t n = 0; n < 3; ++n) {
        const JihoRangeFields& range = form.Ranges[n];
        if (RangeInUse(range)) {
            live.JihoRangeStart[n] = RangeStart(range);
            live.JihoRangeEnd[n] = RangeEnd(range);
            live.JihoRangeVolume[n] = range.Volume;
        } else {
            live.JihoRangeStart[n] = kRangeUnused;
            live.JihoRangeEnd[n] = kRangeUnused;
        }
    }
    live.Gobi = JihoEnding(form.GobiNo);
    live.JihoBeforeSoundNo = form.JihoBeforeSoundNo;
    live.SpeakBeforeSound = form.SpeakBeforeSound;
    ArrangeJihoSounds(live);

    live.AlarmJiho = form.AlarmJiho;
    live.HowTo = form.HowTo;
    if (form.HowTo == 0) {
        live.Word = form.Word;
        // As the loader leaves them: the own words in the list with the
        // first of them as the text, any other choice with an empty list.
        live.AlarmWords.clear();
        if (form.Word == kWordNone) {
            live.AlarmWordText.clear();
        } else if (form.Word == kWordOwn) {
            live.AlarmWords = form.OwnWords.OwnWordsPhonetic;
            live.AlarmWordText = live.AlarmWords.empty() ? std::string() : live.AlarmWords.front();
        } else {
            live.AlarmWordText = PresetAlarmWord(form.Word);
        }
    }
    live.ResumeWaiteTime = form.ResumeTime + 1;
}

}  // namespace velmora
