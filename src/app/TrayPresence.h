#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "app/ProgramParts.h"

namespace velmora {

class Notices;

// Whether the desktop shows tray icons. Where it does not (plain GNOME), the
// clock window is the only way into the program: it stays shown, its menu
// greys "時計表示" with the reason in the clock's hint, and the user is told
// once a run how to get tray icons. Desktops start their tray after their
// programs, or get one later, so the answer is asked again every few
// seconds; when a tray appears the icon goes into it and hiding works again.
class TrayPresence final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayPresence)

public:
    // `available` is the desktop's answer (QSystemTrayIcon's in the program).
    TrayPresence(ProgramParts& parts, Notices& notices, std::function<bool()> available);

    // Asks the desktop again and follows a change.
    void Check();

private:
    void Follow(bool available);

    ProgramParts& parts_;
    Notices& notices_;
    std::function<bool()> available_;
    std::optional<bool> shown_;
    bool told_ = false;
    QTimer poll_;
};

// Told once: the desktop shows no tray icons, and how to get them.
inline constexpr const char* kNoTrayMessage =
    "このデスクトップにはトレイ（通知領域）のアイコンが表示されないため、"
    "時計を隠さずに表示しておきます。\n"
    "時計を右クリックするとメニューが開きます。\n\n"
    "GNOME では拡張機能「AppIndicator and KStatusNotifierItem Support」を入れると、"
    "トレイにアイコンが表示されます。";
// Under the clock's usage hint while there is no tray.
inline constexpr const char* kNoTrayHint = "トレイがないため、時計は隠せません。";

}  // namespace velmora
