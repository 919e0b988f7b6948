#include "schedule/TimeSignal.h"

#include <algorithm>

#include "schedule/JihoSchedule.h"
#include "schedule/ScopedFlag.h"
#include "settings/SettingsLoader.h"
#include "speech/TimePhrase.h"

namespace velmora {
namespace {

// The ten ticks of a mark's second must give one signal.
constexpr long long kRepeatGuardMs = 1000;
// Said in the tone's turn after a pre-announcement: nothing audible.
constexpr const char* kSilentText = "。";
constexpr long long kMsPerMinute = 60'000;

long long MinuteOf(DateTime t) {
    return MomentMs(t) / kMsPerMinute;
}

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
    // Tested at the moment a sound started now is heard, not the moment it
    // is started.
    const DateTime heard = now + static_cast<double>(s_.AudibleLeadMs) / kMsPerDay;
    const int channel = s_.Speech.SpeechChannelStatus(kSpeechChannel);
    if (channel == kChannelPlayingOnce || channel == kChannelPlayingLooped) {
        return;
    }
    const Settings& c = s_.Config;
    const DateTime mark = JihoCheckTime(c, heard, state_.PreAnnounced, state_.PreAnnounceLead);
    if (!IsJihoMoment(c, mark)) {
        // Not on the tick of a mark: preparing the next one there would
        // put its synthesis in the way of this one's.
        PrepareNextMark(mark);
        return;
    }

    // Nothing else may start while this signal is prepared and its before
    // sound is waited for.
    const ScopedFlag pending(state_.SpeakPending, true);
    // The volume of the moment the signal is heard: decided on the tick just
    // before 22:00:00, a range from 22:00 must already count.
    s_.SetMasterVolume(JihoVolumeNow(c, heard));
    const int voice = VoiceFor(mark);
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

void TimeSignal::PrepareNextMark(DateTime checked) {
    const Settings& c = s_.Config;
    // A pre-announcement's words are measured and spoken when they are due,
    // and the tone after it says nothing.
    if (c.SpeakBeforeSound) {
        return;
    }
    const long long next = MinuteOf(checked) + 1;
    const DateTime mark = static_cast<double>(next * kMsPerMinute) / kMsPerDay;
    if (next == MinuteOf(state_.PreparedMark) || !IsJihoMoment(c, mark)) {
        return;
    }
    state_.PreparedMark = mark;
    state_.PreparedVoice = s_.ChooseVoice();
    s_.Synthesizer.Prepare(state_.PreparedVoice, TimePhrase(mark) + c.Gobi, c.SpeakSpead);
}

std::optional<DateTime> TimeSignal::NextActionMoment(DateTime now) const {
    if (!s_.Menu.SpeakJihoChecked()) {
        return std::nullopt;
    }
    const Settings& c = s_.Config;
    // Step tests the moment it would be heard, ahead by as much as the
    // signal starts early; that distance stays until Step acts.
    const DateTime heard = now + static_cast<double>(s_.AudibleLeadMs) / kMsPerDay;
    const long long aheadMs =
        MomentMs(JihoCheckTime(c, heard, state_.PreAnnounced, state_.PreAnnounceLead)) -
        MomentMs(now);
    const long long checkedMs = MomentMs(now) + aheadMs;
    constexpr auto kDayMinutes = static_cast<long long>(kMinutesPerDay);
    for (long long minute = checkedMs / kMsPerMinute;
         minute <= checkedMs / kMsPerMinute + kDayMinutes; ++minute) {
        const long long markMs = minute * kMsPerMinute;
        if (!IsJihoMoment(c, static_cast<double>(markMs) / kMsPerDay)) {
            continue;
        }
        // The words are handed over from the first check in the minute
        // before the mark (unless they already were), the signal from the
        // first check in the mark's second.
        long long actMs = markMs;
        if (!c.SpeakBeforeSound && minute != MinuteOf(state_.PreparedMark)) {
            actMs = markMs - kMsPerMinute;
        }
        if (checkedMs >= markMs + 1000) {
            continue;  // this mark's second is over
        }
        return static_cast<double>(std::max(actMs, checkedMs) - aheadMs) / kMsPerDay;
    }
    return std::nullopt;
}

int TimeSignal::VoiceFor(DateTime mark) const {
    if (s_.Config.VoiceNo == kRandomVoice && state_.PreparedMark > 0 &&
        MinuteOf(mark) == MinuteOf(state_.PreparedMark)) {
        return state_.PreparedVoice;
    }
    return s_.ChooseVoice();
}

}  // namespace velmora
