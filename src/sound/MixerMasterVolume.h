#pragma once

#include <memory>

#include "sound/MasterVolume.h"
#include "sound/TMixer.h"

namespace velmora {

// The master volume as the speakers line of the first hardware mixer. A
// device that refuses a value makes the operation fail quietly; what the
// mixer cannot reach (no device, no speakers line, no control) is left
// alone.
class MixerMasterVolume final : public MasterVolume {
public:
    explicit MixerMasterVolume(std::unique_ptr<TMixer> mixer);

    TMixer& Mixer() { return *mixer_; }

    bool Find() override;
    bool HasVolume() override;
    bool HasMute() override;
    std::optional<double> GetLevel() override;
    bool SetLevel(double percent) override;
    std::optional<bool> GetMute() override;
    bool SetMute(bool muted) override;

private:
    std::unique_ptr<TMixer> mixer_;
};

}  // namespace velmora
