#pragma once

#include "schedule/DialogLink.h"

namespace velmora {

// A settings dialog that is never opened: no test plays, nothing records.
class HeadlessDialog final : public DialogLink {
public:
    bool Visible() const override { return false; }
    void Close() override {}
    bool MessageShowing() const override { return messageShowing_; }
    void SetMessageShowing(bool showing) override { messageShowing_ = showing; }
    bool MusicTestPlaying() const override { return false; }
    bool MusicTestVolumeUp() const override { return false; }
    int FirstVolumePosition() const override { return 0; }
    int MaxVolumePosition() const override { return 0; }
    std::uint32_t RecordStartCount() const override { return 0; }
    void ShowRecordSeconds(int /*seconds*/) override {}
    void StopRecording() override {}
    bool PlayRecordingRequested() const override { return false; }
    void ClearPlayRecordingRequested() override {}

private:
    bool messageShowing_ = false;
};

}  // namespace velmora
