#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/DateTime.h"

namespace velmora {

// The name of the government's published holiday list in the data folder.
inline constexpr const char* kHolidayFileName = "syukujitsu.csv";

// The published list of days off ("yyyy/m/d,name" lines after a header, in
// Shift-JIS), for the years the law has moved on from our rule table. For
// every year it names at least one day, it is the whole truth.
class HolidayTable final {
public:
    struct Entry {
        DateTime day;
        std::string name;  // UTF-8
    };

    // nullopt when the bytes are not such a list (a line that is neither
    // blank nor "date,name", a bad date, no entries, invalid Shift-JIS):
    // a damaged file must not silently erase holidays.
    static std::optional<HolidayTable> Parse(std::string_view sjisBytes);
    // nullopt when the file is missing, unreadable or does not parse.
    static std::optional<HolidayTable> Load(const std::string& path);

    bool CoversYear(int year) const;
    // The entry's name, or nullptr when the list has no entry for the day.
    const std::string* Find(const CivilDate& date) const;

    size_t Size() const { return entries_.size(); }

private:
    std::vector<Entry> entries_;  // sorted by day, one entry per day
    std::vector<int> years_;      // sorted, distinct
};

}  // namespace velmora
