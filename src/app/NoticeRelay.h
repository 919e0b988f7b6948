#pragma once

#include "base/Notices.h"
#include "schedule/QuestionBox.h"

namespace velmora {

class MessageService;
class NoticeRoutine;

// The program's one way to show messages and ask questions, wherever they
// come from: through the settings dialog's notice routine (which keeps the
// clock out of the box's way) once the dialog exists, and as plain boxes
// before it does and after it has gone.
class NoticeRelay final : public Notices, public QuestionBox {
public:
    explicit NoticeRelay(MessageService& messages) : messages_(messages) {}

    void SetRoutine(NoticeRoutine* routine) { routine_ = routine; }

    void ShowNotice(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;

private:
    MessageService& messages_;
    NoticeRoutine* routine_ = nullptr;
};

}  // namespace velmora
