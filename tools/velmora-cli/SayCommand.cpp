#include <charconv>
#include <fstream>
#include <optional>

#include "CliCommands.h"
#include "app/ProgramFolders.h"
#include "speech/VoiceLibraries.h"

namespace velmora::cli {
namespace {

constexpr const char* kSayUsage = "usage: velmora-cli say [--voice N] [--speed S] --out FILE TEXT";

// A command must not end the process under its caller: the missing voice
// is reported as this command's failure instead.
class RecordedNotice final : public FatalNotice {
public:
    void ShowAndExit(const std::string& message) override { message_ = message; }
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

std::optional<int> IntegerIn(const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

int RunSay(Args args, Io io) {
    int voice = 0;
    int speed = 100;
    std::optional<std::string> out;
    std::optional<std::string> text;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--voice" && hasValue) {
            const auto value = IntegerIn(args[++i], 0, kVoiceCount - 1);
            if (!value) {
                return Fail(io, "the voice is a number from 0 to 5", kUsage);
            }
            voice = *value;
        } else if (arg == "--speed" && hasValue) {
            const auto value = IntegerIn(args[++i], 50, 300);
            if (!value) {
                return Fail(io, "the speed is a number from 50 to 300", kUsage);
            }
            speed = *value;
        } else if (arg == "--out" && hasValue) {
            out = args[++i];
        } else if (!text && (arg.empty() || arg[0] != '-' || arg.size() == 1)) {
            text = arg;
        } else {
            return Fail(io, kSayUsage, kUsage);
        }
    }
    if (!out || !text) {
        return Fail(io, kSayUsage, kUsage);
    }

    RecordedNotice notice;
    VoiceLibraries voices(FindProgramFolder(), notice);
    const auto image = voices.SynthesizeWaveImage(voice, *text, speed);
    if (!notice.Message().empty()) {
        return Fail(io, notice.Message());
    }
    if (!image) {
        return Fail(io, "しゃべれません。", kUsage);
    }
    std::ofstream file(*out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(image->data()),
               static_cast<std::streamsize>(image->size()));
    file.close();
    if (!file) {
        return Fail(io, "cannot write " + *out);
    }
    return kOk;
}

}  // namespace velmora::cli
