#include "sound/MixerTypes.h"

#include <array>
#include <utility>

namespace velmora {

namespace {

using enum TMixerControlType;

constexpr std::array<std::pair<std::uint32_t, TMixerControlType>, 30> kControlCodes{{
    {0x00000000, ctCustom},       {0x50030002, ctBass},           {0x50030004, ctEqualizer},
    {0x50030000, ctFader},        {0x50030003, ctTreble},         {0x50030001, ctVolume},
    {0x71010001, ctMixer},        {0x71010000, ctMultipleSelect}, {0x70010001, ctMux},
    {0x70010000, ctSingleSelect}, {0x10010000, ctBooleanMeter},   {0x10020001, ctPeakMeter},
    {0x10020000, ctSignedMeter},  {0x10030000, ctUnsignedMeter},  {0x30040000, ctDecibels},
    {0x30050000, ctPercent},      {0x30020000, ctSigned},         {0x30030000, ctUnsigned},
    {0x40020001, ctPan},          {0x40020002, ctQsoundPan},      {0x40020000, ctSlider},
    {0x20010000, ctBoolean},      {0x21010000, ctButton},         {0x20010004, ctLoudness},
    {0x20010003, ctMono},         {0x20010002, ctMute},           {0x20010001, ctOnOff},
    {0x20010005, ctStereoEnh},    {0x60030000, ctMicroTime},      {0x61030000, ctMilliTime},
}};

bool Between(TMixerControlType type, TMixerControlType first, TMixerControlType last) {
    return type >= first && type <= last;
}

}  // namespace

TMixerLineType LineTypeFromComponent(std::uint32_t componentType) {
    constexpr auto kDestinationFirst = static_cast<std::uint32_t>(TMixerLineType::dtUndefined);
    constexpr auto kDestinationCount =
        static_cast<std::uint32_t>(TMixerLineType::dtVoiceIn) - kDestinationFirst + 1;
    constexpr auto kSourceCount = static_cast<std::uint32_t>(TMixerLineType::ltAnalog) + 1;
    if (componentType < kDestinationCount) {
        return static_cast<TMixerLineType>(kDestinationFirst + componentType);
    }
    if (componentType >= kComponentSourceFirst &&
        componentType < kComponentSourceFirst + kSourceCount) {
        return static_cast<TMixerLineType>(componentType - kComponentSourceFirst);
    }
    return TMixerLineType::ltUnknown;
}

TMixerControlType ControlTypeFromCode(std::uint32_t controlType) {
    for (const auto& [code, type] : kControlCodes) {
        if (code == controlType) {
            return type;
        }
    }
    return ctUnknown;
}

MixerValueClass ValueClassOf(TMixerControlType type) {
    if (Between(type, ctMixer, ctBooleanMeter) || Between(type, ctBoolean, ctStereoEnh)) {
        return MixerValueClass::Boolean;
    }
    switch (type) {
        case ctPeakMeter:
        case ctSignedMeter:
        case ctDecibels:
        case ctSigned:
        case ctPan:
        case ctQsoundPan:
        case ctSlider:
            return MixerValueClass::Signed;
        case ctCustom:
        case ctUnknown:
            return MixerValueClass::None;
        default:
            return MixerValueClass::Unsigned;
    }
}

bool IsListValued(TMixerControlType type) {
    return type == ctEqualizer || Between(type, ctMixer, ctSingleSelect);
}

}  // namespace velmora
