#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sim/Simulation.h"
#include "sound/sndfile/SndfileWaveReader.h"
#include "support/TempDir.h"

namespace velmora::test {

// A data folder of the test's own with a settings file, and simulations of
// the clock over it with the real built-in sounds beside the program.
class SimHarness {
public:
    // `iniLines` are the lines of Settei.ini ("[Alarm]", "Use=1", ...).
    explicit SimHarness(const std::vector<std::string>& iniLines);

    const std::string& DataFolder() const { return data_.Path(); }
    // A silent 8 kHz wave of that length in the data folder; its path.
    std::string WriteWave(const std::string& name, int milliseconds) const;
    void WriteIni(const std::vector<std::string>& iniLines) const;

    // A simulation from `from` ("YYYY/MM/DD H:NN:SS") to `to`, ticking on
    // whole tenths with no output latency; `adjust` may change the
    // configuration first.
    std::unique_ptr<Simulation> Start(const std::string& from, const std::string& to,
                                      const std::function<void(SimulationConfig&)>& adjust = {});

private:
    TempDir data_;
    SndfileWaveReader reader_;
};

// Milliseconds of "YYYY/MM/DD H:NN:SS" (optionally ".mmm").
long long At(const std::string& moment);

// The events of that name, in order.
std::vector<SimEvent> Named(const Simulation& sim, const std::string& name);
// The events of that name within [from, to).
std::vector<SimEvent> NamedBetween(const Simulation& sim, const std::string& name,
                                   const std::string& from, const std::string& to);
// "HH:NN:SS.mmm" of an event, for readable expectations.
std::string ClockOf(const SimEvent& event);
// The whole journal as the simulator prints it.
std::string Journal(const Simulation& sim);

}  // namespace velmora::test
