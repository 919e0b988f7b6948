#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <memory>

#include "base/AppFolders.h"
#include "dialog/TVelmoraSetteiForm.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakePhoneticConverter.h"
#include "fakes/FakeSettingsDialogHost.h"
#include "settings/IniFile.h"
#include "support/TempDir.h"

namespace velmora::test {

// The real dialog over a temporary data folder, with the host, the message
// boxes and the reading service faked.
class SettingsDialogFixture : public ::testing::Test {
public:
    SettingsDialogFixture();
    ~SettingsDialogFixture() override;

    TVelmoraSetteiForm& Dialog(PowerControlStyle style = PowerControlStyle::SleepCheckBox);
    // Shows the dialog on the current file.
    TVelmoraSetteiForm& Shown(PowerControlStyle style = PowerControlStyle::SleepCheckBox);
    IniFile Ini() const { return IniFile(dir.File("Settei.ini")); }

    template <typename T>
    T* Find(const char* name) const {
        T* widget = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // As the user does it: clear the field and type.
    void Type(const char* edit, const QString& text) const;
    void Click(const char* button) const;
    void ClickItem(const char* radioGroup, int index) const;
    void Pick(const char* comboBox, int index) const;
    void Check(const char* checkBox, bool checked) const;
    QString Text(const char* edit) const;
    bool Enabled(const char* widget) const;
    int ItemIndex(const char* radioGroup) const;
    // The last message shown through the notice routine.
    QString LastNotice() const;
    QString FocusName() const;

    TempDir dir;
    AppFolders folders;
    FakeSettingsDialogHost host;
    FakeMessageService messages;
    FakePhoneticConverter converter;
    std::unique_ptr<TVelmoraSetteiForm> form;
};

}  // namespace velmora::test
