#pragma once

#include <map>
#include <string>
#include <vector>

#include "dialog/SettingsDialogHost.h"

namespace velmora::test {

// Holds the tray menu's check marks and a live record; logs every call that
// changes something, in order, so tests can check what happened and when.
class FakeSettingsDialogHost final : public SettingsDialogHost {
public:
    DateTime Now() const override { return now; }
    Settings& LiveSettings() override { return live; }

    bool MenuChecked(TrayMenuItem item) const override {
        const auto it = checks.find(item);
        return it != checks.end() && it->second;
    }
    void SetMenuChecked(TrayMenuItem item, bool checked) override {
        checks[item] = checked;
        log.push_back("check " + Name(item) + (checked ? " on" : " off"));
    }
    void RunMenuCommand(TrayMenuItem item) override { log.push_back("run " + Name(item)); }
    void SetDialogMenuItemsEnabled(bool enabled) override {
        log.push_back(enabled ? "menus on" : "menus off");
    }
    void ProcessPendingEvents() override { log.push_back("events"); }

    bool ClockVisible() const override { return clockVisible; }
    void SetClockTopMost(bool topMost) override {
        clockTopMost = topMost;
        log.push_back(topMost ? "clock top" : "clock lowered");
    }
    void ShowDial(DialColour colour) override {
        log.push_back(colour == DialColour::Gray ? "dial gray" : "dial white");
    }
    bool AlarmMusicPlaying() const override { return musicPlaying; }
    void RebuildPreAnnouncement() override { log.push_back("pre-announcement"); }
    NowTimeKeyStatus NowTimeKey() const override { return nowTimeKey; }
    void ApplyNowTimeKey() override { log.push_back("key " + live.NowTimeKey); }

    static std::string Name(TrayMenuItem item) {
        switch (item) {
            case TrayMenuItem::Alarm:
                return "Alarm";
            case TrayMenuItem::Snooze:
                return "Snooze";
            case TrayMenuItem::SpeakJiho:
                return "SpeakJiho";
            case TrayMenuItem::ShowClock:
                return "ShowClock";
            case TrayMenuItem::ClockAllwaysFront:
                return "ClockAllwaysFront";
            case TrayMenuItem::OnMouseHide:
                return "OnMouseHide";
            case TrayMenuItem::BackColorGray:
                return "BackColorGray";
            case TrayMenuItem::BackColorWhite:
                return "BackColorWhite";
            default:
                break;
        }
        return "?";
    }

    DateTime now = EncodeDate(2024, 3, 15) + EncodeTime(9, 30, 0);
    Settings live;
    std::map<TrayMenuItem, bool> checks{{TrayMenuItem::ClockAllwaysFront, true}};
    bool clockVisible = true;
    bool clockTopMost = true;
    bool musicPlaying = false;
    NowTimeKeyStatus nowTimeKey;
    std::vector<std::string> log;
};

}  // namespace velmora::test
