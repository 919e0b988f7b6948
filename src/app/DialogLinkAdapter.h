#pragma once

#include "app/ProgramParts.h"
#include "schedule/DialogLink.h"

namespace velmora {

// The settings dialog as the clock's tick and Speak see it. The tick's own
// question box counts as a message showing, beside the dialog's boxes.
class DialogLinkAdapter final : public DialogLink {
public:
    explicit DialogLinkAdapter(ProgramParts& parts) : parts_(parts) {}

    bool Visible() const override;
    void Close() override;
    bool MessageShowing() const override;
    void SetMessageShowing(bool showing) override { tickMessage_ = showing; }
    bool MusicTestPlaying() const override;
    bool MusicTestVolumeUp() const override;
    int FirstVolumePosition() const override;
    int MaxVolumePosition() const override;
    std::uint32_t RecordStartCount() const override;
    void ShowRecordSeconds(int seconds) override;
    void StopRecording() override;
    bool PlayRecordingRequested() const override;
    void ClearPlayRecordingRequested() override;

private:
    ProgramParts& parts_;
    bool tickMessage_ = false;
};

}  // namespace velmora
