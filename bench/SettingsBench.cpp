// Measures loading the settings from a fully populated file and the
// settings dialog's full write of about a hundred keys, each one durable.
// Usage: settings_bench [FOLDER]   (default: a fresh folder under /tmp)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "settings/IniFile.h"
#include "settings/PhoneticConverter.h"
#include "settings/SettingsLoader.h"

using namespace velmora;
using Clock = std::chrono::steady_clock;

namespace {

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Populate(IniFile& ini) {
    ini.WriteInteger("Alarm", "DayOrWeek", 1);
    for (int d = 0; d < 7; ++d) {
        ini.WriteDateTime("Alarm", "WeekTime" + std::to_string(d),
                          kAlarmTimeDate + EncodeTime(6, d, 0));
    }
    ini.WriteBool("NoAlarm", "Holiday", true);
    ini.WriteBool("NoAlarm", "MonthEnd", true);
    for (int d = 1; d <= 31; ++d) {
        ini.WriteBool("NoAlarm", "DayOfMonth" + std::to_string(d), true);
    }
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= 31; ++d) {
            ini.WriteBool("NoAlarmMonth" + std::to_string(m), "Day" + std::to_string(d), true);
        }
    }
    for (int i = 14; i < 214; ++i) {
        ini.WriteString("BeforeSound", std::to_string(i),
                        "/home/user/効果音/アラーム音" + std::to_string(i) + ".wav");
    }
    ini.WriteInteger("Alarm", "BeforeSoundCount", 214);
    for (int i = 1; i < 201; ++i) {
        ini.WriteString("Music", std::to_string(i),
                        "/home/user/音楽/朝の曲" + std::to_string(i) + ".mp3");
    }
    ini.WriteInteger("Music", "Count", 201);
    ini.WriteInteger("Music", "No", 150);
    for (int r = 0; r < 3; ++r) {
        ini.WriteDateTime("Jiho", "StartTime" + std::to_string(r), EncodeTime(8 * r, 0, 0));
        ini.WriteDateTime("Jiho", "EndTime" + std::to_string(r), EncodeTime(8 * r + 7, 30, 0));
        ini.WriteInteger("Jiho", "SetteiVolume" + std::to_string(r), 20 * r);
    }
}

// Roughly what the dialog's OK writes: about a hundred keys across the file.
int FullDialogWrite(IniFile& ini) {
    int writes = 0;
    const auto count = [&](bool) { ++writes; };
    count(ini.WriteBool("Clock", "Show", true));
    count(ini.WriteBool("Clock", "AllwaysFront", true));
    count(ini.WriteBool("Clock", "OnMouseHide", false));
    count(ini.WriteString("Clock", "BackColor", "Gray"));
    count(ini.WriteBool("Alarm", "Use", true));
    count(ini.WriteBool("Alarm", "Snooze", false));
    count(ini.WriteInteger("Alarm", "DayOrWeek", 1));
    for (int d = 0; d < 7; ++d) {
        count(ini.WriteDateTime("Alarm", "WeekTime" + std::to_string(d),
                                kAlarmTimeDate + EncodeTime(7, d, 0)));
    }
    for (const char* key :
         {"BeforeSoundNo", "SnoozeInterval", "FirstVolume", "MaxVolume", "HowTo", "Word"}) {
        count(ini.WriteInteger("Alarm", key, 3));
    }
    for (const char* key : {"BeforeSoundNoRandom", "AlarmJiho", "VolumeUp"}) {
        count(ini.WriteBool("Alarm", key, false));
    }
    count(ini.WriteBool("NoAlarm", "Holiday", true));
    count(ini.WriteBool("NoAlarm", "MonthEnd", false));
    for (int d = 1; d <= 31; d += 2) {
        count(ini.DeleteKey("NoAlarm", "DayOfMonth" + std::to_string(d)));
        count(ini.WriteBool("NoAlarm", "DayOfMonth" + std::to_string(d), true));
    }
    for (int m = 1; m <= 12; ++m) {
        count(ini.WriteBool("NoAlarmMonth" + std::to_string(m), "Day1", true));
    }
    for (const char* key : {"No", "Random", "Repeat", "OnVoiceStopPlayStop"}) {
        count(ini.WriteInteger("Music", key, 1));
    }
    count(ini.WriteInteger("VoiceNo", "Value", 2));
    count(ini.WriteInteger("SpeakSpead", "Value", 120));
    for (const char* key :
         {"Mode", "HourInterval", "Volume", "GobiNo", "BeforeSoundNo", "SpeakBeforeSound"}) {
        count(ini.WriteInteger("Jiho", key, 1));
    }
    for (int r = 0; r < 3; ++r) {
        count(ini.DeleteKey("Jiho", "StartTime" + std::to_string(r)));
        count(ini.DeleteKey("Jiho", "EndTime" + std::to_string(r)));
        count(ini.WriteDateTime("Jiho", "StartTime" + std::to_string(r), EncodeTime(8 * r, 0, 0)));
        count(
            ini.WriteDateTime("Jiho", "EndTime" + std::to_string(r), EncodeTime(8 * r + 7, 0, 0)));
        count(ini.WriteInteger("Jiho", "SetteiVolume" + std::to_string(r), 40));
    }
    count(ini.WriteInteger("ResumeWaiteTime", "Value", 2));
    count(ini.WriteInteger("GoToSleep", "Value", 0));
    return writes;
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder;
    if (argc > 1) {
        folder = argv[1];
    } else {
        char pattern[] = "/tmp/velmora-bench-XXXXXX";
        folder = ::mkdtemp(pattern);
    }
    if (folder.back() != '/') {
        folder += '/';
    }
    IniFile ini(folder + "Settei.ini");
    Populate(ini);
    std::printf("settings file: %s (%lld bytes)\n", ini.Path().c_str(),
                static_cast<long long>(std::filesystem::file_size(ini.Path())));

    NoReadingService converter;
    // A fresh IniFile each time: the first load of a program parses from disk.
    constexpr int kLoads = 200;
    double worst = 0;
    const auto loadsStart = Clock::now();
    for (int i = 0; i < kLoads; ++i) {
        const auto start = Clock::now();
        const IniFile fresh(ini.Path());
        const Settings s = LoadSettings(fresh, folder, converter);
        worst = std::max(worst, MsSince(start));
        if (s.MusicFile.empty()) {
            std::puts("unexpected: music entry not found");
            return 1;
        }
    }
    std::printf(
        "LoadSettings (fully populated): mean %.3f ms, worst %.3f ms over %d loads (target < 10 "
        "ms)\n",
        MsSince(loadsStart) / kLoads, worst, kLoads);

    constexpr int kRounds = 5;
    double best = 1e9;
    double total = 0;
    int writes = 0;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        writes = FullDialogWrite(ini);
        const double ms = MsSince(start);
        best = std::min(best, ms);
        total += ms;
    }
    std::printf(
        "dialog full write: %d durable writes, mean %.1f ms, best %.1f ms over %d rounds (target < "
        "100 ms)\n",
        writes, total / kRounds, best, kRounds);
    if (argc <= 1) {
        std::filesystem::remove_all(folder);
    }
    return 0;
}
