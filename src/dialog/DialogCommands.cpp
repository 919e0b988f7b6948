#include "dialog/DialogCommands.h"

#include "dialog/FileDialogService.h"
#include "dialog/NoticeRoutine.h"
#include "dialog/SettingsDialogHost.h"
#include "dialog/SystemPower.h"
#include "dialog/TVelmoraSetteiForm.h"
#include "settings/IniFile.h"
#include "sound/DesktopOpener.h"

namespace velmora {
namespace {

constexpr const char* kWordGuideFileName = "音声記号列仕様.pdf";
constexpr const char* kWordGuideFailedMessage = "「音声記号列仕様.pdf」の表示に失敗しました。";
constexpr const char* kCannotEnterMessage = "に移行できません。";
// Closing is asynchronous on some desktops; this many rounds of events is
// far more than any needs.
constexpr int kCloseRounds = 1000;

}  // namespace

const char* PowerActionName(PowerAction action) {
    switch (action) {
        case PowerAction::Sleep:
            return "スリープ";
        case PowerAction::Standby:
            return "スタンバイ";
        case PowerAction::Hibernate:
            return "休止状態";
        case PowerAction::None:
            break;
    }
    return "";
}

DialogCommands::DialogCommands(TVelmoraSetteiForm& dialog, const DialogActionServices& services)
    : dialog_(dialog), s_(services) {}

void DialogCommands::BtnChangeFontClick() {
    const std::optional<QString> face =
        s_.Files.ChooseFontFamily(&dialog_, QFont(QStringLiteral("Tahoma")));
    if (!face) {
        return;
    }
    dialog_.SetFontName(*face);
    if (s_.ApplyFontName) {
        s_.ApplyFontName(*face);
    }
    if (!s_.Ini.WriteString("FontName", "Value", face->toStdString())) {
        dialog_.ShowNotice(s_.Ini.LastError());
    }
}

void DialogCommands::MenuAQTClick() {
    NoticeRoutine& notices = dialog_.Notices();
    s_.Opener.OpenWithAssociatedProgram(
        s_.ProgramFolder + kWordGuideFileName,
        [&notices](int /*result*/) { notices.ShowNotice(kWordGuideFailedMessage); });
}

void DialogCommands::RunPowerAction(PowerAction action) {
    if (action == PowerAction::None) {
        return;
    }
    for (int round = 0; dialog_.isVisible() && round < kCloseRounds; ++round) {
        s_.Host.ProcessPendingEvents();
    }
    if (s_.CentreClock) {
        s_.CentreClock();
    }
    if (!s_.Power.MayEnter(action)) {
        dialog_.Notices().ShowMessage(std::string(PowerActionName(action)) + kCannotEnterMessage);
        return;
    }
    s_.Power.Enter(action);
}

}  // namespace velmora
