#include "dialog/SoundListEditor.h"

#include <QString>
#include <filesystem>

#include "base/ShiftJis.h"
#include "dialog/FileDialogService.h"
#include "dialog/NoticeRoutine.h"
#include "dialog/SettingsDialogHost.h"
#include "dialog/TVelmoraSetteiForm.h"
#include "settings/IniFile.h"
#include "settings/SettingsLoader.h"
#include "sound/BeforeSoundLists.h"
#include "sound/BeforeSoundPlayer.h"

namespace velmora {
namespace {

constexpr const char* kNotFoundMessage = "指定されたファイルが見つかりません。";
constexpr const char* kBuiltInMessage = "追加した音しか登録削除できません。";
constexpr const char* kDeleteQuestion = "を登録削除しますか?";
constexpr const char* kUnstorableMessage =
    "次のファイルは、場所か名前に設定ファイルへ保存できない文字（Shift-JISにない文字や改行）"
    "が含まれているため追加できません。";

// Where a list lives in the settings file.
struct ListKeys {
    const char* CountSection;
    const char* CountKey;
    const char* EntrySection;  // entries under their index
    const char* SelectionSection;
    const char* SelectionKey;
    int FirstAdded;  // entries before it are built in
};

ListKeys KeysOf(SoundList list) {
    switch (list) {
        case SoundList::AlarmSounds:
            return {"Alarm", "BeforeSoundCount", "BeforeSound",
                    "Alarm", "BeforeSoundNo",    kBuiltInAlarmSounds};
        case SoundList::JihoSounds:
            return {"Jiho", "BeforeSoundCount", "BeforeJihoSound",
                    "Jiho", "BeforeSoundNo",    kBuiltInJihoSounds};
        case SoundList::Music:
            break;
    }
    return {"Music", "Count", "Music", "Music", "No", 1};
}

// What IniFile::WriteString would refuse, checked before anything changes.
bool Storable(const std::string& path) {
    return path.find_first_of("\r\n") == std::string::npos && Utf8ToSjis(path).has_value();
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

}  // namespace

SoundListEditor::SoundListEditor(TVelmoraSetteiForm& dialog, const DialogActionServices& services)
    : dialog_(dialog), s_(services) {}

std::vector<std::string> SoundListEditor::StorablePaths(const std::vector<std::string>& chosen) {
    std::vector<std::string> storable;
    std::string refused;
    for (const std::string& path : chosen) {
        if (Storable(path)) {
            storable.push_back(path);
        } else {
            refused += "\n" + path;
        }
    }
    if (!refused.empty()) {
        dialog_.ShowNotice(kUnstorableMessage + refused);
    }
    return storable;
}

void SoundListEditor::AddFiles(SoundList list) {
    QString title;
    QString filter;
    switch (list) {
        case SoundList::AlarmSounds:
            title = QStringLiteral("目覚ましに鳴らす音の追加");
            filter = QStringLiteral("オーディオファイル (*)");
            break;
        case SoundList::JihoSounds:
            title = QStringLiteral("時報の前に鳴らす音の追加");
            filter = QStringLiteral("オーディオファイル (*)");
            break;
        case SoundList::Music:
            title = QStringLiteral("目覚めの曲の設定");
            break;
    }
    const std::vector<std::string> chosen = s_.Files.OpenFileNames(&dialog_, title, filter);
    if (chosen.empty()) {
        return;
    }
    const std::vector<std::string> paths = StorablePaths(chosen);
    if (paths.empty()) {
        return;
    }
    const int first = dialog_.ListCount(list);
    if (!StoreAdded(list, first, paths)) {
        return;
    }
    dialog_.AppendToList(list, paths);
    if (list != SoundList::Music) {
        std::vector<std::string>& sounds =
            list == SoundList::AlarmSounds ? s_.Lists.Alarm : s_.Lists.Jiho;
        sounds.resize(static_cast<size_t>(first));
        sounds.insert(sounds.end(), paths.begin(), paths.end());
        s_.Host.ProcessPendingEvents();
        Preview(list, dialog_.ListIndex(list));
    }
    dialog_.State().Unchanged = false;
}

// The entries first, then the count that makes them part of the list, so
// a write that fails half-way leaves the list as it was.
bool SoundListEditor::StoreAdded(SoundList list, int first, const std::vector<std::string>& paths) {
    const ListKeys keys = KeysOf(list);
    int index = first;
    for (const std::string& path : paths) {
        if (!s_.Ini.WriteString(keys.EntrySection, std::to_string(index), path)) {
            dialog_.ShowNotice(s_.Ini.LastError());
            return false;
        }
        ++index;
    }
    if (!s_.Ini.WriteInteger(keys.CountSection, keys.CountKey, index)) {
        dialog_.ShowNotice(s_.Ini.LastError());
        return false;
    }
    return true;
}

void SoundListEditor::Preview(SoundList list, int index) {
    if (index <= 0 || list == SoundList::Music) {
        return;
    }
    const bool jiho = list == SoundList::JihoSounds;
    if (FileExists(s_.Lists.Name(jiho, index))) {
        s_.Before.PlayBeforeSound(index, jiho);
    } else {
        dialog_.ShowNotice(kNotFoundMessage);
    }
}

void SoundListEditor::DeleteSelected(SoundList list) {
    NoticeRoutine& notices = dialog_.Notices();
    const NoticeRoutine::BoxScope box(notices);
    const int index = dialog_.ListIndex(list);
    if (list == SoundList::Music) {
        if (index < 1) {
            return;
        }
    } else if (index < KeysOf(list).FirstAdded) {
        notices.ShowMessage(kBuiltInMessage);
        return;
    }
    const std::string text = dialog_.ListText(list, index).toStdString();
    if (notices.Ask(text + kDeleteQuestion)) {
        DeleteEntry(list, index);
    }
}

void SoundListEditor::DeleteEntry(SoundList list, int index) {
    const ListKeys keys = KeysOf(list);
    const int count = dialog_.ListCount(list) - 1;
    IniFile& ini = s_.Ini;
    bool written = ini.WriteInteger(keys.CountSection, keys.CountKey, count);
    for (int k = index; written && k < count; ++k) {
        const std::string from = std::to_string(k + 1);
        const std::string to = std::to_string(k);
        written =
            ini.ValueExists(keys.EntrySection, from)
                ? ini.WriteString(keys.EntrySection, to,
                                  ini.ReadString(keys.EntrySection, from, ""))
                : !ini.ValueExists(keys.EntrySection, to) || ini.DeleteKey(keys.EntrySection, to);
    }
    if (written && ini.ValueExists(keys.EntrySection, std::to_string(count))) {
        written = ini.DeleteKey(keys.EntrySection, std::to_string(count));
    }
    // The stored choice goes on naming the same file: the entries after the
    // deleted one have moved down by one, and the deleted one is no choice.
    const int stored = ini.ReadInteger(keys.SelectionSection, keys.SelectionKey, 0);
    if (written && stored >= index) {
        written = ini.WriteInteger(keys.SelectionSection, keys.SelectionKey,
                                   stored == index ? 0 : stored - 1);
    }
    if (!written) {
        dialog_.Notices().ShowMessage(ini.LastError());
    }

    dialog_.RemoveFromList(list, index);
    Settings& live = s_.Host.LiveSettings();
    if (list == SoundList::Music) {
        live.MusicFile.clear();  // no wake-up music until the next OK
        return;
    }
    std::vector<std::string>& sounds =
        list == SoundList::AlarmSounds ? s_.Lists.Alarm : s_.Lists.Jiho;
    if (index < static_cast<int>(sounds.size())) {
        sounds.erase(sounds.begin() + index);
    }
    if (list == SoundList::AlarmSounds) {
        live.BeforeSoundNo = 0;
        return;
    }
    live.JihoBeforeSoundNo = 0;
    // With the tone after the speech, the deleted sound may have been the
    // one leading it, and the announcement ahead of the mark counts on it.
    ArrangeJihoSounds(live);
    if (live.SpeakBeforeSound) {
        s_.Host.RebuildPreAnnouncement();
    }
}

}  // namespace velmora
