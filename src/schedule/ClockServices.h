#pragma once

#include "base/EventPump.h"
#include "base/MillisecondClock.h"
#include "base/Notices.h"
#include "base/RandomSource.h"
#include "base/WallClock.h"
#include "schedule/ClockEvents.h"
#include "schedule/ClockWindowOps.h"
#include "schedule/DialogLink.h"
#include "schedule/DisplayAwake.h"
#include "schedule/EscapeKey.h"
#include "schedule/HolidayCalendar.h"
#include "schedule/PreAnnouncement.h"
#include "schedule/QuestionBox.h"
#include "schedule/TrayMenuOps.h"
#include "schedule/WakeUpTimer.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "sound/AlarmMusic.h"
#include "sound/BeforeSoundPlayer.h"
#include "sound/MasterVolumeControl.h"
#include "sound/MediaPlayer.h"
#include "speech/SpeechPlayer.h"
#include "speech/SpeechSynthesizer.h"

namespace velmora {

// Everything the tick works with, injected, so the whole tick runs on a
// virtual clock against headless stand-ins. All must outlive the users of
// this record.
struct ClockServices {
    Settings& Config;  // the alarm words' current choice is kept in it
    const IniFile& Ini;
    const HolidayCalendar& Holidays;
    WallClock& Wall;
    MillisecondClock& Ticks;
    RandomSource& Random;
    EventPump& Pump;
    SpeechPlayer& Speech;
    SpeechSynthesizer& Synthesizer;  // measures the pre-announcement
    SoundLengthMs LeadSoundLength;   // of a time-signal sound, by index
    BeforeSoundPlayer& Before;
    AlarmMusic& Music;
    const MediaPlayer& MusicPlayer;  // the music's player, for the file it holds
    MasterVolumeControl& Volume;
    ClockWindowOps& Window;
    TrayMenuOps& Menu;
    DialogLink& Dialog;
    QuestionBox& Questions;
    EscapeKey& Keys;
    WakeUpTimer& Wake;
    DisplayAwake& Awake;
    Notices& Notice;
    ClockEvents& Events;
    // How long after a sound is started it is heard: the time signal starts
    // that much early, so its tone ends on the mark.
    long long AudibleLeadMs;

    bool AlarmArmed() const { return Menu.AlarmChecked() || Menu.SnoozeChecked(); }
    // Nothing audible on either speech channel.
    bool SpeechIdle() const;
    // The voice for one utterance: the chosen one, or a random one each time.
    int ChooseVoice() const;
    void SetMasterVolume(int percent) const;
    // Hands the utterance to Speak and tells the journal.
    int Speak(const SpeakRequest& request) const;
};

}  // namespace velmora
