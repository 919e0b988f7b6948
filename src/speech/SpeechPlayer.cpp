#include "speech/SpeechPlayer.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "settings/Settings.h"
#include "sound/SoundMessages.h"

namespace velmora {
namespace {

// The library's wave image carries a 44-byte header after which the samples
// follow; the buffer keeps that many bytes of silence at its end.
constexpr size_t kHeaderSilenceSamples = 44 / sizeof(std::int16_t);

}  // namespace

std::string SpeechPlayer::RecordedVoicePath() const {
    return s_.DataFolder + kRecordedVoiceFileName;
}

SpeechPlayer::SpeechPlayer(Services services) : s_(std::move(services)) {}

int SpeechPlayer::Speak(const SpeakRequest& request) {
    speaking_ = true;
    if (s_.Context.Ringing()) {
        s_.Context.SetAlarmUtteranceBusy(true);
    }

    PlayBeforeSoundAndWait(request);
    const int result = request.Text.empty() ? kSpeakStarted : SpeakText(request);
    if (result == kSpeakStarted) {
        PlayRecordedVoice(request);
    }

    if (s_.Context.Ringing()) {
        s_.Context.SetAlarmUtteranceBusy(false);
    }
    speaking_ = false;
    return result;
}

void SpeechPlayer::PlayBeforeSoundAndWait(const SpeakRequest& request) {
    if (request.BeforeSound <= 0 || s_.Before.BeforeSoundPlaying()) {
        return;
    }
    const std::string& file = s_.Before.Lists().Name(request.FromJihoList, request.BeforeSound);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        s_.Notice.ShowNotice(kSoundFileNotFoundMessage);
        return;
    }
    s_.Before.PlayBeforeSound(request.BeforeSound, request.FromJihoList);
    // The end arrives as a player event; the watchdog is checked here as
    // well so the wait cannot outlast it even while the tick is held.
    while (s_.Before.BeforeSoundPlaying()) {
        s_.Pump.ProcessEvents();
        s_.Before.CheckWatchdog();
    }
}

int SpeechPlayer::SpeakText(const SpeakRequest& request) {
    auto samples = s_.Synthesizer.SynthesizeSpeech(request.Voice, request.Text, request.Speed);
    if (!samples) {
        return kSpeakFailed;
    }
    const int gapSeconds = request.Loop ? std::max(request.GapSeconds, 0) : 0;
    auto wave = std::make_shared<WaveData>();
    wave->Samples = std::move(*samples);
    wave->Samples.resize(wave->Samples.size() + kHeaderSilenceSamples +
                         static_cast<size_t>(gapSeconds) * kSpeechWaveRate);

    // Without an output the program stays silent but goes on as if it had
    // spoken.
    if (!s_.Device.Open()) {
        return kSpeakStarted;
    }
    if (!s_.Device.SetWave(kSpeechChannel, std::move(wave))) {
        return kSpeakFailed;
    }
    s_.Device.SetVolume(kSpeechChannel, request.Attenuation);
    s_.Device.Stop(kSpeechChannel);
    const bool looped = request.Loop && s_.Context.HowTo() == 0;
    if (!s_.Device.Play(kSpeechChannel, looped)) {
        return kSpeakFailed;
    }
    return kSpeakStarted;
}

void SpeechPlayer::PlayRecordedVoice(const SpeakRequest& request) {
    if (!((s_.Context.Ringing() && s_.Context.HowTo() == 1) ||
          s_.Context.PlayRecordingRequested())) {
        return;
    }
    // A recorded voice that cannot be read is skipped rather than played as
    // an empty wave, and nothing is waited for.
    if (!RecordedVoiceReadable()) {
        s_.Context.ClearPlayRecordingRequested();
        return;
    }
    // Only an utterance playing once is waited for; a looped one never ends.
    while (SpeechChannelStatus(kSpeechChannel) == kChannelPlayingOnce) {
        s_.Pump.ProcessEvents();
    }
    // The user may have stopped the alarm while the utterance played.
    const bool wanted = (s_.Context.Ringing() && s_.Context.AlarmUtteranceBusy()) ||
                        s_.Context.PlayRecordingRequested();
    // A new recording read while the utterance played may have failed.
    if (wanted && recordedVoice_ && s_.Device.Open() &&
        s_.Device.SetWave(kRecordedVoiceChannel, recordedVoice_)) {
        s_.Device.SetVolume(kRecordedVoiceChannel, request.Attenuation);
        s_.Device.Stop(kRecordedVoiceChannel);
        s_.Device.Play(kRecordedVoiceChannel, request.Loop);
    }
    s_.Context.ClearPlayRecordingRequested();
}

int SpeechPlayer::SpeechChannelStatus(int channel) {
    return s_.Device.Status(channel);
}

void SpeechPlayer::StopSpeech(int channel) {
    s_.Device.Stop(channel);
}

bool SpeechPlayer::LoadRecordedVoice() {
    recordedVoice_.reset();
    unreadable_.reset();
    if (!RecordedVoiceReadable()) {
        return false;
    }
    if (s_.Device.Open()) {
        s_.Device.SetWave(kRecordedVoiceChannel, recordedVoice_);
    }
    return true;
}

bool SpeechPlayer::RecordedVoiceReadable() {
    if (recordedVoice_) {
        return true;
    }
    // Looked at before the read, so that a change made while it reads is
    // read again next time.
    const std::string path = RecordedVoicePath();
    const std::optional<FileStamp> stamp = StampOf(path);
    if (unreadable_ && *unreadable_ == stamp) {
        return false;
    }
    auto wave = s_.Reader.ReadWaveFile(path);
    if (!wave) {
        unreadable_ = stamp;
        return false;
    }
    unreadable_.reset();
    recordedVoice_ = std::make_shared<const WaveData>(std::move(*wave));
    return true;
}

}  // namespace velmora
