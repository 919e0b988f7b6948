#include <QCheckBox>
#include <QLabel>
#include <QMenu>

#include "DialogActionsFixture.h"
#include "dialog/RadioGroup.h"

namespace velmora::test {
namespace {

using DialogCommandsTest = DialogActionsFixture;

TEST_F(DialogCommandsTest, TheFontButtonAppliesAndStoresTheFaceName) {
    Actions();
    files.nextFont = QStringLiteral("Noto Sans CJK JP");
    Click("BtnChangeFont");
    EXPECT_EQ(files.fontStarts, std::vector<QString>{QStringLiteral("Tahoma")});
    EXPECT_EQ(form->FontName(), QStringLiteral("Noto Sans CJK JP"));
    EXPECT_EQ(Find<QLabel>("LblFontName")->text(), QStringLiteral("Noto Sans CJK JP"));
    EXPECT_EQ(appliedFonts, std::vector<QString>{QStringLiteral("Noto Sans CJK JP")});
    EXPECT_EQ(ini.ReadRaw("FontName", "Value"), "Noto Sans CJK JP");
    // Stored at once, without OK and without counting as an unsaved change.
    EXPECT_TRUE(form->State().Unchanged);

    Click("BtnChangeFont");  // cancelled
    EXPECT_EQ(appliedFonts.size(), 1U);
    EXPECT_EQ(form->FontName(), QStringLiteral("Noto Sans CJK JP"));
}

TEST_F(DialogCommandsTest, TheWordGuideOpensBesideTheProgramAndAFailureIsReported) {
    Actions();
    QAction* item = form->findChild<QAction*>(QStringLiteral("MenuAQT"));
    ASSERT_NE(item, nullptr);
    item->trigger();
    ASSERT_EQ(opener.opened.size(), 1U);
    EXPECT_EQ(opener.opened[0], program.File("音声記号列仕様.pdf"));
    EXPECT_TRUE(messages.shown.empty());
    opener.pending[0](2);
    EXPECT_EQ(LastNotice(), QStringLiteral("「音声記号列仕様.pdf」の表示に失敗しました。"));
}

TEST_F(DialogCommandsTest, SleepAfterOkSavesClosesCentresTheClockAndAsks) {
    Actions();
    Check("CheckBoxGoToSleep", true);
    power.allowed = {PowerAction::Sleep};
    power.onAsk = [this] {
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(centred, 1);
        EXPECT_EQ(ini.ReadRaw("GoToSleep", "Value"), "1");
    };
    form->BtnOKClick();
    EXPECT_EQ(power.log, (std::vector<std::string>{"may:Sleep", "enter:Sleep"}));
    EXPECT_FALSE(visibleWhenCentred);
    EXPECT_TRUE(messages.shown.empty());
    // The choice stays for the next OK.
    form->ShowSettings();
    EXPECT_TRUE(Find<QCheckBox>("CheckBoxGoToSleep")->isChecked());
}

TEST_F(DialogCommandsTest, AStateTheProgramMayNotEnterIsNamedInTheMessage) {
    struct Case {
        int item;
        const char* logged;
        const char* message;
    };
    // The message comes right after the clock has been centred: the clock
    // is out of the top-most band while it is up, so it covers no part of it.
    bool topMostThen = true;
    messages.whileShown = [&] { topMostThen = host.clockTopMost; };
    for (const Case c : {Case{1, "may:Standby", "スタンバイに移行できません。"},
                         Case{2, "may:Hibernate", "休止状態に移行できません。"}}) {
        power.log.clear();
        messages.shown.clear();
        Actions(PowerControlStyle::StandbyRadioGroup);
        form->ShowSettings();
        ClickItem("RadioGroupGoToStandBy", c.item);
        form->BtnOKClick();
        EXPECT_EQ(power.log, std::vector<std::string>{c.logged});
        ASSERT_EQ(messages.shown.size(), 1U);
        EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(c.message));
        EXPECT_FALSE(topMostThen);
        EXPECT_TRUE(host.clockTopMost);
        EXPECT_EQ(ini.ReadRaw("GoToSleep", "Value"), std::to_string(c.item));
    }
    // "電源操作はしない" asks for nothing.
    power.log.clear();
    form->ShowSettings();
    ClickItem("RadioGroupGoToStandBy", 0);
    form->BtnOKClick();
    EXPECT_TRUE(power.log.empty());
}

TEST_F(DialogCommandsTest, SavingFromTheCloseQuestionNeverSleeps) {
    Actions();
    Check("CheckBoxGoToSleep", true);
    power.allowed = {PowerAction::Sleep};
    messages.answer = true;
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(power.log.empty());
    EXPECT_EQ(ini.ReadRaw("GoToSleep", "Value"), "0");
}

}  // namespace
}  // namespace velmora::test
