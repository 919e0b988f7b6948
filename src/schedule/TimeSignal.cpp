#include "schedule/TimeSignal.h"

#include "schedule/JihoSchedule.h"
#include "schedule/ScopedFlag.h"
#include "speech/TimePhrase.h"

namespace velmora {
namespace {

// The ten ticks of a mark's second must give one signal.
constexpr long long kRepeatGuardMs = 1000;
// Said in the tone's turn after a pre-announcement: nothing audible.
constexpr const char* kSilentText = "。";

}  // namespace

TimeSignal::TimeSignal(ClockState& state, const ClockServices& services)
    : state_(state), s_(services) {}

void TimeSignal::Step(DateTime now) {
    if (!s_.Menu.SpeakJihoChecked() || state_.Ringing || state_.SpeakPending ||
        s_.Speech.Speaking()) {
        return;
    }
    if (MomentMs(now) <= MomentMs(state_.LastJihoTime) + kRepeatGuardMs) {
        return;
    }
    const int channel = s_.Speech.SpeechChannelStatus(kSpeechChannel);
    if (channel == kChannelPlayingOnce || channel == kChannelPlayingLooped) {
        return;
    }
    const Settings& c = s_.Config;
    // Tested at the moment a sound started now is heard, not the moment it
    // is started.
    const DateTime heard = now + static_cast<double>(s_.AudibleLeadMs) / kMsPerDay;
    const DateTime mark = JihoCheckTime(c, heard, state_.PreAnnounced, state_.PreAnnounceLead);
    if (!IsJihoMoment(c, mark)) {
        return;
    }

    // Nothing else may start while this signal is prepared and its before
    // sound is waited for.
    const ScopedFlag pending(state_.SpeakPending, true);
    // The volume of the moment the signal is heard: decided on the tick just
    // before 22:00:00, a range from 22:00 must already count.
    s_.SetMasterVolume(JihoVolumeNow(c, heard));
    const int voice = s_.ChooseVoice();
    SpeakRequest request;
    request.Voice = voice;
    request.FromJihoList = true;
    request.Speed = c.SpeakSpead;
    if (c.SpeakBeforeSound && !state_.PreAnnounced) {
        const PreAnnouncement pre =
            BuildPreAnnouncement(c, mark, s_.Synthesizer, s_.Random, s_.LeadSoundLength);
        state_.PreAnnounceLead = pre.LeadSeconds;
        state_.PreAnnounceText = pre.Text;
        request.Text = pre.Text;
        request.BeforeSound = c.JihoLeadSoundNo;
    } else if (c.SpeakBeforeSound) {
        request.Text = kSilentText;
        request.BeforeSound = c.JihoBeforeSoundNo;
    } else {
        request.Text = TimePhrase(mark) + c.Gobi;
        request.BeforeSound = c.JihoBeforeSoundNo;
    }
    s_.Speak(request);
    if (c.SpeakBeforeSound) {
        state_.PreAnnounced = !state_.PreAnnounced;
    }
    state_.LastJihoTime = s_.Wall.Now();
}

}  // namespace velmora
