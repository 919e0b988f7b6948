#include <QPlainTextEdit>
#include <QTabWidget>
#include <functional>

#include "SettingsDialogFixture.h"

namespace velmora::test {
namespace {

struct Case {
    const char* name;
    std::function<void(SettingsDialogFixture&)> enter;
    const char* message;
    int page;
    const char* focus;  // "" when the field cannot take the focus
};

// One fresh dialog per case.
class DialogValidationTest : public SettingsDialogFixture {
public:
    void TestBody() override {}
};

const char* const kTime = "目覚まし時刻は0:00:00～23:59:59の間で半角で入力してください。";
const char* const kRange = "時報音量の設定時間は0時0分～23時59分の間で半角で入力してください。";

const Case kCases[] = {
    {"every day without seconds", [](auto& t) { t.Type("LEDaySecond", QString()); }, kTime, 1,
     "LEDaySecond"},
    {"every day hour 24", [](auto& t) { t.Type("LEDayHour", QStringLiteral("24")); }, kTime, 1,
     "LEDayHour"},
    {"wednesday minute 75",
     [](auto& t) {
         t.ClickItem("RadioGroupDayOrWeek", 1);
         t.Type("LEWedMinit", QStringLiteral("75"));
     },
     kTime, 1, "LEWedMinit"},
    {"month days with an empty last item", [](auto& t) { t.Type("LEDay", QStringLiteral("1,2,")); },
     "3月の目覚まししない日は1～31を半角・カンマ区切りで入力してください。", 1, "LEDay"},
    {"month days in full width", [](auto& t) { t.Type("LEDay", QStringLiteral("１")); },
     "3月の目覚まししない日は1～31を半角・カンマ区切りで入力してください。", 1, "LEDay"},
    {"every month 32", [](auto& t) { t.Type("LEDayOfMonth", QStringLiteral("4, 32")); },
     "毎月目覚まししない日は1～31を半角・カンマ区切りで入力してください。", 1, "LEDayOfMonth"},
    {"snooze 61 in snooze mode",
     [](auto& t) {
         t.ClickItem("RadioGroupAlarm", 2);
         t.Type("LESnoozeMinit", QStringLiteral("61"));
     },
     "スヌーズの間隔は1～60分を半角で入力してください。", 1, "LESnoozeMinit"},
    {"snooze 0 while the field is disabled",
     [](auto& t) {
         t.ClickItem("RadioGroupAlarm", 2);
         t.Type("LESnoozeMinit", QStringLiteral("0"));
         t.ClickItem("RadioGroupAlarm", 1);
     },
     "スヌーズの間隔は1～60分を半角で入力してください。", 1, ""},
    {"minute interval 60",
     [](auto& t) {
         t.ClickItem("RadioGroupJihoInterval", 0);
         t.Type("LEJihoIntervalMinit", QStringLiteral("60"));
     },
     "時報の間隔は1～59分を半角で入力してください。", 3, "LEJihoIntervalMinit"},
    {"hour interval 24", [](auto& t) { t.Type("LEJihoIntervalHour", QStringLiteral("24")); },
     "時報の間隔は1～23時間を半角で入力してください。", 3, "LEJihoIntervalHour"},
    {"range 1 ending at 6:75",
     [](auto& t) {
         t.Type("LEJihoVolumeStartHour1", QStringLiteral("22"));
         t.Type("LEJihoVolumeStartMinit1", QStringLiteral("0"));
         t.Type("LEJihoVolumeEndHour1", QStringLiteral("6"));
         t.Type("LEJihoVolumeEndMinit1", QStringLiteral("75"));
     },
     kRange, 3, "LEJihoVolumeEndMinit1"},
    {"own words not tried",
     [](auto& t) {
         t.ClickItem("RadioGroupAlarmWord", 1);
         t.form->template findChild<QPlainTextEdit*>(QStringLiteral("MemoAlarmWord"))
             ->setPlainText(QStringLiteral("おきて"));
     },
     "「Test」ボタンをクリックして自作の目覚めの言葉を確認してください。", 2, "BtnAlarmWordTest"},
    {"own words not tried with an empty memo",
     [](auto& t) { t.ClickItem("RadioGroupAlarmWord", 1); },
     "「Test」ボタンをクリックして自作の目覚めの言葉を確認してください。", 2, ""},
};

TEST(DialogValidation, EachCheckShowsItsMessagePageAndFocus) {
    for (const Case& c : kCases) {
        DialogValidationTest t;
        t.host.now = EncodeDate(2024, 3, 1);
        t.Ini().WriteInteger("Alarm", "Use", 0);
        t.Shown();
        t.form->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
        t.form->findChild<QWidget*>(QStringLiteral("BtnOK"))->setFocus();
        c.enter(t);
        t.form->findChild<QWidget*>(QStringLiteral("BtnOK"))->setFocus();
        const std::string before = t.Ini().ReadRaw("Alarm", "Use").value_or("");
        const size_t notices = t.messages.shown.size();
        t.form->BtnOKClick();

        EXPECT_TRUE(t.form->isVisible()) << c.name;
        ASSERT_EQ(t.messages.shown.size(), notices + 1) << c.name;
        EXPECT_EQ(t.LastNotice(), QString::fromUtf8(c.message)) << c.name;
        EXPECT_EQ(t.form->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->currentIndex(),
                  c.page)
            << c.name;
        const QString expectedFocus =
            *c.focus != '\0' ? QString::fromUtf8(c.focus) : QStringLiteral("BtnOK");
        EXPECT_EQ(t.FocusName(), expectedFocus) << c.name;
        // Nothing was written: the one key of the prepared file is all it holds.
        EXPECT_EQ(t.Ini().ReadRaw("Alarm", "Use").value_or(""), before) << c.name;
        EXPECT_FALSE(t.Ini().ValueExists("VoiceNo", "Value")) << c.name;
        EXPECT_TRUE(t.host.log.empty() || t.host.log.back() == "clock top") << c.name;
    }
}

}  // namespace
}  // namespace velmora::test
