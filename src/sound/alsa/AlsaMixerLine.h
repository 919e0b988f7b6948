#pragma once

#include <alsa/asoundlib.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sound/MixerDeviceTable.h"

namespace velmora {

class AlsaMixerTable;

// One playback element of an ALSA mixer as a line of the mixer table: its
// playback volume as the level control (control ID 2 × line ID), its
// playback switch as the mute control (the next ID).
class AlsaMixerLine {
public:
    // Whether the element plays back with a level or a switch.
    static bool Playback(snd_mixer_elem_t* elem);
    static std::unique_ptr<AlsaMixerLine> FromElement(snd_mixer_elem_t* elem);
    // The source line type an element's name suggests.
    static std::uint32_t SourceComponent(std::string_view name);

    AlsaMixerTable* table = nullptr;
    MixerHandle handle = 0;
    std::uint32_t id = 0;
    snd_mixer_elem_t* elem = nullptr;  // none once the element is gone
    std::string name;
    std::uint32_t component = 0;
    // One entry for a mono element or one whose channels move together.
    std::vector<snd_mixer_selem_channel_id_t> channels;
    bool hasVolume = false;
    bool hasSwitch = false;
    long min = 0;
    long max = 0;
    // The values last seen, to tell which control an element event changed.
    std::vector<std::uint32_t> lastLevels;
    bool lastMuted = false;

    std::uint32_t VolumeId() const { return id * 2; }
    std::uint32_t MuteId() const { return id * 2 + 1; }

    // Levels on the scale 0..65535, one per entry of `channels`; ALSA
    // results (negative on failure).
    int ReadLevels(std::vector<std::uint32_t>& levels) const;
    int WriteLevels(std::span<const std::uint32_t> levels) const;
    int ReadMuted(bool& muted) const;
};

}  // namespace velmora
