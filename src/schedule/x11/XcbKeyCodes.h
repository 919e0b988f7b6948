#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace velmora {

// A reply of the xcb library, which hands them out to be freed with free().
struct XcbFree {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, XcbFree>;

// Every key code of the X server's key map that carries `keysym`, in any
// group or level: a layout may put a symbol on more than one key.
std::vector<std::uint8_t> XcbKeyCodesOf(xcb_connection_t* connection, std::uint32_t keysym);

}  // namespace velmora
