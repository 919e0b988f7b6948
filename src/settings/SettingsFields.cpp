#include "settings/SettingsFields.h"

namespace velmora {
namespace {

class FieldList {
public:
    void Add(std::string name, std::string value) {
        fields_.emplace_back(std::move(name), std::move(value));
    }
    void Add(const std::string& name, int value) { Add(name, std::to_string(value)); }
    void Add(const std::string& name, bool value) { Add(name, std::string(value ? "1" : "0")); }
    void AddTime(const std::string& name, DateTime value) { Add(name, FormatDateTime(value)); }
    static std::string Index(const std::string& name, size_t i) {
        return name + "[" + std::to_string(i) + "]";
    }
    std::vector<std::pair<std::string, std::string>> Take() { return std::move(fields_); }

private:
    std::vector<std::pair<std::string, std::string>> fields_;
};

}  // namespace

std::vector<std::pair<std::string, std::string>> SettingsFields(const Settings& s) {
    FieldList f;
    f.Add("DayOrWeek", s.DayOrWeek);
    f.AddTime("DayTime", s.DayTime);
    for (size_t i = 0; i < s.WeekTime.size(); ++i) {
        f.AddTime(FieldList::Index("WeekTime", i), s.WeekTime[i]);
    }
    f.Add("NoAlarmHoliday", s.NoAlarmHoliday);
    f.Add("NoAlarmMonthEnd", s.NoAlarmMonthEnd);
    for (size_t day = 1; day <= 31; ++day) {
        f.Add(FieldList::Index("NoAlarmDayOfMonth", day), s.NoAlarmDayOfMonth[day]);
    }
    for (size_t month = 1; month <= 12; ++month) {
        for (size_t day = 1; day <= 31; ++day) {
            f.Add(FieldList::Index("NoAlarmMonthDay", month) + "[" + std::to_string(day) + "]",
                  s.NoAlarmMonthDay[month][day]);
        }
    }
    f.Add("BeforeSoundNo", s.BeforeSoundNo);
    f.Add("BeforeSoundNoRandom", s.BeforeSoundNoRandom);
    f.Add("AlarmJiho", s.AlarmJiho);
    f.Add("SnoozeInterval", s.SnoozeInterval);
    f.Add("FirstVolume", s.FirstVolume);
    f.Add("MaxVolume", s.MaxVolume);
    f.Add("VolumeUp", s.VolumeUp);
    f.Add("MusicFile", s.MusicFile);
    f.Add("MusicCount", s.MusicCount);
    f.Add("MusicRandom", s.MusicRandom);
    f.Add("MusicRepeat", s.MusicRepeat);
    f.Add("OnVoiceStopPlayStop", s.OnVoiceStopPlayStop);
    f.Add("VoiceNo", s.VoiceNo);
    f.Add("SpeakSpead", s.SpeakSpead);
    f.Add("NowTimeKey", s.NowTimeKey);
    f.Add("JihoMode", s.JihoMode);
    f.Add("JihoInterval", s.JihoInterval);
    f.Add("JihoVolume", s.JihoVolume);
    for (size_t i = 0; i < 3; ++i) {
        f.Add(FieldList::Index("JihoRangeVolume", i), s.JihoRangeVolume[i]);
    }
    for (size_t i = 0; i < 3; ++i) {
        f.AddTime(FieldList::Index("JihoRangeStart", i), s.JihoRangeStart[i]);
    }
    for (size_t i = 0; i < 3; ++i) {
        f.AddTime(FieldList::Index("JihoRangeEnd", i), s.JihoRangeEnd[i]);
    }
    f.Add("Gobi", s.Gobi);
    f.Add("JihoBeforeSoundNo", s.JihoBeforeSoundNo);
    f.Add("SpeakBeforeSound", s.SpeakBeforeSound);
    f.Add("JihoLeadSoundNo", s.JihoLeadSoundNo);
    f.Add("HowTo", s.HowTo);
    f.Add("Word", s.Word);
    f.Add("AlarmWordText", s.AlarmWordText);
    for (size_t i = 0; i < s.AlarmWords.size(); ++i) {
        f.Add(FieldList::Index("AlarmWords", i), s.AlarmWords[i]);
    }
    f.Add("ResumeWaiteTime", s.ResumeWaiteTime);
    return f.Take();
}

}  // namespace velmora
