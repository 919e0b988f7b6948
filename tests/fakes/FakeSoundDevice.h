#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "sound/Attenuation.h"
#include "sound/SoundDevice.h"

namespace velmora::test {

// Not sim/SimSoundDevice: its channels end when the test says, not by virtual time.
// A sound device that plays nothing: it keeps what each channel was given,
// writes every call down ("open", "wave:0", "volume:0:-600", "stop:0",
// "play:0:once"), and lets a test end a channel's sound or make calls fail.
class FakeSoundDevice final : public SoundDevice {
public:
    struct Channel {
        std::shared_ptr<const WaveData> wave;
        int attenuation = 0;  // what the channel's level is now
        int status = kChannelIdle;
    };

    bool Open() override {
        log.emplace_back("open");
        return available;
    }
    int ChannelCount() const override { return static_cast<int>(channels.size()); }
    bool SetWave(int channel, std::shared_ptr<const WaveData> wave) override {
        log.push_back("wave:" + std::to_string(channel));
        if (failSetWave) {
            return false;
        }
        Channel& c = channels.at(static_cast<size_t>(channel));
        c = Channel{};
        c.wave = std::move(wave);
        return true;
    }
    void SetVolume(int channel, int attenuation) override {
        log.push_back("volume:" + std::to_string(channel) + ":" + std::to_string(attenuation));
        if (AttenuationToGain(attenuation)) {
            channels.at(static_cast<size_t>(channel)).attenuation = attenuation;
        }
    }
    bool Play(int channel, bool looped) override {
        log.push_back("play:" + std::to_string(channel) + (looped ? ":looped" : ":once"));
        Channel& c = channels.at(static_cast<size_t>(channel));
        if (failPlay || !c.wave) {
            c.status = kChannelIdle;
            return false;
        }
        c.status = looped ? kChannelPlayingLooped : kChannelPlayingOnce;
        return true;
    }
    void Stop(int channel) override {
        log.push_back("stop:" + std::to_string(channel));
        channels.at(static_cast<size_t>(channel)).status = kChannelIdle;
    }
    int Status(int channel) override { return channels.at(static_cast<size_t>(channel)).status; }

    // The channel's sound has played to its end.
    void Finish(int channel) { channels.at(static_cast<size_t>(channel)).status = kChannelIdle; }

    // Only the calls that start something: "play:<channel>:<once|looped>".
    std::vector<std::string> Plays() const {
        std::vector<std::string> plays;
        for (const std::string& entry : log) {
            if (entry.rfind("play:", 0) == 0) {
                plays.push_back(entry);
            }
        }
        return plays;
    }

    std::array<Channel, 8> channels{};
    std::vector<std::string> log;
    bool available = true;
    bool failSetWave = false;
    bool failPlay = false;
};

}  // namespace velmora::test
