#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "app/GlobalShortcut.h"
#include "dialog/SettingsDialogHost.h"

namespace velmora {

// The key that says the time from any window: the stored key, bound with
// the session's kind of global shortcut, and how that went in words for
// the settings dialog.
class NowTimeShortcut final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NowTimeShortcut)

public:
    NowTimeShortcut(std::unique_ptr<GlobalShortcut> shortcut, std::function<void()> pressed,
                    QObject* parent = nullptr);

    // Binds the key in Qt's portable text ("Ctrl+Alt+Shift+T"); empty lets
    // go of any key.
    void Apply(const std::string& keys);
    NowTimeKeyStatus Status() const;

signals:
    void statusChanged();

private:
    std::unique_ptr<GlobalShortcut> shortcut_;
    QString keys_;  // as the dialog shows them
    bool unfit_ = false;
};

// The global shortcut this session offers: a key grab on an X11 session,
// the desktop portal on Wayland (which tells whether it can).
std::unique_ptr<GlobalShortcut> MakeSessionGlobalShortcut();

}  // namespace velmora
