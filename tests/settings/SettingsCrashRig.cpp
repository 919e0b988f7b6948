// Both halves of the settings crash test (settings_crash_test.sh):
//
//   settings_crash_rig write FILE FIRST
//       Performs settings writes FIRST, FIRST+1, ... through IniFile until it
//       is killed, printing "B n" to stdout before write n and "D n" once it
//       has returned. After a kill the next writer starts with the write
//       that was in flight.
//   settings_crash_rig check FILE LOG
//       Replays every completed write of LOG and checks that FILE is a whole
//       settings file holding exactly their outcome; the one write that was
//       in flight at the kill may have landed or not.
//
// Write n is a function of n alone, so the log needs only the numbers: it
// sets or deletes one of kSlots keys spread over a few sections, with values
// in Japanese so the Shift-JIS path is the one exercised.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/ShiftJis.h"
#include "base/TextUtil.h"
#include "settings/DurableFile.h"
#include "settings/IniDocument.h"
#include "settings/IniFile.h"

namespace velmora {
namespace {

constexpr long kSlots = 240;
constexpr long kSections = 6;

struct Write {
    std::string section;
    std::string key;
    std::optional<std::string> value;  // nullopt: the key is deleted
};

Write WriteNumber(long n) {
    // Slots in an order that jumps about, so writes add keys to every
    // section, rewrite old ones and delete some.
    const long slot = (n * 97) % kSlots;
    Write w{"Section" + std::to_string(slot % kSections), "Key" + std::to_string(slot), {}};
    if (n % 9 != 4) {
        w.value = "値" + std::to_string(n) + "・" +
                  std::string(static_cast<size_t>(n % 5 * 7), 'x') + "・アラーム時刻";
    }
    return w;
}

void Say(const char* mark, long n) {
    // One write(2) per line, straight to the file: what is logged is what
    // has happened, whatever moment the kill comes.
    const std::string line = std::string(mark) + " " + std::to_string(n) + "\n";
    if (::write(STDOUT_FILENO, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
        std::_Exit(3);
    }
}

int RunWriter(const std::string& path, long first) {
    IniFile ini(path);
    for (long n = first;; ++n) {
        const Write w = WriteNumber(n);
        Say("B", n);
        const bool ok =
            w.value ? ini.WriteString(w.section, w.key, *w.value) : ini.DeleteKey(w.section, w.key);
        if (!ok) {
            std::fprintf(stderr, "write %ld failed: %s\n", n, ini.LastError().c_str());
            return 1;
        }
        Say("D", n);
    }
}

int Failed(const std::string& what) {
    std::fprintf(stderr, "settings file check: %s\n", what.c_str());
    return 1;
}

// Every line a section header or an entry, each whole, each ended by CR LF,
// no section or key twice: what a torn or interleaved write would break.
std::optional<std::string> ShapeFault(const std::string& bytes) {
    if (!bytes.empty() && !bytes.ends_with("\r\n")) {
        return "the file does not end with a whole line";
    }
    std::set<std::string> names;
    std::string section;
    for (const std::string& line : SplitLines(bytes)) {
        if (line.empty() || line.back() == '\r') {
            return "a line is empty or not ended by CR LF: " + line;
        }
        if (line.front() == '[') {
            if (!line.starts_with("[Section") || line.back() != ']') {
                return "a torn section line: " + line;
            }
            section = line;
            if (!names.insert(line).second) {
                return "a section twice: " + line;
            }
        } else if (!line.starts_with("Key") || line.find('=') == std::string::npos ||
                   section.empty()) {
            return "a torn entry: " + line;
        } else if (!names.insert(section + line.substr(0, line.find('='))).second) {
            return "a key twice: " + line;
        }
    }
    return std::nullopt;
}

int RunCheck(const std::string& path, const std::string& logPath) {
    const auto log = ReadWholeFile(logPath);
    if (!log) {
        return Failed("cannot read the log " + logPath);
    }
    std::map<std::pair<std::string, std::string>, std::optional<std::string>> expected;
    std::optional<long> inFlight;
    long done = 0;
    for (const std::string& line : SplitLines(*log)) {
        long n = 0;
        char mark = 0;
        if (std::sscanf(line.c_str(), "%c %ld", &mark, &n) != 2) {
            return Failed("a log line that is not a write: " + line);
        }
        if (mark == 'B') {
            // A writer started after a kill first repeats the write that was
            // in flight, so no write's outcome stays open for long.
            if (inFlight && *inFlight != n) {
                return Failed("write " + std::to_string(*inFlight) + " was never repeated");
            }
            inFlight = n;
        } else if (mark == 'D' && inFlight == n) {
            const Write w = WriteNumber(n);
            expected[{w.section, w.key}] = w.value;
            inFlight.reset();
            ++done;
        } else {
            return Failed("a write completed that had not begun: " + line);
        }
    }
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return done == 0 ? 0 : Failed("the file is gone after " + std::to_string(done) + " writes");
    }
    if (const auto fault = ShapeFault(*bytes)) {
        return Failed(*fault);
    }
    const IniFile ini(path);
    std::optional<Write> pending;
    if (inFlight) {
        pending = WriteNumber(*inFlight);
    }
    for (const auto& [name, value] : expected) {
        const auto& [section, key] = name;
        const std::optional<std::string> found = ini.ReadRaw(section, key);
        const bool maybePending = pending && pending->section == section && pending->key == key;
        if (found != value && !(maybePending && found == pending->value)) {
            return Failed(section + "/" + key + " holds \"" + found.value_or("(none)") +
                          "\" instead of \"" + value.value_or("(none)") + "\"");
        }
    }
    // Nothing that was never written, beyond the write in flight.
    const IniDocument doc = IniDocument::Parse(*bytes);
    for (long s = 0; s < kSections; ++s) {
        const std::string section = "Section" + std::to_string(s);
        for (const std::string& key : doc.Keys(section)) {
            const bool known = expected.contains({section, key});
            const bool isPending = pending && pending->section == section && pending->key == key;
            if (!known && !isPending) {
                return Failed(section + "/" + key + " was never written");
            }
        }
    }
    std::printf("%ld writes complete%s\n", done, inFlight ? ", one in flight" : "");
    return 0;
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "write") == 0) {
        return velmora::RunWriter(argv[2], std::strtol(argv[3], nullptr, 10));
    }
    if (argc == 4 && std::strcmp(argv[1], "check") == 0) {
        return velmora::RunCheck(argv[2], argv[3]);
    }
    std::fprintf(stderr, "usage: settings_crash_rig write FILE FIRST | check FILE LOG\n");
    return 2;
}
