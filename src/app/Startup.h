#pragma once

#include <QString>
#include <functional>
#include <string>

#include "app/ProgramFolders.h"
#include "settings/StartupSettings.h"

namespace velmora {

class MessageService;

inline constexpr const char* kInstanceName = "VelmoraMutex";

QString ApplicationTitle();
QString AlreadyRunningText();

// What a second start tells the user before it ends.
void ShowAlreadyRunning(MessageService& messages);
// What a start tells the user when the single-instance lock's folder is not
// the user's own, before it ends.
void ShowLockFolderRefused(MessageService& messages, const std::string& folder);

// Everything the program sets up before its windows exist: the folders, the
// leftover clean-up and the switches read from the settings file.
struct StartupContext {
    AppFolders Folders;
    StartupSettings Switches;
    // Whether the desktop shows tray icons; unset: Qt's answer.
    std::function<bool()> TrayAvailable;
};

StartupContext PrepareStartup();

// The whole program: single instance, set-up, event loop. Returns the exit code.
int RunVelmora(int argc, char** argv);

// The program's windows and event loop, once the set-up is done. Returns the
// exit code, also of a program that ended before its loop could start.
int RunProgram(const StartupContext& context, MessageService& messages);

}  // namespace velmora
