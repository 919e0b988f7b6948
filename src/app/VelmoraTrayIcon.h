#pragma once

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>
#include <string>

#include "schedule/TrayMenuOps.h"

class QMenu;

namespace velmora {

// The program's icon in the desktop's tray (StatusNotifierItem where the
// desktop offers it, else the XEmbed tray): one of three icons with its tip.
// The right button opens the menu; the left button is reported.
class VelmoraTrayIcon final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VelmoraTrayIcon)

public:
    // The icons are "Data/Velmora.ico", "Data/Alarm.ico" and
    // "Data/Snooze.ico" under `programFolder` (which ends with a slash).
    VelmoraTrayIcon(const std::string& programFolder, QMenu* menu, QObject* parent = nullptr);

    void SetTip(const std::string& tip, TrayIcon icon);
    QString Tip() const { return tray_.toolTip(); }
    TrayIcon Icon() const { return icon_; }
    const QIcon& IconImage(TrayIcon icon) const;

    void Show() { tray_.show(); }
    // Takes the icon out of the tray.
    void Remove() { tray_.hide(); }
    bool Shown() const { return tray_.isVisible(); }

signals:
    void leftClicked();

private:
    QIcon application_;
    QIcon alarm_;
    QIcon snooze_;
    TrayIcon icon_ = TrayIcon::Application;
    QSystemTrayIcon tray_;
};

}  // namespace velmora
