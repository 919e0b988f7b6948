#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/DateTime.h"

namespace velmora {

// The name of the government's published holiday list in the data folder.
inline constexpr const char* kHolidayFileName = "syukujitsu.csv";

// The published list of days off ("yyyy/m/d,name" lines after a header),
// for the years the law has moved on from our rule table. For every year it
// names at least one day, it is the whole truth. It comes in Shift-JIS as
// published, or in UTF-8 (with or without a byte-order mark) once a user has
// added a day in a modern editor.
class HolidayTable final {
public:
    struct Entry {
        DateTime day;
        std::string name;  // UTF-8
    };

    // The days the bytes list. A line that is neither blank nor "date,name"
    // (a bad date, bytes that are not text), bar a column header on the first
    // line, is left out and its number, from 1, added to `skippedLines`: one
    // mistyped line must not cost the user every day they added. nullopt
    // when no line names a day.
    static std::optional<HolidayTable> Parse(std::string_view bytes,
                                             std::vector<int>* skippedLines = nullptr);
    // The list in the file, or nullopt when it is missing, unreadable or
    // names no day. `problem`, when given, receives what the user should be
    // told in Japanese: why the file is not used, or which of its lines were
    // left out. It stays empty when the file is missing or was taken whole.
    static std::optional<HolidayTable> Load(const std::string& path,
                                            std::string* problem = nullptr);

    bool CoversYear(int year) const;
    // The entry's name, or nullptr when the list has no entry for the day.
    const std::string* Find(const CivilDate& date) const;

    size_t Size() const { return entries_.size(); }

private:
    std::vector<Entry> entries_;  // sorted by day, one entry per day
    std::vector<int> years_;      // sorted, distinct
};

}  // namespace velmora
