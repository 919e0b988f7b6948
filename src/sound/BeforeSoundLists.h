#pragma once

#include <string>
#include <vector>

#include "settings/IniFile.h"

namespace velmora {

// The full paths of the sounds that can precede an announcement, one list
// for the alarm and one for the time signal. Index 0 is "none" and holds an
// empty path; the built-in sounds follow, then the files the user added.
// The settings dialog grows and shrinks the lists as the user edits them.
struct BeforeSoundLists {
    std::vector<std::string> Alarm;  // AlarmBeforeSounds
    std::vector<std::string> Jiho;   // JihoBeforeSounds

    // The path at `index` of the chosen list; empty for 0 or an index the
    // list does not have.
    const std::string& Name(bool fromJihoList, int index) const;
};

// Builds both lists: the built-in sounds under `programFolder` (ending with
// a slash), then for indices from the built-in size up to count - 1 the
// paths stored in [BeforeSound] and [BeforeJihoSound] under the decimal
// index. A count below the built-in size still gives every built-in entry.
BeforeSoundLists BuildBeforeSoundLists(const std::string& programFolder, const IniFile& ini,
                                       int alarmCount, int jihoCount);

}  // namespace velmora
