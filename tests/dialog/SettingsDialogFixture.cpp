#include "SettingsDialogFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "dialog/RadioGroup.h"
#include "support/TestEnvironment.h"

namespace velmora::test {

SettingsDialogFixture::SettingsDialogFixture() {
    folders.ProgramFolder = ProgramDir() + "/";
    folders.DataFolder = dir.Path();
}

SettingsDialogFixture::~SettingsDialogFixture() = default;

TVelmoraSetteiForm& SettingsDialogFixture::Dialog(PowerControlStyle style) {
    if (!form) {
        form = std::make_unique<TVelmoraSetteiForm>(host, messages, converter, folders,
                                                    SettingsDialogOptions{style});
    }
    return *form;
}

TVelmoraSetteiForm& SettingsDialogFixture::Shown(PowerControlStyle style) {
    Dialog(style).ShowSettings();
    return *form;
}

void SettingsDialogFixture::Type(const char* edit, const QString& text) const {
    auto* line = Find<QLineEdit>(edit);
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Backspace);
    bool ascii = true;
    for (const QChar c : text) {
        ascii = ascii && c.unicode() < 0x80;
    }
    if (ascii) {
        QTest::keyClicks(line, text);
    } else {
        // Key events carry Latin-1 only; Japanese text arrives as from an
        // input method, in one piece.
        line->insert(text);
        emit line->textEdited(line->text());
    }
}

void SettingsDialogFixture::Click(const char* button) const {
    Find<QAbstractButton>(button)->click();
}

void SettingsDialogFixture::ClickItem(const char* radioGroup, int index) const {
    Find<RadioGroup>(radioGroup)->Button(index)->click();
}

void SettingsDialogFixture::Pick(const char* comboBox, int index) const {
    auto* list = Find<QComboBox>(comboBox);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void SettingsDialogFixture::Check(const char* checkBox, bool checked) const {
    auto* box = Find<QCheckBox>(checkBox);
    if (box->isChecked() != checked) {
        box->click();
    }
}

QString SettingsDialogFixture::Text(const char* edit) const {
    return Find<QLineEdit>(edit)->text();
}

bool SettingsDialogFixture::Enabled(const char* widget) const {
    return Find<QWidget>(widget)->isEnabled();
}

int SettingsDialogFixture::ItemIndex(const char* radioGroup) const {
    return Find<RadioGroup>(radioGroup)->ItemIndex();
}

QString SettingsDialogFixture::LastNotice() const {
    return messages.shown.empty() ? QString() : messages.shown.back().text;
}

QString SettingsDialogFixture::FocusName() const {
    const QWidget* focus = form->focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

}  // namespace velmora::test
