#pragma once

#include "dialog/DialogActionServices.h"
#include "dialog/SettingsDialogTypes.h"

namespace velmora {

class TVelmoraSetteiForm;

// The dialog's commands that reach beyond it: the font button, the guide
// to writing one's own wake-up words, and the power action after OK.
class DialogCommands {
public:
    DialogCommands(TVelmoraSetteiForm& dialog, const DialogActionServices& services);

    // "フォントの変更": the chosen face name for the clock, the about window
    // and the dialog, stored at once.
    void BtnChangeFontClick();
    // "自作の目覚めの言葉の書き方(&W)": the guide beside the program, opened by
    // the desktop.
    void MenuAQTClick();
    // Once OK has saved and closed the dialog: the clock to the middle of
    // the screen (where the user finds it on waking), then the request.
    void RunPowerAction(PowerAction action);

private:
    TVelmoraSetteiForm& dialog_;
    const DialogActionServices& s_;
};

// The name the power action's refusal message gives it.
const char* PowerActionName(PowerAction action);

}  // namespace velmora
