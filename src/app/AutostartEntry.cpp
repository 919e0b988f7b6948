#include "app/AutostartEntry.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "base/TextUtil.h"
#include "settings/DurableFile.h"

namespace velmora {
namespace {

std::string LowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), ToLowerAscii);
    return text;
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The Exec value in its quoted form: the path in double quotes with the
// characters that stay special inside them escaped, and every backslash
// doubled once more because the entry's string values escape it too.
std::string QuoteExecWord(const std::string& word) {
    std::string quoted = "\"";
    for (const char c : word) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    quoted += '"';
    std::string escaped;
    for (const char c : quoted) {
        escaped += c;
        if (c == '\\') {
            escaped += '\\';
        }
    }
    return escaped;
}

}  // namespace

std::string AutostartFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME");
        config != nullptr && config[0] == '/') {
        return std::string(config) + "/autostart";
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.config/autostart";
}

std::string FirstExecWord(std::string_view exec) {
    // Undo the string-value escapes first (\\ \s \t \n \r), then the
    // Exec quoting of the first word.
    std::string value;
    for (size_t i = 0; i < exec.size(); ++i) {
        if (exec[i] == '\\' && i + 1 < exec.size()) {
            const char next = exec[++i];
            value += next == 's'   ? ' '
                     : next == 't' ? '\t'
                     : next == 'n' ? '\n'
                     : next == 'r' ? '\r'
                                   : next;
            continue;
        }
        value += exec[i];
    }
    const std::string_view text = Trim(value);
    std::string word;
    if (!text.empty() && text.front() == '"') {
        for (size_t i = 1; i < text.size(); ++i) {
            if (text[i] == '\\' && i + 1 < text.size()) {
                word += text[++i];
            } else if (text[i] == '"') {
                break;
            } else {
                word += text[i];
            }
        }
        return word;
    }
    const size_t end = text.find_first_of(" \t");
    return std::string(text.substr(0, end));
}

std::string ResolveAutostartEntry(const std::string& entryPath) {
    const auto content = ReadWholeFile(entryPath);
    if (!content) {
        return {};
    }
    bool inEntry = false;
    for (const std::string& line : SplitLines(*content)) {
        const std::string_view text = Trim(line);
        if (!text.empty() && text.front() == '[') {
            inEntry = text == "[Desktop Entry]";
            continue;
        }
        if (inEntry && StartsWith(text, "Exec")) {
            const size_t eq = text.find('=');
            if (eq != std::string_view::npos && Trim(text.substr(0, eq)) == "Exec") {
                return FirstExecWord(text.substr(eq + 1));
            }
        }
    }
    return {};
}

std::string FindAutostartEntryTo(const std::string& programFile, const std::string& folder) {
    const std::string key = LowerAscii(FileNameOf(programFile));
    std::error_code ec;
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.is_regular_file(ec)) {
            entries.push_back(entry.path().string());
        }
    }
    // Directory order is arbitrary; sorted order makes the choice repeatable.
    std::sort(entries.begin(), entries.end());
    // An entry of an older copy elsewhere may sort before ours; ours wins, so
    // the menu does not offer to register a program that is registered.
    const std::string self = LowerAscii(programFile);
    std::string sameName;
    for (const std::string& path : entries) {
        const std::string target = LowerAscii(ResolveAutostartEntry(path));
        if (target.empty() || FileNameOf(target) != key) {
            continue;
        }
        if (target == self) {
            return path;
        }
        if (sameName.empty()) {
            sameName = path;
        }
    }
    return sameName;
}

bool AutostartEntryIsOurs(const std::string& entryPath, const std::string& programFile) {
    return !entryPath.empty() &&
           LowerAscii(ResolveAutostartEntry(entryPath)) == LowerAscii(programFile);
}

std::string AutostartEntryText(const std::string& programFile) {
    const std::string folder = std::filesystem::path(programFile).parent_path().string();
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=ベルモラ\n"
           "Comment=おしゃべり目覚まし時計\n"
           "Exec=" +
           QuoteExecWord(programFile) +
           "\n"
           "Path=" +
           folder +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::optional<std::string> CreateAutostartEntry(const std::string& programFile,
                                                const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::string path = folder + "/" + kAutostartEntryName;
    std::string error;
    if (!ReplaceFileDurably(path, AutostartEntryText(programFile), error)) {
        return std::nullopt;
    }
    return path;
}

}  // namespace velmora
