#include "sound/BeforeSoundLists.h"

#include "sound/BuiltInSounds.h"

namespace velmora {
namespace {

// Entries beyond the built-in ones come from the settings file, which is
// read only when there are any.
void AddUserEntries(std::vector<std::string>& list, const IniFile& ini, const char* section,
                    int count) {
    for (int index = static_cast<int>(list.size()); index < count; ++index) {
        list.push_back(ini.ReadString(section, std::to_string(index), ""));
    }
}

}  // namespace

const std::string& BeforeSoundLists::Name(bool fromJihoList, int index) const {
    static const std::string kNone;
    const std::vector<std::string>& list = fromJihoList ? Jiho : Alarm;
    if (index <= 0 || static_cast<size_t>(index) >= list.size()) {
        return kNone;
    }
    return list[static_cast<size_t>(index)];
}

BeforeSoundLists BuildBeforeSoundLists(const std::string& programFolder, const IniFile& ini,
                                       int alarmCount, int jihoCount) {
    BeforeSoundLists lists;
    lists.Alarm.emplace_back();
    for (const char* file : kBuiltInAlarmSoundFiles) {
        lists.Alarm.push_back(programFolder + file);
    }
    lists.Jiho.emplace_back();
    for (int i = 0; i < kSharedBuiltInSounds; ++i) {
        lists.Jiho.push_back(programFolder + kBuiltInAlarmSoundFiles[static_cast<size_t>(i)]);
    }
    lists.Jiho.push_back(programFolder + kJihoToneSoundFile);

    AddUserEntries(lists.Alarm, ini, "BeforeSound", alarmCount);
    AddUserEntries(lists.Jiho, ini, "BeforeJihoSound", jihoCount);
    return lists;
}

}  // namespace velmora
