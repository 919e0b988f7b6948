#include "app/TrayPopupMenu.h"

#include "app/AutostartSwitch.h"

namespace velmora {

TrayPopupMenu::TrayPopupMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("PopupMenu1"));
    Add(this, TrayMenuItem::StartUp, "MenuStartUp", QString::fromUtf8(kStartUpCaptionAdd), false);
    addSeparator();
    Add(this, TrayMenuItem::Alarm, "MenuAlarm", QStringLiteral("目覚まし(&M)"), true);
    Add(this, TrayMenuItem::Snooze, "MenuSnooze", QStringLiteral("スヌーズ(&N)"), true);
    Add(this, TrayMenuItem::MusicStop, "MenuMusicStop", QStringLiteral("音楽停止(&O)"), false);
    addSeparator();
    Add(this, TrayMenuItem::ShowSettei, "MenuShowSettei", QStringLiteral("設定画面を表示(&A)"),
        false);
    addSeparator();
    Add(this, TrayMenuItem::ShowClock, "MenuShowClock", QStringLiteral("時計表示(&C)"), true);
    QMenu* colour = addMenu(QStringLiteral("文字盤の色(&B)"));
    colour->setObjectName(QStringLiteral("MenuClockBackColor"));
    Add(colour, TrayMenuItem::BackColorGray, "MenuClockBackColorGray", QStringLiteral("グレー(&G)"),
        true);
    Add(colour, TrayMenuItem::BackColorWhite, "MenuClockBackColorWhite", QStringLiteral("白(&W)"),
        true);
    Add(this, TrayMenuItem::ClockAllwaysFront, "MenuClockAllwaysFront",
        QStringLiteral("時計を常に最前面にする(&F)"), true);
    Add(this, TrayMenuItem::OnMouseHide, "MenuOnMouseHide",
        QStringLiteral("マウスが近づいたら時計を隠す(&H)"), true);
    // The caption names the resolution; it is set once the screen is known.
    Add(this, TrayMenuItem::SetClockPosition, "MenuSetClockPosition",
        QStringLiteral("現在の画面解像度になったら時計を現在の位置にする(&P)"), true);
    addSeparator();
    Add(this, TrayMenuItem::SpeakJiho, "MenuSpeakJiho", QStringLiteral("時報をしゃべる(&J)"), true);
    Add(this, TrayMenuItem::NowTime, "MenuNowTime", QStringLiteral("現在時刻(&T)"), false);
    addSeparator();
    Add(this, TrayMenuItem::Help, "MenuHelp", QStringLiteral("ヘルプの表示(&R)"), false);
    Add(this, TrayMenuItem::Version, "MenuVersion", QStringLiteral("バージョン情報(&V)"), false);
    addSeparator();
    Add(this, TrayMenuItem::End, "MenuEnd", QStringLiteral("終了(&E)"), false);

    SetEnabled(TrayMenuItem::MusicStop, false);
    SetEnabled(TrayMenuItem::ShowSettei, false);
    SetChecked(TrayMenuItem::ShowClock, true);
    SetChecked(TrayMenuItem::BackColorGray, true);
    SetChecked(TrayMenuItem::ClockAllwaysFront, true);
    SetChecked(TrayMenuItem::SpeakJiho, true);
}

QAction* TrayPopupMenu::Add(QMenu* menu, TrayMenuItem item, const char* name,
                            const QString& caption, bool checkable) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    actions_[Index(item)] = action;
    wanted_[Index(item)] = true;
    connect(action, &QAction::triggered, this, [this, action, item] {
        // Qt has already inverted the mark of a checkable item; put it back
        // so the command sees the state the user clicked on.
        if (action->isCheckable()) {
            action->setChecked(!action->isChecked());
        }
        emit itemChosen(item);
    });
    return action;
}

bool TrayPopupMenu::Checked(TrayMenuItem item) const {
    return Action(item)->isChecked();
}

void TrayPopupMenu::SetChecked(TrayMenuItem item, bool checked) {
    Action(item)->setChecked(checked);
}

bool TrayPopupMenu::Enabled(TrayMenuItem item) const {
    return Action(item)->isEnabled();
}

void TrayPopupMenu::SetEnabled(TrayMenuItem item, bool enabled) {
    wanted_[Index(item)] = enabled;
    Action(item)->setEnabled(enabled && !unavailable_[Index(item)]);
}

void TrayPopupMenu::SetUnavailable(TrayMenuItem item, bool unavailable) {
    unavailable_[Index(item)] = unavailable;
    Action(item)->setEnabled(wanted_[Index(item)] && !unavailable);
}

void TrayPopupMenu::SetCaption(TrayMenuItem item, const QString& caption) {
    Action(item)->setText(caption);
}

}  // namespace velmora
