#pragma once

namespace velmora {

// The items of the tray menu, in menu order. The check marks of some of them
// are the program's live on/off switches, which the settings dialog reads and
// sets, so the list lives beside the dialog rather than with the menu widget.
enum class TrayMenuItem {
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
inline constexpr int kTrayMenuItemCount = static_cast<int>(TrayMenuItem::End) + 1;

}  // namespace velmora
