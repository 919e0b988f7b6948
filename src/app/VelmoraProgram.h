#pragma once

#include <memory>
#include <optional>

#include "about/DesktopLinkOpener.h"
#include "app/ClockVolumeRamp.h"
#include "app/DesktopFileDialogService.h"
#include "app/DialogLinkAdapter.h"
#include "app/LogindPower.h"
#include "app/NoticeRelay.h"
#include "app/ProgramFatalNotice.h"
#include "app/ProgramParts.h"
#include "app/ProgramTrayHost.h"
#include "app/QtEventPump.h"
#include "app/SettingsHostAdapter.h"
#include "app/Startup.h"
#include "sound/pulse/PulseSoundRecorder.h"
#include "speech/ReadingConverter.h"

namespace velmora {

class ClockTicker;
class DialogActions;
class NowTimeShortcut;
class MessageService;
class TVelmoraMainForm;
class TVelmoraSetteiForm;
class TVelmoraVersionForm;
class TrayPresence;

// The running program: its four windows created in order (the hidden main
// window, the clock window, the settings dialog and the about window) and
// the adapters between them. Destruction goes the other way round, the
// main window last: by then nothing that uses its voices, players or
// volume is left.
class VelmoraProgram final {
public:
    VelmoraProgram(const StartupContext& context, MessageService& messages);
    ~VelmoraProgram();
    VelmoraProgram(const VelmoraProgram&) = delete;
    VelmoraProgram& operator=(const VelmoraProgram&) = delete;

    // Ends the event loop with `code` after stopping the tick. Windows stay
    // as they are until destruction, so the clock still saves its place.
    // Before the loop runs (a voice that fails while the windows are being
    // created) there is no loop to end: the code is kept for EndCode.
    void End(int code);
    // The code of the first End, if any.
    std::optional<int> EndCode() const { return endCode_; }

    // The windows as created, for the program's tests.
    const ProgramParts& Parts() const { return parts_; }
    TrayPresence& Presence() { return *trayPresence_; }

private:
    StartupContext context_;
    MessageService& messages_;
    Settings settings_;
    ClockState state_;
    // The music test's hold on the clock's volume ramp.
    ClockVolumeRamp ramp_{state_};
    IniFile ini_;
    ProgramParts parts_;
    QtEventPump pump_;
    ReadingConverter converter_;
    NoticeRelay notices_;
    DialogLinkAdapter dialogLink_;
    ProgramFatalNotice fatal_;
    ProgramTrayHost trayHost_;
    SettingsHostAdapter settingsHost_;
    DesktopLinkOpener linkOpener_;
    // What the dialog's tests, recording and power action work with.
    PulseSoundRecorder recorder_;
    DesktopFileDialogService files_;
    LogindPower power_;
    std::unique_ptr<TVelmoraMainForm> main_;
    std::unique_ptr<ClockTicker> clock_;
    std::unique_ptr<TrayPresence> trayPresence_;
    std::unique_ptr<NowTimeShortcut> nowTimeKey_;
    std::unique_ptr<TVelmoraSetteiForm> dialog_;
    std::unique_ptr<DialogActions> actions_;
    std::unique_ptr<TVelmoraVersionForm> about_;
    std::optional<int> endCode_;
};

}  // namespace velmora
