#pragma once

namespace velmora {

// Holds a flag at a value for a scope and gives it back as it was: the main
// timer off while the alarm's state changes, or the tick's claim on the
// speech while it prepares an utterance.
class ScopedFlag {
public:
    ScopedFlag(bool& flag, bool value) : flag_(flag), was_(flag) { flag_ = value; }
    ~ScopedFlag() { flag_ = was_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace velmora
