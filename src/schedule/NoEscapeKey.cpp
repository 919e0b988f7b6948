#include "schedule/SystemEscapeKey.h"

namespace velmora {
namespace {

// Built without a window system to ask: Esc is never seen down.
class NoEscapeKey final : public EscapeKey {
public:
    bool EscapeDown() override { return false; }
};

}  // namespace

std::unique_ptr<EscapeKey> MakeSystemEscapeKey() {
    return std::make_unique<NoEscapeKey>();
}

}  // namespace velmora
