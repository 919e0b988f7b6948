#pragma once

// What the benchmarks share: the program's speech path wired as the running
// program wires it, notices printed instead of shown, and the process's
// resident memory.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/ProgramFolders.h"
#include "app/QtEventPump.h"
#include "base/Notices.h"
#include "base/SystemMillisecondClock.h"
#include "settings/IniFile.h"
#include "sound/BeforeSoundLists.h"
#include "sound/BeforeSoundPlayer.h"
#include "sound/pulse/PulseSoundDevice.h"
#include "sound/qt/SoundFilePlayer.h"
#include "sound/sndfile/SndfileWaveReader.h"
#include "speech/FatalNotice.h"
#include "speech/IdleSpeakContext.h"
#include "speech/SpeechPlayer.h"
#include "speech/VoiceLibraries.h"

namespace velmora::bench {

class PrintedNotices final : public Notices {
public:
    void ShowNotice(const std::string& text) override {
        std::printf("notice: %s\n", text.c_str());
        ++count;
    }
    void ShowMessage(const std::string& text) override {
        std::printf("message: %s\n", text.c_str());
        ++count;
    }
    int count = 0;
};

// A benchmark without its voices measures nothing: it ends at once.
class ExitOnMissingVoice final : public FatalNotice {
public:
    void ShowAndExit(const std::string& message) override {
        std::fprintf(stderr, "%s\n", message.c_str());
        std::exit(1);
    }
};

// The process's resident memory (VmRSS) in KiB; -1 when unreadable.
inline long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// Voices, before sounds, the sound device and Speak, built from the program
// folder with no settings file, in the order the program builds them.
struct SpeechPath {
    std::string programFolder = FindProgramFolder();
    IniFile ini{"/nonexistent/Settei.ini"};
    BeforeSoundLists lists = BuildBeforeSoundLists(programFolder, ini, 14, 6);
    SystemMillisecondClock clock;
    PrintedNotices notices;
    SoundFilePlayer beforePlayer;
    BeforeSoundPlayer before{beforePlayer, lists, clock, notices};
    PulseSoundDevice device;
    ExitOnMissingVoice fatal;
    VoiceLibraries voices{programFolder, fatal};
    SndfileWaveReader reader;
    QtEventPump pump;
    IdleSpeakContext context;
    SpeechPlayer speech{{.Device = device,
                         .Synthesizer = voices,
                         .Before = before,
                         .Pump = pump,
                         .Reader = reader,
                         .Notice = notices,
                         .Context = context,
                         .DataFolder = ""}};
};

}  // namespace velmora::bench
