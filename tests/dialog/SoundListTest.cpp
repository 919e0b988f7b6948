#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "DialogActionsFixture.h"

namespace velmora::test {
namespace {

using SoundListTest = DialogActionsFixture;

// The Delete key as the user presses it on the focused list.
void PressDelete(QComboBox* list) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
}

TEST_F(SoundListTest, AddingTwoAlarmSoundsStoresThemSelectsTheLastAndPlaysIt) {
    Actions();
    const std::vector<std::string> chosen = MakeFiles("朝の音", 2);
    files.nextFiles.push_back(chosen);
    Click("BtnAddBeforeAlarmSpeakSound");

    ASSERT_EQ(files.opened.size(), 1U);
    EXPECT_EQ(files.opened[0].title, QStringLiteral("目覚ましに鳴らす音の追加"));
    EXPECT_EQ(files.opened[0].filter, QStringLiteral("オーディオファイル (*)"));
    EXPECT_EQ(ini.ReadRaw("Alarm", "BeforeSoundCount"), "16");
    EXPECT_EQ(ini.ReadString("BeforeSound", "14", ""), chosen[0]);
    EXPECT_EQ(ini.ReadString("BeforeSound", "15", ""), chosen[1]);
    const auto* list = Find<QComboBox>("ComboBoxBeforeAlarmSpeakSound");
    EXPECT_EQ(list->count(), 16);
    EXPECT_EQ(list->itemText(14), QStringLiteral("朝の音1.wav"));
    EXPECT_EQ(list->currentIndex(), 15);
    EXPECT_TRUE(Enabled("CheckBoxRandomBeforeSound"));
    ASSERT_EQ(lists.Alarm.size(), 16U);
    EXPECT_EQ(lists.Alarm[15], chosen[1]);
    EXPECT_EQ(beforePlayer.url, chosen[1]);
    EXPECT_EQ(beforePlayer.plays, 1);
    EXPECT_FALSE(form->State().Unchanged);

    // OK stores the new entry as the selection, and the next showing still
    // offers it.
    form->BtnOKClick();
    EXPECT_EQ(ini.ReadRaw("Alarm", "BeforeSoundNo"), "15");
    form->ShowSettings();
    EXPECT_EQ(list->currentIndex(), 15);
}

TEST_F(SoundListTest, TimeSignalSoundsAndMusicUseTheirOwnDialogsAndKeys) {
    Actions();
    files.nextFiles.push_back(MakeFiles("chime", 1));
    Click("BtnAddBeforeJihoSound");
    EXPECT_EQ(files.opened.back().title, QStringLiteral("時報の前に鳴らす音の追加"));
    EXPECT_EQ(ini.ReadRaw("Jiho", "BeforeSoundCount"), "7");
    EXPECT_EQ(ini.ReadString("BeforeJihoSound", "6", ""), dir.File("chime1.wav"));
    EXPECT_EQ(Find<QComboBox>("ComboBoxBeforeJihoSound")->currentIndex(), 6);
    EXPECT_EQ(lists.Jiho.back(), dir.File("chime1.wav"));
    EXPECT_EQ(beforePlayer.url, dir.File("chime1.wav"));

    const std::vector<std::string> music = MakeFiles("song", 2);
    files.nextFiles.push_back({music[0]});
    Click("BtnAlarmMusic");
    EXPECT_EQ(files.opened.back().title, QStringLiteral("目覚めの曲の設定"));
    EXPECT_TRUE(files.opened.back().filter.isEmpty());
    EXPECT_EQ(ini.ReadRaw("Music", "Count"), "2");
    EXPECT_EQ(ini.ReadString("Music", "1", ""), music[0]);
    EXPECT_TRUE(Enabled("BtnAlarmMusicTest"));
    // Random play needs a second piece to choose from.
    EXPECT_FALSE(Enabled("CheckBoxAlarmMusicRandom"));
    files.nextFiles.push_back({music[1]});
    Click("BtnAlarmMusic");
    EXPECT_EQ(ini.ReadRaw("Music", "Count"), "3");
    EXPECT_EQ(Find<QComboBox>("ComboBoxAlarmMusic")->currentIndex(), 2);
    EXPECT_TRUE(Enabled("CheckBoxAlarmMusicRandom"));
    // Music is not previewed.
    EXPECT_EQ(beforePlayer.plays, 1);
}

// The list and the file keep what was added; only the choice waits for OK.
TEST_F(SoundListTest, CancelAfterAddingMusicKeepsTheEntriesButNotTheChoice) {
    ini.WriteInteger("Music", "No", 0);
    Actions();
    files.nextFiles.push_back(MakeFiles("m", 2));
    Click("BtnAlarmMusic");
    form->BtnCancelClick();
    EXPECT_EQ(ini.ReadRaw("Music", "Count"), "3");
    EXPECT_EQ(ini.ReadRaw("Music", "No"), "0");
    form->ShowSettings();
    EXPECT_EQ(ListTexts("ComboBoxAlarmMusic").size(), 3U);
    EXPECT_EQ(Find<QComboBox>("ComboBoxAlarmMusic")->currentIndex(), 0);
}

TEST_F(SoundListTest, LongMusicPathsAreShortenedInTheListButStoredWhole) {
    Actions();
    std::string folder = dir.Path();
    for (int i = 0; i < 12; ++i) {
        folder += "とても長いフォルダの名前" + std::to_string(i) + "/";
    }
    std::filesystem::create_directories(folder);
    const std::string path = folder + "目覚めの曲.mp3";
    WriteBytes(path, "");
    files.nextFiles.push_back({path});
    Click("BtnAlarmMusic");

    const QString shown = ListTexts("ComboBoxAlarmMusic").back();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/..."))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("/目覚めの曲.mp3")));
    EXPECT_LT(shown.size(), QString::fromStdString(path).size());
    EXPECT_EQ(ini.ReadString("Music", "1", ""), path);
}

TEST_F(SoundListTest, CancellingTheFileDialogChangesNothing) {
    Actions();
    Click("BtnAddBeforeAlarmSpeakSound");
    Click("BtnAlarmMusic");
    EXPECT_EQ(files.opened.size(), 2U);
    EXPECT_FALSE(ini.Exists());
    EXPECT_EQ(ListTexts("ComboBoxBeforeAlarmSpeakSound").size(), 14U);
    EXPECT_TRUE(form->State().Unchanged);
}

// Paths the settings file cannot hold as they are would come back as
// other paths (or not at all): they are refused by name, the rest added.
TEST_F(SoundListTest, PathsShiftJisCannotHoldAreRefusedWithTheirNames) {
    Actions();
    const std::vector<std::string> fine = MakeFiles("ok", 1);
    const std::string emoji = dir.File("alarm😀.wav");
    const std::string hangul = dir.File("알람.wav");
    WriteBytes(emoji, "");
    WriteBytes(hangul, "");
    files.nextFiles.push_back({emoji, fine[0], hangul});
    Click("BtnAddBeforeAlarmSpeakSound");

    ASSERT_EQ(messages.shown.size(), 1U);
    const QString text = messages.shown[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("追加できません"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(emoji)));
    EXPECT_TRUE(text.contains(QString::fromStdString(hangul)));
    EXPECT_FALSE(text.contains(QString::fromStdString(fine[0])));
    EXPECT_EQ(ini.ReadRaw("Alarm", "BeforeSoundCount"), "15");
    EXPECT_EQ(ini.ReadString("BeforeSound", "14", ""), fine[0]);
    EXPECT_FALSE(ini.ValueExists("BeforeSound", "15"));

    messages.shown.clear();
    files.nextFiles.push_back({emoji});
    Click("BtnAlarmMusic");
    EXPECT_EQ(messages.shown.size(), 1U);
    EXPECT_FALSE(ini.ValueExists("Music", "Count"));
    EXPECT_EQ(ListTexts("ComboBoxAlarmMusic").size(), 1U);
}

TEST_F(SoundListTest, DeletingAnAddedSoundShiftsTheKeysDownAndSelectsNothing) {
    Actions();
    const std::vector<std::string> chosen = MakeFiles("s", 2);
    files.nextFiles.push_back(chosen);
    Click("BtnAddBeforeAlarmSpeakSound");
    Check("CheckBoxRandomBeforeSound", true);
    host.live.BeforeSoundNo = 15;
    auto* list = Find<QComboBox>("ComboBoxBeforeAlarmSpeakSound");
    list->setCurrentIndex(14);
    host.log.clear();

    messages.whileShown = [this] {
        EXPECT_TRUE(form->MessageShowing());
        EXPECT_FALSE(host.clockTopMost);
    };
    PressDelete(list);

    ASSERT_EQ(messages.asked.size(), 1U);
    EXPECT_EQ(messages.asked[0].text, QStringLiteral("s1.wavを登録削除しますか?"));
    EXPECT_EQ(ini.ReadRaw("Alarm", "BeforeSoundCount"), "15");
    EXPECT_EQ(ini.ReadString("BeforeSound", "14", ""), chosen[1]);
    EXPECT_FALSE(ini.ValueExists("BeforeSound", "15"));
    EXPECT_EQ(list->count(), 15);
    EXPECT_EQ(list->itemText(14), QStringLiteral("s2.wav"));
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_FALSE(Find<QCheckBox>("CheckBoxRandomBeforeSound")->isChecked());
    EXPECT_FALSE(Enabled("CheckBoxRandomBeforeSound"));
    EXPECT_EQ(host.live.BeforeSoundNo, 0);
    ASSERT_EQ(lists.Alarm.size(), 15U);
    EXPECT_EQ(lists.Alarm[14], chosen[1]);
    EXPECT_FALSE(form->MessageShowing());
    EXPECT_TRUE(host.clockTopMost);
}

TEST_F(SoundListTest, AnsweringNoKeepsTheEntry) {
    Actions();
    files.nextFiles.push_back(MakeFiles("s", 1));
    Click("BtnAddBeforeAlarmSpeakSound");
    messages.answer = false;
    PressDelete(Find<QComboBox>("ComboBoxBeforeAlarmSpeakSound"));
    EXPECT_EQ(messages.asked.size(), 1U);
    EXPECT_EQ(ini.ReadRaw("Alarm", "BeforeSoundCount"), "15");
    EXPECT_EQ(ListTexts("ComboBoxBeforeAlarmSpeakSound").size(), 15U);
}

TEST_F(SoundListTest, BuiltInSoundsCannotBeDeleted) {
    Actions();
    struct Case {
        const char* list;
        int index;
        int count;
    };
    for (const Case c :
         {Case{"ComboBoxBeforeAlarmSpeakSound", 7, 14},  // アラーム3
          Case{"ComboBoxBeforeAlarmSpeakSound", 0, 14},
          Case{"ComboBoxBeforeAlarmSpeakSound", 13, 14}, Case{"ComboBoxBeforeJihoSound", 5, 6}}) {
        messages.shown.clear();
        auto* list = Find<QComboBox>(c.list);
        list->setCurrentIndex(c.index);
        PressDelete(list);
        ASSERT_EQ(messages.shown.size(), 1U) << c.list << c.index;
        EXPECT_EQ(messages.shown[0].text, QStringLiteral("追加した音しか登録削除できません。"));
        EXPECT_EQ(list->count(), c.count);
        EXPECT_EQ(list->currentIndex(), c.index);
    }
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_FALSE(ini.Exists());
}

TEST_F(SoundListTest, DeletingMusicLeavesTheRestAndTurnsRandomOffBelowTwoPieces) {
    Actions();
    const std::vector<std::string> music = MakeFiles("m", 2);
    files.nextFiles.push_back(music);
    Click("BtnAlarmMusic");
    Check("CheckBoxAlarmMusicRandom", true);
    form->BtnOKClick();  // [Music] No = 2, the second piece
    host.live.MusicFile = music[1];
    form->ShowSettings();
    auto* list = Find<QComboBox>("ComboBoxAlarmMusic");
    list->setCurrentIndex(1);
    const QString shown = list->currentText();

    PressDelete(list);

    ASSERT_EQ(messages.asked.size(), 1U);
    EXPECT_EQ(messages.asked[0].text, shown + QStringLiteral("を登録削除しますか?"));
    EXPECT_EQ(ini.ReadRaw("Music", "Count"), "2");
    EXPECT_EQ(ini.ReadString("Music", "1", ""), music[1]);
    EXPECT_FALSE(ini.ValueExists("Music", "2"));
    // The stored choice still names the same piece.
    EXPECT_EQ(ini.ReadRaw("Music", "No"), "1");
    EXPECT_EQ(ListTexts("ComboBoxAlarmMusic").size(), 2U);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_FALSE(Find<QCheckBox>("CheckBoxAlarmMusicRandom")->isChecked());
    for (const char* name :
         {"BtnAlarmMusicTest", "CheckBoxAlarmMusicRandom", "CheckBoxAlarmMusicRepeat"}) {
        EXPECT_FALSE(Enabled(name)) << name;
    }
    EXPECT_TRUE(host.live.MusicFile.empty());

    // "なし" is nothing to delete.
    PressDelete(list);
    EXPECT_EQ(messages.asked.size(), 1U);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SoundListTest, DeletingTheStoredChoiceStoresNone) {
    Actions();
    files.nextFiles.push_back(MakeFiles("j", 2));
    Click("BtnAddBeforeJihoSound");
    form->BtnOKClick();  // [Jiho] BeforeSoundNo = 7
    form->ShowSettings();
    host.live.SpeakBeforeSound = true;
    host.live.JihoBeforeSoundNo = kJihoToneSound;
    host.live.JihoLeadSoundNo = 7;
    host.log.clear();
    auto* list = Find<QComboBox>("ComboBoxBeforeJihoSound");
    list->setCurrentIndex(7);
    PressDelete(list);

    EXPECT_EQ(ini.ReadRaw("Jiho", "BeforeSoundCount"), "7");
    EXPECT_EQ(ini.ReadRaw("Jiho", "BeforeSoundNo"), "0");
    EXPECT_EQ(ListTexts("ComboBoxBeforeJihoSound").size(), 7U);
    EXPECT_EQ(lists.Jiho.size(), 7U);
    // The deleted sound led the speech before the tone: now nothing does,
    // and the announcement ahead of the mark is worked out again.
    EXPECT_EQ(host.live.JihoLeadSoundNo, 0);
    EXPECT_EQ(host.live.JihoBeforeSoundNo, kJihoToneSound);
    EXPECT_NE(std::find(host.log.begin(), host.log.end(), "pre-announcement"), host.log.end());
}

TEST_F(SoundListTest, PickingASoundPlaysItOrSaysItIsMissing) {
    Actions();
    Pick("ComboBoxBeforeAlarmSpeakSound", 3);
    EXPECT_EQ(beforePlayer.url, lists.Alarm[3]);
    Pick("ComboBoxBeforeJihoSound", 5);
    EXPECT_EQ(beforePlayer.url, lists.Jiho[5]);
    EXPECT_EQ(beforePlayer.plays, 2);
    EXPECT_TRUE(messages.shown.empty());

    std::filesystem::remove(lists.Alarm[4]);
    Pick("ComboBoxBeforeAlarmSpeakSound", 4);
    EXPECT_EQ(beforePlayer.plays, 2);
    EXPECT_EQ(LastNotice(), QStringLiteral("指定されたファイルが見つかりません。"));
    // The entry stays.
    EXPECT_EQ(ListTexts("ComboBoxBeforeAlarmSpeakSound").size(), 14U);
    // "なし" plays nothing and says nothing.
    messages.shown.clear();
    Pick("ComboBoxBeforeJihoSound", 0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(beforePlayer.plays, 2);
}

}  // namespace
}  // namespace velmora::test
