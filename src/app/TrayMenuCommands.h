#pragma once

#include <QObject>
#include <string>

#include "app/TrayPopupMenu.h"

namespace velmora {

class AutostartSwitch;
class DesktopOpener;
class IniFile;
class Notices;
class TrayMenuHost;

inline constexpr const char* kHelpFileName = "ReadMe.txt";
inline constexpr const char* kHelpFailedMessage = "使い方の表示に失敗しました。";

// The commands behind the tray menu's items. Items that hold a setting
// change their mark only while the menus are live (not while the marks are
// being set up), some only while the settings dialog has no unsaved changes
// (its OK sets the marks itself and then runs the same commands to store
// and apply them), and write their keys at once; a write that fails is
// shown to the user.
class TrayMenuCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayMenuCommands)

public:
    struct Services {
        TrayPopupMenu& Menu;
        TrayMenuHost& Host;
        IniFile& Ini;
        Notices& Notice;
        DesktopOpener& Opener;
        AutostartSwitch& Autostart;
        std::string ProgramFolder;  // ends with a slash
    };

    // Runs the command of every item the user chooses from `services.Menu`.
    explicit TrayMenuCommands(Services services, QObject* parent = nullptr);

    // MenusLive: false until the marks have been set from the settings file.
    void SetMenusLive(bool live) { menusLive_ = live; }
    bool MenusLive() const { return menusLive_; }

    void Run(TrayMenuItem item);
    // Inverts the item's mark, only while the menus are live.
    void ToggleChecked(TrayMenuItem item);

private:
    void MenuStartUpClick();
    void MenuAlarmClick();
    void MenuSnoozeClick();
    void MenuShowSetteiClick();
    void MenuShowClockClick();
    void MenuClockBackColorClick(bool gray);
    void MenuClockAllwaysFrontClick();
    void MenuOnMouseHideClick();
    void MenuSetClockPositionClick();
    void MenuSpeakJihoClick();
    void MenuHelpClick();
    // Arms the next alarm when either alarm mode is checked, else the alarm
    // goes off; then stores both modes.
    void ApplyAlarmModes();
    // Shows the file's message when one of the writes since the command
    // began has failed.
    void ReportWrite(bool written);

    Services s_;
    bool menusLive_ = false;
};

}  // namespace velmora
