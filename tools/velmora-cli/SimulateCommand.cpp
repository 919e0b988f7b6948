#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "app/ProgramFolders.h"
#include "sim/Simulation.h"
#include "sound/sndfile/SndfileSoundLength.h"
#include "sound/sndfile/SndfileWaveReader.h"
#include "speech/ReadingConverter.h"
#include "speech/mecab/MecabReadingService.h"

namespace velmora::cli {
namespace {

constexpr const char* kSimulateUsage =
    "usage: velmora-cli simulate --data DIR --from \"YYYY/MM/DD H:NN:SS\" "
    "--to \"YYYY/MM/DD H:NN:SS\" [--stop-after S] [--snooze-answer yes|no] "
    "[--utterance-ms N] [--clock-step \"YYYY/MM/DD H:NN:SS=SECONDS\"]... "
    "[--sleep \"YYYY/MM/DD H:NN:SS=SECONDS\"]... [--no-wake-right]";

struct SimulateArgs {
    std::optional<std::string> data;
    std::optional<DateTime> from;
    std::optional<DateTime> to;
    std::optional<long long> stopAfterMs;
    std::optional<bool> answerYes;
    std::optional<int> utteranceMs;
    std::vector<ClockWeather> weather;
    bool noWakeRight = false;
};

std::optional<int> ParseCount(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

// Seconds, whole or with a fraction ("90", "2.5", "-3600" when `signedOk`),
// as milliseconds.
std::optional<long long> ParseSeconds(const std::string& text, bool signedOk = false) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(std::fabs(value) <= 1e9) ||
        (!signedOk && value < 0)) {
        return std::nullopt;
    }
    return std::llround(value * 1000.0);
}

// "YYYY/MM/DD H:NN:SS=SECONDS": a step of the wall clock (negative goes
// back) or a sleep.
std::optional<ClockWeather> ParseWeather(const std::string& text, ClockWeather::Kind kind) {
    const size_t equals = text.rfind('=');
    if (equals == std::string::npos) {
        return std::nullopt;
    }
    const auto at = ParseDateTime(text.substr(0, equals));
    const auto ms = ParseSeconds(text.substr(equals + 1), kind == ClockWeather::Kind::Step);
    if (!at || !ms) {
        return std::nullopt;
    }
    return ClockWeather{kind, MomentMs(*at), *ms};
}

// False on an unknown, repeated or malformed option.
bool ParseSimulateArgs(Args args, SimulateArgs& out) {
    for (size_t i = 0; i < args.size();) {
        const std::string& name = args[i++];
        if (name == "--no-wake-right" && !out.noWakeRight) {
            out.noWakeRight = true;
            continue;
        }
        if (i >= args.size()) {
            return false;
        }
        const std::string& value = args[i++];
        if (name == "--clock-step" || name == "--sleep") {
            const auto weather = ParseWeather(
                value, name == "--sleep" ? ClockWeather::Kind::Sleep : ClockWeather::Kind::Step);
            if (!weather) {
                return false;
            }
            out.weather.push_back(*weather);
        } else if (name == "--data" && !out.data && !value.empty()) {
            out.data = value;
        } else if (name == "--from" && !out.from) {
            out.from = ParseDateTime(value);
            if (!out.from) {
                return false;
            }
        } else if (name == "--to" && !out.to) {
            out.to = ParseDateTime(value);
            if (!out.to) {
                return false;
            }
        } else if (name == "--stop-after" && !out.stopAfterMs) {
            out.stopAfterMs = ParseSeconds(value);
            if (!out.stopAfterMs) {
                return false;
            }
        } else if (name == "--snooze-answer" && !out.answerYes &&
                   (value == "yes" || value == "no")) {
            out.answerYes = value == "yes";
        } else if (name == "--utterance-ms" && !out.utteranceMs) {
            out.utteranceMs = ParseCount(value);
            if (!out.utteranceMs) {
                return false;
            }
        } else {
            return false;
        }
    }
    return out.data && out.from && out.to && *out.to >= *out.from;
}

}  // namespace

// The clock's real tick on virtual time from --from to --to, printing what
// it does, one line per happening, through the clock steps and sleeps given.
int RunSimulate(Args args, Io io) {
    SimulateArgs parsed;
    if (!ParseSimulateArgs(args, parsed)) {
        return Fail(io, kSimulateUsage, kUsage);
    }
    std::string folder = *parsed.data;
    if (folder.back() != '/') {
        folder += '/';
    }
    ReadingConverter converter(MecabReadingServiceFactory());
    SimulationConfig config = LoadSimulationConfig(folder, FindProgramFolder(), converter);
    config.FromMs = MomentMs(*parsed.from);
    config.ToMs = MomentMs(*parsed.to);
    config.StopAfterMs = parsed.stopAfterMs;
    config.SnoozeAnswerYes = parsed.answerYes.value_or(true);
    config.UtteranceMs = parsed.utteranceMs.value_or(2000);
    config.Weather = parsed.weather;
    config.WakeRight = !parsed.noWakeRight;

    SndfileWaveReader reader;
    Simulation simulation(std::move(config), &SoundFileLengthMs, reader, &io.out);
    simulation.Run();
    io.out.flush();
    return kOk;
}

}  // namespace velmora::cli
