#pragma once

#include <deque>
#include <vector>

#include "base/RandomSource.h"

namespace velmora::test {

// Not sim/SeededRandom: the test scripts each draw instead of seeding a generator.
// Hands out scripted draws in order (each taken modulo n), then 0s; writes
// down the n of every draw.
class FakeRandom final : public RandomSource {
public:
    int Below(int n) override {
        asked.push_back(n);
        if (n < 1) {
            return 0;
        }
        int value = 0;
        if (!draws.empty()) {
            value = draws.front();
            draws.pop_front();
        }
        return value % n;
    }
    std::deque<int> draws;
    std::vector<int> asked;
};

}  // namespace velmora::test
