#pragma once

#include <string>
#include <vector>

#include "sound/MusicHooks.h"

namespace velmora::test {

// Not sim/HeadlessMainWindow: the dialog's reactions are written down too.
// The menu item's state and the dialog's reactions, as a log.
class FakeMusicHooks final : public MusicHooks {
public:
    void SetMusicStopEnabled(bool enabled) override {
        musicStopEnabled = enabled;
        log.emplace_back(enabled ? "menu:on" : "menu:off");
    }
    void TestPlaybackStopped() override { log.emplace_back("test-stopped"); }
    void PlaybackFailed() override { log.emplace_back("failed"); }

    bool musicStopEnabled = false;
    std::vector<std::string> log;
};

}  // namespace velmora::test
