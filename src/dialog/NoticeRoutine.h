#pragma once

#include <string>

#include "base/Notices.h"

namespace velmora {

class MessageService;
class SettingsDialogHost;

// The one routine through which the program shows its plain messages and
// asks its questions. While a box is up the clock window is out of the
// top-most band, so it cannot cover the box, and MessageShowing tells the
// main tick not to raise or hide the clock.
class NoticeRoutine final : public Notices {
public:
    NoticeRoutine(SettingsDialogHost& host, MessageService& messages);

    void ShowNotice(const std::string& text) override;
    // Shown as ShowNotice shows it: a plain box, too, would otherwise come
    // up under the always-on-top clock.
    void ShowMessage(const std::string& text) override;
    // A Yes/No question under the same care as ShowNotice; true for Yes.
    bool Ask(const std::string& text);

    bool MessageShowing() const { return openBoxes_ > 0; }

    // Marks a box as up for as long as the object lives: lowers the clock
    // at the start and raises it again at the end.
    class BoxScope {
    public:
        explicit BoxScope(NoticeRoutine& routine);
        ~BoxScope();
        BoxScope(const BoxScope&) = delete;
        BoxScope& operator=(const BoxScope&) = delete;

    private:
        NoticeRoutine& routine_;
    };

private:
    SettingsDialogHost& host_;
    MessageService& messages_;
    // Boxes can nest (a message shown while the close question is up); the
    // flag stays set until the outermost one has gone.
    int openBoxes_ = 0;
};

}  // namespace velmora
