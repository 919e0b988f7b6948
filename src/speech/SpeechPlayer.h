#pragma once

#include <memory>
#include <optional>
#include <string>

#include "base/EventPump.h"
#include "base/Notices.h"
#include "settings/DurableFile.h"
#include "sound/BeforeSoundPlayer.h"
#include "sound/SoundDevice.h"
#include "sound/WaveFileReader.h"
#include "speech/SpeakContext.h"
#include "speech/SpeechSynthesizer.h"

namespace velmora {

inline constexpr int kSpeechChannel = 0;
inline constexpr int kRecordedVoiceChannel = 1;

// One request to speak. Every caller of the program speaks once without a
// gap; looping is kept for completeness.
struct SpeakRequest {
    int Voice = 0;     // 0..5, already drawn when the setting is "random"
    std::string Text;  // phonetic text; empty: only the before sound and the recorded voice
    bool FromJihoList = false;
    int BeforeSound = 0;  // index into the chosen before-sound list, 0 = none
    int GapSeconds = 0;   // silence after each round of a looped utterance
    bool Loop = false;
    int Speed = 120;
    int Attenuation = 0;  // channel volume in hundredths of a decibel
};

// Results of Speak.
inline constexpr int kSpeakStarted = 0;
inline constexpr int kSpeakFailed = 2;

// Plays what the program says: the before sound (waited for), the
// synthesized utterance on channel 0 (not waited for) and the user's
// recorded voice on channel 1 after it. The end of an utterance is learned
// only by asking a channel for its status.
class SpeechPlayer {
public:
    struct Services {
        SoundDevice& Device;
        SpeechSynthesizer& Synthesizer;
        BeforeSoundPlayer& Before;
        EventPump& Pump;
        WaveFileReader& Reader;
        Notices& Notice;
        SpeakContext& Context;
        std::string DataFolder;  // ends with a slash; holds the recorded voice
    };

    // The referenced services must outlive this object.
    explicit SpeechPlayer(Services services);

    // kSpeakStarted when the utterance started or there was nothing to
    // synthesize (also when no output exists: speech is then silent);
    // kSpeakFailed when the voice could not read the text or the output
    // refused the utterance, which is then lost.
    int Speak(const SpeakRequest& request);
    // True from the start to the end of Speak.
    bool Speaking() const { return speaking_; }

    int SpeechChannelStatus(int channel);
    void StopSpeech(int channel);

    // (Re)reads the recorded voice file and puts it on channel 1; false when
    // the file cannot be read (the recorded voice then stays unloaded).
    bool LoadRecordedVoice();
    bool HasRecordedVoice() const { return recordedVoice_ != nullptr; }
    // True when the recorded voice is loaded or its file can be read now.
    // A file that could not be read is not read again until it changes or
    // LoadRecordedVoice is asked to: the alarm asks before every utterance.
    bool RecordedVoiceReadable();

private:
    std::string RecordedVoicePath() const;
    int SpeakText(const SpeakRequest& request);
    void PlayBeforeSoundAndWait(const SpeakRequest& request);
    void PlayRecordedVoice(const SpeakRequest& request);

    Services s_;
    bool speaking_ = false;
    std::shared_ptr<const WaveData> recordedVoice_;
    // The file as it was when it last could not be read (the inner nullopt:
    // no regular file was there); nullopt when no read has failed.
    std::optional<std::optional<FileStamp>> unreadable_;
};

}  // namespace velmora
