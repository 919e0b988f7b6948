#pragma once

#include <vector>

#include "schedule/DialogLink.h"

namespace velmora {

// The settings dialog without a screen. The simulator never opens it; a
// test can put it in the states the tick reads (a music test with its
// volume bars, a recording under way).
class HeadlessDialog final : public DialogLink {
public:
    bool Visible() const override { return false; }
    void Close() override {}
    bool MessageShowing() const override { return messageShowing_; }
    void SetMessageShowing(bool showing) override { messageShowing_ = showing; }
    bool MusicTestPlaying() const override { return musicTest_; }
    bool MusicTestVolumeUp() const override { return volumeUp_; }
    int FirstVolumePosition() const override { return firstVolume_; }
    int MaxVolumePosition() const override { return maxVolume_; }
    std::uint32_t RecordStartCount() const override { return recordStart_; }
    void ShowRecordSeconds(int seconds) override { recordSeconds_.push_back(seconds); }
    void StopRecording() override {
        recordStart_ = 0;
        ++recordStops_;
    }
    bool PlayRecordingRequested() const override { return false; }
    void ClearPlayRecordingRequested() override {}

    void SetMusicTest(bool playing, bool volumeUp, int firstVolume, int maxVolume) {
        musicTest_ = playing;
        volumeUp_ = volumeUp;
        firstVolume_ = firstVolume;
        maxVolume_ = maxVolume;
    }
    void StartRecording(std::uint32_t startCount) { recordStart_ = startCount; }
    const std::vector<int>& RecordSecondsShown() const { return recordSeconds_; }
    int RecordStops() const { return recordStops_; }

private:
    bool messageShowing_ = false;
    bool musicTest_ = false;
    bool volumeUp_ = false;
    int firstVolume_ = 0;
    int maxVolume_ = 0;
    std::uint32_t recordStart_ = 0;
    std::vector<int> recordSeconds_;
    int recordStops_ = 0;
};

}  // namespace velmora
