#pragma once

#include <optional>
#include <string>

#include "base/DateTime.h"
#include "schedule/HolidayTable.h"

namespace velmora {

// Whether a date is a Japanese day off, and its name. The rule table answers
// unless a published list was handed in: then the list decides every year it
// covers, so a user can bring a frozen release up to date with the
// government's file.
class HolidayCalendar final {
public:
    HolidayCalendar() = default;
    explicit HolidayCalendar(std::optional<HolidayTable> published);

    // The calendar for a data folder (ending with a slash): the published
    // list there when it is present and names a day, else the rules alone.
    static HolidayCalendar ForDataFolder(const std::string& dataFolder);

    bool IsHoliday(const CivilDate& date, std::string& name) const;
    bool IsHoliday(const CivilDate& date) const;

    bool HasPublishedList() const { return published_.has_value(); }
    // What the user should be told about the data folder's list (why it is
    // not used, or which of its lines were left out); empty when nothing.
    const std::string& Problem() const { return problem_; }

private:
    std::optional<HolidayTable> published_;
    std::string problem_;
};

}  // namespace velmora
