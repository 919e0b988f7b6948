#include "app/TrayPopupMenu.h"

#include "app/AutostartSwitch.h"

namespace velmora {

TrayPopupMenu::TrayPopupMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("PopupMenu1"));
    Add(this, MenuItem::StartUp, "MenuStartUp", QString::fromUtf8(kStartUpCaptionAdd), false);
    addSeparator();
    Add(this, MenuItem::Alarm, "MenuAlarm", QStringLiteral("目覚まし(&M)"), true);
    Add(this, MenuItem::Snooze, "MenuSnooze", QStringLiteral("スヌーズ(&N)"), true);
    Add(this, MenuItem::MusicStop, "MenuMusicStop", QStringLiteral("音楽停止(&O)"), false);
    addSeparator();
    Add(this, MenuItem::ShowSettei, "MenuShowSettei", QStringLiteral("設定画面を表示(&A)"), false);
    addSeparator();
    Add(this, MenuItem::ShowClock, "MenuShowClock", QStringLiteral("時計表示(&C)"), true);
    QMenu* colour = addMenu(QStringLiteral("文字盤の色(&B)"));
    colour->setObjectName(QStringLiteral("MenuClockBackColor"));
    Add(colour, MenuItem::BackColorGray, "MenuClockBackColorGray", QStringLiteral("グレー(&G)"),
        true);
    Add(colour, MenuItem::BackColorWhite, "MenuClockBackColorWhite", QStringLiteral("白(&W)"),
        true);
    Add(this, MenuItem::ClockAllwaysFront, "MenuClockAllwaysFront",
        QStringLiteral("時計を常に最前面にする(&F)"), true);
    Add(this, MenuItem::OnMouseHide, "MenuOnMouseHide",
        QStringLiteral("マウスが近づいたら時計を隠す(&H)"), true);
    // The caption names the resolution; it is set once the screen is known.
    Add(this, MenuItem::SetClockPosition, "MenuSetClockPosition",
        QStringLiteral("現在の画面解像度になったら時計を現在の位置にする(&P)"), true);
    addSeparator();
    Add(this, MenuItem::SpeakJiho, "MenuSpeakJiho", QStringLiteral("時報をしゃべる(&J)"), true);
    Add(this, MenuItem::NowTime, "MenuNowTime", QStringLiteral("現在時刻(&T)"), false);
    addSeparator();
    Add(this, MenuItem::Help, "MenuHelp", QStringLiteral("ヘルプの表示(&R)"), false);
    Add(this, MenuItem::Version, "MenuVersion", QStringLiteral("バージョン情報(&V)"), false);
    addSeparator();
    Add(this, MenuItem::End, "MenuEnd", QStringLiteral("終了(&E)"), false);

    SetEnabled(MenuItem::MusicStop, false);
    SetEnabled(MenuItem::ShowSettei, false);
    SetChecked(MenuItem::ShowClock, true);
    SetChecked(MenuItem::BackColorGray, true);
    SetChecked(MenuItem::ClockAllwaysFront, true);
    SetChecked(MenuItem::SpeakJiho, true);
}

QAction* TrayPopupMenu::Add(QMenu* menu, MenuItem item, const char* name, const QString& caption,
                            bool checkable) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    actions_[Index(item)] = action;
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

bool TrayPopupMenu::Checked(MenuItem item) const {
    return Action(item)->isChecked();
}

void TrayPopupMenu::SetChecked(MenuItem item, bool checked) {
    Action(item)->setChecked(checked);
}

bool TrayPopupMenu::Enabled(MenuItem item) const {
    return Action(item)->isEnabled();
}

void TrayPopupMenu::SetEnabled(MenuItem item, bool enabled) {
    Action(item)->setEnabled(enabled);
}

void TrayPopupMenu::SetCaption(MenuItem item, const QString& caption) {
    Action(item)->setText(caption);
}

}  // namespace velmora
