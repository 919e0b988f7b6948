// The settings file as the program reads it: any bytes as Settei.ini,
// through the profile-file dialect, the live record's loader and the
// dialog's loader, and the loaded record through the alarm and time-signal
// schedules the clock runs on it; then one key written and the file read
// back.
//
// Input: the file's bytes, optionally followed by a NUL and a write order:
// one byte choosing the key, the rest the UTF-8 value to store.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "FuzzScratch.h"
#include "base/TextUtil.h"
#include "dialog/DialogValues.h"
#include "dialog/DialogValuesLoader.h"
#include "schedule/AlarmSchedule.h"
#include "schedule/HolidayCalendar.h"
#include "schedule/JihoSchedule.h"
#include "settings/IniDocument.h"
#include "settings/IniFile.h"
#include "settings/SettingsLoader.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 8> kSections = {
    "Alarm", "Jiho", "NoAlarm", "Music", "Clock", "ClockPosition", "NoAlarmMonth1", "Fuzz",
};

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kWriteKeys = {{
    {"Alarm", "DayTime"},
    {"Jiho", "Gobi"},
    {"Music", "1"},
    {"Alarm", "JisakuAlarmWordCount"},
    {"NoAlarmMonth1", "Day31"},
    {"Fuzz", "New"},
}};

struct ProbedKey {
    std::string_view section;
    std::string key;
    std::optional<std::string> value;
    friend bool operator==(const ProbedKey&, const ProbedKey&) = default;
};

// Every key of the sections the program uses, with what a read gives.
std::vector<ProbedKey> Probe(const IniDocument& doc) {
    std::vector<ProbedKey> probed;
    for (std::string_view section : kSections) {
        for (std::string& key : doc.Keys(section)) {
            std::optional<std::string> value = doc.Get(section, key);
            probed.push_back({section, std::move(key), std::move(value)});
        }
    }
    return probed;
}

// What the clock does with a freshly loaded record: arm the alarm, test
// the firing window and the time-signal marks, pick the volume.
void RunTheSchedules(const Settings& live) {
    static const HolidayCalendar holidays;
    const AlarmSchedule schedule(live, holidays);
    const DateTime now = EncodeDate(2024, 2, 28) + EncodeTime(23, 59, 58);
    if (const auto wake = schedule.ComputeNextAlarm(now)) {
        if (!(NextAlarmMoment(*wake, live.ResumeWaiteTime) > now)) {
            fuzz::Fault("the next alarm is not ahead of now");
        }
        static_cast<void>(schedule.IsDue(*wake, *wake));
    }
    static_cast<void>(schedule.InFiringWindow(now));
    static_cast<void>(IsJihoMoment(live, now));
    static_cast<void>(JihoCheckTime(live, now, false, 0));
    const int volume = JihoVolumeNow(live, now);
    if (volume < 0 || volume > 100) {
        fuzz::Fault("a time-signal volume outside 0..100");
    }
}

void ReadLikeTheProgram(const std::string& path) {
    const IniFile ini(path);
    NoReadingService converter;
    const Settings live = LoadSettings(ini, fuzz::ScratchFolder(), converter);
    if (live.VoiceNo < 0 || live.VoiceNo > kRandomVoice || live.SpeakSpead < kMinSpeed ||
        live.SpeakSpead > kMaxSpeed || live.SnoozeInterval < 1 || live.JihoInterval < 1 ||
        live.FirstVolume < 0 || live.FirstVolume > 100 || live.MaxVolume < 0 ||
        live.MaxVolume > 100 || live.ResumeWaiteTime < 1 || live.MusicCount < 1) {
        fuzz::Fault("the loader let a value through that it promises to clamp");
    }
    RunTheSchedules(live);
    DialogValues form;
    LoadAddedSounds(ini, form);
    const DialogValuesLoadContext context{.Live = live,
                                          .CurrentMonth = 0,
                                          .AlarmWordPath = fuzz::ScratchFolder() + "AlarmWord.txt",
                                          .FallbackFontName = "Sans",
                                          .Converter = converter};
    LoadDialogValues(ini, context, form);
    // Indices the dialog's lists and radio groups are set to.
    if (form.BeforeSoundNo < 0 || form.BeforeSoundNo >= form.AlarmSoundCount() ||
        form.JihoBeforeSoundNo < 0 || form.JihoBeforeSoundNo >= form.JihoSoundCount() ||
        form.MusicNo < 0 || form.MusicNo >= form.MusicCount() || form.VoiceNo < 0 ||
        form.VoiceNo > kRandomVoice || form.Alarm < 0 || form.Alarm > 2 || form.Month < 0 ||
        form.Month > 11) {
        fuzz::Fault("the dialog's loader left an index past its list");
    }
}

// A value a write must give back unchanged: the dialect trims blanks and
// takes off a pair of quotes, and reads at most kMaxValueBytes.
bool ComesBackAsWritten(std::string_view value) {
    if (value.empty()) {
        return true;
    }
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !blank(value.front()) && !blank(value.back()) &&
           !(value.size() >= 2 && value.front() == '"' && value.back() == '"') &&
           value.size() <= IniDocument::kMaxValueBytes;
}

void WriteAndReadBack(const std::string& path, std::string_view order) {
    const auto& [section, key] =
        kWriteKeys[static_cast<unsigned char>(order[0]) % kWriteKeys.size()];
    const std::string value(order.substr(1));
    const auto bytesBefore = ReadWholeFile(path);
    const std::vector<ProbedKey> before = Probe(IniDocument::Parse(bytesBefore.value_or("")));

    IniFile writer(path);
    if (!writer.WriteString(section, key, value)) {
        // Refused texts (no Shift-JIS form, a line break) leave the file alone.
        if (ReadWholeFile(path) != bytesBefore) {
            fuzz::Fault("a refused write changed the file");
        }
        return;
    }
    const IniFile reader(path);
    if (ComesBackAsWritten(value) && reader.ReadString(section, key, "<missing>") != value) {
        fuzz::Fault("a written value did not come back");
    }
    const IniDocument after = IniDocument::Parse(ReadWholeFile(path).value_or(""));
    for (const ProbedKey& other : before) {
        const bool written =
            EqualsIgnoreCase(other.section, section) && EqualsIgnoreCase(other.key, key);
        if (!written && after.Get(other.section, other.key) != other.value) {
            fuzz::Fault("writing one key changed another");
        }
    }
}

}  // namespace
}  // namespace velmora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const std::string_view input = fuzz::AsText(data, size);
    const size_t nul = input.find('\0');
    const std::string_view file = input.substr(0, nul);

    // Writing back what was read keeps every line; a second round changes
    // nothing more.
    const IniDocument doc = IniDocument::Parse(file);
    const std::string once = doc.Serialize();
    if (IniDocument::Parse(once).Serialize() != once) {
        fuzz::Fault("serialising a parsed file is not stable");
    }
    if (Probe(IniDocument::Parse(once)) != Probe(doc)) {
        fuzz::Fault("a rewritten file reads differently");
    }

    const std::string path = fuzz::ScratchFolder() + "Settei.ini";
    fuzz::WriteFile(path, file);
    ReadLikeTheProgram(path);
    if (nul != std::string_view::npos && nul + 1 < input.size()) {
        WriteAndReadBack(path, input.substr(nul + 1));
    }
    return 0;
}
