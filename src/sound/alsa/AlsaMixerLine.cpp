#include "sound/alsa/AlsaMixerLine.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "sound/MixerTypes.h"

namespace velmora {

namespace {

constexpr double kFullScale = 65535.0;

}  // namespace

bool AlsaMixerLine::Playback(snd_mixer_elem_t* elem) {
    return snd_mixer_selem_is_active(elem) != 0 &&
           (snd_mixer_selem_has_playback_volume(elem) != 0 ||
            snd_mixer_selem_has_playback_switch(elem) != 0);
}

std::unique_ptr<AlsaMixerLine> AlsaMixerLine::FromElement(snd_mixer_elem_t* elem) {
    auto line = std::make_unique<AlsaMixerLine>();
    line->elem = elem;
    line->name = snd_mixer_selem_get_name(elem);
    line->hasVolume = snd_mixer_selem_has_playback_volume(elem) != 0;
    line->hasSwitch = snd_mixer_selem_has_playback_switch(elem) != 0;
    if (line->hasVolume) {
        snd_mixer_selem_get_playback_volume_range(elem, &line->min, &line->max);
    }
    for (int c = 0; c <= SND_MIXER_SCHN_LAST; ++c) {
        const auto channel = static_cast<snd_mixer_selem_channel_id_t>(c);
        if (snd_mixer_selem_has_playback_channel(elem, channel) != 0) {
            line->channels.push_back(channel);
        }
    }
    const bool joined = line->hasVolume && snd_mixer_selem_has_playback_volume_joined(elem) != 0;
    if (line->channels.empty()) {
        line->channels.push_back(SND_MIXER_SCHN_MONO);
    } else if (snd_mixer_selem_is_playback_mono(elem) != 0 || joined) {
        line->channels.resize(1);
    }
    return line;
}

std::uint32_t AlsaMixerLine::SourceComponent(std::string_view name) {
    struct Prefix {
        std::string_view prefix;
        std::uint32_t component;
    };
    static constexpr std::array<Prefix, 12> kPrefixes{{
        {"PCM", kComponentSourceWaveOut},
        {"Wave", kComponentSourceWaveOut},
        {"Line", kComponentSourceLine},
        {"CD", kComponentSourceCompactDisk},
        {"Synth", kComponentSourceSynthesizer},
        {"MIDI", kComponentSourceSynthesizer},
        {"Mic", kComponentSourceMicrophone},
        {"Beep", kComponentSourcePcSpeaker},
        {"PC Speaker", kComponentSourcePcSpeaker},
        {"Phone", kComponentSourceFirst + 6},
        {"Aux", kComponentSourceFirst + 9},
        {"IEC958", kComponentSourceFirst + 1},
    }};
    for (const Prefix& entry : kPrefixes) {
        if (name.starts_with(entry.prefix)) {
            return entry.component;
        }
    }
    return kComponentSourceAnalog;
}

int AlsaMixerLine::ReadLevels(std::vector<std::uint32_t>& levels) const {
    levels.resize(channels.size());
    for (std::size_t i = 0; i < channels.size(); ++i) {
        long value = 0;
        const int err = snd_mixer_selem_get_playback_volume(elem, channels[i], &value);
        if (err < 0) {
            return err;
        }
        const double scaled = max > min ? static_cast<double>(value - min) * kFullScale /
                                              static_cast<double>(max - min)
                                        : 0.0;
        levels[i] = static_cast<std::uint32_t>(std::clamp(std::nearbyint(scaled), 0.0, kFullScale));
    }
    return 0;
}

int AlsaMixerLine::WriteLevels(std::span<const std::uint32_t> levels) const {
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const long value =
            min + std::lround(levels[i] * static_cast<double>(max - min) / kFullScale);
        // A single entry stands for channels that move together.
        const int err = channels.size() == 1
                            ? snd_mixer_selem_set_playback_volume_all(elem, value)
                            : snd_mixer_selem_set_playback_volume(elem, channels[i], value);
        if (err < 0) {
            return err;
        }
    }
    return 0;
}

int AlsaMixerLine::ReadMuted(bool& muted) const {
    int on = 1;
    const int err = snd_mixer_selem_get_playback_switch(elem, channels.front(), &on);
    muted = on == 0;
    return err;
}

}  // namespace velmora
