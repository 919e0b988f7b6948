#include "sim/SimHarness.h"

#include <sndfile.h>

#include <stdexcept>

#include "settings/PhoneticConverter.h"
#include "sound/sndfile/SndfileSoundLength.h"
#include "support/TestEnvironment.h"

namespace velmora::test {

SimHarness::SimHarness(const std::vector<std::string>& iniLines) {
    WriteIni(iniLines);
}

void SimHarness::WriteIni(const std::vector<std::string>& iniLines) const {
    std::string text;
    for (const std::string& line : iniLines) {
        text += line + "\r\n";
    }
    WriteBytes(data_.File(kSettingsFileName), text);
}

std::string SimHarness::WriteWave(const std::string& name, int milliseconds) const {
    const std::string path = data_.File(name);
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        throw std::runtime_error("cannot write " + path);
    }
    const std::vector<short> samples(static_cast<size_t>(milliseconds) * 8, 0);
    sf_write_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
    return path;
}

std::unique_ptr<Simulation> SimHarness::Start(
    const std::string& from, const std::string& to,
    const std::function<void(SimulationConfig&)>& adjust) {
    NoReadingService converter;
    SimulationConfig config = LoadSimulationConfig(DataFolder(), ProgramDir() + "/", converter);
    config.FromMs = At(from);
    config.ToMs = At(to);
    // Whole tenths keep the expected moments readable; a test of the
    // program's own phase asks for it.
    config.IdealTicks = true;
    config.AudibleLeadMs = 0;
    if (adjust) {
        adjust(config);
    }
    return std::make_unique<Simulation>(std::move(config), &SoundFileLengthMs, reader_, nullptr);
}

long long At(const std::string& moment) {
    const auto dot = moment.find('.');
    const auto t = ParseDateTime(moment.substr(0, dot));
    if (!t) {
        throw std::invalid_argument("not a moment: " + moment);
    }
    return MomentMs(*t) + (dot == std::string::npos ? 0 : std::stoll(moment.substr(dot + 1)));
}

std::vector<SimEvent> Named(const Simulation& sim, const std::string& name) {
    std::vector<SimEvent> found;
    for (const SimEvent& e : sim.Log().Events()) {
        if (e.Name == name) {
            found.push_back(e);
        }
    }
    return found;
}

std::vector<SimEvent> NamedBetween(const Simulation& sim, const std::string& name,
                                   const std::string& from, const std::string& to) {
    std::vector<SimEvent> found;
    for (const SimEvent& e : Named(sim, name)) {
        if (e.Ms >= At(from) && e.Ms < At(to)) {
            found.push_back(e);
        }
    }
    return found;
}

std::string ClockOf(const SimEvent& event) {
    return FormatSimMoment(event.Ms).substr(11);
}

std::string Journal(const Simulation& sim) {
    std::string text;
    for (const SimEvent& e : sim.Log().Events()) {
        text += FormatSimMoment(e.Ms) + ' ' + e.Name + (e.Details.empty() ? "" : " " + e.Details) +
                '\n';
    }
    return text;
}

}  // namespace velmora::test
