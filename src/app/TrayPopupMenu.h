#pragma once

#include <QMenu>
#include <array>

#include "dialog/TrayMenuItem.h"

namespace velmora {

// The tray menu (PopupMenu1 of the hidden main window), with the captions
// and the initial states of a fresh start. Its check marks are the program's
// live on/off switches. A click does not change a check mark by itself: the
// command behind the item decides, so itemChosen reports the marks as they
// were before the click.
class TrayPopupMenu final : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayPopupMenu)

public:
    explicit TrayPopupMenu(QWidget* parent = nullptr);

    QAction* Action(TrayMenuItem item) const { return actions_[Index(item)]; }
    bool Checked(TrayMenuItem item) const;
    void SetChecked(TrayMenuItem item, bool checked);
    bool Enabled(TrayMenuItem item) const;
    void SetEnabled(TrayMenuItem item, bool enabled);
    // An item the desktop cannot serve (hiding the clock without a tray,
    // placing it on Wayland) stays greyed whatever SetEnabled says, and
    // gets the state last asked for back when the desktop can again.
    void SetUnavailable(TrayMenuItem item, bool unavailable);
    void SetCaption(TrayMenuItem item, const QString& caption);

signals:
    void itemChosen(velmora::TrayMenuItem item);

private:
    static size_t Index(TrayMenuItem item) { return static_cast<size_t>(item); }
    QAction* Add(QMenu* menu, TrayMenuItem item, const char* name, const QString& caption,
                 bool checkable);

    std::array<QAction*, kTrayMenuItemCount> actions_{};
    std::array<bool, kTrayMenuItemCount> wanted_{};
    std::array<bool, kTrayMenuItemCount> unavailable_{};
};

}  // namespace velmora
