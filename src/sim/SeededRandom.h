#pragma once

#include <random>

#include "base/RandomSource.h"

namespace velmora {

// Random choices that come out the same on every run with the same seed, so
// a simulation can be repeated.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    int Below(int n) override {
        return n < 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(engine_);
    }

private:
    std::mt19937 engine_;
};

}  // namespace velmora
