#pragma once

#include "schedule/DisplayAwake.h"

namespace velmora {

// Counts the wakes and follows the keep-awake state.
class SimDisplayAwake final : public DisplayAwake {
public:
    void WakeDisplay() override { ++wakes_; }
    void Inhibit() override { inhibited_ = true; }
    void Release() override { inhibited_ = false; }

    int Wakes() const { return wakes_; }
    bool Inhibited() const { return inhibited_; }

private:
    int wakes_ = 0;
    bool inhibited_ = false;
};

}  // namespace velmora
