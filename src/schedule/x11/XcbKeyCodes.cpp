#include "schedule/x11/XcbKeyCodes.h"

namespace velmora {

std::vector<std::uint8_t> XcbKeyCodesOf(xcb_connection_t* connection, std::uint32_t keysym) {
    std::vector<std::uint8_t> codes;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const XcbReply<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        connection,
        xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<std::uint8_t>(count)),
        nullptr));
    if (!mapping || mapping->keysyms_per_keycode == 0) {
        return codes;
    }
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perCode = mapping->keysyms_per_keycode;
    const int total = xcb_get_keyboard_mapping_keysyms_length(mapping.get());
    for (int i = 0; i < total; ++i) {
        const auto code = static_cast<std::uint8_t>(first + i / perCode);
        if (symbols[i] == keysym && (codes.empty() || codes.back() != code)) {
            codes.push_back(code);
        }
    }
    return codes;
}

}  // namespace velmora
