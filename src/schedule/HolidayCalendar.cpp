#include "schedule/HolidayCalendar.h"

#include "schedule/HolidayRules.h"

namespace velmora {
namespace {

// The published list calls substitute and citizens' holidays alike "休日";
// our rules can tell which one it is.
constexpr std::string_view kPlainDayOff = "休日";

}  // namespace

HolidayCalendar::HolidayCalendar(std::optional<HolidayTable> published)
    : published_(std::move(published)) {}

HolidayCalendar HolidayCalendar::ForDataFolder(const std::string& dataFolder) {
    std::string problem;
    HolidayCalendar calendar(HolidayTable::Load(dataFolder + kHolidayFileName, &problem));
    calendar.problem_ = std::move(problem);
    return calendar;
}

bool HolidayCalendar::IsHoliday(const CivilDate& date, std::string& name) const {
    if (!published_ || !published_->CoversYear(date.year)) {
        return velmora::IsHoliday(date, name);
    }
    name.clear();
    const std::string* listed = published_->Find(date);
    if (listed == nullptr) {
        return false;
    }
    if (*listed == kPlainDayOff) {
        std::string ruleName;
        velmora::IsHoliday(date, ruleName);
        name = ruleName == "振替休日" || ruleName == "国民の休日" ? ruleName : *listed;
    } else {
        name = *listed;
    }
    return true;
}

bool HolidayCalendar::IsHoliday(const CivilDate& date) const {
    std::string ignored;
    return IsHoliday(date, ignored);
}

}  // namespace velmora
