#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "CliCommands.h"
#include "schedule/AlarmSchedule.h"
#include "schedule/HolidayCalendar.h"
#include "settings/IniFile.h"
#include "settings/PhoneticConverter.h"
#include "settings/SettingsLoader.h"

namespace velmora::cli {
namespace {

constexpr const char* kScheduleUsage =
    "usage: velmora-cli schedule --data DIR --from \"YYYY/MM/DD H:NN:SS\" [--days N]";
constexpr int kDefaultDays = 14;
// Ten years of lines is more than anyone reads, and keeps a typo from
// printing for minutes.
constexpr int kMaxDays = 3660;

std::optional<int> ParseDays(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kMaxDays) {
        return std::nullopt;
    }
    return value;
}

std::string DateText(const CivilDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month, date.day);
    return text;
}

}  // namespace

// The alarm's days ahead as the clock computes them, whether or not the
// alarm is armed: one line a day, the moment it rings or why it does not.
int RunSchedule(Args args, Io io) {
    std::optional<std::string> folder;
    std::optional<DateTime> from;
    std::optional<int> days;
    if (args.size() % 2 != 0) {
        return Fail(io, kScheduleUsage, kUsage);
    }
    for (size_t i = 0; i < args.size(); i += 2) {
        const std::string& value = args[i + 1];
        if (args[i] == "--data" && !folder && !value.empty()) {
            folder = value;
        } else if (args[i] == "--from" && !from) {
            from = ParseDateTime(value);
            if (!from) {
                return Fail(io, kScheduleUsage, kUsage);
            }
        } else if (args[i] == "--days" && !days) {
            days = ParseDays(value);
            if (!days) {
                return Fail(io, kScheduleUsage, kUsage);
            }
        } else {
            return Fail(io, kScheduleUsage, kUsage);
        }
    }
    if (!folder || !from) {
        return Fail(io, kScheduleUsage, kUsage);
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
    for (const AlarmDayPlan& day :
         AlarmSchedule(settings, holidays).PlanDays(*from, days.value_or(kDefaultDays))) {
        io.out << DateText(day.Date);
        if (day.Rings) {
            io.out << " RING " << FormatDateTimeFull(*day.Rings).substr(11) << '\n';
        } else {
            io.out << " SKIP " << day.SkipReason << '\n';
        }
    }
    return kOk;
}

}  // namespace velmora::cli
