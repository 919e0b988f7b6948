#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/Notices.h"
#include "sound/DesktopOpener.h"
#include "sound/MusicHooks.h"

namespace velmora {

// The hidden main window's parts the players talk to, without a desktop:
// message boxes are kept and reported instead of shown, "音楽停止(&O)" is a
// flag, and no file is handed to another program.
class HeadlessMainWindow final : public Notices, public MusicHooks, public DesktopOpener {
public:
    void ShowNotice(const std::string& text) override { Shown(text); }
    void ShowMessage(const std::string& text) override { Shown(text); }
    void SetShownHandler(std::function<void(const std::string&)> handler) {
        onShown_ = std::move(handler);
    }

    void SetMusicStopEnabled(bool enabled) override { musicStopEnabled_ = enabled; }
    void TestPlaybackStopped() override {}
    void PlaybackFailed() override {}

    void OpenWithAssociatedProgram(const std::string& path,
                                   std::function<void(int result)> /*failed*/) override {
        opened_.push_back(path);
    }

    const std::vector<std::string>& Shown() const { return notices_; }
    bool MusicStopEnabled() const { return musicStopEnabled_; }

private:
    void Shown(const std::string& text) {
        notices_.push_back(text);
        if (onShown_) {
            onShown_(text);
        }
    }

    std::function<void(const std::string&)> onShown_;
    std::vector<std::string> notices_;
    std::vector<std::string> opened_;
    bool musicStopEnabled_ = false;
};

}  // namespace velmora
