#pragma once

#include <filesystem>
#include <string>

#include "fakes/FakeEventPump.h"
#include "fakes/FakeMediaPlayer.h"
#include "fakes/FakeMillisecondClock.h"
#include "fakes/FakeNotices.h"
#include "settings/IniFile.h"
#include "sound/BeforeSoundLists.h"
#include "sound/BeforeSoundPlayer.h"
#include "support/TempDir.h"

namespace velmora::test {

// A program folder whose built-in sound files exist (empty: the fake
// player never reads them), the before-sound lists over it and a before-sound
// player on a fake media player.
struct BeforeSoundFixture {
    BeforeSoundFixture()
        : ini(dir.File("Settei.ini")),
          lists(BuildBeforeSoundLists(dir.Path(), ini, 14, 6)),
          before(player, lists, clock, notices) {
        std::filesystem::create_directories(dir.File("Data"));
        for (const std::string& path : lists.Alarm) {
            if (!path.empty()) {
                WriteBytes(path, "");
            }
        }
        WriteBytes(lists.Jiho[5], "");
    }

    TempDir dir;
    IniFile ini;
    BeforeSoundLists lists;
    FakeMillisecondClock clock;
    FakeEventPump pump{clock};
    FakeNotices notices;
    FakeMediaPlayer player;
    BeforeSoundPlayer before;
};

}  // namespace velmora::test
