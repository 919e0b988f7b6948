#pragma once

#include <bitset>
#include <cstdint>

namespace velmora {

// Line types of the mixer tree; source lines first, then destinations.
enum class TMixerLineType {
    ltUndefined,
    ltDigital,
    ltLine,
    ltMicrophone,
    ltSynthesizer,
    ltCompactDisk,
    ltTelephone,
    ltPcSpeaker,
    ltWaveOut,
    ltAuxiliary,
    ltAnalog,
    ltUnknown,
    dtUndefined,
    dtDigital,
    dtLine,
    dtMonitor,
    dtSpeakers,
    dtHeadphones,
    dtTelephone,
    dtWaveIn,
    dtVoiceIn,
};
inline constexpr std::size_t kMixerLineTypeCount = 21;

enum class TMixerControlType {
    ctCustom,
    ctBass,
    ctEqualizer,
    ctFader,
    ctTreble,
    ctVolume,
    ctMixer,
    ctMultipleSelect,
    ctMux,
    ctSingleSelect,
    ctBooleanMeter,
    ctPeakMeter,
    ctSignedMeter,
    ctUnsignedMeter,
    ctDecibels,
    ctPercent,
    ctSigned,
    ctUnsigned,
    ctPan,
    ctQsoundPan,
    ctSlider,
    ctBoolean,
    ctButton,
    ctLoudness,
    ctMono,
    ctMute,
    ctOnOff,
    ctStereoEnh,
    ctMicroTime,
    ctMilliTime,
    ctUnknown,
};
inline constexpr std::size_t kMixerControlTypeCount = 31;

// How a control's values are read and written.
enum class MixerValueClass { None, Boolean, Signed, Unsigned };

enum class TMixerOption {
    moNoDeviceName,
    moNoLineName,
    moNoLineShortName,
    moNoControlName,
    moNoControlShortName,
    moNoTargetName,
    moNoControlBounds,
    moNoControlMetrics,
    moNoBalanceAutoUpdate,
};

// A set of enumeration values, as the component's published properties hold
// them.
template <typename Enum, std::size_t Count>
class EnumSet {
public:
    EnumSet() = default;
    EnumSet(std::initializer_list<Enum> values) {
        for (Enum value : values) {
            Include(value);
        }
    }
    void Include(Enum value) { bits_.set(static_cast<std::size_t>(value)); }
    void Exclude(Enum value) { bits_.reset(static_cast<std::size_t>(value)); }
    bool Contains(Enum value) const { return bits_.test(static_cast<std::size_t>(value)); }

private:
    std::bitset<Count> bits_;
};

using TMixerLineTypes = EnumSet<TMixerLineType, kMixerLineTypeCount>;
using TMixerControlTypes = EnumSet<TMixerControlType, kMixerControlTypeCount>;
using TMixerOptions = EnumSet<TMixerOption, 9>;

// Which lines and controls a scan takes in.
struct TMixerTarget {
    TMixerLineTypes LineType{TMixerLineType::ltLine,        TMixerLineType::ltSynthesizer,
                             TMixerLineType::ltCompactDisk, TMixerLineType::ltWaveOut,
                             TMixerLineType::dtSpeakers,    TMixerLineType::dtWaveIn};
    TMixerControlTypes ControlType{TMixerControlType::ctVolume, TMixerControlType::ctMute};
};

// The device table's numbering of line component types: destinations count
// from 0, sources from 0x1000.
inline constexpr std::uint32_t kComponentDestinationSpeakers = 4;
inline constexpr std::uint32_t kComponentDestinationHeadphones = 5;
inline constexpr std::uint32_t kComponentDestinationWaveIn = 7;
inline constexpr std::uint32_t kComponentSourceFirst = 0x1000;
inline constexpr std::uint32_t kComponentSourceLine = 0x1002;
inline constexpr std::uint32_t kComponentSourceMicrophone = 0x1003;
inline constexpr std::uint32_t kComponentSourceSynthesizer = 0x1004;
inline constexpr std::uint32_t kComponentSourceCompactDisk = 0x1005;
inline constexpr std::uint32_t kComponentSourcePcSpeaker = 0x1007;
inline constexpr std::uint32_t kComponentSourceWaveOut = 0x1008;
inline constexpr std::uint32_t kComponentSourceAnalog = 0x100A;

// The device table's control type codes (class, sub-class and units packed
// into one word); the two the program relies on:
inline constexpr std::uint32_t kControlTypeVolume = 0x50030001;
inline constexpr std::uint32_t kControlTypeMute = 0x20010002;

TMixerLineType LineTypeFromComponent(std::uint32_t componentType);
TMixerControlType ControlTypeFromCode(std::uint32_t controlType);
MixerValueClass ValueClassOf(TMixerControlType type);
// Controls holding one value per list item besides one per channel.
bool IsListValued(TMixerControlType type);

}  // namespace velmora
