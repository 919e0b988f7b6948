#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QValidator>
#include <algorithm>
#include <filesystem>

#include "SettingsDialogFixture.h"
#include "dialog/AlarmPlanWindow.h"
#include "dialog/AlarmWordPage.h"
#include "settings/AlarmWordFile.h"
#include "settings/AlarmWords.h"
#include "support/ScreenReaderNames.h"

namespace velmora::test {
namespace {

constexpr const char* kSaveQuestion = "設定が変更されていますが、保存しますか？";

using SettingsDialogTest = SettingsDialogFixture;

TEST_F(SettingsDialogTest, WithoutAFileShowsTheInitialControlsAndOkWritesThem) {
    Shown();
    EXPECT_EQ(ItemIndex("RadioGroupVoice"), 0);
    EXPECT_EQ(Find<QSlider>("TrackBar1")->value(), 100);
    EXPECT_EQ(ItemIndex("RadioGroupAlarm"), 0);
    EXPECT_EQ(ItemIndex("RadioGroupDayOrWeek"), 0);
    EXPECT_EQ(Text("LEDayHour") + Text("LEDayMinit") + Text("LEDaySecond"), QStringLiteral("700"));
    EXPECT_FALSE(Enabled("PanelWeekSchedule"));
    EXPECT_EQ(ItemIndex("RadioGroupJihoInterval"), 1);
    EXPECT_EQ(Text("LEJihoIntervalHour"), QStringLiteral("1"));
    EXPECT_EQ(Find<QComboBox>("ComboBoxJihoGobi")->currentText(), QStringLiteral("で'す。"));
    for (const char* bar : {"TrackBarFirstVolume", "TrackBarMaxVolume", "TrackBarMainJihoVolume",
                            "TrackBarJihoVolume0", "TrackBarJihoVolume1", "TrackBarJihoVolume2"}) {
        EXPECT_EQ(Find<QSlider>(bar)->value(), 50) << bar;
    }
    EXPECT_TRUE(form->State().Unchanged);

    form->BtnOKClick();
    EXPECT_FALSE(form->isVisible());
    const IniFile ini = Ini();
    EXPECT_EQ(ini.ReadRaw("VoiceNo", "Value"), "0");
    EXPECT_EQ(ini.ReadRaw("SpeakSpead", "Value"), "100");
    EXPECT_EQ(ini.ReadRaw("Alarm", "Use"), "0");
    EXPECT_EQ(ini.ReadRaw("Alarm", "DayTime"), "2011/01/01 7:00:00");
    EXPECT_EQ(ini.ReadRaw("Jiho", "HourInterval"), "1");
    EXPECT_FALSE(ini.ValueExists("Jiho", "MinitInterval"));
    EXPECT_EQ(ini.ReadRaw("Jiho", "GobiNo"), "0");
    EXPECT_EQ(ini.ReadRaw("Alarm", "FirstVolume"), "50");
    EXPECT_EQ(ini.ReadRaw("Clock", "BackColor"), "Gray");
    EXPECT_EQ(ini.ReadRaw("ResumeWaiteTime", "Value"), "1");
    EXPECT_EQ(ini.ReadRaw("GoToSleep", "Value"), "0");
    EXPECT_EQ(ini.ReadRaw("Alarm", "Word"), "2");
    EXPECT_EQ(host.live.SpeakSpead, 100);
}

TEST_F(SettingsDialogTest, ShowReadsEveryControlFromTheFile) {
    IniFile ini = Ini();
    ini.WriteBool("Clock", "AllwaysFront", false);
    ini.WriteBool("Clock", "OnMouseHide", true);
    ini.WriteString("FontName", "Value", "IPAGothic");
    ini.WriteInteger("Alarm", "DayOrWeek", 1);
    ini.WriteDateTime("Alarm", "WeekTime1", kAlarmTimeDate + EncodeTime(6, 5, 0));
    ini.WriteDateTime("Alarm", "WeekTime3", 0.0);
    ini.WriteBool("NoAlarm", "Holiday", true);
    ini.WriteInteger("NoAlarm", "DayOfMonth15", 1);
    ini.WriteInteger("NoAlarm", "DayOfMonth1", 1);
    ini.WriteInteger("NoAlarmMonth3", "Day9", 1);  // the live record decides
    host.live.NoAlarmMonthDay[3][20] = true;
    ini.WriteInteger("Alarm", "BeforeSoundNo", 3);
    ini.WriteInteger("ResumeWaiteTime", "Value", 3);
    ini.WriteInteger("Alarm", "SnoozeInterval", 10);
    ini.WriteInteger("Alarm", "FirstVolume", 35);
    ini.WriteInteger("Music", "Count", 3);
    ini.WriteString("Music", "1", "/music/a.ogg");
    ini.WriteString("Music", "2", "/music/b.ogg");
    ini.WriteInteger("Music", "No", 2);
    ini.WriteInteger("VoiceNo", "Value", 4);
    ini.WriteInteger("SpeakSpead", "Value", 150);
    ini.WriteInteger("Jiho", "Mode", 0);
    ini.WriteInteger("Jiho", "MinitInterval", 20);
    ini.WriteDateTime("Jiho", "StartTime1", EncodeTime(22, 0, 0));
    ini.WriteInteger("Jiho", "GobiNo", 4);
    ini.WriteInteger("Alarm", "Word", 1);
    ini.WriteInteger("Alarm", "JisakuAlarmWordCount", 2);
    std::string error;
    ASSERT_TRUE(WriteAlarmWords(dir.File("AlarmWord.txt"), {"おはよう", "朝だ"}, error));
    ini.WriteBool("Alarm", "Snooze", true);
    ini.WriteBool("Jiho", "Use", false);
    ini.WriteString("Clock", "BackColor", "White");
    ini.WriteInteger("GoToSleep", "Value", 2);
    Shown();

    EXPECT_FALSE(Find<QCheckBox>("CheckBoxClockAllwaysFront")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("CheckBoxOnMouseHide")->isChecked());
    EXPECT_EQ(ItemIndex("RadioGroupDayOrWeek"), 1);
    EXPECT_FALSE(Enabled("LEDayHour"));
    EXPECT_TRUE(Enabled("LEMonHour"));
    EXPECT_EQ(Text("LEMonHour") + Text("LEMonMinit") + Text("LEMonSecond"), QStringLiteral("650"));
    EXPECT_EQ(Text("LEWedHour"), QString());
    EXPECT_TRUE(Find<QCheckBox>("CheckBoxHoliday")->isChecked());
    EXPECT_EQ(Text("LEDayOfMonth"), QStringLiteral("1,15"));
    EXPECT_EQ(Find<QComboBox>("ComboBoxMonth")->currentIndex(), 2);  // March, from the clock
    EXPECT_EQ(Text("LEDay"), QStringLiteral("20"));
    EXPECT_EQ(Find<QComboBox>("ComboBoxBeforeAlarmSpeakSound")->currentText(),
              QStringLiteral("ボーン"));
    EXPECT_TRUE(Enabled("CheckBoxRandomBeforeSound"));
    EXPECT_EQ(Find<QComboBox>("ComboBoxResumeTime")->currentText(), QStringLiteral("3分前"));
    EXPECT_EQ(Text("LESnoozeMinit"), QStringLiteral("10"));
    EXPECT_EQ(Find<QSlider>("TrackBarFirstVolume")->toolTip(),
              QStringLiteral("音量:35\n「TEST」ボタンをクリックすると音量を確認できます。"));
    EXPECT_EQ(Find<QComboBox>("ComboBoxAlarmMusic")->count(), 3);
    EXPECT_EQ(Find<QComboBox>("ComboBoxAlarmMusic")->currentText(), QStringLiteral("/music/b.ogg"));
    EXPECT_TRUE(Enabled("CheckBoxAlarmMusicRandom"));
    EXPECT_TRUE(Enabled("BtnAlarmMusicTest"));
    EXPECT_EQ(ItemIndex("RadioGroupVoice"), 4);
    EXPECT_EQ(Find<QSlider>("TrackBar1")->value(), 150);
    EXPECT_TRUE(Enabled("LEJihoIntervalMinit"));
    EXPECT_FALSE(Enabled("LEJihoIntervalHour"));
    EXPECT_EQ(Text("LEJihoIntervalMinit"), QStringLiteral("20"));
    EXPECT_EQ(Text("LEJihoVolumeStartHour1"), QStringLiteral("22"));
    EXPECT_EQ(Text("LEJihoVolumeEndHour1"), QString());
    EXPECT_EQ(Find<QComboBox>("ComboBoxJihoGobi")->currentText(), QStringLiteral("だぞ。"));
    EXPECT_EQ(Find<QPlainTextEdit>("MemoAlarmWord")->toPlainText(),
              QStringLiteral("*おはよう\n*朝だ"));
    EXPECT_TRUE(Enabled("MemoAlarmWord"));
    EXPECT_EQ(form->WordPage()->OwnWords().OwnWordsPhonetic,
              (std::vector<std::string>{"おはよう", "よみ(朝だ)"}));
    EXPECT_EQ(ItemIndex("RadioGroupAlarm"), 2);
    EXPECT_TRUE(Enabled("LESnoozeMinit"));
    EXPECT_EQ(ItemIndex("RadioGroupJiho"), 0);
    EXPECT_EQ(ItemIndex("RadioGroupBackColor"), 1);
    EXPECT_TRUE(Find<QCheckBox>("CheckBoxGoToSleep")->isChecked());
    EXPECT_EQ(form->ReadControls().FontName, "IPAGothic");
    EXPECT_TRUE(form->State().DialogLoaded);
    EXPECT_TRUE(form->State().Unchanged);
}

TEST_F(SettingsDialogTest, OkAfterAChangeSavesAppliesAndBringsTheTrayMenuInLine) {
    IniFile ini = Ini();  // a file: the month box shows March
    ini.WriteDateTime("Alarm", "WeekTime0", kAlarmTimeDate + EncodeTime(7, 0, 0));
    ini.WriteDateTime("Alarm", "WeekTime1", kAlarmTimeDate + EncodeTime(8, 0, 0));
    Shown();
    ClickItem("RadioGroupAlarm", 1);
    ClickItem("RadioGroupDayOrWeek", 1);
    Type("LEMonHour", QString());
    Type("LETueHour", QStringLiteral("6"));
    Type("LETueMinit", QStringLiteral("45"));
    Type("LETueSecond", QStringLiteral("0"));
    ClickItem("RadioGroupVoice", 2);
    Find<QSlider>("TrackBarMaxVolume")->setValue(80);
    Type("LEDay", QStringLiteral("05, 3"));
    EXPECT_FALSE(form->State().Unchanged);
    form->BtnOKClick();

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ini.ReadRaw("Alarm", "Use"), "1");
    EXPECT_EQ(ini.ReadRaw("Alarm", "WeekTime1"), "1899/12/30");  // Monday's hour left empty
    EXPECT_EQ(ini.ReadRaw("Alarm", "WeekTime2"), "2011/01/01 6:45:00");
    EXPECT_EQ(ini.ReadRaw("Alarm", "WeekTime0"), "2011/01/01 7:00:00");
    EXPECT_EQ(ini.ReadRaw("NoAlarmMonth3", "Day3"), "1");
    EXPECT_EQ(ini.ReadRaw("NoAlarmMonth3", "Day5"), "1");
    EXPECT_EQ(ini.ReadRaw("Alarm", "MaxVolume"), "80");
    EXPECT_EQ(host.live.DayOrWeek, 1);
    EXPECT_EQ(host.live.WeekTime[1], 0.0);
    EXPECT_TRUE(host.live.NoAlarmMonthDay[3][5]);
    EXPECT_EQ(host.live.VoiceNo, 2);
    const std::vector<std::string> runs = [&] {
        std::vector<std::string> r;
        for (const std::string& line : host.log) {
            if (line.rfind("run ", 0) == 0) {
                r.push_back(line);
            }
        }
        return r;
    }();
    EXPECT_EQ(runs, (std::vector<std::string>{"run Alarm", "run SpeakJiho", "run ShowClock"}));
    EXPECT_TRUE(host.MenuChecked(TrayMenuItem::Alarm));
    EXPECT_TRUE(form->State().Unchanged);
    EXPECT_EQ(host.log.back(), "clock top");  // raised again after closing
}

TEST_F(SettingsDialogTest, OkWithoutAChangeLeavesTheTrayMenuAlone) {
    Shown();
    form->BtnOKClick();
    for (const std::string& line : host.log) {
        EXPECT_EQ(line.rfind("check ", 0), std::string::npos) << line;
        EXPECT_EQ(line.rfind("run ", 0), std::string::npos) << line;
    }
    EXPECT_TRUE(Ini().Exists());
}

TEST_F(SettingsDialogTest, MonthSwitchingCarriesDaysInTheLiveRecordOnly) {
    host.now = EncodeDate(2024, 4, 2);
    Ini().WriteInteger("Alarm", "Use", 0);
    Shown();
    Type("LEDay", QStringLiteral("1,29"));
    Pick("ComboBoxMonth", 4);
    EXPECT_EQ(form->ShownMonth(), 4);
    EXPECT_TRUE(host.live.NoAlarmMonthDay[4][29]);
    EXPECT_EQ(Text("LEDay"), QString());
    form->BtnCancelClick();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(Ini().ValueExists("NoAlarmMonth4", "Day29"));

    // Showing again starts at April, with the days the switch left.
    Shown();
    EXPECT_EQ(Text("LEDay"), QStringLiteral("1,29"));
    Type("LEDay", QString());
    Pick("ComboBoxMonth", 4);
    EXPECT_FALSE(host.live.NoAlarmMonthDay[4][1]);
    Type("LEDay", QStringLiteral("7"));
    Pick("ComboBoxMonth", 0);
    form->BtnOKClick();
    EXPECT_EQ(Ini().ReadRaw("NoAlarmMonth5", "Day7"), "1");
    EXPECT_FALSE(Ini().ValueExists("NoAlarmMonth4", "Day1"));
}

// "予定を確認..." shows the days the values on screen would ring, saved or
// not, one a day, the skipped ones with their reason; Esc closes it.
TEST_F(SettingsDialogTest, ThePlanFollowsTheUnsavedValues) {
    host.now = EncodeDate(2024, 11, 21) + EncodeTime(8, 0, 0);
    Ini().WriteInteger("Alarm", "Use", 1);
    Shown();
    Check("CheckBoxHoliday", true);
    Type("LEDay", QStringLiteral("25"));
    Type("LEDayOfMonth", QStringLiteral("26"));
    Click("BtnAlarmPlan");
    AlarmPlanWindow* plan = form->PlanWindow();
    ASSERT_NE(plan, nullptr);
    EXPECT_TRUE(plan->isVisible());
    const QStringList lines = plan->Lines();
    ASSERT_EQ(lines.size(), AlarmPlanWindow::kDays);
    EXPECT_EQ(lines.mid(0, 6),
              (QStringList{
                  QStringLiteral("11/22(金) 7:00:00  次の目覚まし"),
                  QStringLiteral("11/23(土)  勤労感謝の日"), QStringLiteral("11/24(日) 7:00:00"),
                  QStringLiteral("11/25(月)  11月25日の指定日"),
                  QStringLiteral("11/26(火)  毎月の指定日"), QStringLiteral("11/27(水) 7:00:00")}));
    EXPECT_EQ(NamelessControls(*plan), QStringList());
    EXPECT_FALSE(host.live.NoAlarmHoliday);  // nothing saved or applied
    QTest::keyClick(plan, Qt::Key_Escape);
    EXPECT_FALSE(plan->isVisible());
}

TEST_F(SettingsDialogTest, AnUnacceptableMonthKeepsTheMonthBoxWhereItWas) {
    host.now = EncodeDate(2024, 12, 24);
    Ini().WriteInteger("Alarm", "Use", 0);
    Shown();
    Find<QTabWidget>("PageControl1")->setCurrentIndex(3);
    Type("LEDay", QStringLiteral("0"));
    Pick("ComboBoxMonth", 1);
    EXPECT_EQ(
        LastNotice(),
        QStringLiteral("12月の目覚まししない日は1～31を半角・カンマ区切りで入力してください。"));
    EXPECT_EQ(Find<QTabWidget>("PageControl1")->currentIndex(), 1);
    EXPECT_EQ(FocusName(), QStringLiteral("LEDay"));
    EXPECT_EQ(Find<QComboBox>("ComboBoxMonth")->currentIndex(), 11);
    EXPECT_EQ(form->ShownMonth(), 11);
}

TEST_F(SettingsDialogTest, ClosingAfterAChangeAsksAndNoDiscards) {
    Shown();
    Check("CheckBoxOnMouseHide", true);
    messages.answer = false;
    form->close();
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].caption, QStringLiteral("ベルモラ"));
    EXPECT_EQ(messages.asked[0].text, QString::fromUtf8(kSaveQuestion));
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(Ini().Exists());
    EXPECT_TRUE(form->State().Unchanged);
}

TEST_F(SettingsDialogTest, SavingOnCloseNeverRunsThePowerAction) {
    Shown(PowerControlStyle::StandbyRadioGroup);
    ClickItem("RadioGroupGoToStandBy", 1);
    std::vector<PowerAction> actions;
    QObject::connect(form.get(), &TVelmoraSetteiForm::powerActionRequested,
                     [&](PowerAction a) { actions.push_back(a); });
    form->close();
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Ini().ReadRaw("GoToSleep", "Value"), "0");
    EXPECT_TRUE(actions.empty());
}

TEST_F(SettingsDialogTest, SavingOnCloseWithBadInputStaysOpen) {
    Shown();
    Type("LEDaySecond", QString());
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(LastNotice(),
              QStringLiteral("目覚まし時刻は0:00:00～23:59:59の間で半角で入力してください。"));
    EXPECT_FALSE(Ini().Exists());
    EXPECT_FALSE(form->MessageShowing());
}

TEST_F(SettingsDialogTest, OkRequestsThePowerActionAfterClosing) {
    Shown();
    Check("CheckBoxGoToSleep", true);
    bool visibleThen = true;
    std::vector<PowerAction> actions;
    QObject::connect(form.get(), &TVelmoraSetteiForm::powerActionRequested, [&](PowerAction a) {
        actions.push_back(a);
        visibleThen = form->isVisible();
    });
    form->BtnOKClick();
    EXPECT_EQ(actions, std::vector<PowerAction>{PowerAction::Sleep});
    EXPECT_FALSE(visibleThen);
    EXPECT_EQ(Ini().ReadRaw("GoToSleep", "Value"), "1");
    Shown();
    EXPECT_TRUE(Find<QCheckBox>("CheckBoxGoToSleep")->isChecked());
}

TEST_F(SettingsDialogTest, DialColourIsTriedAtOnceAndStoredByOk) {
    Shown();
    ClickItem("RadioGroupBackColor", 1);
    EXPECT_EQ(std::vector<std::string>(host.log.end() - 3, host.log.end()),
              (std::vector<std::string>{"check BackColorGray off", "check BackColorWhite on",
                                        "dial white"}));
    EXPECT_FALSE(Ini().Exists());
    form->BtnOKClick();
    EXPECT_EQ(Ini().ReadRaw("Clock", "BackColor"), "White");
}

TEST_F(SettingsDialogTest, ShowNoticeLowersTheClockWhileTheBoxIsUp) {
    Dialog();
    bool showingThen = false;
    bool topMostThen = true;
    messages.whileShown = [&] {
        showingThen = form->MessageShowing();
        topMostThen = host.clockTopMost;
    };
    form->ShowNotice("テスト");
    EXPECT_TRUE(showingThen);
    EXPECT_FALSE(topMostThen);
    EXPECT_FALSE(form->MessageShowing());
    EXPECT_TRUE(host.clockTopMost);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("ベルモラ"));

    // Not raised when the tray menu keeps the clock in the normal band.
    host.checks[TrayMenuItem::ClockAllwaysFront] = false;
    form->ShowNotice("テスト");
    EXPECT_FALSE(host.clockTopMost);

    // Notices and plain messages are the text alone, without an icon.
    form->Notices().ShowMessage("テスト");
    ASSERT_EQ(messages.shown.size(), 3u);
    for (const FakeMessageService::Box& box : messages.shown) {
        EXPECT_EQ(box.icon, MessageService::Icon::None);
    }
}

TEST_F(SettingsDialogTest, EnablingRulesFollowTheUser) {
    Shown();
    ClickItem("RadioGroupDayOrWeek", 1);
    EXPECT_FALSE(Enabled("LEDayHour"));
    EXPECT_TRUE(Enabled("LESatSecond"));
    ClickItem("RadioGroupAlarm", 2);
    EXPECT_TRUE(Enabled("LESnoozeMinit"));
    EXPECT_TRUE(Enabled("Label8"));
    ClickItem("RadioGroupJihoInterval", 0);
    EXPECT_TRUE(Enabled("LEJihoIntervalMinit"));
    EXPECT_FALSE(Enabled("LEJihoIntervalHour"));

    Pick("ComboBoxBeforeAlarmSpeakSound", 4);
    Check("CheckBoxRandomBeforeSound", true);
    Pick("ComboBoxBeforeAlarmSpeakSound", 0);
    EXPECT_FALSE(Enabled("CheckBoxRandomBeforeSound"));
    EXPECT_FALSE(Find<QCheckBox>("CheckBoxRandomBeforeSound")->isChecked());

    std::vector<VolumeTrack> tests;
    QObject::connect(form.get(), &TVelmoraSetteiForm::volumeTestRequested,
                     [&](VolumeTrack t) { tests.push_back(t); });
    ClickItem("RadioGroupAlarmWord", 1);
    EXPECT_TRUE(Enabled("MemoAlarmWord"));
    EXPECT_FALSE(Enabled("BtnAlarmWordTest"));  // nothing to try yet
    EXPECT_TRUE(form->WordPage()->MemoUntested());
    Find<QPlainTextEdit>("MemoAlarmWord")->setPlainText(QStringLiteral("おきて"));
    EXPECT_TRUE(Enabled("BtnAlarmWordTest"));
    ClickItem("RadioGroupAlarmWord", 3);
    EXPECT_FALSE(Enabled("MemoAlarmWord"));
    EXPECT_FALSE(form->WordPage()->MemoUntested());
    EXPECT_EQ(tests, std::vector<VolumeTrack>{VolumeTrack::FirstVolume});

    ClickItem("RadioGroupHowToPlay", 1);
    EXPECT_FALSE(Enabled("RadioGroupAlarmWord"));
    EXPECT_TRUE(Enabled("BtnRecord"));
    EXPECT_FALSE(Enabled("BtnWavePlay"));  // no recording yet
}

TEST_F(SettingsDialogTest, MusicChecksFollowTheSelection) {
    IniFile ini = Ini();
    ini.WriteInteger("Music", "Count", 2);
    ini.WriteString("Music", "1", "/music/a.ogg");
    ini.WriteInteger("Music", "No", 0);
    ini.WriteBool("Music", "Random", true);
    Shown();
    EXPECT_FALSE(Enabled("BtnAlarmMusicTest"));
    EXPECT_FALSE(Enabled("CheckBoxPlayStop"));
    Pick("ComboBoxAlarmMusic", 1);
    EXPECT_TRUE(Enabled("BtnAlarmMusicTest"));
    EXPECT_TRUE(Enabled("CheckBoxAlarmMusicRepeat"));
    EXPECT_FALSE(Enabled("CheckBoxAlarmMusicRandom"));  // one piece only
    EXPECT_FALSE(Find<QCheckBox>("CheckBoxAlarmMusicRandom")->isChecked());
}

TEST_F(SettingsDialogTest, NumberFieldsTakeDigitsOnlyRightAlignedWithoutInputMethod) {
    Dialog();
    std::vector<std::string> names = {"LEDayHour",     "LEDayMinit",          "LEDaySecond",
                                      "LESnoozeMinit", "LEJihoIntervalMinit", "LEJihoIntervalHour"};
    for (const char* day : {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}) {
        for (const char* part : {"Hour", "Minit", "Second"}) {
            names.push_back(std::string("LE") + day + part);
        }
    }
    for (int n = 0; n < 3; ++n) {
        for (const char* part : {"StartHour", "StartMinit", "EndHour", "EndMinit"}) {
            names.push_back("LEJihoVolume" + std::string(part) + std::to_string(n));
        }
    }
    ASSERT_EQ(names.size(), 39u);
    for (const std::string& name : names) {
        auto* edit = Find<QLineEdit>(name.c_str());
        ASSERT_NE(edit, nullptr);
        ASSERT_NE(edit->validator(), nullptr) << name;
        QString probe = QStringLiteral("1a");
        int at = 0;
        EXPECT_EQ(edit->validator()->validate(probe, at), QValidator::Invalid) << name;
        probe = QStringLiteral("１");
        EXPECT_EQ(edit->validator()->validate(probe, at), QValidator::Invalid) << name;
        EXPECT_TRUE(edit->alignment() & Qt::AlignRight) << name;
        EXPECT_FALSE(edit->testAttribute(Qt::WA_InputMethodEnabled)) << name;
        EXPECT_TRUE(edit->inputMethodHints() & Qt::ImhDigitsOnly) << name;
    }
    Type("LEDayHour", QStringLiteral("1a2-"));
    EXPECT_EQ(Text("LEDayHour"), QStringLiteral("12"));
}

TEST_F(SettingsDialogTest, ARefusedWriteShowsTheMessageAndStaysOpen) {
    std::filesystem::create_directory(dir.File("AlarmWord.txt"));
    Shown();
    ClickItem("RadioGroupAlarmWord", 1);
    Find<QPlainTextEdit>("MemoAlarmWord")->setPlainText(QStringLiteral("おはよう"));
    OwnAlarmWords tried;
    tried.OwnWords = {"おはよう"};
    tried.OwnWordsPhonetic = {"おはよう"};
    form->WordPage()->SetOwnWords(tried);
    form->WordPage()->SetMemoUntested(false);  // as a successful TEST leaves it
    ClickItem("RadioGroupVoice", 5);
    form->BtnOKClick();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(LastNotice().contains(QStringLiteral("AlarmWord.txt")))
        << LastNotice().toStdString();
    EXPECT_EQ(Ini().ReadRaw("VoiceNo", "Value"), "5");
    EXPECT_FALSE(Ini().ValueExists("GoToSleep", "Value"));
    EXPECT_FALSE(form->State().Unchanged);
}

TEST_F(SettingsDialogTest, AMissingRecordingTurnsBackToSpeaking) {
    Shown();
    ClickItem("RadioGroupHowToPlay", 1);
    form->BtnOKClick();
    EXPECT_EQ(Ini().ReadRaw("Alarm", "HowTo"), "0");
    EXPECT_EQ(ItemIndex("RadioGroupHowToPlay"), 0);
}

TEST_F(SettingsDialogTest, ClosingStopsTestsUnlessTheAlarmMusicPlays) {
    int stops = 0;
    Dialog();
    QObject::connect(form.get(), &TVelmoraSetteiForm::stopTestsRequested, [&] { ++stops; });
    for (const bool music : {false, true}) {
        host.musicPlaying = music;
        host.log.clear();
        Shown();
        form->BtnCancelClick();
        EXPECT_EQ(host.log, (std::vector<std::string>{"menus on", "clock top"}));
    }
    EXPECT_EQ(stops, 1);
}

TEST_F(SettingsDialogTest, DeleteInAListIsHandedOn) {
    Shown();
    std::vector<SoundList> lists;
    QObject::connect(form.get(), &TVelmoraSetteiForm::deleteFromListRequested,
                     [&](SoundList l) { lists.push_back(l); });
    for (const char* name :
         {"ComboBoxAlarmMusic", "ComboBoxBeforeJihoSound", "ComboBoxBeforeAlarmSpeakSound"}) {
        QTest::keyClick(Find<QComboBox>(name), Qt::Key_Delete);
    }
    EXPECT_EQ(lists, (std::vector<SoundList>{SoundList::Music, SoundList::JihoSounds,
                                             SoundList::AlarmSounds}));
}

// The key that says the time: a chord pressed in the field replaces the
// stored one, Tab leaves the field instead of being recorded, a plain
// letter is refused, and OK stores the key and has it bound. Where the
// desktop offers no such key the field is greyed with the reason beside it.
TEST_F(SettingsDialogTest, TheTimeKeyIsRecordedStoredAndGreyedWhereTheDesktopHasNone) {
    Shown();
    QApplication::setActiveWindow(form.get());
    auto* field = Find<QKeySequenceEdit>("NowTimeKey");
    const auto shown = [&] { return field->keySequence().toString(QKeySequence::PortableText); };
    EXPECT_EQ(shown(), QStringLiteral("Ctrl+Alt+Shift+T"));  // no file: the default
    field->setFocus();
    QTest::keyClick(field, Qt::Key_T);
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(shown(), QStringLiteral("Ctrl+Alt+Shift+T"));
    EXPECT_TRUE(Find<QLabel>("LblNowTimeKeyNote")->text().contains(QStringLiteral("Ctrl")));
    EXPECT_EQ(FocusName(), QStringLiteral("BtnNoNowTimeKey"));

    field->setFocus();
    QTest::keyClick(field, Qt::Key_F9, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(shown(), QStringLiteral("Ctrl+F9"));
    EXPECT_FALSE(form->State().Unchanged);
    form->BtnOKClick();
    EXPECT_EQ(Ini().ReadRaw("NowTime", "Key"), "Ctrl+F9");
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "key Ctrl+F9"), 1);

    host.nowTimeKey = {false, "このデスクトップでは使えません。"};
    Shown();
    EXPECT_FALSE(field->isEnabled());
    EXPECT_EQ(Find<QLabel>("LblNowTimeKeyNote")->text(),
              QStringLiteral("このデスクトップでは使えません。"));
    EXPECT_EQ(shown(), QStringLiteral("Ctrl+F9"));
}

// A screen reader announces a control by its name. Every control the
// keyboard reaches on every page has one; the time fields and volume bars,
// which have no caption of their own, are named after what stands beside
// them, and a volume bar reports its value.
TEST_F(SettingsDialogTest, EveryControlTheKeyboardReachesHasAName) {
    EXPECT_EQ(NamelessControls(Shown()), QStringList());
    const auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(name(Find<QWidget>("LEMonHour")), "月曜日の時");
    EXPECT_EQ(name(Find<QWidget>("LEDaySecond")), "毎日の秒");
    EXPECT_EQ(name(Find<QWidget>("LEJihoVolumeEndMinit2")), "時間帯3の終わりの分");
    // The buttons captioned "TEST" say what they try.
    EXPECT_EQ(name(Find<QWidget>("BtnMaxVolumeTest")), "最大音量を試す");
    EXPECT_EQ(name(Find<QWidget>("BtnSpeakTest")), "話す速さを試す");
    EXPECT_EQ(name(Find<QWidget>("BtnJihoVolumeTest0")), "時間帯1の時報の音量を試す");
    // A list box is labelled by the caption beside it, and its drop-down
    // list goes by what it is for.
    const auto labels = QAccessible::queryAccessibleInterface(Find<QComboBox>("ComboBoxJihoGobi"))
                            ->relations(QAccessible::Label);
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_EQ(labels.constFirst().first->text(QAccessible::Name), QStringLiteral("時報の語尾"));
    EXPECT_EQ(name(Find<QComboBox>("ComboBoxMonth")->view()), "目覚まししない日の月");
    auto* bar = Find<QSlider>("TrackBarMaxVolume");
    EXPECT_EQ(name(bar), "最大音量");
    QAccessibleValueInterface* value = QAccessible::queryAccessibleInterface(bar)->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), bar->value());
}

// Tab takes the keyboard through each page as the eye reads it: no step
// goes back up a column or back along a row, and every control that takes
// the keyboard on the page, and the page tabs and the buttons below them,
// lie on the way.
TEST_F(SettingsDialogTest, TabWalksEachPageInReadingOrderPastEveryControl) {
    TVelmoraSetteiForm& dialog = Shown();
    // The weekday times and the own words, with the most fields to reach.
    ClickItem("RadioGroupDayOrWeek", 1);
    ClickItem("RadioGroupAlarmWord", kWordOwn);
    Find<QPlainTextEdit>("MemoAlarmWord")->setPlainText(QStringLiteral("おはよう"));
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* pages = Find<QTabWidget>("PageControl1");
    QWidget* tabs = pages->tabBar();
    const auto place = [&](const QWidget* w) {
        return QRect(w->mapTo(&dialog, QPoint(0, 0)), w->size());
    };
    const auto describe = [](const QWidget* w) {
        return std::string(w->metaObject()->className()) + " " + w->objectName().toStdString();
    };
    for (int page = 0; page < pages->count(); ++page) {
        SCOPED_TRACE(pages->tabText(page).toStdString());
        pages->setCurrentIndex(page);
        tabs->setFocus(Qt::TabFocusReason);
        std::vector<QWidget*> walk{tabs};
        for (int step = 0; step < 200; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            if (focus == tabs) {
                break;
            }
            walk.push_back(focus);
        }
        ASSERT_EQ(QApplication::focusWidget(), tabs) << "Tab never came back to the page tabs";
        EXPECT_EQ(pages->currentIndex(), page);

        // Reading order: of two controls, the later is not above the earlier
        // in the same column (or the same box), nor left of it in the same
        // row. Going up into the next column to the right is reading on.
        for (size_t i = 0; i < walk.size(); ++i) {
            for (size_t j = i + 1; j < walk.size(); ++j) {
                const QRect a = place(walk[i]);
                const QRect b = place(walk[j]);
                const bool sameColumn = b.left() <= a.right() && a.left() <= b.right();
                const bool sameRow = b.top() <= a.bottom() && a.top() <= b.bottom();
                const bool sameBox = walk[i]->parentWidget() == walk[j]->parentWidget();
                EXPECT_FALSE(((sameColumn || sameBox) && b.bottom() < a.top()) ||
                             (sameRow && b.right() < a.left()))
                    << describe(walk[j]) << " comes after " << describe(walk[i]);
            }
        }

        // Everything the keyboard can take on the page and below it is
        // reached; of a set of radio buttons, the checked one stands for
        // the set, the arrow keys choosing within it; a widget that hands its
        // focus to another (the key field's inner line edit) is reached as
        // that one.
        QList<QWidget*> reachable = pages->currentWidget()->findChildren<QWidget*>();
        reachable << Find<QWidget>("BtnOK") << Find<QWidget>("BtnCancel")
                  << Find<QWidget>("CheckBoxGoToSleep");
        for (QWidget* w : reachable) {
            const auto* radio = qobject_cast<QRadioButton*>(w);
            if ((w->focusPolicy() & Qt::TabFocus) == 0 || !w->isVisibleTo(&dialog) ||
                !w->isEnabled() || (radio != nullptr && !radio->isChecked()) ||
                w->focusProxy() != nullptr) {
                continue;
            }
            EXPECT_NE(std::find(walk.begin(), walk.end(), w), walk.end())
                << describe(w) << " is never reached by Tab";
        }

        // Inside a page Ctrl+Tab turns to the next page, from the page tabs
        // the arrow keys do.
        ASSERT_GT(walk.size(), 1u);
        walk[1]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(walk[1], Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(pages->currentIndex(), (page + 1) % pages->count());
        pages->setCurrentIndex(page);
        QTest::keyClick(tabs, Qt::Key_Right);
        EXPECT_EQ(pages->currentIndex(), std::min(page + 1, pages->count() - 1));
    }
}

}  // namespace
}  // namespace velmora::test
