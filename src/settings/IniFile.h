#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/DateTime.h"
#include "settings/DurableFile.h"
#include "settings/IniDocument.h"

namespace velmora {

// One profile file by name, read and written key by key. Every operation
// looks at the file as it is on disk now; the parsed form is kept only for as
// long as the file stays the same version, so a run of reads (loading the
// settings) parses once. Every write is on disk when it returns.
//
// Writes return false when the file could not be written; LastError() then
// holds the Japanese message to show, and nothing already on disk is lost.
class IniFile final {
public:
    explicit IniFile(std::string path);

    const std::string& Path() const { return path_; }

    std::optional<std::string> ReadRaw(std::string_view section, std::string_view key) const;
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    DateTime ReadDateTime(std::string_view section, std::string_view key, DateTime fallback) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    bool Exists() const;
    // Why something at the path cannot be read as the settings (a named
    // pipe, a device, a file far too large, no permission), in Japanese for
    // the user; empty when it reads or is simply not there. Reads then give
    // their defaults and writes are refused, so the user must be told.
    std::string ReadProblem() const;

    bool WriteInteger(std::string_view section, std::string_view key, int value);
    bool WriteBool(std::string_view section, std::string_view key, bool value);
    // Refuses a text that Shift-JIS cannot hold exactly or that holds a line
    // break, rather than storing something other than what was asked.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteDateTime(std::string_view section, std::string_view key, DateTime value);
    bool DeleteKey(std::string_view section, std::string_view key);

    const std::string& LastError() const { return lastError_; }

private:
    const IniDocument& Current() const;
    bool Store(std::string_view section, std::string_view key, std::string_view sjisValue);
    // Applies `change` to the file's current content and writes the result,
    // unless `change` says there is nothing to write.
    bool Modify(const std::function<bool(IniDocument&)>& change);

    std::string path_;
    std::string lastError_;
    mutable IniDocument cached_;
    mutable std::optional<FileStamp> cachedStamp_;
    mutable std::string cachedBytes_;  // the file content `cached_` was parsed from
};

}  // namespace velmora
