#include "app/VelmoraTrayIcon.h"

#include <QMenu>

namespace velmora {
namespace {

QIcon IconFile(const std::string& programFolder, const char* name) {
    return QIcon(QString::fromStdString(programFolder + "Data/" + name));
}

}  // namespace

VelmoraTrayIcon::VelmoraTrayIcon(const std::string& programFolder, QMenu* menu, QObject* parent)
    : QObject(parent),
      application_(IconFile(programFolder, "Velmora.ico")),
      alarm_(IconFile(programFolder, "Alarm.ico")),
      snooze_(IconFile(programFolder, "Snooze.ico")) {
    tray_.setIcon(application_);
    tray_.setContextMenu(menu);
    connect(&tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger) {
                    emit leftClicked();
                }
            });
}

const QIcon& VelmoraTrayIcon::IconImage(TrayIcon icon) const {
    switch (icon) {
        case TrayIcon::Alarm:
            return alarm_;
        case TrayIcon::Snooze:
            return snooze_;
        case TrayIcon::Application:
            break;
    }
    return application_;
}

void VelmoraTrayIcon::SetTip(const std::string& tip, TrayIcon icon) {
    icon_ = icon;
    tray_.setIcon(IconImage(icon));
    tray_.setToolTip(QString::fromStdString(tip));
}

}  // namespace velmora
