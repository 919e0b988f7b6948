#include <charconv>
#include <optional>

#include "CliCommands.h"
#include "CliEventLoop.h"
#include "app/ProgramFolders.h"
#include "app/QtEventPump.h"
#include "base/Notices.h"
#include "base/SystemMillisecondClock.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "settings/StartupSettings.h"
#include "sound/BeforeSoundLists.h"
#include "sound/BeforeSoundPlayer.h"
#include "sound/pulse/PulseSoundDevice.h"
#include "sound/qt/SoundFilePlayer.h"
#include "sound/sndfile/SndfileWaveReader.h"
#include "speech/IdleSpeakContext.h"
#include "speech/SpeechPlayer.h"
#include "speech/VoiceLibraries.h"

namespace velmora::cli {
namespace {

constexpr const char* kSpeakUsage =
    "usage: velmora-cli speak [--voice N] [--speed S] [--before N --list alarm|jiho] TEXT";

std::optional<int> IntegerIn(const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// Boxes become lines on stderr; the command goes on as the program would.
class StreamNotices final : public Notices {
public:
    explicit StreamNotices(Io io) : io_(io) {}
    void ShowNotice(const std::string& text) override { Fail(io_, text); }
    void ShowMessage(const std::string& text) override { Fail(io_, text); }

private:
    Io io_;
};

// A missing voice ends this command, not the process under its caller.
class CommandFatalNotice final : public FatalNotice {
public:
    void ShowAndExit(const std::string& message) override { message_ = message; }
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

struct SpeakArgs {
    SpeakRequest request;
    std::optional<std::string> list;
    bool hasBefore = false;
    bool hasText = false;
};

std::optional<SpeakArgs> ParseSpeakArgs(Args args) {
    SpeakArgs parsed;
    parsed.request.Speed = Settings{}.SpeakSpead;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        std::optional<int> value;
        if (arg == "--voice" && hasValue && (value = IntegerIn(args[++i], 0, kVoiceCount - 1))) {
            parsed.request.Voice = *value;
        } else if (arg == "--speed" && hasValue && (value = IntegerIn(args[++i], 50, 300))) {
            parsed.request.Speed = *value;
        } else if (arg == "--before" && hasValue && (value = IntegerIn(args[++i], 0, 9999))) {
            parsed.request.BeforeSound = *value;
            parsed.hasBefore = true;
        } else if (arg == "--list" && hasValue &&
                   (args[i + 1] == "alarm" || args[i + 1] == "jiho")) {
            parsed.list = args[++i];
        } else if (!parsed.hasText && (arg.empty() || arg[0] != '-' || arg.size() == 1)) {
            parsed.request.Text = arg;
            parsed.hasText = true;
        } else {
            return std::nullopt;
        }
    }
    if (!parsed.hasText || parsed.hasBefore != parsed.list.has_value()) {
        return std::nullopt;
    }
    parsed.request.FromJihoList = parsed.list == "jiho";
    return parsed;
}

}  // namespace

int RunSpeak(Args args, Io io) {
    const auto parsed = ParseSpeakArgs(args);
    if (!parsed) {
        return Fail(io, kSpeakUsage, kUsage);
    }
    const SpeakRequest& request = parsed->request;

    const std::string programFolder = FindProgramFolder();
    const IniFile ini(DataFolderIn(FindDocumentsFolder()) + kSettingsFileName);
    const StartupSettings startup = ReadStartupSettings(ini);
    const BeforeSoundLists lists = BuildBeforeSoundLists(
        programFolder, ini, startup.AlarmBeforeSoundCount, startup.JihoBeforeSoundCount);
    const auto& list = request.FromJihoList ? lists.Jiho : lists.Alarm;
    if (static_cast<size_t>(request.BeforeSound) >= list.size()) {
        return Fail(
            io,
            "the " + *parsed->list + " list has no sound " + std::to_string(request.BeforeSound),
            kUsage);
    }

    const auto app = EnsureEventLoop();
    PulseSoundDevice device;
    if (!device.Open()) {
        return Fail(io, "no sound output (is a sound server running?)");
    }
    SystemMillisecondClock clock;
    StreamNotices notices(io);
    SoundFilePlayer beforePlayer;
    BeforeSoundPlayer before(beforePlayer, lists, clock, notices);
    CommandFatalNotice fatal;
    VoiceLibraries voices(programFolder, fatal);
    SndfileWaveReader reader;
    QtEventPump pump;
    IdleSpeakContext context;
    SpeechPlayer speech({.Device = device,
                         .Synthesizer = voices,
                         .Before = before,
                         .Pump = pump,
                         .Reader = reader,
                         .Notice = notices,
                         .Context = context,
                         .DataFolder = ""});

    const int result = speech.Speak(request);
    if (!fatal.Message().empty()) {
        return Fail(io, fatal.Message());
    }
    if (result != kSpeakStarted) {
        return Fail(io, "しゃべれません。");
    }
    while (speech.SpeechChannelStatus(kSpeechChannel) != kChannelIdle ||
           speech.SpeechChannelStatus(kRecordedVoiceChannel) != kChannelIdle) {
        pump.ProcessEvents();
    }
    return kOk;
}

}  // namespace velmora::cli
