// Measures the main tick when nothing is due (the cost paid ten times a
// second all day long) and how fast the simulator runs a virtual day with a
// time signal every quarter hour and an alarm with two snoozes.
// Usage: tick_bench [IDLE_TICKS]   (default 1000000)

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/ProgramFolders.h"
#include "sim/Simulation.h"
#include "sound/sndfile/SndfileSoundLength.h"
#include "sound/sndfile/SndfileWaveReader.h"

using namespace velmora;
using Clock = std::chrono::steady_clock;

namespace {

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string MakeDataFolder() {
    char pattern[] = "/tmp/velmora-tick-bench.XXXXXX";
    const char* dir = ::mkdtemp(pattern);
    if (dir == nullptr) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    const std::string folder = std::string(dir) + "/";
    std::ofstream(folder + kSettingsFileName, std::ios::binary)
        << "[Jiho]\r\nUse=1\r\nMode=0\r\nMinitInterval=15\r\nBeforeSoundNo=5\r\n"
           "[Alarm]\r\nSnooze=1\r\nDayTime=2011/01/01 7:00:00\r\nBeforeSoundNo=1\r\n"
           "SnoozeInterval=5\r\nVolumeUp=1\r\nFirstVolume=40\r\nMaxVolume=80\r\n";
    return folder;
}

SimulationConfig Config(const std::string& folder, const char* from, const char* to) {
    NoReadingService converter;
    SimulationConfig config = LoadSimulationConfig(folder, FindProgramFolder(), converter);
    config.FromMs = MomentMs(*ParseDateTime(from));
    config.ToMs = MomentMs(*ParseDateTime(to));
    config.StopAfterMs = 30'000;
    return config;
}

}  // namespace

int main(int argc, char** argv) {
    const long long idleTicks = argc > 1 ? std::max(1000LL, std::atoll(argv[1])) : 1'000'000;
    const std::string folder = MakeDataFolder();
    SndfileWaveReader reader;

    // Idle: armed for 07:00, time signal on, the clock shown; at 03:07:20
    // nothing is due. The same tick again and again, without the simulator's
    // scheduling around it.
    {
        Simulation sim(Config(folder, "2024/01/02 3:07:00", "2024/01/02 3:07:20"),
                       &SoundFileLengthMs, reader, nullptr);
        sim.Run();
        const auto start = Clock::now();
        for (long long i = 0; i < idleTicks; ++i) {
            sim.Engine().MainTimerTimer();
        }
        const double seconds = SecondsSince(start);
        std::printf("idle tick: %.3f us per tick over %lld ticks (target < 20 us)\n",
                    seconds * 1e6 / static_cast<double>(idleTicks), idleTicks);
    }

    // A whole virtual day, every tick scheduled and run on virtual time.
    {
        Simulation sim(Config(folder, "2024/01/02 0:00:00", "2024/01/03 0:00:00"),
                       &SoundFileLengthMs, reader, nullptr);
        sim.User().SetAnswers({false, false, true});
        const auto start = Clock::now();
        sim.Run();
        const double seconds = SecondsSince(start);
        std::printf(
            "virtual day: %.3f s for 864000 ticks, %zu events, %.3f us per tick "
            "(target < 10 s)\n",
            seconds, sim.Log().Events().size(), seconds * 1e6 / 864000.0);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
