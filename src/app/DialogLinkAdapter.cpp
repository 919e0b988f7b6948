#include "app/DialogLinkAdapter.h"

#include "dialog/TVelmoraSetteiForm.h"

namespace velmora {

bool DialogLinkAdapter::Visible() const {
    return parts_.Dialog != nullptr && parts_.Dialog->isVisible();
}

void DialogLinkAdapter::Close() {
    if (parts_.Dialog != nullptr) {
        parts_.Dialog->close();
    }
}

bool DialogLinkAdapter::MessageShowing() const {
    return tickMessage_ || (parts_.Dialog != nullptr && parts_.Dialog->MessageShowing());
}

bool DialogLinkAdapter::MusicTestPlaying() const {
    return parts_.Dialog != nullptr && parts_.Dialog->State().MusicTestPlaying;
}

bool DialogLinkAdapter::MusicTestVolumeUp() const {
    return parts_.Dialog != nullptr && parts_.Dialog->VolumeUp();
}

int DialogLinkAdapter::FirstVolumePosition() const {
    return parts_.Dialog != nullptr ? parts_.Dialog->FirstVolume() : 0;
}

int DialogLinkAdapter::MaxVolumePosition() const {
    return parts_.Dialog != nullptr ? parts_.Dialog->MaxVolume() : 0;
}

std::uint32_t DialogLinkAdapter::RecordStartCount() const {
    return parts_.Dialog != nullptr ? parts_.Dialog->State().RecordStartTime : 0;
}

void DialogLinkAdapter::ShowRecordSeconds(int seconds) {
    if (parts_.Dialog != nullptr) {
        parts_.Dialog->ShowRecordSeconds(seconds);
    }
}

void DialogLinkAdapter::StopRecording() {
    if (parts_.Dialog != nullptr) {
        parts_.Dialog->StopRecording();
    }
}

bool DialogLinkAdapter::PlayRecordingRequested() const {
    return parts_.Dialog != nullptr && parts_.Dialog->State().PlayRecordingRequested;
}

void DialogLinkAdapter::ClearPlayRecordingRequested() {
    if (parts_.Dialog != nullptr) {
        parts_.Dialog->State().PlayRecordingRequested = false;
    }
}

}  // namespace velmora
