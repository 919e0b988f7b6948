#include "app/AutostartSwitch.h"

#include <filesystem>
#include <utility>

#include "app/AutostartEntry.h"

namespace velmora {

AutostartSwitch::AutostartSwitch(std::string programFile, std::string folder)
    : programFile_(std::move(programFile)), folder_(std::move(folder)) {
    entryPath_ = FindAutostartEntryTo(programFile_, folder_);
    registered_ = AutostartEntryIsOurs(entryPath_, programFile_);
}

std::string AutostartSwitch::Caption() const {
    return registered_ ? kStartUpCaptionRemove : kStartUpCaptionAdd;
}

AutostartSwitch::Outcome AutostartSwitch::Register() {
    const auto created = CreateAutostartEntry(programFile_, folder_);
    if (!created) {
        return {false, "スタートアップに登録できませんでした。"};
    }
    entryPath_ = *created;
    registered_ = true;
    return {true, "スタートアップに登録しました。"};
}

AutostartSwitch::Outcome AutostartSwitch::Unregister() {
    std::error_code ec;
    // remove() is false without an error code when there was nothing to
    // delete: an entry deleted by hand is a failure to the user too.
    if (entryPath_.empty() || !std::filesystem::remove(entryPath_, ec) || ec) {
        return {false, "スタートアップから削除できませんでした。"};
    }
    registered_ = false;
    return {true, "スタートアップから削除しました。"};
}

}  // namespace velmora
