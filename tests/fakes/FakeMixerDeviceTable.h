#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "sound/MixerDeviceTable.h"
#include "sound/MixerTypes.h"

namespace velmora::test {

struct FakeMixerControl {
    MixerControlInfo info;
    std::vector<std::uint32_t> values;
};

struct FakeMixerLine {
    MixerLineInfo info;
    std::vector<FakeMixerControl> controls;
    bool infoFails = false;
};

struct FakeMixerDestination {
    FakeMixerLine line;
    std::vector<FakeMixerLine> sources;
};

struct FakeMixerDevice {
    std::string name = "Fake Mixer";
    bool capsFail = false;
    bool openFails = false;
    std::vector<FakeMixerDestination> destinations;
    // Destinations the device claims beyond those listed; reading them fails.
    std::uint32_t missingDestinations = 0;
};

// Mixer devices held in memory, built by a test. Handles are 100 + the
// device number; writes and closes are written down ("set 7: 32768,32768",
// "close 100"); getResult / setResult make value calls fail with that result.
class FakeMixerDeviceTable final : public MixerDeviceTable {
public:
    std::vector<FakeMixerDevice> devices;
    int getResult = kMixerOk;
    int setResult = kMixerOk;
    std::vector<std::string> log;
    MixerChangeListener* listener = nullptr;
    // Also receives the closes, for a test that outlives the table.
    std::vector<std::string>* closeLog = nullptr;

    static constexpr MixerHandle kFirstHandle = 100;

    std::uint32_t DeviceCount() override { return static_cast<std::uint32_t>(devices.size()); }

    int GetDeviceCaps(std::uint32_t device, MixerDeviceCaps& caps) override {
        if (device >= devices.size() || devices[device].capsFail) {
            return kMixerBadDeviceId;
        }
        caps.name = devices[device].name;
        caps.destinations = static_cast<std::uint32_t>(devices[device].destinations.size()) +
                            devices[device].missingDestinations;
        return kMixerOk;
    }

    int Open(std::uint32_t device, MixerHandle& handle) override {
        if (devices[device].openFails) {
            return kMixerNoDriver;
        }
        handle = kFirstHandle + device;
        return kMixerOk;
    }

    void Close(MixerHandle handle) override {
        log.push_back("close " + std::to_string(handle));
        if (closeLog != nullptr) {
            closeLog->push_back(log.back());
        }
    }

    int GetDestinationInfo(MixerHandle handle, std::uint32_t destination,
                           MixerLineInfo& info) override {
        auto& dests = Device(handle).destinations;
        if (destination >= dests.size() || dests[destination].line.infoFails) {
            return kMixerInvalidLine;
        }
        info = dests[destination].line.info;
        info.connections = static_cast<std::uint32_t>(dests[destination].sources.size());
        info.controls = static_cast<std::uint32_t>(dests[destination].line.controls.size());
        return kMixerOk;
    }

    int GetSourceInfo(MixerHandle handle, std::uint32_t destination, std::uint32_t source,
                      MixerLineInfo& info) override {
        const FakeMixerLine& line = Device(handle).destinations[destination].sources[source];
        if (line.infoFails) {
            return kMixerInvalidLine;
        }
        info = line.info;
        info.controls = static_cast<std::uint32_t>(line.controls.size());
        return kMixerOk;
    }

    int GetLineControls(MixerHandle handle, std::uint32_t lineId,
                        std::vector<MixerControlInfo>& controls) override {
        for (FakeMixerLine* line : Lines(handle)) {
            if (line->info.lineId == lineId) {
                controls.clear();
                for (const FakeMixerControl& control : line->controls) {
                    controls.push_back(control.info);
                }
                return kMixerOk;
            }
        }
        return kMixerInvalidLine;
    }

    int GetControlDetails(MixerHandle handle, std::uint32_t controlId,
                          std::span<std::uint32_t> values) override {
        if (getResult != kMixerOk) {
            return getResult;
        }
        FakeMixerControl* control = Control(handle, controlId);
        if (control == nullptr || values.size() != control->values.size()) {
            return kMixerInvalidControl;
        }
        std::copy(control->values.begin(), control->values.end(), values.begin());
        return kMixerOk;
    }

    int SetControlDetails(MixerHandle handle, std::uint32_t controlId,
                          std::span<const std::uint32_t> values) override {
        std::string entry = "set " + std::to_string(controlId) + ":";
        for (std::size_t i = 0; i < values.size(); ++i) {
            entry += (i == 0 ? " " : ",") + std::to_string(values[i]);
        }
        log.push_back(entry);
        if (setResult != kMixerOk) {
            return setResult;
        }
        FakeMixerControl* control = Control(handle, controlId);
        if (control == nullptr || values.size() != control->values.size()) {
            return kMixerInvalidControl;
        }
        control->values.assign(values.begin(), values.end());
        return kMixerOk;
    }

    void SetListener(MixerChangeListener* value) override { listener = value; }

    // The values a control holds now.
    std::vector<std::uint32_t>& Values(std::uint32_t device, std::uint32_t controlId) {
        return Control(kFirstHandle + device, controlId)->values;
    }

    // Only the writes of the log.
    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const std::string& entry : log) {
            if (entry.rfind("set ", 0) == 0) {
                writes.push_back(entry);
            }
        }
        return writes;
    }

private:
    FakeMixerDevice& Device(MixerHandle handle) { return devices.at(handle - kFirstHandle); }

    std::vector<FakeMixerLine*> Lines(MixerHandle handle) {
        std::vector<FakeMixerLine*> lines;
        for (FakeMixerDestination& destination : Device(handle).destinations) {
            lines.push_back(&destination.line);
            for (FakeMixerLine& source : destination.sources) {
                lines.push_back(&source);
            }
        }
        return lines;
    }

    FakeMixerControl* Control(MixerHandle handle, std::uint32_t controlId) {
        for (FakeMixerLine* line : Lines(handle)) {
            for (FakeMixerControl& control : line->controls) {
                if (control.info.controlId == controlId) {
                    return &control;
                }
            }
        }
        return nullptr;
    }
};

// Builders for the usual lines: a volume control with `levels` (one per
// channel) and a mute switch.
inline FakeMixerControl VolumeControl(std::uint32_t id, std::vector<std::uint32_t> levels,
                                      std::string name = "Master Volume") {
    FakeMixerControl control;
    control.info.controlId = id;
    control.info.controlType = kControlTypeVolume;
    control.info.name = std::move(name);
    control.values = std::move(levels);
    return control;
}

inline FakeMixerControl MuteControl(std::uint32_t id, bool muted,
                                    std::string name = "Master Mute") {
    FakeMixerControl control;
    control.info.controlId = id;
    control.info.controlType = kControlTypeMute;
    control.info.name = std::move(name);
    control.values = {muted ? 1U : 0U};
    return control;
}

inline FakeMixerLine Line(std::uint32_t id, std::uint32_t componentType, std::uint32_t channels,
                          std::vector<FakeMixerControl> controls, std::string name = "Line") {
    FakeMixerLine line;
    line.info.lineId = id;
    line.info.componentType = componentType;
    line.info.channels = channels;
    line.info.name = std::move(name);
    line.controls = std::move(controls);
    return line;
}

// One device with a speakers destination: line 1, volume control 10 with the
// given levels, mute control 11.
inline FakeMixerDevice SpeakersDevice(std::vector<std::uint32_t> levels, bool muted = false) {
    FakeMixerDevice device;
    const auto channels = static_cast<std::uint32_t>(levels.size());
    device.destinations.push_back(
        {Line(1, kComponentDestinationSpeakers, channels,
              {VolumeControl(10, std::move(levels)), MuteControl(11, muted)}, "Speakers"),
         {}});
    return device;
}

}  // namespace velmora::test
