#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Start at login through the desktop's autostart folder
// (~/.config/autostart): a desktop entry named "ベルモラ.desktop" whose Exec
// line starts the program. These are the shell-shortcut operations of the
// program on a freedesktop desktop.

inline constexpr const char* kAutostartEntryName = "ベルモラ.desktop";

// The autostart folder: $XDG_CONFIG_HOME/autostart, else ~/.config/autostart.
std::string AutostartFolder();

// The program an entry starts: the first word of its Exec line in the
// [Desktop Entry] group, with the entry format's quoting undone. Empty when
// the file cannot be read or has no such line.
std::string ResolveAutostartEntry(const std::string& entryPath);

// The entry in `folder` that starts `programFile` itself, else the first
// whose program has the same file name (letter case aside), or empty.
std::string FindAutostartEntryTo(const std::string& programFile, const std::string& folder);

// Whether the found entry starts this very program (letter case aside).
bool AutostartEntryIsOurs(const std::string& entryPath, const std::string& programFile);

// The entry's text for `programFile`, run in its own folder.
std::string AutostartEntryText(const std::string& programFile);

// Writes "ベルモラ.desktop" into `folder` (created when missing), replacing a
// file of that name. The entry's path, or nullopt on failure.
std::optional<std::string> CreateAutostartEntry(const std::string& programFile,
                                                const std::string& folder);

// The first word of an Exec value, unquoted; exposed for tests.
std::string FirstExecWord(std::string_view exec);

}  // namespace velmora
