#pragma once

#include <cstdint>

namespace velmora {

// What the tick reads from and does to the settings dialog: its music test
// with its volume ramp, the voice recording's progress, and the flag that
// holds the redraw while one of its message boxes is up.
class DialogLink {
public:
    virtual ~DialogLink() = default;

    virtual bool Visible() const = 0;
    virtual void Close() = 0;

    virtual bool MessageShowing() const = 0;
    virtual void SetMessageShowing(bool showing) = 0;

    virtual bool MusicTestPlaying() const = 0;
    // The test's "gradually louder" check box and the two volume bars.
    virtual bool MusicTestVolumeUp() const = 0;
    virtual int FirstVolumePosition() const = 0;
    virtual int MaxVolumePosition() const = 0;

    // The millisecond count when the recording started; 0 while none runs.
    virtual std::uint32_t RecordStartCount() const = 0;
    // Shows the seconds recorded so far on the bar and its label.
    virtual void ShowRecordSeconds(int seconds) = 0;
    // Ends the recording as its button would.
    virtual void StopRecording() = 0;

    // The dialog asked Speak to play the recorded voice after its test phrase.
    virtual bool PlayRecordingRequested() const = 0;
    virtual void ClearPlayRecordingRequested() = 0;
};

}  // namespace velmora
