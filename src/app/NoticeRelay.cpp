#include "app/NoticeRelay.h"

#include "base/MessageService.h"
#include "dialog/NoticeRoutine.h"

namespace velmora {
namespace {

constexpr const char* kCaption = "ベルモラ";

}  // namespace

void NoticeRelay::ShowNotice(const std::string& text) {
    if (routine_ != nullptr) {
        routine_->ShowNotice(text);
    } else {
        ShowMessage(text);
    }
}

void NoticeRelay::ShowMessage(const std::string& text) {
    if (routine_ != nullptr) {
        routine_->ShowMessage(text);
    } else {
        messages_.Show(kCaption, text, MessageService::Icon::None);
    }
}

bool NoticeRelay::AskYesNo(const std::string& text) {
    if (routine_ != nullptr) {
        return routine_->Ask(text);
    }
    return messages_.Ask(kCaption, text);
}

}  // namespace velmora
