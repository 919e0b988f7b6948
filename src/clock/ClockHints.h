#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// How to handle the frameless clock, shown as the clock's hint.
std::string HelpHint();
// The clock's hint from its creation until the alarm state is first shown.
std::string CreationHint();

// Seven controls of the settings dialog show a longer explanation than their
// own hint; `controlName` is the control's object name.
std::optional<std::string> DialogHintFor(std::string_view controlName);

// How long a hint stays up.
inline constexpr int kHintShowMs = 10'000;

}  // namespace velmora
