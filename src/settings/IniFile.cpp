#include "settings/IniFile.h"

#include "base/ShiftJis.h"
#include "base/TextUtil.h"

namespace velmora {

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

const IniDocument& IniFile::Current() const {
    const std::optional<FileStamp> stamp = StampOf(path_);
    if (stamp && stamp == cachedStamp_) {
        return cached_;
    }
    std::optional<std::string> bytes;
    if (stamp) {
        bytes = ReadWholeFile(path_);
    }
    cached_ = bytes ? IniDocument::Parse(*bytes) : IniDocument();
    cachedStamp_ = bytes ? stamp : std::nullopt;
    cachedBytes_ = bytes ? std::move(*bytes) : std::string();
    return cached_;
}

bool IniFile::Exists() const {
    return StampOf(path_).has_value();
}

std::string IniFile::ReadProblem() const {
    // Read whole already (loading the settings did) or now: no problem.
    Current();
    std::string whyNot;
    if (cachedStamp_ || ReadWholeFile(path_, &whyNot) || whyNot.empty()) {
        return {};
    }
    return "「" + path_ + "」を読み込めないため、設定は既定の値を使います。\n" + whyNot;
}

std::optional<std::string> IniFile::ReadRaw(std::string_view section, std::string_view key) const {
    return Current().Get(section, key);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    const auto raw = ReadRaw(section, key);
    if (!raw) {
        return fallback;
    }
    return ParseProfileInteger(*raw).value_or(fallback);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    auto raw = ReadRaw(section, key);
    return raw ? std::move(*raw) : std::string(fallback);
}

DateTime IniFile::ReadDateTime(std::string_view section, std::string_view key,
                               DateTime fallback) const {
    const auto raw = ReadRaw(section, key);
    if (!raw) {
        return fallback;
    }
    return ParseDateTime(*raw).value_or(fallback);
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return Current().HasKey(section, key);
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    return Store(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return Store(section, key, value ? "1" : "0");
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        lastError_ = "「" + path_ + "」に書き込めません。\n改行を含む値は保存できません。";
        return false;
    }
    const auto sjis = Utf8ToSjis(value, SjisFit::Exact);
    if (!sjis) {
        lastError_ = "「" + path_ + "」に書き込めません。\n「" + std::string(value) +
                     "」にはShift-JISで保存できない文字が含まれています。";
        return false;
    }
    return Store(section, key, *sjis);
}

bool IniFile::WriteDateTime(std::string_view section, std::string_view key, DateTime value) {
    return Store(section, key, FormatDateTime(value));
}

bool IniFile::Store(std::string_view section, std::string_view key, std::string_view sjisValue) {
    return Modify([&](IniDocument& doc) {
        doc.Set(section, key, sjisValue);
        return true;
    });
}

bool IniFile::DeleteKey(std::string_view section, std::string_view key) {
    return Modify([&](IniDocument& doc) { return doc.Remove(section, key); });
}

bool IniFile::Modify(const std::function<bool(IniDocument&)>& change) {
    std::optional<IniDocument> next;
    std::optional<FileStamp> written;
    const bool ok = UpdateFileDurably(
        path_,
        [&](const std::optional<std::string>& current) -> std::optional<std::string> {
            // When the file still holds exactly what we parsed last, start
            // from that instead of parsing it again: a run of writes (the
            // settings dialog's OK) then costs one parse.
            const bool same = current && cachedStamp_ && *current == cachedBytes_;
            next = same ? cached_ : IniDocument::Parse(current.value_or(std::string()));
            if (!change(*next)) {
                next.reset();
                return std::nullopt;
            }
            return next->Serialize();
        },
        lastError_, &written);
    if (ok && next && written) {
        cachedBytes_ = next->Serialize();
        cached_ = std::move(*next);
        cachedStamp_ = written;
    } else if (!ok) {
        cachedStamp_.reset();
    }
    return ok;
}

}  // namespace velmora
