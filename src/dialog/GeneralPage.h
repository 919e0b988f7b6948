#pragma once

#include <QWidget>

#include "dialog/DialogValues.h"
#include "dialog/SettingsDialogHost.h"
#include "dialog/SettingsDialogTypes.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

namespace velmora {

class KeyChordEdit;
class RadioGroup;

// Page "全般": the voice, the speaking speed, the clock's top-most and
// mouse-hide switches, the font and the key that says the time.
class GeneralPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GeneralPage)

public:
    GeneralPage(SettingsDialogState& state, QWidget* parent = nullptr);

    void Load(const DialogValues& form);
    // Only the controls that are also tray menu switches.
    void LoadMenuSwitches(const DialogValues& form);
    void Store(DialogValues& form) const;
    void ShowFontName(const QString& name);
    void ShowNowTimeKeyStatus(const NowTimeKeyStatus& status);

signals:
    // A voice was picked: the wake-up phrase is tried with it.
    void voicePicked();
    void speedTestRequested();
    void changeFontRequested();

private:
    SettingsDialogState& state_;
    RadioGroup* radioGroupVoice_;
    QSlider* trackBar1_;
    QPushButton* btnSpeakTest_;
    QCheckBox* checkBoxClockAllwaysFront_;
    QCheckBox* checkBoxOnMouseHide_;
    QPushButton* btnChangeFont_;
    QLabel* lblFontName_;
    KeyChordEdit* nowTimeKey_;
    QLabel* lblNowTimeKeyNote_;
};

}  // namespace velmora
