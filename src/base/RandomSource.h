#pragma once

namespace velmora {

// The process-wide source of random choices (a voice, a sound, a piece of
// music), injected so tests can script the draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A whole number from 0 to n - 1, uniformly; 0 when n < 1.
    virtual int Below(int n) = 0;
};

}  // namespace velmora
