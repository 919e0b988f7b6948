#pragma once

#include <string>
#include <vector>

#include "schedule/EscapeKey.h"
#include "schedule/QuestionBox.h"

namespace velmora {

// The user at the simulated clock: answers the snooze question as told and
// holds Esc down when told to.
class SimUser final : public QuestionBox, public EscapeKey {
public:
    explicit SimUser(bool answerYes) : answerYes_(answerYes) {}

    bool AskYesNo(const std::string& text) override {
        questions_.push_back(text);
        return answerYes_;
    }
    bool EscapeDown() override { return escapeDown_; }

    void SetAnswer(bool yes) { answerYes_ = yes; }
    void HoldEscape(bool down) { escapeDown_ = down; }
    const std::vector<std::string>& Questions() const { return questions_; }

private:
    bool answerYes_;
    bool escapeDown_ = false;
    std::vector<std::string> questions_;
};

}  // namespace velmora
