#include <optional>
#include <string>

#include "CliCommands.h"
#include "schedule/AlarmSchedule.h"
#include "schedule/HolidayCalendar.h"
#include "settings/IniFile.h"
#include "settings/PhoneticConverter.h"
#include "settings/SettingsLoader.h"

namespace velmora::cli {

// The schedule is computed from the stored times whether or not the alarm
// is armed ([Alarm] Use): the question is when it would ring.
int RunNextAlarm(Args args, Io io) {
    const auto usage = [&] {
        return Fail(io, "usage: velmora-cli next-alarm --data DIR --now \"YYYY/MM/DD H:NN:SS\"",
                    kUsage);
    };
    std::optional<std::string> folder;
    std::optional<DateTime> now;
    if (args.size() != 4) {
        return usage();
    }
    for (size_t i = 0; i < args.size(); i += 2) {
        if (args[i] == "--data" && !folder && !args[i + 1].empty()) {
            folder = args[i + 1];
        } else if (args[i] == "--now" && !now) {
            now = ParseDateTime(args[i + 1]);
            if (!now) {
                return usage();
            }
        } else {
            return usage();
        }
    }
    if (!folder || !now) {
        return usage();
    }
    if (folder->back() != '/') {
        *folder += '/';
    }
    const IniFile ini(*folder + kSettingsFileName);
    NoReadingService converter;
    const Settings settings = LoadSettings(ini, *folder, converter);
    const HolidayCalendar holidays = HolidayCalendar::ForDataFolder(*folder);
    if (!holidays.Problem().empty()) {
        Warn(io, holidays.Problem());
    }
    const auto wake = AlarmSchedule(settings, holidays).ComputeNextAlarm(*now);
    if (!wake) {
        io.out << "OFF\n";
        return kOk;
    }
    io.out << "WakeTime=" << FormatDateTimeFull(*wake) << '\n'
           << "NextAlarm=" << FormatDateTimeFull(NextAlarmMoment(*wake, settings.ResumeWaiteTime))
           << '\n';
    return kOk;
}

}  // namespace velmora::cli
