#include "clock/ClockHints.h"

#include <array>
#include <utility>

namespace velmora {

std::string HelpHint() {
    return "マウスホイールの回転で時計の大きさを変えられます。\n"
           "時計の左右下の端の中央付近をドラッグすると大きさを変えられます。\n"
           "時計をドラッグすれば位置を変えられます。\n"
           "右クリックでメニューを表示します。\n"
           "ダブルクリックで設定画面を表示します。\n"
           "Ctrlキーを押しながら操作すると時計は消えません。";
}

std::string CreationHint() {
    return "ALARM OFF\n..........\n" + HelpHint();
}

std::optional<std::string> DialogHintFor(std::string_view controlName) {
    static const std::array<std::pair<std::string_view, std::string_view>, 7> kHints = {{
        {"BtnAlarmMusic",
         "ここをクリックして表示された画面で選択したファイルを目覚めの曲に追加できます。\n"
         "目覚めの曲から削除するには、ドロップダウンリストで削除したい曲を選択してから\n"
         "[Delete]キーを押してください。"},
        {"ComboBoxAlarmMusic",
         "目覚めの曲から削除するには、ここで削除したい曲を選択してから\n"
         "[Delete]キーを押してください。"},
        {"MemoAlarmWord",
         "複数の目覚めの言葉を設定してその中からランダムにしゃべらせられます。\n"
         "その場合、各言葉の区切りには'*'を書いてください。"},
        {"BtnAddBeforeAlarmSpeakSound",
         "ここをクリックして表示された画面で選択したファイルを目覚ましに鳴らす音に追加できます。\n"
         "追加した音を目覚ましに鳴らす音から削除するには、\n"
         "ドロップダウンリストで削除したいファイル名を選択してから\n"
         "[Delete]キーを押してください。"},
        {"ComboBoxBeforeAlarmSpeakSound",
         "追加した音を目覚ましに鳴らす音から削除するには、\n"
         "ここで削除したい音を選択してから[Delete]キーを押してください。"},
        {"BtnAddBeforeJihoSound",
         "ここをクリックして表示された画面で選択したファイルを時報の前に鳴らす音に追加できます。\n"
         "追加した音を時報の前に鳴らす音から削除するには、\n"
         "ドロップダウンリストで削除したいファイル名を選択してから\n"
         "[Delete]キーを押してください。"},
        {"ComboBoxBeforeJihoSound",
         "追加した音を時報の前に鳴らす音から削除するには、\n"
         "ここで削除したい音を選択してから[Delete]キーを押してください。"},
    }};
    for (const auto& [name, hint] : kHints) {
        if (name == controlName) {
            return std::string(hint);
        }
    }
    return std::nullopt;
}

}  // namespace velmora
