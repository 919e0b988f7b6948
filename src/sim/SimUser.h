#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "schedule/EscapeKey.h"
#include "schedule/QuestionBox.h"

namespace velmora {

// The user at the simulated clock: answers the snooze question as told
// (one answer always, or a cycle of answers) and holds Esc down when told to.
class SimUser final : public QuestionBox, public EscapeKey {
public:
    explicit SimUser(bool answerYes) : answers_{answerYes} {}

    bool AskYesNo(const std::string& text) override {
        const bool answer = answers_[questions_.size() % answers_.size()];
        questions_.push_back(text);
        if (whileAsked_) {
            std::exchange(whileAsked_, nullptr)();
        }
        return answer;
    }
    bool EscapeDown() override { return escapeDown_; }

    // The answers given in turn, starting again after the last; never empty.
    void SetAnswers(std::vector<bool> answers) {
        if (!answers.empty()) {
            answers_ = std::move(answers);
        }
    }
    void HoldEscape(bool down) { escapeDown_ = down; }
    // What the user does elsewhere while the next question is up (the box
    // is modal to its window only: the tray menu still works).
    void WhileNextQuestionIsUp(std::function<void()> action) { whileAsked_ = std::move(action); }
    const std::vector<std::string>& Questions() const { return questions_; }

private:
    std::vector<bool> answers_;
    bool escapeDown_ = false;
    std::function<void()> whileAsked_;
    std::vector<std::string> questions_;
};

}  // namespace velmora
