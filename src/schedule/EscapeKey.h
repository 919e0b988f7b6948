#pragma once

namespace velmora {

// Whether the Esc key is held down at this moment, wherever the focus is.
class EscapeKey {
public:
    virtual ~EscapeKey() = default;
    virtual bool EscapeDown() = 0;
};

}  // namespace velmora
