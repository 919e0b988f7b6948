#pragma once

#include <QMenu>
#include <array>

namespace velmora {

// The items of the tray menu, in menu order.
enum class MenuItem {
    StartUp,         // スタートアップに登録(&S) / スタートアップから削除(&S)
    Alarm,           // 目覚まし(&M)
    Snooze,          // スヌーズ(&N)
    MusicStop,       // 音楽停止(&O)
    ShowSettei,      // 設定画面を表示(&A)
    ShowClock,       // 時計表示(&C)
    BackColorGray,   // 文字盤の色(&B) > グレー(&G)
    BackColorWhite,  // 文字盤の色(&B) > 白(&W)
    ClockAllwaysFront,  // 時計を常に最前面にする(&F)
    OnMouseHide,        // マウスが近づいたら時計を隠す(&H)
    SetClockPosition,  // 現在の画面解像度(WxH)になったら時計を現在の位置にする(&P)
    SpeakJiho,         // 時報をしゃべる(&J)
    NowTime,           // 現在時刻(&T)
    Help,              // ヘルプの表示(&R)
    Version,           // バージョン情報(&V)
    End,               // 終了(&E)
};
inline constexpr int kMenuItemCount = static_cast<int>(MenuItem::End) + 1;

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

    QAction* Action(MenuItem item) const { return actions_[Index(item)]; }
    bool Checked(MenuItem item) const;
    void SetChecked(MenuItem item, bool checked);
    bool Enabled(MenuItem item) const;
    void SetEnabled(MenuItem item, bool enabled);
    void SetCaption(MenuItem item, const QString& caption);

signals:
    void itemChosen(velmora::MenuItem item);

private:
    static size_t Index(MenuItem item) { return static_cast<size_t>(item); }
    QAction* Add(QMenu* menu, MenuItem item, const char* name, const QString& caption,
                 bool checkable);

    std::array<QAction*, kMenuItemCount> actions_{};
};

}  // namespace velmora
