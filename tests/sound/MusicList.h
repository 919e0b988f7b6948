#pragma once

#include <string>
#include <vector>

#include "base/ShiftJis.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "support/TempDir.h"

namespace velmora::test {

// Stores the music list as the settings dialog does ([Music] 1..n) and
// points the live settings at it, with the first entry chosen.
inline void StoreMusicList(const IniFile& ini, Settings& config,
                           const std::vector<std::string>& files) {
    std::string text = "[Music]\r\n";
    for (size_t i = 0; i < files.size(); ++i) {
        text += std::to_string(i + 1) + "=" + files[i] + "\r\n";
    }
    WriteBytes(ini.Path(), *Utf8ToSjis(text));
    config.MusicCount = static_cast<int>(files.size()) + 1;
    config.MusicFile = files.empty() ? "" : files[0];
}

}  // namespace velmora::test
