#pragma once

#include <random>

#include "base/RandomSource.h"

namespace velmora {

// A generator seeded once from the clock when it is made.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom();
    int Below(int n) override;

private:
    std::mt19937 engine_;
};

}  // namespace velmora
