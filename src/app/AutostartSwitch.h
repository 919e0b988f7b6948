#pragma once

#include <string>

namespace velmora {

// Start at login as the tray menu's first item offers it: whether this
// program is registered, and registering or unregistering it with the
// message the user is shown. The command-line companion uses the same
// object, so both see and change the same entry.
class AutostartSwitch {
public:
    struct Outcome {
        bool Succeeded = false;
        std::string Message;  // the Japanese message for the user
    };

    // Looks for an entry starting a program named like `programFile` in
    // `folder`; the switch is on only when that entry starts this very file.
    AutostartSwitch(std::string programFile, std::string folder);

    bool Registered() const { return registered_; }
    // The entry found at start or created since; kept after a delete.
    const std::string& EntryPath() const { return entryPath_; }
    // The menu item's caption for the current state.
    std::string Caption() const;

    // Writes our own entry (replacing a file of its name).
    Outcome Register();
    // Deletes the entry found or created; fails when it is gone already.
    Outcome Unregister();
    // The menu command: whichever of the two the caption offers.
    Outcome Toggle() { return registered_ ? Unregister() : Register(); }

private:
    std::string programFile_;
    std::string folder_;
    std::string entryPath_;
    bool registered_ = false;
};

inline constexpr const char* kStartUpCaptionAdd = "スタートアップに登録(&S)";
inline constexpr const char* kStartUpCaptionRemove = "スタートアップから削除(&S)";

}  // namespace velmora
