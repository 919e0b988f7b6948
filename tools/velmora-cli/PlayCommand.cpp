#include <QElapsedTimer>
#include <cstdio>
#include <filesystem>

#include "CliCommands.h"
#include "CliEventLoop.h"
#include "app/QtEventPump.h"
#include "sound/qt/QtMediaPlayer.h"

namespace velmora::cli {
namespace {

const char* StateName(int state) {
    switch (state) {
        case kPlayStateStopped:
            return "stopped";
        case kPlayStatePaused:
            return "paused";
        case kPlayStatePlaying:
            return "playing";
        case kPlayStateMediaEnded:
            return "media ended";
        default:
            return "other";
    }
}

// A player that has not said anything by then is not going to.
constexpr qint64 kSilenceLimitMilliseconds = 10000;

}  // namespace

int RunPlay(Args args, Io io) {
    if (args.size() != 1 || (!args[0].empty() && args[0][0] == '-')) {
        return Fail(io, "usage: velmora-cli play FILE", kUsage);
    }
    const std::string& file = args[0];
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return Fail(io, file + ": no such file");
    }

    const auto app = EnsureEventLoop();
    QtMediaPlayer player;
    QtEventPump pump;
    bool started = false;
    bool ended = false;
    bool failed = false;
    player.SetPlayStateHandler([&](int state) {
        io.out << "state " << state << " (" << StateName(state) << ")\n" << std::flush;
        started = true;
        ended = ended || (state == kPlayStateStopped);
    });
    player.SetErrorHandler([&] { failed = true; });
    player.SetUrl(file);
    if (!player.Play()) {
        return Fail(io, "no media player is available");
    }
    QElapsedTimer timer;
    timer.start();
    bool durationShown = false;
    while (!ended && !failed) {
        pump.ProcessEvents();
        if (!durationShown && player.Duration() > 0) {
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, "%.3f", player.Duration());
            io.out << "duration " << seconds << '\n' << std::flush;
            durationShown = true;
        }
        if (!started && timer.elapsed() > kSilenceLimitMilliseconds) {
            return Fail(io, "the player did not start");
        }
    }
    if (failed) {
        player.Stop();
        return Fail(io, "the player cannot play " + file);
    }
    return kOk;
}

}  // namespace velmora::cli
